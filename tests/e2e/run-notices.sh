#!/usr/bin/env bash
# The milestone notifications against a real notification service: under Xvfb, with a session
# bus of its own and dunst (Debian's notification daemon), ケムリナ runs on a sped-up clock
# across the 11th day; what reached the service is read off the bus with dbus-monitor, and the
# notification's default action must open the record window.
#
#   tests/e2e/run-notices.sh [build-dir]   (default: $KEMURINA_BUILD_DIR or ./build)
#
# Logs, the bus traffic and a screenshot go to <build-dir>/notices-artifacts.
set -eEuo pipefail
export LC_ALL=C.UTF-8
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_name=notices
# shellcheck source=tests/e2e/helpers.sh
source "$root/tests/e2e/helpers.sh"
in_own_display 1024x768 "$0" "$@"
e2e_begin "${1:-}"
data_dir=$work/app

cmake --build "$build" --target kemurina >/dev/null
program=$build/app/kemurina
own_user

# A session bus that only this test uses.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" \
    >"$work/dbus.log" 2>&1 &
pids+=($!)
wait_until 10 test -S "$XDG_RUNTIME_DIR/bus" || fail "the session bus did not start"

log "dunst as the notification service, dbus-monitor on the bus"
dbus-monitor "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
    "type='signal',interface='org.freedesktop.Notifications'" >"$work/bus-notify.log" 2>&1 &
pids+=($!)
dunst >"$work/dunst.log" 2>&1 &
pids+=($!)
service_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
        grep -q 'boolean true'
}
wait_until 10 service_up || fail "dunst did not take org.freedesktop.Notifications"

# The quit moment: 1 January 2026 08:30, so that day 11 begins on 12 January at 08:30.
app=$work/app
mkdir -p "$app/kemurinadata"
printf '2026,1,1,8,30,20,300,85\r\n' >"$app/kemurinadata/initial.ini"
printf '1,12244,5,0,5,1,0,0,9241372,16777215,"kemurina.example.jp/community/",2,0,0,"%s"\r\n' \
    "$(printf 'ソルジャー' | iconv -t CP932)" >"$app/kemurinadata/option.ini"

# Starts the program in its start directory with the clock from that moment on, ten times as
# fast: the 30-second refresh comes every three seconds.
start_at() { # "YYYY-MM-DD hh:mm:ss" log-name
    (cd "$app" && exec env FAKETIME="@$1 x10" FAKETIME_NO_CACHE=1 LD_PRELOAD="$libfaketime" \
        "$program" >"$work/$2.log" 2>&1) &
    app_pid=$!
    pids+=("$app_pid")
}
notify_calls() { grep -c 'member=Notify' "$work/bus-notify.log" || true; }
notified() { (($(notify_calls) >= $1)); } # at least this many calls
# The strings of the n-th Notify call on the bus: app name, icon, title, body, action keys…
notify_strings() { # n
    awk -v n="$1" '/member=Notify/ { call++ } call == n && /^ *string "/' "$work/bus-notify.log" |
        sed 's/^ *string "//; s/"$//'
}

log "first start at day 10, 23:59:40: nothing from the past"
start_at "2026-01-12 08:29:40" first
wait_until 15 test -s "$app/kemurinadata/milestone.ini" || fail "no milestone.ini after the first start"
[[ $(notify_calls) == 0 ]] || fail "a first start told something from the past"

log "the clock crosses day 11: one notification"
wait_until 20 notified 1 || fail "no notification reached the service"
# The program's name, the icon, the title, the body and the default action's key.
expected=(ケムリナ kemurina 卒煙１１日目 「アヒルの副隊長がやってきた」の絵が加わりました。 default)
mapfile -t first < <(notify_strings 1)
[[ ${first[*]:0:5} == "${expected[*]}" ]] || fail "the notification's strings: ${first[*]}"
grep -q '"image-data"' "$work/bus-notify.log" || fail "the notification carries no icon image"
shot 01-notification

log "a click on the notification opens the record window"
dunstctl action 0 >"$work/dunstctl.log" 2>&1 || fail "dunstctl action failed"
record_title=" 卒煙の記録 - pelnoa"
shows_record() { [[ -n $(window_titled "$record_title") ]]; }
wait_until 10 shows_record ||
    fail "the notification's default action did not open the record window"
shot 02-record

kill -TERM "$app_pid"
log "passed"
