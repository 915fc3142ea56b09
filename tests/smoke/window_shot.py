#!/usr/bin/python3
"""Saves what the Thornvale window shows as a PNG and prints its size.

Usage: window_shot.py OUT.png [TITLE]   (TITLE: another window than Thornvale's)
The picture is read straight from the X server (the window's own pixels, bars included)."""
import struct
import sys
import zlib

from Xlib import X

from xwindow import open_window


def write_png(path, width, height, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\x00" + row for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        f.write(chunk(b"IEND", b""))


def main():
    title = sys.argv[2] if len(sys.argv) > 2 else "Thornvale"
    d, window = open_window(title)
    if window is None:
        return 1
    geometry = window.get_geometry()
    width, height = geometry.width, geometry.height
    data = window.get_image(0, 0, width, height, X.ZPixmap, 0xFFFFFFFF).data
    rows = []
    for y in range(height):
        line = data[y * width * 4:(y + 1) * width * 4]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        rows.append(bytes(rgb))
    write_png(sys.argv[1], width, height, rows)
    print(f"{width}x{height}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
