# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game heard through the real screen reader (Orca, default settings), played by keyboard
at a person's pace: a wrong answer, then right answers up to the next level.

One X server, one private D-Bus session with the AT-SPI bus, one speech-dispatcher and one Orca
for the suite; what Orca said comes from its debug log.

Run: CANTABELL_BINARY=build/cantabell python3 tests/e2e/test_screen_reader.py -v
"""
import re
import time
import unittest

from cantabell_e2e import KEY_NAMES
from cantabell_e2e.player import hear_melody, hold_key, wait_quiet
from cantabell_e2e.screen_reader import ScreenReaderSession

WRONG = ["Try again!", "Not quite!"]
RIGHT = ["That's it!", "That's right!", "Well done!"]
SAID_WITHIN = 1.0  # s from the key to the speech


class ScreenReaderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = ScreenReaderSession(fake_date=None)
        cls.s.__enter__()
        cls.s.xdotool("windowfocus", "--sync", cls.s.window)

    @classmethod
    def tearDownClass(cls):
        cls.s.__exit__(None, None, None)

    def enter(self, notes):
        """Plays the notes; returns for each the wall-clock time its key went down."""
        times = []
        for k in notes:
            times.append(time.time())
            hold_key(self.s, "asdfghjk"[k], gap=0.4)
        return times

    def assert_said(self, text, since, within=SAID_WITHIN):
        at = self.s.wait_said(text, since, within + 2.0)
        self.assertIsNotNone(at, "Orca never said %r; it said %r" % (text, self.spoken_since(since)))
        self.assertLess(at - since, within, "%r said late" % text)
        return at

    def spoken_since(self, since):
        return [text for at, text in self.s.spoken() if at >= since]

    def all_spoken(self, now):
        return ["%+.2f %s" % (at - now, text) for at, text in self.s.spoken()]

    def assert_no_hint(self, start, end):
        """Nothing told a note between start and end (while the melody was played)."""
        told = [t for at, t in self.s.spoken() if start <= at < end and re.search(r", (right|wrong)", t)]
        self.assertEqual(told, [], "a hint while the melody played")

    def verdict(self, since, verdicts):
        for text in verdicts:
            if self.s.said(text, since):
                return text
        return None

    def test_wrong_then_right_answers_and_a_new_level(self):
        s = self.s
        # The window and the view that holds the focus are presented first.
        self.assertIsNotNone(s.wait_said("Cantabell frame", 0, 20))
        listening = time.time()
        melody = hear_melody(s)
        self.assertEqual(len(melody), 3)

        # A wrong answer: each note as its smiley shows it, then the verdict.
        wrong = (melody[0] + 1) % 8
        times = self.enter([wrong] + melody[1:])
        self.assert_no_hint(listening, times[0])
        self.assert_said("%s, wrong" % KEY_NAMES[wrong], times[0])
        self.assert_said("%s, right" % KEY_NAMES[melody[1]], times[1])
        self.assertIsNotNone(s.wait_said("!", times[2], 3), self.all_spoken(times[2]))
        said_wrong = self.verdict(times[2], WRONG)
        self.assertIsNotNone(said_wrong, self.spoken_since(times[2]))
        self.assert_said(said_wrong, times[2])
        self.assert_said("%s, right" % KEY_NAMES[melody[2]], times[2])
        print("\nWrong answer, Orca said:", self.spoken_since(times[0]))

        # Right answers until the banner tells of the next level.
        level_at = None
        for round_ in range(6):
            listening = time.time()
            melody = hear_melody(s)
            self.assertGreaterEqual(len(melody), 3)
            self.assertNotIn(-1, melody)
            times = self.enter(melody)
            self.assert_no_hint(listening, times[0])
            for k, at in zip(melody[:-1], times):
                self.assert_said("%s, right" % KEY_NAMES[k], at)
            s.wait_said("!", times[-1], 3)
            said_right = self.verdict(times[-1], RIGHT)
            self.assertIsNotNone(said_right, (melody, self.all_spoken(times[-1])))
            self.assert_said(said_right, times[-1])
            if round_ == 0:
                print("Right answer, Orca said:", self.spoken_since(times[0]))
            # The banner comes when the judgement goes (2 s), with the next length.
            level_at = s.wait_said("Level ", times[-1], 4)
            if level_at:
                banner = [t for at, t in s.spoken() if at == level_at][0]
                self.assertRegex(banner, r"^Level \d: %d Notes\.?$" % (len(melody) + 1))
                print("Level change, Orca said:", self.spoken_since(times[-1] + 0.5))
                break
        self.assertIsNotNone(level_at, ["no level banner was spoken"] + self.all_spoken(time.time()))
        wait_quiet(s, 1.0)


if __name__ == "__main__":
    unittest.main()
