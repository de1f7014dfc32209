#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for the given number of
# seconds (default 20): the RTF reader, the database open path and the
# scenario-file reader, seeded from the project's fixtures.
#   scripts/fuzz.sh [seconds] [rtf|db|scenario ...]
# With SARMO_FUZZ_RUNS=N each target starts from the fixtures alone, with a
# fixed random seed, and stops after N inputs (or the seconds, if sooner):
# the same round every time, which is what the test command runs. Without
# it the corpus grows from run to run and the seed changes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(rtf db scenario)
out=${SARMO_FUZZ_DIR:-build-fuzz}
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I src)
printf 'leak:libfontconfig\nleak:libmdb\nleak:libglib\n' > "$out/lsan.supp"
export LSAN_OPTIONS="suppressions=$(realpath "$out")/lsan.supp"
export QT_QPA_PLATFORM=offscreen
repeat=()
if [ -n "${SARMO_FUZZ_RUNS:-}" ]; then
  repeat=(-seed=1 -runs="$SARMO_FUZZ_RUNS")
  rm -rf "$out"/corpus-*
fi

build() {
  local name=$1; shift
  [ "$out/$name" -nt scripts/fuzz.sh ] && [ -z "$(find src tests -newer "$out/$name" -name '*.cpp' | head -1)" ] && return 0
  clang++ "${flags[@]}" "$@" -o "$out/$name"
}

for t in "${targets[@]}"; do
  case $t in
    rtf)
      build rtf_fuzz src/platform/rtf/*.cpp tests/fuzz/rtf_fuzz.cpp $(pkg-config --cflags --libs Qt6Gui Qt6Svg libwmf) \
        -lemf2svg
      mkdir -p "$out/corpus-rtf"
      "$out/rtf_fuzz" "${repeat[@]}" "$out/corpus-rtf" tests/rtf -max_total_time="$seconds" -max_len=16384 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/" ;;
    db)
      build db_fuzz src/platform/jet/MdbFile.cpp src/platform/jet/Database.cpp src/platform/jet/RecordSet.cpp \
        src/platform/jet/JetText.cpp tests/fuzz/db_fuzz.cpp $(pkg-config --cflags --libs Qt6Core libmdb)
      mkdir -p "$out/corpus-db"
      "$out/db_fuzz" "${repeat[@]}" "$out/corpus-db" tests/fuzz/db-seeds -max_total_time="$seconds" -max_len=70000 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -close_fd_mask=2 ;;  # libmdb complains on stderr about damaged files
    scenario)
      build scenario_fuzz -I tests/runner tests/runner/ScenarioFile.cpp tests/fuzz/scenario_fuzz.cpp \
        $(pkg-config --cflags --libs Qt6Core)
      mkdir -p "$out/corpus-scenario"
      "$out/scenario_fuzz" "${repeat[@]}" "$out/corpus-scenario" tests/scenarios -max_total_time="$seconds" -max_len=8192 \
        -timeout=10 -print_final_stats=1 ;;
    *) echo "unknown target $t"; exit 2 ;;
  esac
done
