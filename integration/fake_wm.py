#!/usr/bin/env python3
"""A window manager that draws no frame, for the centring test.

    integration/fake_wm.py wrong|silent

It names itself on the root window and offers _NET_REQUEST_FRAME_EXTENTS.
Asked for a window's frame before the window is mapped, `wrong` answers
4, 4, 30, 4 (left, right, top, bottom) and `silent` never answers. A window
it maps gets the frame it really has, none: _NET_FRAME_EXTENTS 0, 0, 0, 0.
Windows are mapped and configured as they ask. Runs until its X server ends.
"""

import sys

from Xlib import X, Xatom, display, error

CONFIGURED = ("x", "y", "width", "height", "border_width", "sibling", "stack_mode")
CONFIGURE_BITS = (X.CWX, X.CWY, X.CWWidth, X.CWHeight, X.CWBorderWidth, X.CWSibling, X.CWStackMode)


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
    root.change_property(atom("_NET_SUPPORTED"), Xatom.ATOM, 32, [request, extents])
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
                event.window.change_property(extents, Xatom.CARDINAL, 32, [4, 4, 30, 4])
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


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
