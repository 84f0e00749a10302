# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sing mode end to end: the game under Xvfb with --sing, on a private sound server (PipeWire
or PulseAudio, started once for its class of cases) whose default source is a virtual
microphone fed with a sung voice: a right answer sung is judged right, one wrong note is judged
wrong at that note, the game's own melody routed into the microphone enters nothing, and
without --sing nothing records and no pitch library is mapped.

Run: CANTABELL_BINARY=build/cantabell python3 tests/e2e/test_sing.py [-v]
"""
import os
import shutil
import sys
import tempfile
import unittest

from cantabell_e2e import (FAKE_EPOCH, GOLD, HAPPY_YELLOW, KEY_MIDI_NOTES, LIGHT_BLUE, Generator,
                           Session, geometry, near, smileys, sound_servers, wait_for, worried)

# The voice is made by the sung test material's own synthesis.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sing"))
import make_material  # noqa: E402
# The first melody's last note starts 4.3 s after the window (banner 2.5 s, then three notes
# on the 600 ms ticks); the game listens once it has died away, 0.6 s later.
LISTENING_FROM = 5.0


def sung_answer(path, keys, shift=-1):
    """A voice singing keys (an octave below the keyboard, as a man would): 450 ms notes with
    a 150 ms breath between them, 48 kHz mono."""
    notes, t = [], 100
    for k in keys:
        notes.append((t, t + 450, KEY_MIDI_NOTES[k] + 12 * shift))
        t += 600
    make_material.write_wave(path, make_material.synth_notes(notes, t + 200, amp=9000))


class SingCases:
    """The cases, run against the server of the class that mixes this in."""

    server_class = None

    @classmethod
    def setUpClass(cls):
        cls.server = cls.server_class()
        cls.server.__enter__()
        run = cls.server.run
        run("pactl", "load-module", "module-null-sink", "sink_name=micfeed", "rate=48000",
            "channels=1")
        run("pactl", "load-module", "module-remap-source", "master=micfeed.monitor",
            "source_name=vmic")
        if not wait_for(lambda: "vmic" in run("pactl", "list", "short", "sources").stdout, 10):
            raise RuntimeError("no virtual microphone")
        run("pactl", "set-default-source", "vmic")
        cls.server.settle()
        cls.tmp = tempfile.mkdtemp(prefix="cantabell-sing-")

    @classmethod
    def tearDownClass(cls):
        cls.server.__exit__(None, None, None)
        shutil.rmtree(cls.tmp, ignore_errors=True)

    def session(self):
        return Session(extra_env=self.server.game_env(), args=["--sing"])

    def sing(self, s, keys):
        path = os.path.join(self.tmp, "answer-%d.wav" % len(os.listdir(self.tmp)))
        sung_answer(path, keys)
        s.sleep_until(LISTENING_FROM)
        self.server.run("paplay", "-d", "micfeed", path, timeout=20)

    def judgement(self, s, colour):
        """Waits for the judgement in colour (gold: right, light blue: wrong); its screenshot."""
        shots = []

        def shown():
            shots.append(s.screenshot())
            return shots[-1].count(s.picture_rect(*geometry.JUDGEMENT), near(colour, 12)) > 300

        self.assertTrue(wait_for(shown, 4, 0.1), "no judgement; game said: " + s.app_log())
        return shots[-1]

    def test_right_answer_sung_is_judged_right(self):
        melody = Generator(FAKE_EPOCH).melody()[:3]
        with self.session() as s:
            self.sing(s, melody)
            shot = self.judgement(s, GOLD)
            self.assertEqual(smileys(shot, s, list(enumerate(melody))), ["happy"] * 3)
            self.assertNotIn("no microphone", s.app_log())

    def test_one_wrong_note_is_judged_wrong_at_that_note(self):
        melody = Generator(FAKE_EPOCH).melody()[:3]
        sung = [melody[0], (melody[1] + 2) % 8, melody[2]]
        with self.session() as s:
            self.sing(s, sung)
            shot = self.judgement(s, LIGHT_BLUE)
            self.assertEqual(smileys(shot, s, list(enumerate(sung))), ["happy", "worried", "happy"])

    def recording_clients(self):
        """Streams that clients record (the remap source's own, which has none, left out)."""
        lines = self.server.run("pactl", "list", "short", "source-outputs").stdout.splitlines()
        return sum(1 for line in lines if line.split("\t")[2] != "-")

    def test_without_sing_no_microphone_opens_and_no_pitch_library_loads(self):
        # No fixed date: the process is the game itself, not faketime's wrapper.
        with Session(extra_env=self.server.game_env(), fake_date=None) as s:
            s.sleep_until(LISTENING_FROM)
            with open("/proc/%d/maps" % s.app.pid) as f:
                maps = f.read()
            self.assertNotIn("libaubio", maps)
            self.assertNotIn("libavcodec", maps)
            self.assertEqual(self.recording_clients(), 0)
        with Session(extra_env=self.server.game_env(), fake_date=None, args=["--sing"]) as s:
            s.sleep_until(LISTENING_FROM)
            with open("/proc/%d/maps" % s.app.pid) as f:
                self.assertIn("libaubio", f.read())
            self.assertEqual(self.recording_clients(), 1)

    def test_the_games_own_melody_in_the_microphone_enters_nothing(self):
        run = self.server.run
        run("pactl", "set-default-sink", "micfeed")
        try:
            with self.session() as s:
                # The banner, the melody and its echo in the microphone, then quiet listening.
                s.sleep_until(LISTENING_FROM + 2.0)
                shot = s.screenshot()
                staff = s.picture_rect(40, 36, 322, 82)  # where smileys go, inside the staff
                self.assertEqual(shot.count(staff, near(HAPPY_YELLOW, 10)), 0)
                self.assertEqual(shot.count(staff, worried), 0)
                # And the melody did play into the microphone: the check is not vacuous.
                sinks = run("pactl", "list", "short", "sinks").stdout.splitlines()
                micfeed = [line.split()[0] for line in sinks if "\tmicfeed\t" in line]
                streams = run("pactl", "list", "short", "sink-inputs").stdout.splitlines()
                self.assertIn(micfeed[0], [line.split()[1] for line in streams])
        finally:
            run("pactl", "set-default-sink", sound_servers.SINK)


class PulseAudioTest(SingCases, unittest.TestCase):
    server_class = sound_servers.PulseAudio


class PipeWireTest(SingCases, unittest.TestCase):
    server_class = sound_servers.PipeWire


if __name__ == "__main__":
    unittest.main()
