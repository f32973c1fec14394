#!/usr/bin/env bash
# Runs atspi_screen_reader.py against the built program on a session bus of
# its own (dbus-run-session), which starts the accessibility bus and registry
# on demand, as a desktop session does for a screen reader, and under a
# virtual X server of its own: the test types with synthetic key events,
# which go wherever the keyboard focus of the display is, so no other test's
# window may share it. Exits 77 (skipped) where the AT-SPI packages or Xvfb
# are missing.
#
#   integration/atspi_screen_reader.sh KANMERI FORTUNE_TABLE_CPP
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
kanmeri=$1
table=$2
python=/usr/bin/python3  # the system one, which has Debian's pyatspi

skip() {
    echo "SKIPPED: $*"
    exit 77
}
[[ -x $python ]] || skip "no $python"
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
command -v dbus-run-session >/dev/null || skip "dbus-run-session (dbus) is not installed"
[[ -x /usr/libexec/at-spi-bus-launcher ]] || skip "at-spi2-core is not installed"
command -v Xvfb >/dev/null || skip "Xvfb is not installed"

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

# A display number that no X server on this machine uses: neither a lock
# file here nor a listening socket name, which X servers in other roots (the
# clean-install test's chroot) share with this one. From 90 up, out of the
# way of servers that take the first free number.
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
display=89
for _ in 1 2 3 4 5; do
    display=$(free_display $((display + 1))) || break
    # -noreset: the server would otherwise reset when its last client leaves
    # (the accessibility bus launcher, after publishing its address), and
    # refuse the program that connects in that moment.
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
export XDG_RUNTIME_DIR=$work

dbus-run-session -- "$python" "$here/atspi_screen_reader.py" "$kanmeri" "$table"
