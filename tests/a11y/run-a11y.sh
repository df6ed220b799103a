#!/usr/bin/env bash
# The program as a screen reader sees it: under Xvfb with a window manager and a private
# session bus, which starts the accessibility bus on demand, check_a11y.py reads its AT-SPI
# tree. Needs ./scripts/install-deps.sh --ci (at-spi2-core, python3-pyatspi, faketime).
#
#   tests/a11y/run-a11y.sh [build-dir]   (default: $KEMURINA_BUILD_DIR or ./build)
set -euo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(realpath -m "${1:-${KEMURINA_BUILD_DIR:-$here/../../build}}")
cmake --build "$build" --target kemurina kemurina-report >/dev/null
work=$(mktemp -d /tmp/kemurina-a11y.XXXXXX)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.2; done
DISPLAY=:$(head -n1 "$work/display")
# A home, runtime and temporary folder of its own: no instance lock or bus of another run.
export DISPLAY HOME=$work/home XDG_RUNTIME_DIR=$work/runtime TMPDIR=$work/tmp
mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
dbus-run-session -- /usr/bin/python3 "$here/check_a11y.py" "$build" 2>"$work/bus.log" ||
    { cat "$work/bus.log" >&2; exit 1; }
