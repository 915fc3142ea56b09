#!/usr/bin/python3
"""Waits until the Thornvale window shows more than the black loading screen.

The loading screen is black at (100, 100); every screen after it draws the blue sky
there. Exits 0 once that pixel is sky blue, 1 after the time limit (seconds, default 30)."""
import sys
import time

from Xlib import X, display

from xwindow import find_window


def main():
    limit = float(sys.argv[1]) if len(sys.argv) > 1 else 30.0
    d = display.Display()
    deadline = time.time() + limit
    while time.time() < deadline:
        window = find_window(d.screen().root, "Thornvale")
        if window is not None:
            blue, green, red = window.get_image(100, 100, 1, 1, X.ZPixmap, 0xFFFFFFFF).data[:3]
            if blue > 150 and blue > red + 30:
                return 0
        time.sleep(0.1)
    print("the first screen never appeared", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
