# shellcheck shell=bash
# Sourced by the screen-reader tests. Gives skip (exit 77 with a reason), a
# private folder $work that goes when the script exits, and start_virtual_x:
# an X server of the test's own, on a display that no X server on this
# machine uses, exported as DISPLAY. Synthetic key events go wherever the
# display's keyboard focus is, so no other test's window may share it.

skip() {
    echo "SKIPPED: $*"
    exit 77
}

work=$(mktemp -d)
chmod 700 "$work"
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A display number with neither a lock file here nor a listening socket name,
# which X servers in other roots (the clean-install test's chroot) share with
# this one; from 90 up, out of the way of servers that take the first free one.
free_display() {
    local n
    for ((n = $1; n < 190; n++)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
        echo "$n"
        return 0
    done
    return 1
}

start_virtual_x() {
    local display=89
    for _ in 1 2 3 4 5; do
        display=$(free_display $((display + 1))) || break
        # -noreset: the server would otherwise reset when its last client
        # leaves (the accessibility bus launcher, after publishing its
        # address) and refuse the program that connects in that moment.
        Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 1 200); do
            [[ -S /tmp/.X11-unix/X$display ]] && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        [[ -S /tmp/.X11-unix/X$display ]] && kill -0 "$xvfb_pid" 2>/dev/null && break
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=
    done
    [[ -n $xvfb_pid ]] || { echo "FAIL: no virtual X server started"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=":$display"
    unset WAYLAND_DISPLAY
}
