#!/usr/bin/env python3
"""Thornvale's victory fanfare: C major, 4/4, 100 bpm with a broadening end.

Eight bars: the trumpet calls the meadow theme's opening figure (5-1-2-3) twice,
answered by horns, trombones and strings; a harp sweep and a timpani roll lead
into the second call; the last bar holds a full C major chord over a swelling
timpani roll, and the whole band closes on one short stroke that rings out.
About 23 s.

Usage: win.py OUT.ogg
"""
import sys
import tempfile

from midi import Score, chord_pitches, pitch, root
from render import end_cleanly, synth, to_ogg

TRUMPET, HORNS, TROMBONES, STRINGS, TIMPANI, HARP, FLUTE, TUBA = range(8)
DRUMS = 9
BAR = 4

# two chords per bar (two beats each); a single name fills the bar
CHORDS = [("C", "C"), ("F", "C"), ("Am", "F"), ("G", "G"),
          ("C", "C"), ("F", "G"), ("F", "G7"), ("C", "C")]

MELODY = [
    ("G4", .5), ("C5", .5), ("D5", .5), ("E5", 1.5), ("C5", .5), ("E5", .5),
    ("F5", 1.5), ("E5", .5), ("G5", 2),
    ("A5", 1.5), ("G5", .5), ("F5", 1), ("A5", 1),
    ("G5", 3), ("r", 1),
    ("G4", .5), ("C5", .5), ("D5", .5), ("E5", 1.5), ("G5", .5), ("C6", .5),
    ("C6", 1.5), ("A5", .5), ("B5", 1), ("D6", 1),
    ("A5", 1), ("C6", 1), ("D6", 1.5), ("B5", .5),
    ("C6", 4),
]


def accent(beat, vel):
    return vel + (10 if beat % 2 == 0 else 0) - (6 if beat % 1 else 0)


def build():
    s = Score(100, BAR)
    s.instrument(TRUMPET, 56, volume=108, pan=60, reverb=55)
    s.instrument(HORNS, 60, volume=92, pan=44, reverb=65)
    s.instrument(TROMBONES, 57, volume=84, pan=80, reverb=60)
    s.instrument(STRINGS, 48, volume=80, pan=64, reverb=70)
    s.instrument(TIMPANI, 47, volume=100, pan=58, reverb=60)
    s.instrument(HARP, 46, volume=90, pan=36, reverb=70)
    s.instrument(FLUTE, 73, volume=78, pan=84, reverb=65)
    s.instrument(TUBA, 58, volume=84, pan=64, reverb=50)
    s.instrument(DRUMS, 0, volume=80, pan=70, reverb=70)
    # the last two bars broaden
    s.tempo(s.bar(7) + 2, 92)
    s.tempo(s.bar(8), 80)

    for k, (c1, c2) in enumerate(CHORDS):
        b = s.bar(k + 1)
        last = k == len(CHORDS) - 1
        for half, c in enumerate((c1, c2)):
            t = b + 2 * half
            length = 4 if last else 2
            if last and half == 1:
                break
            # horns: warm middle chord tones
            for p in chord_pitches(c, pitch("E4"), pitch("C5"))[:3]:
                s.note(HORNS, t, length * 0.97, p, 72 if k < 4 else 82)
            # trombones: a punchy stroke and a shorter one
            tb = chord_pitches(c, pitch("C3"), pitch("C4"))[:3]
            for p in tb:
                if last:
                    s.note(TROMBONES, t, 3.9, p, 92)
                else:
                    s.note(TROMBONES, t, 0.9, p, 80)
                    s.note(TROMBONES, t + 1, 0.45, p, 66)
            r = root(c, 2)
            s.note(TUBA, t, length * 0.9, r if r >= pitch("E2") else r + 12, 88)
            # strings swell in from the second call
            lo, hi = ("G3", "G4") if k < 4 else ("C4", "E5")
            for p in chord_pitches(c, pitch(lo), pitch(hi)):
                s.note(STRINGS, t, length * 0.98, p, 58 if k < 4 else 74)
            # timpani on the chord's root or fifth, whichever the drums are tuned to
            tp = pitch("C3") if c in ("C", "Am", "F") else pitch("G2")
            if not last:
                s.note(TIMPANI, t, 0.5, tp, 84 if half == 0 else 70)

    # harp sweep and timpani roll into the second call
    scale = [pitch(n) for n in ("C4", "D4", "E4", "F4", "G4", "A4", "B4", "C5", "D5", "E5",
                                 "F5", "G5", "A5", "B5", "C6", "D6")]
    for i, p in enumerate(scale):
        s.note(HARP, s.bar(4) + 3 + i * 0.0625, 1.5, p, 58 + i * 2)
    for i in range(8):
        s.note(TIMPANI, s.bar(4) + 3 + i * 0.125, 0.12, "G2", 50 + i * 6)
    # and a sweep up into the last chord
    for i, p in enumerate(scale):
        s.note(HARP, s.bar(8) + i * 0.05, 3.5, p, 70)

    # cymbals on the two calls and under the last chord
    for beat in (s.bar(1), s.bar(5)):
        s.note(DRUMS, beat, 1, 49, 70)
    s.note(DRUMS, s.bar(8), 2, 57, 88)
    # the held last chord swells on a timpani roll ...
    for i in range(28):
        s.note(TIMPANI, s.bar(8) + i * 0.125, 0.12, "C3", 50 + i * 2)
    # ... and the whole band closes on one short stroke
    end = s.bar(9)
    s.note(DRUMS, end, 2, 49, 90)
    s.note(TIMPANI, end, 0.9, "C3", 100)
    s.note(TIMPANI, end, 0.9, "G2", 86)
    s.note(TUBA, end, 0.7, "C2", 96)
    for p in ("C3", "G3", "C4", "E4"):
        s.note(TROMBONES, end, 0.7, p, 94)
    for p in ("E4", "G4", "C5"):
        s.note(HORNS, end, 0.7, p, 90)
    for p in ("C4", "G4", "C5", "E5", "C6"):
        s.note(STRINGS, end, 0.6, p, 86)
    s.note(TRUMPET, end, 0.7, "C6", 100)
    s.note(TRUMPET, end, 0.7, "G5", 90)
    s.note(FLUTE, end, 0.6, "C7", 84)

    s.line(TRUMPET, 0, MELODY, vel=96, legato=0.9, accent=accent)
    # the flute doubles the second call an octave up for sparkle
    s.line(FLUTE, s.bar(5), [(n if n == "r" else pitch(n) + 12, d) for n, d in MELODY[18:]],
           vel=70, legato=0.9)
    return s, len(CHORDS) * BAR + 1


def main():
    out = sys.argv[1]
    score, beats = build()
    with tempfile.TemporaryDirectory() as work:
        left, right = synth(score, beats, 6, work)
        to_ogg(end_cleanly([left, right], fade_s=0.8), out, work)


if __name__ == "__main__":
    main()
