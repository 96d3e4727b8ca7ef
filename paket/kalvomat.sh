#!/bin/sh
# Starts Kalvomat in the user's own folder, where the program reads the findings catalogue
# "bef.txt", the help text "hilfe.txt" and the billing notes "Anmerk.txt" and where the practice
# keeps its own versions of them. On the very first start the folder is made and filled with the
# installed example files; after that nothing there is ever replaced: a catalogue the practice has
# put there stays, and a missing one is reported by the program instead of being quietly replaced
# by the example amounts of an old year.
set -eu

# The program and the examples lie relative to this script, wherever the package put it.
hier=$(dirname "$(readlink -f "$0")")
programm=$hier/../lib/kalvomat/kalvomat
beispiel=$hier/../share/kalvomat/beispiel

if [ -z "${XDG_DATA_HOME:-}" ] && [ -z "${HOME:-}" ]; then
    echo "kalvomat: weder XDG_DATA_HOME noch HOME ist gesetzt; der Ordner für die Praxisdateien ist unbekannt." >&2
    exit 1
fi
ordner=${XDG_DATA_HOME:-$HOME/.local/share}/kalvomat

if [ ! -e "$ordner" ]; then
    # Filled in a side folder and then renamed, so that an interrupted first start leaves no
    # half-filled folder behind that would count as set up.
    mkdir -p "$(dirname "$ordner")"
    neu=$(mktemp -d "$ordner.neu.XXXXXX")
    # mktemp makes the folder private; the user's umask decides, as for any folder they make.
    modus=$(printf '%o' $((0777 & ~$(umask))))
    if cp "$beispiel/bef.txt" "$beispiel/hilfe.txt" "$beispiel/Anmerk.txt" "$neu/" \
        && chmod "$modus" "$neu" && mv -T "$neu" "$ordner" 2>/dev/null; then
        :
    else
        rm -rf "$neu"
        # Another start made the folder at the same moment: use that one.
        if [ ! -d "$ordner" ]; then
            echo "kalvomat: der Ordner „$ordner“ konnte nicht angelegt werden." >&2
            exit 1
        fi
    fi
fi

# "kalvomat --pruefen DATEI" names the catalogue from where the user stands, not from the folder.
if [ $# -eq 2 ] && [ "$1" = --pruefen ]; then
    case $2 in
    /*) ;;
    *) set -- --pruefen "$PWD/$2" ;;
    esac
fi

if ! cd "$ordner"; then
    echo "kalvomat: „$ordner“ ist kein Ordner, in dem Kalvomat arbeiten kann." >&2
    exit 1
fi
exec "$programm" "$@"
