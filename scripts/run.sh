#!/usr/bin/env bash
# Builds Sarmo with its demonstration data set and starts it. The program
# reads its data from datos/sarmo below the folder it is started from, so it
# is started from the build folder, where the data set is built. Arguments
# pass through to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${SARMO_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$(nproc)" --target sarmo_app dataset help_captures
cd "$build"
exec ./src/sarmo "$@"
