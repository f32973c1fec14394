#!/usr/bin/env bash
# Runs atspi_screen_reader.py against the built program on a session bus of
# its own (dbus-run-session), which starts the accessibility bus and registry
# on demand, as a desktop session does for a screen reader, and under a
# virtual X server of its own: the test types with synthetic key events,
# which go wherever the keyboard focus of the display is, so no other test's
# window may share it. Exits 77 (skipped) where the AT-SPI packages or Xvfb
# are missing.
#
#   integration/atspi_screen_reader.sh KANMERI FORTUNE_TABLE_CPP
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
kanmeri=$1
table=$2
python=/usr/bin/python3  # the system one, which has Debian's pyatspi

# shellcheck source=integration/virtual_x.sh
source "$here/virtual_x.sh"
[[ -x $python ]] || skip "no $python"
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
command -v dbus-run-session >/dev/null || skip "dbus-run-session (dbus) is not installed"
[[ -x /usr/libexec/at-spi-bus-launcher ]] || skip "at-spi2-core is not installed"
command -v Xvfb >/dev/null || skip "Xvfb is not installed"

start_virtual_x
export PYTHONDONTWRITEBYTECODE=1  # no __pycache__ of checks.py in the source tree
export XDG_RUNTIME_DIR=$work

dbus-run-session -- "$python" "$here/atspi_screen_reader.py" "$kanmeri" "$table"
