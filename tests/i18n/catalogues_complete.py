#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every catalogue in res/translations is complete for today's sources.

lupdate is run on a copy of each catalogue against the folders that hold player-visible texts;
afterwards no entry may be unfinished (a text the sources have and the catalogue lacks),
vanished or obsolete (one the sources lost), or empty. Each translation keeps its source's
place markers (%1, %n), its one mnemonic and its shortcut after the tab.

Usage: catalogues_complete.py LUPDATE SOURCE_ROOT
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

TEXT_FOLDERS = ["app", "window", "access", "dialogs", "render", "hyperlink", "res/forms"]


def markers(text):
    return sorted(re.findall(r"%(?:n|\d)", text))


def mnemonics(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def check_message(name, context, message, problems):
    source = message.findtext("source")
    translation = message.find("translation")
    kind = translation.get("type")
    where = "%s: %s: %r" % (name, context, source)
    if kind in ("unfinished", "vanished", "obsolete"):
        problems.append("%s is %s" % (where, kind))
        return
    forms = [f.text or "" for f in translation.findall("numerusform")]
    if message.get("numerus") != "yes":
        forms = [translation.text or ""]
    for form in forms:
        if not form.strip():
            problems.append("%s has an empty translation" % where)
        # A form for exactly one or two may spell the number out; the others show it.
        elif markers(form) != markers(source) and not (len(forms) > 1 and "%n" not in form
                                                       and markers(form) == [m for m in markers(source) if m != "%n"]):
            problems.append("%s: markers %s in %r" % (where, markers(source), form))
        if mnemonics(source) != mnemonics(form):
            problems.append("%s: %d mnemonic(s) in %r" % (where, mnemonics(source), form))
        if "\t" in source and form.split("\t")[-1] != source.split("\t")[-1]:
            problems.append("%s: shortcut lost in %r" % (where, form))


def main():
    lupdate, root = sys.argv[1], sys.argv[2]
    catalogues = sorted(glob.glob(os.path.join(root, "res", "translations", "cantabell_*.ts")))
    if not catalogues:
        print("no catalogues found")
        return 1
    folders = [f for f in TEXT_FOLDERS if os.path.isdir(os.path.join(root, f))]
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        copies = []
        for path in catalogues:
            copy = os.path.join(tmp, os.path.basename(path))
            shutil.copy(path, copy)
            copies.append(copy)
        result = subprocess.run([lupdate, "-locations", "none"] + folders + ["-ts"] + copies,
                                cwd=root, capture_output=True, text=True)
        if result.returncode != 0:
            print(result.stdout + result.stderr)
            return 1
        for copy in copies:
            name = os.path.basename(copy)
            for context in ET.parse(copy).getroot().iter("context"):
                for message in context.iter("message"):
                    check_message(name, context.findtext("name"), message, problems)
    for problem in problems:
        print(problem)
    print("%d catalogues, %d problems" % (len(catalogues), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
