#!/usr/bin/env python3
"""Checks Thornvale's 20 sounds.

Builds them first when needed (tools/build_assets.py --only ...), then prints for
every sound its length, channels, peak and RMS level (from sox), the loudest
100 ms of ear-weighted RMS (a rough guide to perceived loudness), and for the four loops the
jump between the last and the first sample and the level on either side of the
seam. Exits with 1 when a peak lies outside -4 .. -2.5 dBFS, a loop's seam jump
is too large or the level steps at the seam, or a sound is missing.

Usage: check_audio.py [--out DIR] [--no-build]
"""
import argparse
import array
import math
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MANIFEST = os.path.join(ROOT, "art", "manifest.tsv")
LOOPS = {"fire sizzle", "pond ripple", "rain", "music"}
PEAK_MAX, PEAK_MIN = -2.5, -4.0
# The seam may not jump by more than this (full scale = 1.0) nor by more than
# a few times the ordinary step between neighbouring samples of the loop.
SEAM_JUMP_MAX = 0.02
SEAM_STEP_FACTOR = 3.0
# Level on both sides of the seam must agree this well: the first and last
# 100 ms of an effect loop, the first and last second of the music (a shorter
# window in music only measures where the seam falls within a bar).
SEAM_LEVEL_DB = 3.0


def sounds():
    rows = []
    with open(MANIFEST, encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            code, kind, name, source = line.rstrip("\n").split("\t")[:4]
            if kind in ("sound", "music"):
                rows.append((code, kind, name, source))
    return rows


def sox_stat(path):
    """`sox X -n stat` and `stats` figures as a dict."""
    out = {}
    done = subprocess.run(["sox", path, "-n", "stat"], capture_output=True, text=True)
    for line in done.stderr.splitlines():
        if ":" in line:
            key, _, val = line.partition(":")
            try:
                out[key.strip()] = float(val.split()[0])
            except (ValueError, IndexError):
                pass
    done = subprocess.run(["sox", path, "-n", "stats", "-w", "0.1"], capture_output=True, text=True)
    for line in done.stderr.splitlines():
        parts = line.split()
        if line.startswith("RMS Pk dB"):
            out["rms_pk_db"] = float(parts[3])
        elif line.startswith("Pk lev dB"):
            out["pk_db"] = float(parts[3])
        elif line.startswith("RMS lev dB"):
            out["rms_db"] = float(parts[3])
    info = subprocess.run(["sox", "--i", "-c", path], capture_output=True, text=True)
    out["channels"] = int(info.stdout.strip() or 0)
    out["loud_db"] = loudness(path)
    info = subprocess.run(["sox", "--i", "-D", path], capture_output=True, text=True)
    out["duration"] = float(info.stdout.strip() or 0)
    return out


def loudness(path, rate=44100):
    """Loudness guide: the loudest 100 ms of RMS after a rough ear weighting
    (low cut, a few dB more above 1.5 kHz), in dB, channels mixed."""
    x = samples(path, 1, ["remix", "-", "rate", str(rate), "gain", "-6",
                          "highpass", "60", "treble", "4", "1500", "gain", "6"])[0]
    w, hop = rate // 10, rate // 100
    x = x + [0.0] * w
    best = 0.0
    for s in range(0, max(1, len(x) - w), hop):
        best = max(best, sum(v * v for v in x[s:s + w]) / w)
    return 10 * math.log10(best) if best > 0 else -200.0


def samples(path, channels, effects=()):
    """Decoded samples, one list per channel, full scale = 1.0."""
    raw = subprocess.run(["sox", path, "-t", "raw", "-e", "floating-point", "-b", "32", "-",
                          *effects], capture_output=True, check=True).stdout
    data = array.array("f")
    data.frombytes(raw[: len(raw) - len(raw) % 4])
    return [list(data[c::channels]) for c in range(channels)]


def rms_db(x):
    if not x:
        return -200.0
    r = math.sqrt(sum(v * v for v in x) / len(x))
    return 20 * math.log10(r) if r > 0 else -200.0


def seam(path, channels, window, rate=44100):
    """Worst jump across the seam, the loop's ordinary neighbour step (RMS) and
    the level difference between the last and first 100 ms."""
    worst_jump = worst_ratio = worst_level = 0.0
    step = 0.0
    for ch in samples(path, channels):
        jump = abs(ch[-1] - ch[0])
        diffs = [ch[i + 1] - ch[i] for i in range(0, len(ch) - 1)]
        step_c = math.sqrt(sum(d * d for d in diffs) / len(diffs))
        w = int(rate * window)
        level = abs(rms_db(ch[-w:]) - rms_db(ch[:w]))
        worst_jump = max(worst_jump, jump)
        worst_ratio = max(worst_ratio, jump / step_c if step_c else 0.0)
        worst_level = max(worst_level, level)
        step = max(step, step_c)
    return worst_jump, step, worst_ratio, worst_level


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", default=os.path.join(ROOT, "build", "run", "assets"))
    parser.add_argument("--no-build", action="store_true")
    args = parser.parse_args()
    rows = sounds()
    if not args.no_build:
        codes = ",".join(r[0] for r in rows)
        subprocess.run([sys.executable, os.path.join(ROOT, "tools", "build_assets.py"),
                        "--out", args.out, "--only", codes], check=False)
    failures = []
    print(f"{'code':4} {'name':18} {'secs':>6} {'ch':>2} {'peak dB':>8} {'RMS dB':>7} "
          f"{'loud dB':>8}  seam")
    for code, kind, name, _ in rows:
        path = os.path.join(args.out, code + ".dk5")
        if not os.path.exists(path):
            failures.append(f"{code} {name}: not built")
            print(f"{code:4} {name:18} missing")
            continue
        st = sox_stat(path)
        pk = st.get("pk_db", -200.0)
        line = (f"{code:4} {name:18} {st['duration']:6.2f} {st['channels']:2d} {pk:8.2f} "
                f"{st.get('rms_db', -200.0):7.2f} {st.get('loud_db', -200.0):8.2f}")
        if pk > PEAK_MAX or pk < PEAK_MIN:
            failures.append(f"{code} {name}: peak {pk:.2f} dBFS outside {PEAK_MIN} .. {PEAK_MAX}")
        if name in LOOPS:
            jump, step, ratio, level = seam(path, st["channels"], 1.0 if kind == "music" else 0.1)
            line += (f"  jump {jump:.4f} (ordinary step {step:.4f}, x{ratio:.1f}),"
                     f" level step {level:.1f} dB")
            if jump > SEAM_JUMP_MAX and ratio > SEAM_STEP_FACTOR:
                failures.append(f"{code} {name}: seam jump {jump:.4f}")
            if level > SEAM_LEVEL_DB:
                failures.append(f"{code} {name}: level steps {level:.1f} dB at the seam")
        print(line)
    for f in failures:
        print("FAIL", f)
    if not failures:
        print("all sounds pass")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
