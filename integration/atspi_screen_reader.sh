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

# -displayfd: the server takes the first free display number itself.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 200); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[[ -s $work/display ]] || { echo "FAIL: the virtual X server did not start"; exit 1; }
export DISPLAY=":$(<"$work/display")"
unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$work

dbus-run-session -- "$python" "$here/atspi_screen_reader.py" "$kanmeri" "$table"
