# start_weston DIR SOCKET: starts a headless weston on the Wayland socket
# SOCKET in DIR (the caller's XDG_RUNTIME_DIR), logging to DIR/weston.log,
# and waits up to 60 s for the socket. Sets weston_pid; on failure prints the
# log to stderr and returns 1. Source, do not run.
start_weston() {
    local dir=$1 socket=$2
    XDG_RUNTIME_DIR=$dir weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
        >"$dir/weston.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 1 600); do
        [[ -S "$dir/$socket" ]] && return 0
        kill -0 "$weston_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "weston did not start:" >&2
    cat "$dir/weston.log" >&2
    return 1
}
