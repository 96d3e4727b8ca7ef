#!/usr/bin/env bash
# Installs what Kalvomat needs on a Debian 12 machine, and only what is missing.
#   scripts/einrichten.sh run    packages to build and start the program
#   scripts/einrichten.sh test   also what the tests need: German locale, Xvfb, CUPS with a test queue,
#                                clang for the fuzzers
set -euo pipefail
modus=${1:-run}
hier=$(cd "$(dirname "$0")" && pwd)

als_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Qt's own German texts (file dialogs, standard buttons) come with qt6-translations-l10n; the
# print run asks CUPS itself whether it took a job (libcups2-dev to build; libcups2 comes with Qt).
pakete=(build-essential cmake qt6-base-dev qt6-translations-l10n libcups2-dev fonts-liberation2
        fonts-urw-base35 xdg-utils)
if [ "$modus" = test ]; then
    pakete+=(locales poppler-utils xvfb xdotool imagemagick cups cups-client cups-filters clang-format)
    # The Debian package: dpkg-shlibdeps derives its library dependencies, with file and objdump.
    pakete+=(dpkg-dev file binutils)
    # The format check takes its list of files from the git repository.
    pakete+=(git)
    # The fuzzers: clang with its sanitizer and libFuzzer runtimes (only recommended by clang,
    # and recommendations are not installed here).
    pakete+=(clang libclang-rt-14-dev)
fi

fehlend=()
for p in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        fehlend+=("$p")
    fi
done
if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installiere: ${fehlend[*]}"
    als_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    als_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi

if [ "$modus" = test ]; then
    # The tests pin a German locale; C functions follow it only when it is generated.
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        als_root sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
        als_root locale-gen >/dev/null
    fi
    if [ -x "$hier/drucker_einrichten.sh" ]; then
        "$hier/drucker_einrichten.sh"
    fi
fi
