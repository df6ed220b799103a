#!/usr/bin/env bash
# Builds everything with the tests switched on and runs the whole suite (widget tests run
# offscreen). Fails when a test program is not a target of this build or is older than
# anything it was built from, so an old program can never report success.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KEMURINA_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
echo "test.sh: configuring $build with the tests on"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" \
    -DKEMURINA_BUILD_TESTS=ON >/dev/null
echo "test.sh: building"
cmake --build "$build"

# Every test program ctest would run, as a target of this build.
mapfile -t programs < <(ctest --test-dir "$build" -N -V |
    sed -n 's/^[0-9]*: Test command: \([^ ]*\).*/\1/p' | sort -u)
stale=0
targets=()
for program in "${programs[@]}"; do
    if ninja -C "$build" -t query "${program#"$build"/}" >/dev/null 2>&1; then
        targets+=("${program#"$build"/}")
    else
        echo "test.sh: $program is not built by this configuration" >&2
        stale=1
    fi
done

# What each target was built from: its explicit and implicit inputs as ninja knows them (not
# the order-only ones, which never make it out of date), followed down through every build
# output to the sources. One ninja call per level.
declare -A inputs_of=()
level=("${targets[@]}")
while ((${#level[@]})); do
    for node in "${level[@]}"; do inputs_of[$node]=""; done
    next=()
    while IFS=$'\t' read -r node input; do
        inputs_of[$node]+="$input"$'\n'
        if [[ $input != /* && -z ${inputs_of[$input]+set} ]]; then
            next+=("$input")
        fi
    done < <(ninja -C "$build" -t query "${level[@]}" | awk '
        /^[^ ]/ { node = $0; sub(/:$/, "", node); on = 0; next }
        /^  input:/ { on = 1; next }
        /^  outputs:/ { on = 0; next }
        on && !/^ *\|\|/ { sub(/^ *(\| )?/, ""); print node "\t" $0 }')
    mapfile -t level < <(printf '%s\n' "${next[@]}" | sort -u | sed '/^$/d')
done

echo "test.sh: checking that no test program is older than what it was built from"
for target in "${targets[@]}"; do
    declare -A seen=()
    pending=("$target")
    while ((${#pending[@]})); do
        node=${pending[-1]}
        unset 'pending[-1]'
        while read -r input; do
            [[ -n $input && -z ${seen[$input]+set} ]] || continue
            seen[$input]=1
            path=$input
            [[ $path == /* ]] || path=$build/$input
            if [[ $path -nt $build/$target ]]; then
                echo "test.sh: $target is older than $input" >&2
                stale=1
            fi
            [[ $input == /* ]] || pending+=("$input")
        done <<<"${inputs_of[$node]}"
    done
    unset seen
done
((stale == 0)) || exit 1

ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
