# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Sessions: the real program on a display server of its own.

Session starts an Xvfb on a free display and the game under a frozen clock (faketime) with
SDL's disk audio driver, so that the melody is known in advance and the captured file holds
exactly what the player would hear. Weston is a headless weston for the native Wayland runs.
Everything started is stopped by process id.
"""
import glob
import os
import select
import shutil
import subprocess
import tempfile
import time

from .audio import read_samples
from .game import FAKE_DATE
from .geometry import SCREEN, TOOLBAR_HEIGHT, VIEW, key_click_point
from .picture import Image
from . import processes
from .processes import stop_process, wait_for


def _read_display_number(fd, timeout):
    """The display number Xvfb writes to fd (-displayfd), or None after `timeout` seconds."""
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


class Session:
    """One Xvfb and one running game; use as a context manager."""

    def __init__(self, binary=None, extra_env=None, fake_date=FAKE_DATE, args=()):
        self.binary = binary or processes.binary()
        self.args = list(args)  # the program's options, e.g. ["--sing"]
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
        self.window = wait_for(self._find_window, 20, 0.02)
        if not self.window:
            raise RuntimeError("the game window did not appear: " + self.app_log())
        # The game's clock starts when its window is built, just before it maps: measure the
        # timeline from here, so that a slow start does not shift it against the test's.
        self.started_at = time.monotonic()
        # Found as soon as it exists; a screenshot needs it mapped, which a loaded machine can
        # hold back.
        if not wait_for(self._window_viewable, 20, 0.02):
            raise RuntimeError("the game window was not mapped: " + self.app_log())
        geometry = self.geometry()
        self.menu_height = geometry[3] - TOOLBAR_HEIGHT - VIEW[1]

    def __exit__(self, *exc):
        processes.stop_wrapped(self.app)
        stop_process(self.xvfb)
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
        # xdotool matches names regardless of case, and Qt's hidden client leader window is
        # called "cantabell": only the exact title is the game's window.
        result = self.xdotool("search", "--name", "^Cantabell$")
        for wid in result.stdout.split():
            if self.xdotool("getwindowname", wid).stdout.strip() != "Cantabell":
                continue
            geometry = self.xdotool("getwindowgeometry", wid).stdout
            if "Geometry" in geometry:
                return wid
        return None

    def _window_viewable(self):
        visible = self.xdotool("search", "--onlyvisible", "--name", "^Cantabell$").stdout.split()
        return self.window in visible

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
        self.click(*key_click_point(k), button)

    def key(self, *keys):
        self.xdotool("windowfocus", "--sync", self.window)
        self.xdotool("key", "--window", self.window, *keys)

    def wait_window(self, name, timeout=10):
        """The id of a top-level window whose title matches `name`, once it is mapped."""

        def find():
            ids = self.xdotool("search", "--onlyvisible", "--name", name).stdout.split()
            return ids[0] if ids else None

        wid = wait_for(find, timeout)
        if not wid:
            raise AssertionError("no window " + name)
        time.sleep(0.3)
        return wid

    def wait_gone(self, name, timeout=10):
        return wait_for(
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
        result = subprocess.run(
            ["/usr/bin/import", "-window", self.window, "-depth", "8", "ppm:-"],
            env=env,
            capture_output=True,
            timeout=20,
        )
        if result.returncode != 0 or not result.stdout:
            state = "running" if self.app.poll() is None else "ended with %s" % self.app.returncode
            raise AssertionError(
                "no screenshot (import: %s; the game %s): %s"
                % (result.stderr.decode(errors="replace").strip(), state, self.app_log())
            )
        return Image(result.stdout)

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
        """Everything captured so far (16-bit mono at audio.SAMPLE_RATE)."""
        return read_samples(self.audio_path)


class Weston:
    """A headless weston on a socket of its own, in a private runtime folder."""

    def __init__(self, tmp):
        self.runtime = os.path.join(tmp, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        self.socket = "cantabell-e2e-%d" % os.getpid()
        self.log = open(os.path.join(tmp, "weston.log"), "wb")
        self.proc = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--use-pixman", "--socket=" + self.socket,
             "--width=%d" % SCREEN[0], "--height=%d" % SCREEN[1], "--idle-time=0", "--debug"],
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
