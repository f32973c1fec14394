#!/usr/bin/env python3
"""Where kanmeri's windows appear on an X server, whatever window manager runs.

    integration/centring.py KANMERI [--after-first]

Starts KANMERI on $DISPLAY and follows, from the moment before it starts,
every top-level window of the server: its geometry when the server maps it
and every change after that. A window is shown from the moment its top-level
window (its frame, or itself without a window manager) is mapped at its full
size. For the main window at start, the clock window
opened by 「時刻のみ表示ボタン」 and the main window brought back by
「戻　る」, the outer frame (the client's geometry plus the _NET_FRAME_EXTENTS
the window manager sets; none without a window manager) must lie at
(screen - outer) / 2, to the half pixel that rounding a centre may lose, and
never move once shown; and no other window may show (a window the program
hands the window manager to learn its frame must stay hidden). With
--after-first the first window need only stay where it was shown. Exits 1 on
a failure, with every check printed.
"""

import os
import select
import subprocess
import sys
import time

from Xlib import X, Xatom, display, error

MAIN = "曜日探し　＆　今週から1週間の運勢占い（当たるかな？）"
CLOCK = "日付と時刻の表示"
# Client-area rectangles clicked: x, y, width, height.
SHOW_CLOCK = (440, 0, 137, 17)  # 「時刻のみ表示ボタン」
BACK = (232, 0, 57, 25)  # 「戻　る」
PATIENCE_S = 60  # a busy machine may take long; a missing window fails here
SETTLE_S = 1.0  # how long a mapped window is watched before the next step


class TopLevels:
    """The root's children as the server reports them: their geometry, and
    for each mapping every geometry it had while it stayed mapped."""

    def __init__(self, dpy):
        self.dpy = dpy
        self.root = dpy.screen().root
        self.geometry = {}
        self.history = {}  # window id -> [(x, y, width, height) at its map, then each change]
        self.mapped = set()
        self.on_map = None  # called with each top-level window as it is mapped
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.dpy.sync()
        for child in self.root.query_tree().children:
            g = child.get_geometry()
            self.geometry[child.id] = (g.x, g.y, g.width, g.height)

    def pump(self, seconds):
        deadline = time.monotonic() + seconds
        while True:
            while self.dpy.pending_events():
                self._take(self.dpy.next_event())
            left = deadline - time.monotonic()
            if left <= 0:
                return
            select.select([self.dpy.fileno()], [], [], left)

    def _take(self, event):
        if event.type == X.CreateNotify and event.parent.id == self.root.id:
            self.geometry[event.window.id] = (event.x, event.y, event.width, event.height)
        elif event.type == X.ConfigureNotify and event.event.id == self.root.id:
            w = event.window.id
            self.geometry[w] = (event.x, event.y, event.width, event.height)
            if w in self.mapped:
                self.history[w].append(self.geometry[w])
        elif event.type == X.MapNotify and event.event.id == self.root.id:
            w = event.window.id
            self.mapped.add(w)
            self.history[w] = [self.geometry.get(w, (0, 0, 0, 0))]
            if self.on_map is not None:
                self.on_map(event.window)
        elif event.type == X.UnmapNotify and event.event.id == self.root.id:
            self.mapped.discard(event.window.id)
        elif event.type == X.ReparentNotify and event.event.id == self.root.id:
            if event.parent.id != self.root.id:
                self.mapped.discard(event.window.id)

    def shown(self, top, outer):
        """The places of `top` from the first time it was mapped at least the
        outer frame's size: some window managers map their frame first and
        size it after, before the window inside shows."""
        states = self.history.get(top, [])
        full = [i for i, (_, _, w, h) in enumerate(states) if w >= outer[0] and h >= outer[1]]
        places = [(x, y) for x, y, _, _ in states[full[0]:]] if full else []
        return [p for i, p in enumerate(places) if i == 0 or p != places[i - 1]]


class Run:
    def __init__(self, kanmeri, after_first):
        self.after_first = after_first
        self.dpy = display.Display()
        self.tops = TopLevels(self.dpy)
        self.screen = self.dpy.screen()
        self.net_name = self.dpy.intern_atom("_NET_WM_NAME")
        self.utf8 = self.dpy.intern_atom("UTF8_STRING")
        self.extents = self.dpy.intern_atom("_NET_FRAME_EXTENTS")
        self.failures = []
        self.unnamed = set()  # top-level windows mapped that held none of the program's windows
        self.tops.on_map = self._shown_named
        self.app = subprocess.Popen([kanmeri], stdout=subprocess.DEVNULL)

    def check(self, ok, message):
        print(("ok: " if ok else "FAIL: ") + message, flush=True)
        if not ok:
            self.failures.append(message)

    def _named(self, window, name):
        try:
            prop = window.get_full_property(self.net_name, self.utf8)
        except error.XError:
            return False
        return prop is not None and prop.value.decode("utf-8", "replace") == name

    def _clients(self, window, depth=0):
        """`window` and the windows below it, two levels down (a frame's client)."""
        yield window
        if depth < 2:
            try:
                children = window.query_tree().children
            except error.XError:
                return
            for child in children:
                yield from self._clients(child, depth + 1)

    def _shown_named(self, top):
        """Notes `top` unless it draws nothing (input only) or holds a window
        called by one of the program's names."""
        try:
            if top.get_attributes().win_class == X.InputOnly:
                return
            if any(self._named(c, n) for c in self._clients(top) for n in (MAIN, CLOCK)):
                return
        except error.XError:
            pass  # gone already: it was shown all the same
        self.unnamed.add(top.id)

    def strays(self):
        """Windows noted as they were mapped that grew beyond a speck (a frame
        is mapped at 1 x 1 before it is sized) while they stayed mapped."""
        return [
            hex(w) for w in sorted(self.unnamed)
            if any(width > 1 or height > 1 for _, _, width, height in self.tops.history.get(w, []))
        ]

    def await_window(self, name, gone=None):
        """The mapped client window called `name` (not `gone`), and its top."""
        deadline = time.monotonic() + PATIENCE_S
        while time.monotonic() < deadline and self.app.poll() is None:
            self.tops.pump(0.05)
            for top in list(self.tops.mapped):
                for client in self._clients(self.dpy.create_resource_object("window", top)):
                    if client.id != gone and self._named(client, name):
                        return client, top
        return None, None

    def frame_extents(self, client):
        prop = client.get_full_property(self.extents, Xatom.CARDINAL)
        return tuple(prop.value) if prop is not None and len(prop.value) == 4 else (0, 0, 0, 0)

    def centred(self, what, name, gone=None, placed=True):
        client, top = self.await_window(name, gone)
        if client is None:
            self.check(False, f"{what}: no window called {name}")
            return None
        self.tops.pump(SETTLE_S)
        size = client.get_geometry()
        left, right, up, down = self.frame_extents(client)
        outer = (size.width + left + right, size.height + up + down)
        at = self.tops.root.translate_coords(client, -left, -up)
        screen = (self.screen.width_in_pixels, self.screen.height_in_pixels)
        want = [(s - o) / 2 for s, o in zip(screen, outer)]
        places = self.tops.shown(top, outer)
        self.check(
            bool(places)
            and (not placed or all(abs(p - w) <= 0.5 for p, w in zip((at.x, at.y), want))),
            f"{what}: outer frame {outer[0]}x{outer[1]} (extents {left}, {right}, {up}, {down})"
            f" at ({at.x}, {at.y}), centre ({want[0]}, {want[1]})"
            + (" ±0.5" if placed else ", not checked"),
        )
        self.check(len(places) == 1, f"{what}: moves after it was shown: {places[1:]}")
        return client

    def click(self, client, rect):
        x, y, w, h = rect
        subprocess.run(
            ["xdotool", "mousemove", "--sync", "--window", str(client.id),
             str(x + w // 2), str(y + h // 2), "click", "1"],
            check=False,
        )

    def main(self):
        try:
            main = self.centred("main window at start", MAIN, placed=not self.after_first)
            if main is not None:
                self.click(main, SHOW_CLOCK)
                clock = self.centred("clock window", CLOCK)
                if clock is not None:
                    self.click(clock, BACK)
                    self.centred("main window back from the clock window", MAIN, gone=main.id)
            self.check(self.app.poll() is None, "kanmeri runs to the end of the checks")
            strays = self.strays()
            self.check(not strays, f"no other window shown: {strays}")
        finally:
            self.app.terminate()
            self.app.wait()
        return 1 if self.failures else 0


if __name__ == "__main__":
    if "DISPLAY" not in os.environ:
        sys.exit("centring.py: no DISPLAY")
    sys.exit(Run(sys.argv[1], "--after-first" in sys.argv[2:]).main())
