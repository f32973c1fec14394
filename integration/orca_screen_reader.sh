#!/usr/bin/env bash
# Runs orca_screen_reader.py: kanmeri under Debian's Orca, on a virtual X
# server, a session bus (dbus-run-session, which starts the accessibility bus
# on demand) and a window manager of the test's own. Orca, speech-dispatcher,
# GSettings and dconf write only into the test's folder: HOME and the XDG
# folders point there and GSettings keeps its values in memory. Orca's words
# are English (LANG=C.UTF-8). Exits 77 (skipped) where a package is missing or
# this user already runs an Orca, which a second one would have to replace.
#
#   integration/orca_screen_reader.sh KANMERI FORTUNE_TABLE_CPP LOG
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
kanmeri=$1
table=$2
log=$3

# shellcheck source=integration/virtual_x.sh
source "$here/virtual_x.sh"
for tool in orca speech-dispatcher openbox xdotool Xvfb dbus-run-session; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[[ -x /usr/lib/speech-dispatcher-modules/sd_dummy ]] || skip "speech-dispatcher has no dummy module"
[[ -x /usr/libexec/at-spi-bus-launcher ]] || skip "at-spi2-core is not installed"
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    skip "an Orca of this user is running"
fi

start_virtual_x

# What Orca, speech-dispatcher and dconf would make in a home of their own:
# whichever of these the user's home does not have, it must not have after.
real_home=${HOME:-}
absent=()
for path in .local/share/orca .config/orca .config/dconf .cache/speech-dispatcher \
    .config/speech-dispatcher .cache/orca; do
    [[ -e $real_home/$path ]] || absent+=("$path")
done

mkdir -p "$work"/{home,config,data,cache,runtime}
chmod 700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
export GSETTINGS_BACKEND=memory LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
export PYTHONDONTWRITEBYTECODE=1  # no __pycache__ in the source tree

dbus-run-session -- /usr/bin/python3 "$here/orca_screen_reader.py" "$kanmeri" "$table" "$work" "$log"
status=$?
for path in "${absent[@]}"; do
    if [[ -e $real_home/$path ]]; then
        echo "FAIL the run left $real_home/$path"
        status=1
    fi
done
exit "$status"
