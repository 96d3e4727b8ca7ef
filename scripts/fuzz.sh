#!/usr/bin/env bash
# Runs each fuzz target for a while on a copy of its seed corpus and says how many inputs it
# ran clean.
#   scripts/fuzz.sh BUILD_DIR SECONDS TARGET...
# The seeds in fuzz/korpus/ are only read; inputs the fuzzer finds go to a temporary folder. An
# input that crashes a target is kept in BUILD_DIR/fuzz-funde/ to be turned into a test.
set -uo pipefail
hier=$(cd "$(dirname "$0")/.." && pwd)
build=$1
sekunden=$2
shift 2

funde="$build/fuzz-funde"
mkdir -p "$funde"
# Each input that adds coverage is written to the working corpus: in memory where the machine
# offers it, so that creating files does not slow the early, fast-growing part of a run.
platz=${TMPDIR:-/tmp}
frei_kb=$(df -Pk /dev/shm 2>/dev/null | awk 'NR == 2 { print $4 }')
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ] && [ "${frei_kb:-0}" -ge 1048576 ]; then
    platz=/dev/shm
fi
arbeit=$(mktemp -d "$platz/kalvomat-fuzz.XXXXXX")
trap 'rm -rf "$arbeit"' EXIT

# Leaks are reported per input; aborts from the invariant checks and sanitizer reports both end
# the run with an error. Speed: the quarantine of freed memory holds 2 MB, about all that one large
# input frees, instead of 256 MB, so memory is used again while it is still in the cache; and no
# call stack is recorded for each allocation, which cost a tenth of the time. A report therefore
# names where memory was misused but not where it was allocated or freed: for that, run the target
# on the kept input with ASAN_OPTIONS=malloc_context_size=30.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:quarantine_size_mb=2:malloc_context_size=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

fehler=0
zusammenfassung=()
for ziel in "$@"; do
    programm="$build/fuzz/$ziel"
    korpus="$arbeit/$ziel"
    mkdir -p "$korpus" "$funde/$ziel"
    cp "$hier/fuzz/korpus/$ziel/"* "$korpus/"
    protokoll="$arbeit/$ziel.log"
    echo "== $ziel: $sekunden s"
    # nice: the fuzzers share the machine with builds and tests.
    woerter=()
    if [ -f "$hier/fuzz/$ziel.dict" ]; then
        woerter=(-dict="$hier/fuzz/$ziel.dict")
    fi
    # A target's own options (fuzz/TARGET.optionen) come last and so win over the defaults.
    optionen=()
    if [ -f "$hier/fuzz/$ziel.optionen" ]; then
        read -ra optionen <"$hier/fuzz/$ziel.optionen"
    fi
    nice "$programm" "$korpus" "${woerter[@]}" -max_total_time="$sekunden" -timeout=10 \
        -max_len=65536 "${optionen[@]}" -print_final_stats=1 -artifact_prefix="$funde/$ziel/" \
        >"$protokoll" 2>&1
    status=$?
    laeufe=$(sed -n 's/^stat::number_of_executed_units: *//p' "$protokoll" | tail -n 1)
    if [ "$status" -eq 0 ]; then
        zeile="$ziel: ${laeufe:-?} Eingaben in $sekunden s ohne Befund"
    else
        fehler=1
        tail -n 60 "$protokoll"
        zeile="$ziel: FEHLER nach ${laeufe:-?} Eingaben (Eingabe in $funde/$ziel/)"
    fi
    echo "$zeile"
    zusammenfassung+=("$zeile")
    rm -rf "$korpus"
done
echo "== Ergebnis"
printf '%s\n' "${zusammenfassung[@]}"
exit "$fehler"
