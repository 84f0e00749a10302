# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A player at the keyboard, for the end-to-end suites: keys pressed through the X server's test
extension (as a real keyboard sends them, so that a screen reader hears them too) and held
about as long as a person holds them, and the melody answered by ear from the sound capture.
"""
import os
import struct
import time

from .audio import SAMPLE_RATE, heard_notes, onsets

KEY_HOLD = 0.08  # s a person holds a key
KEY_GAP = 0.25  # s between two keys
NOTE_LETTERS = "asdfghjk"


def hold_key(session, combo, hold=KEY_HOLD, gap=KEY_GAP):
    """Presses `combo` ("a", "alt+g", "Escape") on the focused window, holds it, lets go."""
    session.xdotool("keydown", combo)
    time.sleep(hold)
    session.xdotool("keyup", combo)
    time.sleep(gap)


def sample_count(session):
    """Samples captured so far."""
    try:
        return os.path.getsize(session.audio_path) // 2
    except OSError:
        return 0


def samples_from(session, start):
    """The captured samples from position `start` on."""
    try:
        with open(session.audio_path, "rb") as f:
            f.seek(start * 2)
            data = f.read()
    except OSError:
        return []
    count = len(data) // 2
    return list(struct.unpack("<%dh" % count, data[: count * 2]))


def wait_quiet(session, quiet=1.0, timeout=30):
    """Waits until no note has started for `quiet` seconds of wall-clock time (the capture
    may pause while the game's output is closed); True when that came."""
    end = time.monotonic() + timeout
    checked = sample_count(session)
    quiet_since = time.monotonic()
    while time.monotonic() < end:
        time.sleep(0.2)
        count = sample_count(session)
        # Half a second back, so that a note starting across two polls is seen whole.
        if onsets(samples_from(session, max(0, checked - SAMPLE_RATE // 2))):
            quiet_since = time.monotonic()
        checked = count
        if time.monotonic() - quiet_since >= quiet:
            return True
    return False


def hear_melody(session, timeout=20):
    """Asks for the melody again (F2) and returns the notes heard, once they stopped. Waits
    first for a quiet longer than a level banner, so that no melody is about to start."""
    wait_quiet(session, 3.0)
    mark = sample_count(session)
    hold_key(session, "F2")
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        time.sleep(0.3)
        samples = samples_from(session, mark)
        starts = onsets(samples)
        # A note lasts about 0.6 s; the melody is over when none started for 1 s.
        if len(starts) >= 3 and len(samples) - starts[-1] > SAMPLE_RATE:
            return heard_notes(samples)
    return heard_notes(samples_from(session, mark))


def play_notes(session, notes, pause=0.35):
    """Enters the notes with the home-row keys, at a person's pace."""
    for k in notes:
        hold_key(session, NOTE_LETTERS[k], gap=pause)
