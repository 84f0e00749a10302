# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game as a screen reader meets it: its accessibility tree over AT-SPI, read and driven with
pyatspi, while the disk capture says what was heard.

One private D-Bus session (run this under dbus-run-session) and one AT-SPI bus serve the whole
suite; each case starts its own X server and game through a cantabell_e2e session.

Run: CANTABELL_BINARY=build/cantabell dbus-run-session -- python3 tests/e2e/test_accessibility.py -v
"""
import time
import unittest

from cantabell_e2e import (FAKE_EPOCH, FIRST_MELODY_END, KEY_NAMES, Generator, Session,
                           heard_notes, wait_for)
from cantabell_e2e.atspi import AtspiSuite, walk

JUDGEMENT_RIGHT = ["That's it!", "That's right!", "Well done!"]  # by feedback kind

class AccessibilityTest(AtspiSuite):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        global pyatspi
        import pyatspi  # noqa: E402 (talks to the bus started above)

    def session(self):
        return Session(extra_env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})

    def picture(self, session):
        """The eight keys, the staff and the judgement, once the game is on the bus."""

        def find():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is None or app.name != "cantabell":
                    continue
                keys, texts = {}, []
                for node in walk(app):
                    role = node.getRole()
                    if role == pyatspi.ROLE_MENU_BAR:
                        self.menus = [node.getChildAtIndex(i).name for i in range(node.childCount)]
                    elif role == pyatspi.ROLE_PUSH_BUTTON and node.name in KEY_NAMES:
                        keys[node.name] = node
                    elif role in (pyatspi.ROLE_STATIC, pyatspi.ROLE_LABEL):
                        texts.append(node)
                if len(keys) == 8:
                    return keys, texts
            return None

        found = wait_for(find, 20, 0.25)
        self.assertIsNotNone(found, "no eight keys on the bus: " + session.app_log())
        return found

    @staticmethod
    def text_of(node):
        try:
            return node.queryText().getText(0, -1)
        except Exception:
            return ""

    def judgement_name(self, texts):
        names = [t.name for t in texts if t.name in JUDGEMENT_RIGHT + ["Try again!", "Not quite!"]]
        return names[0] if names else None

    def assert_heard(self, session, mark, notes):
        # The capture runs behind the clock when the machine is busy (SDL's disk driver writes
        # each buffer when its thread gets to run): wait for the last note's samples rather
        # than reading the file at a fixed time.
        # A note whose first samples are in but not yet enough to tell its pitch reads as -1.
        def whole():
            heard = heard_notes(session.samples(), mark)[: len(notes)]
            return heard if len(heard) == len(notes) and -1 not in heard else None

        wait_for(whole, 5, 0.2)
        self.assertEqual(heard_notes(session.samples(), mark)[: len(notes)], notes)

    def test_keys_by_name_answered_by_actions_then_by_keys(self):
        gen = Generator(FAKE_EPOCH)
        melody = gen.melody()
        with self.session() as s:
            keys, texts = self.picture(s)
            self.assertEqual(self.menus, ["Game", "Commands", "Options", "Help"])
            ordered = sorted(keys.values(), key=lambda n: n.queryComponent().getExtents(0).x)
            self.assertEqual([k.name for k in ordered], KEY_NAMES)
            self.assertTrue(keys["E"].description.startswith("E3"))
            self.assertTrue(keys["E'"].description.startswith("E4"))
            action = keys["A"].queryAction()
            self.assertEqual(
                [action.getName(i) for i in range(action.nActions)], ["Press", "Sound"])
            staff = [t for t in texts if self.text_of(t).endswith("Notes.")]
            self.assertEqual(len(staff), 1)
            self.assertEqual(self.text_of(staff[0]), "3 Notes.")
            # Flat review reads the staff by its characters' places on the screen.
            text = staff[0].queryText()
            box = staff[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            _, _, width, height = text.getRangeExtents(0, 1, pyatspi.DESKTOP_COORDS)
            x, _, all_width, _ = text.getRangeExtents(0, text.characterCount, pyatspi.DESKTOP_COORDS)
            self.assertGreater(width * height, 0)
            self.assertTrue(box.x <= x and x + all_width <= box.x + box.width, (x, all_width, box))

            # Heard, then answered by the keys' Press actions alone.
            s.sleep_until(FIRST_MELODY_END)
            mark = len(s.samples())
            for k in melody[:3]:
                keys[KEY_NAMES[k]].queryAction().doAction(0)
                time.sleep(0.5)
            self.assert_heard(s, mark, melody[:3])
            self.assertEqual(self.judgement_name(texts), JUDGEMENT_RIGHT[0])
            self.assertTrue(
                self.text_of(staff[0]).startswith("3 Notes. 1: %s, right." % KEY_NAMES[melody[0]]))
            visible = keys["E"].getState().contains(pyatspi.STATE_VISIBLE)
            self.assertFalse(visible, "the keys are hidden behind the judgement")

            # The next melody, answered with the computer keys.
            melody = gen.melody()
            feedback = gen.below(3)
            time.sleep(2.0 + 0.6 * 4 + 0.3)
            self.assertIsNone(self.judgement_name(texts))
            mark = len(s.samples())
            for k in melody[:3]:
                s.key("asdfghjk"[k])
                time.sleep(0.5)
            self.assert_heard(s, mark, melody[:3])
            self.assertEqual(self.judgement_name(texts), JUDGEMENT_RIGHT[feedback])


if __name__ == "__main__":
    unittest.main()
