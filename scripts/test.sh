#!/usr/bin/env bash
# Builds Sarmo and its demonstration data set and runs every test: first the
# README's first command under a real X server, then through CTest the unit
# tests and the scenarios (headless), the desktop suite and the Debian
# package (under Xvfb with a window manager).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# House rules first: the floors of src/ and the style of the code.
scripts/check-layers.py
scripts/check-format.sh
build=${SARMO_BUILD_DIR:-build}
export SARMO_BUILD_DIR=$build
# Compiler warnings are errors here; the first command builds in the same
# folder and keeps that setting.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSARMO_WERROR=ON
tests/desktop/first-command.sh
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j1

# The whole suite again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer (leak detection on, libraries' own caches
# suppressed), on a copy of the data set already built.
asan=${build}-asan
cmake -S . -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DSARMO_SANITIZE=ON -DSARMO_WERROR=ON
mkdir -p "$asan/datos"
[ -e "$asan/datos/sarmo/bd2002.mdb" ] || cp -a "$build/datos/sarmo" "$asan/datos/"
cmake --build "$asan" -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS="suppressions=$PWD/scripts/sanitizers.supp:print_suppressions=0" \
  ctest --test-dir "$asan" --output-on-failure -j1 -LE desktop

# A short fuzzing round, the same one every time (about a minute in all):
# longer, exploring rounds are scripts/fuzz.sh on its own.
if command -v clang++ >/dev/null; then
  SARMO_FUZZ_RUNS=8000 scripts/fuzz.sh 120
fi
