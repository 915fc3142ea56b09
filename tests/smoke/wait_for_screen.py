#!/usr/bin/python3
"""Waits until the Thornvale window shows more than the black loading screen.

The loading screen is black at (100, 100) of the picture; every screen after it draws
the blue sky there. The picture is letterboxed in windows of other sizes, so the point
is looked up through the same uniform scaling. Exits 0 once that pixel is sky blue, 1 after the time limit (seconds, default 30).
An optional second argument names another window title to wait for."""
import sys
import time

from Xlib import X, display, error

from xwindow import find_window


def picture_point(window, x, y):
    """The window pixel showing point (x, y) of the 1000 x 600 picture."""
    g = window.get_geometry()
    scale = min(g.width / 1000, g.height / 600)
    left, top = (g.width - round(1000 * scale)) // 2, (g.height - round(600 * scale)) // 2
    return left + int(x * scale), top + int(y * scale)


def main():
    limit = float(sys.argv[1]) if len(sys.argv) > 1 else 30.0
    title = sys.argv[2] if len(sys.argv) > 2 else "Thornvale"
    d = display.Display()
    deadline = time.time() + limit
    while time.time() < deadline:
        try:
            window = find_window(d.screen().root, title)
            if window is not None:
                x, y = picture_point(window, 100, 100)
                blue, green, red = window.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data[:3]
                if blue > 150 and blue > red + 30:
                    return 0
        except error.XError:
            pass  # the window is still being made, or was replaced
        time.sleep(0.02)
    print("the first screen never appeared", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
