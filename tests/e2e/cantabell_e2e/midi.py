# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""MIDI for the suites: a private JACK server (dummy back-end) and a sender on a virtual port
(tests/midi/midi_send, $MIDI_SEND)."""
import fcntl
import os
import shutil
import subprocess
import tempfile
import time

from .processes import stop_process

SENDER = "cantabell-e2e-sender"


class JackServer:
    """jackd with the dummy back-end under a private server name, stopped by its pid.

    The names come from a small pool: JACK keeps a machine-wide table of eight servers and a
    server that dies uncleanly leaves its row behind until a server of the same name starts
    again. A name another run is using is skipped: each run holds a lock file per name it uses
    (released by the system however the run ends), and a name under which a server already
    answers is not taken either. Without both, a second jackd of a taken name exits at once,
    but jack_lsp reaches the first run's server before it has, and the two runs would share
    one server, their games hearing each other's senders.

    The server runs in synchronous mode: each cycle waits for every client to finish (up to ten
    times --timeout, 2 s) before the next begins. Without real-time scheduling the game's JACK
    thread is now and then late by more than a 5 ms period; in JACK's default asynchronous mode
    the next cycle then starts the sender again, which clears its port buffer before the game
    has read it, and the notes of that cycle are lost: a lost note-off leaves a key held. A game
    killed at the end of a case stalls the server once for those 2 s.
    """

    NAMES = ["cantabell-e2e-%d" % i for i in range(4)]

    def __init__(self):
        self.tmp = tempfile.mkdtemp(prefix="cantabell-jack-")
        os.chmod(self.tmp, 0o700)
        self.proc = None
        self.log = None
        self.lock = None
        failures = []
        for name in self.NAMES:
            if not self._claim(name):
                failures.append("%s is in use" % name)
                continue
            if self._start(name):
                return
            failures.append(self._log_text()[-300:])
            self.log.close()
            self._release()
        shutil.rmtree(self.tmp, ignore_errors=True)
        raise RuntimeError("jackd did not start: " + " | ".join(failures))

    def _claim(self, name):
        """Takes the name for this run: its lock, and no server answering under it."""
        # Beside JACK's own machine-wide table, whatever TMPDIR each run has.
        self.lock = open("/dev/shm/cantabell-jack-%s.lock" % name, "a")
        try:
            fcntl.flock(self.lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
        except OSError:
            self._release()
            return False
        self._set_env(name)
        if self.lsp():
            self._release()
            return False
        return True

    def _release(self):
        if self.lock:
            self.lock.close()  # closing the file releases the lock
            self.lock = None

    def _start(self, name):
        self.log = open(os.path.join(self.tmp, "jackd-%s.log" % name), "wb")
        self.proc = subprocess.Popen(
            ["jackd", "--no-realtime", "--sync", "--timeout", "200", "-n", name,
             "-d", "dummy", "-r", "48000", "-p", "256"],
            env=self.env, stdout=self.log, stderr=subprocess.STDOUT)
        end = time.monotonic() + 15
        while time.monotonic() < end and self.proc.poll() is None:
            if "system:" in self.lsp():
                return True
            time.sleep(0.2)
        self._end_process()
        return False

    def _set_env(self, name):
        self.name = name
        self.env = dict(
            os.environ,
            JACK_DEFAULT_SERVER=name,
            JACK_NO_START_SERVER="1",
            JACK_NO_AUDIO_RESERVATION="1",
            XDG_RUNTIME_DIR=self.tmp,
            TMPDIR=self.tmp,
        )

    def _log_text(self):
        with open(self.log.name, "rb") as f:
            return f.read().decode(errors="replace")

    def lsp(self, *args):
        result = subprocess.run(["jack_lsp"] + list(args), env=self.env, capture_output=True,
                                text=True, timeout=20)
        return result.stdout if result.returncode == 0 else ""

    def connections(self):
        """{port: [connected ports]} from jack_lsp -c."""
        found, port = {}, None
        for line in self.lsp("-c").splitlines():
            if line.startswith(" "):
                found.setdefault(port, []).append(line.strip())
            else:
                port = line.strip()
                found.setdefault(port, [])
        return found

    def _end_process(self):
        stop_process(self.proc, 30)

    def stop(self):
        self._end_process()
        self.log.close()
        self._release()
        shutil.rmtree(self.tmp, ignore_errors=True)


class Sender:
    """midi_send with its virtual output port SENDER:out."""

    def __init__(self, env, program=None):
        program = program or os.environ.get("MIDI_SEND", "build/tests/midi/midi_send")
        self.proc = subprocess.Popen([program, SENDER], env=env, stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, text=True)
        if self.proc.stdout.readline().strip() != "ready":
            raise RuntimeError("midi_send did not open its port")
        self.port = SENDER + ":out"

    def send(self, command):
        self.proc.stdin.write(command + "\n")
        self.proc.stdin.flush()
        if self.proc.stdout.readline().strip() != "ok":
            raise RuntimeError("midi_send refused " + command)

    def stop(self):
        try:
            self.proc.stdin.write("quit\n")
            self.proc.stdin.close()
            self.proc.wait(10)
        except (OSError, subprocess.TimeoutExpired):
            self.proc.kill()
            self.proc.wait()
