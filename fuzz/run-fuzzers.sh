#!/usr/bin/env bash
# Runs every libFuzzer target over its seed corpus for a while and prints the exec counts.
# usage: fuzz/run-fuzzers.sh <build-dir> [seconds per target, default 60] [target...]
# The committed corpus is only read; new inputs go to fuzz/corpus-run/<target>/, and a crash
# is kept as fuzz/corpus-run/crash-* and fails the script.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:?usage: run-fuzzers.sh <build-dir> [seconds] [target...]}"
seconds="${2:-60}"
shift $(($# >= 2 ? 2 : 1))
targets=("$@")
((${#targets[@]})) || targets=(data_files_fuzzer settings_input_fuzzer cravings_fuzzer)

status=0
for t in "${targets[@]}"; do
    bin="$build/fuzz/$t"
    [[ -x "$bin" ]] || { echo "missing $bin (configure with -DKEMURINA_BUILD_FUZZ=ON)" >&2; exit 2; }
    work="$here/corpus-run/$t"
    mkdir -p "$work"
    log="$here/corpus-run/$t.log"
    echo "== $t for ${seconds}s"
    if ! nice -n 10 "$bin" "$work" "$here/corpus/$t" -max_total_time="$seconds" -max_len=4096 \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$here/corpus-run/" >"$log" 2>&1; then
        status=1
        grep -E "invariant broken|ERROR|runtime error|SUMMARY|Test unit written" "$log" >&2 || tail -30 "$log" >&2
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -o 'cov: [0-9]*' || true)
    echo "$t: ${execs:-?} execs in ${seconds}s, ${cov:-cov: ?}"
done
exit $status
