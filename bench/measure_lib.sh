# Shared helpers of idle_cpu.sh, compare.sh, platform_startup.sh and
# second_lag.sh; source, do not run.
# Every process is measured over all its threads (Qt's X connection reads
# events on a thread of its own), from /proc.

# Repository root, from this file's place.
bench_root() {
    cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd
}

# The first built file among build/<dir>/<relative path> for the usual build
# directories, or nothing.
find_built() {
    local rel=$1 root dir
    root=$(bench_root)
    for dir in bench testing default asan; do
        if [[ -x "$root/build/$dir/$rel" ]]; then
            echo "$root/build/$dir/$rel"
            return 0
        fi
    done
    return 1
}

# start_xvfb: starts a private X server; sets XVFB_PID and DISPLAY. It does
# not reset when its last client leaves, so that back-to-back starts of a
# program never meet a server in the middle of a reset.
start_xvfb() {
    local fifo display
    command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; return 1; }
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
    XVFB_PID=$!
    read -r -t 10 display <"$fifo"
    rm -f "$fifo"
    [[ -n "$display" ]] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$display"
}

stop_pid() {
    [[ -n "${1:-}" ]] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Clock ticks of user plus system time of a process, all its threads.
cpu_ticks() {
    # Fields after the parenthesised command name: utime is the 12th, stime
    # the 13th (fields 14 and 15 of the whole line).
    sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# Nanoseconds on a CPU, summed over the threads (/proc/<pid>/task/*/schedstat):
# the same time as utime + stime, without their 10 ms granularity.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.0f\n", n }'
}

# Voluntary plus involuntary context switches, summed over the threads.
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches/ { n += $2 } END { print n + 0 }'
}

# Peak resident size in KiB.
peak_rss_kib() {
    awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"
}

# Wall-clock microseconds, without starting a process.
now_us() {
    echo "${EPOCHREALTIME/./}"
}

# first_paint_us PROGRAM: one start of a program that ends after its first
# frame (kanmeri_first_frame always, the reference programs when
# KANMERI_EXIT_AFTER_FIRST_PAINT is set, as it is here); prints the
# microseconds from exec to exit, or nothing when it was still running after
# 10 s.
first_paint_us() {
    local t0 t1
    t0=${EPOCHREALTIME/./}
    KANMERI_EXIT_AFTER_FIRST_PAINT=1 timeout 10 "$1" >/dev/null 2>&1 || return 0
    t1=${EPOCHREALTIME/./}
    echo $((t1 - t0))
}

# Median of microsecond values, one a line, in milliseconds.
median() {
    sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f\n", m / 1000 }'
}

# measure_idle PID SECONDS: prints "cpu_seconds cpu_percent wakeups_per_second
# cpu_seconds_precise": CPU time from utime + stime, its share of one core,
# the context switches per second, and the CPU time from schedstat.
measure_idle() {
    local pid=$1 secs=$2 hz t0 t1 n0 n1 s0 s1 w0 w1
    hz=$(getconf CLK_TCK)
    t0=$(cpu_ticks "$pid")
    n0=$(cpu_ns "$pid")
    s0=$(switches "$pid")
    w0=$(now_us)
    sleep "$secs"
    t1=$(cpu_ticks "$pid")
    n1=$(cpu_ns "$pid")
    s1=$(switches "$pid")
    w1=$(now_us)
    awk -v t="$((t1 - t0))" -v hz="$hz" -v s="$((s1 - s0))" -v us="$((w1 - w0))" -v ns="$((n1 - n0))" \
        'BEGIN { wall = us / 1e6; printf "%.3f %.3f %.2f %.4f\n", t / hz, 100 * t / hz / wall, s / wall, ns / 1e9 }'
}
