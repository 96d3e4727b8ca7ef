#!/usr/bin/env bash
# Sets up printing for the tests, and only what is missing (the packages cups, cups-client and
# cups-filters are installed by scripts/einrichten.sh test, which calls this script):
#   - a running cupsd (there is no systemd here; the daemon is started directly),
#   - the backend "pdfsave" (source: scripts/cups-backend-pdfsave), which keeps every job as a file
#     /var/spool/pdfsave/job-<id>.pdf,
#   - the queue PDFSAVE on it (Generic PDF PPD, A4, no PJL around the PDF), enabled and accepting
#     jobs,
#   - the queue PDFABWEISEND on the same backend, which refuses every job (as a queue does that an
#     administrator closed): the tests print to it to see the program name CUPS' reason.
# The system's default printer is left as it is: the tests pick the queue with PRINTER=PDFSAVE.
# May be run again on its own, as often as wanted.
set -euo pipefail
export LC_ALL=C # lpstat answers in the user's language otherwise
hier=$(cd "$(dirname "$0")" && pwd)

warteschlange=PDFSAVE
geraet=pdfsave:/
backend_quelle="$hier/cups-backend-pdfsave"
backend=/usr/lib/cups/backend/pdfsave
ablage=/var/spool/pdfsave
ppd_datei=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
ppd_name=lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd # as lpinfo -m lists it
socket=/run/cups/cups.sock
pidfile=/run/cups/cupsd.pid

als_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# 1. The PDF driver that the queue uses.
if [ ! -f "$ppd_datei" ]; then
    echo "Fehler: $ppd_datei fehlt; scripts/einrichten.sh test installiert cups-filters." >&2
    exit 1
fi

# 2. The backend and its spool folder. cupsd runs a backend of mode 0755 as user lp.
if ! cmp -s "$backend_quelle" "$backend" || [ "$(stat -c '%a %U' "$backend")" != "755 root" ]; then
    echo "Installiere das CUPS-Backend $backend"
    als_root install -o root -g root -m 0755 "$backend_quelle" "$backend"
fi
if [ ! -d "$ablage" ] || [ "$(stat -c '%a %U' "$ablage")" != "755 lp" ]; then
    echo "Lege $ablage an"
    als_root install -d -o lp -g lp -m 0755 "$ablage"
fi

# 3. The scheduler. In this container PID 1 does not reap orphans: a cupsd that died stays as a
#    zombie, and its pid still answers kill -0. Ask the scheduler itself, and look at the process
#    state only to say why it is not answering.
laeuft() {
    [ -S "$socket" ] && CUPS_SERVER=$socket lpstat -r 2>/dev/null | grep -q '^scheduler is running'
}
if ! laeuft; then
    if [ -f "$pidfile" ]; then
        alt=$(cat "$pidfile" 2>/dev/null || true)
        if [ -n "$alt" ] && [ -r "/proc/$alt/stat" ]; then
            zustand=$(sed 's/^.*) //' "/proc/$alt/stat" | cut -d' ' -f1)
            echo "cupsd (pid $alt, Zustand $zustand) antwortet nicht"
        fi
    fi
    echo "Starte cupsd"
    als_root /usr/sbin/cupsd # daemonizes; writes $pidfile
    for _ in $(seq 1 100); do
        laeuft && break
        sleep 0.1
    done
    if ! laeuft; then
        echo "Fehler: cupsd antwortet nicht auf $socket" >&2
        exit 1
    fi
fi
export CUPS_SERVER=$socket

# 4. The queue. Adding a queue with lpadmin -p does not touch the default printer (lpadmin -d).
if ! lpstat -v "$warteschlange" 2>/dev/null | grep -q ": $geraet\$"; then
    echo "Richte die Druckerwarteschlange $warteschlange ein"
    als_root lpadmin -p "$warteschlange" -v "$geraet" -m "$ppd_name" -o PageSize=A4 \
        -o emit-jcl-default=false -o printer-is-shared=false -E 2>&1 | grep -v 'deprecated' || true
fi
# The Generic PDF PPD defaults to Letter.
if ! lpoptions -p "$warteschlange" -l 2>/dev/null | grep -q '^PageSize/.*[*]A4\( \|$\)'; then
    echo "Stelle $warteschlange auf A4"
    als_root lpadmin -p "$warteschlange" -o PageSize=A4 2>&1 | grep -v 'deprecated' || true
fi
# The PPD wraps every job in PJL commands; without them the stored job is a plain PDF file.
if ! lpoptions -p "$warteschlange" 2>/dev/null | grep -q '\(^\| \)emit-jcl=false\( \|$\)'; then
    echo "Schalte die PJL-Befehle von $warteschlange ab"
    als_root lpadmin -p "$warteschlange" -o emit-jcl-default=false
fi
if lpstat -p "$warteschlange" 2>/dev/null | grep -q 'disabled'; then
    echo "Gebe $warteschlange frei"
    als_root cupsenable "$warteschlange"
fi
if lpstat -a "$warteschlange" 2>/dev/null | grep -q 'not accepting'; then
    echo "$warteschlange nimmt wieder Aufträge an"
    als_root cupsaccept "$warteschlange"
fi

# 5. The queue that refuses jobs.
abweisend=PDFABWEISEND
if ! lpstat -v "$abweisend" 2>/dev/null | grep -q ": $geraet\$"; then
    echo "Richte die Druckerwarteschlange $abweisend ein, die keine Aufträge annimmt"
    als_root lpadmin -p "$abweisend" -v "$geraet" -m "$ppd_name" -o PageSize=A4 \
        -o printer-is-shared=false -E 2>&1 | grep -v 'deprecated' || true
fi
if ! lpstat -a "$abweisend" 2>/dev/null | grep -q 'not accepting'; then
    als_root cupsreject -r "Testwarteschlange, nimmt keine Aufträge an" "$abweisend"
fi

# Check the result instead of trusting the steps above.
lpstat -v "$warteschlange" | grep -q ": $geraet\$"
lpstat -p "$warteschlange" | grep -q 'enabled'
lpstat -a "$warteschlange" | grep -q 'accepting requests'
lpstat -a "$abweisend" | grep -q 'not accepting'
