# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Without a display, or when the display goes away, the program says so in one line on stderr
and ends with status 1: no abort, no core, nothing else printed.
Run: CANTABELL_BINARY=build/cantabell python3 tests/e2e/test_no_display.py
"""
import os
import signal
import subprocess
import tempfile
import time
import unittest

from cantabell_e2e import Session, Weston, binary

DISPLAY_VARIABLES = ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM",
                     "XDG_SESSION_TYPE")


class NoDisplayTest(unittest.TestCase):
    def setUp(self):
        self.runtime = tempfile.TemporaryDirectory(prefix="cantabell-nodisplay-")
        os.chmod(self.runtime.name, 0o700)

    def tearDown(self):
        self.runtime.cleanup()

    def run_game(self, **variables):
        env = {k: v for k, v in os.environ.items() if k not in DISPLAY_VARIABLES}
        env.update({"XDG_RUNTIME_DIR": self.runtime.name, "SDL_AUDIODRIVER": "dummy"})
        env.update(variables)
        # The working folder is the private one: a core file would land there.
        return subprocess.run([os.path.abspath(binary())], env=env, cwd=self.runtime.name,
                              capture_output=True, text=True, timeout=30)

    def assert_one_line(self, result, expected):
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertEqual(result.stderr, expected + "\n")
        self.assertEqual(result.stdout, "")
        self.assertEqual([f for f in os.listdir(self.runtime.name) if "core" in f], [])

    def test_missing_or_unreachable_display_is_one_line_and_status_1(self):
        cases = [
            ({}, '(X11, DISPLAY is not set)'),
            ({"DISPLAY": ":9876"}, '":9876" (X11)'),
            ({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "no-such-socket"},
             '"no-such-socket" (Wayland)'),
            ({"XDG_SESSION_TYPE": "wayland"}, '"wayland-0" (Wayland)'),
            ({"QT_QPA_PLATFORM": "wayland;xcb", "WAYLAND_DISPLAY": "none", "DISPLAY": ":9876"},
             '"none" (Wayland) or ":9876" (X11)'),
        ]
        for variables, display in cases:
            with self.subTest(**variables):
                self.assert_one_line(self.run_game(**variables),
                                     "cantabell: cannot open the display " + display)

    def test_unknown_platform_names_the_missing_plugin(self):
        self.assert_one_line(
            self.run_game(QT_QPA_PLATFORM="no-such-platform"),
            'cantabell: cannot open the display (platform "no-such-platform"): '
            "its Qt platform plugin is not installed")

    def test_display_that_goes_away_ends_with_status_1(self):
        with Session(fake_date=None) as s:
            time.sleep(1.0)
            s.xvfb.send_signal(signal.SIGKILL)
            s.xvfb.wait(10)
            code = s.app.wait(20)
            log = s.app_log()
        self.assertEqual(code, 1, log)
        self.assertIn('cantabell: lost the display "%s" (X11)\n' % s.display, log)
        self.assertNotIn("Did the X11 server die", log)

    def test_wayland_display_that_goes_away_ends_with_status_1(self):
        weston = Weston(self.runtime.name)
        try:
            env = {k: v for k, v in os.environ.items() if k not in DISPLAY_VARIABLES}
            env.update(weston.env())
            env.update({"QT_QPA_PLATFORM": "wayland", "SDL_AUDIODRIVER": "dummy"})
            game = subprocess.Popen([os.path.abspath(binary())], env=env, cwd=self.runtime.name,
                                    stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
            time.sleep(2.0)
            weston.proc.send_signal(signal.SIGKILL)
            weston.proc.wait(10)
            try:
                out, err = game.communicate(timeout=20)
            except subprocess.TimeoutExpired:
                game.kill()
                game.communicate()
                raise
        finally:
            weston.stop()
        self.assertEqual(game.returncode, 1, err)
        self.assertEqual(err, 'cantabell: lost the display "%s" (Wayland)\n' % weston.socket)
        self.assertEqual(out, "")


if __name__ == "__main__":
    unittest.main()
