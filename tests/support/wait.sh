# Sourced by the end-to-end scripts: waiting for what a desktop does in its own time.

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
