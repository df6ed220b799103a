#!/usr/bin/env bash
# ケムリナ end to end, as a user would: build the Debian package, unpack it into a temporary
# root (or, with --system, install it with apt and remove it at the end), start the program
# through its menu entry under Xvfb with a window manager (openbox) and a tray host (trayer),
# and drive it with the keyboard and the mouse.
#
#   tests/e2e/run-e2e.sh [--system] [build-dir]   (default: $KEMURINA_BUILD_DIR or ./build)
#
# Screenshots, clipboard texts, reports, data files and logs go to <build-dir>/e2e-artifacts.
set -euo pipefail
export LC_ALL=C.UTF-8

system=false
if [[ ${1:-} == --system ]]; then
    system=true
    shift
fi
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath -m "${1:-${KEMURINA_BUILD_DIR:-$root/build}}")
artifacts=$build/e2e-artifacts
rm -rf "$artifacts"
mkdir -p "$artifacts"
work=$(mktemp -d /tmp/kemurina-e2e.XXXXXX)
started=$SECONDS
pids=()
app_pid=
data_dir=
installed=false

cleanup() {
    local pid
    for pid in $app_pid "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    if $installed; then
        apt-get remove -y -q kemurina >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

log() { printf '[e2e %3ds] %s\n' $((SECONDS - started)) "$*"; }
shot() { import -window root "png:$artifacts/$1.png" 2>/dev/null || true; }
fail() {
    echo "FAIL: $*" >&2
    shot failure
    cp -r "$data_dir/kemurinadata" "$artifacts/" 2>/dev/null || true
    for f in "$work"/*.log; do
        [[ -e $f ]] && cp "$f" "$artifacts/"
    done
    echo "e2e: FAILED" >&2
    exit 1
}

# Runs "$@" every 0.2 s until it succeeds, for at most $1 seconds.
wait_until() {
    local limit=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < limit)) || return 1
        sleep 0.2
    done
}

# --- the package -----------------------------------------------------------------------

if [[ ! -f $build/CPackConfig.cmake ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target kemurina kemurina-report >/dev/null
log "building the Debian package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack -G DEB (see cpack.log)"
deb=$(echo "$work"/package/kemurina_*.deb)
[[ -f $deb ]] || fail "no package was built"
cp "$work/cpack.log" "$artifacts/"
dpkg-deb -f "$deb" Package Version Depends >"$artifacts/package-control.txt"
if $system; then
    [[ $(id -u) == 0 ]] || fail "--system installs the package with apt and needs root"
    log "apt install $(basename "$deb")"
    installed=true
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$work/apt-install.log" 2>&1 ||
        fail "apt install of the package (see apt-install.log)"
    prefix=/usr
else
    dpkg-deb -x "$deb" "$work/root"
    prefix=$work/root/usr
fi

log "validating the menu entry and the AppStream data"
desktop_file=$prefix/share/applications/jp.example.kemurina.desktop
desktop-file-validate "$desktop_file" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/jp.example.kemurina.metainfo.xml" \
    >"$artifacts/appstream.txt" 2>&1 || fail "appstreamcli validate: $(cat "$artifacts/appstream.txt")"
for size in 16 22 24 32 48 64 128 256; do
    [[ -f $prefix/share/icons/hicolor/${size}x${size}/apps/kemurina.png ]] ||
        fail "no ${size}x${size} icon in the package"
done
exec_line=$(sed -n 's/^Exec=//p' "$desktop_file")
[[ -x $prefix/bin/$exec_line ]] || fail "the menu entry runs '$exec_line', which the package lacks"

log "started without a display: a word in Japanese and English, no data folder"
mkdir -p "$work/no-display"
status=0
(cd "$work/no-display" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$prefix/bin/kemurina" >"$work/no-display.log" 2>&1) || status=$?
((status == 1)) || fail "without a display the program ended with status $status, not 1"
for words in 'グラフィカルなセッション' 'graphical session'; do
    grep -q "$words" "$work/no-display.log" || fail "without a display: $(cat "$work/no-display.log")"
done
[[ ! -e $work/no-display/kemurinadata ]] || fail "started without a display, it made a data folder"

# --- the desktop -----------------------------------------------------------------------

log "starting Xvfb, openbox and trayer"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
wait_until 10 test -s "$work/display" || fail "Xvfb did not start"
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_until 10 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || fail "openbox did not start"
trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 24 \
    --transparent false --SetDockType true --expand false >"$work/trayer.log" 2>&1 &
pids+=($!)
wait_until 10 sh -c 'xdotool search --class trayer >/dev/null' || fail "trayer did not start"

# A user of their own: an empty home, no session bus (the tray is the XEmbed one), X11.
export HOME=$work/home TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset XDG_DATA_HOME DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM QT_SCALE_FACTOR
data_dir=$HOME/.local/share/kemurina
libfaketime=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -n1)
[[ -n $libfaketime ]] || fail "libfaketime is not installed"

# The clock is frozen at the given minute for everything started through these, so the
# program and the report tool read the same moment; the monotonic clock still runs for Qt's
# timers.
faked() { # "YYYY-MM-DD hh:mm:ss" command...
    local moment=$1
    shift
    FAKETIME="$moment" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
        LD_PRELOAD=$libfaketime "$@"
}

# Starts the program as the menu does: the desktop file's Exec, found on PATH.
start_from_menu() { # moment log-name
    PATH=$prefix/bin:$PATH faked "$1" "$exec_line" >"$work/$2.log" 2>&1 &
    app_pid=$!
}

# The program's visible windows, one "id<TAB>title" line each (tray icons included).
visible_windows() {
    local id
    for id in $(xdotool search --onlyvisible --class '^kemurina$' 2>/dev/null); do
        printf '%s\t%s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
}
window_titled() { visible_windows | awk -F'\t' -v t="$1" '$2 == t { print $1; exit }'; }
has_window() { [[ -n $(window_titled "$1") ]]; }
lacks_window() { [[ -z $(window_titled "$1") ]]; }
only_window() { # title: it is the one visible window, tray icons aside
    local titles
    titles=$(visible_windows | cut -f2 | grep -vx kemurina || true)
    [[ $titles == "$1" ]]
}
# The tray icon: a small window of the program that the tray host has embedded.
is_tray_icon() { xwininfo -id "$1" | grep -q 'Width: 2[0-9]$'; }
# A visible window of the program that is neither the main window nor a tray icon.
is_message_box() { [[ $(xdotool getwindowname "$1") != "$main_title" ]] && ! is_tray_icon "$1"; }
first_window() { # predicate: the first visible window of the program it holds for
    local id
    for id in $(xdotool search --onlyvisible --class '^kemurina$' 2>/dev/null); do
        "$1" "$id" && echo "$id" && return
    done
    return 0
}
tray_icon() { first_window is_tray_icon; }
message_box() { first_window is_message_box; }
has_message_box() { [[ -n $(message_box) ]]; }
# A popup menu is open: one more visible window than the view it belongs to.
popup_open() { (($(xdotool search --onlyvisible --class '^kemurina$' 2>/dev/null | wc -l) > 1)); }
has_tray_icon() { [[ -n $(tray_icon) ]]; }
lacks_tray_icon() { [[ -z $(tray_icon) ]]; }
app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
close_main() {
    xdotool windowactivate --sync "$(window_titled "$main_title")"
    xdotool key alt+F4
    wait_until 10 app_ended || fail "the program did not end after its main window closed"
    wait "$app_pid" || fail "the program ended with status $?"
}

setup_title=' ケムリナ初期設定 - pelnoa'
confirm_title=' ( ・◇・)  - pelnoa'
main_title=' ケムリナ - pelnoa'
mini_title=' ケムリナ mini mode'

# --- first start: setup with the keyboard ----------------------------------------------

setup_moment='2026-11-02 07:45:00'
log "first start from the menu in an empty home ($setup_moment)"
start_from_menu "$setup_moment" first-run
wait_until 20 only_window "$setup_title" || fail "the first-run setup did not appear alone"
[[ -d $data_dir/kemurinadata ]] || fail "no data folder in $data_dir"
shot 01-setup
xdotool windowactivate --sync "$(window_titled "$setup_title")"
# The cursor starts in the cigarettes box; Tab leads to the price box, Enter sets.
xdotool type --delay 40 20
xdotool key Tab
xdotool type --delay 40 410
xdotool key Return
wait_until 10 only_window "$confirm_title" || fail "the start confirmation did not follow the setup"
shot 02-confirm
xdotool windowactivate --sync "$(window_titled "$confirm_title")"
xdotool key Return
wait_until 10 only_window "$main_title" || fail "the main window did not open after the start"
shot 03-main-first
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
xprop -id "$(window_titled "$main_title")" WM_CLASS | grep -qF "\"$wm_class\"" ||
    fail "the menu entry's StartupWMClass=$wm_class is not the main window's WM_CLASS"
initial=$(iconv -f CP932 -t UTF-8 "$data_dir/kemurinadata/initial.ini")
[[ $initial == $'2026,11,2,7,45,20,410,85\r' ]] || fail "initial.ini after setup: $initial"

log "closing with the close box (Alt+F4)"
close_main

# --- a later day: reports, tray, mini view ---------------------------------------------

day_moment='2026-12-10 12:00:00'
log "second start ($day_moment)"
start_from_menu "$day_moment" second-run
wait_until 20 only_window "$main_title" || fail "the main window did not open on the second start"
main=$(window_titled "$main_title")
shot 04-main

# Clicks the centre of a control given in twips of the main window's client area.
click_twips() { # window left top width height [click options and button]
    local click=("${@:6}")
    ((${#click[@]})) || click=(1)
    xdotool mousemove --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) \
        click "${click[@]}"
}
clipboard_is() { # file
    xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | cmp -s - "$1"
}
report() { (cd "$data_dir" && faked "$day_moment" "$prefix/bin/kemurina-report" "$@"); }

report --crlf >"$artifacts/report-long.txt"
report --short --crlf >"$artifacts/report-short.txt"
grep -q '卒煙日： 2026年 11月 2日' "$artifacts/report-long.txt" ||
    fail "kemurina-report in $data_dir did not find the quit moment the setup wrote"

log "コピ１ and コピ２ against kemurina-report"
for button in "120 long" "960 short"; do
    read -r left which <<<"$button"
    click_twips "$main" "$left" 2950 735 300
    if ! wait_until 5 clipboard_is "$artifacts/report-$which.txt"; then
        xclip -o -selection clipboard -t UTF8_STRING >"$artifacts/clipboard-$which.txt" 2>&1 || true
        fail "the copy button at $left twips put something else than the $which report on the clipboard"
    fi
done

# The window's own surface: between the elapsed-time value and the lifetime caption.
surface=(120 510 1800 90)

log "double click to the tray, one click on the icon back"
click_twips "$main" "${surface[@]}" --repeat 2 --delay 80 1
wait_until 10 has_tray_icon || fail "no tray icon after the double click"
lacks_window "$main_title" || fail "the main window stayed visible after the double click"
shot 05-tray
xdotool mousemove --window "$(tray_icon)" 10 10 click 1
wait_until 10 has_window "$main_title" || fail "a click on the tray icon did not bring the window back"
wait_until 10 lacks_tray_icon || fail "the tray icon stayed after the window came back"

log "popup menu: mini view and back"
click_twips "$main" "${surface[@]}" 3
wait_until 5 popup_open || fail "no popup menu on a right click on the main window"
shot 06-popup
xdotool key Down Down Down Down Down Down Return # ミニサイズで運転する
wait_until 10 only_window "$mini_title" || fail "ミニサイズで運転する did not switch to the mini window"
mini=$(window_titled "$mini_title")
shot 07-mini
xdotool mousemove --window "$mini" 140 44 click 3
wait_until 5 popup_open || fail "no popup menu on a right click on the mini window"
shot 08-mini-popup
xdotool key Down Down Down Down Down Down Down Return # 標準サイズで運転する
wait_until 10 only_window "$main_title" || fail "標準サイズで運転する did not switch back"
shot 09-main-again

log "the record window from the popup menu's last item"
click_twips "$main" "${surface[@]}" 3
wait_until 5 popup_open || fail "no popup menu for the record window"
xdotool key Up Return # 卒煙の記録を見る
record_title=' 卒煙の記録 - pelnoa'
wait_until 10 has_window "$record_title" || fail "卒煙の記録を見る did not open the record window"
shot 10-record
xdotool windowactivate --sync "$(window_titled "$record_title")"
xdotool key Escape
wait_until 10 lacks_window "$record_title" || fail "Escape did not close the record window"

log "a killed instance never blocks the next start"
pkill -KILL -x kemurina
wait "$app_pid" 2>/dev/null || true
start_from_menu "$day_moment" after-kill
wait_until 20 only_window "$main_title" || fail "the start after a killed instance showed no main window"
close_main

log "two starts at once: one runs, the other says so and ends"
start_from_menu "$day_moment" together-a
pids+=("$app_pid")
start_from_menu "$day_moment" together-b
pids+=("$app_pid")
wait_until 20 has_message_box || fail "neither of two starts at once showed the message"
wait_until 20 has_window "$main_title" || fail "neither of two starts at once showed the main window"
xdotool windowactivate --sync "$(message_box)"
xdotool key Return
running() { local p n=0; for p in "${pids[@]: -2}"; do kill -0 "$p" 2>/dev/null && n=$((n + 1)); done; echo $n; }
one_running() { [[ $(running) == 1 ]]; }
wait_until 10 one_running || fail "$(running) of two starts at once keep running"
for app_pid in "${pids[@]: -2}"; do kill -0 "$app_pid" 2>/dev/null && break; done

log "closing"
close_main
app_pid=

# --- what is left on disk --------------------------------------------------------------

cp -r "$data_dir/kemurinadata" "$artifacts/"
leftovers=$(find "$TMPDIR" -mindepth 1 | tr '\n' ' ')
[[ -z $leftovers ]] || fail "left behind in the temporary folder: $leftovers"
entries=$(cd "$data_dir" && find . -mindepth 1 | sort | tr '\n' ' ')
[[ $entries == "./kemurinadata ./kemurinadata/initial.ini ./kemurinadata/option.ini " ]] ||
    fail "unexpected files in the data directory: $entries"
initial=$(iconv -f CP932 -t UTF-8 "$data_dir/kemurinadata/initial.ini")
[[ $initial == $'2026,11,2,7,45,20,410,85\r' ]] || fail "initial.ini at the end: $initial"
[[ $(wc -l <"$data_dir/kemurinadata/option.ini") == 1 ]] || fail "option.ini is not one line"
options=$(iconv -f CP932 -t UTF-8 "$data_dir/kemurinadata/option.ini")
number='-?[0-9]+'
# windowMode 2: the instance that switched back to the main view was killed before it saved.
pattern="^1,12244,5,0,5,1,$number,$number,9241372,16777215,\"[^\"]*\",2,$number,$number,\"ソルジャー\""$'\r$'
[[ $options =~ $pattern ]] || fail "option.ini at the end: $options"

if $system; then
    log "apt remove kemurina"
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -q kemurina >"$work/apt-remove.log" 2>&1 ||
        fail "apt remove kemurina (see apt-remove.log)"
    installed=false
    ! dpkg-query -W -f='${Status}' kemurina 2>/dev/null | grep -q 'ok installed' ||
        fail "kemurina is still installed after apt remove"
    while read -r path; do
        [[ ! -e /$path || -d /$path ]] || fail "apt remove left /$path behind"
    done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||')
fi

for f in "$work"/*.log; do
    cp "$f" "$artifacts/"
done
log "all steps passed; artefacts in $artifacts"
echo "e2e: passed"
