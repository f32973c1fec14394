#!/usr/bin/env bash
# kanmeri side by side with bare Qt Widgets programs, in one run under Xvfb.
#
#   bench/compare.sh [SECONDS] [REPORT.md]
#
#   (a) start to first painted frame: median of RUNS (default 21) runs of each
#       program, the programs taking turns, with KANMERI_EXIT_AFTER_FIRST_PAINT=1,
#       which makes it end at once after its first frame; measured from exec
#       to exit. A program that ignores the variable is measured from exec to
#       its window being viewable instead (xdotool polling), and then so are
#       all of them.
#   (b) CPU time and wake-ups per second over SECONDS (default 60) of the
#       running main window, beside bare_clock, which sets two labels every
#       100 ms; all run at the same time, each on its own Xvfb. The CPU ratio
#       uses the schedstat time (utime + stime counts whole 10 ms ticks).
#   (c) peak resident size (VmHWM) at the end of (b).
#
# Targets: (a) kanmeri / bare_window <= 1.15; (b) and (c) kanmeri /
# bare_clock <= 1.1. Prints the table and writes it as markdown to REPORT.md
# (default build/bench/compare.md). Programs: KANMERI, BARE_WINDOW, BARE_CLOCK
# override where the built files are found.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=bench/measure_lib.sh
source "$here/measure_lib.sh"

secs=${1:-60}
report=${2:-$(bench_root)/build/bench/compare.md}
runs=${RUNS:-21}
names=(kanmeri bare_window bare_clock)
declare -A bin=(
    [kanmeri]=${KANMERI:-$(find_built app/kanmeri || true)}
    [bare_window]=${BARE_WINDOW:-$(find_built bench/bare/bare_window || true)}
    [bare_clock]=${BARE_CLOCK:-$(find_built bench/bare/bare_clock || true)}
)
for name in "${names[@]}"; do
    [[ -x "${bin[$name]}" ]] || { echo "$name is not built (see bench/CMakeLists.txt)" >&2; exit 2; }
done

servers=()
apps=()
cleanup() {
    local pid
    for pid in "${apps[@]}" "${servers[@]}"; do stop_pid "$pid"; done
}
trap cleanup EXIT

# One start of $1 that ends after its first frame; prints microseconds, or
# nothing when it was still running after 10 s.
first_paint_us() {
    local t0 t1
    t0=${EPOCHREALTIME/./}
    KANMERI_EXIT_AFTER_FIRST_PAINT=1 timeout 10 "$1" >/dev/null 2>&1 || return 0
    t1=${EPOCHREALTIME/./}
    echo $((t1 - t0))
}

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

median() {
    sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f\n", m / 1000 }'
}

start_xvfb
servers+=("$XVFB_PID")
mode=paint
[[ -n "$(first_paint_us "${bin[kanmeri]}")" ]] || mode=map
start_time() {
    if [[ $mode == paint ]]; then first_paint_us "$1"; else mapped_us "$1"; fi
}
# The programs take turns, so that a machine that speeds up or slows down
# during the runs weighs on all of them alike.
declare -A start_ms
samples=$(mktemp -d)
for name in "${names[@]}"; do
    start_time "${bin[$name]}" >/dev/null # warms the caches
done
for ((i = 0; i < runs; i++)); do
    for name in "${names[@]}"; do
        start_time "${bin[$name]}" >>"$samples/$name"
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
ra=$(ratio "${start_ms[kanmeri]}" "${start_ms[bare_window]}")
rb_cpu=$(ratio "${precise[kanmeri]}" "${precise[bare_clock]}")
rb_wake=$(ratio "${wake[kanmeri]}" "${wake[bare_clock]}")
rc=$(ratio "${rss[kanmeri]}" "${rss[bare_clock]}")
what=$([[ $mode == paint ]] && echo "exec to first painted frame" || echo "exec to window viewable")

mkdir -p "$(dirname "$report")"
{
    echo "| measure | kanmeri | bare_window | bare_clock | kanmeri ratio | target |"
    echo "|---|---|---|---|---|---|"
    echo "| (a) $what, median of $runs (ms) | ${start_ms[kanmeri]} | ${start_ms[bare_window]} | ${start_ms[bare_clock]} | $ra vs bare_window | <= 1.15 $(verdict "$ra" 1.15) |"
    echo "| (b) CPU time over ${secs} s, utime+stime (s) | ${cpu[kanmeri]} | ${cpu[bare_window]} | ${cpu[bare_clock]} | | |"
    echo "| (b) CPU time over ${secs} s, schedstat (s) | ${precise[kanmeri]} | ${precise[bare_window]} | ${precise[bare_clock]} | $rb_cpu vs bare_clock | <= 1.1 $(verdict "$rb_cpu" 1.1) |"
    echo "| (b) wake-ups per second | ${wake[kanmeri]} | ${wake[bare_window]} | ${wake[bare_clock]} | $rb_wake vs bare_clock | <= 1.1 $(verdict "$rb_wake" 1.1) |"
    echo "| (c) peak resident (KiB) | ${rss[kanmeri]} | ${rss[bare_window]} | ${rss[bare_clock]} | $rc vs bare_clock | <= 1.1 $(verdict "$rc" 1.1) |"
} | tee "$report"
echo
echo "written to $report"
