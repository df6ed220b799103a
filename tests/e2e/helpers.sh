# What the end-to-end runs share; sourced after $e2e_name and $artifacts are set.

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
visible_windows() {
    local id
    for id in $(xdotool search --onlyvisible --class '^kemurina$' 2>/dev/null); do
        printf '%s\t%s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
}
window_titled() { visible_windows | awk -F'\t' -v t="$1" '$2 == t { print $1; exit }'; }
