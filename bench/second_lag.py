#!/usr/bin/python3
"""The lag of the shown second, as an AT-SPI client sees it; run by
bench/second_lag.sh, which starts the program and the buses.

    second_lag.py SECONDS [OFFSET_FILE]

Listens on the accessibility bus for the accessible-name changes of the
running program's time label (the one whose name is a time of day, as
"  03:04:05 (PM)  " or "  15:04:05  "), stamps each with the wall clock as it
arrives, and prints, for every change to a new second after the first, the
lag in milliseconds from the wall clock's start of the second shown to the
arrival ("lag 3.214"), for SECONDS seconds from the first change seen.

With OFFSET_FILE (libfaketime's FAKETIME_TIMESTAMP_FILE for this process and
the program alike), the wall clock is set back by 5 min 0.437 s a third of
the way through, and forward by as much two thirds of the way, each time
0.3 s into a second shown; for each, a line "jump ..." tells how long after
it the label changed and how far into the wall clock's second it shows
(between 0 and 1000 ms: the new time), then the lag of the next second.
The change right after a jump is left out of the lags.

Exits 1 when no time label changed within 20 s.
"""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

TIME = re.compile(r"\s*(\d\d):(\d\d):(\d\d)(?: \((AM|PM)\))?\s*")
JUMP_S = 300.437
FIRST_WAIT_S = 20


def shown_second_of_day(name):
    """The second of the day a time label shows, or None for another text."""
    match = TIME.fullmatch(name)
    if not match:
        return None
    hour, minute, second, half = match.groups()
    hour = int(hour)
    if half is not None:
        hour = hour % 12 + (12 if half == "PM" else 0)
    return hour * 3600 + int(minute) * 60 + int(second)


def lag_ms(arrival, shown):
    """Milliseconds from the start of the shown second of the day to the
    wall-clock time `arrival`, in local time; negative when it shows a second
    still to come."""
    local = time.localtime(arrival)
    now = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + arrival % 1
    return ((now - shown + 43200) % 86400 - 43200) * 1000


class Listener:
    def __init__(self, seconds, offset_file):
        self.seconds = seconds
        self.offset_file = offset_file
        self.last = None
        self.start = None  # monotonic time of the first change
        self.jumps = [(seconds / 3, -JUMP_S), (2 * seconds / 3, 0.0)]
        self.jumped = None  # monotonic time of the last jump, until its first change
        self.after_jump = False  # the next change is the first second after a jump

    def changed(self, event):
        arrival = time.time()
        mono = time.monotonic()
        try:
            shown = shown_second_of_day(event.source_name or "")
        except GLib.Error:  # gone with its window
            return
        if shown is None or shown == self.last:
            return
        first = self.last is None
        self.last = shown
        if first:
            self.start = mono
            GLib.timeout_add(int(self.seconds * 1000), pyatspi.Registry.stop)
            return
        lag = lag_ms(arrival, shown)
        if self.jumped is not None:
            print(f"jump: the label changed {(mono - self.jumped) * 1000:.1f} ms after it, "
                  f"{lag:.1f} ms into the wall clock's second it shows", flush=True)
            self.jumped = None
            self.after_jump = True
            return
        if self.after_jump:
            print(f"jump: the next second shown {lag:.1f} ms late", flush=True)
            self.after_jump = False
        print(f"lag {lag:.3f}", flush=True)
        if self.offset_file and self.jumps and mono - self.start >= self.jumps[0][0]:
            offset = self.jumps.pop(0)[1]
            GLib.timeout_add(300, self.jump, offset)

    def jump(self, offset):
        with open(self.offset_file, "w", encoding="ascii") as file:
            file.write(f"{offset:+.3f}\n")
        self.jumped = time.monotonic()
        print(f"jump: wall clock offset set to {offset:+.3f} s", flush=True)
        return False


def main():
    seconds = float(sys.argv[1])
    listener = Listener(seconds, sys.argv[2] if len(sys.argv) > 2 else None)
    pyatspi.Registry.registerEventListener(listener.changed,
                                           "object:property-change:accessible-name")

    def no_label():
        if listener.start is None:
            print("no time label changed within 20 s", file=sys.stderr)
            pyatspi.Registry.stop()
        return False

    GLib.timeout_add(FIRST_WAIT_S * 1000, no_label)
    pyatspi.Registry.start(gil=False)  # no 10 ms wake-ups of its own
    sys.exit(0 if listener.start is not None else 1)


if __name__ == "__main__":
    main()
