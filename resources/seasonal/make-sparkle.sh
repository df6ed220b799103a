#!/bin/sh
# Builds sparkle.gif: a golden star, 25x23 pixels, that pulses while small glints
# come and go around it, looping. Every frame is drawn as SVG, rendered with
# rsvg-convert and given hard-edged transparency (a GIF knows no partial alpha).
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# star cx cy outer-radius inner-radius: the points of a five-pointed star, tip up
star() {
    awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" 'BEGIN {
        pi = atan2(0, -1)
        for (i = 0; i < 10; i++) {
            r = (i % 2) ? ri : ro
            a = -pi / 2 + i * pi / 5
            printf "%s%.2f %.2f", (i ? " L " : "M "), cx + r * cos(a), cy + r * sin(a)
        }
        print " Z"
    }'
}

# glint x y r: a thin twinkling cross centred on pixel (x, y), or nothing when r is 0
glint() {
    [ "$3" = 0 ] && return 0
    awk -v x="$1" -v y="$2" -v r="$3" 'BEGIN {
        cx = x + 0.5; cy = y + 0.5
        printf "<path d=\"M %g %g V %g M %g %g H %g\" stroke=\"#e09a00\" stroke-width=\"1\"/>\n", \
            cx, cy - r - 0.5, cy + r + 0.5, cx - r - 0.5, cy, cx + r + 0.5
        if (r >= 2)
            printf "<path d=\"M %g %g h 3 v -1 h -3 z M %g %g v 3 h 1 v -3 z\" fill=\"#ffd24a\"/>\n", \
                x - 1, y + 1, x, y - 1
        printf "<rect x=\"%g\" y=\"%g\" width=\"1\" height=\"1\" fill=\"#fffbe0\"/>\n", x, y
    }'
}

# frame n outer inner highlight glintA glintB glintC
frame() {
    {
        echo '<svg xmlns="http://www.w3.org/2000/svg" width="25" height="23" viewBox="0 0 25 23">'
        echo "<path d=\"$(star 12.5 12.3 "$2" "$3")\" fill=\"#ffc61a\" stroke=\"#9a5f00\" stroke-width=\"1.1\" stroke-linejoin=\"round\"/>"
        echo "<path d=\"$(star 12.5 12.3 "$4" "$(echo "$4" | awk '{print $1 * 0.45}')")\" fill=\"#fff3a6\"/>"
        glint 21 4 "$5"
        glint 3 18 "$6"
        glint 3 4 "$7"
        echo '</svg>'
    } > "$work/frame$1.svg"
    rsvg-convert "$work/frame$1.svg" -o "$work/frame$1.png"
}

frame 0 9.0 3.9 4.5 0 0 0
frame 1 9.4 4.1 5.2 1 0 0
frame 2 9.0 3.9 4.5 3 1 0
frame 3 8.6 3.7 3.8 1 3 0
frame 4 9.0 3.9 4.5 0 1 1
frame 5 9.4 4.1 5.2 0 0 3

convert -delay 20 -loop 0 -dispose background \
    "$work"/frame0.png "$work"/frame1.png "$work"/frame2.png \
    "$work"/frame3.png "$work"/frame4.png "$work"/frame5.png \
    -channel A -threshold 50% +channel -background none sparkle.gif
