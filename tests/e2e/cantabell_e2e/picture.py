# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Screenshots and what the suites look for in them: the picture's colours and smileys."""
from . import geometry

BANNER_BLUE = (0, 135, 255)
BANNER_PINK = (255, 180, 180)
KEY_BLUE = (0, 109, 196)
KEY_RED = (196, 0, 0)
HAPPY_YELLOW = (255, 255, 0)
GOLD = (255, 215, 0)  # the judgement of a right answer
LIGHT_BLUE = (90, 135, 255)  # the judgement of a wrong answer


class Image:
    """An RGB picture read from a PPM (P6) file."""

    def __init__(self, data):
        parts = data.split(maxsplit=4)
        if parts[0] != b"P6":
            raise ValueError("not a P6 image")
        self.width, self.height, maxval = int(parts[1]), int(parts[2]), int(parts[3])
        if maxval != 255:
            raise ValueError("unexpected depth")
        self.pixels = parts[4][: self.width * self.height * 3]

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i : i + 3])

    def count(self, rect, match):
        """Pixels in rect (x, y, w, h) for which match(rgb) holds."""
        x0, y0, w, h = rect
        found = 0
        for y in range(max(0, y0), min(self.height, y0 + h)):
            row = y * self.width * 3
            for x in range(max(0, x0), min(self.width, x0 + w)):
                i = row + x * 3
                if match(tuple(self.pixels[i : i + 3])):
                    found += 1
        return found


def near(colour, tolerance=24):
    return lambda rgb: all(abs(a - b) <= tolerance for a, b in zip(rgb, colour))


def worried(rgb):
    """The orange of a worried smiley."""
    r, g, b = rgb
    return r > 200 and 60 < g < 200 and b < 110


def bounds(img, match, step=1):
    """(x0, y0, x1, y1) of the pixels for which match holds, or None; every `step`-th pixel
    of every `step`-th row is looked at."""
    xs, ys = [], []
    for y in range(0, img.height, step):
        for x in range(0, img.width, step):
            if match(img.at(x, y)):
                xs.append(x)
                ys.append(y)
    if not xs:
        return None
    return min(xs), min(ys), max(xs), max(ys)


def smileys(shot, session, entries):
    """For each (position, key) of entries: 'happy', 'worried' or None, read at its place on
    the staff."""
    kinds = []
    for i, k in entries:
        rect = session.picture_rect(*geometry.smiley_rect(i, k))
        if shot.count(rect, near(HAPPY_YELLOW, 10)) > 80:
            kinds.append("happy")
        elif shot.count(rect, worried) > 80:
            kinds.append("worried")
        else:
            kinds.append(None)
    return kinds
