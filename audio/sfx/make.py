#!/usr/bin/env python3
"""Renders one of Thornvale's sound effects: make.py NAME OUT.WAV

Every effect is built from noise, damped modes and sliding sines, then trimmed,
faded (4-5 ms) and normalised to a -3 dBFS peak. The three loops (fire sizzle,
pond ripple, rain) are built round a circle: events wrap past the end onto the
start and the filters run over the loop twice, so the last sample flows into
the first one.
"""
import math
import sys

from dsp import (SR, add_into, bp, bubble, chirp, circular, env_hit,
                 env_points, finish, finish_loop, hp, lp, make_rng, mix, modal,
                 mul, n_of, normalise, scale, silence, smooth_random, soft_clip, white)


# ------------------------------------------------------------ ticks and thuds

def click():
    rng = make_rng("click")
    n = n_of(0.09)
    body = modal(n, [(2150, 0.012, 1.0), (3350, 0.008, 0.45),
                     (1320, 0.011, 0.55), (5100, 0.004, 0.15)])
    tap = bp(mul(white(n, rng), env_hit(n, 0.0004, 0.0025)), 3000, 0.8)
    x = mix((body, 1.0), (tap, 1.6))
    x = lp(x, 6500)
    return finish(soft_clip(x, 2.0), fade_in=0.003)


def back():
    rng = make_rng("back")
    n = n_of(0.11)
    body = modal(n, [(1080, 0.018, 1.0), (1720, 0.012, 0.5),
                     (690, 0.015, 0.6), (2850, 0.006, 0.18)])
    tap = bp(mul(white(n, rng), env_hit(n, 0.0004, 0.003)), 1700, 0.8)
    x = mix((body, 1.0), (tap, 1.6))
    x = lp(x, 4500)
    return finish(soft_clip(x, 2.0), fade_in=0.003)


def delete():
    rng = make_rng("delete")
    n = n_of(0.32)
    env = env_hit(n, 0.002, 0.05)
    thud = chirp(n, lambda t: 78.0 + 70.0 * math.exp(-t / 0.03), env)
    body = modal(n, [(190, 0.04, 0.5), (305, 0.025, 0.3), (470, 0.012, 0.12)])
    knock = lp(mul(white(n, rng), env_hit(n, 0.001, 0.015)), 700)
    x = mix((thud, 1.0), (body, 1.0), (knock, 1.4))
    return finish(soft_clip(x, 1.8))


def tree_chop():
    rng = make_rng("tree chop")
    n = n_of(0.4)
    env = env_hit(n, 0.001, 0.07)
    low = chirp(n, lambda t: 150.0 + 40.0 * math.exp(-t / 0.02), env)
    body = modal(n, [(290, 0.05, 0.6), (455, 0.035, 0.45),
                     (720, 0.02, 0.3), (1150, 0.012, 0.22), (1630, 0.008, 0.12)])
    impact = lp(mul(white(n, rng), env_hit(n, 0.0005, 0.009)), 2600)
    crack = hp(mul(white(n, rng), env_hit(n, 0.0003, 0.003)), 2500)
    x = mix((low, 0.9), (body, 1.0), (impact, 1.3), (crack, 0.35))
    return finish(soft_clip(x, 1.4))


def pickaxe_hit():
    rng = make_rng("pickaxe hit")
    n = n_of(0.55)
    ring = modal(n, [(1870, 0.20, 1.0), (2955, 0.15, 0.7), (4410, 0.10, 0.5),
                     (6230, 0.06, 0.3), (7950, 0.04, 0.18)])
    impact = bp(mul(white(n, rng), env_hit(n, 0.0003, 0.006)), 2400, 0.6)
    stone = modal(n, [(240, 0.03, 0.5), (520, 0.02, 0.3)])
    grit = silence(n)
    for _ in range(9):
        at = n_of(0.01 + rng.random() * 0.12)
        m = n_of(0.01)
        g = bp(mul(white(m, rng), env_hit(m, 0.0002, 0.0012)), rng.uniform(3000, 6000), 1.2)
        add_into(grit, g, at, rng.uniform(0.1, 0.35) * math.exp(-at / SR / 0.08))
    x = mix((ring, 1.0), (impact, 1.2), (stone, 1.0), (grit, 1.0))
    return finish(lp(x, 11000))


# ------------------------------------------------------------ rustles and swishes

def menu_slide():
    rng = make_rng("menu slide")
    n = n_of(0.3)
    env = env_points(n, [(0, 0), (0.07, 1.0), (0.15, 0.7), (0.3, 0)])
    env = [e * e for e in env]
    tex = smooth_random(n, rng, 70)
    src = mul(white(n, rng), [e * (0.75 + 0.25 * t) for e, t in zip(env, tex)])
    sweep = bp(src, lambda t: 2200.0 + 6000.0 * t, 0.7)
    air = bp(src, lambda t: 5000.0 + 6000.0 * t, 1.2)
    x = lp(mix((sweep, 1.0), (air, 0.25)), 9000)
    return finish(soft_clip(x, 1.6))


def inventory():
    rng = make_rng("inventory")
    n = n_of(0.42)
    x = silence(n)
    t = 0.0
    for k in range(7):
        d = rng.uniform(0.03, 0.08)
        m = n_of(d)
        e = env_points(m, [(0, 0), (d * 0.3, 1.0), (d, 0)])
        b = bp(mul(white(m, rng), e), rng.uniform(1100, 3000), 1.1)
        add_into(x, b, n_of(t), rng.uniform(0.6, 1.0) * (1.0 - k * 0.09))
        t += rng.uniform(0.03, 0.055)
    # small crinkles of the leather flap
    for _ in range(14):
        at = n_of(rng.uniform(0.0, 0.3))
        m = n_of(0.006)
        c = bp(mul(white(m, rng), env_hit(m, 0.0002, 0.001)), rng.uniform(2500, 5000), 1.5)
        add_into(x, c, at, rng.uniform(0.2, 0.5))
    # the soft bump of the bag itself
    thump = lp(mul(white(n, rng), env_hit(n, 0.004, 0.03)), 300)
    x = lp(mix((x, 1.0), (thump, 0.6)), 10000)
    return finish(soft_clip(x, 1.8))


def trash():
    rng = make_rng("trash")
    n = n_of(0.4)
    x = silence(n)
    for centre, count in ((0.03, 16), (0.13, 22), (0.25, 14)):
        for _ in range(count):
            at = n_of(max(0.0, rng.gauss(centre, 0.025)))
            m = n_of(0.008)
            c = bp(mul(white(m, rng), env_hit(m, 0.0002, rng.uniform(0.0008, 0.003))),
                   rng.uniform(1500, 6000), 1.2)
            add_into(x, c, at, rng.uniform(0.2, 1.0) ** 2)
    bed_env = env_points(n, [(0, 0), (0.02, 0.5), (0.28, 0.35), (0.36, 0)])
    bed = bp(mul(white(n, rng), bed_env), 2800, 0.8)
    x = mix((x, 1.0), (bed, 0.3))
    return finish(soft_clip(x, 3.5))


def whoosh(name, f_from, f_to, dur, shape):
    rng = make_rng(name)
    n = n_of(dur)
    env = env_points(n, shape)
    env = [e ** 1.6 for e in env]
    src = mul(white(n, rng), env)
    ratio = f_to / f_from
    freq = lambda t: f_from * ratio ** (t / dur)
    a = bp(src, freq, 1.6)
    b = bp(src, lambda t: freq(t) * 1.9, 2.2)
    x = mix((a, 1.0), (b, 0.45))
    return finish(soft_clip(x, 1.3))


def interact_open():
    return whoosh("interact open", 380.0, 3600.0, 0.48,
                  [(0, 0), (0.30, 1.0), (0.40, 0.6), (0.48, 0)])


def exit_():
    return whoosh("exit", 3200.0, 300.0, 0.5,
                  [(0, 0), (0.1, 1.0), (0.22, 0.75), (0.5, 0)])


def fire_starter():
    rng = make_rng("fire starter")
    n = n_of(0.52)
    env = env_points(n, [(0, 0), (0.06, 1.0), (0.22, 0.8), (0.28, 0.95), (0.42, 0.7), (0.52, 0)])
    # stick-slip: the wood catches and lets go in quick irregular grains
    grains = silence(n)
    t = 0.0
    while t < 0.52:
        m = n_of(0.012)
        g = mul(white(m, rng), env_hit(m, 0.0006, rng.uniform(0.002, 0.005)))
        add_into(grains, g, n_of(t), rng.uniform(0.5, 1.0))
        t += rng.uniform(0.012, 0.03)
    steady = white(n, rng)
    src = mul(mix((grains, 1.0), (steady, 0.35)), env)
    x = mix((bp(src, 1300, 0.9), 1.0), (bp(src, 3100, 1.5), 0.5), (bp(src, 520, 1.2), 0.35))
    return finish(soft_clip(x, 2.0))


# ------------------------------------------------------------ water, fire, steam

def researched():
    n = n_of(0.42)
    x = silence(n)
    for at, f0, rise, d, a in ((0.0, 520, 0.7, 0.05, 1.0), (0.045, 690, 0.6, 0.045, 0.95),
                               (0.085, 880, 0.55, 0.05, 1.0)):
        add_into(x, bubble(f0, rise, d), n_of(at), a)
    m = n_of(0.2)
    blip_env = env_hit(m, 0.003, 0.045)
    blip = chirp(m, lambda t: 1180.0 + 400.0 * min(t / 0.03, 1.0), blip_env)
    shine = chirp(m, lambda t: 2 * (1180.0 + 400.0 * min(t / 0.03, 1.0)), env_hit(m, 0.003, 0.025))
    add_into(x, mix((blip, 1.0), (shine, 0.25)), n_of(0.135), 0.6)
    return finish(x)


def research_complete():
    rng = make_rng("research complete")
    n = n_of(1.5)
    x = silence(n)
    notes = (0.0, 1046.5), (0.12, 1318.5), (0.24, 1568.0)
    for k, (at, f) in enumerate(notes):
        d = 0.22 + 0.12 * k
        m = n - n_of(at)
        tone = modal(m, [(f, d, 1.0), (f * 2.0, d * 0.5, 0.3), (f * 3.01, d * 0.3, 0.1),
                         (f * 4.16, d * 0.2, 0.06), (f * 0.5, d * 0.9, 0.12)])
        mallet = bp(mul(white(m, rng), env_hit(m, 0.001, 0.003)), f * 2, 2.0)
        soft_in = env_points(m, [(0, 0), (0.004, 1.0), (10, 1.0)])
        add_into(x, mul(mix((tone, 1.0), (mallet, 0.15)), soft_in), n_of(at), 0.8 + 0.1 * k)
    tail = env_points(n, [(0, 1), (1.15, 1), (1.5, 0)])
    return finish(mul(x, tail), fade_out=0.005)


def smithing_sizzle():
    rng = make_rng("smithing sizzle")
    n = n_of(1.15)
    env = env_points(n, [(0, 0), (0.012, 1.0), (0.08, 0.75), (0.35, 0.45), (0.8, 0.18), (1.15, 0)])
    wob = smooth_random(n, rng, 28)
    src = mul(white(n, rng), [e * (0.7 + 0.3 * w) for e, w in zip(env, wob)])
    hiss = lp(hp(src, 3200), 11000)
    steam = bp(src, 1400, 0.7)
    x = mix((hiss, 1.0), (steam, 0.45))
    x = lp(x, 12000)
    # the water boiling against the blade
    t = 0.02
    while t < 0.8:
        f0 = rng.uniform(500, 1600)
        add_into(x, bubble(f0, rng.uniform(0.6, 1.2), rng.uniform(0.015, 0.035)),
                 n_of(t), rng.uniform(0.08, 0.22) * math.exp(-t / 0.35))
        t += rng.uniform(0.01, 0.04)
    for _ in range(20):
        at = rng.uniform(0.0, 0.6)
        m = n_of(0.006)
        c = bp(mul(white(m, rng), env_hit(m, 0.0002, 0.0012)), rng.uniform(2000, 6000), 1.2)
        add_into(x, c, n_of(at), rng.uniform(0.2, 0.6) * math.exp(-at / 0.3))
    return finish(x)


def beam():
    rng = make_rng("beam")
    dur = 3.0
    n = n_of(dur)
    f0 = lambda t: 196.0 * 2 ** ((7.0 / 12.0) * min(t / 2.6, 1.0) ** 0.8)
    x = [0.0] * n
    # each harmonic has a centre voice and two quieter, slightly detuned ones,
    # each pair beating at its own rate: a shimmer rather than a wobble
    phases = {}
    amps = {}
    for h in range(1, 7):
        for d, a in ((0.0, 1.0), (rng.uniform(0.0015, 0.004), 0.4), (-rng.uniform(0.0015, 0.004), 0.4)):
            phases[(h, d)] = rng.random() * math.tau
            amps[(h, d)] = a / h ** 1.3
    for i in range(n):
        t = i / SR
        f = f0(t)
        s = 0.0
        for (h, d), ph in phases.items():
            ph += math.tau * f * h * (1.0 + d) / SR
            phases[(h, d)] = ph
            s += math.sin(ph) * amps[(h, d)]
        trem = 1.0 + 0.18 * math.sin(math.tau * (5.5 + 2.0 * t / dur) * t)
        x[i] = s * trem
    air_env = env_points(n, [(0, 0.2), (2.6, 1.0), (3.0, 1.0)])
    air = bp(mul(white(n, rng), air_env), lambda t: 2500.0 + 1500.0 * t, 2.5)
    x = mix((x, 0.22), (air, 0.5))
    # sparkles: tiny glassy pings, more of them as the light rises
    t = 0.15
    while t < 2.75:
        m = n_of(0.12)
        fs = rng.uniform(2600, 5200)
        ping = chirp(m, lambda u, fs=fs: fs, env_hit(m, 0.004, 0.03))
        add_into(x, ping, n_of(t), rng.uniform(0.05, 0.12))
        t += rng.uniform(0.05, 0.16) * (1.2 - 0.35 * t / dur)
    shape = env_points(n, [(0, 0), (0.3, 0.85), (2.4, 1.0), (3.0, 0)])
    x = mul(x, [s ** 0.8 for s in shape])
    # a gentle limiter so a sparkle landing on a crest does not set the level
    return finish(soft_clip(normalise(x, 0.0), 1.2), trim=False)


# ------------------------------------------------------------ loops

def fire_sizzle():
    rng = make_rng("fire sizzle")
    n = n_of(6.0)
    mod_a = smooth_random(n, rng, 3, circular_loop=True)
    mod_b = smooth_random(n, rng, 1.2, circular_loop=True)
    hiss_src = mul(white(n, rng), [0.65 + 0.35 * m for m in mod_a])
    hiss = circular(hiss_src, lambda s: lp(hp(s, 2800), 9000))
    roar_src = mul(white(n, rng), [0.75 + 0.25 * m for m in mod_b])
    roar = circular(roar_src, lambda s: lp(lp(s, 260), 260))
    x = mix((hiss, 0.25), (roar, 1.6))
    # crackles and the odd snap of a knot in the wood
    t = 0.0
    while t < 6.0:
        big = rng.random() < 0.12
        m = n_of(0.03)
        dec = rng.uniform(0.004, 0.012) if big else rng.uniform(0.0008, 0.003)
        c = bp(mul(white(m, rng), env_hit(m, 0.0002, dec)),
               rng.uniform(900, 2500) if big else rng.uniform(1800, 5500), 0.9)
        add_into(x, c, n_of(t), rng.uniform(0.5, 0.9) if big else rng.uniform(0.1, 0.45), wrap=True)
        if rng.random() < 0.25:  # crackles come in little bursts
            t += rng.uniform(0.01, 0.03)
        else:
            t += rng.uniform(0.06, 0.3)
    return finish_loop(soft_clip(x, 1.5))


def pond_ripple():
    rng = make_rng("pond ripple")
    dur = 8.0
    n = n_of(dur)
    sway = smooth_random(n, rng, 1.5, circular_loop=True)
    bed = circular(mul(white(n, rng), [0.7 + 0.3 * s for s in sway]), lambda s: bp(s, 420, 0.7))
    x = scale(bed, 0.08)
    t = 0.2
    while t < dur:
        d = rng.uniform(0.4, 1.1)
        m = n_of(d)
        e = env_points(m, [(0, 0), (d * rng.uniform(0.25, 0.45), 1.0), (d, 0)])
        e = [v * v for v in e]
        src = mul(white(m, rng), e)
        lap = mix((bp(src, rng.uniform(280, 460), 1.0), 1.0),
                  (bp(src, rng.uniform(750, 1150), 1.6), rng.uniform(0.2, 0.45)))
        for _ in range(rng.randint(1, 4)):
            b = bubble(rng.uniform(280, 620), rng.uniform(0.3, 0.7), rng.uniform(0.05, 0.09))
            add_into(lap, b, n_of(rng.uniform(d * 0.2, d * 0.7)), rng.uniform(0.03, 0.08))
        add_into(x, lap, n_of(t), rng.uniform(0.45, 1.0), wrap=True)
        if rng.random() < 0.35:
            b = bubble(rng.uniform(900, 1400), 0.6, 0.05)
            add_into(x, b, n_of(t + rng.uniform(0.1, 0.5)), 0.03, wrap=True)
        t += rng.uniform(0.45, 1.5)
    x = circular(x, lambda s: lp(s, 2400))
    return finish_loop(soft_clip(x, 1.5))


def rain():
    rng = make_rng("rain")
    dur = 8.0
    n = n_of(dur)
    sway = smooth_random(n, rng, 0.7, circular_loop=True)
    src = mul(white(n, rng), [0.9 + 0.1 * s for s in sway])
    bed = circular(src, lambda s: lp(hp(s, 350), 3800))
    hush = circular(white(n, rng), lambda s: lp(s, 900))
    x = mix((bed, 0.3), (hush, 0.12))
    # drops on leaves and grass
    for _ in range(int(dur * 140)):
        at = rng.randrange(n)
        m = n_of(0.01)
        c = bp(mul(white(m, rng), env_hit(m, 0.0002, rng.uniform(0.0006, 0.002))),
               rng.uniform(1500, 5000), 1.3)
        add_into(x, c, at, rng.uniform(0.1, 0.65) ** 1.5, wrap=True)
    # a few heavier drips from the trees
    for _ in range(int(dur * 3)):
        b = bubble(rng.uniform(1600, 2800), 0.5, 0.03)
        add_into(x, b, rng.randrange(n), rng.uniform(0.05, 0.1), wrap=True)
    x = circular(x, lambda s: lp(s, 7000))
    return finish_loop(soft_clip(x, 1.2))


SOUNDS = {
    "click": click, "back": back, "delete": delete, "tree_chop": tree_chop,
    "pickaxe_hit": pickaxe_hit, "menu_slide": menu_slide, "inventory": inventory,
    "trash": trash, "interact_open": interact_open, "exit": exit_,
    "fire_starter": fire_starter, "researched": researched,
    "research_complete": research_complete, "smithing_sizzle": smithing_sizzle,
    "beam": beam, "fire_sizzle": fire_sizzle, "pond_ripple": pond_ripple, "rain": rain,
}


def main():
    name, out = sys.argv[1], sys.argv[2]
    from dsp import write_wav
    write_wav(out, SOUNDS[name]())


if __name__ == "__main__":
    main()
