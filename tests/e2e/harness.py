"""End-to-end harness: the real cantabell binary on its own Xvfb, driven with xdotool.

Each Session starts an X server on a free display and the game under a frozen clock
(faketime) with SDL's disk audio driver, so that the melody is known in advance and the
captured file holds exactly what the player would hear. Everything started is stopped by
process id.
"""
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time

SAMPLE_RATE = 22050
FAKE_DATE = "2026-01-01 12:00:00"
FAKE_EPOCH = 1767268800  # FAKE_DATE in UTC, whole seconds
SCREEN = (1024, 768)
NOTE_HZ = [164.81, 174.61, 196.00, 220.00, 246.94, 261.63, 293.66, 329.63]  # E3 .. E4
TOOLBAR_HEIGHT = 32


class Generator:
    """The game's melody generator, written again from its definition."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def below(self, n):
        self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
        r = (self.state >> 16) & 0x7FFF
        return min(r // (32767 // n), n - 1)

    def melody(self):
        return [self.below(8) for _ in range(12)]


def _read_display_number(fd, timeout):
    """The display number Xvfb writes to fd (-displayfd), or None after `timeout` seconds."""
    import select

    text = b""
    end = time.monotonic() + timeout
    try:
        while not text.endswith(b"\n"):
            left = end - time.monotonic()
            if left <= 0 or not select.select([fd], [], [], left)[0]:
                return None
            chunk = os.read(fd, 16)
            if not chunk:
                return None
            text += chunk
    finally:
        os.close(fd)
    return int(text.strip())


def stop_process(proc, timeout=5):
    """Ends a process started by a test: SIGTERM, and SIGKILL if it is still there after
    `timeout` seconds. Safe on a process that has ended already, or None."""
    if proc is None or proc.poll() is not None:
        return
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(timeout)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


def _wait_for(predicate, timeout, step=0.05):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = predicate()
        if result:
            return result
        time.sleep(step)
    return predicate()


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


class Session:
    """One Xvfb and one running game; use as a context manager."""

    def __init__(self, binary, extra_env=None, fake_date=FAKE_DATE, args=()):
        self.binary = binary
        self.args = list(args)
        self.extra_env = extra_env or {}
        self.fake_date = fake_date
        self.tmp = tempfile.mkdtemp(prefix="cantabell-e2e-")
        self.audio_path = os.path.join(self.tmp, "audio.raw")
        self.xvfb = None
        self.app = None
        self.window = None
        self.menu_height = None
        self.started_at = None

    # -- life cycle --------------------------------------------------------------------------
    def __enter__(self):
        # Xvfb picks a free display itself and writes its number once it accepts connections.
        # -noreset: without it the server resets whenever its last client leaves, and a game
        # connecting while one of the test's xdotool calls ends would be refused.
        read_fd, write_fd = os.pipe()
        try:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % SCREEN,
                 "-nolisten", "tcp", "-noreset"],
                stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL,
                pass_fds=(write_fd,),
            )
        finally:
            os.close(write_fd)
        try:
            number = _read_display_number(read_fd, 15)
            if number is None:
                raise RuntimeError("Xvfb did not start")
            self.display = ":%d" % number
            self.start_app()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def start_app(self):
        runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env = dict(os.environ)
        env.update(
            {
                "DISPLAY": self.display,
                "QT_QPA_PLATFORM": "xcb",
                "XDG_RUNTIME_DIR": runtime,
                "SDL_AUDIODRIVER": "disk",
                "SDL_DISKAUDIOFILE": self.audio_path,
                "DONT_FAKE_MONOTONIC": "1",
            }
        )
        env.pop("WAYLAND_DISPLAY", None)
        for key, value in self.extra_env.items():  # None removes a variable
            if value is None:
                env.pop(key, None)
            else:
                env[key] = value
        command = [self.binary] + self.args
        if self.fake_date:
            command = ["faketime", "-f", self.fake_date] + command
        self.log = open(os.path.join(self.tmp, "app.log"), "wb")
        self.started_at = time.monotonic()
        self.app = subprocess.Popen(command, env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.window = _wait_for(self._find_window, 20, 0.02)
        if not self.window:
            raise RuntimeError("the game window did not appear: " + self.app_log())
        # The game's clock starts when its window is built, just before it maps: measure the
        # timeline from here, so that a slow start does not shift it against the test's.
        self.started_at = time.monotonic()
        geometry = self.geometry()
        self.menu_height = geometry[3] - TOOLBAR_HEIGHT - 226

    def __exit__(self, *exc):
        for proc in (self.app, self.xvfb):
            stop_process(proc)
        if getattr(self, "log", None):
            self.log.close()
        if not os.environ.get("CANTABELL_E2E_KEEP"):
            shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def app_log(self):
        try:
            with open(os.path.join(self.tmp, "app.log"), "rb") as f:
                return f.read().decode(errors="replace")[-2000:]
        except OSError:
            return ""

    # -- X helpers ---------------------------------------------------------------------------
    def xdotool(self, *args):
        env = dict(os.environ, DISPLAY=self.display)
        return subprocess.run(
            ["xdotool"] + [str(a) for a in args], env=env, capture_output=True, text=True, timeout=20
        )

    def _find_window(self):
        result = self.xdotool("search", "--name", "^Cantabell$")
        ids = result.stdout.split()
        for wid in ids:
            geometry = self.xdotool("getwindowgeometry", wid).stdout
            if "Geometry" in geometry:
                return wid
        return None

    def geometry(self):
        """(x, y, width, height) of the main window on the screen."""
        out = self.xdotool("getwindowgeometry", "--shell", self.window).stdout
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def title(self):
        return self.xdotool("getwindowname", self.window).stdout.strip()

    def client_to_window(self, x, y):
        return x, y + self.menu_height

    def click(self, x, y, button=1):
        """A click at client coordinates (y = 0 is the toolbar's top)."""
        wx, wy = self.client_to_window(x, y)
        self.xdotool("mousemove", "--window", self.window, wx, wy, "click", button)

    def press(self, x, y):
        wx, wy = self.client_to_window(x, y)
        self.xdotool("mousemove", "--window", self.window, wx, wy, "mousedown", 1)

    def release(self):
        self.xdotool("mouseup", 1)

    def click_key(self, k, button=1):
        self.click(10 + 48 * k + 10, 200, button)

    def key(self, *keys):
        self.xdotool("windowfocus", "--sync", self.window)
        self.xdotool("key", "--window", self.window, *keys)

    def wait_window(self, name, timeout=10):
        """The id of a top-level window whose title matches `name`, once it is mapped."""

        def find():
            ids = self.xdotool("search", "--onlyvisible", "--name", name).stdout.split()
            return ids[0] if ids else None

        wid = _wait_for(find, timeout)
        if not wid:
            raise AssertionError("no window " + name)
        time.sleep(0.3)
        return wid

    def wait_gone(self, name, timeout=10):
        return _wait_for(
            lambda: not self.xdotool("search", "--onlyvisible", "--name", name).stdout.split(),
            timeout,
        )

    def click_in(self, wid, x, y, button=1):
        self.xdotool("mousemove", "--window", wid, x, y, "click", button)
        time.sleep(0.1)

    def key_in(self, wid, *keys):
        self.xdotool("windowfocus", "--sync", wid)
        for key in keys:
            self.xdotool("key", "--window", wid, key)
            time.sleep(0.05)

    def screenshot(self):
        """The window's picture as an Image (window coordinates)."""
        env = dict(os.environ, DISPLAY=self.display)
        data = subprocess.run(
            ["/usr/bin/import", "-window", self.window, "-depth", "8", "ppm:-"],
            env=env,
            capture_output=True,
            timeout=20,
        ).stdout
        return Image(data)

    def picture_rect(self, x, y, w, h):
        """A rectangle given in back-buffer coordinates, as window coordinates."""
        return x, y + TOOLBAR_HEIGHT + self.menu_height, w, h

    def elapsed(self):
        return time.monotonic() - self.started_at

    def sleep_until(self, seconds_after_start):
        delay = seconds_after_start - self.elapsed()
        if delay > 0:
            time.sleep(delay)

    # -- audio ---------------------------------------------------------------------------------
    def samples(self):
        try:
            with open(self.audio_path, "rb") as f:
                data = f.read()
        except OSError:
            return []
        count = len(data) // 2
        return list(struct.unpack("<%dh" % count, data[: count * 2]))


def onsets(samples, threshold=3000, gap=1500):
    """Sample positions where a note starts: loud after at least `gap` quiet samples."""
    found = []
    quiet = gap
    for i, s in enumerate(samples):
        if abs(s) >= threshold:
            if quiet >= gap:
                found.append(i)
            quiet = 0
        else:
            quiet += 1
    return found


def pitch(samples, start, length=2048):
    """Fundamental frequency in Hz near `start`, by normalised autocorrelation."""
    frame = samples[start + 441 : start + 441 + length]
    if len(frame) < length:
        return 0.0
    mean = sum(frame) / len(frame)
    frame = [s - mean for s in frame]
    best_lag, best = 0, 0.0
    energy = sum(s * s for s in frame) or 1.0
    lo, hi = SAMPLE_RATE // 400, SAMPLE_RATE // 140
    scores = {}
    for lag in range(lo, hi + 1):
        score = sum(frame[i] * frame[i + lag] for i in range(0, length - lag, 2)) / energy
        scores[lag] = score
        if score > best:
            best, best_lag = score, lag
    if not best_lag:
        return 0.0
    # The shortest lag that scores nearly as well: the period, not a multiple of it.
    for lag in range(lo, best_lag):
        if scores[lag] > 0.9 * best and scores[lag] >= scores.get(lag - 1, 0) and scores[lag] >= scores.get(lag + 1, 0):
            best_lag = lag
            break
    # Parabolic refinement around the peak.
    a, b, c = scores.get(best_lag - 1, 0), scores[best_lag], scores.get(best_lag + 1, 0)
    shift = 0.0
    if a - 2 * b + c:
        shift = 0.5 * (a - c) / (a - 2 * b + c)
    return SAMPLE_RATE / (best_lag + shift)


def note_of(frequency):
    """The key (0..7) whose pitch is nearest, or -1 when none is within a semitone's half."""
    if frequency <= 0:
        return -1
    import math

    best = min(range(8), key=lambda k: abs(math.log2(frequency / NOTE_HZ[k])))
    return best if abs(1200 * math.log2(frequency / NOTE_HZ[best])) < 50 else -1


def heard_notes(samples, after=0):
    """The notes that sound in the capture, in order, from sample position `after`."""
    return [note_of(pitch(samples, i)) for i in onsets(samples) if i >= after]
