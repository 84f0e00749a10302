# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where things are in the game's picture. Rectangles are (x, y, width, height) in picture
(back-buffer) pixels unless said otherwise; Session.picture_rect turns them into window
pixels. Client coordinates start at the toolbar's top, so client y = picture y + TOOLBAR_HEIGHT."""

SCREEN = (1024, 768)  # the suites' X screens and headless outputs, in pixels
WINDOW = (400, 305)  # the game window's outer size
VIEW = (390, 226)  # the region of the picture the window shows
TOOLBAR_HEIGHT = 32

STAFF = (5, 10, 382, 128)  # the staff, where the level banner also stands
KEYS = (3, 145, 384, 71)  # the eight keys
JUDGEMENT = (0, 145, 400, 75)  # where the judgement replaces the keys
LENGTH_LABEL = (320, 12, 70, 26)  # "n Notes" at the staff's top right


def key_inside(k):
    """Key k's face without its left and top outline."""
    return (4 + 48 * k, 146, 46, 71)


def key_click_point(k):
    """A point well inside key k, in client coordinates."""
    return (10 + 48 * k + 10, 200)


def smiley_rect(i, k):
    """The inside of the smiley of the i-th entered note when it is key k."""
    return (40 + 40 * i + 2, 94 - 8 * k + 2, 20, 20)
