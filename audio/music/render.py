"""Renders a Score to the game's Ogg Vorbis music files.

score -> MIDI -> fluidsynth (FluidR3 GM soundfont, its own reverb) -> float
samples -> either folded into a seamless loop or given a clean ending ->
peak-normalised -> 16-bit WAV (sox) -> Ogg Vorbis (oggenc, fixed serial so the
file is the same on every build).
"""
import array
import math
import os
import subprocess

SR = 44100
SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"


def synth(score, end_beat, tail_beats, work):
    """Renders the score to stereo float samples (left, right)."""
    # a silent controller far past the music keeps the player running while
    # the reverb and the last notes ring out
    score.cc(end_beat + tail_beats, 15, 11, 127)
    mid = os.path.join(work, "score.mid")
    raw = os.path.join(work, "score.f32")
    score.write(mid)
    subprocess.run(["fluidsynth", "-q", "-ni", "-g", "0.5", "-r", str(SR),
                    "-o", "synth.reverb.room-size=0.55", "-o", "synth.reverb.damp=0.4",
                    "-o", "synth.reverb.width=0.9", "-o", "synth.reverb.level=0.7",
                    "-o", "synth.chorus.active=0", "-o", "synth.cpu-cores=1",
                    "-T", "raw", "-O", "float", "-E", "little",
                    "-F", raw, SOUNDFONT, mid], check=True, capture_output=True)
    data = array.array("f")
    with open(raw, "rb") as f:
        data.frombytes(f.read())
    return list(data[0::2]), list(data[1::2])


def fold_loop(chans, loop_samples):
    """Adds everything that rings past the loop's end onto its start, so the
    loop continues into itself exactly as the piece would continue."""
    out = []
    for ch in chans:
        body = ch[:loop_samples] + [0.0] * max(0, loop_samples - len(ch))
        tail = ch[loop_samples:]
        k = 0
        while k < len(tail):
            for i in range(min(loop_samples, len(tail) - k)):
                body[i] += tail[k + i]
            k += loop_samples
        out.append(body)
    return out


def end_cleanly(chans, fade_s=1.0, floor_db=-60.0):
    """Trims the ring-out once it falls below floor_db and fades the last
    fade_s seconds to silence."""
    pk = max(max(abs(v) for v in ch) for ch in chans)
    lim = pk * 10 ** (floor_db / 20.0)
    last = max(max((i for i, v in enumerate(ch) if abs(v) > lim), default=0) for ch in chans)
    n = min(len(chans[0]), last + int(0.05 * SR))
    fade = int(fade_s * SR)
    out = []
    for ch in chans:
        y = ch[:n]
        for i in range(min(fade, n)):
            y[n - 1 - i] *= math.sin(0.5 * math.pi * i / fade) ** 2
        for i in range(min(int(0.004 * SR), n)):
            y[i] *= i / (0.004 * SR)
        out.append(y)
    return out


def to_ogg(chans, out_path, work, peak_db=-3.2, quality=5):
    pk = max(max(abs(v) for v in ch) for ch in chans)
    g = 10 ** (peak_db / 20.0) / pk
    inter = array.array("f", [0.0] * (2 * len(chans[0])))
    inter[0::2] = array.array("f", [v * g for v in chans[0]])
    inter[1::2] = array.array("f", [v * g for v in chans[1]])
    raw = os.path.join(work, "mix.f32")
    wav = os.path.join(work, "mix.wav")
    with open(raw, "wb") as f:
        inter.tofile(f)
    subprocess.run(["sox", "-D", "-t", "f32", "-r", str(SR), "-c", "2", raw,
                    "-b", "16", "-t", "wav", wav], check=True)
    subprocess.run(["oggenc", "-Q", "-q", str(quality), "--serial", "1750",
                    "-o", out_path, wav], check=True)


def beats_to_samples(beats, bpm):
    return int(round(beats * 60.0 / bpm * SR))
