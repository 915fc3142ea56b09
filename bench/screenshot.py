#!/usr/bin/python3
"""Saves the picture of a window, found by its title, as a PNG (no imaging library needed).

Usage: screenshot.py OUT.png [TITLE]"""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "smoke"))
from Xlib import X, display  # noqa: E402

from xwindow import find_window  # noqa: E402


def png(width, height, bgrx):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    rows = bytearray()
    for y in range(height):
        row = bgrx[y * width * 4:(y + 1) * width * 4]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = row[2::4], row[1::4], row[0::4]
        rows += b"\x00" + rgb
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows))) + chunk(b"IEND", b"")


def main():
    title = sys.argv[2] if len(sys.argv) > 2 else "Thornvale"
    window = find_window(display.Display().screen().root, title)
    if window is None:
        print(f"no window named {title}", file=sys.stderr)
        return 1
    g = window.get_geometry()
    data = window.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF).data
    with open(sys.argv[1], "wb") as f:
        f.write(png(g.width, g.height, data))
    return 0


if __name__ == "__main__":
    sys.exit(main())
