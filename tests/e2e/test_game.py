# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The whole program as a player meets it: real X server, real clicks, captured sound.

Run: CANTABELL_BINARY=build/cantabell python3 tests/e2e/test_game.py [-v] [Test.name]
"""
import time
import unittest

from cantabell_e2e import (BANNER_BLUE, BANNER_PINK, FAKE_EPOCH, FIRST_MELODY_END, GOLD, KEY_BLUE,
                           KEY_RED, LIGHT_BLUE, SAMPLE_RATE, Generator, Session, geometry,
                           heard_notes, near, onsets, smileys)


class GameTest(unittest.TestCase):
    def session(self, **kwargs):
        return Session(**kwargs)

    def enter(self, session, notes):
        for k in notes:
            session.click_key(k)
            time.sleep(0.12)

    def test_start_window_banner_and_first_melody(self):
        melody = Generator(FAKE_EPOCH).melody()
        with self.session() as s:
            x, y, w, h = s.geometry()
            self.assertEqual(s.title(), "Cantabell")
            self.assertEqual((x, y), ((geometry.SCREEN[0] - geometry.WINDOW[0]) // 2, (geometry.SCREEN[1] - geometry.WINDOW[1]) // 2))
            self.assertEqual((w, h - s.menu_height), (390, 32 + 226))
            s.sleep_until(1.0)
            shot = s.screenshot()
            staff = s.picture_rect(*geometry.STAFF)
            self.assertGreater(shot.count(staff, near(BANNER_BLUE, 10)), 300)
            self.assertGreater(shot.count(staff, near(BANNER_PINK, 10)), 100)
            keys = s.picture_rect(*geometry.KEYS)
            self.assertGreater(shot.count(keys, near(KEY_BLUE, 6)), 8 * 1500)
            s.sleep_until(FIRST_MELODY_END + 0.6)
            samples = s.samples()
        starts = onsets(samples)
        self.assertEqual(heard_notes(samples)[:3], melody[:3])
        self.assertEqual(len(starts), 3, "exactly three notes before any click")
        for a, b in zip(starts, starts[1:]):
            # 600 ms apart; the disk driver runs a few per cent fast.
            self.assertAlmostEqual((b - a) / SAMPLE_RATE, 0.6, delta=0.08)

    def test_right_answers_then_level_two(self):
        gen = Generator(FAKE_EPOCH)
        melody = gen.melody()
        with self.session() as s:
            s.sleep_until(FIRST_MELODY_END)
            for round_ in range(3):
                self.enter(s, melody[:3])
                shot = s.screenshot()
                entries = list(enumerate(melody[:3]))
                self.assertEqual(smileys(shot, s, entries), ["happy"] * 3)
                judgement = s.picture_rect(*geometry.JUDGEMENT)
                self.assertGreater(shot.count(judgement, near(GOLD, 12)), 300)
                self.assertEqual(shot.count(judgement, near(KEY_BLUE, 4)), 0)
                mark = len(s.samples())
                if round_ < 2:
                    melody = gen.melody()
                    gen.below(3)
                    time.sleep(2.0 + 0.6 * 4 + 0.3)
                    self.assertEqual(heard_notes(s.samples(), mark)[:3], melody[:3])
            gen.below(3)
            time.sleep(2.3)
            shot = s.screenshot()
            self.assertGreater(shot.count(s.picture_rect(*geometry.STAFF), near(BANNER_BLUE, 10)), 300)
            mark = len(s.samples())
            melody = gen.melody()
            time.sleep(2.5 + 0.6 * 5 + 0.3)
            self.assertEqual(heard_notes(s.samples(), mark), melody[:4])

    def test_wrong_answer_shows_worried_smiley_and_replays(self):
        melody = Generator(FAKE_EPOCH).melody()[:3]
        wrong = (melody[0] + 1) % 8
        with self.session() as s:
            s.sleep_until(FIRST_MELODY_END)
            self.enter(s, [wrong] + melody[1:])
            shot = s.screenshot()
            entries = [(0, wrong), (1, melody[1]), (2, melody[2])]
            self.assertEqual(smileys(shot, s, entries), ["worried", "happy", "happy"])
            judgement = s.picture_rect(*geometry.JUDGEMENT)
            self.assertGreater(shot.count(judgement, near(LIGHT_BLUE, 12)), 300)
            self.assertEqual(shot.count(judgement, near(GOLD, 12)), 0)
            mark = len(s.samples())
            time.sleep(2.0 + 0.6 * 4 + 0.3)
            self.assertEqual(heard_notes(s.samples(), mark), melody)

    def test_commands_and_right_click(self):
        gen = Generator(FAKE_EPOCH)
        melody = gen.melody()[:3]
        with self.session() as s:
            s.sleep_until(FIRST_MELODY_END)
            # A right click sounds its key and enters nothing.
            mark = len(s.samples())
            s.click_key(5, button=3)
            time.sleep(0.6)
            self.assertEqual(heard_notes(s.samples(), mark), [5])
            self.assertEqual(smileys(s.screenshot(), s, [(0, 5)]), [None])

            # F2 plays the same melody again.
            mark = len(s.samples())
            s.key("F2")
            time.sleep(0.6 * 4 + 0.3)
            self.assertEqual(heard_notes(s.samples(), mark), melody)

            # F4 empties the staff.
            self.enter(s, melody[:2])
            self.assertEqual(smileys(s.screenshot(), s, [(0, melody[0])]), ["happy"])
            s.key("F4")
            time.sleep(0.2)
            self.assertEqual(smileys(s.screenshot(), s, [(0, melody[0])]), [None])

            # F3 brings the next melody of the generator.
            mark = len(s.samples())
            s.key("F3")
            fresh = gen.melody()[:3]
            time.sleep(0.6 * 4 + 0.3)
            self.assertEqual(heard_notes(s.samples(), mark), fresh)

            # Game > New by the keyboard: the level 1 banner comes back.
            s.key("alt+g")
            time.sleep(0.3)
            s.key("n")
            time.sleep(0.3)
            shot = s.screenshot()
            self.assertGreater(shot.count(s.picture_rect(*geometry.STAFF), near(BANNER_BLUE, 10)), 300)

    def test_held_key_is_red_until_release(self):
        with self.session() as s:
            s.sleep_until(1.0)
            s.press(*geometry.key_click_point(2))
            time.sleep(0.2)
            shot = s.screenshot()
            self.assertGreater(shot.count(s.picture_rect(4 + 96, 146, 48, 71), near(KEY_RED, 6)), 1500)
            s.release()
            time.sleep(0.2)
            shot = s.screenshot()
            self.assertEqual(shot.count(s.picture_rect(*geometry.KEYS), near(KEY_RED, 6)), 0)


    def test_right_answer_by_the_home_row_keys(self):
        melody = Generator(FAKE_EPOCH).melody()
        with self.session() as s:
            # A held key is red until it comes up, like a held mouse button.
            s.sleep_until(1.0)
            s.xdotool("windowfocus", "--sync", s.window)
            s.xdotool("keydown", "--window", s.window, "d")
            time.sleep(0.2)
            shot = s.screenshot()
            self.assertGreater(shot.count(s.picture_rect(4 + 96, 146, 48, 71), near(KEY_RED, 6)), 1500)
            s.xdotool("keyup", "--window", s.window, "d")
            time.sleep(0.2)
            shot = s.screenshot()
            self.assertEqual(shot.count(s.picture_rect(*geometry.KEYS), near(KEY_RED, 6)), 0)

            s.sleep_until(FIRST_MELODY_END)
            s.key("F4")  # clears the note the held key entered
            mark = len(s.samples())
            for k in melody[:3]:
                s.key("asdfghjk"[k])
                time.sleep(0.5)  # each note heard whole
            shot = s.screenshot()
            entries = list(enumerate(melody[:3]))
            self.assertEqual(smileys(shot, s, entries), ["happy"] * 3)
            judgement = s.picture_rect(*geometry.JUDGEMENT)
            self.assertGreater(shot.count(judgement, near(GOLD, 12)), 300)
            self.assertEqual(heard_notes(s.samples(), mark)[:3], melody[:3])

    def test_arrow_keys_reach_help_and_back(self):
        def open_menu_x(s):
            """Left edge (window x) of the open menu, or None."""
            wx = s.geometry()[0]
            found = None
            for wid in s.xdotool("search", "--onlyvisible", "--name", ".*").stdout.split():
                if wid == s.window:
                    continue
                out = s.xdotool("getwindowgeometry", "--shell", wid).stdout
                values = dict(line.split("=", 1) for line in out.split() if "=" in line)
                if int(values["WIDTH"]) < 300:  # not the root
                    found = int(values["X"]) - wx
            return found

        with self.session() as s:
            s.sleep_until(1.0)
            # Alt highlights Game; Right goes along the bar to Options, then opens Help where
            # the mouse opens it.
            s.key("alt")
            s.key("Right")
            s.key("Right")
            time.sleep(0.2)
            self.assertIsNone(open_menu_x(s))
            s.key("Right")
            time.sleep(0.3)
            help_x = open_menu_x(s)
            self.assertIsNotNone(help_x)
            s.key("Escape")
            s.key("Escape")
            s.click(370, -(s.menu_height // 2))  # the mouse on Help, in the menu bar
            time.sleep(0.3)
            self.assertEqual(open_menu_x(s), help_x)
            s.key("Escape")
            s.key("Escape")
            # From Game, Left goes to Help, and on to Options.
            s.key("alt")
            s.key("Left")
            time.sleep(0.3)
            self.assertEqual(open_menu_x(s), help_x)
            s.key("Left")
            time.sleep(0.3)
            options_x = open_menu_x(s)
            self.assertIsNotNone(options_x)
            self.assertLess(options_x, help_x)

    def test_settings_fixed_length_five(self):
        gen = Generator(FAKE_EPOCH)
        gen.melody()
        with self.session() as s:
            s.sleep_until(FIRST_MELODY_END)
            s.key("alt+o")
            time.sleep(0.3)
            s.key("s")
            dialog = s.wait_window("^Settings$")
            # "Fixed length:" at (17, 40) dialog units, its number box at (82, 40).
            s.click_in(dialog, 30, 72)
            s.click_in(dialog, 130, 72)
            s.key_in(dialog, "ctrl+a", "5", "Return")
            self.assertTrue(s.wait_gone("^Settings$"))
            mark = len(s.samples())
            s.key("F3")
            fresh = gen.melody()
            time.sleep(0.6 * 6 + 0.4)
            self.assertEqual(heard_notes(s.samples(), mark), fresh[:5])
            label = s.screenshot().count(s.picture_rect(*geometry.LENGTH_LABEL), near((255, 0, 0), 30))
            self.assertGreater(label, 20)

    def test_about_box_stops_the_game_until_escape(self):
        melody = Generator(FAKE_EPOCH).melody()[:3]
        with self.session() as s:
            s.sleep_until(1.0)
            s.key("alt+h")
            time.sleep(0.3)
            s.key("a")
            dialog = s.wait_window("^About$")
            s.sleep_until(4.0)
            self.assertEqual(onsets(s.samples()), [], "no note while the box is open")
            s.key_in(dialog, "Escape")
            self.assertTrue(s.wait_gone("^About$"))
            closed_at = s.elapsed()
            # The banner's dropped tick comes back a full period later (5.0 s after start).
            time.sleep(max(0.0, 4.6 - closed_at))
            staff = s.picture_rect(*geometry.STAFF)
            self.assertGreater(s.screenshot().count(staff, near(BANNER_BLUE, 10)), 300)
            s.sleep_until(5.0 + 0.6 * 4 + 0.4)
            self.assertEqual(s.screenshot().count(staff, near(BANNER_BLUE, 10)), 0)
            self.assertEqual(heard_notes(s.samples()), melody)


if __name__ == "__main__":
    unittest.main()
