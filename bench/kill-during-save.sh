#!/usr/bin/env bash
# Many more kills during saves than the test suite runs: each trial starts a process that
# saves both data files over and over, kills it at a random moment, and checks that every
# file holds the old or the new record whole.
# usage: bench/kill-during-save.sh [build-dir] [trials, default 1000: about four minutes]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
trials="${2:-1000}"
cmake --build "$build" --target robustness_tests >&2
KEMURINA_KILL_TRIALS="$trials" QT_QPA_PLATFORM=offscreen \
    "$build/tests/robustness_tests" \
    --gtest_filter=SaveFaults.KillsDuringSaves
