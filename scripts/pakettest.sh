#!/usr/bin/env bash
# Installs the Debian package on this machine as a practice would, checks what it put where, starts
# the installed launcher as a user with a fresh home folder under Xvfb, and removes the package
# again at the end, also when a check fails.
#   scripts/pakettest.sh PAKET.deb [BILD.png]
# Needs root or sudo. Run as root, the program runs as the user "nobody", who may write nothing
# but the fresh home folder; otherwise it runs as the calling user.
set -euo pipefail
paket=$(realpath "$1")
bild=${2:-}
hier=$(cd "$(dirname "$0")/.." && pwd)

als_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
fehler() {
    echo "Pakettest: $*" >&2
    exit 1
}

name=$(dpkg-deb -f "$paket" Package)
[ "$name" = kalvomat ] || fehler "„$paket“ ist kein Kalvomat-Paket (Package: $name)"
installiert() { dpkg-query -W -f='${Status}' kalvomat 2>/dev/null | grep -q "install ok installed"; }

# The libraries come from the program's links (libcups2 too: the print run asks CUPS itself), the
# faces from the window's design, Qt's German texts from its dialogs.
abhaengig=$(dpkg-deb -f "$paket" Depends)
namen=$(tr ',|' '\n\n' <<<"$abhaengig" | sed 's/^ *//; s/[ (].*//')
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libcups2 \
    fonts-liberation2 fonts-urw-base35 qt6-translations-l10n; do
    grep -qxF "$p" <<<"$namen" || fehler "Depends nennt $p nicht: $abhaengig"
done

arbeit=$(mktemp -d)
chmod 0755 "$arbeit"
entfernen=
aufraeumen() {
    if [ -n "$entfernen" ]; then
        als_root env DEBIAN_FRONTEND=noninteractive dpkg -r kalvomat >/dev/null || true
    fi
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
trap 'exit 1' INT TERM HUP

if installiert; then
    echo "Pakettest: kalvomat $(dpkg-query -W -f='${Version}' kalvomat) war schon installiert;" \
        "es wird durch das Testpaket ersetzt und am Ende entfernt." >&2
fi
dpkg-query -W -f='${Package}\n' | sort >"$arbeit/vorher.txt"
entfernen=ja
# apt-get resolves the dependencies from Debian's packages alone, as on a practice's machine.
if ! als_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "$paket" >"$arbeit/apt.log" 2>&1; then
    cat "$arbeit/apt.log" >&2
    fehler "apt-get konnte das Paket nicht installieren"
fi
installiert || fehler "kalvomat ist nach apt-get nicht installiert"
dazu=$(dpkg-query -W -f='${Package}\n' | sort | comm -13 "$arbeit/vorher.txt" - | grep -vx kalvomat || true)
if [ -n "$dazu" ]; then
    echo "Pakettest: apt-get hat für das Paket nachinstalliert (bleibt installiert):" $dazu
fi

# Every file where it belongs, the example files byte for byte as shipped (CR LF, Windows-1252).
erwartet="/usr/bin/kalvomat
/usr/lib/kalvomat/kalvomat
/usr/lib/kalvomat/linkzuvelmar.html
/usr/share/applications/kalvomat.desktop
/usr/share/icons/hicolor/scalable/apps/kalvomat.svg
/usr/share/kalvomat/beispiel/Anmerk.txt
/usr/share/kalvomat/beispiel/bef.txt
/usr/share/kalvomat/beispiel/hilfe.txt
/usr/share/man/man1/kalvomat.1.gz"
dateien=$(dpkg -L kalvomat | while read -r f; do [ -f "$f" ] && echo "$f"; done | sort)
[ "$dateien" = "$erwartet" ] || fehler "installierte Dateien weichen ab:
$(diff <(echo "$erwartet") <(echo "$dateien") || true)"
for f in $erwartet; do
    [ "$(stat -c '%U:%G' "$f")" = root:root ] || fehler "$f gehört nicht root"
done
for f in /usr/bin/kalvomat /usr/lib/kalvomat/kalvomat; do
    [ "$(stat -c %a "$f")" = 755 ] || fehler "$f ist nicht rwxr-xr-x"
done
file -b /usr/lib/kalvomat/kalvomat | grep -q '^ELF' || fehler "/usr/lib/kalvomat/kalvomat ist kein Programm"
if ldd /usr/lib/kalvomat/kalvomat | grep -q 'not found'; then
    ldd /usr/lib/kalvomat/kalvomat >&2
    fehler "dem installierten Programm fehlen Bibliotheken"
fi
head -n 1 /usr/bin/kalvomat | grep -q '^#!/bin/sh' || fehler "/usr/bin/kalvomat ist kein Shell-Skript"
for f in bef.txt hilfe.txt Anmerk.txt; do
    cmp -s "$hier/beispiel/$f" "/usr/share/kalvomat/beispiel/$f" || fehler "$f weicht vom Beispiel ab"
done
cmp -s "$hier/beispiel/linkzuvelmar.html" /usr/lib/kalvomat/linkzuvelmar.html \
    || fehler "linkzuvelmar.html weicht ab"
desktop=/usr/share/applications/kalvomat.desktop
for zeile in '[Desktop Entry]' 'Type=Application' 'Name=Kalvomat' 'Exec=kalvomat' 'Icon=kalvomat' \
    'Terminal=false' 'Categories=Office;MedicalSoftware;'; do
    grep -qxF "$zeile" "$desktop" || fehler "$desktop: „$zeile“ fehlt"
done
grep -q '^Comment=Festzuschüsse' "$desktop" || fehler "$desktop: deutscher Kommentar fehlt"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" | grep -v ': hint: ' | grep . && fehler "$desktop ist nicht gültig"
fi
grep -q '<svg ' /usr/share/icons/hicolor/scalable/apps/kalvomat.svg || fehler "das Symbol ist kein SVG"
zcat /usr/share/man/man1/kalvomat.1.gz | grep -q '^\.TH KALVOMAT 1' || fehler "die Handbuchseite ist keine"

# The user: "nobody" with a fresh home when run as root, else the caller.
heim=$arbeit/heim
mkdir -m 0700 "$heim" "$arbeit/laufzeit"
als_benutzer=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$heim" "$arbeit/laufzeit"
    als_benutzer=(setpriv --reuid=nobody --regid=nogroup --clear-groups env USER=nobody LOGNAME=nobody)
fi
starten() {
    "$hier/scripts/rauchtest.sh" --befehl "$@" "${als_benutzer[@]}" \
        env -u XDG_DATA_HOME HOME="$heim" XDG_RUNTIME_DIR="$arbeit/laufzeit" LANG=de_DE.UTF-8 \
        /usr/bin/kalvomat
}
ordner=$heim/.local/share/kalvomat

# First start: the launcher makes the folder from the installed examples, the program reads them.
[ ! -e "$ordner" ] || fehler "$ordner gibt es schon vor dem ersten Start"
if [ -n "$bild" ]; then starten --bild "$bild"; else starten; fi
[ -d "$ordner" ] || fehler "der erste Start hat $ordner nicht angelegt"
for f in bef.txt hilfe.txt Anmerk.txt; do
    cmp -s "/usr/share/kalvomat/beispiel/$f" "$ordner/$f" || fehler "$ordner/$f ist keine Kopie des Beispiels"
done
if [ "$(id -u)" -eq 0 ]; then
    [ "$(stat -c %U "$ordner/bef.txt")" = nobody ] || fehler "$ordner/bef.txt gehört nicht dem Benutzer"
fi

# The practice puts its own amounts into bef.txt and deletes the billing notes: a second start
# keeps both as they are (the program makes an empty Anmerk.txt in the folder it runs in).
# Written into the existing file, so that it stays the user's.
LC_ALL=C sed 's/\t210,69\t/\t219,99\t/' "$ordner/bef.txt" >"$arbeit/bef-praxis.txt"
grep -q $'\t219,99\t' "$arbeit/bef-praxis.txt" || fehler "bef.txt ließ sich für den Test nicht ändern"
cat "$arbeit/bef-praxis.txt" >"$ordner/bef.txt"
rm "$ordner/Anmerk.txt"
starten
cmp -s "$arbeit/bef-praxis.txt" "$ordner/bef.txt" || fehler "der zweite Start hat bef.txt der Praxis überschrieben"
[ -f "$ordner/Anmerk.txt" ] && [ ! -s "$ordner/Anmerk.txt" ] \
    || fehler "Anmerk.txt ist nach dem zweiten Start nicht die leere Datei des Programms"
cmp -s /usr/share/kalvomat/beispiel/hilfe.txt "$ordner/hilfe.txt" || fehler "hilfe.txt hat sich verändert"

# Removal leaves nothing of the package behind; the user's folder stays theirs.
entfernen=
als_root env DEBIAN_FRONTEND=noninteractive dpkg -r kalvomat >"$arbeit/dpkg.log" 2>&1 \
    || { cat "$arbeit/dpkg.log" >&2; fehler "dpkg -r kalvomat ist gescheitert"; }
! installiert || fehler "kalvomat ist nach dpkg -r noch installiert"
for f in $erwartet /usr/lib/kalvomat /usr/share/kalvomat; do
    [ ! -e "$f" ] || fehler "$f ist nach dem Entfernen noch da"
done
[ -f "$ordner/bef.txt" ] || fehler "das Entfernen hat den Ordner des Benutzers angetastet"
echo "Pakettest: Paket installiert, Dateien geprüft, Start aus dem Benutzerordner zweimal gelungen, Paket entfernt"
