#!/usr/bin/env python3
"""Thornvale's meadow theme: a calm pastoral waltz in G major, 100 bpm, 3/4.

48 bars (86.4 s), looping: intro (4) - A (8, flute) - A' (8, flute with a
clarinet counter-line) - B (8, clarinet in E minor with flute echoes) - A'' (8,
flute and oboe in thirds, strings) - C (8, oboe tune over guitar, flute
birdsong) - outro (4, turning back to the start).

Usage: music.py OUT.ogg
"""
import sys
import tempfile

from midi import Score, chord_pitches, pitch, root
from render import beats_to_samples, fold_loop, synth, to_ogg

BPM = 100
BAR = 3
FLUTE, OBOE, CLARINET, HARP, GUITAR, PAD, STRINGS, BASS = range(8)

# bar by bar; a pair splits the bar in two halves of 1.5 beats
INTRO = ["G", "C", "G", "D"]
A1 = ["G", "Em", "C", "D", "G", "C", "D", "G"]
A2 = ["G", "Em", "C", "D", "G", "C", ("Am", "D"), "G"]
B = ["Em", "C", "G", "D", "Em", "Am", ("C", "D"), "D"]
A3 = A2
C = ["C", ("G", "B"), "Am", "D", "C", "G", ("Am", "D"), "G"]
OUTRO = ["G", "C", "Am", "D7"]
SECTIONS = [("intro", INTRO), ("A1", A1), ("A2", A2), ("B", B), ("A3", A3), ("C", C), ("outro", OUTRO)]

MELODY_A1 = [
    ("D5", 1), ("G5", 1.5), ("A5", .5),
    ("B5", 2), ("G5", 1),
    ("E5", 1.5), ("F#5", .5), ("G5", 1),
    ("A5", 2), ("D5", 1),
    ("D5", 1), ("G5", 1.5), ("A5", .5),
    ("C6", 1.5), ("B5", .5), ("A5", 1),
    ("G5", 1), ("F#5", 1), ("E5", .5), ("F#5", .5),
    ("G5", 3),
]
MELODY_A2 = [
    ("D5", 1), ("G5", 1.5), ("A5", .5),
    ("B5", 2), ("G5", 1),
    ("E5", 1.5), ("F#5", .5), ("G5", 1),
    ("A5", 1.5), ("G5", .5), ("F#5", .5), ("E5", .5),
    ("D5", 1), ("B5", 1.5), ("A5", .5),
    ("G5", 1), ("E6", 1), ("D6", .5), ("C6", .5),
    ("A5", 1), ("E5", .5), ("F#5", 1), ("A5", .5),
    ("G5", 3),
]
COUNTER_A2 = [
    ("B4", 3), ("B4", 2), ("G4", 1), ("C5", 3), ("A4", 2), ("F#4", 1),
    ("G4", 1), ("B4", 1), ("D5", 1), ("E5", 2), ("C5", 1), ("C5", 1.5), ("A4", 1.5), ("B4", 2), ("r", 1),
]
MELODY_B = [
    ("B4", 1.5), ("C5", .5), ("B4", 1),
    ("A4", 1), ("G4", 1), ("E4", 1),
    ("D4", 1), ("G4", 1), ("B4", 1),
    ("A4", 3),
    ("B4", 1.5), ("C5", .5), ("D5", 1),
    ("E5", 1), ("C5", 1), ("A4", 1),
    ("G4", 1), ("E4", .5), ("F#4", .5), ("A4", 1),
    ("D5", 2), ("r", 1),
]
ECHO_B = [  # the flute answers the clarinet at the end of each phrase
    ("r", 9), ("r", 1), ("A5", .5), ("G5", .5), ("F#5", 1),
    ("r", 9), ("r", 1), ("D6", .5), ("C6", .5), ("A5", 1),
]
MELODY_C = [
    ("E5", 2), ("G5", 1),
    ("D5", 2), ("B4", 1),
    ("C5", 1), ("E5", 1), ("A5", 1),
    ("F#5", 2), ("D5", 1),
    ("E5", 1.5), ("D5", .5), ("C5", 1),
    ("B4", 1), ("D5", 1), ("G5", 1),
    ("A5", 1), ("G5", .5), ("F#5", 1.5),
    ("G5", 2), ("r", 1),
]
BIRDS_C = [  # little birdsong figures high on the flute
    ("r", 3), ("r", 2), ("D6", .25), ("E6", .25), ("D6", .5),
    ("r", 6),
    ("r", 3), ("r", 2), ("G6", .25), ("E6", .25), ("D6", .5),
    ("r", 3), ("r", 1), ("B5", .25), ("D6", .25), ("G6", 1.5),
]
INTRO_CLARINET = [("B4", 3), ("C5", 3), ("B4", 3), ("A4", 2), ("r", 1)]
MELODY_OUTRO = [
    ("D5", 1), ("G5", 1.5), ("A5", .5),
    ("G5", 1.5), ("E5", 1.5),
    ("C5", 1), ("E5", 1), ("A5", 1),
    ("F#5", 2), ("r", 1),
]

SCALE = [pitch(n) % 12 for n in ("G0", "A0", "B0", "C0", "D0", "E0", "F#0")]


def third_below(name):
    """The note a diatonic third below in G major."""
    if name == "r":
        return name
    p = pitch(name)
    steps = 0
    while steps < 2:
        p -= 1
        if p % 12 in SCALE:
            steps += 1
    return p


def accent(beat, vel):
    pos = beat % BAR
    wobble = ((int(beat * 4) * 7) % 5) - 2
    return vel + (8 if pos == 0 else (-4 if pos % 1 else 0)) + wobble


def halves(chords):
    """[(chord, bass, start offset, beats), ...] for one bar."""
    if isinstance(chords, tuple):
        if chords[1] == "B":  # G over its third in the bass
            return [("G", "B", 0, 3)]
        return [(chords[0], None, 0, 1.5), (chords[1], None, 1.5, 1.5)]
    return [(chords, None, 0, 3)]


def harp_bar(s, beat, chords, vel, rolled=False):
    for ch, _, off, length in halves(chords):
        tones = chord_pitches(ch, root(ch, 3), root(ch, 3) + 19)
        pattern = [tones[0], tones[1], tones[2], tones[3], tones[2], tones[1]]
        if rolled:
            for k, p in enumerate(tones[:4]):
                s.note(HARP, beat + off + k * 0.08, length - k * 0.08, p, vel - 6 + k * 2)
            continue
        for k in range(int(length * 2)):
            v = vel + (6 if k == 0 else 0) - (3 if k % 2 else 0)
            s.note(HARP, beat + off + k * 0.5, 1.2, pattern[k], v)


def guitar_bar(s, beat, chords, vel):
    for ch, _, off, length in halves(chords):
        tones = chord_pitches(ch, pitch("G3"), pitch("E4"))[-3:]
        hits = [1, 2] if length == 3 else [0.5]
        for h in hits:
            for k, p in enumerate(tones):
                s.note(GUITAR, beat + off + h + k * 0.02, 0.8, p, vel - (4 if h == 2 else 0))


def bass_bar(s, beat, chords, vel, walk):
    for ch, bass_note, off, length in halves(chords):
        r = pitch(bass_note + "2") if bass_note else root(ch, 2)
        if r < pitch("E2"):
            r += 12
        if walk and length == 3:
            fifth = chord_pitches(ch, r + 5, r + 8)[0]
            s.note(BASS, beat + off, 1.8, r, vel)
            s.note(BASS, beat + off + 2, 0.9, fifth, vel - 10)
        else:
            s.note(BASS, beat + off, length * 0.9, r, vel)


def pad_bar(held, ch_no, beat, chords, vel, low="B3", high="B4"):
    """Collects held chord tones; sustain() later ties the common ones."""
    for ch, _, off, length in halves(chords):
        for p in chord_pitches(ch, pitch(low), pitch(high)):
            held.setdefault(ch_no, []).append((beat + off, length, p, vel))


def sustain(s, held):
    """Writes held tones, tying a tone over into the next chord that keeps it,
    so the pad and strings breathe with the harmony instead of every bar."""
    for ch_no, notes in held.items():
        open_notes = {}  # pitch -> [start, end, vel]
        for beat, length, p, vel in sorted(notes):
            cur = open_notes.get(p)
            if cur and abs(cur[1] - beat) < 1e-6:
                cur[1] = beat + length
            else:
                if cur:
                    s.note(ch_no, cur[0], cur[1] - cur[0], p, cur[2])
                open_notes[p] = [beat, beat + length, vel]
        for p, (a, b, v) in open_notes.items():
            s.note(ch_no, a, b - a, p, v)


def build():
    s = Score(BPM, BAR)
    s.instrument(FLUTE, 73, volume=104, pan=72, reverb=60)
    s.instrument(OBOE, 68, volume=84, pan=52, reverb=55)
    s.instrument(CLARINET, 71, volume=96, pan=82, reverb=55)
    s.instrument(HARP, 46, volume=88, pan=44, reverb=60)
    s.instrument(GUITAR, 24, volume=72, pan=88, reverb=45)
    s.instrument(PAD, 89, volume=58, pan=64, reverb=80)
    s.instrument(STRINGS, 49, volume=62, pan=60, reverb=70)
    s.instrument(BASS, 32, volume=100, pan=64, reverb=30)

    bar = 1
    starts = {}
    held = {}
    for name, chords in SECTIONS:
        starts[name] = s.bar(bar)
        for k, c in enumerate(chords):
            b = s.bar(bar)
            if name in ("intro", "A1", "A2", "A3", "outro"):
                harp_bar(s, b, c, 60 if name != "intro" else 56)
            elif name == "B":
                harp_bar(s, b, c, 58, rolled=True)
            else:  # C: harp only on every other bar, guitar carries the waltz
                if k % 2 == 1:
                    harp_bar(s, b, c, 52, rolled=True)
            if name in ("B", "C"):
                guitar_bar(s, b, c, 60)
            if name == "outro" and k == len(chords) - 1:
                # the last bar walks back down into the opening G
                s.note(BASS, b, 1.8, "D3", 80)
                s.note(BASS, b + 2, 0.9, "C3", 72)
            else:
                bass_bar(s, b, c, 84, walk=name in ("A2", "B", "A3", "C"))
            if name != "C":
                pad_bar(held, PAD, b, c, 40 if name in ("intro", "outro") else 46)
            else:
                pad_bar(held, PAD, b, c, 34)
            if name in ("B", "A3"):
                pad_bar(held, STRINGS, b, c, 44 if name == "B" else 52, low="D3", high="D4")
            bar += 1
    sustain(s, held)

    s.line(FLUTE, starts["A1"], MELODY_A1, vel=86, accent=accent)
    s.line(FLUTE, starts["A2"], MELODY_A2, vel=90, accent=accent)
    s.line(CLARINET, starts["A2"], COUNTER_A2, vel=62, legato=0.98)
    s.line(CLARINET, starts["B"], MELODY_B, vel=88, accent=accent)
    s.line(FLUTE, starts["B"], ECHO_B, vel=70, accent=accent)
    s.line(FLUTE, starts["A3"], MELODY_A2, vel=92, accent=accent)
    harmony = [(third_below(n), d) for n, d in MELODY_A2]
    harmony[19] = ("E5", 1)  # over A minor the oboe takes the fifth, not F#
    s.line(OBOE, starts["A3"], harmony, vel=70, accent=accent)
    s.line(OBOE, starts["C"], MELODY_C, vel=86, accent=accent)
    s.line(FLUTE, starts["C"], BIRDS_C, vel=60, legato=0.9)
    s.line(CLARINET, starts["intro"], INTRO_CLARINET, vel=54, legato=0.97)
    s.line(FLUTE, starts["outro"], MELODY_OUTRO, vel=68,
           accent=lambda beat, vel: accent(beat, vel) - int((beat - starts["outro"]) * 1.2))
    return s, (bar - 1) * BAR


def main():
    out = sys.argv[1]
    score, beats = build()
    with tempfile.TemporaryDirectory() as work:
        left, right = synth(score, beats, 10, work)
        loop = beats_to_samples(beats, BPM)
        to_ogg(fold_loop([left, right], loop), out, work)


if __name__ == "__main__":
    main()
