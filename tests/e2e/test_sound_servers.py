# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game's sound through the servers desktops run: a private PipeWire (with WirePlumber and
its Pulse layer) and a private PulseAudio, each with a null sink whose monitor is recorded.
Each server is started once for its class of cases; the game runs with no SDL_AUDIODRIVER.

Run: CANTABELL_BINARY=build/cantabell python3 tests/e2e/test_sound_servers.py [-v]
"""
import json
import math
import os
import struct
import subprocess
import sys
import time
import unittest
import wave

from cantabell_e2e import (FAKE_EPOCH, FIRST_MELODY_END, Generator, Session, geometry,
                           heard_notes, onsets, sound_servers, wait_for)
from cantabell_e2e.processes import stop_process

RATE = sound_servers.RATE
NOTE_SAMPLES = 8800  # a note image lasts about 0.4 s
RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "wave")


def note_image(name):
    """The samples of a note image (16-bit mono WAVE)."""
    with wave.open(os.path.join(RES, name + ".wav")) as w:
        data = w.readframes(w.getnframes())
    return struct.unpack("<%dh" % (len(data) // 2), data)


def differences(samples, order):
    """The first (sample-to-sample jump) or second (jump in slope) differences, by magnitude."""
    if order == 1:
        return [abs(b - a) for a, b in zip(samples, samples[1:])]
    return [abs(c - 2 * b + a) for a, b, c in zip(samples, samples[1:], samples[2:])]


def steep_spans(samples, order, limit):
    """(first sample, length) of each stretch where the difference of `order` exceeds `limit`,
    stretches less than 100 samples apart taken as one: where the sound steps."""
    spans = []
    for i, d in enumerate(differences(samples, order)):
        if d <= limit:
            continue
        if spans and i - (spans[-1][0] + spans[-1][1]) < 100:
            spans[-1] = (spans[-1][0], i + order + 1 - spans[-1][0])
        else:
            spans.append((i, order + 1))
    return spans


def zero_runs(samples, start, end, shortest):
    """(first sample, length) of each run of at least `shortest` exact zeros in
    samples[start:end]: where the output left a gap."""
    end = min(end, len(samples))
    runs, run = [], 0
    for i in range(start, end + 1):
        if i < end and samples[i] == 0:
            run += 1
            continue
        if run >= shortest:
            runs.append((i - run, run))
        run = 0
    return runs


def longest_silence(samples, start, end):
    """The longest run of exact zeros in samples[start:end]."""
    return max((n for _, n in zero_runs(samples, start, end, 1)), default=0)


def first_loud_end(samples, threshold=200):
    """The index just after the last sample at or above `threshold` in magnitude."""
    for i in range(len(samples) - 1, -1, -1):
        if abs(samples[i]) >= threshold:
            return i + 1
    return 0


HIGHEST_NOTE = note_image("E1")
KEY_A_LEAD = sound_servers.note_lead(os.path.join(RES, "A.wav"))
TONE_HZ = 440
TONE_LEVEL = 8000


class ServerCases:
    """The cases, run against the server of the class that mixes this in."""

    server_class = None

    @classmethod
    def setUpClass(cls):
        cls.server = cls.server_class()
        cls.server.__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.server.__exit__(None, None, None)

    def setUp(self):
        if not self.server.pids():  # a case that restarted the servers left them up; or not
            self.server.start()
        self.server.settle()
        self.recorder = sound_servers.Recorder(self.server)
        self.probe = sound_servers.StallProbe()

    def tearDown(self):
        self.probe.stop()
        self.recorder.stop()

    def own_holes(self, recorder, holes, what):
        """The holes (or steps: (first sample, length) in `recorder`'s samples) the game made:
        those no real-time stall of the machine explains. The others are reported, not held
        against the game."""
        own = self.probe.own_holes(recorder, holes)
        if len(own) < len(holes):
            print("\n%s: %s: holes in a real-time stall of the machine: %s" % (
                self.server.name, what, [h for h in holes if h not in own]), file=sys.stderr)
        return own

    def session(self, **kwargs):
        return Session(extra_env=self.server.game_env(), **kwargs)

    def key_on_screen(self, s, k):
        gx, gy, _, _ = s.geometry()
        wx, wy = s.client_to_window(*geometry.key_click_point(k))
        return gx + wx, gy + wy

    def sound_after(self, s, clicker, timeout):
        """Right-clicks key A every 300 ms until its note is recorded; seconds it took."""
        begin = time.monotonic()
        x, y = self.key_on_screen(s, 3)
        while time.monotonic() - begin < timeout:
            mark = self.recorder.position_at(time.monotonic())
            clicker.click(x, y, 3)
            time.sleep(0.3)
            if sound_servers.first_loud(self.recorder.samples(), mark, 3000) >= 0:
                return time.monotonic() - begin
        return None

    def test_melody_is_heard_in_tune_and_on_time(self):
        starts, samples, log, realtime = self.record_first_melody()
        self.assertEqual(heard_notes(samples)[:3], Generator(FAKE_EPOCH).melody()[:3], log)
        self.assertEqual(len(starts), 3, "exactly three notes before any click")
        for a, b in zip(starts, starts[1:]):
            self.assertAlmostEqual((b - a) / RATE, 0.6, delta=0.03)
        self.assertNotIn("ALSA", log)
        if sound_servers.realtime_allowed():
            self.assertEqual(len(realtime), 1, "one audio thread runs real-time: %s" % realtime)

    def test_melody_has_no_gaps(self):
        starts, samples, _, realtime = self.record_first_melody()
        self.needs_realtime(realtime)
        gaps = [longest_silence(samples, a, a + NOTE_SAMPLES - 600) for a in starts]
        print("\n%s: longest gap in each note (samples): %s" % (self.server.name, gaps),
              file=sys.stderr)
        # Inside a note the waveform never rests at zero for 1 ms: that would be an underrun.
        holes = [h for a in starts for h in zero_runs(samples, a, a + NOTE_SAMPLES - 600, 22)]
        self.assertEqual(self.own_holes(self.recorder, holes, "melody"), [])

    def record_first_melody(self):
        """The onsets and samples of the first melody as recorded, the game's log, and the
        names of its real-time threads."""
        with self.session() as s:
            s.sleep_until(FIRST_MELODY_END + 0.6)
            samples = self.recorder.samples()
            log = s.app_log()
            realtime = sound_servers.realtime_threads(s.app.pid)
        return onsets(samples), samples, log, realtime

    def needs_realtime(self, realtime):
        # Gaps and steps only say something about the game where its audio thread runs ahead of
        # the machine's ordinary work, as the servers' threads do: without real-time scheduling
        # (a container or VM that withholds it) a busy moment delays it past a deadline.
        if not realtime:
            self.skipTest("the game's audio thread got no real-time scheduling here")

    def test_quick_clicks_have_no_step_at_the_cuts(self):
        with self.session(fake_date=None) as s:
            s.sleep_until(FIRST_MELODY_END + 0.6)
            self.needs_realtime(sound_servers.realtime_threads(s.app.pid))
            clicker = sound_servers.Clicker(s.display)
            first = self.recorder.position_at(time.monotonic())
            for k in (6, 2, 7, 5, 0, 7, 3, 6, 1, 7):
                x, y = self.key_on_screen(s, k)
                clicker.click(x, y, 3)
                time.sleep(0.09)  # each note is cut about 90 ms into it
            clicker.close()
            time.sleep(0.8)
            samples = self.recorder.samples()
        # Every cut and every natural end lies in the recording from the first click on. None
        # may be steeper than the steepest note image itself, the highest key's (the run ends
        # on it, heard whole), at the level the servers played it (every image peaks alike).
        # The servers' resamplers spread a step over a few samples, which leaves its jump
        # near a steep note's: the jump in slope (the second difference) shows it plainly,
        # three to five times the note's for a note stopped dead. The margins cover the
        # resampling of sound that has no step.
        run = samples[first:]
        peak = max(map(abs, run), default=0)
        self.assertGreater(peak, 20000, "the notes were not recorded")
        self.assertLess(peak, 32767, "the recording clipped")
        level = peak / max(map(abs, HIGHEST_NOTE))
        holes = zero_runs(run, sound_servers.first_loud(run, 0), first_loud_end(run), 22)
        gap = max((n for _, n in holes), default=0)
        self.assertEqual(self.own_holes(self.recorder, [(first + at, n) for at, n in holes],
                                        "quick clicks"), [])
        for order, margin in ((1, 1.1), (2, 1.25)):
            allowed = margin * max(differences(HIGHEST_NOTE, order)) * level
            steps = [(first + at, n) for at, n in steep_spans(run, order, allowed)]
            self.assertEqual(self.own_holes(self.recorder, steps, "steps"), [],
                             "difference of order %d above %d; longest gap %d samples"
                             % (order, allowed, gap))

    def test_sound_returns_after_the_server_is_killed_and_started_again(self):
        with self.session(fake_date=None) as s:
            s.sleep_until(FIRST_MELODY_END + 0.3)
            clicker = sound_servers.Clicker(s.display)
            self.assertIsNotNone(self.sound_after(s, clicker, 3), "no sound at first")
            self.recorder.stop()
            self.server.kill_servers()
            time.sleep(1.0)
            self.assertIsNone(s.app.poll(), "the game ended with its server")
            self.server.start()
            self.recorder = sound_servers.Recorder(self.server)
            took = self.sound_after(s, clicker, 10)
            clicker.close()
            self.assertIsNotNone(took, "no sound after the restart: " + s.app_log())
            print("\n%s: sound back %.2f s after the restart" % (self.server.name, took),
                  file=sys.stderr)
            self.assertIsNone(s.app.poll())

    def test_game_started_before_its_server_gets_sound_once_it_is_up(self):
        self.recorder.stop()
        self.server.stop_servers()
        with self.session(fake_date=None) as s:
            s.sleep_until(FIRST_MELODY_END + 0.3)  # the first melody goes unheard
            self.server.start()
            self.recorder = sound_servers.Recorder(self.server)
            clicker = sound_servers.Clicker(s.display)
            took = self.sound_after(s, clicker, 10)
            clicker.close()
            log = s.app_log()
        if took is not None:
            print("\n%s: sound %.2f s after the server came up" % (self.server.name, took),
                  file=sys.stderr)
        self.assertIsNotNone(took, "no sound once the server was up: " + log)
        sound_lines = [line for line in log.splitlines() if "sound" in line or "ALSA" in line]
        self.assertLessEqual(len(sound_lines), 1, log)
        self.assertNotIn("ALSA", log)

    def test_stream_is_labelled_and_the_sink_suspends_in_silence(self):
        with self.session(fake_date=None) as s:
            s.sleep_until(FIRST_MELODY_END - 1.0)  # the melody's stream is open
            streams = self.server.streams()
            self.recorder.stop()  # a recorded monitor would keep the sink running
            state = lambda: self.server.run("pactl", "list", "short", "sinks").stdout  # noqa: E731
            suspended = wait_for(lambda: "SUSPENDED" in state(), 25, 0.5)
            self.assertIsNone(s.app.poll())
        self.check_labels(streams)
        self.assertTrue(suspended, state())


class PipeWireTest(ServerCases, unittest.TestCase):
    server_class = sound_servers.PipeWire

    def check_labels(self, dump):
        props = [o.get("info", {}).get("props", {}) for o in sound_servers.pw_objects(dump)
                 if o.get("type") == "PipeWire:Interface:Node"]
        ours = [p for p in props if p.get("application.name") == "Cantabell"
                and p.get("media.class") == "Stream/Output/Audio"]
        self.assertEqual(len(ours), 1, json.dumps(ours, indent=1))
        self.assertEqual(ours[0].get("application.icon-name"), "io.github.cantabell.Cantabell")
        self.assertEqual(ours[0].get("media.role"), "Game")


    def test_first_click_after_silence_sounds_within_15_ms(self):
        # The output rests after 4 s of silence: the next note must not wait for it to open. The
        # recorder keeps the graph's period as small as the game's, as where nothing else plays
        # (another program holding a larger period makes the wake wait for one of its cycles).
        self.recorder.stop()
        self.recorder = sound_servers.Recorder(self.server, latency_ms=5)
        with self.session(fake_date=None) as s:
            s.sleep_until(FIRST_MELODY_END + 5.0)
            clicker = sound_servers.Clicker(s.display)
            pressed = clicker.click(*self.key_on_screen(s, 3), 3)
            time.sleep(0.8)
            clicker.close()
            took = sound_servers.click_to_sound(self.recorder, pressed, KEY_A_LEAD)
        print("\n%s: first click after 5 s of silence sounded after %s ms" % (self.server.name, took),
              file=sys.stderr)
        self.assertIsNotNone(took, "the click was not heard")
        # As with holes: a real-time stall of the machine holds the server's graph back,
        # whatever the game does.
        if took > 15.0 and self.probe.explains(pressed, pressed + took / 1000.0):
            print("%s: late in a real-time stall of the machine" % self.server.name,
                  file=sys.stderr)
        else:
            self.assertLessEqual(took, 15.0)

    def test_another_programs_tone_has_no_hole_or_step(self):
        # Another program plays a steady tone on a second sink of the same server while the game
        # starts, plays, answers clicks, rests, wakes and ends: its sound must not notice.
        self.assertTrue(sound_servers.add_sink(self.server, "t_tone"), "no second sink")
        tone_file = os.path.join(self.server.tmp, "tone.wav")
        sound_servers.write_tone(tone_file, TONE_HZ, 30, TONE_LEVEL)
        tone = sound_servers.Recorder(self.server, "t_tone", 48000)
        # pw-play fills its buffers on its main thread: an ordinary thread there loses cycles
        # to any busy process, as a desktop player filling on its real-time thread does not.
        rt = ["chrt", "-r", "1"] if sound_servers.realtime_allowed() else []
        player = subprocess.Popen(rt + ["pw-play", "--target", "t_tone", tone_file],
                                  env=self.server.env, stderr=subprocess.DEVNULL)
        try:
            time.sleep(1.0)
            began = time.monotonic()
            with self.session(fake_date=None) as s:
                s.sleep_until(FIRST_MELODY_END + 0.6)
                clicker = sound_servers.Clicker(s.display)
                for k in (2, 5, 7, 0):
                    clicker.click(*self.key_on_screen(s, k), 3)
                    time.sleep(0.3)
                time.sleep(5.5)  # the game's output rests
                clicker.click(*self.key_on_screen(s, 4), 3)
                time.sleep(1.0)
                clicker.close()
            ended = time.monotonic()
            time.sleep(1.0)
            samples = tone.samples()
        finally:
            stop_process(player)
            tone.stop()
        start = sound_servers.first_loud(samples, 0) + 4800
        end = first_loud_end(samples) - 4800
        self.assertGreater(end - start, 48000 * 8, "the tone was not recorded throughout")
        steady = samples[start:end]
        level = max(map(abs, steady))
        # A sine's largest step between samples is its level times 2 pi f / rate; exact zeros
        # come one at a time at most, where it crosses zero.
        allowed = 1.1 * level * 2 * math.pi * TONE_HZ / 48000
        holes = zero_runs(steady, 0, len(steady), 3)
        where = "holes (sample, length) %s at %s s after the game started (it ran %.3f s)" % (
            holes, ["%.3f" % (tone.time_of(start + at) - began) for at, _ in holes],
            ended - began)
        self.assertEqual(self.own_holes(tone, [(start + at, n) for at, n in holes], "tone"), [],
                         where)
        steps = [(start + at, n) for at, n in steep_spans(steady, 1, allowed)]
        self.assertEqual(self.own_holes(tone, steps, "tone steps"), [], where)


class PulseAudioTest(ServerCases, unittest.TestCase):
    server_class = sound_servers.PulseAudio

    def check_labels(self, text):
        self.assertIn('application.name = "Cantabell"', text)
        self.assertIn('application.icon_name = "io.github.cantabell.Cantabell"', text)
        self.assertIn('media.role = "game"', text)

    def test_stream_buffers_8_ms_in_the_server(self):
        # SDL would ask for one callback's worth (5.3 ms), too little for the server's main
        # thread behind busy processes. The sink runs at a quarter of the stream's latency.
        with self.session(fake_date=None) as s:
            s.sleep_until(FIRST_MELODY_END - 1.0)  # the melody's stream is open
            sinks = self.server.run("pactl", "list", "sinks").stdout
        self.assertRegex(sinks, r"Latency: \d+ usec, configured 2000 usec", sinks)


if __name__ == "__main__":
    unittest.main()
