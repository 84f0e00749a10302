# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Private desktop sound servers for end-to-end runs: PipeWire (with WirePlumber and its Pulse
layer) or PulseAudio, each with a null sink whose monitor is recorded.

Every server runs in its own runtime folder (mode 0700) with its own HOME, D-Bus session and
sockets, and is started and stopped by process id, so that servers other people run on the
same machine are never touched. The game started against one gets that runtime folder.
"""
import ctypes
import json
import os
import shutil
import signal
import subprocess
import tempfile
import threading
import time

from .processes import cpu_seconds_of, stop_process, wait_for

SINK = "t_sink"
RATE = 22050  # the monitor is recorded at the game's own rate, S16
FRAME = 4  # bytes a sample of both channels: the left one is kept, where the game's mono sound
# went at its own level (a downmix to mono would add the two channels' levels, and clip)


class Server:
    """Base: the private folder, environment and D-Bus session; subclasses start the servers."""

    name = "?"

    def __init__(self):
        self.tmp = tempfile.mkdtemp(prefix="cantabell-snd-")
        self.runtime = os.path.join(self.tmp, "run")
        self.home = os.path.join(self.tmp, "home")
        os.mkdir(self.runtime, 0o700)
        os.mkdir(self.home, 0o700)
        # libpulse must never start a server of its own behind the test's back.
        self.client_conf = os.path.join(self.tmp, "client.conf")
        with open(self.client_conf, "w") as f:
            f.write("autospawn = no\n")
        self.env = dict(os.environ)
        for key in ("PULSE_SERVER", "PIPEWIRE_REMOTE", "PIPEWIRE_RUNTIME_DIR", "PULSE_RUNTIME_PATH",
                    "SDL_AUDIODRIVER", "WAYLAND_DISPLAY", "PULSE_PROP", "PIPEWIRE_PROPS"):
            self.env.pop(key, None)
        self.env.update({"XDG_RUNTIME_DIR": self.runtime, "HOME": self.home,
                         "PULSE_CLIENTCONFIG": self.client_conf,
                         "XDG_CONFIG_HOME": os.path.join(self.home, ".config")})
        self.procs = []
        self.dbus_pid = None
        self.logs = []

    def game_env(self):
        """What the game needs to find this server: its runtime folder and nothing forced."""
        keys = ("XDG_RUNTIME_DIR", "HOME", "PULSE_CLIENTCONFIG", "DBUS_SESSION_BUS_ADDRESS")
        env = {k: self.env[k] for k in keys if k in self.env}
        env["SDL_AUDIODRIVER"] = None  # the default path, as a player gets it
        env["SDL_DISKAUDIOFILE"] = None
        return env

    def _spawn(self, *command):
        log = open(os.path.join(self.tmp, os.path.basename(command[0]) + ".log"), "ab")
        self.logs.append(log)
        proc = subprocess.Popen(list(command), env=self.env, stdout=log, stderr=subprocess.STDOUT)
        self.procs.append(proc)
        return proc

    def run(self, *command, timeout=10):
        return subprocess.run(list(command), env=self.env, capture_output=True, text=True,
                              timeout=timeout)

    def start_dbus(self):
        out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1",
                              "--print-pid=1", "--nosyslog"], env=self.env, capture_output=True,
                             text=True, timeout=10).stdout.split()
        self.env["DBUS_SESSION_BUS_ADDRESS"], self.dbus_pid = out[0], int(out[1])

    def sink_ready(self):
        result = self.run("pactl", "list", "short", "sinks")
        return result.returncode == 0 and SINK in result.stdout

    def stop_servers(self):
        for proc in reversed(self.procs):
            stop_process(proc)
        self.procs = []

    def kill_servers(self):
        """The server dies as in a crash or a restart: SIGKILL, no goodbye to clients."""
        for proc in self.procs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        self.procs = []

    def settle(self, timeout=8):
        """Waits until the servers have finished starting up (under 2 % of a core over a
        quarter second): a session manager busy with its start-up work can starve the
        graph, and a case would then hear gaps that are not the game's."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            before = self._cpu_seconds()
            time.sleep(0.25)
            if self._cpu_seconds() - before < 0.005:
                return

    def _cpu_seconds(self):
        total = 0.0
        for pid in self.pids():
            try:
                total += cpu_seconds_of("/proc/%d/stat" % pid)
            except (OSError, IndexError, ValueError):
                pass
        return total

    def pids(self):
        return [p.pid for p in self.procs if p.poll() is None]

    def __enter__(self):
        try:
            self.start_dbus()
            self.start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        self.stop_servers()
        if self.dbus_pid:
            try:
                os.kill(self.dbus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for log in self.logs:
            log.close()
        if not os.environ.get("CANTABELL_E2E_KEEP"):
            shutil.rmtree(self.tmp, ignore_errors=True)
        return False


def pw_objects(dump):
    """The objects in pw-dump's output. It can print more than one JSON array (an object that
    changed while it ran comes again, one removed meanwhile comes with "info": null, and is
    left out), and a dump cut short ends the list."""
    objects, at, decoder = [], 0, json.JSONDecoder()
    while True:
        at = len(dump) - len(dump[at:].lstrip())
        if at >= len(dump):
            return objects
        try:
            more, at = decoder.raw_decode(dump, at)
        except ValueError:
            return objects
        more = more if isinstance(more, list) else [more]
        objects += [o for o in more if isinstance(o, dict) and o.get("info") is not None]


class PipeWire(Server):
    name = "PipeWire"

    def start(self):
        self._spawn("pipewire")
        if not wait_for(lambda: os.path.exists(os.path.join(self.runtime, "pipewire-0")), 30):
            raise RuntimeError("pipewire did not start")
        self._start_session_manager()
        self._spawn("pipewire-pulse")
        if not wait_for(lambda: self.run("pactl", "info").returncode == 0, 30):
            raise RuntimeError("pipewire-pulse did not start")
        if not self.sink_ready():
            self.run("pactl", "load-module", "module-null-sink", "sink_name=" + SINK,
                     "rate=48000", "channels=2")
        if not wait_for(self.sink_ready, 10):
            raise RuntimeError("no null sink")
        wait_for(lambda: self.run("pactl", "set-default-sink", SINK).returncode == 0, 5)

    def streams(self):
        return self.run("pw-dump").stdout

    def objects(self):
        """The server's objects, as pw-dump lists them."""
        return pw_objects(self.streams())

    def _session_manager_connected(self):
        for obj in self.objects():
            props = obj.get("info", {}).get("props", {})
            if obj.get("type") == "PipeWire:Interface:Client" \
                    and props.get("application.name") == "WirePlumber":
                return True
        return False

    def _start_session_manager(self, attempts=3):
        """WirePlumber, which links every stream to its sink. Right after a server restart it
        can end at once (seen: then nothing is ever linked, the game's stream and the recorder
        alike), so it is started again until it has connected, as a desktop's service manager
        would."""
        for _ in range(attempts):
            proc = self._spawn("wireplumber")
            if wait_for(lambda: proc.poll() is not None or self._session_manager_connected(), 10) \
                    and proc.poll() is None:
                return
            stop_process(proc)
            self.procs.remove(proc)
        raise RuntimeError("wireplumber did not connect")


class PulseAudio(Server):
    name = "PulseAudio"

    def start(self):
        self._spawn("pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                    "--disallow-exit", "--log-target=stderr",
                    "-L", "module-null-sink sink_name=%s rate=48000 channels=2" % SINK,
                    "-L", "module-native-protocol-unix", "-L", "module-always-sink",
                    "-L", "module-suspend-on-idle timeout=3")
        if not wait_for(self.sink_ready, 30):
            raise RuntimeError("pulseaudio did not start")
        self.run("pactl", "set-default-sink", SINK)

    def streams(self):
        return self.run("pactl", "list", "sink-inputs").stdout


class Recorder:
    """Records a sink's monitor (its left channel, S16 at `rate`: by default the game's sink
    at RATE) and maps sample positions to the steady
    clock. It asks for a relaxed 30 ms latency by default, so that the sink's period stays what
    the game's stream asks for (a recorder at latency_ms=5 keeps the graph's period as small as
    the game's, as where no other program plays). Each chunk read tells when its last sample had certainly been rendered; a sample's
    time is the earliest such bound from the chunks of the next second, so capture delays that
    vary from chunk to chunk, and any gap earlier in the recording, are left out."""

    def __init__(self, server, sink=SINK, rate=RATE, latency_ms=30):
        self.server = server
        self.rate = rate
        self.WINDOW = rate  # samples after a position whose chunks bound its time
        self.data = bytearray()
        self.chunks = []  # (monotonic arrival, samples recorded by then)
        self.lock = threading.Lock()
        self.proc = subprocess.Popen(
            ["parec", "-d", sink + ".monitor", "--format=s16le", "--rate=%d" % rate,
             "--channels=2", "--latency-msec=%d" % latency_ms, "--raw"],
            env=server.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        fd = self.proc.stdout.fileno()
        while True:
            chunk = os.read(fd, 4096)
            now = time.monotonic()
            if not chunk:
                return
            with self.lock:
                self.data += chunk
                self.chunks.append((now, len(self.data) // FRAME))

    def samples(self):
        import struct

        with self.lock:
            count = len(self.data) // FRAME * 2
            return list(struct.unpack("<%dh" % count, bytes(self.data[: count * 2]))[0::2])

    def position(self):
        with self.lock:
            return len(self.data) // FRAME

    def time_of(self, sample):
        """Steady-clock time at which `sample` was rendered at the sink."""
        with self.lock:
            bounds = [t - (n - sample) / self.rate for t, n in self.chunks
                      if sample <= n <= sample + self.WINDOW]
            if not bounds:  # the recording has not reached it yet
                t, n = self.chunks[-1]
                return t + (sample - n) / self.rate
            return min(bounds)

    def position_at(self, moment):
        """The sample rendered at steady-clock time `moment`. Each chunk that arrived within
        WINDOW samples' time after it gives a lower bound (it may have arrived late, never
        early); the largest is the chunk that waited least."""
        with self.lock:
            if not self.chunks:
                return 0
            bounds = [n - (t - moment) * self.rate for t, n in self.chunks
                      if moment <= t <= moment + self.WINDOW / self.rate]
            if not bounds:
                t, n = min(self.chunks, key=lambda c: abs(c[0] - moment))
                bounds = [n - (t - moment) * self.rate]
        return max(0, int(max(bounds)))

    def stop(self):
        stop_process(self.proc)
        self.thread.join(5)
        self.proc.stdout.close()


class StallProbe:
    """The machine's real-time stalls while it runs ($STALL_PROBE, tests/audio/stall_probe.cpp):
    a real-time thread on each CPU that reports every wake more than 2 ms late. On a kernel
    without preemption (a VM's, say) other work can keep every real-time thread, the servers'
    included, off a CPU for several ms; a graph cycle then goes unfilled whatever its clients
    do. A hole in the sound that overlaps such a stall is the machine's; any other is the
    game's. Without the probe or real-time scheduling it reports no stall, so every hole counts
    against the game."""

    SLACK = 0.03  # s either side of a stall: the graph lags it by a cycle or two, and a
    # recorder's sample times are good to a few ms

    def __init__(self):
        self.stalls = []  # (steady-clock start, end) in s
        self.lock = threading.Lock()
        self.proc = None
        path = os.environ.get("STALL_PROBE")
        if not path or not realtime_allowed():
            return
        self.proc = subprocess.Popen([path], stdout=subprocess.PIPE, text=True)
        if self.proc.stdout.readline().strip() != "ready":
            stop_process(self.proc)
            self.proc = None
            return
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        for line in self.proc.stdout:
            _, wake, late = (int(f) for f in line.split())
            with self.lock:
                self.stalls.append((wake / 1e9, (wake + late) / 1e9))

    def explains(self, begin, end):
        """Whether a stall overlaps steady-clock times [begin, end] (s), give or take SLACK."""
        with self.lock:
            return any(a - self.SLACK <= end and begin <= b + self.SLACK for a, b in self.stalls)

    def own_holes(self, recorder, holes):
        """The holes ((first sample, length) in `recorder`'s samples) no stall explains."""
        return [(at, n) for at, n in holes
                if not self.explains(recorder.time_of(at), recorder.time_of(at + n))]

    def stop(self):
        if self.proc:
            stop_process(self.proc)
            self.thread.join(5)
            self.proc.stdout.close()
            self.proc = None


class Clicker:
    """Mouse clicks through XTest on a display, timed to the steady clock (xdotool's own start-up
    would add several ms of noise)."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.dpy = self.x11.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display " + display)

    def click(self, x, y, button):
        """Clicks at screen (x, y); returns the steady-clock time the press was sent."""
        self.xtst.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)
        self.x11.XSync(self.dpy, 0)
        self.xtst.XTestFakeButtonEvent(self.dpy, button, 1, 0)
        self.x11.XFlush(self.dpy)
        pressed = time.monotonic()
        self.xtst.XTestFakeButtonEvent(self.dpy, button, 0, 0)
        self.x11.XSync(self.dpy, 0)
        return pressed

    def close(self):
        self.x11.XCloseDisplay(self.dpy)


def realtime_allowed():
    """Whether this machine gives a process real-time scheduling when it asks (root, or an
    RLIMIT_RTPRIO): containers and VMs without it miss audio deadlines now and then."""
    return subprocess.run(["chrt", "-r", "1", "true"], capture_output=True).returncode == 0


def realtime_threads(pid):
    """The names of a process's threads, and of its children's, that run round-robin real-time
    (SCHED_RR) at priority 1."""
    names = []
    pids = [pid]
    try:
        with open("/proc/%d/task/%d/children" % (pid, pid)) as f:
            pids += [int(p) for p in f.read().split()]
    except OSError:
        pass
    for one in pids:
        try:
            tasks = os.listdir("/proc/%d/task" % one)
        except OSError:
            continue
        for tid in tasks:
            try:
                with open("/proc/%d/task/%s/stat" % (one, tid)) as f:
                    head, tail = f.read().rsplit(")", 1)
            except OSError:
                continue
            fields = tail.split()  # fields[0] is the state, the 3rd field of the line
            if int(fields[37]) == 1 and int(fields[38]) & 0xFF == os.SCHED_RR:
                names.append(head.split("(", 1)[1])
    return names


def note_lead(path, threshold=200):
    """Seconds from a note image's first sample to its first sample at `threshold`: what a
    recording's first loud sample lies after the note's real start."""
    import wave

    with wave.open(path) as w:
        data = w.readframes(w.getnframes())
        rate = w.getframerate()
    samples = [int.from_bytes(data[i:i + 2], "little", signed=True) for i in range(0, len(data), 2)]
    return first_loud(samples, 0, threshold) / rate


def click_to_sound(recorder, pressed, lead):
    """ms from a click sent at steady-clock time `pressed` to the first sample of the note it
    started, as recorded (lead: see note_lead); None if nothing was heard."""
    samples = recorder.samples()
    start = max(0, recorder.position_at(pressed) - 400)
    onset = first_loud(samples, start)
    if onset < 0:
        return None
    return (recorder.time_of(onset) - lead - pressed) * 1e3


def add_sink(server, name):
    """A second null sink on the server (kept for the server's life)."""
    if name not in server.run("pactl", "list", "short", "sinks").stdout:
        server.run("pactl", "load-module", "module-null-sink", "sink_name=" + name,
                   "rate=48000", "channels=2")
    return wait_for(lambda: name in server.run("pactl", "list", "short", "sinks").stdout, 10)


def write_tone(path, hz, seconds, amplitude, rate=48000):
    """A steady stereo sine as a 16-bit WAVE file."""
    import math
    import struct
    import wave

    step = 2 * math.pi * hz / rate
    frames = b"".join(struct.pack("<hh", v, v) for v in
                      (int(round(amplitude * math.sin(step * i))) for i in range(int(rate * seconds))))
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(frames)


def first_loud(samples, start, threshold=200):
    """Index of the first sample from `start` at or above `threshold` in magnitude, or -1."""
    for i in range(start, len(samples)):
        if abs(samples[i]) >= threshold:
            return i
    return -1
