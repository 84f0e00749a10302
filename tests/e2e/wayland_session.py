"""The real program natively on Wayland: a headless weston of its own, the game on it with the
wayland platform plugin, a frozen clock and SDL's disk audio driver.

The headless compositor takes no input, so the game is driven by its own CANTABELL_SCRIPT
(the game's commands at set times); weston runs with --debug so that weston-screenshooter can
take pictures of its output. One weston for the whole suite, started and stopped by process id.
Run: CANTABELL_BINARY=build/cantabell python3 tests/e2e/wayland_session.py
"""
import glob
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (  # noqa: E402
    FAKE_DATE, FAKE_EPOCH, SAMPLE_RATE, Generator, Image, heard_notes, near, onsets, stop_process)

BINARY = os.environ.get("CANTABELL_BINARY", "build/cantabell")
KEY_BLUE = (0, 109, 196)

# About opens at 5 s, "Hear again" is asked for behind it at 6.5 s, About closes at 8 s.
SCRIPT = "5000:about 6500:hear-again 8000:close-dialog 12000:exit"
SHOTS = {"before": 4.0, "during": 7.0, "after": 10.0}  # seconds after the game started


class Weston:
    """A headless weston on a socket of its own, in a private runtime folder."""

    def __init__(self, tmp):
        self.runtime = os.path.join(tmp, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        self.socket = "cantabell-e2e-%d" % os.getpid()
        self.log = open(os.path.join(tmp, "weston.log"), "wb")
        self.proc = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--use-pixman", "--socket=" + self.socket,
             "--width=1024", "--height=768", "--idle-time=0", "--debug"],
            env=dict(os.environ, XDG_RUNTIME_DIR=self.runtime),
            stdout=self.log, stderr=subprocess.STDOUT)
        end = time.monotonic() + 20
        while not os.path.exists(os.path.join(self.runtime, self.socket)):
            if self.proc.poll() is not None or time.monotonic() > end:
                self.stop()
                raise RuntimeError("weston did not start")
            time.sleep(0.05)
        time.sleep(0.5)  # its shell client binds the output

    def env(self):
        return {"XDG_RUNTIME_DIR": self.runtime, "WAYLAND_DISPLAY": self.socket}

    def screenshot(self, folder):
        """The whole output as an Image, through weston-screenshooter."""
        os.makedirs(folder, exist_ok=True)
        for old in glob.glob(os.path.join(folder, "*.png")):
            os.remove(old)
        subprocess.run(["weston-screenshooter"], cwd=folder, env=dict(os.environ, **self.env()),
                       capture_output=True, timeout=20)
        shots = glob.glob(os.path.join(folder, "*.png"))
        if not shots:
            raise AssertionError("weston-screenshooter wrote nothing")
        data = subprocess.run(["/usr/bin/convert", shots[0], "-depth", "8", "ppm:-"],
                              capture_output=True, timeout=20).stdout
        return Image(data)

    def stop(self):
        stop_process(self.proc, 10)
        self.log.close()


def bounds(img, match):
    """(x0, y0, x1, y1) of the pixels for which match holds, or None."""
    xs, ys = [], []
    for y in range(0, img.height, 2):
        for x in range(0, img.width, 2):
            if match(img.at(x, y)):
                xs.append(x)
                ys.append(y)
    return (min(xs), min(ys), max(xs), max(ys)) if xs else None


class WaylandSessionTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="cantabell-wayland-")
        cls.weston = Weston(cls.tmp)

    @classmethod
    def tearDownClass(cls):
        cls.weston.stop()
        if not os.environ.get("CANTABELL_E2E_KEEP"):
            shutil.rmtree(cls.tmp, ignore_errors=True)

    def start_game(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
        env.update(self.weston.env())
        self.audio = os.path.join(self.tmp, "audio.raw")
        env.update({"QT_QPA_PLATFORM": "wayland", "SDL_AUDIODRIVER": "disk",
                    "SDL_DISKAUDIOFILE": self.audio, "DONT_FAKE_MONOTONIC": "1",
                    "CANTABELL_SCRIPT": SCRIPT, "WAYLAND_DEBUG": "client"})
        self.log_path = os.path.join(self.tmp, "app.log")
        with open(self.log_path, "wb") as log:
            proc = subprocess.Popen(["faketime", "-f", FAKE_DATE, os.path.abspath(BINARY)],
                                    env=env, stdout=log, stderr=subprocess.STDOUT)
        return proc, time.monotonic()

    def app_log(self):
        with open(self.log_path, "rb") as f:
            return f.read().decode(errors="replace")

    def test_plays_opens_and_closes_a_dialog_and_exits(self):
        proc, started = self.start_game()
        shots = {}
        try:
            for name, at in SHOTS.items():
                time.sleep(max(0.0, started + at - time.monotonic()))
                self.assertIsNone(proc.poll(), "the game ended early: " + self.app_log())
                shots[name] = self.weston.screenshot(os.path.join(self.tmp, name))
            code = proc.wait(30)
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        log = self.app_log()
        self.assertEqual(code, 0, log)
        self.assertNotIn("cantabell: ", log)

        # The game window is up, its keyboard all there before and after the dialog.
        keys = bounds(shots["before"], near(KEY_BLUE, 8))
        self.assertIsNotNone(keys, "no game window on the output")
        x0, y0, x1, y1 = keys
        self.assertGreater(x1 - x0, 300)
        rect = (x0, y0, x1 - x0 + 1, y1 - y0 + 1)
        blue_before = shots["before"].count(rect, near(KEY_BLUE, 8))
        self.assertEqual(shots["after"].count(rect, near(KEY_BLUE, 8)), blue_before)
        # The About box was on the output while it was open (below weston's panel and its
        # clock), and gone afterwards. Weston puts it where it likes; what the game controls
        # is that the box is a child of the game window, which the protocol log shows.
        during, after = shots["during"], shots["after"]
        changed = sum(during.at(x, y) != after.at(x, y)
                      for y in range(40, after.height, 2) for x in range(0, after.width, 2))
        self.assertGreater(changed, 2000, "no dialog on the output")
        self.assertRegex(log, r"xdg_toplevel@\d+\.set_parent\(xdg_toplevel@\d+\)")

        # The first melody, then the same again: asked for while About stood the game still,
        # it sounded only after the box had closed.
        with open(self.audio, "rb") as f:
            data = f.read()
        samples = list(struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2]))
        melody = Generator(FAKE_EPOCH).melody()[:3]
        self.assertEqual(heard_notes(samples), melody + melody)
        starts = onsets(samples)
        gap = (starts[3] - starts[0]) / SAMPLE_RATE
        self.assertGreater(gap, 4.8, "the replay was not held back by the About box")


if __name__ == "__main__":
    unittest.main()
