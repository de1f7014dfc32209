# Helpers for the desktop tests: a real X server (Xvfb) with a real window
# manager (openbox), real X input (xdotool, wmctrl) and screenshots.
# Source it; call start_desktop WIDTHxHEIGHT first. Everything started here
# ends with the calling shell.

# Window titles are UTF-8 ("DIAGNÓSTICO"): xdotool matches them only in a
# UTF-8 locale, as a desktop session has.
export LANG=C.UTF-8
unset LC_ALL
# The real X server, not the headless platform of the other tests.
unset QT_QPA_PLATFORM
shots=${SARMO_SHOTS:-$PWD/desktop-shots}
mkdir -p "$shots"
failures=0
pids=()

cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT

fail() {
    echo "FALLO: $*" >&2
    failures=$((failures + 1))
}

# start_desktop 1366x768 [dpi]
start_desktop() {
    local size=$1 dpi=${2:-96} fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi "$dpi" -nolisten tcp 3>"$fifo" 2>/dev/null &
    pids+=($!)
    read -r display <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display"
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    # The window manager is ready when it owns the screen.
    for _ in $(seq 50); do
        wmctrl -m >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "openbox did not start" >&2
    return 1
}

# wait_window NAME-REGEX [seconds]: prints the id of the first visible window
# whose title matches.
wait_window() {
    local name=$1 limit=${2:-30} id
    for _ in $(seq $((limit * 10))); do
        id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# gone NAME-REGEX [seconds]: true once no visible window has that title.
gone() {
    local name=$1 limit=${2:-10}
    for _ in $(seq $((limit * 10))); do
        xdotool search --onlyvisible --name "$name" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

shot() {
    import -window root "$shots/$1.png"
}

# not_blank FILE: the picture has more than one colour in quantity.
not_blank() {
    local colours
    colours=$(convert "$1" -colors 16 -format '%k' info:)
    [ "${colours:-1}" -gt 2 ]
}

# geometry ID [-frame]: prints "X Y W H" of the window's client area on the
# screen (or of its frame, with the window manager's borders).
geometry() {
    xwininfo -id "$1" ${2:-} 2>/dev/null | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /^ *Width:/{w=$2} /^ *Height:/{h=$2} END{print x, y, w, h}'
}
