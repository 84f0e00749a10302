#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Synthesises the eight note sounds of the little keyboard (E3..E4) as WAVE files.

Run by hand from the repository root; the output is committed:

    python3 tools/synth/make_notes.py res/wave

Each file is mono, 16-bit PCM, 22050 samples per second, with an 18-byte "fmt " chunk
(extra-size field 0) and the exact sample count the game expects. The timbre is a soft
reed-like mallet tone: eight partials, the second and third about as strong as the
fundamental, slightly stretched (a little inharmonic) and fading faster the higher they are.
Envelope: a short rise (full level within a few tens of ms), a slowly falling level up to
about 0.23 s, a steep fall to about a sixth of full level by 0.30 s and a low tail that fades
to zero at the end (0.40 s). Peaks are scaled to 88 % of full scale. Standard library only;
the output is deterministic (no random numbers).
"""

import math
import os
import struct
import sys

SAMPLE_RATE = 22050
PEAK = 0.88  # of full scale

# (resource name, semitones from A3 = 220 Hz, sample count)
NOTES = [
    ("E", -5, 8838),
    ("F", -4, 8829),
    ("G", -2, 8840),
    ("A", 0, 8840),
    ("B", 2, 8819),
    ("C", 3, 8815),
    ("D", 5, 8826),
    ("E1", 7, 8813),
]

# Relative strength of partials 1..8 at the start of the note.
PARTIALS = [1.0, 1.1, 0.95, 0.45, 0.32, 0.2, 0.12, 0.07]
STRETCH = 0.0001  # inharmonicity: partial k sits at k * f0 * sqrt(1 + B k^2) / sqrt(1 + B)


def envelope(t):
    """Overall level (0..1) at time t in seconds."""
    attack = 0.012
    if t < attack:
        return 0.5 - 0.5 * math.cos(math.pi * t / attack)
    if t < 0.23:
        # slow fall from 1.0 to about 0.85
        return math.exp(-(t - attack) * 0.75)
    level_23 = math.exp(-(0.23 - attack) * 0.75)
    if t < 0.30:
        # steep fall to about a sixth of full level, shaped as a half cosine
        x = (t - 0.23) / 0.07
        low = 0.2
        return low + (level_23 - low) * (0.5 + 0.5 * math.cos(math.pi * x))
    # low tail, gently falling
    return 0.2 * math.exp(-(t - 0.30) * 4.0)


def end_fade(i, count):
    """Short fade over the last 10 ms so that the note ends at zero without a click."""
    fade = int(0.010 * SAMPLE_RATE)
    left = count - 1 - i
    if left >= fade:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * left / fade)


def render(semitones, count):
    f0 = 220.0 * 2.0 ** (semitones / 12.0)
    norm = math.sqrt(1.0 + STRETCH)
    raw = []
    for i in range(count):
        t = i / SAMPLE_RATE
        value = 0.0
        for k, amp in enumerate(PARTIALS, start=1):
            fk = k * f0 * math.sqrt(1.0 + STRETCH * k * k) / norm
            if fk >= SAMPLE_RATE / 2:
                break
            # higher partials die away sooner: the tone darkens as it decays
            brightness = math.exp(-t * 1.4 * (k - 1))
            value += amp * brightness * math.sin(2.0 * math.pi * fk * t)
        raw.append(value * envelope(t) * end_fade(i, count))
    top = max(abs(v) for v in raw)
    scale = PEAK * 32767.0 / top
    return [int(round(v * scale)) for v in raw]


def wave_bytes(samples):
    data = struct.pack("<%dh" % len(samples), *samples)
    fmt = struct.pack("<HHIIHHH", 1, 1, SAMPLE_RATE, SAMPLE_RATE * 2, 2, 16, 0)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else "res/wave"
    os.makedirs(out_dir, exist_ok=True)
    for name, semitones, count in NOTES:
        image = wave_bytes(render(semitones, count))
        assert len(image) == 46 + 2 * count
        with open(os.path.join(out_dir, name + ".wav"), "wb") as f:
            f.write(image)


if __name__ == "__main__":
    main()
