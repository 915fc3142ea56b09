#!/usr/bin/env python3
"""How sharp the title's lettering is in an enlarged window, and crops to compare by eye.

Usage: sharpness.py SHOT_1000x600.png SHOT_ENLARGED.png TITLE_RENDER.png OUT_DIR [SHOT_BEFORE.png]
  SHOT_1000x600   the title screen in a 1000 x 600 window
  SHOT_ENLARGED   the same screen in a larger window or full screen (its picture letterboxed)
  TITLE_RENDER    art/title/title.svg rendered by rsvg-convert at the enlarged title's size
  SHOT_BEFORE     optional: the enlarged screen as an older build of the game shows it

Sharpness is the standard deviation of a Laplacian of the luma over the title's lettering:
the pixels within two of a pixel where the title picture is at least 80 % opaque, so the
outlines' outer edges count and the sky around them hardly does. Each picture is compared
with the 1000 x 600 shot enlarged bilinearly to the same size, which is what stretching the
picture gives; the SVG's render is laid over the enlarged game's own picture. Writes crisp_title.png and crisp_text.png
to OUT_DIR: the title's crops side by side, left to right: enlarged, [before,] the game,
the SVG; the text's crops one above the other in the same order, without the SVG."""
import math
import os
import struct
import sys
import zlib

TITLE = (230, 50, 640, 200)           # the title picture in the view: left, top, width, height
TITLE_CROP = (236, 56, 190, 120)      # "Th" of the lettering, view units
TEXT_CROP = (290, 548, 420, 50)       # the two sentences under the play letters


def read_png(path):
    """(width, height, channels, rows of bytes) of an 8-bit RGB or RGBA PNG."""
    with open(path, "rb") as f:
        data = f.read()
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or interlace or colour not in (2, 6):
                raise SystemExit(f"{path}: only 8-bit RGB or RGBA PNGs without interlacing")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
    raw, stride = zlib.decompress(idat), width * channels
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        unfilter(kind, line, previous, channels)
        rows.append(line)
        previous = line
    return width, height, channels, rows


def unfilter(kind, line, previous, bpp):
    for i in range(len(line)):
        a = line[i - bpp] if i >= bpp else 0
        b = previous[i]
        c = previous[i - bpp] if i >= bpp else 0
        if kind == 1:
            line[i] = (line[i] + a) & 255
        elif kind == 2:
            line[i] = (line[i] + b) & 255
        elif kind == 3:
            line[i] = (line[i] + (a + b) // 2) & 255
        elif kind == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255


def write_png(path, width, height, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


class Picture:
    """RGB pixels by (x, y), from a PNG or made pixel by pixel."""

    def __init__(self, width, height, pixel):
        self.width, self.height, self.pixel = width, height, pixel

    @staticmethod
    def load(path):
        width, height, channels, rows = read_png(path)
        return Picture(width, height, lambda x, y: tuple(rows[y][x * channels:x * channels + 3]))

    def luma(self, x, y):
        r, g, b = self.pixel(x, y)
        return 0.299 * r + 0.587 * g + 0.114 * b


def letterbox(width, height):
    """Scale and top-left corner of the 1000 x 600 picture in a window of this size."""
    scale = min(width / 1000, height / 600)
    return scale, (width - round(1000 * scale)) // 2, (height - round(600 * scale)) // 2


def enlarged(small, width, height):
    """The 1000 x 600 shot stretched bilinearly into the window's picture, as a GPU would."""
    scale, left, top = letterbox(width, height)

    def pixel(x, y):
        u, v = (x - left + 0.5) / scale - 0.5, (y - top + 0.5) / scale - 0.5
        x0, y0 = max(0, min(998, math.floor(u))), max(0, min(598, math.floor(v)))
        fu, fv = min(1, max(0, u - x0)), min(1, max(0, v - y0))
        corners = [small.pixel(x0, y0), small.pixel(x0 + 1, y0), small.pixel(x0, y0 + 1), small.pixel(x0 + 1, y0 + 1)]
        weights = [(1 - fu) * (1 - fv), fu * (1 - fv), (1 - fu) * fv, fu * fv]
        return tuple(round(sum(w * c[i] for w, c in zip(weights, corners))) for i in range(3))
    return Picture(width, height, pixel)


def title_mask(render_path, game):
    """The title's lettering in window pixels, and the title render laid over the game's
    picture where the game draws the title."""
    scale, left, top = letterbox(game.width, game.height)
    w, h, channels, rows = read_png(render_path)
    if channels != 4:
        raise SystemExit(f"{render_path}: the render needs its transparency")
    x0, y0 = round(left + TITLE[0] * scale), round(top + TITLE[1] * scale)
    solid = [[rows[y][x * 4 + 3] >= 204 for x in range(w)] for y in range(h)]
    near = [[any(solid[y][max(0, x - 2):x + 3]) for x in range(w)] for y in range(h)]
    mask = [(x0 + x, y0 + y) for y in range(1, h - 1) for x in range(1, w - 1)
            if any(near[j][x] for j in range(max(0, y - 2), min(h, y + 3)))]

    def pixel(x, y):
        if not (0 <= x - x0 < w and 0 <= y - y0 < h):
            return game.pixel(x, y)
        r, g, b, a = rows[y - y0][(x - x0) * 4:(x - x0) * 4 + 4]
        under = game.pixel(x, y)
        return tuple(round((v * a + u * (255 - a)) / 255) for v, u in zip((r, g, b), under))
    return mask, Picture(game.width, game.height, pixel)


def laplacian_deviation(picture, mask):
    """Each pixel's luma is read once: the stretched picture is slow to sample."""
    left, top = min(x for x, _ in mask) - 1, min(y for _, y in mask) - 1
    right, bottom = max(x for x, _ in mask) + 2, max(y for _, y in mask) + 2
    luma = [[picture.luma(x, y) for x in range(left, right)] for y in range(top, bottom)]
    values = []
    for x, y in mask:
        i, j = x - left, y - top
        values.append(4 * luma[j][i] - luma[j][i - 1] - luma[j][i + 1] - luma[j - 1][i] - luma[j + 1][i])
    mean = sum(values) / len(values)
    return math.sqrt(sum((v - mean) ** 2 for v in values) / len(values))


def crops(path, pictures, crop, width, height, across):
    """The same crop of each picture, side by side (across) or one above the other."""
    scale, left, top = letterbox(width, height)
    x0, y0 = round(left + crop[0] * scale), round(top + crop[1] * scale)
    w, h, gap = round(crop[2] * scale), round(crop[3] * scale), 8
    cut = [[b"".join(bytes(p.pixel(x0 + x, y0 + y)) for x in range(w)) for y in range(h)] for p in pictures]
    if across:
        rows = [(bytes([255]) * 3 * gap).join(c[y] for c in cut) for y in range(h)]
        write_png(path, len(cut) * (w + gap) - gap, h, rows)
    else:
        rows = [row for i, c in enumerate(cut) for row in ([bytes([255]) * 3 * w] * gap if i else []) + c]
        write_png(path, w, len(rows), rows)
    return path


def main():
    if len(sys.argv) not in (5, 6):
        print(__doc__, file=sys.stderr)
        return 2
    small, game = Picture.load(sys.argv[1]), Picture.load(sys.argv[2])
    out = sys.argv[4]
    before = Picture.load(sys.argv[5]) if len(sys.argv) == 6 else None
    if (small.width, small.height) != (1000, 600):
        raise SystemExit(f"{sys.argv[1]} is {small.width} x {small.height}, not 1000 x 600")
    stretched = enlarged(small, game.width, game.height)
    mask, render = title_mask(sys.argv[3], game)
    print(f"{game.width} x {game.height}, picture {letterbox(game.width, game.height)[0]:.3f} times; "
          f"the title's lettering: {len(mask)} pixels")
    base = laplacian_deviation(stretched, mask)
    rows = [("1000 x 600 enlarged", stretched)] + ([("before", before)] if before else []) + \
        [("the game", game), ("the SVG rendered at this size", render)]
    for name, picture in rows:
        deviation = laplacian_deviation(picture, mask)
        print(f"  {name:30} Laplacian std dev {deviation:7.2f}   ratio to enlarged {deviation / base:5.2f}")
    os.makedirs(out, exist_ok=True)
    shown = [stretched] + ([before] if before else []) + [game]
    print(crops(os.path.join(out, "crisp_title.png"), shown + [render], TITLE_CROP, game.width, game.height, True))
    print(crops(os.path.join(out, "crisp_text.png"), shown, TEXT_CROP, game.width, game.height, False))
    return 0


if __name__ == "__main__":
    sys.exit(main())
