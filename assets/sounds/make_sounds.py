#!/usr/bin/env python3
"""Synthesises the memory game's sounds, or checks ones already made.

    python3 make_sounds.py OUTDIR             write the WAV files
    python3 make_sounds.py --analyse OUTDIR   measure them; exit 1 if one is off

Everything here is computed from scratch with the standard library only, and
the random generator has a fixed seed, so every run writes the same bytes.
"""

import argparse
import math
import os
import random
import struct
import sys
import wave
from operator import mul

SR = 44100
TWO_PI = 2.0 * math.pi

# Some audio back ends drop the last ~100 ms of a short sound; a quarter of a
# second of digital silence after each one keeps the whole sound audible.
TAIL_SECONDS = 0.25
FADE_IN_SECONDS = 0.003
FADE_OUT_SECONDS = 0.020

PAD_NAMES = ("Plasma", "Whop", "Eatghost", "Jawharp")
WRONG_NAME = "Aah"
ALL_NAMES = PAD_NAMES + (WRONG_NAME,)

# The Difficult level lights a pad 390 ms after the one before, 300 ms after
# it went dark with its sound: each pad also comes in a short cut whose sound
# is over by then, its tail faded rather than cut, so no note is clipped by
# the next pad's sound.
SHORT_SUFFIX = "-curto"
SHORT_SECONDS = 0.26
SHORT_FADE_SECONDS = 0.07
SHORT_NAMES = tuple(name + SHORT_SUFFIX for name in PAD_NAMES)


# --------------------------------------------------------------------------
# Building blocks


def poly_blep(t, dt):
    """Correction that rounds off a step so oscillators do not alias."""
    if t < dt:
        t /= dt
        return t + t - t * t - 1.0
    if t > 1.0 - dt:
        t = (t - 1.0) / dt
        return t * t + t + t + 1.0
    return 0.0


def glide(start, end, u):
    """Pitch halfway in musical terms (geometric), not in hertz."""
    return start * (end / start) ** u


def smoothstep(u):
    if u <= 0.0:
        return 0.0
    if u >= 1.0:
        return 1.0
    return u * u * (3.0 - 2.0 * u)


def pulse_wave(phase, dt, duty):
    """Band-limited pulse with its DC offset removed."""
    y = 1.0 if phase < duty else -1.0
    y += poly_blep(phase, dt)
    p2 = phase + 1.0 - duty
    if p2 >= 1.0:
        p2 -= 1.0
    return y - poly_blep(p2, dt) + 1.0 - 2.0 * duty


def saturate(samples, drive):
    """Soft clipping: fattens the body of a sound so it is not all peak."""
    peak = max(abs(v) for v in samples) or 1.0
    k = drive / peak
    norm = 1.0 / math.tanh(drive)
    tanh = math.tanh
    return [tanh(k * v) * norm for v in samples]


def finish(samples, peak_dbfs):
    """DC removal, fades against clicks, peak normalisation, 16-bit, then
    the trailing silence."""
    n = len(samples)
    fade_in = int(FADE_IN_SECONDS * SR)
    fade_out = int(FADE_OUT_SECONDS * SR)
    # ring modulation and clipping leave an offset that would only eat headroom
    pole = math.exp(-TWO_PI * 20.0 / SR)
    out = []
    x1 = y1 = 0.0
    for v in samples:
        y1 = v - x1 + pole * y1
        x1 = v
        out.append(y1)
    for i in range(fade_in):
        out[i] *= 0.5 - 0.5 * math.cos(math.pi * i / fade_in)
    for i in range(fade_out):
        # reaches exactly zero on the last sample, so the silence joins smoothly
        out[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / fade_out)
    peak = max(abs(v) for v in out) or 1.0
    gain = 32767.0 * 10.0 ** (peak_dbfs / 20.0) / peak
    pcm = [int(round(v * gain)) for v in out]
    pcm.extend([0] * int(TAIL_SECONDS * SR))
    return pcm


def write_wav(path, pcm):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(struct.pack("<%dh" % len(pcm), *pcm))


# --------------------------------------------------------------------------
# The sounds


def make_plasma():
    """Blue pad: a buzzy zap diving from 1800 Hz to 300 Hz."""
    rng = random.Random(0x5A9)
    n = int(0.30 * SR)
    out = [0.0] * n
    phase = 0.0
    mod_phase = 0.0
    buzz_step = TWO_PI * 57.0 / SR
    crackle = 0.0
    sin = math.sin
    exp = math.exp
    for i in range(n):
        t = i / SR
        u = i / n
        # steep dive at first, then easing off: reads as "zap", not a siren
        f = glide(1800.0, 300.0, 1.0 - (1.0 - u) ** 1.7)
        # a mains-like wobble in the pitch gives the electric roughness
        f *= 1.0 + 0.05 * sin(buzz_step * i)
        dt = f / SR
        phase += dt
        if phase >= 1.0:
            phase -= 1.0
        saw = 2.0 * phase - 1.0 - poly_blep(phase, dt)
        sq = pulse_wave(phase, dt, 0.5)
        raw = 0.55 * saw + 0.45 * sq
        # ring modulation at twice the pitch keeps it harmonic but metallic
        mod_phase += 2.0 * dt
        if mod_phase >= 1.0:
            mod_phase -= 1.0
        ring = raw * sin(TWO_PI * mod_phase)
        y = 0.6 * raw + 0.5 * ring
        # a brief spark of noise on the attack
        crackle = 0.6 * crackle + 0.4 * (rng.random() * 2.0 - 1.0)
        y += 0.25 * crackle * exp(-t / 0.006)
        out[i] = y * exp(-t / 0.35)
    return saturate(out, 2.0)


def make_whop():
    """Red pad: a round tone gliding up from 220 Hz to 880 Hz."""
    n = int(0.32 * SR)
    out = [0.0] * n
    phase = 0.0
    drive = 1.6
    norm = 1.0 / math.tanh(drive)
    release = int(0.09 * SR)
    sin = math.sin
    tanh = math.tanh
    exp = math.exp
    cos = math.cos
    for i in range(n):
        t = i / SR
        f = glide(220.0, 880.0, smoothstep(i / n * 1.1))
        phase += f / SR
        if phase >= 1.0:
            phase -= 1.0
        s = sin(TWO_PI * phase)
        # gentle saturation adds a few harmonics so it carries on small speakers
        y = tanh(drive * s) * norm + 0.12 * sin(2.0 * TWO_PI * phase)
        env = 1.0 - exp(-t / 0.018)
        left = n - i
        if left < release:
            env *= 0.5 - 0.5 * cos(math.pi * left / release)
        out[i] = y * env
    return out


def make_eatghost():
    """Yellow pad: five quick chirpy square-wave notes climbing an arpeggio."""
    # E major arpeggio, from E5 up to G#6
    notes = (659.26, 830.61, 987.77, 1318.51, 1661.22)
    lengths = (0.050, 0.050, 0.050, 0.055, 0.095)
    low = 0.35  # level each note starts and ends on: a lilt, never a gap
    out = []
    phase = 0.0
    duty = 0.5
    exp = math.exp
    for k, (f0, seconds) in enumerate(zip(notes, lengths)):
        m = int(seconds * SR)
        last = k == len(notes) - 1
        for j in range(m):
            tn = j / SR
            # each note bends up a little on its way in: the chirp
            f = f0 * (1.0 + 0.03 * (1.0 - exp(-tn / 0.010)))
            dt = f / SR
            phase += dt
            if phase >= 1.0:
                phase -= 1.0
            y = pulse_wave(phase, dt, duty)
            rise = min(1.0, tn / 0.002)
            fall = (1.0 - j / m) ** 2.5
            if last:
                env = (low + (1.0 - low) * rise) * (1.0 - j / m) ** 1.5
            else:
                env = low + (1.0 - low) * rise * fall
            out.append(y * env)
    return out


def make_jawharp():
    """Green pad: a low twangy boing with a wah sweeping through it."""
    n = int(0.36 * SR)
    out = [0.0] * n
    phase = 0.0
    ic1 = 0.0
    ic2 = 0.0
    k = 1.0 / 5.0  # filter damping: resonance Q of 5
    duty = 0.18
    tan = math.tan
    sin = math.sin
    exp = math.exp
    pi_over_sr = math.pi / SR
    for i in range(n):
        t = i / SR
        # the pluck starts a touch sharp and settles: the "boi-" of boing
        f = 128.0 * (1.0 + 0.09 * exp(-t / 0.035))
        dt = f / SR
        phase += dt
        if phase >= 1.0:
            phase -= 1.0
        saw = 2.0 * phase - 1.0 - poly_blep(phase, dt)
        pulse = pulse_wave(phase, dt, duty)
        src = 0.5 * saw + 0.5 * pulse
        # mouth-cavity resonance opening up then closing again
        sweep = sin(math.pi * min(1.0, t / 0.40))
        fc = 330.0 + 1450.0 * sweep ** 1.5
        g = tan(pi_over_sr * fc)
        a1 = 1.0 / (1.0 + g * (g + k))
        a2 = g * a1
        a3 = g * a2
        # zero-delay-feedback state-variable filter: stays stable while swept
        v3 = src - ic2
        v1 = a1 * ic1 + a2 * v3
        v2 = ic2 + a2 * ic1 + a3 * v3
        ic1 = 2.0 * v1 - ic1
        ic2 = 2.0 * v2 - ic2
        y = 0.35 * v2 + 0.8 * v1 + 0.1 * src
        out[i] = y * exp(-t / 0.5)
    # clip for the twang, then let it die away audibly
    out = saturate(out, 5.0)
    return [v * exp(-i / (0.30 * SR)) for i, v in enumerate(out)]


def make_aah():
    """Wrong answer: a sad, sighing vocal "aah" sliding down in pitch."""
    rng = random.Random(0xAA4)
    n = int(0.74 * SR)
    out = [0.0] * n
    phase = 0.0
    release = int(0.30 * SR)
    # (start Hz, end Hz, bandwidth Hz) for an open /a/ that relaxes a little
    formants = (
        (780.0, 720.0, 80.0),
        (1220.0, 1130.0, 100.0),
        (2580.0, 2520.0, 140.0),
        (3450.0, 3400.0, 250.0),
    )
    c_coef = [-math.exp(-TWO_PI * bw / SR) for _, _, bw in formants]
    r_half = [math.exp(-math.pi * bw / SR) for _, _, bw in formants]
    y1 = [0.0] * len(formants)
    y2 = [0.0] * len(formants)
    jitter = 0.0
    sin = math.sin
    cos = math.cos
    exp = math.exp
    for i in range(n):
        t = i / SR
        u = i / n
        # holds briefly, then the pitch sinks as the sigh runs out
        fall = smoothstep((t - 0.06) / 0.62)
        f = glide(192.0, 130.0, fall)
        vib_depth = 0.012 * smoothstep((t - 0.10) / 0.20)
        jitter = 0.995 * jitter + 0.005 * (rng.random() - 0.5)
        f *= 1.0 + vib_depth * sin(TWO_PI * 5.3 * t) + 0.02 * jitter
        dt = f / SR
        phase += dt
        if phase >= 1.0:
            phase -= 1.0
        # the one sharp edge per period stands in for the glottis snapping shut
        voice = 1.0 - 2.0 * phase + poly_blep(phase, dt)
        left = n - i
        # starts at once but swells in, so it does not bark
        voice_env = 0.2 + 0.8 * (1.0 - exp(-t / 0.04))
        breath = 0.05
        if left < release:
            r = left / release
            voice_env *= r * r * (3.0 - 2.0 * r)
            # the voice gives way to breath on the way out
            breath += 0.5 * (1.0 - r) * r
        x = voice * voice_env + breath * voice_env ** 0.3 * (rng.random() * 2.0 - 1.0)
        # resonators in series, each with unity gain at 0 Hz, so the
        # formants take their natural relative levels
        for j, (fa, fb, _) in enumerate(formants):
            fr = fa + (fb - fa) * u
            b = 2.0 * r_half[j] * cos(TWO_PI * fr / SR)
            c = c_coef[j]
            y = (1.0 - b - c) * x + b * y1[j] + c * y2[j]
            y2[j] = y1[j]
            y1[j] = y
            x = y
        out[i] = x
    # a touch of soft clipping tames the pulse peaks so the voice is not faint
    return saturate(out, 1.3)


# Peaks sit between -1 and -3 dBFS; the pads' levels differ inside that range
# so that they sound about equally loud (the buzzy ones need less).
RECIPES = {
    "Plasma": (make_plasma, -1.6),
    "Whop": (make_whop, -3.0),
    "Eatghost": (make_eatghost, -3.0),
    "Jawharp": (make_jawharp, -1.2),
    "Aah": (make_aah, -1.5),
}


def shorten(samples):
    """The sound ended at SHORT_SECONDS, its last stretch faded out."""
    n = min(len(samples), int(SHORT_SECONDS * SR))
    fade = int(SHORT_FADE_SECONDS * SR)
    out = samples[:n]
    for i in range(fade):
        out[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / fade)
    return out


def render(outdir):
    os.makedirs(outdir, exist_ok=True)
    for name in ALL_NAMES:
        make, peak = RECIPES[name]
        samples = make()
        write_wav(os.path.join(outdir, name + ".wav"), finish(samples, peak))
        if name in PAD_NAMES:
            write_wav(os.path.join(outdir, name + SHORT_SUFFIX + ".wav"),
                      finish(shorten(samples), peak))


# --------------------------------------------------------------------------
# Analysis


SILENCE_DBFS = -45.0


def biquad(x, b0, b1, b2, a0, a1, a2):
    b0 /= a0
    b1 /= a0
    b2 /= a0
    a1 /= a0
    a2 /= a0
    x1 = x2 = y1 = y2 = 0.0
    out = []
    append = out.append
    for v in x:
        y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2 = x1
        x1 = v
        y2 = y1
        y1 = y
        append(y)
    return out


def loudness(x):
    """K-weighted level (roughly LUFS): over the whole of x, and its loudest
    100 ms, which is closer to how loud a short decaying sound seems."""
    if not x:
        return float("-inf"), float("-inf")
    # high shelf +4 dB above ~1.5 kHz: the head's own boost
    a = 10.0 ** (4.0 / 40.0)
    w0 = TWO_PI * 1500.0 / SR
    cw = math.cos(w0)
    alpha = math.sin(w0) / (2.0 / math.sqrt(2.0))
    sa = 2.0 * math.sqrt(a) * alpha
    y = biquad(
        x,
        a * ((a + 1) + (a - 1) * cw + sa),
        -2 * a * ((a - 1) + (a + 1) * cw),
        a * ((a + 1) + (a - 1) * cw - sa),
        (a + 1) - (a - 1) * cw + sa,
        2 * ((a - 1) - (a + 1) * cw),
        (a + 1) - (a - 1) * cw - sa,
    )
    # high pass at 38 Hz: rumble does not count as loud
    w0 = TWO_PI * 38.0 / SR
    cw = math.cos(w0)
    alpha = math.sin(w0) / (2.0 * 0.5)
    y = biquad(y, (1 + cw) / 2, -(1 + cw), (1 + cw) / 2, 1 + alpha, -2 * cw, 1 - alpha)
    pre = [0.0]
    acc = 0.0
    for v in y:
        acc += v * v
        pre.append(acc)
    win = min(len(y), int(0.100 * SR))
    loudest = max(pre[s + win] - pre[s] for s in range(0, len(y) - win + 1, 441)) / win
    whole = acc / len(y)

    def lufs(ms):
        return -0.691 + 10.0 * math.log10(ms) if ms > 0 else float("-inf")

    return lufs(whole), lufs(loudest)


MIN_LAG = 16  # ~2.8 kHz
MAX_LAG = 720  # ~61 Hz


def pitch(x, start, span):
    """YIN-style period estimate over x[start:start+span]; None if unvoiced."""
    w = span - MAX_LAG
    if start < 0 or w < 256 or start + span > len(x):
        return None
    frame = x[start:start + span]
    head = frame[:w]
    pre = [0]
    acc = 0
    for v in frame:
        acc += v * v
        pre.append(acc)
    e0 = pre[w]
    if e0 == 0:
        return None
    cmnd = [1.0] * (MAX_LAG + 2)
    running = 0.0
    for tau in range(1, MAX_LAG + 2):
        if tau + w > span:
            break
        r = sum(map(mul, head, frame[tau:tau + w]))
        d = e0 + (pre[tau + w] - pre[tau]) - 2 * r
        running += d
        cmnd[tau] = d * tau / running if running > 0 else 1.0
    best = None
    for tau in range(MIN_LAG, MAX_LAG):
        if cmnd[tau] < 0.2:
            while tau + 1 < MAX_LAG and cmnd[tau + 1] < cmnd[tau]:
                tau += 1
            best = tau
            break
    if best is None:
        best = min(range(MIN_LAG, MAX_LAG), key=cmnd.__getitem__)
        if cmnd[best] > 0.5:
            return None
    a, b, c = cmnd[best - 1], cmnd[best], cmnd[best + 1]
    den = a - 2 * b + c
    shift = 0.5 * (a - c) / den if den > 0 else 0.0
    return SR / (best + shift)


def dbfs(v):
    return 20.0 * math.log10(v / 32768.0) if v > 0 else float("-inf")


def analyse_file(path):
    with wave.open(path, "rb") as w:
        fmt = (w.getnchannels(), w.getsampwidth(), w.getframerate())
        raw = w.readframes(w.getnframes())
    problems = []
    if fmt != (1, 2, SR):
        problems.append("format is %d ch / %d bytes / %d Hz, want mono 16-bit %d Hz"
                        % (fmt + (SR,)))
        return {"problems": problems}
    n = len(raw) // 2
    x = list(struct.unpack("<%dh" % n, raw))
    thr = 32768.0 * 10.0 ** (SILENCE_DBFS / 20.0)
    loud = [i for i, v in enumerate(x) if abs(v) >= thr]
    if not loud:
        return {"problems": ["file is silent"]}
    first, last = loud[0], loud[-1]
    tail = 0
    while tail < n and x[n - 1 - tail] == 0:
        tail += 1
    part = x[first:last + 1]
    peak = max(abs(v) for v in x)
    rms = math.sqrt(sum(v * v for v in part) / len(part))
    lufs, lufs_max = loudness([v / 32768.0 for v in part])
    # loudest 50 ms, searched in 5 ms steps
    win = int(0.050 * SR)
    pre = [0]
    acc = 0
    for v in x:
        acc += v * v
        pre.append(acc)
    best_at = max(range(first, max(first + 1, last + 2 - win), int(0.005 * SR)),
                  key=lambda s: pre[min(s + win, n)] - pre[s])
    dominant = pitch(x, best_at, win)
    # a pitch reading every 50 ms shows the sweeps and the steps
    span = 1024 + MAX_LAG
    track = []
    s = first
    while s + span <= last + 1:
        track.append(pitch(x, s, span))
        s += win
    return {
        "problems": problems,
        "total": n / SR,
        "onset_ms": 1000.0 * first / SR,
        "sound": (last - first + 1) / SR,
        "tail": tail / SR,
        "peak": dbfs(peak),
        "rms": dbfs(rms),
        "lufs": lufs,
        "lufs_max": lufs_max,
        "dominant": dominant,
        "track": track,
    }


def check(name, r):
    p = r["problems"]
    if "total" not in r:
        return p
    lo, hi = (0.50, 0.80) if name == WRONG_NAME else (0.20, 0.40)
    if name.endswith(SHORT_SUFFIX):
        name = name[:-len(SHORT_SUFFIX)]
        lo, hi = 0.20, SHORT_SECONDS
    if not lo <= r["sound"] <= hi:
        p.append("sounding part %.3f s, want %.2f-%.2f s" % (r["sound"], lo, hi))
    if r["onset_ms"] > 2.0:
        p.append("starts %.1f ms late, want within 2 ms" % r["onset_ms"])
    if not 0.23 <= r["tail"] <= 0.30:
        p.append("trailing silence %.3f s, want about 0.25 s" % r["tail"])
    if not -3.05 <= r["peak"] <= -0.95:
        p.append("peak %.2f dBFS, want -1 to -3" % r["peak"])
    voiced = [f for f in r["track"] if f]
    if len(voiced) < 2:
        p.append("no steady pitch found")
        return p
    head, end = voiced[0], voiced[-1]
    if name == "Plasma" and not (head > 900 and end < 500):
        p.append("should dive from high to low (%.0f -> %.0f Hz)" % (head, end))
    if name == "Whop" and not (head < 350 and end > 600):
        p.append("should glide up (%.0f -> %.0f Hz)" % (head, end))
    if name == "Eatghost" and not (end > 1.8 * head):
        p.append("should climb (%.0f -> %.0f Hz)" % (head, end))
    if name == "Jawharp" and not (r["dominant"] and 100 <= r["dominant"] <= 160):
        p.append("pitch should be low, 100-160 Hz")
    if name == "Aah" and not (170 <= head <= 210 and 120 <= end <= 150):
        p.append("should sink from ~190 to ~130 Hz (%.0f -> %.0f Hz)" % (head, end))
    return p


def analyse(outdir):
    failed = False
    pad_levels = []
    for name in ALL_NAMES + SHORT_NAMES:
        path = os.path.join(outdir, name + ".wav")
        if not os.path.exists(path):
            print("%-9s missing" % name)
            failed = True
            continue
        r = analyse_file(path)
        problems = check(name, r)
        if "total" in r:
            hz = lambda f: "%.0f" % f if f else "-"
            print("%-9s total %.3f s  sound %.3f s (onset %.2f ms, silent tail %.3f s)"
                  % (name, r["total"], r["sound"], r["onset_ms"], r["tail"]))
            print("          peak %6.2f dBFS  RMS %6.2f dBFS  loudness %6.2f LUFS~ "
                  "(loudest 100 ms %6.2f)  pitch (loudest 50 ms) %s Hz"
                  % (r["peak"], r["rms"], r["lufs"], r["lufs_max"], hz(r["dominant"])))
            print("          pitch every 50 ms: %s Hz" % " ".join(hz(f) for f in r["track"]))
            if name in PAD_NAMES:
                pad_levels.append(r["lufs_max"])
        for msg in problems:
            print("          PROBLEM: " + msg)
        failed = failed or bool(problems)
    if len(pad_levels) == len(PAD_NAMES):
        spread = max(pad_levels) - min(pad_levels)
        print("pads' loudness spread (loudest 100 ms) %.2f dB" % spread)
        if spread > 3.0:
            print("PROBLEM: the pads differ by more than 3 dB in loudness")
            failed = True
    return 1 if failed else 0


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("outdir", help="folder for (or with) the WAV files")
    ap.add_argument("--analyse", "--analyze", action="store_true",
                    help="measure existing files instead of writing them")
    args = ap.parse_args()
    if args.analyse:
        return analyse(args.outdir)
    render(args.outdir)
    return 0


if __name__ == "__main__":
    sys.exit(main())
