#!/usr/bin/env python3
"""A window manager that draws no frame, for the centring test.

    integration/fake_wm.py wrong|silent|hidden

It names itself on the root window. `wrong` and `silent` offer
_NET_REQUEST_FRAME_EXTENTS: asked for a window's frame before the window is
mapped, `wrong` answers 4, 4, 30, 4 (left, right, top, bottom) and `silent`
never answers; a window they map gets the frame it really has, none:
_NET_FRAME_EXTENTS 0, 0, 0, 0. `hidden` does not offer the question but keeps
minimised windows (_NET_WM_STATE_HIDDEN): every window it takes gets the
extents 4, 4, 30, 4, and is shown inside a frame window of that size, placed
where the window asked to be; one that asks to start minimised is never
mapped. Windows are otherwise mapped and configured as they ask. Runs until
its X server ends.
"""

import sys

from Xlib import X, Xatom, Xutil, display, error

CONFIGURED = ("x", "y", "width", "height", "border_width", "sibling", "stack_mode")
CONFIGURE_BITS = (X.CWX, X.CWY, X.CWWidth, X.CWHeight, X.CWBorderWidth, X.CWSibling, X.CWStackMode)
FRAME = (4, 4, 30, 4)


def main(mode):
    dpy = display.Display()
    dpy.set_error_handler(lambda *_: None)  # a window may go before its answer
    root = dpy.screen().root
    atom = dpy.intern_atom
    extents = atom("_NET_FRAME_EXTENTS")
    request = atom("_NET_REQUEST_FRAME_EXTENTS")
    root.change_attributes(event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    check = root.create_window(-1, -1, 1, 1, 0, X.CopyFromParent)
    check.change_property(atom("_NET_SUPPORTING_WM_CHECK"), Xatom.WINDOW, 32, [check.id])
    hidden = [atom("_NET_WM_STATE"), atom("_NET_WM_STATE_HIDDEN")]
    offered = hidden if mode == "hidden" else [request]
    root.change_property(atom("_NET_SUPPORTED"), Xatom.ATOM, 32, offered + [extents])
    frames = {}  # window id -> the frame it is shown in, under `hidden`
    # Last: the test starts the program once the root names the manager.
    root.change_property(atom("_NET_SUPPORTING_WM_CHECK"), Xatom.WINDOW, 32, [check.id])
    dpy.sync()
    while True:
        try:
            event = dpy.next_event()
        except error.ConnectionClosedError:
            return 0
        if event.type == X.ClientMessage and event.client_type == request:
            if mode == "wrong":
                event.window.change_property(extents, Xatom.CARDINAL, 32, list(FRAME))
        elif event.type == X.MapRequest and mode == "hidden":
            take_framed(root, event.window, extents, frames)
        elif event.type in (X.UnmapNotify, X.DestroyNotify):
            release(root, event.window, frames)
        elif event.type == X.MapRequest:
            event.window.change_property(extents, Xatom.CARDINAL, 32, [0, 0, 0, 0])
            event.window.map()
        elif event.type == X.ConfigureRequest:
            asked = {
                name: getattr(event, name)
                for name, bit in zip(CONFIGURED, CONFIGURE_BITS)
                if event.value_mask & bit
            }
            event.window.configure(**asked)
        dpy.flush()


def take_framed(root, window, extents, frames):
    """Takes `window` into a frame window of FRAME's extents where the window
    asks to be, or keeps it unmapped if it asks to start minimised."""
    window.change_property(extents, Xatom.CARDINAL, 32, list(FRAME))
    hints = window.get_wm_hints()
    if hints is not None and hints.flags & Xutil.StateHint:
        if hints.initial_state == Xutil.IconicState:
            return
    left, right, top, bottom = FRAME
    g = window.get_geometry()
    frame = root.create_window(
        g.x, g.y, g.width + left + right, g.height + top + bottom, 0, X.CopyFromParent,
        event_mask=X.SubstructureNotifyMask)
    window.reparent(frame, left, top)
    window.map()
    frame.map()
    frames[window.id] = frame


def release(root, window, frames):
    """Gives an unmapped or destroyed window's frame up."""
    frame = frames.pop(window.id, None)
    if frame is not None:
        window.reparent(root, 0, 0)  # fails harmlessly for a window that is gone
        frame.destroy()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
