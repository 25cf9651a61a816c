"""Synthesises the program's sound effects as 16-bit mono 22050 Hz WAV files.

Every sound is built from oscillators, seeded noise and simple filters, then
brought to one integrated loudness (BS.1770, see loudness.py) so that no
sound is much louder than another; the peak must stay below -1 dBFS.
Deterministic: the same recipe always gives the same bytes.
"""
import math
import os
import random
import struct
import sys
import wave

from loudness import integrated

RATE = 22050
TARGET_LUFS = -21.0
# The eagle opens every ordering activity: a touch quieter than the rest.
QUIETER = {"eagle6": -0.8}
CEILING = 10 ** (-1 / 20)
TAU = 2 * math.pi


# ---------------------------------------------------------------- helpers
def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix(*tracks, at=None):
    """Adds tracks; at gives each track's start time in seconds."""
    at = at or [0.0] * len(tracks)
    n = max(int(t0 * RATE) + len(t) for t, t0 in zip(tracks, at))
    out = [0.0] * n
    for t, t0 in zip(tracks, at):
        o = int(t0 * RATE)
        for i, v in enumerate(t):
            out[o + i] += v
    return out


def scale(track, g):
    return [v * g for v in track]


def osc(freq, seconds, shape="sine", phase=0.0, harmonics=None):
    """freq is a number or a function of time (s). harmonics: list of
    (multiple, amplitude) summed as sines."""
    n = int(seconds * RATE)
    f = freq if callable(freq) else (lambda t, c=freq: c)
    out, ph = [], phase
    harm = harmonics or [(1, 1.0)]
    for i in range(n):
        t = i / RATE
        ph += f(t) / RATE
        p = ph - math.floor(ph)
        if shape == "sine":
            v = sum(a * math.sin(TAU * m * p) for m, a in harm)
        elif shape == "square":
            v = 1.0 if p < 0.5 else -1.0
        elif shape == "saw":
            v = 2.0 * p - 1.0
        elif shape == "triangle":
            v = 4.0 * abs(p - 0.5) - 1.0
        else:
            raise ValueError(shape)
        out.append(v)
    return out


def noise(seconds, seed):
    rnd = random.Random(seed)
    return [rnd.uniform(-1.0, 1.0) for _ in range(int(seconds * RATE))]


def envelope(track, points):
    """Piecewise-linear gain: points are (time, gain) pairs."""
    out = []
    j = 0
    for i, v in enumerate(track):
        t = i / RATE
        while j < len(points) - 2 and t > points[j + 1][0]:
            j += 1
        (t0, g0), (t1, g1) = points[j], points[j + 1]
        if t <= t0:
            g = g0
        elif t >= t1:
            g = g1
        else:
            g = g0 + (g1 - g0) * (t - t0) / (t1 - t0)
        out.append(v * g)
    return out


def decay(track, tau, attack=0.002):
    out = []
    for i, v in enumerate(track):
        t = i / RATE
        a = min(1.0, t / attack) if attack > 0 else 1.0
        out.append(v * a * math.exp(-t / tau))
    return out


class Biquad:
    def __init__(self, kind, freq, q=0.707):
        self.kind, self.q = kind, q
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0
        self.set(freq)

    def set(self, freq):
        freq = max(20.0, min(freq, RATE * 0.45))
        w = TAU * freq / RATE
        cw, sw = math.cos(w), math.sin(w)
        alpha = sw / (2 * self.q)
        if self.kind == "lp":
            b0, b1, b2 = (1 - cw) / 2, 1 - cw, (1 - cw) / 2
        elif self.kind == "hp":
            b0, b1, b2 = (1 + cw) / 2, -(1 + cw), (1 + cw) / 2
        else:  # band-pass, 0 dB peak
            b0, b1, b2 = alpha, 0.0, -alpha
        a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
        self.c = (b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0)

    def step(self, x):
        b0, b1, b2, a1, a2 = self.c
        y = b0 * x + b1 * self.x1 + b2 * self.x2 - a1 * self.y1 - a2 * self.y2
        self.x2, self.x1, self.y2, self.y1 = self.x1, x, self.y1, y
        return y


def filt(track, kind, freq, q=0.707):
    """freq may be a function of time: the filter follows it."""
    f = freq if callable(freq) else None
    bq = Biquad(kind, f(0) if f else freq, q)
    out = []
    for i, v in enumerate(track):
        if f and i % 16 == 0:
            bq.set(f(i / RATE))
        out.append(bq.step(v))
    return out


def normalise(track, name):
    """Scales track to the common loudness; a recipe too peaky for that fails."""
    want = TARGET_LUFS + QUIETER.get(name, 0.0)
    gain = 10 ** ((want - integrated(track, RATE)) / 20)
    out = [v * gain for v in track]
    peak = max(abs(v) for v in out)
    if peak > CEILING:
        raise SystemExit("%s: peak %.1f dBFS at %.1f LUFS; make the sound less peaky" % (
            name, 20 * math.log10(peak), want))
    return out


def fade_edges(track, fin=0.002, fout=0.01):
    n = len(track)
    a, b = int(fin * RATE), int(fout * RATE)
    out = list(track)
    for i in range(min(a, n)):
        out[i] *= i / a
    for i in range(min(b, n)):
        out[n - 1 - i] *= i / b
    return out


def write(path, track):
    track = normalise(fade_edges(track), os.path.basename(path)[:-4])
    frames = b"".join(struct.pack("<h", int(round(max(-1.0, min(1.0, v)) * 32767))) for v in track)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def note(name):
    names = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = names[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semis, rest = semis + 1, rest[1:]
    elif rest.startswith("b"):
        semis, rest = semis - 1, rest[1:]
    return 440.0 * 2 ** ((semis + 12 * (int(rest) - 4)) / 12)


# ---------------------------------------------------------------- voices
def brass(freq, seconds, bright=3500.0, vib=5.5):
    """A trumpet-like tone: sawtooth through a low-pass that opens with the
    attack, gentle vibrato after the onset."""
    f = lambda t: freq * (1 + 0.006 * math.sin(TAU * vib * t) * min(1.0, t / 0.25)) * (1 - 0.03 * math.exp(-t / 0.02))
    tone = osc(f, seconds, "saw")
    tone = filt(tone, "lp", lambda t: 600 + bright * min(1.0, t / 0.04), 1.2)
    return envelope(tone, [(0, 0), (0.03, 1.0), (0.08, 0.8), (max(0.09, seconds - 0.06), 0.75), (seconds, 0)])


def clap(seed, gain=1.0, centre=1400.0):
    """One hand clap: a few very short noise bursts then a short decay."""
    rnd = random.Random(seed)
    bursts = []
    t = 0.0
    for k in range(3):
        bursts.append((decay(noise(0.012, seed * 7 + k), 0.003, 0.0005), t))
        t += rnd.uniform(0.006, 0.011)
    body = decay(noise(0.14, seed * 7 + 5), 0.028, 0.001)
    bursts.append((body, t))
    track = mix(*[b for b, _ in bursts], at=[s for _, s in bursts])
    track = filt(track, "bp", centre * rnd.uniform(0.85, 1.2), 0.9)
    track = filt(track, "hp", 500)
    return scale(track, gain)


def voice(freq, seconds, seed, vowel="ah", glide=0.0):
    """A rough singing voice: a buzzy source through two formant filters."""
    rnd = random.Random(seed)
    vr, vd = rnd.uniform(4.5, 6.5), rnd.uniform(0.01, 0.025)
    f = lambda t: freq * (1 + glide * t / seconds) * (1 + vd * math.sin(TAU * vr * t))
    src = osc(f, seconds, "saw")
    f1, f2 = {"ah": (750, 1200), "ay": (550, 1800), "oo": (350, 900), "ee": (300, 2300)}[vowel]
    a = filt(src, "bp", f1 * rnd.uniform(0.9, 1.1), 4)
    b = filt(src, "bp", f2 * rnd.uniform(0.9, 1.1), 5)
    return [x + 0.6 * y for x, y in zip(a, b)]


# ---------------------------------------------------------------- sounds
def s_click():
    # A small wooden tick: its body rings for a few ms so the click is heard
    # at the common loudness without a sharp peak.
    tick = decay(osc(1800, 0.09, harmonics=[(1, 1.0), (2.7, 0.4)]), 0.02, 0.0006)
    body = decay(osc(900, 0.09, phase=0.3, harmonics=[(1, 1.0), (2.3, 0.3)]), 0.028, 0.001)
    snap = filt(decay(noise(0.02, 1), 0.002, 0.0002), "hp", 2500)
    return mix(tick, scale(body, 0.6), scale(snap, 0.6), silence(0.1))


def s_typekey():
    strike = filt(decay(noise(0.08, 2), 0.02, 0.0008), "bp", 3200, 1.5)
    body = decay(osc(190, 0.12, harmonics=[(1, 1.0), (2.3, 0.4)]), 0.035, 0.001)
    clack = decay(osc(1250, 0.12, phase=0.4, harmonics=[(1, 1.0), (2.6, 0.4)]), 0.035, 0.0008)
    release = filt(decay(noise(0.04, 3), 0.008, 0.0005), "bp", 2400, 1.5)
    return mix(scale(strike, 0.9), scale(body, 0.5), scale(clack, 0.7), scale(release, 0.5), silence(0.13),
               at=[0, 0, 0, 0.055, 0])


def s_thud3():
    """A caption set down on a desk: a soft, short wooden knock whose energy
    lies between 300 Hz and 2 kHz, where laptop and classroom speakers play,
    with a little low body under it."""
    modes = [(310, 1.0, 0.07), (470, 0.8, 0.055), (690, 0.6, 0.04), (1040, 0.35, 0.025), (1480, 0.2, 0.015)]
    knock = mix(*[scale(decay(osc(lambda t, fr=fr: fr * (1 + 0.04 * math.exp(-t / 0.01)), 0.3, phase=0.23 * k),
                              tau, 0.0015), a) for k, (fr, a, tau) in enumerate(modes)])
    body = decay(osc(lambda t: 90 + 50 * math.exp(-t / 0.03), 0.25), 0.04, 0.003)
    felt = filt(decay(noise(0.12, 4), 0.018, 0.001), "bp", 800, 0.8)
    soft = filt(mix(knock, scale(body, 0.5), scale(felt, 0.8)), "lp", 2200)
    return mix(soft, silence(0.55))
def s_eagle6():
    """Two high, harsh descending screeches, like a hawk's 'kee-eeer'."""
    def cry(seconds, top, seed):
        rnd = random.Random(seed)
        jit = [rnd.uniform(-1, 1) for _ in range(400)]
        def f(t):
            x = t / seconds
            rise = min(1.0, x / 0.12)
            base = top * (0.78 + 0.22 * rise) * (1 - 0.22 * max(0.0, x - 0.25))
            return base * (1 + 0.02 * jit[int(t * 300) % 400]) * (1 + 0.012 * math.sin(TAU * 38 * t))
        tone = osc(f, seconds, harmonics=[(1, 1.0), (2, 0.45), (3, 0.2), (4, 0.08)])
        rough = [v * (0.75 + 0.25 * math.sin(TAU * 95 * i / RATE)) for i, v in enumerate(tone)]
        breath = filt(noise(seconds, seed + 1), "bp", top * 1.1, 3)
        s = [a + 0.25 * b for a, b in zip(rough, breath)]
        return envelope(s, [(0, 0), (0.04, 1.0), (seconds * 0.5, 0.85), (seconds * 0.85, 0.55), (seconds, 0)])
    return mix(cry(0.75, 2900, 10), scale(cry(0.95, 2700, 20), 0.9), silence(1.95), at=[0.0, 0.9, 0])


def s_fanf2():
    seq = [("G4", 0.0, 0.16), ("C5", 0.18, 0.16), ("E5", 0.36, 0.16), ("G5", 0.54, 0.9)]
    parts = [brass(note(n), d) for n, _, d in seq]
    low = [brass(note(n), d, bright=2200) for n, d in (("C4", 1.44),)]
    return mix(*parts, scale(low[0], 0.45), at=[s for _, s, _ in seq] + [0.0])


def s_fanf3():
    seq = [("C5", 0.0, 0.14), ("C5", 0.16, 0.14), ("C5", 0.32, 0.14), ("G5", 0.48, 0.45),
           ("E5", 0.98, 0.2), ("G5", 1.2, 0.2), ("C6", 1.42, 1.0)]
    harm = [("E4", 0.48, 0.45), ("C4", 0.98, 0.2), ("E4", 1.2, 0.2), ("G4", 1.42, 1.0), ("C4", 1.42, 1.0)]
    tracks = [brass(note(n), d) for n, _, d in seq] + [scale(brass(note(n), d, bright=2500), 0.5) for n, _, d in harm]
    starts = [s for _, s, _ in seq] + [s for _, s, _ in harm]
    return mix(*tracks, at=starts)


def crowd_bed(seconds, voices, seed, swell):
    rnd = random.Random(seed)
    tracks, starts = [], []
    for k in range(voices):
        dur = rnd.uniform(0.6, seconds - 0.3)
        st = rnd.uniform(0.0, seconds - dur)
        v = voice(rnd.uniform(120, 420), dur, seed * 100 + k, rnd.choice(["ah", "ay", "ee", "oo"]), rnd.uniform(-0.2, 0.15))
        v = envelope(v, [(0, 0), (0.15, 1.0), (dur - 0.25, 0.8), (dur, 0)])
        tracks.append(scale(v, rnd.uniform(0.5, 1.0)))
        starts.append(st)
    hiss = filt(noise(seconds, seed + 999), "bp", 1100, 0.6)
    tracks.append(scale(hiss, 0.3))
    starts.append(0.0)
    return envelope(mix(*tracks, at=starts), swell)


def applause(seconds, claps_per_s, seed, shape):
    rnd = random.Random(seed)
    tracks, starts = [], []
    for k in range(int(seconds * claps_per_s)):
        t = rnd.uniform(0, seconds - 0.15)
        tracks.append(clap(seed * 1000 + k, rnd.uniform(0.4, 1.0), rnd.uniform(1000, 2000)))
        starts.append(t)
    return envelope(mix(*tracks, at=starts), shape)


def s_crowd():
    bed = crowd_bed(2.8, 60, 5, [(0, 0), (0.35, 1.0), (2.0, 0.9), (2.8, 0)])
    claps = applause(2.8, 30, 6, [(0, 0), (0.4, 1.0), (2.2, 0.8), (2.8, 0)])
    return mix(bed, scale(claps, 0.35))


def s_cheer2():
    rnd = random.Random(7)
    tracks, starts = [], []
    for k in range(10):  # "hoo-RAY!": a short low syllable then a long rising one
        base = rnd.uniform(200, 360)
        st = rnd.uniform(0.0, 0.08)
        hoo = envelope(voice(base, 0.22, 700 + k, "oo"), [(0, 0), (0.04, 0.8), (0.18, 0.7), (0.22, 0)])
        ray = envelope(voice(base * 1.35, 1.1, 800 + k, "ay", 0.12), [(0, 0), (0.05, 1.0), (0.6, 0.9), (1.1, 0)])
        tracks += [hoo, ray]
        starts += [st, st + 0.24]
    cheer = mix(*tracks, at=starts)
    claps = applause(1.7, 22, 8, [(0, 0), (0.3, 0.5), (1.0, 1.0), (1.7, 0)])
    return mix(cheer, scale(claps, 0.5))


def s_klaxon():
    def blast(seconds):
        f = lambda t: 220 + 110 * min(1.0, t / (seconds * 0.55)) - 40 * max(0.0, (t - seconds * 0.75) / (seconds * 0.25))
        raw = osc(f, seconds, "square")
        buzz = [v * (0.8 + 0.2 * math.sin(TAU * 31 * i / RATE)) for i, v in enumerate(raw)]
        horn = filt(filt(buzz, "bp", 900, 1.5), "lp", 2500)
        return envelope(horn, [(0, 0), (0.03, 1.0), (seconds - 0.05, 1.0), (seconds, 0)])
    return mix(blast(0.7), blast(0.7), silence(1.7), at=[0.0, 0.85, 0])


def s_flute():
    melody = [("G5", 0.0, 0.3), ("A5", 0.3, 0.3), ("B5", 0.6, 0.3), ("D6", 0.9, 0.45), ("B5", 1.35, 0.25), ("G5", 1.6, 0.8)]
    tracks, starts = [], []
    for k, (n, st, d) in enumerate(melody):
        fr = note(n)
        f = lambda t, fr=fr: fr * (1 + 0.005 * math.sin(TAU * 5.0 * t) * min(1.0, t / 0.2))
        tone = osc(f, d + 0.05, harmonics=[(1, 1.0), (2, 0.18), (3, 0.06)])
        breath = filt(noise(d + 0.05, 40 + k), "bp", fr * 2, 2)
        s = [a + 0.12 * b for a, b in zip(tone, breath)]
        tracks.append(envelope(s, [(0, 0), (0.05, 1.0), (d - 0.05, 0.85), (d + 0.05, 0)]))
        starts.append(st)
    return mix(*tracks, at=starts)


def s_gong():
    base = 98.0
    partials = [(1.0, 1.0, 2.2), (1.52, 0.7, 1.6), (2.01, 0.55, 1.3), (2.44, 0.5, 1.0), (2.98, 0.4, 0.8),
                (3.61, 0.35, 0.6), (4.27, 0.3, 0.45), (5.13, 0.22, 0.35), (6.3, 0.15, 0.25)]
    # The shimmer: upper partials that swell just after the strike, as the
    # energy of a struck gong spreads upwards, then ring away.
    upper = [(7.42, 0.3, 0.9), (8.93, 0.26, 0.8), (10.6, 0.22, 0.7), (12.7, 0.18, 0.6), (15.1, 0.2, 0.5),
             (18.2, 0.16, 0.4), (22.3, 0.12, 0.3), (26.9, 0.08, 0.25)]
    tracks = []
    for k, (m, a, tau) in enumerate(partials):
        f = lambda t, m=m: base * m * (1 + 0.004 * math.sin(TAU * (0.7 + 0.3 * m) * t))
        tracks.append(scale(decay(osc(f, 3.0, phase=k * 0.13), tau, 0.004), a))
    for k, (m, a, tau) in enumerate(upper):
        f = lambda t, m=m: base * m * (1 + 0.003 * math.sin(TAU * (1.1 + 0.2 * k) * t))
        tracks.append(scale(decay(osc(f, 3.0, phase=k * 0.29), tau, 0.12 + 0.03 * k), a))
    strike = filt(decay(noise(0.1, 50), 0.02, 0.0005), "lp", 1500)
    return envelope(mix(*tracks, scale(strike, 0.8)), [(0, 1), (2.6, 1), (3.0, 0)])


def s_clap2():
    return mix(clap(60), clap(61), clap(62), silence(0.85), at=[0.0, 0.3, 0.6, 0])


def s_clap3():
    return mix(applause(2.5, 45, 70, [(0, 0), (0.25, 1.0), (1.9, 0.9), (2.5, 0)]))


def s_drumroll():
    hits, starts = [], []
    rnd = random.Random(80)
    t, k = 0.0, 0
    while t < 1.9:
        g = 0.3 + 0.7 * (t / 1.9) ** 1.5
        hit = filt(decay(noise(0.06, 800 + k), 0.03, 0.0007), "bp", 2600, 0.7)
        tone = decay(osc(190, 0.06), 0.02, 0.001)
        hits.append(scale(mix(hit, scale(tone, 0.5)), g * rnd.uniform(0.85, 1.0)))
        starts.append(t)
        t += 0.034 + rnd.uniform(-0.003, 0.003)
        k += 1
    crash = filt(decay(noise(0.9, 99), 0.3, 0.002), "hp", 4000)
    bass = decay(osc(65, 0.5), 0.15, 0.002)
    hits += [crash, bass]
    starts += [1.92, 1.92]
    return mix(*hits, at=starts)


def s_laser2():
    def zap(seconds):
        f = lambda t: 2600 * math.exp(-t / (seconds / 2.5)) + 180
        return decay(osc(f, seconds, "square"), seconds / 1.5, 0.001)
    z = filt(mix(zap(0.3), scale(zap(0.3), 0.8), silence(0.7), at=[0, 0.33, 0]), "lp", 5000)
    return z


def s_whizz():
    seconds = 0.9
    centre = lambda t: 600 + 5000 * math.exp(-((t - 0.38) / 0.17) ** 2)
    air = filt(noise(seconds, 90), "bp", centre, 2.5)
    whistle = osc(lambda t: 1800 + 1400 * math.tanh((0.38 - t) / 0.08), seconds, harmonics=[(1, 1.0), (2, 0.1)])
    s = [a + 0.3 * b for a, b in zip(air, whistle)]
    return envelope(s, [(0, 0), (0.3, 1.0), (0.45, 1.0), (seconds, 0)])


def s_clown():
    """A rubber-bulb bicycle horn: honk-honk."""
    def honk(seconds, fr):
        f = lambda t: fr * (1 - 0.06 * math.exp(-t / 0.03)) * (1 - 0.04 * t / seconds)
        raw = osc(f, seconds, "saw")
        nasal = mix(filt(raw, "bp", 1300, 3), scale(filt(raw, "bp", 2600, 4), 0.6), scale(raw, 0.15))
        return envelope(nasal, [(0, 0), (0.015, 1.0), (seconds * 0.6, 0.9), (seconds, 0)])
    return mix(honk(0.22, 392), honk(0.36, 330), silence(0.75), at=[0.0, 0.3, 0])


SOUNDS = {
    "click": s_click, "typekey": s_typekey, "thud3": s_thud3, "eagle6": s_eagle6,
    "fanf2": s_fanf2, "fanf3": s_fanf3, "crowd": s_crowd, "cheer2": s_cheer2,
    "klaxon": s_klaxon, "flute": s_flute, "gong": s_gong, "clap2": s_clap2,
    "drumroll": s_drumroll, "laser2": s_laser2, "whizz": s_whizz, "clap3": s_clap3,
    "clown": s_clown,
}


def main(out_dir, only=None):
    os.makedirs(out_dir, exist_ok=True)
    for name, fn in SOUNDS.items():
        if only and name not in only:
            continue
        write(os.path.join(out_dir, name + ".wav"), fn())


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
