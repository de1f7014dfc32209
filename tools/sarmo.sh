#!/bin/sh
# Starts Sarmo installed. The program reads its data set from datos/sarmo
# below its working directory; this launcher chooses that folder:
#   1. the folder named by SARMO_HOME, when set;
#   2. the user's data folder ($XDG_DATA_HOME/sarmo, by default
#      ~/.local/share/sarmo), when it holds datos/sarmo/bd2002.mdb;
#   3. the demonstration data set installed with the program (share/sarmo).
# Everything is found relative to this script, so the installed tree can be
# moved as a whole. Arguments pass through to the program.
set -e
self=$(readlink -f "$0")
prefix=$(dirname "$(dirname "$self")")
user_home="${XDG_DATA_HOME:-${HOME:-}/.local/share}/sarmo"

if [ -n "${SARMO_HOME:-}" ]; then
    home=$SARMO_HOME
elif [ -f "$user_home/datos/sarmo/bd2002.mdb" ]; then
    home=$user_home
else
    home=$prefix/share/sarmo
fi

if ! cd "$home" 2>/dev/null; then
    echo "sarmo: no se puede entrar en la carpeta de datos $home" >&2
    exit 1
fi
exec "$prefix/lib/sarmo/sarmo" "$@"
