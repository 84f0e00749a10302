# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game with the real screen reader: Xvfb, a private D-Bus session with the AT-SPI bus,
speech-dispatcher with its dummy output module, Orca with default settings, then the game.

Orca and speech-dispatcher get a private HOME and XDG folders inside the session's folder, so
nothing is written outside it. What Orca said is read from its debug log ("SPEECH OUTPUT:").
Everything is started and stopped by process id.
"""
import datetime
import os
import pty
import re
import subprocess
import threading

from .atspi import BUS_LAUNCHER
from .processes import stop_process, wait_for
from .sessions import Session

# "12:07:37.918437 - SPEECH OUTPUT: 'D, right.'{'established': False}" (the voice follows)
_SPOKEN = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*?)' ?(\{.*)?$")


class ScreenReaderSession(Session):
    """A Session whose game runs under Orca; spoken() lists what Orca said."""

    def __init__(self, **kwargs):
        super().__init__(**kwargs)
        self.services = []
        self.orca_log = os.path.join(self.tmp, "orca-debug.out")

    def _start(self, name, command, env):
        log = open(os.path.join(self.tmp, name + ".log"), "wb")
        proc = subprocess.Popen(command, env=env, stdout=log, stderr=subprocess.STDOUT)
        log.close()
        self.services.append(proc)
        return proc

    def start_app(self):
        home = os.path.join(self.tmp, "home")
        runtime = os.path.join(self.tmp, "runtime")
        for folder in (home, runtime):
            os.makedirs(folder, mode=0o700, exist_ok=True)
        env = dict(os.environ)
        env.pop("WAYLAND_DISPLAY", None)
        env.update(
            {
                "DISPLAY": self.display,
                "HOME": home,
                "XDG_RUNTIME_DIR": runtime,
                "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
                "XDG_CACHE_HOME": os.path.join(home, ".cache"),
                "GSETTINGS_BACKEND": "memory",
            }
        )
        bus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
        )
        self.services.append(bus)
        env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        bus.stdout.close()
        self._start("bus-launcher", [BUS_LAUNCHER, "--launch-immediately", "--a11y=1"], env)
        # A PulseAudio with a null sink: speech-dispatcher gives up without a sound output.
        self._start("pulseaudio", ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                                   "--disallow-exit", "-L", "module-null-sink sink_name=speech",
                                   "-L", "module-native-protocol-unix", "-L", "module-always-sink"],
                    env)
        pulse = os.path.join(runtime, "pulse", "native")
        if not wait_for(lambda: os.path.exists(pulse), 10, 0.1):
            raise RuntimeError("PulseAudio did not start: " + self._log_tail("pulseaudio"))
        # speech-dispatcher with only its dummy module takes Orca's speech; a spawn of another
        # one by Orca's client is refused.
        config = os.path.join(self.tmp, "speechd")
        os.makedirs(os.path.join(config, "modules"), exist_ok=True)
        with open(os.path.join(config, "speechd.conf"), "w") as f:
            f.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                    'AudioOutputMethod "pulse"\n')
        user_config = os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(user_config, exist_ok=True)
        with open(os.path.join(user_config, "speechd.conf"), "w") as f:
            f.write("DisableAutoSpawn\n")
        self._start("speechd", ["speech-dispatcher", "--run-single", "--timeout", "0",
                                "--config-dir", config, "--log-dir", self.tmp], env)
        socket = os.path.join(runtime, "speech-dispatcher", "speechd.sock")
        if not wait_for(lambda: os.path.exists(socket), 10, 0.1):
            raise RuntimeError("speech-dispatcher did not start")
        self.orca = self._start_orca(env)
        if not wait_for(lambda: self.said("Screen reader on."), 30, 0.2):
            raise RuntimeError("Orca did not start")
        self.env = env
        self.extra_env = dict(self.extra_env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                              DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"],
                              HOME=home, GSETTINGS_BACKEND="memory")
        super().start_app()

    def _start_orca(self, env):
        """Orca, its debug log written to a terminal: Python buffers a log file by blocks, but
        writes to a terminal line by line, so that what was said can be read at once."""
        master, slave = pty.openpty()
        proc = subprocess.Popen(["orca", "--debug-file", "/dev/stdout"], env=env,
                                stdin=subprocess.DEVNULL, stdout=slave, stderr=slave)
        os.close(slave)
        self.services.append(proc)

        def copy():
            with open(self.orca_log, "wb") as log:
                while True:
                    try:
                        chunk = os.read(master, 65536)
                    except OSError:  # the terminal closed with Orca
                        break
                    if not chunk:
                        break
                    log.write(chunk)
                    log.flush()
            os.close(master)

        self.orca_reader = threading.Thread(target=copy, daemon=True)
        self.orca_reader.start()
        return proc

    def __exit__(self, *exc):
        stop_process(self.app)
        for proc in reversed(self.services):
            stop_process(proc)
        if getattr(self, "orca_reader", None):
            self.orca_reader.join(5)
        return super().__exit__(*exc)

    def _log_tail(self, name):
        try:
            with open(os.path.join(self.tmp, name + ".log"), "rb") as f:
                return f.read().decode(errors="replace")[-1500:]
        except OSError:
            return ""

    def spoken(self):
        """[(wall-clock time in s since the epoch, text)] of everything Orca said so far."""
        try:
            with open(self.orca_log, errors="replace") as f:
                lines = f.read().splitlines()
        except OSError:
            return []
        today = datetime.datetime.now().replace(hour=0, minute=0, second=0, microsecond=0)
        said = []
        for line in lines:
            match = _SPOKEN.match(line)
            if match:
                h, m, s, text = match.groups()[:4]
                at = today + datetime.timedelta(hours=int(h), minutes=int(m), seconds=float(s))
                said.append((at.timestamp(), text))
        return said

    def said(self, text, since=0.0):
        """The first time after `since` at which Orca said something containing `text`."""
        for at, spoken in self.spoken():
            if at >= since and text in spoken:
                return at
        return None

    def wait_said(self, text, since=0.0, timeout=5):
        return wait_for(lambda: self.said(text, since), timeout, 0.1)
