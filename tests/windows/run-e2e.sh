#!/usr/bin/env bash
# ケムリナ for Windows end to end under Wine, as a Windows user would have it: the installer
# run silently in a new Wine, the program started as its Start-menu shortcut says, the
# first-run setup done with the keyboard, a later day on a faked clock, "コピ１", the notice settings; the
# Linux build is driven the same way beside it and every data file, clipboard text and
# report must be the same bytes. Then the silent uninstall, which must take away exactly what
# the install brought and leave the data.
#
#   tests/windows/run-e2e.sh [build-windows] [linux-build]   (defaults: build-windows, build)
#
# Screenshots, reports, data files and logs go to <build-windows>/wine-e2e-artifacts.
set -eEuo pipefail
export LC_ALL=C.UTF-8
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_name=wine-e2e
# shellcheck source=tests/e2e/helpers.sh
source "$root/tests/e2e/helpers.sh"
in_own_display 1024x768 "$0" "$@"
e2e_begin "${1:-$root/build-windows}"
folder=$build
linux_build=$(realpath "${2:-$root/build}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$folder/build/CMakeCache.txt")
setup=$folder/kemurina-$version-setup.exe
e2e_undo() { wineserver -k 2>/dev/null || true; }
window_class='^kemurina(\.exe)?$' # the Linux build's windows, and Wine's named after the file

# Activates the window of that title, then sends it the xdotool commands given; Wine may
# replace a window's X window just as it shows, so this tries again for a while.
try_window() {
    local id
    id=$(window_titled "$1") && [[ -n $id ]] && xdotool windowactivate --sync "$id" "${@:2}"
}
on_window() { wait_until 10 try_window "$@" || fail "could not reach the window '$1'"; }

# --- a new Wine for a user of its own, a window manager and a tray -----------------------

own_user
export WINEPREFIX=$work/wine
log "a new Wine prefix"
source "$root/tests/windows/wine-env.sh"
# One server for the whole run, started on the true clock: the programs alone see a faked one.
wineserver -p
start_desktop

drive_c=$WINEPREFIX/drive_c
unix_path() { # C:\... as this machine sees it
    local path=${1//\\//}
    echo "$drive_c/${path#C:/}"
}
# Where an install writes in a user's profile: the local application data, the Start menu and
# the desktop's shortcuts (Wine links the desktop to the home folder).
user_files() {
    (shopt -s nullglob && cd "$drive_c/users" &&
        find -L ./*/AppData/Local ./*/AppData/Roaming/Microsoft/Windows/"Start Menu" ./*/Desktop/*.lnk |
        grep -v '/AppData/Local/Temp' | sort)
}

# --- install ------------------------------------------------------------------------------

user_files >"$work/before-install.txt"
log "silent install: $(basename "$setup") /S"
"$wine" "$setup" /S
user=$(ls "$drive_c/users" | grep -vx Public | head -n1)
local_app_data="C:\\users\\$user\\AppData\\Local"
install_dir=$(unix_path "$local_app_data\\Programs\\ケムリナ")
[[ -f $install_dir/kemurina.exe ]] || fail "nothing installed in $install_dir"
installed=$(cd "$install_dir" && find . -type f | sort)
shipped=$( (cd "$folder/kemurina-$version" && find . -type f && echo ./uninstall.exe) | sort)
[[ $installed == "$shipped" ]] || fail "installed files differ from the program folder: $(diff <(echo "$installed") <(echo "$shipped"))"

start_menu="$drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/ケムリナ.lnk"
for shortcut in "$start_menu" "$drive_c/users/$user/Desktop/ケムリナ.lnk"; do
    [[ -f $shortcut ]] || fail "no shortcut $shortcut"
    mapfile -t link < <(python3 "$root/tests/windows/read-shortcut.py" "$shortcut")
    [[ ${link[0]} == "$local_app_data\\Programs\\"*"\\kemurina.exe" ]] || fail "the shortcut runs ${link[0]}"
    [[ ${link[1]} == "$local_app_data\\ケムリナ" ]] || fail "the shortcut starts in ${link[1]}"
done
data_dir=$(unix_path "${link[1]}")
[[ -d $data_dir ]] || fail "the installer did not make the working folder $data_dir"
"$wine" reg export 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\kemurina' \
    "$(windows_path "$work/uninstall.reg")" /y >/dev/null
iconv -f UTF-16 -t UTF-8 "$work/uninstall.reg" | tr -d '\r' >"$artifacts/uninstall-key.txt"
for entry in '"DisplayName"="ケムリナ"' "\"DisplayVersion\"=\"$version\"" '"Publisher"="pelnoa"' \
    '"DisplayIcon"="C:\\users\\'"$user"'\\AppData\\Local\\Programs\\ケムリナ\\kemurina.exe,0"'; do
    grep -qxF "$entry" "$artifacts/uninstall-key.txt" || fail "the uninstall key lacks $entry"
done

# --- the two programs, driven alike -------------------------------------------------------

mkdir -p "$work/linux"
start() { # folder moment log-name program...
    (cd "$1" && faked "$2" "${@:4}") >"$work/$3.log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
}
start_windows() { start "$data_dir" "$@" "$wine" "$install_dir/kemurina.exe"; }
start_linux() { start "$work/linux" "$@" "$linux_build/app/kemurina"; }
close_main() {
    on_window "$main_title" key alt+F4
    wait_until 15 not alive "$app_pid" || fail "the program did not end after Alt+F4"
}
first_run() { # start-function name
    log "$2: first start ($setup_moment), setup with the keyboard"
    "$1" "$setup_moment" "$2-first"
    wait_until 60 shows window_titled "$setup_title" || fail "$2: the first-run setup did not appear"
    shot "$2-01-setup"
    on_window "$setup_title"
    type_setup
    wait_until 15 shows window_titled "$confirm_title" || fail "$2: no start confirmation"
    on_window "$confirm_title" key Return
    wait_until 15 shows window_titled "$main_title" || fail "$2: no main window after the start"
    close_main
}
first_run start_windows windows
first_run start_linux linux
for file in initial.ini option.ini milestone.ini; do
    cmp "$data_dir/kemurinadata/$file" "$work/linux/kemurinadata/$file" ||
        fail "$file differs: Windows $(od -c "$data_dir/kemurinadata/$file" | head -3), Linux $(od -c "$work/linux/kemurinadata/$file" | head -3)"
done
log "initial.ini, option.ini and milestone.ini are the same bytes as the Linux build's"

# --- a later day --------------------------------------------------------------------------

log "windows: second start ($day_moment)"
start_windows "$day_moment" windows-second
wait_until 60 shows window_titled "$main_title" || fail "no main window on the second start"
main=$(window_titled "$main_title")
sleep 1 # the first paint
import -window "$main" "png:$artifacts/windows-main.png"

clipboard() { xclip -o -selection clipboard 2>/dev/null; }
# Wine hands the text to X with LF line ends, as X programs expect.
clipboard_is() { cmp -s <(clipboard) <(tr -d '\r' <"$1"); }
linux_report() { (cd "$data_dir" && faked "$day_moment" "$linux_build/tools/report/kemurina-report" "$@"); }
windows_report() { (cd "$data_dir" && faked "$day_moment" "$wine" "$install_dir/kemurina-report.exe" "$@"); }

log "コピ１ against the Linux build's kemurina-report --crlf"
linux_report --crlf >"$artifacts/report-long.txt"
click "$main" 32 206 1
wait_until 10 clipboard_is "$artifacts/report-long.txt" || fail "コピ１ copied this: $(clipboard)"

log "kemurina-report.exe against the Linux build's, byte for byte"
for options in "" --crlf --short --mini --json --record "--short --crlf"; do
    # shellcheck disable=SC2086
    linux_status=0 && linux_report $options >"$work/linux.out" || linux_status=$?
    # shellcheck disable=SC2086
    windows_status=0 && windows_report $options >"$work/windows.out" 2>"$work/windows.err" ||
        windows_status=$?
    ((linux_status == windows_status)) || fail "kemurina-report.exe $options ended with $windows_status"
    cmp "$work/linux.out" "$work/windows.out" ||
        fail "kemurina-report.exe $options: $(diff <(od -c "$work/linux.out") <(od -c "$work/windows.out") | head)"
done

log "ログイン時にケムリナを起動する: a shortcut in the Startup folder, and gone again"
notice_title=' お知らせと自動起動 - pelnoa'
# Windows spells the folder Startup, Wine StartUp.
programs="$drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
startup() { compgen -G "$programs/[Ss]tart[Uu]p/ケムリナ.lnk"; }
click "$(window_titled "$main_title")" 100 10 3
xdotool sleep 0.5 key Up Up Return # the popup's last items: the notice settings, then 吸いたい！
wait_until 10 shows window_titled "$notice_title" || fail "the popup did not open the notice settings"
on_window "$notice_title" key space
has_startup() { startup >/dev/null; }
wait_until 10 has_startup || fail "no shortcut in the Startup folder"
mapfile -t link < <(python3 "$root/tests/windows/read-shortcut.py" "$(startup)")
# Wine keeps the target's path in the shortcut's ANSI field alone, with "?" for the kana.
[[ ${link[*]} == "$local_app_data\\Programs\\"*"\\kemurina.exe $local_app_data\\ケムリナ" ]] ||
    fail "the Startup shortcut runs ${link[0]} in ${link[1]}"
xdotool key space
wait_until 10 not has_startup || fail "the Startup shortcut stayed after the box was cleared"
xdotool key Escape
close_main

# --- uninstall ----------------------------------------------------------------------------

log "silent uninstall"
"$wine" "$install_dir/uninstall.exe" /S
gone() { [[ ! -e $install_dir ]]; }
wait_until 30 gone || fail "the uninstaller left $install_dir: $(ls -R "$install_dir")"
user_files >"$work/after-uninstall.txt"
left=$(comm -13 "$work/before-install.txt" "$work/after-uninstall.txt")
expected=$(printf "./$user/AppData/Local/ケムリナ%s\n" "" /kemurinadata /kemurinadata/initial.ini \
    /kemurinadata/milestone.ini /kemurinadata/option.ini)
[[ $left == "$expected" ]] || fail "after the uninstall, besides the data: $(diff <(echo "$left") <(echo "$expected"))"
removed=$(comm -23 "$work/before-install.txt" "$work/after-uninstall.txt")
[[ -z $removed ]] || fail "the install and uninstall removed: $removed"
! "$wine" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\kemurina' >/dev/null 2>&1 ||
    fail "the uninstall key stayed"
log "all steps passed; artefacts in $artifacts"
echo "wine-e2e: passed"
