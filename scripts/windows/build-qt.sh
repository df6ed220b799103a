#!/usr/bin/env bash
# Builds Qt's base module for Windows (MinGW-w64) from Debian's own qt6-base source, once, into a
# cache folder outside the checkout; prints the folder. The folder's name carries the Qt version
# and a digest of the configure switches and the toolchain, so a change to either builds anew.
#
#   build-qt.sh [--rebuild-qt]
#
# KEMURINA_CACHE_DIR overrides the cache (default ~/.cache/kemurina); KEMURINA_JOBS the jobs.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"

rebuild=0
[[ "${1:-}" == "--rebuild-qt" ]] && rebuild=1

# The host tools (moc, uic, rcc) come from Debian's Qt, so the source must be the same version.
qt_deb_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
qt_version="${qt_deb_version%%+*}"
toolchain="$repo/cmake/mingw-w64-x86_64.cmake"

# Only what ケムリナ and its tests use: Core, Gui, Widgets, Network (the local socket that
# tells a running instance of a second start), Test and the platform plugins (windows,
# offscreen, minimal). The bundled third-party libraries keep the DLL set small and
# free of MinGW ports nobody packages. Debian's source lacks src/3rdparty/wintab (tablet events)
# and its cross-build patch turns androiddeployqt on.
switches=(
    -release -shared -opensource -confirm-license
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-vulkan
    -no-feature-sql -no-feature-printsupport -no-feature-concurrent -no-feature-xml
    -no-feature-tuiotouch -no-feature-tabletevent -no-feature-androiddeployqt
    -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-freetype
)
digest="$( (printf '%s\n' "${switches[@]}" && cat "$toolchain" &&
    x86_64-w64-mingw32-g++-posix --version | head -1) | sha256sum | cut -c1-12)"
cache="${KEMURINA_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/kemurina}"
prefix="$cache/qt-$qt_version-mingw64-$digest"

if [[ -f "$prefix/.complete" && $rebuild -eq 0 ]]; then
    echo "$prefix"
    exit 0
fi
rm -rf "$prefix"
work="$cache/qt-$qt_version-mingw64-$digest.work"
rm -rf "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$prefix"

# The source from the archive and suite apt already uses, through a private source list, so the
# machine's own apt configuration stays as it is.
{
    line="$(grep -rhsE '^(deb|URIs:)' /etc/apt/sources.list /etc/apt/sources.list.d/ | grep -m1 debian.org || true)"
    uri="$(awk '{print ($1 == "deb") ? $2 : $2}' <<<"$line")"
    suite="$( (. /etc/os-release && echo "$VERSION_CODENAME"))"
    echo "deb-src ${uri:-http://deb.debian.org/debian} $suite main"
} >"$work/apt/sources.list"
apt_private=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=/nonexistent"
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache" -o APT::Sandbox::User=root)
echo "build-qt: fetching qt6-base $qt_deb_version source ($(cat "$work/apt/sources.list"))" >&2
apt-get "${apt_private[@]}" update -qq >&2
(cd "$work" && apt-get "${apt_private[@]}" source -qq --download-only "qt6-base=$qt_deb_version" >&2)
dpkg-source -x "$work"/qt6-base_*.dsc "$work/src" >&2

# Qt's installed qt.toolchain.cmake refers to the toolchain file by path: keep a copy with it.
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"
mkdir -p "$work/build"
cd "$work/build"
echo "build-qt: configuring Qt $qt_version for Windows into $prefix" >&2
"$work/src/configure" -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr "${switches[@]}" -- \
    -G Ninja -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
echo "build-qt: building (about 20 minutes on two idle cores)" >&2
cmake --build . --parallel "${KEMURINA_JOBS:-$(nproc)}" >&2
cmake --install . >&2
# The licence texts travel with the DLLs: Qt's own and those of the bundled libraries.
mkdir -p "$prefix/licenses/3rdparty"
cp "$work/src/LICENSES"/*.txt "$prefix/licenses/" # LGPL-3.0-only.txt and the rest Qt cites
for dir in "$work/src/src/3rdparty"/*/; do
    name="$(basename "$dir")"
    find "$dir" -maxdepth 1 -type f \( -iname 'LICENSE*' -o -iname 'COPYING*' -o -iname 'LICENCE*' \) |
        while read -r file; do
            mkdir -p "$prefix/licenses/3rdparty/$name" && cp "$file" "$prefix/licenses/3rdparty/$name/"
        done
done
cd /
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
