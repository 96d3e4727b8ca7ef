#!/usr/bin/env bash
# Starts the real program once under Xvfb on a copy of the shipped example data: the window must
# open with the example catalogue (no message about the catalogue) and close cleanly on Ctrl+Q.
#   scripts/rauchtest.sh PROGRAMM [BILD.png]
# With --befehl the given command is started as it stands instead, in no particular folder: it
# finds its data itself (the installed launcher does).
#   scripts/rauchtest.sh --befehl [--bild BILD.png] BEFEHL [ARGUMENT...]
set -euo pipefail
hier=$(cd "$(dirname "$0")/.." && pwd)
befehl=()
bild=
if [ "${1:-}" = --befehl ]; then
    shift
    if [ "${1:-}" = --bild ]; then
        bild=$2
        shift 2
    fi
    befehl=("$@")
else
    programm=$(realpath "$1")
    bild=${2:-}
fi

arbeit=$(mktemp -d)
export XDG_RUNTIME_DIR=$arbeit/xdg
mkdir -m 0700 "$XDG_RUNTIME_DIR"
if [ ${#befehl[@]} -eq 0 ]; then
    cp "$hier"/beispiel/bef.txt "$hier"/beispiel/hilfe.txt "$hier"/beispiel/Anmerk.txt "$arbeit"/
fi

# Xvfb picks a free display itself and names it once it accepts connections: a display chosen
# here could be taken, or still be held by the previous run's server, before Xvfb gets it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$arbeit/anzeige" >"$arbeit/xvfb.log" 2>&1 &
xvfb=$!
prog=
aufraeumen() {
    [ -n "$prog" ] && kill "$prog" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
anzeige=
for _ in $(seq 300); do
    # A whole line only: Xvfb ends the number with a newline.
    if read -r anzeige <"$arbeit/anzeige"; then break; fi
    anzeige=
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$anzeige" ]; then
    echo "Rauchtest: Xvfb ist nicht gestartet" >&2
    cat "$arbeit/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$anzeige

if [ ${#befehl[@]} -gt 0 ]; then
    (QT_QPA_PLATFORM=xcb exec "${befehl[@]}") >"$arbeit/programm.log" 2>&1 &
else
    (cd "$arbeit" && QT_QPA_PLATFORM=xcb exec "$programm") >"$arbeit/programm.log" 2>&1 &
fi
prog=$!

fenster=
for _ in $(seq 300); do
    fenster=$(xdotool search --onlyvisible --name '^Kalvomat [0-9][0-9.]*$' 2>/dev/null | head -n 1 || true)
    [ -n "$fenster" ] && break
    kill -0 "$prog" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$fenster" ]; then
    echo "Rauchtest: das Fenster „Kalvomat <Version>“ ist nicht erschienen (Anzeige :$anzeige)" >&2
    cat "$arbeit/programm.log" "$arbeit/xvfb.log" >&2
    exit 1
fi
sleep 0.5
# A message box of the window (catalogue missing or not read whole) would be a second window.
if xdotool search --onlyvisible --name '^Kalvomat$' >/dev/null 2>&1; then
    echo "Rauchtest: beim Start erschien eine Meldung" >&2
    exit 1
fi
if [ -n "$bild" ]; then
    import -window root -crop 745x735+0+0 "$bild"
fi

xdotool mousemove 600 60 click 1
sleep 0.2
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$prog" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$prog" 2>/dev/null; then
    echo "Rauchtest: das Programm hat sich nicht beendet" >&2
    exit 1
fi
set +e
wait "$prog"
rc=$?
set -e
prog=
if [ "$rc" -ne 0 ]; then
    echo "Rauchtest: Programmende mit Code $rc" >&2
    cat "$arbeit/programm.log" >&2
    exit 1
fi
echo "Rauchtest: Fenster geöffnet und sauber geschlossen"
