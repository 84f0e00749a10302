# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program natively on Wayland: a headless weston of its own, the game on it with the
wayland platform plugin, a frozen clock and SDL's disk audio driver.

The headless compositor takes no input, so the game is driven by its own CANTABELL_SCRIPT
(the game's commands at set times); weston runs with --debug so that weston-screenshooter can
take pictures of its output. One weston for the whole suite, started and stopped by process id.
Run: CANTABELL_BINARY=build/cantabell python3 tests/e2e/test_wayland.py
"""
import os
import shutil
import subprocess
import tempfile
import time
import unittest

from cantabell_e2e import (FAKE_DATE, FAKE_EPOCH, KEY_BLUE, SAMPLE_RATE, Generator, Weston, binary,
                           bounds, heard_notes, near, onsets, read_samples, stop_wrapped)

# About opens at 5 s, "Hear again" is asked for behind it at 6.5 s, About closes at 8 s.
SCRIPT = "5000:about 6500:hear-again 8000:close-dialog 12000:exit"
SHOTS = {"before": 4.0, "during": 7.0, "after": 10.0}  # seconds after the game started


class WaylandSessionTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="cantabell-wayland-")
        cls.weston = Weston(cls.tmp)

    @classmethod
    def tearDownClass(cls):
        cls.weston.stop()
        if not os.environ.get("CANTABELL_E2E_KEEP"):
            shutil.rmtree(cls.tmp, ignore_errors=True)

    def start_game(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
        env.update(self.weston.env())
        self.audio = os.path.join(self.tmp, "audio.raw")
        env.update({"QT_QPA_PLATFORM": "wayland", "SDL_AUDIODRIVER": "disk",
                    "SDL_DISKAUDIOFILE": self.audio, "DONT_FAKE_MONOTONIC": "1",
                    "CANTABELL_SCRIPT": SCRIPT, "WAYLAND_DEBUG": "client"})
        self.log_path = os.path.join(self.tmp, "app.log")
        with open(self.log_path, "wb") as log:
            proc = subprocess.Popen(["faketime", "-f", FAKE_DATE, os.path.abspath(binary())],
                                    env=env, stdout=log, stderr=subprocess.STDOUT)
        return proc, time.monotonic()

    def app_log(self):
        with open(self.log_path, "rb") as f:
            return f.read().decode(errors="replace")

    def test_plays_opens_and_closes_a_dialog_and_exits(self):
        proc, started = self.start_game()
        shots = {}
        try:
            for name, at in SHOTS.items():
                time.sleep(max(0.0, started + at - time.monotonic()))
                self.assertIsNone(proc.poll(), "the game ended early: " + self.app_log())
                shots[name] = self.weston.screenshot(os.path.join(self.tmp, name))
            code = proc.wait(30)
        finally:
            stop_wrapped(proc)
        log = self.app_log()
        self.assertEqual(code, 0, log)
        self.assertNotIn("cantabell: ", log)

        # The game window is up, its keyboard all there before and after the dialog.
        keys = bounds(shots["before"], near(KEY_BLUE, 8), step=2)
        self.assertIsNotNone(keys, "no game window on the output")
        x0, y0, x1, y1 = keys
        self.assertGreater(x1 - x0, 300)
        rect = (x0, y0, x1 - x0 + 1, y1 - y0 + 1)
        blue_before = shots["before"].count(rect, near(KEY_BLUE, 8))
        self.assertEqual(shots["after"].count(rect, near(KEY_BLUE, 8)), blue_before)
        # The About box was on the output while it was open (below weston's panel and its
        # clock), and gone afterwards. Weston puts it where it likes; what the game controls
        # is that the box is a child of the game window, which the protocol log shows.
        during, after = shots["during"], shots["after"]
        changed = sum(during.at(x, y) != after.at(x, y)
                      for y in range(40, after.height, 2) for x in range(0, after.width, 2))
        self.assertGreater(changed, 2000, "no dialog on the output")
        self.assertRegex(log, r"xdg_toplevel@\d+\.set_parent\(xdg_toplevel@\d+\)")

        # The first melody, then the same again: asked for while About stood the game still,
        # it sounded only after the box had closed.
        samples = read_samples(self.audio)
        melody = Generator(FAKE_EPOCH).melody()[:3]
        self.assertEqual(heard_notes(samples), melody + melody)
        starts = onsets(samples)
        gap = (starts[3] - starts[0]) / SAMPLE_RATE
        self.assertGreater(gap, 4.8, "the replay was not held back by the About box")


if __name__ == "__main__":
    unittest.main()
