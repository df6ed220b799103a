#!/usr/bin/env bash
# ケムリナ against an empty Qt Widgets window of the same size (375x222), side by side under
# one private Xvfb, runs alternating: time from exec to the main window being mapped, peak
# resident memory, instructions to the first shown window, and the cost of idling.
#
# usage: bench/compare-startup.sh [build-dir] [runs, default 15] [idle real seconds, default 30]
#
# The idle phase runs both programs with the clock sped up twenty-fold (libfaketime), so
# 30 real seconds are ten minutes of the programs' time: twenty ticks of the 30 s refresh.
# Prints a Markdown report on stdout; the raw figures stay in $KEMURINA_BENCH_KEEP if set.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-15}"
idle_real="${3:-30}"
speedup=20

for tool in Xvfb valgrind strace; do
    command -v "$tool" >/dev/null || { echo "compare-startup: $tool is missing (scripts/install-deps.sh --ci)" >&2; exit 2; }
done
faketime_lib=$(find /usr/lib -path '*/faketime/libfaketime.so.1' 2>/dev/null | head -1)
[[ -n "$faketime_lib" ]] || { echo "compare-startup: libfaketime is missing (package faketime)" >&2; exit 2; }

cmake --build "$build" --target kemurina empty_window time_to_map >&2
launcher="$build/bench/startup/time_to_map"
programs=(empty label kemurina)
# The command line of each program measured.
command_of() {
    case $1 in
    empty) cmd=("$build/bench/startup/empty_window") ;;
    label) cmd=("$build/bench/startup/empty_window" --label) ;;
    kemurina) cmd=("$build/app/kemurina") ;;
    esac
}

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    if [[ -n "${KEMURINA_BENCH_KEEP:-}" ]]; then
        mkdir -p "$KEMURINA_BENCH_KEEP" && cp -r "$work"/. "$KEMURINA_BENCH_KEEP"/
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A user who quit years ago with the main view in use: what a normal start shows.
mkdir -p "$work/run/kemurinadata" "$work/tmp" "$work/xdg"
chmod 700 "$work/xdg"
printf '2009,5,17,21,30,20,410,85\r\n' >"$work/run/kemurinadata/initial.ini"
printf '1,12244,5,1,5,1,1500,1500,9241372,16777215,"kemurina.example.jp/community/",2,0,0,"\x83\x5c\x83\x8b\x83\x57\x83\x83\x81\x5b"\r\n' \
    >"$work/run/kemurinadata/option.ini"
cd "$work/run"
# A private temporary folder keeps the instance lock away from any other running copy.
export TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/xdg" QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI

# A display number nobody uses; Xvfb writes it to fd 3 once it accepts clients. The abstract
# socket keeps the display reachable should something clear /tmp/.X11-unix meanwhile.
start_xvfb() {
    local n
    for _ in $(seq 20); do
        n=$((200 + RANDOM % 700))
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        : >"$work/display"
        Xvfb ":$n" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -listen local -noreset 3>"$work/display" 2>"$work/xvfb.log" &
        xvfb_pid=$!
        for _ in $(seq 100); do
            [[ -s "$work/display" ]] && kill -0 "$xvfb_pid" 2>/dev/null && { export DISPLAY=":$n"; return; }
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
    done
    echo "compare-startup: Xvfb did not start" >&2
    exit 2
}
start_xvfb

field() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p"; }
median() { sort -g | awk '{v[NR]=$1} END {if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a/b}'; }

# One measured run; a display that went away (another job on the machine) is started anew.
run_once() {  # name, launcher arguments...
    local name=$1; shift
    for _ in 1 2 3; do
        "$launcher" "$@" 2>>"$work/$name.stderr" && return 0
        kill -0 "$xvfb_pid" 2>/dev/null && return 1
        echo "compare-startup: Xvfb went away, starting another" >&2
        start_xvfb
    done
    return 1
}

# (a, b) start-up time and peak memory, the order of the programs rotating from run to run.
for name in "${programs[@]}"; do command_of "$name"; run_once "$name" --hold 200 "${cmd[@]}" >/dev/null; done
for i in $(seq "$runs"); do
    order=("${programs[@]:i%3}" "${programs[@]:0:i%3}")
    for name in "${order[@]}"; do
        command_of "$name"
        run_once "$name" --hold 200 "${cmd[@]}" >>"$work/$name.startup"
    done
done
geometry=$(head -1 "$work/kemurina.startup" | sed 's/.*width=\([0-9]*\) height=\([0-9]*\).*/\1x\2/')

# (c) instructions until the first window is mapped: callgrind runs the program, the launcher
# ends it with SIGTERM as soon as the map event arrives (callgrind writes its totals then).
for i in 1 2 3; do
    for name in "${programs[@]}"; do
        command_of "$name"
        run_once "$name" valgrind --tool=callgrind --callgrind-out-file="$work/$name.callgrind.$i" \
            "${cmd[@]}" >/dev/null
        sed -n 's/^summary: *//p' "$work/$name.callgrind.$i" >>"$work/$name.instructions"
    done
done

# (d) idle: both programs at once, clock sped up for them (not for the launcher, which
# measures in real time); CPU and wake-ups of all their threads.
fast_clock=(env LD_PRELOAD="$faketime_lib" FAKETIME="+0 x$speedup")
idlers=()
for name in "${programs[@]}"; do
    command_of "$name"
    run_once "$name" --idle "$((idle_real * 1000))" "${fast_clock[@]}" "${cmd[@]}" >"$work/$name.idle" &
    idlers+=($!)
done
wait "${idlers[@]}"
# The main thread's timed waits while idling: their timeouts are the program's timers.
strace -f -e trace=poll -o "$work/kemurina.strace" \
    "$launcher" --idle 15000 "${fast_clock[@]}" "$build/app/kemurina" >/dev/null 2>&1 || true
main_tid=$(awk '{print $1}' "$work/kemurina.strace" | uniq | sed -n 2p)
timeouts=$(awk -v t="$main_tid" '$1 == t' "$work/kemurina.strace" |
    sed -n 's/.*, \([0-9][0-9]*\)) *= 0 (Timeout).*/\1/p' | awk '$1 > 0' |
    awk -v s="$speedup" '{printf "%d\n", $1 * s / 1000 + 0.5}' | sort -n | uniq -c |
    awk '{printf "%s%d × %d s", (NR > 1 ? ", " : ""), $1, $2}')

med() { field "$2" <"$work/$1.$3" | median; }
idle_s=$((idle_real * speedup))
declare -A t m i c w
# shellcheck disable=SC2034  # read through the name reference in row()
for name in "${programs[@]}"; do
    t[$name]=$(med "$name" map_ms startup)
    m[$name]=$(med "$name" maxrss_kb startup | awk '{printf "%.1f", $1 / 1024}')
    i[$name]=$(median <"$work/$name.instructions" | awk '{printf "%.1f", $1 / 1e6}')
    c[$name]=$(field idle_cpu_ms <"$work/$name.idle")
    w[$name]=$(field idle_wakeups <"$work/$name.idle")
done
share() { awk -v c="$1" -v s="$idle_s" 'BEGIN {printf "%.4f %%", c / (s * 1000) * 100}'; }
row() {  # label, array name
    local -n v=$2
    echo "| $1 | ${v[empty]} | ${v[label]} | ${v[kemurina]} | $(ratio "${v[kemurina]}" "${v[empty]}")× | $(ratio "${v[kemurina]}" "${v[label]}")× |"
}

cat <<REPORT
| Measure | empty window | window with one label | ケムリナ | ratio to empty | ratio to label |
|---|---:|---:|---:|---:|---:|
$(row "(a) exec → main window mapped, median of $runs (ms)" t)
$(row "(b) peak resident memory, median (MiB)" m)
$(row "(c) instructions to the first shown window, median of 3 (M)" i)
| (d) CPU over $((idle_s / 60)) idle minutes (ms) | ${c[empty]} | ${c[label]} | ${c[kemurina]} | | |
| (d) share of one core while idle | $(share "${c[empty]}") | $(share "${c[label]}") | $(share "${c[kemurina]}") | | |
| (d) thread wake-ups over $((idle_s / 60)) idle minutes | ${w[empty]} | ${w[label]} | ${w[kemurina]} | | |

Main window as mapped: ${geometry}. Timed waits of the main thread while idle (program time): ${timeouts:-none}.
REPORT
