#!/usr/bin/env bash
# kanmeri's start-up on X11 and on native Wayland: the median of RUNS
# (default 21) starts of bench/kanmeri_first_frame (the program, ending at
# once after its first frame), from exec to exit, the cases taking turns:
#
#   x11               under Xvfb (DISPLAY only): the program's own choice
#   wayland           under a headless weston with QT_QPA_PLATFORM=wayland,
#                     as a user who chooses native Wayland runs it
#   wayland-fallback  under the headless weston with no X server and
#                     QT_QPA_PLATFORM unset: X11 is tried first, then Wayland
#
#   bench/platform_startup.sh [REPORT.md]
#
# Prints the table and writes it as markdown to REPORT.md (default
# build/bench/platform_startup.md). KANMERI_FIRST_FRAME overrides where the
# built program is found.
set -euo pipefail
# shellcheck source=scripts/weston.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/weston.sh"
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=bench/measure_lib.sh
source "$here/measure_lib.sh"

report=${1:-$(bench_root)/build/bench/platform_startup.md}
runs=${RUNS:-21}
program=${KANMERI_FIRST_FRAME:-$(find_built bench/kanmeri_first_frame || true)}
[[ -x "$program" ]] || { echo "kanmeri_first_frame is not built (see bench/CMakeLists.txt)" >&2; exit 2; }
command -v weston >/dev/null || { echo "weston is not installed" >&2; exit 2; }

work=$(mktemp -d)
chmod 700 "$work"
weston_pid=
XVFB_PID=
cleanup() {
    stop_pid "$XVFB_PID"
    stop_pid "$weston_pid"
    rm -rf "$work"
}
trap cleanup EXIT
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$work XDG_SESSION_TYPE=wayland

socket=wayland-kanmeri-bench-$$
start_weston "$work" "$socket" || exit 1
start_xvfb
x_display=$DISPLAY
unset DISPLAY

cases=(x11 wayland wayland-fallback)
one_start() {
    case $1 in
        x11) DISPLAY=$x_display first_paint_us "$program" ;;
        wayland) WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland first_paint_us "$program" ;;
        wayland-fallback) WAYLAND_DISPLAY=$socket first_paint_us "$program" ;;
    esac
}

for name in "${cases[@]}"; do
    [[ -n "$(one_start "$name")" ]] || { echo "$name: no first frame within 10 s" >&2; exit 1; }
done
for ((i = 0; i < runs; i++)); do
    for name in "${cases[@]}"; do
        one_start "$name" >>"$work/$name"
    done
done

mkdir -p "$(dirname "$report")"
{
    echo "| start to first painted frame, median of $runs (ms) | X11 (Xvfb) | Wayland, chosen | Wayland, no X server |"
    echo "|---|---|---|---|"
    echo "| ${program#"$(bench_root)"/} | $(median <"$work/x11") | $(median <"$work/wayland") | $(median <"$work/wayland-fallback") |"
} | tee "$report"
echo
echo "written to $report"
