#!/usr/bin/env bash
# The program as a screen reader sees it: check_a11y.py under Xvfb and a private session bus,
# which starts the accessibility bus when asked. Needs ./scripts/install-deps.sh --ci.
#
#   tests/a11y/run-a11y.sh [build-dir]   (default: $KEMURINA_BUILD_DIR or ./build)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(realpath -m "${1:-${KEMURINA_BUILD_DIR:-$here/../../build}}")
cmake --build "$build" --target kemurina kemurina-report >/dev/null
work=$(mktemp -d /tmp/kemurina-a11y.XXXXXX)
trap 'rm -rf "$work"' EXIT
# The buses' chatter is shown only when the check fails.
trap 'cat "$work/stderr" >&2' ERR
# A home, runtime and temporary folder of its own: no instance lock or bus of another run.
env -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS HOME="$work" XDG_RUNTIME_DIR="$work" \
    TMPDIR="$work" LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    dbus-run-session -- /usr/bin/python3 "$here/check_a11y.py" "$build" 2>"$work/stderr"
