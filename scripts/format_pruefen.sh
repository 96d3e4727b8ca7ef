#!/usr/bin/env bash
# Checks that every C++ file of the project follows .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "Formatierung: alle C++-Dateien entsprechen .clang-format"
