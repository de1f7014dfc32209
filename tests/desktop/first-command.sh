#!/usr/bin/env bash
# The README's first command, as a new user runs it: scripts/run.sh builds
# Sarmo and starts it on the demonstration data set. Under a real X server
# and window manager, the main window with the home screen must appear.
set -euo pipefail
cd "$(dirname "$0")/../.."
export SARMO_SHOTS=${SARMO_SHOTS:-$PWD/${SARMO_BUILD_DIR:-build}/desktop-shots}
source tests/desktop/lib.sh
start_desktop 1366x768

log=$(mktemp)
scripts/run.sh >"$log" 2>&1 &
run=$!
pids+=($run)
# Building takes minutes on a fresh clone; the window then comes in seconds.
# A build that fails ends scripts/run.sh, and the test with it.
shown=false
while kill -0 "$run" 2>/dev/null; do
    if wait_window '^DIAGNÓSTICO Y TRATAMIENTO$' 5 >/dev/null; then
        shown=true
        break
    fi
done
if ! $shown; then
    tail -40 "$log" >&2
    fail "scripts/run.sh no mostró la ventana principal"
    exit 1
fi
# The splash gives way to the home screen after about two seconds.
sleep 4
shot primera-orden
if ! not_blank "$shots/primera-orden.png"; then
    fail "la captura de la primera orden está en blanco"
fi
if ! kill -0 "$run" 2>/dev/null; then
    fail "el programa terminó por su cuenta"
fi
kill "$run" 2>/dev/null || true
[ "$failures" -eq 0 ] && echo "La primera orden del README muestra Sarmo ($shots/primera-orden.png)."
exit "$failures"
