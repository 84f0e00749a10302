# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The note keys after every way of using the menus and dialogs by keyboard.

One X server and one game for the whole suite: each case uses the menus or a dialog as a
keyboard player does, then asks for the melody again, listens, and answers it with the note keys;
the judgement must say the answer was right.

Run: CANTABELL_BINARY=build/cantabell python3 tests/e2e/test_keyboard_focus.py -v
"""
import os
import time
import unittest

from cantabell_e2e import GOLD, Session, geometry, near
from cantabell_e2e.player import hear_melody, hold_key, play_notes

# Dialog titles and the centre of each one's button, in dialog coordinates.
BUTTON = {"About": (154, 82), "Settings": (175, 119), "Tutorial": (227, 134)}

# What the player does in each case: key combinations, ("dialog", title) to wait for a dialog,
# ("button", title) to click its button.
CASES = {
    "alt_alone_twice": ["Alt_L", "Alt_L"],
    "alt_g_escape": ["alt+g", "Escape", "Escape"],
    "alt_c_escape": ["alt+c", "Escape", "Escape"],
    "alt_o_escape": ["alt+o", "Escape", "Escape"],
    "alt_h_escape": ["alt+h", "Escape", "Escape"],
    "alt_then_arrows_to_help_and_escape": ["Alt_L", "Left", "Down", "Escape", "Escape", "Escape"],
    "game_new_by_menu": ["alt+g", "n"],
    "hear_again_by_menu": ["alt+c", "h"],
    "new_melody_by_menu": ["alt+c", "n"],
    "delete_notes_by_menu": ["alt+c", "d"],
    "settings_by_menu_escape": ["alt+o", "s", ("dialog", "Settings"), "Escape"],
    "settings_return": ["alt+o", "s", ("dialog", "Settings"), "Return"],
    "settings_button": ["alt+o", "s", ("dialog", "Settings"), ("button", "Settings")],
    "tutorial_by_menu_escape": ["alt+h", "t", ("dialog", "Tutorial"), "Escape"],
    "f1_return": ["F1", ("dialog", "Tutorial"), "Return"],
    "f1_button": ["F1", ("dialog", "Tutorial"), ("button", "Tutorial")],
    "about_by_menu_escape": ["alt+h", "a", ("dialog", "About"), "Escape"],
    "about_return": ["alt+h", "a", ("dialog", "About"), "Return"],
    "about_button": ["alt+h", "a", ("dialog", "About"), ("button", "About")],
    "about_link_by_tab_and_space": ["alt+h", "a", ("dialog", "About"), "Tab", "space", "Escape"],
    "f2": ["F2"],
    "f3": ["F3"],
    "f4": ["F4"],
}


class KeyboardFocusTest(unittest.TestCase):
    session = None

    @classmethod
    def setUpClass(cls):
        # The About box's link opens through xdg-open: a browser that does nothing.
        cls.session = Session(
            extra_env={"BROWSER": "true", "XDG_CURRENT_DESKTOP": "X-Generic"},
            fake_date=None,
        )
        cls.session.__enter__()
        cls.session.xdotool("windowfocus", "--sync", cls.session.window)

    @classmethod
    def tearDownClass(cls):
        if cls.session:
            cls.session.__exit__(None, None, None)

    def do(self, step):
        s = self.session
        if isinstance(step, str):
            hold_key(s, step)
            return
        kind, title = step
        if kind == "dialog":
            s.wait_window("^%s$" % title)
        else:
            dialog = s.wait_window("^%s$" % title)
            s.click_in(dialog, *BUTTON[title])
        if kind == "button":
            self.assertTrue(s.wait_gone("^%s$" % title), title + " stays open")

    def answer_right(self, case):
        s = self.session
        melody = hear_melody(s)
        self.assertGreaterEqual(len(melody), 3, case)
        self.assertNotIn(-1, melody, case)
        play_notes(s, melody, pause=0.3)
        shot = s.screenshot()
        gold = shot.count(s.picture_rect(*geometry.JUDGEMENT), near(GOLD, 12))
        self.assertGreater(gold, 300, "%s: the keys entered no right answer" % case)
        # The judgement goes and the next melody is played before the next case.
        time.sleep(2.5)

    def test_note_keys_after_menus_and_dialogs(self):
        only = os.environ.get("CANTABELL_FOCUS_CASES", "").split()
        for case, steps in CASES.items():
            if only and case not in only:
                continue
            with self.subTest(case=case):
                for step in steps:
                    self.do(step)
                for title in BUTTON:
                    self.assertTrue(self.session.wait_gone("^%s$" % title, 5), title)
                if any(not isinstance(step, str) for step in steps):
                    # What a window manager does when a dialog closes (Xvfb runs none): the
                    # X input focus goes back to the main window.
                    self.session.xdotool("windowfocus", "--sync", self.session.window)
                self.answer_right(case)


if __name__ == "__main__":
    unittest.main()
