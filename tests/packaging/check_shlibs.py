# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the Debian package names, directly or through its dependencies, every package
whose shared libraries the installed program loads when it starts on an X display.

The package is unpacked into a temporary folder and its program started on a private Xvfb
with the dynamic loader's trace on (LD_DEBUG=files): that trace lists every object loaded,
plugins and libraries opened with dlopen included, even those closed again. The owner of each
object (dpkg -S) must be in the closure of the package's Depends and Recommends over the
installed packages' Depends and Pre-Depends.

Usage: check_shlibs.py <package.deb> <tests/e2e, the folder of the cantabell_e2e package>
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

def control_field(deb, field):
    return subprocess.run(["dpkg-deb", "-f", deb, field], check=True, capture_output=True,
                          text=True).stdout.strip()


def relation_names(text):
    """Package names in a Depends-style field: every alternative, without versions or
    architecture qualifiers."""
    names = []
    for group in text.split(","):
        for alternative in group.split("|"):
            name = re.split(r"[\s(:\[]", alternative.strip(), maxsplit=1)[0]
            if name:
                names.append(name)
    return names


def installed_packages():
    """{package: (depends text, provides names)} for every installed package."""
    out = subprocess.run(
        ["dpkg-query", "-W", "-f", "${Package}\t${Status}\t${Depends}, ${Pre-Depends}\t${Provides}\n"],
        check=True, capture_output=True, text=True).stdout
    packages = {}
    for line in out.splitlines():
        name, status, depends, provides = line.split("\t")
        if status.endswith(" installed"):
            packages[name] = (depends, relation_names(provides))
    return packages


def closure(roots, packages):
    """Every installed package reachable from `roots` through Depends and Pre-Depends; a
    virtual package stands for each installed package that provides it."""
    providers = {}
    for name, (_, provides) in packages.items():
        for virtual in provides:
            providers.setdefault(virtual, []).append(name)
    seen, todo = set(), list(roots)
    while todo:
        name = todo.pop()
        for real in [name] + providers.get(name, []):
            if real in seen or real not in packages:
                continue
            seen.add(real)
            todo.extend(relation_names(packages[real][0]))
    return seen


def owners_of(paths):
    """{path: package that installed it, or None}, asking dpkg once per spelling of a merged
    /usr (the loader may name /usr/lib/x where dpkg knows /lib/x, or the other way)."""
    def spellings(path):
        real = os.path.realpath(path)
        yield path
        yield real
        for p in (path, real):
            if p.startswith("/usr/lib/"):
                yield p[len("/usr"):]
            elif p.startswith("/lib/"):
                yield "/usr" + p

    result = {path: None for path in paths}
    for round in range(4):
        asked = {}
        for path, package in result.items():
            if package is None:
                candidates = list(dict.fromkeys(spellings(path)))
                if round < len(candidates):
                    asked[candidates[round]] = path
        if not asked:
            break
        out = subprocess.run(["dpkg-query", "-S"] + sorted(asked), capture_output=True,
                             text=True).stdout
        for line in out.splitlines():
            if line.startswith("diversion ") or ": " not in line:
                continue
            packages, found = line.split(": ", 1)
            if found in asked:
                result[asked[found]] = packages.split(",")[0].split(":")[0].strip()
    return result


def loaded_objects(binary, e2e_dir, trace_prefix):
    """Starts the program under Xvfb with the loader's trace on, lets it play its first melody
    (the sound output opens then) and returns the paths of every object loaded."""
    sys.path.insert(0, e2e_dir)
    from cantabell_e2e import Session

    env = {"LD_DEBUG": "files", "LD_DEBUG_OUTPUT": trace_prefix, "SDL_AUDIODRIVER": None,
           "SDL_DISKAUDIOFILE": None}
    with Session(binary, extra_env=env, fake_date=None) as session:
        time.sleep(3.5)  # the first melody starts 2.5 s after the window appears
        pid = session.app.pid
        alive = session.app.poll() is None
    if not alive:
        raise SystemExit("the program ended on its own")
    paths = set()
    with open("%s.%d" % (trace_prefix, pid), errors="replace") as trace:
        for line in trace:
            # Every object the loader maps runs its initialisers, named by their full path;
            # a dlopen by path names it too (Qt's plugin loader also names files it only
            # tried, which do not exist).
            match = re.search(r"calling init: (/\S+)|file=(/\S+) \[\d+\];", line)
            if match and os.path.exists(match.group(1) or match.group(2)):
                paths.add(match.group(1) or match.group(2))
    return paths


def main():
    deb, e2e_dir = sys.argv[1:3]
    tmp = tempfile.mkdtemp(prefix="cantabell-shlibs-")
    try:
        subprocess.run(["dpkg-deb", "-x", deb, tmp], check=True)
        binary = os.path.join(tmp, "usr/games/cantabell")
        paths = loaded_objects(binary, e2e_dir, os.path.join(tmp, "ld-trace"))
    finally:
        shutil.rmtree(tmp, ignore_errors=True)
    roots = relation_names(control_field(deb, "Depends")) + relation_names(
        control_field(deb, "Recommends"))
    named = closure(roots, installed_packages())
    owners = {}
    for path, package in sorted(owners_of(paths).items()):
        owners.setdefault(package, []).append(path)
    print("Depends/Recommends: %s" % ", ".join(roots))
    failures = []
    for package, files in sorted(owners.items(), key=lambda item: str(item[0])):
        ok = package in named
        print("%-28s %-4s %s" % (package, "ok" if ok else "MISSING", " ".join(
            os.path.basename(f) for f in files)))
        if not ok:
            failures.append(package)
    if len(paths) < 20:
        raise SystemExit("only %d objects in the loader's trace: the trace did not work" % len(paths))
    if failures:
        raise SystemExit("loaded but not named by the package: %s" % ", ".join(map(str, failures)))
    print("%d objects from %d packages, all named by the package" % (len(paths), len(owners)))


if __name__ == "__main__":
    main()
