# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The end-to-end toolkit: the real cantabell program, started, driven, watched and heard.

Every suite under tests/e2e (test_*.py, one unittest module each) and the bench scripts import
this package; tests/e2e is on the module path because the suites live there (Python puts a
script's own folder first), and bench/run-all sets PYTHONPATH for the bench scripts.

Modules, and what most suites use from them (all of it also importable from the package):

- processes  binary() (the program under test, $CANTABELL_BINARY), stop_process(proc) (SIGTERM,
             then SIGKILL, by process id), stop_wrapped(proc) (a wrapper such as faketime, through
             its children), wait_for(predicate, timeout), cpu_seconds(pid).
- sessions   Session: one Xvfb and one game (faketime at game.FAKE_DATE, SDL's disk driver),
             a context manager; click_key(k), click(x, y) and press(x, y) in client
             coordinates, key(...), screenshot(), picture_rect(*rect), samples(),
             sleep_until(s), app_log(), wait_window(title). Weston: a headless weston.
- game       FAKE_DATE, FAKE_EPOCH, Generator(seed).melody() (the game's melodies),
             FIRST_MELODY_END, KEY_NAMES, KEY_MIDI_NOTES.
- geometry   the picture's places in picture pixels: STAFF, KEYS, JUDGEMENT, LENGTH_LABEL,
             key_inside(k), key_click_point(k), smiley_rect(i, k); SCREEN, VIEW, TOOLBAR_HEIGHT.
- picture    Image (PPM), near(colour, tolerance), the picture's colours (KEY_BLUE, GOLD, ...),
             worried(rgb), smileys(shot, session, entries), bounds(img, match).
- audio      SAMPLE_RATE, NOTE_HZ, onsets(samples), pitch(samples, start), note_of(hz),
             heard_notes(samples, after), read_samples(path).
- midi       JackServer (jackd, dummy back-end, private name), Sender ($MIDI_SEND's port).
- atspi      AtspiSuite (a TestCase base that starts one AT-SPI bus for the suite), walk(node),
             BUS_LAUNCHER (import it as a module: `from cantabell_e2e.atspi import ...`).
- sound_servers  a private PipeWire or PulseAudio with a recorded null sink (import it as a
             module: `from cantabell_e2e import sound_servers`).

A new suite: tests/e2e/test_<name>.py with unittest cases, registered in
tests/e2e/CMakeLists.txt with cantabell_add_e2e_suite(<name> ...); servers a suite needs are
started once in setUpClass and stopped by process id in tearDownClass.
Set CANTABELL_E2E_KEEP=1 to keep each session's folder (screenshots, captured sound, log).
"""
from . import audio, game, geometry, midi, picture, processes, sessions
from .audio import NOTE_HZ, SAMPLE_RATE, heard_notes, note_of, onsets, pitch, read_samples
from .game import (FAKE_DATE, FAKE_EPOCH, FIRST_MELODY_END, KEY_MIDI_NOTES, KEY_NAMES,
                   Generator)
from .midi import JackServer, Sender
from .picture import (BANNER_BLUE, BANNER_PINK, GOLD, HAPPY_YELLOW, KEY_BLUE, KEY_RED, LIGHT_BLUE,
                      Image, bounds, near, smileys, worried)
from .processes import binary, cpu_seconds, cpu_seconds_of, stop_process, stop_wrapped, wait_for
from .sessions import Session, Weston
from . import player
