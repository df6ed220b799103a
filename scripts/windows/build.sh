#!/usr/bin/env bash
# Builds ケムリナ for 64-bit Windows on Debian 12 and packs it as Windows programs are shipped.
#
#   scripts/windows/build.sh [folder] [--rebuild-qt] [--no-tests]
#
# Leaves in the folder (default build-windows/): kemurina-<version>/ (the program folder),
# kemurina-<version>-windows-x64.zip (that folder, for use without installing) and
# kemurina-<version>-setup.exe (the installer); the cross-built test programs stay in
# <folder>/build/tests (tests/windows/run-tests.sh runs them under Wine).
# The first run builds Qt for Windows into ~/.cache/kemurina (see build-qt.sh): about twenty
# minutes on two idle cores. Later runs reuse it and take a minute or two.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

folder=build-windows
qt_options=()
tests=ON
for argument in "$@"; do
    case "$argument" in
    --rebuild-qt) qt_options+=(--rebuild-qt) ;;
    --no-tests) tests=OFF ;;
    -*)
        echo "usage: $0 [folder] [--rebuild-qt] [--no-tests]" >&2
        exit 2
        ;;
    *) folder="$argument" ;;
    esac
done
mkdir -p "$folder"
folder="$(cd "$folder" && pwd)"

"$repo/scripts/install-deps.sh" --windows
qt="$("$repo/scripts/windows/build-qt.sh" "${qt_options[@]}")"
echo "build.sh: Qt for Windows in $qt"

cmake_options=(-G Ninja -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
    -DKEMURINA_BUILD_BENCH=OFF -DKEMURINA_BUILD_TESTS="$tests")
command -v ccache >/dev/null && cmake_options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

if [[ $tests == ON ]]; then
    # GoogleTest from Debian's source, built with the same compiler.
    gtest="$folder/googletest"
    if [[ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]]; then
        cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
            -DCMAKE_INSTALL_PREFIX="$gtest/install" >/dev/null
        cmake --build "$gtest/build"
        cmake --install "$gtest/build" >/dev/null
    fi
    cmake_options+=(-DGTest_DIR="$gtest/install/lib/cmake/GTest")
fi

# A build folder configured against another Qt (an older cache) starts afresh.
if [[ -f $folder/build/CMakeCache.txt ]] &&
    ! grep -qxF "Qt6_DIR:PATH=$qt/lib/cmake/Qt6" "$folder/build/CMakeCache.txt"; then
    rm -rf "$folder/build"
fi
cmake -S "$repo" -B "$folder/build" "${cmake_options[@]}" >/dev/null
cmake --build "$folder/build"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$folder/build/CMakeCache.txt")"
name="kemurina-$version"
program="$folder/$name"
rm -rf "$program"
cmake --install "$folder/build" --prefix "$program" >/dev/null
find "$program" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The portable zip: started from Explorer, the program keeps its data beside itself.
rm -f "$folder/$name-windows-x64.zip"
(cd "$folder" && zip -qr -X "$name-windows-x64.zip" "$name")

# The installer's file lists: every file and folder of the program folder, so that the
# uninstaller removes exactly what was installed.
{
    (cd "$program" && find . -mindepth 1 -type d | sort) | while read -r dir; do
        dir="${dir#./}"
        echo "SetOutPath \"\$INSTDIR\\${dir//\//\\}\""
        (cd "$program/$dir" && find . -maxdepth 1 -type f | sort) | while read -r file; do
            echo "File \"$program/$dir/${file#./}\""
        done
    done
    echo "SetOutPath \"\$INSTDIR\""
    (cd "$program" && find . -maxdepth 1 -type f | sort) | while read -r file; do
        echo "File \"$program/${file#./}\""
    done
} >"$folder/files.nsh"
{
    (cd "$program" && find . -type f | sort) | while read -r file; do
        file="${file#./}"
        echo "Delete \"\$INSTDIR\\${file//\//\\}\""
    done
    (cd "$program" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
        dir="${dir#./}"
        echo "RMDir \"\$INSTDIR\\${dir//\//\\}\""
    done
} >"$folder/unfiles.nsh"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DICON="$repo/resources/icons/kemurina.ico" \
    -DFILES="$folder/files.nsh" -DUNFILES="$folder/unfiles.nsh" \
    -DOUTFILE="$folder/$name-setup.exe" "$repo/packaging/windows/kemurina.nsi"

echo "build.sh: $folder/$name-setup.exe, $folder/$name-windows-x64.zip and $program/"
