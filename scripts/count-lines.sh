#!/usr/bin/env bash
# Lines of code that are neither blank nor only a comment, in every tracked file of the program
# (app core content platform ui tools) and of the tests (tests/), and their ratio.
#   scripts/count-lines.sh [-v]   (-v: one line per file)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

lines() { # file
    case $1 in
    *.cpp | *.cc | *.h | *.hpp) grep -cvE '^\s*($|//)' "$1" || true ;;
    *) grep -cvE '^\s*($|#)' "$1" || true ;;
    esac
}
total() { # folders...
    local f n sum=0
    while IFS= read -r f; do
        n=$(lines "$f")
        sum=$((sum + n))
        [[ ${verbose:-} ]] && printf '%6d %s\n' "$n" "$f" >&2
    done < <(git ls-files --cached --others --exclude-standard -- "$@" | while IFS= read -r f; do
        [[ -f $f ]] && grep -Iq . "$f" && echo "$f"
    done)
    echo "$sum"
}
[[ ${1:-} == -v ]] && verbose=1
program=$(total app core content platform ui tools)
tests=$(total tests)
awk -v p="$program" -v t="$tests" \
    'BEGIN { printf "program %d lines, tests %d lines: ratio %.2f\n", p, t, t / p }'
