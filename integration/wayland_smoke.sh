#!/usr/bin/env bash
# kanmeri on Wayland, under a headless compositor of its own:
#  1. the program starts, titles its toplevel with the main window's caption,
#     commits a frame and is still running after a few seconds;
#  2. the whole-program tests (lookup, switching, round trips) pass with the
#     Qt Wayland platform, their input injected in-process.
# Exits 77 (skipped) where weston or Qt's Wayland platform plugin is missing.
#
#   integration/wayland_smoke.sh KANMERI INTEGRATION_TESTS QT_PLATFORM_PLUGIN_DIR
set -uo pipefail
# shellcheck source=scripts/weston.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/weston.sh"
kanmeri=$1
tests=$2
plugins=$3

command -v weston >/dev/null || { echo "skipped: weston is not installed"; exit 77; }
compgen -G "$plugins/libqwayland-*.so" >/dev/null ||
    { echo "skipped: no Qt Wayland platform plugin in $plugins (qt6-wayland)"; exit 77; }

work=$(mktemp -d)
chmod 700 "$work"
export XDG_RUNTIME_DIR=$work
socket=wayland-kanmeri-test-$$
weston_pid=
app_pid=
cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [[ -n "$weston_pid" ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

start_weston "$work" "$socket" || exit 1

export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
unset DISPLAY
caption='曜日探し　＆　今週から1週間の運勢占い（当たるかな？）'

WAYLAND_DEBUG=client "$kanmeri" >/dev/null 2>"$work/kanmeri.log" &
app_pid=$!
# Waits for the title and the first frame, however long a busy machine takes
# to bring them, as long as the program runs; then gives it a moment to fall
# over after its first frame.
titled() { grep -qF "set_title(\"$caption\")" "$work/kanmeri.log"; }
drawn() { grep -qE 'wl_surface@[0-9]+\.attach\(wl_buffer@[0-9]+' "$work/kanmeri.log"; }
for _ in $(seq 1 600); do
    titled && drawn && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
sleep 1
failed=0
if ! kill -0 "$app_pid" 2>/dev/null; then
    echo "FAIL: kanmeri ended on Wayland"
    failed=1
fi
if ! titled; then
    echo "FAIL: no xdg_toplevel set_title with the main window's caption"
    failed=1
fi
if ! drawn; then
    echo "FAIL: kanmeri attached no buffer to a surface (no frame shown)"
    failed=1
fi
if ((failed)); then
    grep -vE '^\[[0-9. ]+\] +(->|wl_|xdg_|zwp_|wp_)' "$work/kanmeri.log" | tail -n 20
    exit 1
fi
echo "ok: kanmeri runs on Wayland, titled and drawn"
kill "$app_pid" 2>/dev/null
wait "$app_pid" 2>/dev/null
app_pid=

# A compositor without a seat gives Qt's Wayland input context no input
# device, and it dereferences that on every synthesised key; the tests type
# through QTest, so they run without an input method. Widgets draw into shared
# memory; leaving out the EGL buffer integration keeps the GL driver (which
# LeakSanitizer cannot see into once it is unloaded) out of the process.
QT_IM_MODULE=none QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none "$tests" --gtest_brief=1 || exit 1
echo "ok: whole-program tests pass on Wayland"
