#!/usr/bin/python3
"""Asks a window to close the way a window manager does: a WM_DELETE_WINDOW message."""
import sys

from Xlib import X, protocol

from xwindow import open_window


def main():
    title = sys.argv[1] if len(sys.argv) > 1 else "Thornvale"
    d, window = open_window(title)
    if window is None:
        return 1
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    d.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
