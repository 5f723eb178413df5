#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the project is not laid out by .clang-format.
# Usage: scripts/check-format.sh [clang-format]   (scripts/check-format.sh --fix rewrites them instead)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=clang-format
fix=0
for a in "$@"; do
    case "$a" in
    --fix) fix=1 ;;
    *) tool="$a" ;;
    esac
done
mapfile -t files < <(git ls-files -co --exclude-standard '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
bad=()
for f in "${files[@]}"; do
    [ -f "$f" ] || continue
    if ((fix)); then
        "$tool" -i "$f"
    elif ! "$tool" --dry-run -Werror "$f" >/dev/null 2>&1; then
        bad+=("$f")
    fi
done
if ((${#bad[@]})); then
    printf 'Not formatted (run scripts/check-format.sh --fix):\n'
    printf '  %s\n' "${bad[@]}"
    exit 1
fi
