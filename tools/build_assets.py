#!/usr/bin/env python3
"""Builds the game's assets/ folder from art/, audio/ and Debian's fonts.

Every row of art/manifest.tsv becomes assets/<code>.dk5:
  image, sheet, icon  SVG rasterised by rsvg-convert at the manifest size (PNG inside);
                      images and sheets also at twice that size as assets/2x/<code>.dk5,
                      which the game draws in windows that enlarge its picture
  sound, music        the recipe script run as `bash recipe OUT`; it writes OUT (WAV or Ogg)
  font                copied from the installed font package

Only files whose sources are newer than the output are rebuilt.
Usage: build_assets.py [--out DIR] [--only CODE,CODE] [--jobs N]
"""
import argparse
import concurrent.futures
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MANIFEST = os.path.join(ROOT, "art", "manifest.tsv")
LARGE_FOLDER = "2x"          # the same pictures at twice their size
DRAWN_LARGE = ("image", "sheet")  # the window icon is only ever shown by the desktop


def read_manifest():
    rows = []
    with open(MANIFEST, encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            code, kind, names, source, size, why = line.rstrip("\n").split("\t")
            rows.append(dict(code=code, kind=kind, names=names, source=source, size=size, why=why))
    return rows


def source_path(row):
    src = row["source"]
    return src if os.path.isabs(src) else os.path.join(ROOT, src)


def newest_input(row):
    """Latest change among the files the row is made from."""
    src = source_path(row)
    stamps = [os.path.getmtime(MANIFEST)]
    if row["kind"] in ("sound", "music"):
        folder = os.path.dirname(src)
        for name in os.listdir(folder):
            stamps.append(os.path.getmtime(os.path.join(folder, name)))
    else:
        stamps.append(os.path.getmtime(src))
    return max(stamps)


def targets(row, out_dir):
    """(output file, rsvg size or None) for every file the row makes."""
    out = os.path.join(out_dir, row["code"] + ".dk5")
    if row["kind"] not in ("image", "sheet", "icon"):
        return [(out, None)]
    w, h = (int(v) for v in row["size"].split("x"))
    made = [(out, (w, h))]
    if row["kind"] in DRAWN_LARGE:
        made.append((os.path.join(out_dir, LARGE_FOLDER, row["code"] + ".dk5"), (2 * w, 2 * h)))
    return made


def build_one(row, out_dir):
    problems = [make(row, out, size) for out, size in targets(row, out_dir)]
    return "\n".join(p for p in problems if p) or None


def make(row, out, size):
    src = source_path(row)
    if not os.path.exists(src):
        return f"missing source {row['source']} for {row['code']} ({row['names']})"
    if os.path.exists(out) and os.path.getmtime(out) >= newest_input(row):
        return None
    kind = row["kind"]
    tmp = out + ".part"
    if size:
        cmd = ["rsvg-convert", "-w", str(size[0]), "-h", str(size[1]), "-f", "png", "-o", tmp, src]
    elif kind in ("sound", "music"):
        cmd = ["bash", src, tmp]
    elif kind == "font":
        shutil.copyfile(src, tmp)
        cmd = None
    else:
        return f"unknown kind {kind} for {row['code']}"
    if cmd:
        with tempfile.TemporaryDirectory() as work:
            done = subprocess.run(cmd, cwd=work, capture_output=True, text=True)
        if done.returncode != 0 or not os.path.exists(tmp):
            return f"{row['code']} ({row['names']}): {' '.join(cmd)} failed\n{done.stderr[-2000:]}"
    os.replace(tmp, out)
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", default=os.path.join(ROOT, "build", "run", "assets"))
    parser.add_argument("--only", default="")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    args = parser.parse_args()
    args.out = os.path.abspath(args.out)  # the tools run in a folder of their own
    os.makedirs(os.path.join(args.out, LARGE_FOLDER), exist_ok=True)
    rows = read_manifest()
    if args.only:
        wanted = set(args.only.split(","))
        rows = [r for r in rows if r["code"] in wanted]
    with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        problems = [p for p in pool.map(lambda r: build_one(r, args.out), rows) if p]
    for p in problems:
        print("build_assets:", p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
