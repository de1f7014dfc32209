#!/usr/bin/env bash
# Builds Sarmo and its demonstration data set and runs every test headless:
# the unit tests and the scenarios (tests/scenarios), through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${SARMO_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j1
