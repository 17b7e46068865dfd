#!/usr/bin/env python3
"""Synthesises Vorlen's two sounds and writes them as canonical RIFF/WAVE PCM files.

    make_wave.py chimes OUT.wav   the hourly chime: three falling bell strokes,
                                  mono, 8-bit unsigned, 11,127 Hz, 18,103 sample bytes
    make_wave.py guide OUT.wav    the soft page-turn click of the configuration window,
                                  stereo, 16-bit signed, 44,100 Hz, 2,824 frames

The header is always the plain 44-byte form (a 16-byte fmt chunk directly followed by the
data chunk), so the data chunk size is exactly the byte count above. Only the standard
library is used and the noise comes from a fixed seed, so every build writes the same bytes.
"""

import math
import random
import struct
import sys


def wave_bytes(channels, rate, bits, data):
    """Returns a whole WAVE file around the PCM bytes in data."""
    block_align = channels * bits // 8
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * block_align, block_align, bits)
    # RIFF chunks are word-aligned: an odd data chunk is followed by one pad byte that the
    # RIFF size counts but the data chunk size does not.
    pad = b"\0" if len(data) % 2 else b""
    riff_size = 4 + (8 + len(fmt)) + (8 + len(data)) + len(pad)
    return (b"RIFF" + struct.pack("<I", riff_size) + b"WAVE"
            + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(data)) + data + pad)


def raised_cosine(x):
    """0 at x <= 0, 1 at x >= 1, smooth in between."""
    if x <= 0.0:
        return 0.0
    if x >= 1.0:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * x)


# ---------------------------------------------------------------------------------------
# The hourly chime

CHIME_RATE = 11127
CHIME_BYTES = 18103

# Three strokes falling through a major triad (G5, E5, C5): start time in seconds,
# fundamental in Hz, loudness. The last stroke rings longest.
CHIME_STROKES = [
    (0.000, 783.99, 0.80),
    (0.360, 659.26, 0.85),
    (0.720, 523.25, 1.00),
]

# A bell's partials relative to its strike tone: ratio, level, decay time constant (s).
# The hum below the strike tone and the slightly stretched upper partials give the bell
# its colour; the higher partials die away first so each stroke mellows as it rings.
BELL_PARTIALS = [
    (0.500, 0.28, 0.90),
    (1.000, 1.00, 0.55),
    (1.190, 0.22, 0.35),  # the bell's minor third
    (2.000, 0.42, 0.28),
    (2.740, 0.16, 0.16),
    (4.070, 0.08, 0.09),
]

CHIME_ATTACK = 0.004  # seconds: softens the hammer's strike without losing it
CHIME_FADE = 0.30     # seconds of fade to silence at the very end


def chime_samples():
    n = CHIME_BYTES
    nyquist = CHIME_RATE / 2
    out = [0.0] * n
    for start, f0, level in CHIME_STROKES:
        first = int(round(start * CHIME_RATE))
        for ratio, amp, tau in BELL_PARTIALS:
            f = f0 * ratio
            if f >= nyquist * 0.9:
                continue
            w = 2.0 * math.pi * f / CHIME_RATE
            for i in range(first, n):
                t = (i - first) / CHIME_RATE
                env = raised_cosine(t / CHIME_ATTACK) * math.exp(-t / tau)
                if env < 1e-5 and t > CHIME_ATTACK:
                    break
                out[i] += level * amp * env * math.sin(w * (i - first))
    fade_len = int(CHIME_FADE * CHIME_RATE)
    for k in range(fade_len):
        out[n - fade_len + k] *= raised_cosine(1.0 - (k + 1) / fade_len)
    peak = max(abs(v) for v in out)
    scale = 0.80 * 127.0 / peak  # headroom: well clear of clipping
    return [v * scale for v in out]


def chimes():
    data = bytes(min(255, max(0, 128 + int(round(v)))) for v in chime_samples())
    assert len(data) == CHIME_BYTES
    return wave_bytes(1, CHIME_RATE, 8, data)


# ---------------------------------------------------------------------------------------
# The page-turn click

GUIDE_RATE = 44100
GUIDE_FRAMES = 2824  # 11,296 bytes of 16-bit stereo


def guide_samples():
    """Returns (left, right) float lists: a brief rustle of band-passed noise under a soft
    wooden tick, swept from left to right like a turning page."""
    n = GUIDE_FRAMES
    rng = random.Random(0x766F726C)
    # Noise band-passed by two one-pole filters (high-pass, then low-pass), with the low-pass
    # corner gliding down so the rustle darkens as the page settles.
    hp_prev_in = hp_prev_out = 0.0
    lp = 0.0
    rustle = []
    for i in range(n):
        x = rng.uniform(-1.0, 1.0)
        hp = 0.93 * (hp_prev_out + x - hp_prev_in)
        hp_prev_in, hp_prev_out = x, hp
        corner = 5200.0 - 3400.0 * (i / n)
        a = 1.0 - math.exp(-2.0 * math.pi * corner / GUIDE_RATE)
        lp += a * (hp - lp)
        rustle.append(lp)
    left, right = [], []
    for i in range(n):
        t = i / GUIDE_RATE
        u = i / (n - 1)
        # A quick swell that eases off: zero at both ends, so no click where it starts or stops.
        env = math.sin(math.pi * u) ** 2 * math.exp(-3.0 * u)
        tick_env = raised_cosine(t / 0.0015) * math.exp(-t / 0.006)
        tick = 0.55 * tick_env * math.sin(2 * math.pi * 1150.0 * t) * raised_cosine((n - 1 - i) / 400)
        v = 1.6 * env * rustle[i] + tick
        pan = 0.25 + 0.5 * u  # 0 = left, 1 = right
        left.append(v * math.cos(pan * math.pi / 2))
        right.append(v * math.sin(pan * math.pi / 2))
    return left, right


def guide():
    left, right = guide_samples()
    peak = max(max(abs(v) for v in left), max(abs(v) for v in right))
    scale = 0.25 * 32767.0 / peak  # about -12 dBFS: a quiet interface sound
    frames = bytearray()
    for lv, rv in zip(left, right):
        frames += struct.pack("<hh", int(round(lv * scale)), int(round(rv * scale)))
    assert len(frames) == GUIDE_FRAMES * 4
    return wave_bytes(2, GUIDE_RATE, 16, bytes(frames))


SOUNDS = {"chimes": chimes, "guide": guide}


def main(argv):
    if len(argv) != 3 or argv[1] not in SOUNDS:
        sys.stderr.write("usage: make_wave.py {%s} OUT.wav\n" % "|".join(sorted(SOUNDS)))
        return 2
    data = SOUNDS[argv[1]]()
    with open(argv[2], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
