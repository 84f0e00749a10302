# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's command line as a user meets it, and the manual page beside it.

Runs the built program without a display: --help and --version must answer all the same, an
unknown option must end with status 2, and Qt's own -platform option must reach Qt. The
messages are English, except in the case that checks they follow the player's language. The
OPTIONS section of the manual page (rendered with groff) must list exactly the options and
descriptions that --help prints, and the manual page's version must be the program's.

Usage: check_command_line.py <program> <manual page>
"""
import os
import re
import subprocess
import sys
import tempfile
import unittest

PROGRAM = MANUAL = None


def run(*args, env=None):
    """The program's result, in English unless env (where None removes a variable) says
    otherwise."""
    base = {k: v for k, v in os.environ.items()
            if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE")}
    base["LC_ALL"] = "C.UTF-8"
    base.update(env or {})
    base = {k: v for k, v in base.items() if v is not None}
    return subprocess.run([PROGRAM] + list(args), capture_output=True, text=True, env=base,
                          timeout=60)


def help_options(text):
    """{"-h, --help": "Show this help and exit.", ...} from the Options block of --help."""
    block = text.split("\nOptions:\n", 1)[1].split("\n\n", 1)[0]
    options = {}
    for line in block.splitlines():
        term, description = re.match(r"  (\S.*?)  +(\S.*)$", line).groups()
        options[term] = description
    return options


def manual_options():
    """The same from the OPTIONS section of the manual page, rendered as plain text."""
    text = subprocess.run(["groff", "-man", "-Tascii", "-rLL=200n", "-P-cbou", MANUAL],
                          check=True, capture_output=True, text=True).stdout
    section = text.split("\nOPTIONS\n", 1)[1]
    section = re.split(r"\n(?=[A-Z])", section, maxsplit=1)[0]
    options = {}
    for term, description in re.findall(r"^ {7}(-\S.*)\n {14}(\S.*)$", section, re.MULTILINE):
        options[term.strip()] = description.strip()
    # A term narrower than the indent shares its line with the description.
    for term, description in re.findall(r"^ {7}(-[^\s,]+) (\S.*)$", section, re.MULTILINE):
        options[term] = description.strip()
    return options, text


class CommandLineTest(unittest.TestCase):
    def test_help_and_version_need_no_display(self):
        for flag in ("--help", "-h"):
            result = run(flag)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(result.stderr, "")
            self.assertTrue(result.stdout.startswith("Usage: cantabell [options]\n"))
        result = run("--version")
        self.assertEqual((result.returncode, result.stdout, result.stderr),
                         (0, "cantabell 1.0\n", ""))

    def test_unknown_option_prints_one_line_and_the_usage_and_ends_with_two(self):
        usage = run("--help").stdout
        for args, first in ((["--no-such-option"], "cantabell: Unknown option 'no-such-option'."),
                            (["melody.mid"], "cantabell: unexpected argument 'melody.mid'.")):
            result = run(*args)
            self.assertEqual(result.returncode, 2)
            self.assertEqual(result.stdout, "")
            self.assertEqual(result.stderr, first + "\n\n" + usage)

    def test_qt_platform_option_reaches_qt(self):
        # Without a display only the option can make the game start: it runs on the offscreen
        # platform and leaves at once through its script.
        with tempfile.TemporaryDirectory() as runtime:
            os.chmod(runtime, 0o700)
            env = {"CANTABELL_SCRIPT": "0:exit", "SDL_AUDIODRIVER": "dummy",
                   "XDG_RUNTIME_DIR": runtime}
            result = run("-platform", "offscreen", env=env)
            self.assertEqual(result.returncode, 0, result.stderr)
            result = run("-platform", "no-such-platform", env=env)
            self.assertEqual(result.returncode, 1)
            self.assertIn('cannot open the display (platform "no-such-platform")', result.stderr)

    def test_messages_speak_the_players_language(self):
        german = {"LC_ALL": None, "LC_MESSAGES": None, "LANG": "de_DE.UTF-8", "LANGUAGE": "de"}
        result = run("--no-such-option", env=german)
        self.assertEqual(result.returncode, 2)
        self.assertTrue(result.stderr.startswith(
            "cantabell: Unbekannte Option „no-such-option“.\n\nAufruf: cantabell [Optionen]\n"),
            result.stderr)
        result = run("-platform", "no-such-platform", env=german)
        self.assertEqual(result.returncode, 1)
        self.assertIn("cantabell: Anzeige (Plattform „no-such-platform“) kann nicht geöffnet "
                      "werden", result.stderr)

    def test_manual_page_lists_what_help_prints(self):
        in_help = help_options(run("--help").stdout)
        in_manual, text = manual_options()
        self.assertEqual(in_manual, in_help)
        self.assertIn("cantabell 1.0", text)


if __name__ == "__main__":
    PROGRAM, MANUAL = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0], "-v"] + sys.argv[3:])
