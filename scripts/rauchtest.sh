#!/usr/bin/env bash
# Starts the real program once under Xvfb on the shipped example data: the window must open with
# the example catalogue and close cleanly.
set -euo pipefail
programm=$(realpath "$1")
echo "Rauchtest: noch nicht eingerichtet ($programm)"
