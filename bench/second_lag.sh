#!/usr/bin/env bash
# How late the running time shows each new second, measured from outside the
# program as a user comparing it with another clock would: the moment the
# main window's time label shows a new second (its accessible-name change,
# stamped with the wall clock as an AT-SPI client receives it from the
# accessibility bus, so the bus's delivery is included), against the wall
# clock's start of that second.
#
#   bench/second_lag.sh [SECONDS] [RUNS] [SHIFT]
#   bench/second_lag.sh --jump [SECONDS]
#
# Starts the program (default: the first built app/kanmeri under build/;
# KANMERI overrides) RUNS times (default 3), each for SECONDS (default 60)
# after it settled, under a private Xvfb and session bus, and prints the lag's
# min, median, p95 and max of each run and of all runs pooled, beside the
# program's wake-ups per second over each run (bench/measure_lib.sh; the bus
# listening adds its own share).
#
# SHIFT (seconds, as +0.037) shifts the wall clock against the monotonic
# clock for the program and the measuring side alike, with libfaketime
# (Debian package faketime): FAKETIME=SHIFT FAKETIME_DONT_FAKE_MONOTONIC=1.
#
# --jump runs once with the wall clock read from an offset file
# (FAKETIME_TIMESTAMP_FILE, FAKETIME_NO_CACHE=1) that bench/second_lag.py
# rewrites while the program runs, setting the clock back by 5 min 0.437 s
# and forward again (see there), and prints what followed each jump besides
# the lags.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=bench/measure_lib.sh
source "$here/measure_lib.sh"

# The accessibility bus is found through the session bus: one of our own.
if [[ -z "${SECOND_LAG_SESSION:-}" ]]; then
    command -v dbus-run-session >/dev/null || { echo "dbus-run-session is not installed" >&2; exit 2; }
    export SECOND_LAG_SESSION=1
    exec dbus-run-session -- "$0" "$@"
fi

jump=false
if [[ "${1:-}" == --jump ]]; then
    jump=true
    shift
fi
secs=${1:-60}
runs=${2:-3}
shift_s=${3:-}
$jump && runs=1
program=${KANMERI:-$(find_built app/kanmeri || true)}
[[ -x "$program" ]] || { echo "app/kanmeri is not built (or give KANMERI)" >&2; exit 2; }
python=/usr/bin/python3 # the system one, which has Debian's pyatspi
"$python" -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is not installed" >&2; exit 2; }
libfaketime=/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1 # for threaded programs

tmp=$(mktemp -d)
chmod 700 "$tmp"
XVFB_PID=
app=
cleanup() {
    stop_pid "$app"
    stop_pid "$XVFB_PID"
    rm -rf "$tmp"
}
trap cleanup EXIT

clock=()
if $jump || [[ -n "$shift_s" ]]; then
    [[ -f "$libfaketime" ]] || { echo "libfaketime is not installed (faketime)" >&2; exit 2; }
    clock=(env LD_PRELOAD="$libfaketime" FAKETIME_DONT_FAKE_MONOTONIC=1)
    if $jump; then
        echo "+0" >"$tmp/offset"
        clock+=(FAKETIME_TIMESTAMP_FILE="$tmp/offset" FAKETIME_NO_CACHE=1)
    else
        clock+=(FAKETIME="$shift_s")
    fi
fi

# min, median, p95 (nearest rank) and max of the lags, one a line.
stats() {
    sort -n | awk '{ v[NR] = $1 }
        END {
            m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            p = int(NR * 0.95); if (p < NR * 0.95) p++
            if (NR > 0) printf "%8.1f %8.1f %8.1f %8.1f   (%d seconds)\n", v[1], m, v[p], v[NR], NR
            else print "no lags"
        }'
}

start_xvfb
export XDG_RUNTIME_DIR=$tmp
args=("$secs")
if $jump; then
    args+=("$tmp/offset")
    what="from an offset file, set back and forward"
elif [[ -n "$shift_s" ]]; then
    what="shifted by $shift_s s against the monotonic clock"
else
    what="as is"
fi
echo "program: $program; wall clock $what"
# The accessibility bus and its registry up before the program, which looks
# for them once, at its start.
"$python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' >/dev/null 2>&1
printf '%-8s %8s %8s %8s %8s   %s\n' "lag (ms)" min median p95 max "wake-ups/s"
for ((run = 1; run <= runs; run++)); do
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "${clock[@]}" "$program" \
        >/dev/null 2>&1 &
    app=$!
    sleep 2
    kill -0 "$app" 2>/dev/null || { echo "$program ended at start" >&2; exit 1; }
    measure_idle "$app" "$secs" >"$tmp/idle" &
    probe=$!
    "${clock[@]}" "$python" "$here/second_lag.py" "${args[@]}" >"$tmp/run" ||
        { echo "run $run: no time label seen" >&2; exit 1; }
    wait "$probe"
    stop_pid "$app"
    app=
    grep '^jump' "$tmp/run" || true
    awk '$1 == "lag" { print $2 }' "$tmp/run" | tee -a "$tmp/all" >"$tmp/lags"
    read -r _ _ wake _ <"$tmp/idle"
    printf '%-8s %s %s\n' "run $run" "$(stats <"$tmp/lags")" "$wake"
done
if ((runs > 1)); then
    printf '%-8s %s\n' pooled "$(stats <"$tmp/all")"
fi
