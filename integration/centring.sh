#!/usr/bin/env bash
# kanmeri's windows centred to the pixel on their real outer frame, under a
# window manager or none, on an X server of the test's own: runs centring.py,
# which follows the server's top-level windows from before the program starts.
#
#   integration/centring.sh KANMERI none|openbox|xfwm4|fake-wrong|fake-silent
#
# The window managers start as a desktop starts them, without session
# management (xfwm4 reads its settings over a session bus of its own). The
# fake ones (fake_wm.py) draw no frame and answer the program's question for
# the frame wrongly or not at all: the first window cannot be centred, the
# windows after it must be. Exits 77 (skipped) where the window manager,
# Xvfb, xdotool, xprop or python3-xlib is missing.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
kanmeri=$1
wm=$2
python=/usr/bin/python3 # the system one, which has Debian's python3-xlib

# shellcheck source=integration/virtual_x.sh
source "$here/virtual_x.sh"
"$python" -c 'import Xlib' 2>/dev/null || skip "python3-xlib is not installed"
for tool in Xvfb xdotool xprop dbus-run-session; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
checks=()
case $wm in
    none) manager=() ;;
    openbox) manager=(openbox --sm-disable) ;;
    xfwm4) manager=(dbus-run-session -- xfwm4 --compositor=off --sm-client-disable) ;;
    fake-wrong | fake-silent)
        manager=("$python" "$here/fake_wm.py" "${wm#fake-}")
        checks=(--after-first)
        ;;
    *)
        echo "unknown window manager: $wm"
        exit 2
        ;;
esac
[[ ${manager[0]:-} != openbox ]] || command -v openbox >/dev/null || skip "openbox is not installed"
[[ $wm != xfwm4 ]] || command -v xfwm4 >/dev/null || skip "xfwm4 is not installed"

# The toolkit on its own defaults; the window manager's files in $work.
unset QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
    QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_IM_MODULE \
    XDG_CURRENT_DESKTOP DESKTOP_SESSION QT_QPA_PLATFORM
export HOME=$work XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export PYTHONDONTWRITEBYTECODE=1
start_virtual_x

manager_pid=
finish() {
    [[ -z $manager_pid ]] || kill "$manager_pid" 2>/dev/null
    cleanup
}
trap finish EXIT
if ((${#manager[@]})); then
    "${manager[@]}" >"$work/manager.log" 2>&1 &
    manager_pid=$!
    # Managing from the moment it names itself on the root window.
    ready=
    for _ in $(seq 1 600); do
        check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null)
        [[ $check == *"window id"* ]] && ready=yes && break
        kill -0 "$manager_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -z $ready ]]; then
        echo "FAIL: $wm did not start"
        cat "$work/manager.log"
        exit 1
    fi
fi

"$python" "$here/centring.py" "$kanmeri" "${checks[@]}"
