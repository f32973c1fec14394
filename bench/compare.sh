#!/usr/bin/env bash
# kanmeri side by side with a stock-widget port of its main window
# (bench/stock) and two bare Qt Widgets programs, in one run under Xvfb.
#
#   bench/compare.sh [SECONDS] [REPORT.md]
#
#   (a) start to first painted frame: median of RUNS (default 21) runs of each
#       program, the programs taking turns, measured from exec to exit.
#       kanmeri is measured as bench/kanmeri_first_frame, the program built
#       from the same sources and libraries plus a first-frame exit
#       (bench/first_frame_exit.cpp): it always ends at once after its first
#       frame. The reference programs do the same when
#       KANMERI_EXIT_AFTER_FIRST_PAINT=1 is set, which this script sets for
#       them. Should one of them not end by itself, all four (with the real
#       app/kanmeri) are measured from exec to their window being viewable
#       instead (xdotool polling).
#   (b) CPU time and wake-ups per second over SECONDS (default 60) of the
#       running main window of the real app/kanmeri, beside the stock port's
#       and bare_clock (which sets two labels every 100 ms); all run at the
#       same time, each on its own Xvfb. The CPU ratio uses the schedstat time
#       (utime + stime counts whole 10 ms ticks).
#   (c) peak resident size (VmHWM) of the same processes at the end of (b).
#
# Targets, kanmeri against the stock port: (a) <= 1.0, (b) CPU <= 1.0,
# (c) <= 1.0. Prints the table and writes it as markdown to REPORT.md
# (default build/bench/compare.md). Programs: KANMERI, KANMERI_FIRST_FRAME,
# STOCK_PORT, BARE_WINDOW, BARE_CLOCK override where the built files are
# found.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=bench/measure_lib.sh
source "$here/measure_lib.sh"

secs=${1:-60}
report=${2:-$(bench_root)/build/bench/compare.md}
runs=${RUNS:-21}
names=(kanmeri stock_port bare_window bare_clock)
declare -A bin=(
    [kanmeri]=${KANMERI:-$(find_built app/kanmeri || true)}
    [stock_port]=${STOCK_PORT:-$(find_built bench/stock/stock_port || true)}
    [bare_window]=${BARE_WINDOW:-$(find_built bench/bare/bare_window || true)}
    [bare_clock]=${BARE_CLOCK:-$(find_built bench/bare/bare_clock || true)}
)
for name in "${names[@]}"; do
    [[ -x "${bin[$name]}" ]] || { echo "$name is not built (see bench/CMakeLists.txt)" >&2; exit 2; }
done
first_frame=${KANMERI_FIRST_FRAME:-$(find_built bench/kanmeri_first_frame || true)}
[[ -x "$first_frame" ]] ||
    { echo "kanmeri_first_frame is not built (see bench/CMakeLists.txt)" >&2; exit 2; }

servers=()
apps=()
cleanup() {
    local pid
    for pid in "${apps[@]}" "${servers[@]}"; do stop_pid "$pid"; done
}
trap cleanup EXIT

# One start of $1 until its window is viewable; prints microseconds.
mapped_us() {
    local t0 pid out
    t0=${EPOCHREALTIME/./}
    "$1" >/dev/null 2>&1 &
    pid=$!
    until out=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null) && [[ -n "$out" ]]; do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.002
    done
    echo $(($(now_us) - t0))
    stop_pid "$pid"
}

start_xvfb
servers+=("$XVFB_PID")
# What is started for (a): kanmeri's first-frame build in its place.
declare -A start_bin
for name in "${names[@]}"; do start_bin[$name]=${bin[$name]}; done
start_bin[kanmeri]=$first_frame
# The first start of each warms the caches, and tells whether it ends after
# its first frame.
mode=paint
for name in "${names[@]}"; do
    [[ -n "$(first_paint_us "${start_bin[$name]}")" ]] || mode=map
done
if [[ $mode == map ]]; then
    # kanmeri_first_frame may end before its window is seen.
    start_bin[kanmeri]=${bin[kanmeri]}
fi
start_time() {
    if [[ $mode == paint ]]; then first_paint_us "$1"; else mapped_us "$1"; fi
}
# The programs take turns, so that a machine that speeds up or slows down
# during the runs weighs on all of them alike.
declare -A start_ms
samples=$(mktemp -d)
for ((i = 0; i < runs; i++)); do
    for name in "${names[@]}"; do
        start_time "${start_bin[$name]}" >>"$samples/$name"
    done
done
for name in "${names[@]}"; do
    start_ms[$name]=$(median <"$samples/$name")
done
rm -rf "$samples"

declare -A pids
for name in "${names[@]}"; do
    start_xvfb
    servers+=("$XVFB_PID")
    "${bin[$name]}" >/dev/null 2>&1 &
    pids[$name]=$!
    apps+=("$!")
done
sleep 2
tmp=$(mktemp -d)
probes=()
for name in "${names[@]}"; do
    kill -0 "${pids[$name]}" 2>/dev/null || { echo "$name ended at start" >&2; exit 1; }
    measure_idle "${pids[$name]}" "$secs" >"$tmp/$name" &
    probes+=("$!")
done
wait "${probes[@]}"
declare -A cpu pct wake precise rss
for name in "${names[@]}"; do
    read -r cpu[$name] pct[$name] wake[$name] precise[$name] <"$tmp/$name"
    rss[$name]=$(peak_rss_kib "${pids[$name]}")
done
rm -rf "$tmp"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", (b > 0) ? a / b : 0 }'; }
verdict() { awk -v r="$1" -v t="$2" 'BEGIN { print (r <= t) ? "met" : "MISSED" }'; }
ra=$(ratio "${start_ms[kanmeri]}" "${start_ms[stock_port]}")
rb_cpu=$(ratio "${precise[kanmeri]}" "${precise[stock_port]}")
rb_wake=$(ratio "${wake[kanmeri]}" "${wake[stock_port]}")
rc=$(ratio "${rss[kanmeri]}" "${rss[stock_port]}")
what=$([[ $mode == paint ]] && echo "exec to first painted frame" || echo "exec to window viewable")

mkdir -p "$(dirname "$report")"
row() {
    local label=$1 key=$2 ratio=$3 target=$4
    local -n values=$key
    printf '| %s | %s | %s | %s | %s | %s | %s |\n' "$label" "${values[kanmeri]}" \
        "${values[stock_port]}" "${values[bare_window]}" "${values[bare_clock]}" "$ratio" "$target"
}
{
    echo "| measure | kanmeri | stock port | bare_window | bare_clock | kanmeri / stock port | target |"
    echo "|---|---|---|---|---|---|---|"
    row "(a) $what, median of $runs (ms)" start_ms "$ra" "<= 1.0 $(verdict "$ra" 1.0)"
    row "(b) CPU time over ${secs} s, utime+stime (s)" cpu "" ""
    row "(b) CPU time over ${secs} s, schedstat (s)" precise "$rb_cpu" "<= 1.0 $(verdict "$rb_cpu" 1.0)"
    row "(b) wake-ups per second" wake "$rb_wake" ""
    row "(c) peak resident (KiB)" rss "$rc" "<= 1.0 $(verdict "$rc" 1.0)"
    echo
    echo "kanmeri: (a) ${start_bin[kanmeri]#"$(bench_root)"/}, (b) and (c) ${bin[kanmeri]#"$(bench_root)"/}"
} | tee "$report"
echo
echo "written to $report"
