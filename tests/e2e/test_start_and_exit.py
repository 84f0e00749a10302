# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Starts the real program on its own Xvfb, lets it run a few seconds (banner, first melody,
a few clicks), then leaves through Game > Exit and checks that it ended cleanly.

In the sanitizer build this is the leak check of the whole program: LeakSanitizer reports at
exit, and the suppressions file names the system libraries whose leaks are not ours.
Run: CANTABELL_BINARY=build-asan/cantabell python3 tests/e2e/test_start_and_exit.py
"""
import subprocess
import time
import unittest

from cantabell_e2e import Session


class StartAndExitTest(unittest.TestCase):
    def test_exit_from_the_menu_ends_cleanly(self):
        with Session(fake_date=None) as s:
            s.sleep_until(3.5)
            for k in (0, 3, 7):
                s.click_key(k)
                time.sleep(0.1)
            # Game > Exit by the keyboard. A menu that did not open in time swallows nothing
            # harmful, so the keys are sent again until the program ends.
            code = None
            for _ in range(5):
                s.key("alt+g")
                time.sleep(0.5)
                s.key("e")
                try:
                    code = s.app.wait(10)
                    break
                except subprocess.TimeoutExpired:
                    s.key("Escape")
            if code is None:
                code = s.app.wait(30)
            log = s.app_log()
        self.assertNotIn("ERROR: AddressSanitizer", log)
        self.assertNotIn("ERROR: LeakSanitizer", log)
        self.assertNotIn("runtime error:", log)
        self.assertEqual(code, 0, log)


if __name__ == "__main__":
    unittest.main()
