#!/usr/bin/env bash
# kanmeri's windows centred to the pixel on their real outer frame, under a
# window manager or none: runs centring.py, which follows the X server's
# top-level windows from before the program starts.
#
#   integration/centring.sh KANMERI DESKTOP
#
#   DESKTOP         X server                      window manager
#   none            Xvfb of the test's own        none
#   openbox         Xvfb of the test's own        openbox
#   xfwm4           Xvfb of the test's own        xfwm4 (settings over a bus of its own)
#   mutter          Xvfb of the test's own        mutter --x11
#   kwin            Xvfb of the test's own        kwin_x11
#   fake-wrong      Xvfb of the test's own        fake_wm.py: answers the question
#   fake-silent                                   for the frame wrongly, or not at all
#   fake-hidden                                   fake_wm.py: frames minimised windows
#                                                 instead of answering
#   mutter-wayland  the compositor's XWayland     mutter --wayland --headless
#   kwin-wayland    the compositor's XWayland     kwin_wayland --virtual
#
# The window managers start as a desktop starts them, without session
# management. Under the fakes that answer wrongly or not at all the first
# window cannot be centred; the windows after it must be. The suite runs none, openbox, xfwm4 and the fakes; mutter
# and kwin are for trying by hand (docs/x11-and-wayland.md). Exits 77
# (skipped) where a program it needs is missing.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
kanmeri=$1
desktop=$2
python=/usr/bin/python3 # the system one, which has Debian's python3-xlib

# shellcheck source=integration/virtual_x.sh
source "$here/virtual_x.sh"
"$python" -c 'import Xlib' 2>/dev/null || skip "python3-xlib is not installed"
checks=()
needs=(dbus-run-session)
case $desktop in
    none) manager=() ;;
    openbox | xfwm4 | mutter | kwin)
        manager=(dbus-run-session --)
        case $desktop in
            openbox) manager+=(openbox --sm-disable) ;;
            xfwm4) manager+=(xfwm4 --compositor=off --sm-client-disable) ;;
            mutter) manager+=(mutter --x11 --replace --sm-disable) ;;
            kwin) manager+=(kwin_x11 --replace) ;;
        esac
        needs+=("${manager[2]}")
        ;;
    fake-wrong | fake-silent)
        manager=("$python" "$here/fake_wm.py" "${desktop#fake-}")
        checks=(--after-first)
        ;;
    fake-hidden) manager=("$python" "$here/fake_wm.py" hidden) ;;
    mutter-wayland) needs+=(mutter Xwayland) ;;
    kwin-wayland) needs+=(kwin_wayland Xwayland) ;;
    *)
        echo "unknown desktop: $desktop"
        exit 2
        ;;
esac
[[ $desktop == *-wayland ]] || needs+=(Xvfb xdotool xprop)
for tool in "${needs[@]}"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

# The toolkit on its own defaults; the window manager's files in $work.
unset QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
    QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_IM_MODULE \
    XDG_CURRENT_DESKTOP DESKTOP_SESSION QT_QPA_PLATFORM
export HOME=$work XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export PYTHONDONTWRITEBYTECODE=1
check=("$python" "$here/centring.py" "$kanmeri" "${checks[@]}")

# A Wayland compositor starts its own XWayland and runs the check inside its
# session, with DISPLAY set; the check's report and status come back in files.
if [[ $desktop == *-wayland ]]; then
    unset DISPLAY WAYLAND_DISPLAY
    printf '%q ' "${check[@]}" >"$work/check"
    # shellcheck disable=SC2016 # expanded where the session runs the file
    echo '>"$0.out" 2>&1; echo $? >"$0.status"' >>"$work/check"
    if [[ $desktop == mutter-wayland ]]; then
        dbus-run-session -- mutter --wayland --headless --virtual-monitor 1280x1024 \
            --sm-disable -- bash "$work/check" >"$work/manager.log" 2>&1
    else
        dbus-run-session -- kwin_wayland --virtual --xwayland --width 1280 --height 1024 \
            --exit-with-session "bash $work/check" >"$work/manager.log" 2>&1
    fi
    cat "$work/check.out" 2>/dev/null || { cat "$work/manager.log"; exit 1; }
    exit "$(cat "$work/check.status")"
fi

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
        named=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null)
        [[ $named == *"window id"* ]] && ready=yes && break
        kill -0 "$manager_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -z $ready ]]; then
        echo "FAIL: $desktop did not start"
        cat "$work/manager.log"
        exit 1
    fi
fi

"${check[@]}"
