"""Small signal toolkit for Thornvale's sound effects (standard library only).

Signals are plain lists of floats at 44.1 kHz, full scale = 1.0. Everything is
seeded, so every recipe renders the same file every time.
"""
import math
import random
import struct
import wave

SR = 44100
TAU = 2.0 * math.pi


def n_of(seconds):
    return int(round(seconds * SR))


def silence(n):
    return [0.0] * n


def white(n, rng):
    u = rng.uniform
    return [u(-1.0, 1.0) for _ in range(n)]


def add_into(dst, src, at=0, gain=1.0, wrap=False):
    """Mixes src into dst starting at sample `at` (wrapping round for loops)."""
    n = len(dst)
    if wrap:
        for i, v in enumerate(src):
            dst[(at + i) % n] += v * gain
    else:
        end = min(n, at + len(src))
        for i in range(max(0, at), end):
            dst[i] += src[i - at] * gain
    return dst


def mix(*parts):
    n = max(len(p) for p, _ in parts)
    out = [0.0] * n
    for p, g in parts:
        for i, v in enumerate(p):
            out[i] += v * g
    return out


def scale(x, g):
    return [v * g for v in x]


def mul(x, env):
    return [a * b for a, b in zip(x, env)]


# ---------------------------------------------------------------- envelopes

def env_points(n, points):
    """Piecewise-linear envelope through (seconds, level) points."""
    out = [0.0] * n
    pts = [(t * SR, v) for t, v in points]
    j = 0
    for i in range(n):
        while j < len(pts) - 2 and i >= pts[j + 1][0]:
            j += 1
        (t0, v0), (t1, v1) = pts[j], pts[j + 1]
        if i <= t0:
            out[i] = v0
        elif i >= t1:
            out[i] = v1
        else:
            out[i] = v0 + (v1 - v0) * (i - t0) / (t1 - t0)
    return out


def env_hit(n, attack, decay, delay=0.0):
    """Fast attack, exponential decay (decay = time constant in seconds)."""
    out = [0.0] * n
    a = max(1, int(attack * SR))
    d0 = int(delay * SR)
    k = math.exp(-1.0 / (decay * SR))
    lvl = 1.0
    for i in range(d0, n):
        j = i - d0
        if j < a:
            out[i] = 0.5 - 0.5 * math.cos(math.pi * j / a)
        else:
            lvl *= k
            out[i] = lvl
    return out


# ---------------------------------------------------------------- filters

def biquad_coefs(kind, f, q, gain_db=0.0):
    f = min(max(f, 10.0), SR * 0.45)
    w = TAU * f / SR
    cw, sw = math.cos(w), math.sin(w)
    al = sw / (2.0 * q)
    if kind == "lp":
        b0, b1, b2 = (1 - cw) / 2, 1 - cw, (1 - cw) / 2
        a0, a1, a2 = 1 + al, -2 * cw, 1 - al
    elif kind == "hp":
        b0, b1, b2 = (1 + cw) / 2, -(1 + cw), (1 + cw) / 2
        a0, a1, a2 = 1 + al, -2 * cw, 1 - al
    elif kind == "bp":  # constant 0 dB peak gain
        b0, b1, b2 = al, 0.0, -al
        a0, a1, a2 = 1 + al, -2 * cw, 1 - al
    elif kind == "peak":
        A = 10 ** (gain_db / 40.0)
        b0, b1, b2 = 1 + al * A, -2 * cw, 1 - al * A
        a0, a1, a2 = 1 + al / A, -2 * cw, 1 - al / A
    else:
        raise ValueError(kind)
    return b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0


def biquad(x, kind, f, q=0.707, gain_db=0.0):
    """Biquad filter; f may be a number or a function of time in seconds."""
    out = [0.0] * len(x)
    x1 = x2 = y1 = y2 = 0.0
    if callable(f):
        block = 32
        for s in range(0, len(x), block):
            b0, b1, b2, a1, a2 = biquad_coefs(kind, f(s / SR), q, gain_db)
            for i in range(s, min(len(x), s + block)):
                v = x[i]
                y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
                x2, x1, y2, y1 = x1, v, y1, y
                out[i] = y
    else:
        b0, b1, b2, a1, a2 = biquad_coefs(kind, f, q, gain_db)
        for i, v in enumerate(x):
            y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
            x2, x1, y2, y1 = x1, v, y1, y
            out[i] = y
    return out


def lp(x, f, q=0.707):
    return biquad(x, "lp", f, q)


def hp(x, f, q=0.707):
    return biquad(x, "hp", f, q)


def bp(x, f, q=1.0):
    return biquad(x, "bp", f, q)


def onepole_lp(x, f):
    k = 1.0 - math.exp(-TAU * f / SR)
    y = 0.0
    out = [0.0] * len(x)
    for i, v in enumerate(x):
        y += k * (v - y)
        out[i] = y
    return out


def circular(x, fn):
    """Runs a filter chain on a loop so that its end flows into its start:
    the chain sees the loop twice and the second pass is kept."""
    n = len(x)
    return fn(x + x)[n:]


def smooth_random(n, rng, rate, circular_loop=False):
    """Slowly wandering value in [-1, 1]: random points `rate` per second,
    joined with cosine steps. On a loop the points wrap round."""
    step = max(2, int(SR / rate))
    if circular_loop:
        k = max(2, round(n / step))
        step = n / k
        pts = [rng.uniform(-1, 1) for _ in range(k)]
        out = [0.0] * n
        for i in range(n):
            p = i / step
            j = int(p)
            f = p - j
            a, b = pts[j % k], pts[(j + 1) % k]
            w = 0.5 - 0.5 * math.cos(math.pi * f)
            out[i] = a + (b - a) * w
        return out
    k = n // step + 2
    pts = [rng.uniform(-1, 1) for _ in range(k + 1)]
    out = [0.0] * n
    for i in range(n):
        p = i / step
        j = int(p)
        f = p - j
        w = 0.5 - 0.5 * math.cos(math.pi * f)
        out[i] = pts[j] + (pts[j + 1] - pts[j]) * w
    return out


# ---------------------------------------------------------------- sources

def modal(n, modes, delay=0.0):
    """Sum of damped sines: modes = [(freq, decay seconds, amplitude), ...]."""
    out = [0.0] * n
    d0 = int(delay * SR)
    for f, dec, amp in modes:
        w = TAU * f / SR
        k = math.exp(-1.0 / (dec * SR))
        # recursive oscillator: cheap and exact
        c = 2.0 * math.cos(w)
        s1, s2 = 0.0, -math.sin(w)
        lvl = amp
        for i in range(d0, n):
            s = c * s1 - s2
            s2, s1 = s1, s
            out[i] += s * lvl
            lvl *= k
    return out


def chirp(n, f_of_t, env, phase=0.0):
    """Sine whose frequency follows f_of_t(t seconds); env is a list."""
    out = [0.0] * n
    ph = phase
    for i in range(n):
        ph += TAU * f_of_t(i / SR) / SR
        out[i] = math.sin(ph) * env[i]
    return out


def bubble(f0, rise, dur, amp=1.0):
    """A water bubble: a sine that slides up while it dies away."""
    n = n_of(dur)
    env = env_hit(n, 0.002, dur / 4.0)
    tail = n // 4
    for i in range(tail):  # die away to nothing, never cut off
        env[n - 1 - i] *= i / tail
    return scale(chirp(n, lambda t: f0 * (1.0 + rise * t / dur), env), amp)


# ---------------------------------------------------------------- shaping

def peak(x):
    return max(abs(v) for v in x) if x else 0.0


def normalise(x, db=-3.0):
    p = peak(x)
    if p == 0:
        return x
    return scale(x, (10 ** (db / 20.0)) / p)


def soft_clip(x, drive):
    """Gentle saturation that lifts the body of a sound against its peak."""
    t = math.tanh(drive)
    return [math.tanh(v * drive) / t for v in x]


def fades(x, fade_in=0.004, fade_out=0.005):
    n = len(x)
    a, b = n_of(fade_in), n_of(fade_out)
    y = list(x)
    for i in range(min(a, n)):
        y[i] *= 0.5 - 0.5 * math.cos(math.pi * i / a)
    for i in range(min(b, n)):
        y[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / b)
    return y


def trim_tail(x, floor_db=-70.0):
    """Cuts the inaudible tail (keeps 10 ms after the last sample above floor)."""
    lim = peak(x) * 10 ** (floor_db / 20.0)
    last = len(x) - 1
    while last > 0 and abs(x[last]) < lim:
        last -= 1
    return x[: min(len(x), last + n_of(0.01))]


def remove_dc(x):
    m = sum(x) / len(x)
    return [v - m for v in x]


def finish(x, db=-3.0, fade_in=0.004, fade_out=0.005, trim=True):
    """The last steps for a one-shot effect: trim, fade, normalise."""
    if trim:
        x = trim_tail(x)
    x = fades(x, fade_in, fade_out)
    return normalise(x, db)


def finish_loop(x, db=-3.0):
    """A loop keeps every sample (no fades: its end already meets its start)."""
    return normalise(remove_dc(x), db)


def write_wav(path, x):
    frames = bytearray()
    for v in x:
        s = int(round(v * 32767.0))
        s = 32767 if s > 32767 else (-32768 if s < -32768 else s)
        frames += struct.pack("<h", s)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(bytes(frames))


def make_rng(name):
    # a stable seed from the sound's name (hash() is salted per process)
    seed = 0
    for ch in name:
        seed = (seed * 131 + ord(ch)) % 2147483647
    return random.Random(seed)
