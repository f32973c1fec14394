#!/bin/bash
# in_chroot.sh PACKAGE OUT_DIR: runs as root inside a fresh Debian root.
# Installs PACKAGE with apt and no recommended packages, so that its Depends
# alone must bring everything the program loads; checks the libraries, the
# xcb platform plugin and the Japanese font; then installs a virtual X server,
# starts /usr/bin/kanmeri on it and waits for its main window. Logs and a
# screenshot of the window go to OUT_DIR.
set -euo pipefail

package=$1
out=$2
caption='曜日探し　＆　今週から1週間の運勢占い（当たるかな？）'
window_wait_s=120
mkdir -p "$out"
say() { echo "clean-install (chroot, ${SECONDS} s): $*"; }
fail() {
    say "FAILED: $*"
    exit 1
}
apt_get() {
    timeout 600 apt-get -q -y -o Acquire::Retries=3 -o Dpkg::Use-Pty=0 "$@"
}

say "apt-get update"
apt_get update >"$out/apt-update.log" 2>&1 || {
    cat "$out/apt-update.log"
    fail "apt-get update"
}

say "installing $(basename "$package") alone (no recommended packages)"
apt_get install --no-install-recommends "$package" >"$out/apt-install.log" 2>&1 || {
    cat "$out/apt-install.log"
    fail "apt-get install of the package"
}
grep -E '^(Need to get|After this operation)' "$out/apt-install.log" || true

missing_libraries() { # missing_libraries FILE: prints what the loader cannot find
    ldd "$1" | grep 'not found' || true
}
[[ -z $(missing_libraries /usr/bin/kanmeri) ]] ||
    fail "/usr/bin/kanmeri lacks libraries: $(missing_libraries /usr/bin/kanmeri)"
plugin=$(find /usr/lib -path '*qt6/plugins/platforms/libqxcb.so' -print -quit)
[[ -n $plugin ]] || fail "no Qt xcb platform plugin was installed"
[[ -z $(missing_libraries "$plugin") ]] ||
    fail "$plugin lacks libraries: $(missing_libraries "$plugin")"
# The sound library, by name in the linker cache. The listing is read whole
# before it is searched: piped into a search that stops at its first match,
# ldconfig would be killed by SIGPIPE on its next write, and under pipefail
# the check would fail at random.
libraries=$(ldconfig -p)
grep -q 'libcanberra\.so\.0 ' <<<"$libraries" || fail "libcanberra.so.0 was not installed"
[[ -n $(find /usr/share/fonts -iname 'ipagp*' -print -quit) ]] ||
    fail "the proportional IPA Gothic font was not installed"
say "the program, its libraries, the xcb plugin, the sound library and the Japanese font are in place"

say "installing xvfb xauth x11-utils x11-apps"
apt_get install --no-install-recommends xvfb xauth x11-utils x11-apps >"$out/apt-x11.log" 2>&1 || {
    cat "$out/apt-x11.log"
    fail "apt-get install of the X server"
}
apt-get -q autoclean >/dev/null 2>&1 || true

xvfb_pid=""
program_pid=""
stop() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null || true
}
trap stop EXIT

# -displayfd lets the server take the first free display number; other X
# servers on this machine share the abstract socket names.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out/display" >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 600); do
    [[ -s $out/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[[ -s $out/display ]] || {
    cat "$out/xvfb.log"
    fail "Xvfb did not start"
}
DISPLAY=":$(head -n 1 "$out/display")"
export DISPLAY
export XDG_RUNTIME_DIR=/tmp/runtime-root
mkdir -m 700 "$XDG_RUNTIME_DIR"
say "Xvfb on $DISPLAY; starting /usr/bin/kanmeri"

/usr/bin/kanmeri >"$out/kanmeri.log" 2>&1 &
program_pid=$!
window=""
for _ in $(seq 1 $((window_wait_s * 10))); do
    # Every stage reads all its input, so none is cut off by a reader that
    # has stopped (see the sound library above).
    window=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$caption\"" | awk 'NR == 1 {print $1}') || true
    [[ -n $window ]] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ -z $window ]]; then
    xwininfo -root -tree >"$out/tree.txt" 2>&1 || true
    cat "$out/kanmeri.log" "$out/tree.txt"
    fail "no window captioned \"$caption\" within ${window_wait_s} s"
fi
sleep 2
kill -0 "$program_pid" 2>/dev/null || {
    cat "$out/kanmeri.log"
    fail "kanmeri died after showing its window"
}

xwininfo -id "$window" >"$out/window.txt"
grep -q 'Map State: IsViewable' "$out/window.txt" || fail "the window $window is not viewable"
width=$(awk '/^ *Width:/ {print $2}' "$out/window.txt")
height=$(awk '/^ *Height:/ {print $2}' "$out/window.txt")
xwd -id "$window" -silent -out "$out/main.xwd"
# The pixels close the file, four bytes each at depth 24.
colours=$(tail -c $((width * height * 4)) "$out/main.xwd" | od -An -v -tx4 -w4 | sort -u | wc -l)
((colours >= 16)) || fail "the window looks blank: $colours colours in ${width}x${height}"
say "window $window \"$caption\" ${width}x${height}, $colours colours, program alive after 2 s"
if [[ -s $out/kanmeri.log ]]; then
    say "the program said:"
    cat "$out/kanmeri.log"
fi
