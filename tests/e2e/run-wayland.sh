#!/usr/bin/env bash
# ケムリナ end to end as a native Wayland client: weston (its X11 backend, inside an Xvfb larger
# than weston's output, so that xdotool can drive it) with no X11 display for the program and no
# notification area, as on a plain Wayland desktop.
#
#   tests/e2e/run-wayland.sh [build-dir]   (default: $KEMURINA_BUILD_DIR or ./build)
#
# Checks: a close from the popup menu keeps option.ini byte for byte; a second start brings back
# a view put away (minimised, with no notification area) and still says that the program runs.
# Screenshots, data files and logs go to <build-dir>/wayland-artifacts.
set -eEuo pipefail
export LC_ALL=C.UTF-8
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_name=wayland
# shellcheck source=tests/e2e/helpers.sh
source "$root/tests/e2e/helpers.sh"
in_own_display 1600x1000 "$0" "$@"
e2e_begin "${1:-}"
data_dir=$work/data

cmake --build "$build" --target kemurina >/dev/null
program=$build/app/kemurina
own_user # no session bus, so no tray either
x11_display=$DISPLAY

# Starts the program in the data folder with only the given environment for its display.
start() { # log-name NAME=value...
    (cd "$work/data" && exec env -u DISPLAY "${@:2}" "$program" >"$work/$1.log" 2>&1) &
    app_pid=$!
    pids+=("$app_pid")
}

# --- the compositor --------------------------------------------------------------------

socket=wayland-kemurina-e2e-$$
log "starting weston (X11 backend, 1024x700) on $x11_display as $socket"
weston --backend=x11-backend.so --use-pixman --width=1024 --height=700 --socket="$socket" \
    --idle-time=0 --debug >"$work/weston.log" 2>&1 &
pids+=($!)
wait_until 20 test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston did not start (see weston.log)"
wait_until 20 grep -q 'launching.*weston-desktop-shell' "$work/weston.log" || fail "no desktop shell"
sleep 1 # the shell's panel and background
wayland=(WAYLAND_DISPLAY="$socket")

# The main view's value labels are the one place of this colour (backColor 9241372); their
# bounding box, less the label's border, gives the window's client area.
label_colour='#1C028D'
grab_screen() { import -window root "png:$work/screen.png" 2>/dev/null; }
client_origin() {
    grab_screen
    convert "$work/screen.png" -crop 1024x700+0+0 +repage -fuzz 2% -fill black \
        +opaque "$label_colour" -fill white -opaque "$label_colour" -trim \
        -format '%X %Y\n' info: 2>/dev/null | tr -d + | awk '$1 >= 0 && $2 >= 0 {print $1-17, $2-17}'
}
view_shown() { read -r x y < <(client_origin) && [[ -n ${x:-} ]]; }
view_gone() { not view_shown; }

mkdir -p "$work/data/kemurinadata"
printf '2026,11,2,7,45,20,410,85\r\n' >"$work/data/kemurinadata/initial.ini"
# Positions saved on another desktop, windowMode 2: the bytes must survive.
printf '1,12244,5,0,5,1,1500,1200,9241372,16777215,"example.jp/blog/",2,3000,2400,"%s"\r\n' \
    "$(printf 'ソルジャー' | iconv -f UTF-8 -t CP932)" >"$work/data/kemurinadata/option.ini"
cp "$work/data/kemurinadata/option.ini" "$work/option.before"

log "first start as a native Wayland client (no DISPLAY)"
start first "${wayland[@]}"
wait_until 20 view_shown || fail "the main view did not appear under weston"
read -r x y < <(client_origin)
log "main view's client area at $x,$y"
# weston's X11 backend notices the pointer only once it has left its window and come back.
# (Left below the window, out of the screenshot.)
xdotool mousemove 1500 950 sleep 0.3 mousemove $((x + 150)) $((y + 240)) sleep 0.3
# The window with the title bar the program draws on Wayland (Qt's would offer maximise), as
# weston composed it.
grab_screen
convert "$work/screen.png" -crop 375x246+$x+$((y - 24)) +repage "$artifacts/wayland-main.png"
log "screenshot: $artifacts/wayland-main.png"

log "closing from the popup menu (アプリケーションの終了) keeps option.ini"
surface=($((x + 68)) $((y + 37))) # between the elapsed-time value and the lifetime caption
xdotool mousemove "${surface[@]}" click 3
sleep 0.5
xdotool key Down Down Down Down Down Down Down Down Return # the eighth item: アプリケーションの終了
wait_until 10 not alive "$app_pid" || fail "the program did not end from its popup menu"
wait "$app_pid" || fail "the program ended with status $?"
cmp "$work/option.before" "$work/data/kemurinadata/option.ini" ||
    fail "option.ini changed on close: $(iconv -f CP932 -t UTF-8 "$work/data/kemurinadata/option.ini")"

log "put away without a notification area (double click), then a second start"
start running "${wayland[@]}"
running=$app_pid
wait_until 20 view_shown || fail "the main view did not appear again"
read -r x y < <(client_origin)
xdotool mousemove 1500 950 sleep 0.3 mousemove $((x + 68)) $((y + 37)) sleep 0.3 click --repeat 2 --delay 80 1
wait_until 10 view_gone || fail "a double click did not put the view away"
alive "$running" || fail "the program ended when its view was put away"
start second "${wayland[@]}"
wait_until 10 view_shown || fail "a second start did not bring the view back"
sleep 1
alive "$app_pid" || fail "the second start ended without its message"
shot second-start
kill "$app_pid" # it waits on "プログラムは既に起動されています。", and writes nothing
wait "$app_pid" 2>/dev/null || true

grep -qi 'protocol error' "$work"/*.log && fail "a Wayland protocol error (see the logs)"
log "all steps passed; artefacts in $artifacts"
echo "wayland: passed"
