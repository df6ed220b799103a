#!/usr/bin/env bash
# ケムリナ end to end, as a user would: build the Debian package, unpack it into a temporary
# root (or, with --system, install it with apt and remove it at the end), start the program
# through its menu entry under Xvfb with a window manager (openbox) and a tray host (trayer),
# and drive it with the keyboard and the mouse.
#
#   tests/e2e/run-e2e.sh [--system] [build-dir]   (default: $KEMURINA_BUILD_DIR or ./build)
#
# Screenshots, reports, data files and logs go to <build-dir>/e2e-artifacts.
set -eEuo pipefail
export LC_ALL=C.UTF-8
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_name=e2e
# shellcheck source=tests/e2e/helpers.sh
source "$root/tests/e2e/helpers.sh"
in_own_display 1024x768 "$0" "$@"
system=false
[[ ${1:-} != --system ]] || system=true
! $system || shift
e2e_begin "${1:-}"
data_dir=$work/home/.local/share/kemurina
installed=false
e2e_undo() { ! $installed || apt-get remove -y -q kemurina >/dev/null 2>&1 || true; }

# --- the package -----------------------------------------------------------------------

cmake --build "$build" --target kemurina kemurina-report >/dev/null
log "building the Debian package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack -G DEB (see cpack.log)"
deb=$(echo "$work"/package/kemurina_*.deb)
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
    [[ -f $prefix/share/icons/hicolor/${size}x${size}/apps/kemurina.png ]] || fail "no ${size}px icon"
done
exec_line=$(sed -n 's/^Exec=//p' "$desktop_file")
[[ -x $prefix/bin/$exec_line ]] || fail "the menu entry runs '$exec_line', which the package lacks"

log "started without a display: a word in Japanese and English, no data folder"
status=0
mkdir -p "$work/no-display"
(cd "$work/no-display" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/kemurina" \
    >"$work/no-display.log" 2>&1) || status=$?
((status == 1)) || fail "the program ended with status $status, not 1"
grep -q 'グラフィカルなセッション' "$work/no-display.log" || fail "no word in Japanese"
grep -q 'graphical session' "$work/no-display.log" || fail "no word in English"
[[ ! -e $work/no-display/kemurinadata ]] || fail "it made a data folder"

# --- the desktop -----------------------------------------------------------------------

log "starting openbox and trayer on $DISPLAY"
start_desktop
own_user # no session bus: the tray is the XEmbed one, on X11

# Starts the program as the menu does: the desktop file's Exec, found on PATH.
start_from_menu() { # moment log-name
    PATH=$prefix/bin:$PATH faked "$1" "$exec_line" >"$work/$2.log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
}

# The window titled $1 is the one visible window, tray icons aside.
only_window() { [[ $(visible_windows | cut -f2 | grep -vx kemurina) == "$1" ]]; }
close_main() {
    xdotool windowactivate --sync "$(window_titled "$main_title")" key alt+F4
    wait_until 10 not alive "$app_pid" || fail "the program did not end after Alt+F4"
    wait "$app_pid" || fail "the program ended with status $?"
}

# --- first start: setup with the keyboard ----------------------------------------------

log "first start from the menu in an empty home ($setup_moment)"
start_from_menu "$setup_moment" first-run
wait_until 20 only_window "$setup_title" || fail "the first-run setup did not appear alone"
shot 01-setup
xdotool windowactivate --sync "$(window_titled "$setup_title")"
type_setup
wait_until 10 only_window "$confirm_title" || fail "the start confirmation did not follow the setup"
shot 02-confirm
xdotool windowactivate --sync "$(window_titled "$confirm_title")" key Return
wait_until 10 only_window "$main_title" || fail "the main window did not open after the start"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
xprop -id "$(window_titled "$main_title")" WM_CLASS | grep -qF "\"$wm_class\"" ||
    fail "the menu entry's StartupWMClass=$wm_class is not the main window's WM_CLASS"

log "closing with the close box (Alt+F4)"
close_main

# --- a later day: clipboard, tray, single instance ------------------------------------

log "second start ($day_moment)"
start_from_menu "$day_moment" second-run
wait_until 20 only_window "$main_title" || fail "the main window did not open on the second start"
main=$(window_titled "$main_title")
shot 04-main

clipboard() { xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null; }
clipboard_is() { cmp -s <(clipboard) "$1"; }
report() { (cd "$data_dir" && faked "$day_moment" "$prefix/bin/kemurina-report" "$@"); }

log "コピ１ and コピ２ against kemurina-report"
report --crlf >"$artifacts/report-long.txt"
report --short --crlf >"$artifacts/report-short.txt"
for button in "32 long" "88 short"; do
    read -r x which <<<"$button"
    click "$main" "$x" 206 1
    wait_until 5 clipboard_is "$artifacts/report-$which.txt" ||
        fail "the copy button at x=$x copied this, not the $which report: $(clipboard)"
done

log "double click on the window's own surface (68,37) to the tray, one click on the icon back"
click "$main" 68 37 --repeat 2 --delay 80 1
wait_until 10 shows window_titled kemurina || fail "no tray icon after the double click"
[[ -z $(window_titled "$main_title") ]] || fail "the main window stayed visible after the double click"
shot 05-tray
click "$(window_titled kemurina)" 10 10 1
wait_until 10 shows window_titled "$main_title" || fail "a click on the tray icon did not bring the window back"
wait_until 10 not shows window_titled kemurina || fail "the tray icon stayed after the window came back"

log "a killed instance never blocks the next start"
kill -KILL "$app_pid"
wait "$app_pid" 2>/dev/null || true
start_from_menu "$day_moment" after-kill
wait_until 20 only_window "$main_title" || fail "the start after a killed instance showed no main window"
close_main

# --- what is left on disk --------------------------------------------------------------

[[ -z $(ls -A "$TMPDIR") ]] || fail "left behind in the temporary folder: $(ls -A "$TMPDIR")"
entries=$(cd "$data_dir" && find . -mindepth 1 | sort | tr '\n' ' ')
[[ $entries == "./kemurinadata ./kemurinadata/initial.ini ./kemurinadata/milestone.ini ./kemurinadata/option.ini " ]] ||
    fail "unexpected files in the data directory: $entries"
initial=$(iconv -f CP932 -t UTF-8 "$data_dir/kemurinadata/initial.ini")
[[ $initial == $'2026,11,2,7,45,20,410,85\r' ]] || fail "initial.ini: $initial"
options=$(iconv -f CP932 -t UTF-8 "$data_dir/kemurinadata/option.ini")
number='-?[0-9]+'
# windowMode 2: the main view was the last one shown.
pattern="^1,12244,5,0,5,1,$number,$number,9241372,16777215,\"[^\"]*\",2,$number,$number,\"ソルジャー\""$'\r$'
[[ $options =~ $pattern ]] || fail "option.ini (one line): $options"

log "all steps passed; artefacts in $artifacts"
echo "e2e: passed"
