#!/usr/bin/env bash
# Builds ケムリナ and starts it in the current directory (its data goes to ./kemurinadata/).
# Installs only what building and running need; the tests and benchmarks are left out of a
# build folder it creates.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
"$root/scripts/install-deps.sh" --run
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ ! -f $build/CMakeCache.txt ]]; then
    options+=(-DKEMURINA_BUILD_TESTS=OFF -DKEMURINA_BUILD_BENCH=OFF)
fi
echo "run.sh: configuring $build"
cmake -S "$root" -B "$build" -G Ninja "${options[@]}" >/dev/null
echo "run.sh: building kemurina and kemurina-report"
cmake --build "$build" --target kemurina kemurina-report
echo "run.sh: starting ケムリナ in $PWD (data in $PWD/kemurinadata)"
exec "$build/app/kemurina"
