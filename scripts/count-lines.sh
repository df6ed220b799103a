#!/usr/bin/env bash
# Lines of code that are neither blank nor only a comment in the program (app core content
# platform ui tools base) and in tests/, and their ratio: once for the code (C++ sources and the
# scripts), once for every text file (build files included).
#   scripts/count-lines.sh [-v]   (-v: one line per file)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

lines() { # file
    case $1 in
    *.cpp | *.cc | *.h | *.hpp) grep -cvE '^\s*($|//)' "$1" || true ;;
    *) grep -cvE '^\s*($|#)' "$1" || true ;;
    esac
}
total() { # pattern folders...
    local pattern=$1 f n sum=0
    shift
    while IFS= read -r f; do
        n=$(lines "$f")
        sum=$((sum + n))
        [[ ${verbose:-} ]] && printf '%6d %s\n' "$n" "$f" >&2
    done < <(git ls-files --cached --others --exclude-standard -- "$@" | while IFS= read -r f; do
        [[ -f $f && $f =~ $pattern ]] && grep -Iq . "$f" && echo "$f"
    done)
    echo "$sum"
}
[[ ${1:-} == -v ]] && verbose=1
report() { # what pattern
    local program tests
    program=$(total "$2" app base core content platform ui tools)
    tests=$(total "$2" tests)
    awk -v w="$1" -v p="$program" -v t="$tests" \
        'BEGIN { printf "%-10s program %5d lines, tests %5d lines: ratio %.3f\n", w, p, t, t / p }'
}
report code '\.(cpp|cc|h|hpp|sh|py)$|/run-[^/.]*$'
report "all files" '.'

