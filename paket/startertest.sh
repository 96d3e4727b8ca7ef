#!/usr/bin/env bash
# The launcher's handling of the user's folder, in a tree laid out like the installed package
# (bin/, lib/kalvomat/, share/kalvomat/beispiel/). In place of the window program lies a small
# script that writes down the folder it was started in and its arguments; the real program started
# through the installed launcher is checked by scripts/pakettest.sh.
#   paket/startertest.sh STARTER BEISPIELORDNER
set -euo pipefail
starter=$1
beispiel=$2

arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
baum=$arbeit/usr
mkdir -p "$baum/bin" "$baum/lib/kalvomat" "$baum/share/kalvomat/beispiel"
cp "$starter" "$baum/bin/kalvomat"
chmod 0755 "$baum/bin/kalvomat"
cp "$beispiel/bef.txt" "$beispiel/hilfe.txt" "$beispiel/Anmerk.txt" "$baum/share/kalvomat/beispiel/"
cat >"$baum/lib/kalvomat/kalvomat" <<EOF
#!/bin/sh
pwd >"$arbeit/gestartet-in"
printf '%s\n' "\$@" >"$arbeit/argumente"
EOF
chmod 0755 "$baum/lib/kalvomat/kalvomat"

bestanden=0
fehler=0
pruefe() { # NAME BEDINGUNG...
    local name=$1
    shift
    if "$@"; then
        echo "PASS   : $name"
        bestanden=$((bestanden + 1))
    else
        echo "FAIL!  : $name"
        fehler=$((fehler + 1))
    fi
}
starte() { # runs the launcher with the given environment, no output kept
    rm -f "$arbeit/gestartet-in" "$arbeit/argumente"
    env -u XDG_DATA_HOME -u HOME "$@" "$baum/bin/kalvomat" 'zwei Worte' -x >"$arbeit/ausgabe" 2>&1
}
gestartet_in() { [ -f "$arbeit/gestartet-in" ] && [ "$(cat "$arbeit/gestartet-in")" = "$1" ]; }
nicht_gestartet() { [ ! -e "$arbeit/gestartet-in" ]; }
scheitert() { ! "$@"; }
mit_umask() { (umask "$1" && shift && "$@"); }
gleich() { cmp -s "$1" "$2"; }
kopien_des_beispiels() {
    local f
    for f in bef.txt hilfe.txt Anmerk.txt; do gleich "$beispiel/$f" "$1/$f" || return 1; done
}
nur_die_drei_dateien() { [ "$(ls -A "$1" | tr '\n' ' ')" = "Anmerk.txt bef.txt hilfe.txt " ]; }
keine_reste() { [ -z "$(find "$1" -maxdepth 1 -name 'kalvomat.neu.*')" ]; }

# First start with HOME alone: the folder under ~/.local/share is made and filled.
heim=$arbeit/heim
mkdir "$heim"
ordner=$heim/.local/share/kalvomat
pruefe "erster Start gelingt" mit_umask 022 starte HOME="$heim"
pruefe "Programm läuft im Ordner unter ~/.local/share" gestartet_in "$ordner"
pruefe "Argumente unverändert weitergereicht" \
    [ "$(cat "$arbeit/argumente" 2>/dev/null)" = "$(printf 'zwei Worte\n-x')" ]
pruefe "die drei Beispieldateien Byte für Byte kopiert" kopien_des_beispiels "$ordner"
pruefe "nichts anderes im Ordner" nur_die_drei_dateien "$ordner"
pruefe "keine Reste des Anlegens" keine_reste "$heim/.local/share"
pruefe "Ordner nach der umask des Benutzers (022)" [ "$(stat -c %a "$ordner")" = 755 ]

# Later starts: the practice's catalogue stays, a deleted file is not brought back.
printf 'Nr\tBefund der Praxis\r\n' >"$ordner/bef.txt"
cp "$ordner/bef.txt" "$arbeit/bef-praxis"
rm "$ordner/Anmerk.txt"
pruefe "zweiter Start gelingt" starte HOME="$heim"
pruefe "bef.txt der Praxis nicht überschrieben" gleich "$arbeit/bef-praxis" "$ordner/bef.txt"
pruefe "gelöschte Anmerk.txt nicht aus dem Beispiel zurückgeholt" [ ! -e "$ordner/Anmerk.txt" ]
rm "$ordner/bef.txt"
pruefe "dritter Start ohne bef.txt gelingt" starte HOME="$heim"
pruefe "fehlende bef.txt nicht durch das alte Beispiel ersetzt" [ ! -e "$ordner/bef.txt" ]
pruefe "Programm startet trotzdem im Ordner (es meldet die fehlende Datei selbst)" gestartet_in "$ordner"

# A catalogue named to --pruefen is found from where the user stands; the check still runs there.
pruefe "--pruefen mit relativem Pfad gelingt" \
    sh -c 'cd "$1" && env -u XDG_DATA_HOME HOME="$2" "$3" --pruefen neu/bef.txt' - "$arbeit" "$heim" "$baum/bin/kalvomat"
pruefe "relativer Pfad wird absolut weitergereicht" \
    [ "$(cat "$arbeit/argumente")" = "$(printf -- '--pruefen\n%s/neu/bef.txt' "$arbeit")" ]

# XDG_DATA_HOME names the place of the folder.
daten=$arbeit/daten
pruefe "Start mit XDG_DATA_HOME gelingt" mit_umask 027 starte HOME="$arbeit/anderes-heim" XDG_DATA_HOME="$daten"
pruefe "Ordner unter XDG_DATA_HOME" gestartet_in "$daten/kalvomat"
pruefe "Beispiele unter XDG_DATA_HOME" kopien_des_beispiels "$daten/kalvomat"
pruefe "Ordner nach der umask des Benutzers (027)" [ "$(stat -c %a "$daten/kalvomat")" = 750 ]
pruefe "nichts unter HOME angelegt" [ ! -e "$arbeit/anderes-heim" ]

# Started through a link elsewhere (as /usr/local/bin/kalvomat would be) it finds its tree.
mkdir "$arbeit/links"
ln -s "$baum/bin/kalvomat" "$arbeit/links/kalvomat"
ueber_link() {
    rm -f "$arbeit/gestartet-in"
    env -u XDG_DATA_HOME HOME="$heim" "$arbeit/links/kalvomat" >"$arbeit/ausgabe" 2>&1
}
pruefe "Start über einen Link gelingt" ueber_link
pruefe "über den Link im selben Ordner" gestartet_in "$ordner"

# A broken installation (an example missing) leaves no half-filled folder that would count as set
# up; once the file is back, the next start fills the folder whole.
heim2=$arbeit/heim2
mkdir "$heim2"
mv "$baum/share/kalvomat/beispiel/hilfe.txt" "$arbeit/hilfe.weg"
pruefe "Start ohne Beispiel-hilfe.txt scheitert" scheitert starte HOME="$heim2"
pruefe "dabei kein Programmstart" nicht_gestartet
pruefe "dabei kein Ordner angelegt" [ ! -e "$heim2/.local/share/kalvomat" ]
pruefe "dabei keine Reste" keine_reste "$heim2/.local/share"
mv "$arbeit/hilfe.weg" "$baum/share/kalvomat/beispiel/hilfe.txt"
pruefe "danach gelingt der erste Start" starte HOME="$heim2"
pruefe "und füllt den Ordner ganz" kopien_des_beispiels "$heim2/.local/share/kalvomat"

# A folder that is there already counts as set up, even when the practice emptied it.
heim4=$arbeit/heim4
mkdir -p "$heim4/.local/share/kalvomat"
pruefe "vorhandener leerer Ordner: Start gelingt" starte HOME="$heim4"
pruefe "vorhandener leerer Ordner: Programm läuft darin" gestartet_in "$heim4/.local/share/kalvomat"
pruefe "vorhandener leerer Ordner bleibt leer" [ -z "$(ls -A "$heim4/.local/share/kalvomat")" ]

# A file where the folder belongs is reported, not replaced.
heim3=$arbeit/heim3
mkdir -p "$heim3/.local/share"
echo "fremd" >"$heim3/.local/share/kalvomat"
pruefe "Datei statt Ordner: Start scheitert" scheitert starte HOME="$heim3"
pruefe "Datei statt Ordner: kein Programmstart" nicht_gestartet
pruefe "Datei statt Ordner: Meldung nennt den Pfad" grep -qF "$heim3/.local/share/kalvomat" "$arbeit/ausgabe"
pruefe "Datei statt Ordner: Datei unverändert" [ "$(cat "$heim3/.local/share/kalvomat")" = fremd ]

# Neither HOME nor XDG_DATA_HOME: no folder can be chosen.
pruefe "ohne HOME und XDG_DATA_HOME scheitert der Start" scheitert starte
pruefe "ohne HOME: kein Programmstart" nicht_gestartet

echo "$bestanden passed, $fehler failed"
[ "$fehler" -eq 0 ]
