#!/usr/bin/env bash
# Sarmo on a real desktop: Xvfb, the openbox window manager and real X input
# (xdotool, wmctrl). Checks what the scenario runner cannot see, because it
# stands in for the window manager, the keyboard focus and the document
# opener. Screenshots stay in desktop-shots/ of the build folder.
#   tests/desktop/desktop.sh PROGRAM BUILD-FOLDER
set -uo pipefail
program=$(readlink -f "$1")
build=$(readlink -f "$2")
export SARMO_SHOTS=$build/desktop-shots
source "$(dirname "$0")/lib.sh"
cd "$build"   # the demonstration data set is in datos/sarmo here

main_title='^DIAGNÓSTICO Y TRATAMIENTO$'

start_sarmo() {
    "$program" >>"$shots/sarmo.log" 2>&1 &
    sarmo=$!
    pids+=($sarmo)
}

stop_sarmo() {
    kill "$sarmo" 2>/dev/null
    wait "$sarmo" 2>/dev/null
}

# Past the splash, to the home screen.
start_home() {
    start_sarmo
    wait_window '^Sarmo$' 30 >/dev/null || { fail "no aparece la presentación"; return 1; }
    main=$(wait_window "$main_title" 30) || { fail "no aparece la ventana principal"; return 1; }
    gone '^Sarmo$' 10 || fail "la presentación no se cierra"
}

# The Ayuda menu, then keys to an item: "Down Down Return" is the glossary.
ayuda() {
    xdotool windowactivate --sync "$main" 2>/dev/null
    read -r mx my _ _ <<<"$(geometry "$main")"
    xdotool mousemove $((mx + 87)) $((my + 10)) click 1
    sleep 0.4
    xdotool key "$@"
}

# The main window accepts input: its menu opens the glossary, and Escape
# closes it again.
main_usable() {
    local what=$1
    ayuda Down Down Return
    if ! wait_window '^GLOSARIO$' 5 >/dev/null; then
        fail "$what: la ventana principal sigue deshabilitada"
        return
    fi
    xdotool key Escape
    gone '^GLOSARIO$' 5 || fail "$what: Escape no cierra el glosario"
}

# --- 1024 × 768: the main window fits; the splash closed by the window manager
start_desktop 1024x768
start_sarmo
wait_window '^Sarmo$' 30 >/dev/null || fail "no aparece la presentación"
shot presentacion
wmctrl -c Sarmo
main=$(wait_window "$main_title" 15) || fail "cerrar la presentación con el gestor de ventanas no lleva al inicio"
gone '^Sarmo$' 5 || fail "la presentación sigue abierta tras cerrarla con el gestor de ventanas"
sleep 1
shot inicio-1024x768
read -r fx fy fw fh <<<"$(geometry "$main" -frame)"
if [ $((fx + fw)) -gt 1024 ] || [ $((fy + fh)) -gt 768 ] || [ "$fx" -lt 0 ] || [ "$fy" -lt 0 ]; then
    fail "la ventana principal no cabe en 1024 × 768 ($fx,$fy ${fw}×$fh)"
fi
main_usable "tras la presentación"
stop_sarmo
cleanup
pids=()

# --- 1366 × 768: reference windows
start_desktop 1366x768
start_home

# The glossary stays above the main window when the main window's title bar
# is clicked, and a click on a term followed by Enter shows its definition.
ayuda Down Down Return
glosario=$(wait_window '^GLOSARIO$' 5) || fail "el menú no abre el glosario"
read -r mx my mw _ <<<"$(geometry "$main")"
xdotool mousemove $((mx + mw / 2)) $((my - 10)) click 1
sleep 0.5
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | awk '{for (i = 5; i <= NF; i++) print $i}')
pos_main=$(grep -n -i "$(printf '0x%x' "$main")" <<<"$stacking" | cut -d: -f1)
pos_glos=$(grep -n -i "$(printf '0x%x' "$glosario")" <<<"$stacking" | cut -d: -f1)
shot glosario-encima
[ -n "$pos_glos" ] && [ -n "$pos_main" ] && [ "$pos_glos" -gt "$pos_main" ] \
    || fail "el glosario queda detrás de la ventana principal"
read -r gx gy _ _ <<<"$(geometry "$glosario")"
import -window root -crop 380x200+$((gx + 276))+$((gy + 22)) "$shots/definicion-antes.png"
xdotool mousemove $((gx + 40)) $((gy + 97)) click 1   # the fifth term of the list
sleep 0.3
xdotool key Return
sleep 0.5
import -window root -crop 380x200+$((gx + 276))+$((gy + 22)) "$shots/definicion-despues.png"
shot glosario-intro
differ=$(compare -metric AE "$shots/definicion-antes.png" "$shots/definicion-despues.png" null: 2>&1)
[ "${differ%% *}" -gt 500 ] 2>/dev/null || fail "clic en un término e Intro no cambian la definición"

# Each reference window closed by the window manager leaves the main window
# usable (and the phenological states usable under the viewer).
wmctrl -c GLOSARIO
gone '^GLOSARIO$' 5 || fail "el gestor de ventanas no cierra el glosario"
main_usable "glosario cerrado por el gestor de ventanas"

ayuda Down Right Down Return
estados=$(wait_window '^ESTADOS FENOL' 5) || fail "el menú no abre los estados fenológicos"
sleep 0.5
shot estados
wmctrl -c 'ESTADOS FENOL'
gone '^ESTADOS FENOL' 5 || fail "el gestor de ventanas no cierra los estados fenológicos"
main_usable "estados fenológicos cerrados por el gestor de ventanas"

# The viewer, opened from the phenological states with the keyboard (Tab to
# the first picture, Space), closed by the window manager.
ayuda Down Right Down Return
estados=$(wait_window '^ESTADOS FENOL' 5) || fail "el menú no abre los estados fenológicos"
read -r ex ey ew eh <<<"$(geometry "$estados")"
xdotool mousemove $((ex + ew - 20)) $((ey + 40)) click 1   # over the first picture's row, right
sleep 0.3
for _ in 1 2 3 4 5 6; do
    xdotool search --onlyvisible --name '^Fotos$' >/dev/null 2>&1 && break
    xdotool key Tab
    sleep 0.2
    xdotool key space
    sleep 0.4
done
fotos=$(wait_window '^Fotos$' 5) || fail "ni el teclado ni el clic amplían la foto del estado"
sleep 0.3
shot visor
wmctrl -c Fotos
gone '^Fotos$' 5 || fail "el gestor de ventanas no cierra el visor"
xdotool windowactivate --sync "$estados" 2>/dev/null
xdotool key Escape
gone '^ESTADOS FENOL' 5 || fail "tras cerrar el visor, los estados fenológicos siguen deshabilitados"
main_usable "visor cerrado por el gestor de ventanas"

ayuda Down Down Down Down Return
wait_window '^Acerca de' 5 >/dev/null || fail "el menú no abre Acerca de"
shot acerca-de
xdotool key alt+F4
gone '^Acerca de' 5 || fail "Alt+F4 no cierra Acerca de"
main_usable "Acerca de cerrado con Alt+F4"
stop_sarmo

# --- "Adicional..." hands the help page's absolute file:// URL to the
# system's opener (xdg-open, watched on its way through), which hands it to
# the handler registered for HTML: here a logging one.
xdg=$(mktemp -d)
mkdir -p "$xdg/data/applications" "$xdg/config" "$xdg/bin"
cat >"$xdg/handler.sh" <<HANDLER
#!/bin/sh
echo "\$1" >> "$xdg/handled"
HANDLER
cat >"$xdg/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$1" >> "$xdg/opened"
exec $(command -v xdg-open) "\$@"
OPENER
chmod +x "$xdg/handler.sh" "$xdg/bin/xdg-open"
cat >"$xdg/data/applications/sarmo-prueba-navegador.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Navegador de prueba
Exec=$xdg/handler.sh %u
MimeType=text/html;
DESKTOP
export XDG_DATA_HOME=$xdg/data XDG_CONFIG_HOME=$xdg/config PATH=$xdg/bin:$PATH
unset XDG_CURRENT_DESKTOP
xdg-mime default sarmo-prueba-navegador.desktop text/html
start_home
ayuda Down Right Return
for _ in $(seq 50); do [ -s "$xdg/handled" ] && break; sleep 0.1; done
url=$(head -1 "$xdg/opened" 2>/dev/null)
handled=$(head -1 "$xdg/handled" 2>/dev/null)
page=$build/datos/sarmo/Sarmo_web/Sarmo.htm
if [ "$url" != "file://$page" ]; then
    fail "Adicional... no entrega la URL absoluta de la página de ayuda (entregado: '$url')"
fi
# xdg-open gives the handler the file's path or its URL.
if [ "$handled" != "$page" ] && [ "$handled" != "file://$page" ]; then
    fail "el programa registrado para HTML no recibe la página de ayuda (recibido: '$handled')"
fi
stop_sarmo
rm -rf "$xdg"

if [ "$failures" -eq 0 ]; then
    echo "1 passed, 0 failed"
    exit 0
fi
echo "0 passed, 1 failed ($failures comprobaciones)"
exit 1
