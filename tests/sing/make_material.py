#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders the sung-answer test material into a folder (the build tree caches it).

Every case is a 48 kHz WAVE file NAME.wav plus NAME.notes, the truth the tests compare with:
    shift <octaves the melody is moved from the keyboard's E3..E4>
    <onset ms> <end ms> <MIDI note as played, before detuning> <expected key 0..7 or -1>
Melodies are played by fluidsynth from the TimGM6mb sound font (choir, voice, flute, violin,
guitar, piano) at three octaves, some with pitch-bend vibrato and a few cents of detuning; the
synthetic cases (noise, breath, clicks, silence, DC, clipping, glides) are computed here.

usage: make_material.py OUTDIR [--full]   (--full: the benchmark's larger corpus)
"""
import array
import math
import os
import random
import struct
import subprocess
import sys
import wave

RATE = 48000
SOUND_FONT = "/usr/share/sounds/sf2/TimGM6mb.sf2"
KEY_NOTES = [52, 53, 55, 57, 59, 60, 62, 64]  # E3 F3 G3 A3 B3 C4 D4 E4
PROGRAMS = {"choir": 52, "oohs": 53, "flute": 73, "violin": 40, "guitar": 24, "piano": 0}
VERSION = "5"  # bump when the material changes, so that cached files are made again


# --- a minimal standard MIDI file (format 0, 480 ticks per quarter at 120 bpm: 1 tick ~ 1.04 ms)
TICKS_PER_QUARTER = 480
US_PER_QUARTER = 500000


def ms_to_ticks(ms):
    return int(round(ms * 1000 * TICKS_PER_QUARTER / US_PER_QUARTER))


def var_len(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)


def midi_file(events):
    """events: (ms, bytes) in any order; returns the file image."""
    track = bytearray()
    track += var_len(0) + bytes([0xFF, 0x51, 3]) + US_PER_QUARTER.to_bytes(3, "big")
    now = 0
    for ms, data in sorted(events, key=lambda e: e[0]):
        t = ms_to_ticks(ms)
        track += var_len(t - now) + data
        now = t
    track += var_len(0) + bytes([0xFF, 0x2F, 0])
    head = b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS_PER_QUARTER)
    return head + b"MTrk" + struct.pack(">I", len(track)) + bytes(track)


def bend_event(cents):
    value = max(0, min(16383, 8192 + int(round(cents / 200.0 * 8192))))
    return bytes([0xE0, value & 0x7F, value >> 7])


def render_melody(path, program, notes, detune_cents, vibrato_cents):
    """notes: (onset ms, end ms, MIDI note); renders a mono 48 kHz WAVE file with fluidsynth."""
    events = [(0, bytes([0xC0, program])),
              # pitch-bend range 2 semitones (RPN 0)
              (0, bytes([0xB0, 101, 0])), (0, bytes([0xB0, 100, 0])),
              (0, bytes([0xB0, 6, 2])), (0, bytes([0xB0, 38, 0])),
              (0, bend_event(detune_cents))]
    for onset, end, note in notes:
        events.append((onset, bytes([0x90, note, 100])))
        events.append((end, bytes([0x80, note, 0])))
    last = max(end for _, end, _ in notes)
    if vibrato_cents:
        for ms in range(0, last + 400, 10):
            cents = detune_cents + vibrato_cents * math.sin(2 * math.pi * 5.5 * ms / 1000.0)
            events.append((ms, bend_event(cents)))
    events.append((last + 600, bytes([0xB0, 123, 0])))
    mid = path + ".mid"
    with open(mid, "wb") as f:
        f.write(midi_file(events))
    stereo = path + ".stereo.wav"
    subprocess.run(["fluidsynth", "-q", "-ni", "-R", "0", "-C", "0", "-g", "0.8",
                    "-r", str(RATE), "-T", "wav", "-O", "s16", "-F", stereo, SOUND_FONT, mid],
                   check=True, stdout=subprocess.DEVNULL)
    with wave.open(stereo) as w:
        frames = array.array("h", w.readframes(w.getnframes()))
    mono = array.array("h", ((frames[i] + frames[i + 1]) // 2 for i in range(0, len(frames), 2)))
    write_wave(path, mono)
    os.remove(mid)
    os.remove(stereo)


def write_wave(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(samples.tobytes())


def to_pcm(values):
    return array.array("h", (max(-32768, min(32767, int(v))) for v in values))


def write_notes(path, shift, notes):
    with open(path, "w") as f:
        f.write("shift %d\n" % shift)
        for onset, end, note in notes:
            key = KEY_NOTES.index(note - 12 * shift) if note - 12 * shift in KEY_NOTES else -1
            f.write("%d %d %d %d\n" % (onset, end, note, key))


def melody(rng, length, shift, legato):
    """Random keys (repeats allowed) as timed notes; legato notes leave only a short breath."""
    notes, t = [], 300
    for _ in range(length):
        note = KEY_NOTES[rng.randrange(8)] + 12 * shift
        dur = rng.randrange(350, 650)
        notes.append((t, t + dur, note))
        t += dur + (rng.randrange(60, 120) if legato else rng.randrange(120, 250))
    return notes


# --- synthetic sounds
def voice_sample(freq, phase_t, amp):
    """A voice-like harmonic tone: falling partials with a formant bump."""
    s = 0.0
    for h, a in ((1, 1.0), (2, 0.6), (3, 0.45), (4, 0.2), (5, 0.12), (6, 0.06)):
        s += a * math.sin(2 * math.pi * freq * h * phase_t)
    return amp * s / 2.4


def synth_notes(notes, total_ms, amp=12000, dc=0.0, gain=1.0, noise=0.0, seed=1):
    rng = random.Random(seed)
    n = RATE * total_ms // 1000
    out = [dc] * n
    for onset, end, note in notes:
        f = 440.0 * 2 ** ((note - 69) / 12.0)
        a, b = RATE * onset // 1000, RATE * end // 1000
        for i in range(a, b):
            env = min(1.0, (i - a) / 480.0, (b - i) / 480.0)
            out[i] += gain * voice_sample(f, (i - a) / RATE, amp * env)
    if noise:
        out = [v + rng.gauss(0, noise) for v in out]
    return to_pcm(out)


def synth_glide(path):
    """Steady A3, a 300 ms glide up to E4, steady E4: only the two steady notes enter."""
    n = RATE * 2200 // 1000
    out, phase = [], 0.0
    for i in range(n):
        ms = i * 1000.0 / RATE
        if ms < 300 or ms > 1900:
            out.append(0)
            continue
        if ms < 900:
            note = 57
        elif ms < 1200:
            note = 57 + 7 * (ms - 900) / 300.0
        else:
            note = 64
        phase += 440.0 * 2 ** ((note - 69) / 12.0) / RATE
        env = min(1.0, (ms - 300) / 10.0, (1900 - ms) / 10.0)
        out.append(sum(a * math.sin(2 * math.pi * h * phase)
                       for h, a in ((1, 1.0), (2, 0.5), (3, 0.3))) * 9000 * env)
    write_wave(path + ".wav", to_pcm(out))
    with open(path + ".notes", "w") as f:
        f.write("shift 0\n300 900 57 3\n1200 1900 64 7\n")


def synth_noises(out_dir):
    rng = random.Random(7)
    n = RATE * 3
    cases = {
        "silence": [0.0] * n,
        "dc": [9000.0] * n,
        "white_noise": [rng.gauss(0, 3000) for _ in range(n)],
        "clicks": [(20000.0 if i % 9600 < 3 else 0.0) + rng.gauss(0, 30) for i in range(n)],
    }
    # Breath: noise bursts shaped like a slow inhale and exhale.
    breath = []
    for i in range(n):
        env = max(0.0, math.sin(2 * math.pi * i / (RATE * 1.5)))
        breath.append(rng.gauss(0, 2500) * env)
    cases["breath"] = breath
    # Speech-like: noise syllables at 4 per second with short unsteady voiced glides.
    speech, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        env = max(0.0, math.sin(2 * math.pi * 4 * t)) ** 2
        f = 140 + 60 * math.sin(2 * math.pi * 3.1 * t) + 40 * math.sin(2 * math.pi * 7.3 * t)
        phase += f / RATE
        speech.append(env * (3000 * math.sin(2 * math.pi * phase) + rng.gauss(0, 2000)))
    cases["speech"] = speech
    for name, values in cases.items():
        write_wave(os.path.join(out_dir, name + ".wav"), to_pcm(values))
        with open(os.path.join(out_dir, name + ".notes"), "w") as f:
            f.write("shift 0\n")


def synth_cases(out_dir):
    synth_noises(out_dir)
    synth_glide(os.path.join(out_dir, "glide"))
    # Repeated E E with a break, then re-attacked A A, B (a black key F#4 between: nothing).
    rep = [(300, 700, 52), (780, 1180, 52), (1300, 1700, 57), (1740, 2140, 57),
           (2300, 2700, 66), (2800, 3200, 59)]
    cases = {
        "repeated": dict(notes=rep),
        "clipped": dict(notes=rep, gain=8.0),
        "dc_offset": dict(notes=rep, dc=-12000.0, amp=8000),
        "noisy_room": dict(notes=rep, noise=300.0),
    }
    for name, args in cases.items():
        notes = args.pop("notes")
        write_wave(os.path.join(out_dir, name + ".wav"), synth_notes(notes, 3600, **args))
        with open(os.path.join(out_dir, name + ".notes"), "w") as f:
            f.write("shift 0\n")
            for onset, end, note in notes:
                key = KEY_NOTES.index(note) if note in KEY_NOTES else -1
                f.write("%d %d %d %d\n" % (onset, end, note, key))


def rendered_cases(out_dir, full):
    """Each instrument at three octaves; the voices also two octaves up (E2 to E6 in all)."""
    rng = random.Random(2026)
    per_shift = 3 if full else 1
    for name, program in PROGRAMS.items():
        shifts = (-1, 0, 1, 2) if name in ("choir", "oohs") else (-1, 0, 1)
        for shift in shifts:
            for n in range(per_shift):
                notes = melody(rng, rng.randrange(4, 9), shift, legato=(n % 2 == 0))
                # Either vibrato around the key or a steady note off it, as singers do.
                vibrato = 40 if (n + shift) % 2 else 0
                detune = 0 if vibrato else rng.choice((-25, -12, 0, 12, 25))
                base = os.path.join(out_dir, "%s_%+d_%d" % (name, shift, n))
                render_melody(base + ".wav", program, notes, detune, vibrato)
                write_notes(base + ".notes", shift, notes)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out_dir = sys.argv[1]
    full = "--full" in sys.argv[2:]
    stamp = os.path.join(out_dir, "stamp")
    want = "%s %s\n" % (VERSION, "full" if full else "small")
    if os.path.exists(stamp) and open(stamp).read() == want:
        return
    os.makedirs(out_dir, exist_ok=True)
    synth_cases(out_dir)
    rendered_cases(out_dir, full)
    with open(stamp, "w") as f:
        f.write(want)


if __name__ == "__main__":
    main()
