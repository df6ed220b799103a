#!/bin/sh
# Renders the hicolor PNGs and the Windows .ico. 16 and 22 px come from the hand-set pixel
# icons (24 px is the 22 px one with a transparent pixel of margin); 32 px and up from the
# vector icon.
set -eu
cd "$(dirname "$0")"
python3 make-pixel-icons.py
render() { # size source
    mkdir -p "hicolor/$1x$1/apps"
    rsvg-convert -w "$1" -h "$1" "$2" -o "hicolor/$1x$1/apps/kemurina.png"
}
render 16 kemurina-16.svg
render 22 kemurina-22.svg
mkdir -p hicolor/24x24/apps
rsvg-convert -w 22 -h 22 kemurina-22.svg |
    convert - -background none -gravity center -extent 24x24 -strip \
        PNG32:hicolor/24x24/apps/kemurina.png
for size in 32 48 64 128 256; do
    render "$size" kemurina.svg
done
# The Windows icon (programs, installer, shortcuts): the same pictures in one .ico.
convert $(for size in 16 24 32 48 64 256; do echo "hicolor/${size}x${size}/apps/kemurina.png"; done) \
    kemurina.ico
