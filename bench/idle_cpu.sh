#!/usr/bin/env bash
# What the running program costs while nobody touches it.
#
#   bench/idle_cpu.sh [SECONDS] [PROGRAM]
#
# Starts PROGRAM (default: the first built app/kanmeri under build/) under a
# private Xvfb, lets it settle for two seconds, then reports over SECONDS
# (default 60) its CPU time (user + system, from /proc/<pid>/stat, and to the
# nanosecond from /proc/<pid>/task/*/schedstat) and its
# wake-ups per second (voluntary + involuntary context switches of all its
# threads, from /proc/<pid>/task/*/status), and its peak resident size.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=bench/measure_lib.sh
source "$here/measure_lib.sh"

secs=${1:-60}
program=${2:-$(find_built app/kanmeri)} || {
    echo "no built app/kanmeri under build/; give the program as the second argument" >&2
    exit 2
}

XVFB_PID=
app=
cleanup() {
    stop_pid "$app"
    stop_pid "$XVFB_PID"
}
trap cleanup EXIT

start_xvfb
"$program" >/dev/null 2>&1 &
app=$!
sleep 2
kill -0 "$app" 2>/dev/null || { echo "$program ended at start" >&2; exit 1; }

read -r cpu pct wakeups precise < <(measure_idle "$app" "$secs")
echo "program:        $program"
echo "duration:       ${secs} s"
echo "cpu time:       ${cpu} s (${pct} % of one core); ${precise} s by schedstat"
echo "wake-ups:       ${wakeups} /s"
echo "peak resident:  $(peak_rss_kib "$app") KiB"
