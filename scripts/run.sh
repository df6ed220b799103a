#!/usr/bin/env bash
# Builds ケムリナ and starts it in the current directory (its data goes to ./kemurinadata/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target kemurina kemurina-report
exec "$root/build/app/kemurina"
