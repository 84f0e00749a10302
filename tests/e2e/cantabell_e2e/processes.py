# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Processes a test starts and watches: stopping by process id, waiting, CPU time."""
import os
import signal
import subprocess
import time


def binary():
    """The program under test: $CANTABELL_BINARY (ctest sets it), else build/cantabell."""
    return os.environ.get("CANTABELL_BINARY", "build/cantabell")


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


def wait_for(predicate, timeout, step=0.05):
    """The first true result of predicate(), polled every `step` s; after `timeout` s its last
    result, whatever it is."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = predicate()
        if result:
            return result
        time.sleep(step)
    return predicate()


def cpu_seconds(pid):
    """User plus system CPU time of a process so far, in seconds."""
    return cpu_seconds_of("/proc/%d/stat" % pid)


def cpu_seconds_of(stat_path):
    """The same for a /proc stat file (a process's or one thread's)."""
    with open(stat_path) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
