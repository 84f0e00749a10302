# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The AT-SPI side of the accessibility suites: the bus launcher, a base class that starts one
AT-SPI bus for a whole suite (inside the private D-Bus session of dbus-run-session), and a walk
over an accessible tree."""
import os
import subprocess
import unittest

from .processes import stop_process

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class AtspiSuite(unittest.TestCase):
    """Starts the AT-SPI bus once for the suite and stops it by its process id. A subclass
    imports pyatspi in its own setUpClass, after this one: pyatspi connects on import."""

    launcher = None

    @classmethod
    def setUpClass(cls):
        if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
            raise unittest.SkipTest("needs a private session bus: run under dbus-run-session")
        cls.launcher = subprocess.Popen(
            [BUS_LAUNCHER, "--launch-immediately", "--a11y=1"],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )

    @classmethod
    def tearDownClass(cls):
        stop_process(cls.launcher)


def walk(node, depth=0):
    """Every accessible below node, depth first, skipping what cannot be read."""
    if node is None or depth > 20:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)
