#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need.
# Runs apt-get update only when something is actually missing.
set -euo pipefail

packages=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic qt6-translations-l10n
)
if [[ "${1:-}" == "--ci" || "${1:-}" == "--all" ]]; then
    packages+=(clang-14 libclang-rt-14-dev llvm-14 xvfb xdotool xclip x11-utils imagemagick
               faketime valgrind desktop-file-utils appstream
               dpkg-dev file openbox trayer
               at-spi2-core python3-pyatspi dbus-daemon xauth)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [[ $(id -u) -ne 0 ]] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
