# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game in the player's language and on the player's keyboard layout, under Xvfb: German
menus and dialogs, Arabic dialogs and menu bar mirrored over a picture that is not, read over
AT-SPI; and the home-row keys under an AZERTY and a Dvorak layout, heard in the capture.

One private D-Bus session (run this under dbus-run-session) and one AT-SPI bus serve the suite.

Run: CANTABELL_BINARY=build/cantabell dbus-run-session -- python3 tests/e2e/test_languages.py -v
"""
import subprocess
import time
import unittest

from cantabell_e2e import (FAKE_EPOCH, FIRST_MELODY_END, GOLD, Generator, Session, heard_notes,
                           near, wait_for)
from cantabell_e2e.atspi import AtspiSuite, walk

KEYS_ROW = (3, 145, 384, 71)  # picture rectangle of the eight keys


def language(lang, language_list):
    return {"LANG": lang, "LANGUAGE": language_list, "LC_ALL": None, "LC_MESSAGES": None,
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}


class LayoutSession(Session):
    """A session whose X server has the given keyboard layout before the game starts."""

    def __init__(self, layout, variant=None, **kwargs):
        super().__init__(**kwargs)
        self.layout = ["-layout", layout] + (["-variant", variant] if variant else [])

    def start_app(self):
        subprocess.run(["setxkbmap", "-display", self.display] + self.layout, check=True,
                       timeout=20)
        super().start_app()


class LanguagesTest(AtspiSuite):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        global pyatspi
        import pyatspi  # noqa: E402 (talks to the bus started above)

    def nodes(self, session, wanted, timeout=20):
        """Every accessible of the game once `wanted(nodes)` holds for them, else fails."""

        def find():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == "cantabell":
                    nodes = list(walk(app))
                    if wanted(nodes):
                        return nodes
            return None

        found = wait_for(find, timeout, 0.25)
        self.assertIsNotNone(found, "not found on the bus: " + session.app_log())
        return found

    @staticmethod
    def menus(nodes):
        for node in nodes:
            if node.getRole() == pyatspi.ROLE_MENU_BAR and node.childCount >= 4:
                return [node.getChildAtIndex(i) for i in range(node.childCount)]
        return []

    @staticmethod
    def named(nodes, name):
        return [n for n in nodes if n.name == name]

    @staticmethod
    def left(node):
        return node.queryComponent().getExtents(0).x

    def test_german_menus_and_settings_dialog(self):
        with Session(extra_env=language("de_DE.UTF-8", "de")) as s:
            nodes = self.nodes(s, lambda n: len(self.menus(n)) >= 4)
            self.assertEqual([m.name for m in self.menus(nodes)],
                             ["Spiel", "Befehle", "Optionen", "Hilfe"])
            # The German mnemonics open the Settings box: Alt+O, then E.
            s.key("alt+o")
            time.sleep(0.3)
            s.key("e")
            dialog = s.wait_window("^Einstellungen$")
            self.assertIsNotNone(dialog, s.app_log())
            nodes = self.nodes(s, lambda n: self.named(n, "Feste Länge:"))
            self.assertTrue(self.named(nodes, "Länge der Melodie"))
            self.assertTrue(self.named(nodes, "Erhöhen nach"))

    def test_arabic_mirrors_dialogs_and_menu_bar_not_the_picture(self):
        # The picture's keys row as an English game shows it.
        with Session() as s:
            s.sleep_until(1.0)
            english = s.screenshot()
            english_keys = [english.at(*s.picture_rect(x, y, 1, 1)[:2])
                            for y in range(KEYS_ROW[1], KEYS_ROW[1] + KEYS_ROW[3], 3)
                            for x in range(KEYS_ROW[0], KEYS_ROW[0] + KEYS_ROW[2], 3)]
        env = dict(language("ar_EG.UTF-8", "ar"), CANTABELL_SCRIPT="1500:settings")
        with Session(extra_env=env) as s:
            s.sleep_until(1.0)
            shot = s.screenshot()
            keys = [shot.at(*s.picture_rect(x, y, 1, 1)[:2])
                    for y in range(KEYS_ROW[1], KEYS_ROW[1] + KEYS_ROW[3], 3)
                    for x in range(KEYS_ROW[0], KEYS_ROW[0] + KEYS_ROW[2], 3)]
            self.assertEqual(keys, english_keys, "the keys run low to high from the left")

            nodes = self.nodes(s, lambda n: len(self.menus(n)) >= 4)
            menus = self.menus(nodes)
            self.assertEqual([m.name for m in menus], ["اللعبة", "أوامر", "خيارات", "مساعدة"])
            xs = [self.left(m) for m in menus]
            self.assertGreater(xs[0], xs[1], "Game right of Commands")
            self.assertGreater(xs[1], xs[2], "Commands right of Options")
            self.assertLess(xs[3], xs[2], "Help at the left end")

            # xdotool's title search reads only Latin-1 titles: the dialog is found on the bus.
            nodes = self.nodes(s, lambda n: self.named(n, "طول ثابت:"))
            dialog = [n for n in self.named(nodes, "الإعدادات") if n.getRole() == pyatspi.ROLE_DIALOG]
            self.assertEqual(len(dialog), 1)
            box = dialog[0].queryComponent().getExtents(0)
            middle = box.x + box.width // 2
            ok = [n for n in self.named(nodes, "موافق") if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
            self.assertEqual(len(ok), 1)
            extents = ok[0].queryComponent().getExtents(0)
            self.assertLess(extents.x + extents.width // 2, middle, "OK at the left")
            fixed = self.named(nodes, "طول ثابت:")[0].queryComponent().getExtents(0)
            self.assertGreater(fixed.x + fixed.width // 2, middle, "the radio buttons at the right")

    def test_home_row_under_azerty_and_dvorak(self):
        # The home row's letters and the digit row's unshifted symbols (AZERTY's digits need
        # Shift, and Shift only sounds).
        azerty_digits = ["ampersand", "eacute", "quotedbl", "apostrophe", "parenleft", "minus",
                         "egrave", "underscore"]
        dvorak_digits = [str(d) for d in range(1, 9)]
        for layout, variant, row, digits in (("fr", None, "qsdfghjk", azerty_digits),
                                             ("us", "dvorak", "aoeuidht", dvorak_digits)):
            with self.subTest(layout=layout, variant=variant):
                melody = Generator(FAKE_EPOCH).melody()
                env = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
                with LayoutSession(layout, variant, extra_env=env) as s:
                    nodes = self.nodes(s, lambda n: self.named(n, "E'"))
                    keys = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                            and n.name in ("E", "E'")]
                    descriptions = sorted(k.description for k in keys)
                    self.assertEqual(descriptions, ["E3, key %s or 1" % row[0].upper(),
                                                    "E4, key %s or 8" % row[7].upper()])
                    s.sleep_until(FIRST_MELODY_END)
                    # Shift with a home-row key sounds it and enters nothing: the answer
                    # after it is judged right.
                    mark = len(s.samples())
                    s.key("shift+" + row[0])
                    time.sleep(0.5)
                    self.assertEqual(heard_notes(s.samples(), mark)[:1], [0])
                    # The answer by the home row, its last note by its digit.
                    mark = len(s.samples())
                    for i, k in enumerate(melody[:3]):
                        s.key(row[k] if i < 2 else digits[k])
                        time.sleep(0.5)
                    shot = s.screenshot()
                    self.assertEqual(heard_notes(s.samples(), mark)[:3], melody[:3])
                    judgement = s.picture_rect(0, 145, 400, 75)
                    self.assertGreater(shot.count(judgement, near(GOLD, 12)), 300, "judged right")

if __name__ == "__main__":
    unittest.main()
