#!/usr/bin/env bash
# Installs the Debian packages ケムリナ needs, and only those that are missing (apt-get update
# runs only then).
#
#   install-deps.sh --run   what building and running the program needs
#   install-deps.sh         also the test suite and the benchmarks
#   install-deps.sh --ci    also what CI runs: clang and its sanitizer runtimes, Xvfb and the
#                           desktop tools of the end-to-end tests (weston for Wayland), the
#                           validators and lintian
#   install-deps.sh --windows   what scripts/windows/build.sh needs: MinGW-w64, NSIS, zip,
#                           the source tools that fetch Qt's source, GoogleTest's source, and
#                           Wine to run the result
set -euo pipefail

run_packages=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    fonts-ipafont-gothic qt6-translations-l10n qt6-wayland
)
test_packages=(qt6-image-formats-plugins libgtest-dev libgmock-dev libbenchmark-dev)
ci_packages=(
    clang-14 libclang-rt-14-dev llvm-14 xvfb xdotool xclip x11-utils imagemagick
    faketime valgrind desktop-file-utils appstream lintian
    dpkg-dev file openbox trayer at-spi2-core python3-pyatspi dbus-daemon xauth weston dbus-bin
    dunst
)
windows_packages=(
    cmake ninja-build ccache qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
    g++-mingw-w64-x86-64-posix dpkg-dev googletest nsis zip
)
wine_packages=(wine wine64 fonts-wine fonts-ipafont-gothic libfaketime)
case "${1:-}" in
--run) packages=("${run_packages[@]}") ;;
"") packages=("${run_packages[@]}" "${test_packages[@]}") ;;
--windows) packages=("${windows_packages[@]}" "${wine_packages[@]}") ;;
--ci | --all) packages=("${run_packages[@]}" "${test_packages[@]}" "${ci_packages[@]}") ;;
*)
    echo "usage: $0 [--run | --ci | --windows]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if ((${#missing[@]} == 0)); then
    echo "install-deps: all ${#packages[@]} Debian packages needed are installed"
    exit 0
fi
echo "install-deps: installing ${#missing[@]} missing Debian packages: ${missing[*]}"
SUDO=""
[[ $(id -u) -ne 0 ]] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
