#!/usr/bin/env bash
# The Debian package as a grower gets it: built with CPack, checked with
# lintian, desktop-file-validate and appstreamcli, unpacked into a temporary
# root and started through its launcher from an unrelated folder under a real
# X server, once for each place the launcher may take the data set from.
#   tests/desktop/package.sh BUILD-FOLDER
set -uo pipefail
build=$(readlink -f "$1")
export SARMO_SHOTS=$build/desktop-shots
source "$(dirname "$0")/lib.sh"
cd "$build"

rm -f sarmo_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; fail "cpack no construye el paquete"; exit 1; }
deb=$(ls sarmo_*_*.deb)
echo "Paquete: $deb"
dpkg-deb -f "$deb" Depends

lintian --fail-on error --display-info "$deb" 2>&1 | grep -v 'running with root privileges' | tee lintian.log
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian informa de errores"

root=$(mktemp -d)
work=$(mktemp -d)
trap 'cleanup; rm -rf "$root" "$work"' EXIT
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/sarmo.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
grep -rl "$build" "$root" >/dev/null && fail "el paquete nombra la carpeta de compilación"
packaged=$root/usr/share/sarmo

start_desktop 1366x768
main_title='^DIAGNÓSTICO Y TRATAMIENTO$'

# launch NAME WANTED-FOLDER [VAR=VALUE ...]: starts the unpacked launcher from
# an unrelated folder with only these variables besides the display, and
# checks that the program runs in WANTED-FOLDER with its main window shown.
launch() {
    local name=$1 want=$2 pid
    shift 2
    (cd "$work" && exec env -i DISPLAY="$DISPLAY" HOME="$work/home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@" \
        "$root/usr/bin/sarmo" >>"$shots/paquete.log" 2>&1) &
    pid=$!
    pids+=($pid)
    if ! wait_window "$main_title" 30 >/dev/null; then
        fail "$name: no aparece la ventana principal"
    else
        sleep 3
        shot "paquete-$name"
        local cwd
        cwd=$(readlink "/proc/$pid/cwd")
        [ "$cwd" = "$(readlink -f "$want")" ] || fail "$name: arranca en $cwd, no en $want"
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

mkdir -p "$work/home"
# Nothing set, no user data set: the packaged demonstration data set.
launch demostracion "$packaged"
# SARMO_HOME names the folder.
mkdir -p "$work/propio/datos"
ln -s "$packaged/datos/sarmo" "$work/propio/datos/sarmo"
launch sarmo_home "$work/propio" SARMO_HOME="$work/propio"
# A data set in the user's data folder.
mkdir -p "$work/xdg/sarmo/datos"
ln -s "$packaged/datos/sarmo" "$work/xdg/sarmo/datos/sarmo"
launch carpeta_usuario "$work/xdg/sarmo" XDG_DATA_HOME="$work/xdg"
# The same default folder under HOME, without a database: falls through.
mkdir -p "$work/home/.local/share/sarmo/datos/sarmo"
launch sin_base "$packaged"

# No data set anywhere: the program's own start-up message, status 1.
mv "$packaged/datos" "$packaged/datos.aparte"
(cd "$work" && exec env -i DISPLAY="$DISPLAY" HOME="$work/home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$root/usr/bin/sarmo" \
    >>"$shots/paquete.log" 2>&1) &
pid=$!
pids+=($pid)
if box=$(wait_window '^Error al abrir la base de datos$' 30); then
    shot paquete-sin-datos
    xdotool windowactivate --sync "$box" key Return
    wait "$pid"
    status=$?
    [ "$status" -eq 1 ] || fail "sin datos el programa termina con $status, no con 1"
else
    fail "sin datos no aparece el aviso de arranque"
fi
mv "$packaged/datos.aparte" "$packaged/datos"

if [ "$failures" -eq 0 ]; then
    echo "1 passed, 0 failed"
    exit 0
fi
echo "0 passed, 1 failed ($failures comprobaciones)"
exit 1
