# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The captured sound: 16-bit mono samples at the game's rate, its notes found by onset and
pitch."""
import math
import struct

SAMPLE_RATE = 22050
NOTE_HZ = [164.81, 174.61, 196.00, 220.00, 246.94, 261.63, 293.66, 329.63]  # E3 .. E4


def read_samples(path):
    """The signed 16-bit little-endian samples of a raw capture file; [] when it is missing."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        return []
    count = len(data) // 2
    return list(struct.unpack("<%dh" % count, data[: count * 2]))


def onsets(samples, threshold=3000, gap=1500):
    """Sample positions where a note starts: loud after at least `gap` quiet samples."""
    found = []
    quiet = gap
    for i, s in enumerate(samples):
        if abs(s) >= threshold:
            if quiet >= gap:
                found.append(i)
            quiet = 0
        else:
            quiet += 1
    return found


def pitch(samples, start, length=2048):
    """Fundamental frequency in Hz near `start`, by normalised autocorrelation."""
    frame = samples[start + 441 : start + 441 + length]
    if len(frame) < length:
        return 0.0
    mean = sum(frame) / len(frame)
    frame = [s - mean for s in frame]
    best_lag, best = 0, 0.0
    energy = sum(s * s for s in frame) or 1.0
    lo, hi = SAMPLE_RATE // 400, SAMPLE_RATE // 140
    scores = {}
    for lag in range(lo, hi + 1):
        score = sum(frame[i] * frame[i + lag] for i in range(0, length - lag, 2)) / energy
        scores[lag] = score
        if score > best:
            best, best_lag = score, lag
    if not best_lag:
        return 0.0
    # The shortest lag that scores nearly as well: the period, not a multiple of it.
    for lag in range(lo, best_lag):
        if scores[lag] > 0.9 * best and scores[lag] >= scores.get(lag - 1, 0) and scores[lag] >= scores.get(lag + 1, 0):
            best_lag = lag
            break
    # Parabolic refinement around the peak.
    a, b, c = scores.get(best_lag - 1, 0), scores[best_lag], scores.get(best_lag + 1, 0)
    shift = 0.0
    if a - 2 * b + c:
        shift = 0.5 * (a - c) / (a - 2 * b + c)
    return SAMPLE_RATE / (best_lag + shift)


def note_of(frequency):
    """The key (0..7) whose pitch is nearest, or -1 when none is within a semitone's half."""
    if frequency <= 0:
        return -1
    best = min(range(8), key=lambda k: abs(math.log2(frequency / NOTE_HZ[k])))
    return best if abs(1200 * math.log2(frequency / NOTE_HZ[best])) < 50 else -1


def heard_notes(samples, after=0):
    """The notes that sound in the capture, in order, from sample position `after`."""
    return [note_of(pitch(samples, i)) for i in onsets(samples) if i >= after]
