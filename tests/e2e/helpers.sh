# What the end-to-end runs share; sourced after $root and $e2e_name are set.

# Starts the script again inside an Xvfb screen of this size unless it runs in one already.
in_own_display() { # WIDTHxHEIGHT script args...
    [[ -z ${KEMURINA_E2E_DISPLAY:-} ]] || return 0
    KEMURINA_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 ${1}x24 -nolisten tcp" "${@:2}"
}

log() { printf '[%s %3ds] %s\n' "$e2e_name" "$SECONDS" "$*"; }
shot() { import -window root "png:$artifacts/$1.png" 2>/dev/null || true; }
fail() {
    echo "$e2e_name: FAILED: $*" >&2
    shot failure
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
not() { ! "$@"; }
shows() { [[ -n $("$@") ]]; }
alive() { kill -0 "$1" 2>/dev/null; }

# The program's visible windows, one "id<TAB>title" line each; the tray icon is "kemurina".
# $window_class names another class (Wine names it after the program file); a window that
# closes while being listed is left out.
visible_windows() {
    local id class=${window_class:-^kemurina\$}
    for id in $(xdotool search --onlyvisible --class "$class" 2>/dev/null || true); do
        printf '%s\t%s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null || true)"
    done
}
window_titled() { visible_windows | awk -F'\t' -v t="$1" '$2 == t { print $1; exit }'; }

# Sets build, artifacts and work; at the end the processes in $pids stop and the logs and the
# data folder under $data_dir stay with the screenshots. $1: the build folder given, if any.
e2e_begin() {
    build=$(realpath -m "${1:-${KEMURINA_BUILD_DIR:-$root/build}}")
    artifacts=$build/$e2e_name-artifacts
    rm -rf "$artifacts"
    mkdir -p "$artifacts"
    work=$(mktemp -d "/tmp/kemurina-$e2e_name.XXXXXX")
    pids=()
    trap e2e_end EXIT
    trap 'fail "$BASH_COMMAND (line $LINENO)"' ERR
}
e2e_end() {
    kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    ! declare -F e2e_undo >/dev/null || e2e_undo
    cp "$work"/*.log "$artifacts/" 2>/dev/null || true
    cp -r "${data_dir:-$work/none}/kemurinadata" "$artifacts/" 2>/dev/null || true
    rm -rf "$work"
}

# A user of their own: an empty home and runtime folder, nothing of the caller's session.
own_user() {
    export HOME=$work/home TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime
    mkdir -p -m 700 "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
    unset XDG_DATA_HOME XDG_CONFIG_HOME DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM QT_SCALE_FACTOR \
        XDG_SESSION_TYPE WAYLAND_DISPLAY
    libfaketime=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -n1)
    [[ -n $libfaketime ]] || fail "libfaketime is not installed"
}

# openbox, and trayer at the top right as the notification area.
start_desktop() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    wm_runs() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; } # xprop alone exits 0
    wait_until 10 wm_runs || fail "openbox did not start"
    trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 24 \
        --transparent false --SetDockType true --expand false >"$work/trayer.log" 2>&1 &
    pids+=($!)
    wait_until 10 shows xdotool search --class trayer || fail "trayer did not start"
}

# Runs a command with the clock frozen at the given minute, so that the program and the report
# tool read the same moment (the monotonic clock still runs for Qt's timers). It replaces the
# calling subshell: a start in the background leaves the program's own id in $!.
faked() { # "YYYY-MM-DD hh:mm:ss" command...
    exec env FAKETIME="$1" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
        LD_PRELOAD="$libfaketime" "${@:2}"
}

# Points in a window's client area are in pixels: the form's twips divided by 15.
click() { xdotool mousemove --window "$1" "$2" "$3" click "${@:4}"; }

setup_title=' ケムリナ初期設定 - pelnoa'
confirm_title=' ( ・◇・)  - pelnoa'
main_title=' ケムリナ - pelnoa'
setup_moment='2026-11-02 07:45:00'
# 18 days after the setup: no message of the day has a random alternative then, so the
# program's and the report tool's texts can be compared byte for byte.
day_moment='2026-11-20 12:00:00'

# In the active setup window: 20 a day in the cigarettes box where the cursor starts, Tab to
# the price box, 410 yen, Enter sets.
type_setup() {
    xdotool type --delay 60 20 && xdotool key Tab && xdotool type --delay 60 410 && xdotool key Return
}
