# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program answered from a MIDI keyboard, and the real program with no MIDI at all.

MidiKeyboardTest starts one JACK server (dummy back-end, private name) for all its cases and a
sender with a virtual output port (midi_send); the game finds that port by itself. NoMidiTest
runs the game where no JACK server answers (and, on this kind of machine, no ALSA sequencer).
Run: CANTABELL_BINARY=build/cantabell MIDI_SEND=build/tests/midi/midi_send \
     python3 tests/e2e/test_midi.py [-v]
"""
import os
import re
import time
import unittest

from cantabell_e2e import (FAKE_EPOCH, FIRST_MELODY_END, GOLD, KEY_MIDI_NOTES, KEY_RED, Generator,
                           JackServer, Sender, Session, geometry, heard_notes, near, onsets,
                           smileys)

NOTE_GAP = 0.55  # s between answered notes: each 0.4 s note ends before the next, so it is heard
KEY_NOTES = KEY_MIDI_NOTES
# What the game must never print when there is no MIDI system.
MIDI_WORDS = re.compile(r"midi|jack|alsa|seq|cannot connect|server", re.IGNORECASE)


def octave_away(k):
    """A MIDI note of another octave that folds onto key k (E' has no other)."""
    if k == 0:
        return 76
    return KEY_NOTES[k] - 12 if k < 7 else 64


def midi_lines(log):
    return [line for line in log.splitlines() if MIDI_WORDS.search(line)]


def settle(s, ready, timeout=1.5):
    """The first screenshot for which ready(shot) holds, or else the first one begun `timeout` s
    or more after the call: on a loaded machine the window may lag behind the sender by a frame or
    two, and a screenshot itself may take longer than `timeout`, so a shot that merely came back
    late may show the window from before the deadline."""
    end = time.monotonic() + timeout
    while True:
        begun = time.monotonic()
        shot = s.screenshot()
        if ready(shot) or begun >= end:
            return shot
        time.sleep(0.05)


def heard_after(s, mark, count, timeout=4.0):
    """The first `count` notes heard after sample `mark`, waiting for the capture to hold them."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        samples = s.samples()
        starts = onsets(samples[mark:])
        # The pitch of a note is read from its first 2500 samples.
        if len(starts) >= count and len(samples) - mark > starts[count - 1] + 2600:
            break
        time.sleep(0.1)
    return heard_notes(s.samples(), mark)[:count]


def answered_right(s, melody):
    judgement = s.picture_rect(*geometry.JUDGEMENT)
    return lambda shot: (smileys(shot, s, enumerate(melody)) == ["happy"] * len(melody)
                         and shot.count(judgement, near(GOLD, 12)) > 300)


class MidiKeyboardTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.jack = JackServer()
        try:
            cls.sender = Sender(cls.jack.env)
        except BaseException:
            cls.jack.stop()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.sender.stop()
        cls.jack.stop()

    def session(self):
        return Session(extra_env={"JACK_DEFAULT_SERVER": self.jack.name,
                                          "JACK_NO_START_SERVER": "1"})

    def wait_listened(self):
        """The game's port that listens to the sender, once the game has found the sender."""
        end = time.monotonic() + 6
        while time.monotonic() < end:
            peers = self.jack.connections().get(self.sender.port, [])
            ours = [p for p in peers if p.split(":")[-1] == "Cantabell"]
            if ours:
                return ours[0]
            time.sleep(0.2)
        self.fail("the game did not connect to %s: %s" % (self.sender.port, self.jack.connections()))

    def tap(self, note):
        self.sender.send("on %d" % note)
        time.sleep(0.1)
        self.sender.send("off %d" % note)
        time.sleep(NOTE_GAP - 0.1)

    def test_melody_answered_on_the_keyboard(self):
        melody = Generator(FAKE_EPOCH).melody()[:3]
        with self.session() as s:
            self.assertTrue(self.wait_listened().startswith("Cantabell"))
            s.sleep_until(FIRST_MELODY_END + 0.3)
            mark = len(s.samples())
            # First note from the game's own octave, held: its key stays red until note-off.
            # A black key, the sustain pedal and a second press of a key while another is held
            # are part of playing; only the black key and the pedal must change nothing.
            self.sender.send("on %d" % KEY_NOTES[melody[0]])
            time.sleep(0.3)
            self.sender.send("on 61")
            self.sender.send("raw b0 40 7f")
            held = s.picture_rect(*geometry.key_inside(melody[0]))
            shot = settle(s, lambda shot: shot.count(held, near(KEY_RED, 6)) > 1500)
            self.assertGreater(shot.count(held, near(KEY_RED, 6)), 1500)
            self.sender.send("raw b0 40 00")
            self.sender.send("off 61")
            self.sender.send("off %d" % KEY_NOTES[melody[0]])
            keys = s.picture_rect(*geometry.KEYS)
            shot = settle(s, lambda shot: shot.count(keys, near(KEY_RED, 6)) == 0)
            self.assertEqual(shot.count(keys, near(KEY_RED, 6)), 0)
            # The other two from other octaves, the last released by a velocity-0 note-on.
            self.tap(octave_away(melody[1]))
            self.sender.send("on %d" % octave_away(melody[2]))
            time.sleep(0.1)
            self.sender.send("on %d 0" % octave_away(melody[2]))
            shot = settle(s, answered_right(s, melody))
            self.assertEqual(smileys(shot, s, enumerate(melody)), ["happy"] * 3)
            judgement = s.picture_rect(*geometry.JUDGEMENT)
            self.assertGreater(shot.count(judgement, near(GOLD, 12)), 300)
            self.assertEqual(heard_after(s, mark, 3), melody)
            log = s.app_log()
        self.assertEqual(midi_lines(log), [])

    def test_a_thousand_clocks_a_second_change_nothing(self):
        gen = Generator(FAKE_EPOCH)
        melody = gen.melody()[:3]
        with self.session() as s:
            self.wait_listened()
            self.sender.send("clock 1000 14")
            # The first melody plays under the flood, nothing else sounds.
            s.sleep_until(FIRST_MELODY_END + 0.3)
            samples = s.samples()
            self.assertEqual(heard_notes(samples), melody)
            mark = len(samples)
            # Realtime bytes inside a note message and running status, as keyboards send them.
            n0, n1, n2 = (KEY_NOTES[k] for k in melody)
            self.sender.send("raw 90 f8 %x 64" % n0)
            time.sleep(NOTE_GAP)
            self.sender.send("raw %x fe 00 %x f8 50" % (n0, n1))
            time.sleep(0.1)
            self.sender.send("raw %x 00 f8" % n1)
            self.sender.send("raw fe")
            time.sleep(NOTE_GAP - 0.1)
            self.sender.send("on %d" % n2)
            shot = settle(s, answered_right(s, melody))
            self.assertEqual(smileys(shot, s, enumerate(melody)), ["happy"] * 3)
            self.assertGreater(shot.count(s.picture_rect(*geometry.JUDGEMENT), near(GOLD, 12)), 300)
            # The next melody comes, still under the flood; nothing else sounds in between.
            fresh = gen.melody()[:3]
            self.assertEqual(heard_after(s, mark, 6, timeout=8), melody + fresh)


class NoMidiTest(unittest.TestCase):
    def test_plays_normally_and_prints_nothing_without_midi(self):
        melody = Generator(FAKE_EPOCH).melody()[:3]
        # A server name no server runs under: no JACK for the game, as on a machine without it.
        absent = {"JACK_DEFAULT_SERVER": "cantabell-none-%d" % os.getpid(),
                  "JACK_NO_START_SERVER": "1"}
        with Session(extra_env=absent) as s:
            s.sleep_until(FIRST_MELODY_END + 0.3)
            self.assertEqual(heard_notes(s.samples()), melody)
            mark = len(s.samples())
            for k in melody:
                s.click_key(k)
                time.sleep(NOTE_GAP)
            shot = settle(s, answered_right(s, melody))
            self.assertEqual(smileys(shot, s, enumerate(melody)), ["happy"] * 3)
            self.assertGreater(shot.count(s.picture_rect(*geometry.JUDGEMENT), near(GOLD, 12)), 300)
            self.assertEqual(heard_after(s, mark, 3), melody)
            # Two more looks for ports pass while the game keeps running.
            time.sleep(4.5)
            self.assertIsNone(s.app.poll())
            log = s.app_log()
        self.assertEqual(midi_lines(log), [])


if __name__ == "__main__":
    unittest.main()
