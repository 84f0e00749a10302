# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the game does on its own: the frozen date the suites start it at, its melody generator
and its opening timeline."""

FAKE_DATE = "2026-01-01 12:00:00"
FAKE_EPOCH = 1767268800  # FAKE_DATE in UTC, whole seconds
FIRST_MELODY_END = 4.9  # s after start: banner 2.5 s, then three notes on the 600 ms ticks
KEY_NAMES = ["E", "F", "G", "A", "B", "C", "D", "E'"]  # the keys' labels, left to right
KEY_MIDI_NOTES = [52, 53, 55, 57, 59, 60, 62, 64]  # MIDI numbers of E3 .. E4


class Generator:
    """The game's melody generator, written again from its definition."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def below(self, n):
        self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
        r = (self.state >> 16) & 0x7FFF
        return min(r // (32767 // n), n - 1)

    def melody(self):
        return [self.below(8) for _ in range(12)]
