#!/usr/bin/env bash
# kanmeri_first_frame, the build whose start-up bench/compare.sh and
# bench/platform_startup.sh time from exec to exit, ends by itself with
# status 0, and only after its first frame: on X11 (the test command's X
# server) within 60 s; on Wayland, under a headless weston of its own, after
# titling the main window's toplevel and committing a buffer to its surface
# (its protocol log, WAYLAND_DEBUG=client). Without the exit, the scripts
# would time the program's 10 s time-out, or fall back to polling for the
# window. The Wayland case is skipped where weston or Qt's Wayland platform
# plugin is missing.
#
#   bench/first_frame_test.sh KANMERI_FIRST_FRAME QT_PLATFORM_PLUGIN_DIR
set -uo pipefail
# shellcheck source=scripts/weston.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/weston.sh"
program=$1
plugins=$2

work=$(mktemp -d)
chmod 700 "$work"
export XDG_RUNTIME_DIR=$work
weston_pid=
cleanup() {
    if [[ -n "$weston_pid" ]]; then
        kill "$weston_pid" 2>/dev/null
        wait "$weston_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
caption='曜日探し　＆　今週から1週間の運勢占い（当たるかな？）'
failed=0

# ends_by_itself CASE: runs the program with the environment set by the
# caller; fails the case unless it ends with status 0 within 60 s.
ends_by_itself() {
    local status=0
    timeout 60 "$program" >/dev/null 2>"$work/$1.log" || status=$?
    if ((status == 124)); then
        echo "FAIL [$1]: still running after 60 s"
        failed=1
        return 1
    elif ((status != 0)); then
        echo "FAIL [$1]: ended with status $status"
        tail -n 5 "$work/$1.log"
        failed=1
        return 1
    fi
}

if [[ -z "${DISPLAY:-}" ]]; then
    echo "FAIL [x11]: no X server (DISPLAY); the test command provides one"
    failed=1
elif (unset WAYLAND_DISPLAY QT_QPA_PLATFORM && ends_by_itself x11); then
    echo "ok [x11]: ended by itself, status 0"
else
    failed=1
fi

if ! command -v weston >/dev/null; then
    echo "skipped [wayland]: weston is not installed"
elif ! compgen -G "$plugins/libqwayland-*.so" >/dev/null; then
    echo "skipped [wayland]: no Qt Wayland platform plugin in $plugins"
else
    socket=wayland-kanmeri-first-frame-$$
    if ! start_weston "$work" "$socket"; then
        echo "FAIL [wayland]: weston did not start"
        failed=1
    elif (unset DISPLAY && export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland \
        WAYLAND_DEBUG=client && ends_by_itself wayland); then
        log=$(<"$work/wayland.log")
        if ! grep -qF "set_title(\"$caption\")" <<<"$log"; then
            echo "FAIL [wayland]: ended without titling the main window's toplevel"
            failed=1
        elif ! grep -qE 'wl_surface@[0-9]+\.attach\(wl_buffer@[0-9]+' <<<"$log" ||
            ! grep -qE 'wl_surface@[0-9]+\.commit\(\)' <<<"$log"; then
            echo "FAIL [wayland]: ended before a frame was committed"
            failed=1
        else
            echo "ok [wayland]: ended by itself, status 0, after committing its first frame"
        fi
    else
        failed=1
    fi
fi
exit "$failed"
