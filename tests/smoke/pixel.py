#!/usr/bin/python3
"""Prints the colour of window pixels as R,G,B, one line per X,Y given.

Usage: pixel.py X,Y [X,Y ...]   (pixels of the Thornvale window, bars included)"""
import sys

from Xlib import X

from xwindow import open_window


def main():
    d, window = open_window("Thornvale")
    if window is None:
        return 1
    for point in sys.argv[1:]:
        x, y = (int(v) for v in point.split(","))
        blue, green, red = window.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data[:3]
        print(f"{red},{green},{blue}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
