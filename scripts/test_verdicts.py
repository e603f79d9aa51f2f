#!/usr/bin/env python3
"""Keeps the verdicts of a build tree's tests, so that a rerun with nothing
changed does not run again what already passed.

A test's verdict is kept under a key made of all that can change it:
  - every file of the source tree that git tracks or would track (code,
    scripts, golden pictures, recordings, CMakeLists), path and content,
    but clang-tidy's list of clean units;
  - the build tree's configuration (CMakeCache.txt);
  - the installed packages (dpkg's status file: compiler, Allegro, Xvfb...);
  - the test's own command, working directory and properties, as ctest
    reports them.
A test labelled "verdict-from-command" declares that it reads nothing but
the files and directories its command names (a fuzzer and its seeds): its
key is made of those, path and content, with the installed packages and
its own command and properties, so that a change elsewhere in the tree
does not run it again.
A test labelled "verdict-widget-layer" declares that it runs the widget
layer alone: its key leaves out the game's own parts (GAME_PARTS below),
so that a change to the game or its world does not run it again. The
declaration is checked: when a program its command names (or a program
named inside that one) holds the name of one of those parts, as the debug
data of anything compiled from them does, the test keeps the whole key.
Whatever changes one of these runs the test again; a failed test is never
kept. The verdicts live in the build tree (BUILD_DIR/test-verdicts.txt), so
a fresh clone runs every test, and deleting the file runs them all again.

usage: test_verdicts.py BUILD_DIR snapshot
           takes the digest of the inputs (before the build);
       test_verdicts.py BUILD_DIR pending PLAN
           writes the plan of a run (which tests to run, and every test's
           key) and prints how many passed before with the same inputs;
       test_verdicts.py BUILD_DIR record PLAN JUNIT_FILE
           keeps the verdicts of the plan's kept tests and the passes that
           ctest's JUnit report lists.
"""
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

VERDICTS = "test-verdicts.txt"


def source_files(top):
    listed = subprocess.run(["git", "-C", top, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            capture_output=True)
    if listed.returncode == 0:
        return sorted(set(name for name in listed.stdout.decode().split("\0") if name))
    # Not a git checkout (an unpacked source archive): every file but the
    # build trees.
    names = []
    for root, dirs, files in os.walk(top):
        dirs[:] = [d for d in dirs if not d.startswith("build") and d != ".git"]
        names += [os.path.relpath(os.path.join(root, f), top) for f in files]
    return sorted(names)


def file_digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).digest()


PACKAGES = "/var/lib/dpkg/status"
FROM_COMMAND = "verdict-from-command"

# What the game is made of beside the widget layer: no input of the
# layer's own tests.
GAME_PARTS = ("world/", "game/", "tools/", "Gfx/", "Snd/", "data/",
              "tests/world/", "tests/game/", "tests/tools/", "tests/package/")
WIDGET_LAYER = "verdict-widget-layer"

# clang-tidy's list of clean units, rewritten by every clean analysis:
# what it holds decides no test.
LINT_LIST = "scripts/clang-tidy-clean.txt"


def shared_inputs(top, build):
    """The digests of what every test shares, read once: the whole, and the
    widget layer's (without the game's own parts)."""
    whole, widget_layer = hashlib.sha256(), hashlib.sha256()
    for name in source_files(top):
        if name == LINT_LIST:
            continue
        path = os.path.join(top, name)
        entry = name.encode() + b"\0"
        if os.path.isfile(path):  # a deleted file still listed by git
            entry += file_digest(path)
        whole.update(entry)
        if not name.startswith(GAME_PARTS):
            widget_layer.update(entry)
    for path in (os.path.join(build, "CMakeCache.txt"), PACKAGES):
        if os.path.exists(path):
            digest = file_digest(path)
            whole.update(digest)
            widget_layer.update(digest)
    return [whole.digest(), widget_layer.digest()]


def labels_of(test):
    for prop in test.get("properties", []):
        if prop.get("name") == "LABELS":
            return prop.get("value", [])
    return []


def named_paths(command):
    """The absolute paths that exist among the words of a command, and
    among the words of a shell command line given to it."""
    paths = set()
    for word in command or []:
        try:
            words = shlex.split(word) if " " in word else [word]
        except ValueError:
            words = [word]
        paths.update(w for w in words if os.path.isabs(w) and os.path.exists(w))
    return sorted(paths)


def command_inputs(test):
    """The key of a test that reads only what its command names."""
    h = hashlib.sha256(FROM_COMMAND.encode())
    if os.path.exists(PACKAGES):
        h.update(file_digest(PACKAGES))
    for path in named_paths(test.get("command")):
        files = [path]
        if os.path.isdir(path):
            files = sorted(os.path.join(root, f) for root, _, names in os.walk(path) for f in names)
        for name in files:
            h.update(name.encode() + b"\0")
            if os.path.isfile(name):
                h.update(file_digest(name))
    return h.digest()


def is_elf(path):
    try:
        with open(path, "rb") as f:
            return f.read(4) == b"\x7fELF"
    except OSError:
        return False


PATH_IN_PROGRAM = re.compile(rb"/[A-Za-z0-9_./+-]{3,}")


# Program path -> (whether it holds the name of one of the game's parts,
# the programs whose absolute paths it holds).
PROGRAMS = {}


def program_facts(path):
    if path not in PROGRAMS:
        facts = (False, [])
        if is_elf(path):
            with open(path, "rb") as f:
                data = f.read()
            named = set(m.decode() for m in PATH_IN_PROGRAM.findall(data))
            facts = (any(part.encode() in data for part in GAME_PARTS),
                     sorted(p for p in named if os.path.isfile(p)))
        PROGRAMS[path] = facts
    return PROGRAMS[path]


def runs_widget_layer_alone(test):
    """Whether no program the test's command names, nor any program named
    inside one of those, holds the name of one of the game's parts."""
    todo = [p for p in named_paths(test.get("command")) if os.path.isfile(p)]
    seen = set()
    while todo:
        path = todo.pop()
        if path in seen:
            continue
        seen.add(path)
        names_part, named = program_facts(path)
        if names_part:
            return False
        todo += named
    return True


def tests_of(build):
    listed = subprocess.run(["ctest", "--test-dir", build, "--show-only=json-v1"], capture_output=True,
                            text=True, check=True)
    return json.loads(listed.stdout).get("tests", [])


SNAPSHOT = "test-inputs.digest"


def snapshot(top, build):
    """Takes the digests of the inputs before the build, so that a source
    edited while the build and the run go on can only make a later run test
    again, never keep a verdict it did not earn."""
    with open(os.path.join(build, SNAPSHOT), "w") as f:
        f.writelines(digest.hex() + "\n" for digest in shared_inputs(top, build))


def keys_of(top, build):
    path = os.path.join(build, SNAPSHOT)
    digests = []
    if os.path.exists(path):
        with open(path) as f:
            digests = [bytes.fromhex(line.strip()) for line in f if line.strip()]
    if len(digests) != 2:
        digests = shared_inputs(top, build)
    shared, widget_layer = digests
    keys = {}
    for test in tests_of(build):
        labels = labels_of(test)
        if FROM_COMMAND in labels:
            base = command_inputs(test)
        elif WIDGET_LAYER in labels and runs_widget_layer_alone(test):
            base = widget_layer
        else:
            base = shared
        h = hashlib.sha256(base)
        h.update(json.dumps(test, sort_keys=True).encode())
        keys[test["name"]] = h.hexdigest()
    return keys


def kept(build):
    path = os.path.join(build, VERDICTS)
    if not os.path.exists(path):
        return {}
    verdicts = {}
    with open(path) as f:
        for line in f:
            key, _, name = line.rstrip("\n").partition(" ")
            if name:
                verdicts[name] = key
    return verdicts


def pending(top, build, plan):
    """Writes the plan of a run: each test with its key, "kept" when it
    passed before under that key, "run" otherwise. Taken after the build,
    which is when a tree knows its GoogleTest cases."""
    keys, passed = keys_of(top, build), kept(build)
    todo = 0
    with open(plan, "w") as f:
        for name, key in keys.items():
            state = "kept" if passed.get(name) == key else "run"
            todo += state == "run"
            f.write("%s %s %s\n" % (state, key, name))
    print("%s: %d of %d tests passed before with the same inputs; %d to run"
          % (build, len(keys) - todo, len(keys), todo))


def record(build, plan, junit):
    passed, planned = {}, {}
    with open(plan) as f:
        for line in f:
            state, key, name = line.rstrip("\n").split(" ", 2)
            planned[name] = key
            if state == "kept":
                passed[name] = key
    if os.path.exists(junit):
        for case in ElementTree.parse(junit).getroot().iter("testcase"):
            name = case.get("name")
            ok = case.get("status") == "run" and case.find("failure") is None and case.find("error") is None
            if name in planned and ok:
                passed[name] = planned[name]
    path = os.path.join(build, VERDICTS)
    with open(path + ".new", "w") as f:
        f.writelines("%s %s\n" % (key, name) for name, key in sorted(passed.items()))
    os.replace(path + ".new", path)


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    if sys.argv[2:3] == ["snapshot"] and len(sys.argv) == 3:
        snapshot(top, sys.argv[1])
    elif sys.argv[2:3] == ["pending"] and len(sys.argv) == 4:
        pending(top, sys.argv[1], sys.argv[3])
    elif sys.argv[2:3] == ["record"] and len(sys.argv) == 5:
        record(sys.argv[1], sys.argv[3], sys.argv[4])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
