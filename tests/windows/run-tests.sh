#!/usr/bin/env bash
# Runs the cross-built test programs under Wine: the engine, the kills during saves, the
# report tool and the windows (Qt's offscreen platform, as on Linux).
#
#   tests/windows/run-tests.sh [build-windows]
set -euo pipefail
# Wine's window functions (focus, activation) want an X display even for Qt's offscreen platform.
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
folder="$(cd "${1:-build-windows}" && pwd)"
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

qt="$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$folder/build/CMakeCache.txt")"
runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
pthread="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
export WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime");$(windows_path "$pthread")"
export QT_QPA_PLATFORM=offscreen

failed=0
# One check wants a caption's face to give up at most a pixel to fit its box; Wine's offscreen
# font engine draws the face wider than Windows and Linux do, so there it gives up more.
filter=(--gtest_filter=-SettingsTest.CaptionsInsideTheirBoxes)
for test in engine_tests robustness_tests report_tool_tests ui_tests; do
    echo "== $test.exe under Wine"
    # Into a file, not a pipe: Wine's own services inherit the output and would hold a pipe open.
    (cd "$folder/build/tests" && "$wine" "./$test.exe" --gtest_brief=1 "${filter[@]}") \
        >"$folder/$test.log" 2>&1 || failed=1
    tr -d '\r' <"$folder/$test.log"
done
wineserver -w
exit $failed
