"""A small Standard MIDI File writer and score helpers for Thornvale's music.

A Score collects notes in beats (quarter notes); write() turns them into a
format-0 MIDI file that fluidsynth renders with the General MIDI soundfont.
Notes are written as names: "C4" is middle C, "F#5", "Bb3"; "r" is a rest.
"""
import struct

PPQ = 480
NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def pitch(name):
    """'F#5' -> 78 (MIDI note number)."""
    letter, rest = name[0].upper(), name[1:]
    semis = NAMES[letter]
    while rest and rest[0] in "#b":
        semis += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + semis


def varlen(v):
    out = [v & 0x7F]
    v >>= 7
    while v:
        out.append(0x80 | (v & 0x7F))
        v >>= 7
    return bytes(reversed(out))


class Score:
    def __init__(self, bpm, beats_per_bar=4):
        self.beats_per_bar = beats_per_bar
        self.events = []  # (tick, order, bytes)
        self.tempo(0, bpm)

    # -- setup
    def tempo(self, beat, bpm):
        us = int(round(60_000_000 / bpm))
        self._add(beat, 0, b"\xff\x51\x03" + us.to_bytes(3, "big"))

    def instrument(self, ch, program, volume=100, pan=64, reverb=40, chorus=0):
        self._add(0, 1, bytes([0xC0 | ch, program]))
        self.cc(0, ch, 7, volume)
        self.cc(0, ch, 10, pan)
        self.cc(0, ch, 91, reverb)
        self.cc(0, ch, 93, chorus)

    def cc(self, beat, ch, number, value):
        self._add(beat, 1, bytes([0xB0 | ch, number, max(0, min(127, int(value)))]))

    # -- notes
    def note(self, ch, beat, length, name_or_pitch, vel=80):
        p = pitch(name_or_pitch) if isinstance(name_or_pitch, str) else name_or_pitch
        vel = max(1, min(127, int(vel)))
        self._add(beat, 3, bytes([0x90 | ch, p, vel]))
        self._add(beat + length, 2, bytes([0x80 | ch, p, 0]))

    def line(self, ch, beat, items, vel=80, legato=0.95, accent=None):
        """A melody: items = [(name or 'r', beats), ...]; returns the end beat."""
        for name, length in items:
            if name != "r":
                v = vel
                if accent:
                    v = accent(beat, vel)
                for n in (name.split("+") if isinstance(name, str) else [name]):  # "C4+E4": a dyad
                    self.note(ch, beat, length * legato, n, v)
            beat += length
        return beat

    def bar(self, number):
        """Beat where bar `number` (from 1) begins."""
        return (number - 1) * self.beats_per_bar

    def _add(self, beat, order, data):
        self.events.append((int(round(beat * PPQ)), order, data))

    def write(self, path):
        track = bytearray()
        last = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            track += varlen(tick - last) + data
            last = tick
        track += varlen(0) + b"\xff\x2f\x00"
        with open(path, "wb") as f:
            f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, PPQ))
            f.write(b"MTrk" + struct.pack(">I", len(track)) + track)


# -- harmony helpers

CHORDS = {
    "C": ("C", "E", "G"), "Dm": ("D", "F", "A"), "Em": ("E", "G", "B"),
    "F": ("F", "A", "C"), "G": ("G", "B", "D"), "Am": ("A", "C", "E"),
    "D": ("D", "F#", "A"), "D7": ("D", "F#", "A", "C"), "G7": ("G", "B", "D", "F"),
    "Bm": ("B", "D", "F#"), "A": ("A", "C#", "E"), "E7": ("E", "G#", "B", "D"),
    "Cmaj7": ("C", "E", "G", "B"), "Gsus": ("G", "C", "D"), "Dsus": ("D", "G", "A"),
}


def chord_pitches(chord, low, high):
    """Every pitch of the chord between MIDI notes low and high."""
    classes = {NAMES[t[0]] + (1 if "#" in t else 0) - (1 if t.endswith("b") and len(t) > 1 else 0)
               for t in CHORDS[chord]}
    return [p for p in range(low, high + 1) if p % 12 in classes]


def root(chord, octave):
    t = CHORDS[chord][0]
    return pitch(t + str(octave))
