#!/usr/bin/env python3
"""Runs clang-tidy on every translation unit of a compile database, in
parallel, and fails on any finding.

A full run takes minutes (the path-sensitive analyzer over Allegro's and
GoogleTest's headers), so a unit found clean is remembered, keyed by all
that decides clang-tidy's verdict on it:
  - the unit as the compiler sees it: its preprocessed text with comments
    kept (so every header it includes, project or system, and every NOLINT
    is in it), the tree's own path taken out so another checkout of the same
    sources finds the same key;
  - its compile command, with the source and output names taken out;
  - .clang-tidy;
  - the clang-tidy version.
Whatever changes one of these analyses the unit again; an unchanged unit is
skipped. Preprocessing costs a fraction of a second a unit, the analysis
many seconds.

The clean keys live outside the tree, in $GROG_LINT_CACHE or else
${XDG_CACHE_HOME:-~/.cache}/grog-sloop/clang-tidy, one empty file per key,
so that every clone and worktree on a machine shares them. Nothing is kept
in the repository: a fresh machine analyses every unit, and no hand-edited
or stale entry can stand for a run that did not happen. Delete the
directory to analyse everything again.

usage: clang_tidy_units.py BUILD_DIR JOBS
"""
import hashlib
import json
import os
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor


def cache_dir():
    if os.environ.get("GROG_LINT_CACHE"):
        return os.environ["GROG_LINT_CACHE"]
    base = os.environ.get("XDG_CACHE_HOME") or os.path.join(os.path.expanduser("~"), ".cache")
    return os.path.join(base, "grog-sloop", "clang-tidy")


def arguments_of(unit):
    if "arguments" in unit:
        return list(unit["arguments"])
    return shlex.split(unit["command"])


def preprocess_command(arguments, source):
    """The unit's compile command turned into one that writes its
    preprocessed text, comments kept, to standard output."""
    command, skip = [], False
    for arg in arguments:
        if skip:
            skip = False
            continue
        if arg == "-o":
            skip = True
            continue
        if arg in ("-c", source) or arg.startswith("-M"):
            continue
        command.append(arg)
    return command + ["-E", "-C", source]


def unit_key(unit, top, shared):
    source = unit["file"]
    arguments = arguments_of(unit)
    run = subprocess.run(preprocess_command(arguments, source), cwd=unit.get("directory", top),
                         capture_output=True)
    if run.returncode != 0:
        return None  # clang-tidy will say what is wrong
    flags = [arg for arg in arguments if arg != source and not arg.endswith(".o")]
    h = hashlib.sha256()
    for part in (shared, " ".join(flags).replace(top, "@TOP@").encode(), source.replace(top, "@TOP@").encode(),
                 run.stdout.replace(top.encode(), b"@TOP@")):
        h.update(part)
        h.update(b"\0")
    return h.hexdigest()


def main():
    build, jobs = sys.argv[1], int(sys.argv[2])
    top = os.getcwd()
    units = [unit for unit in json.load(open(os.path.join(build, "compile_commands.json")))
             if unit["file"].startswith(top + os.sep) and os.path.exists(unit["file"])]
    version = subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True, check=True).stdout
    with open(".clang-tidy", "rb") as f:
        shared = hashlib.sha256(f.read() + b"\0" + version.encode()).digest()
    clean_dir = cache_dir()
    os.makedirs(clean_dir, exist_ok=True)

    with ThreadPoolExecutor(max_workers=jobs) as pool:
        keys = list(pool.map(lambda unit: unit_key(unit, top, shared), units))
    todo = [(unit["file"], key) for unit, key in zip(units, keys)
            if key is None or not os.path.exists(os.path.join(clean_dir, key))]

    def tidy(job):
        source, key = job
        run = subprocess.run(["clang-tidy", "-p", build, "--quiet", source], capture_output=True, text=True)
        if run.returncode == 0 and key is not None:
            open(os.path.join(clean_dir, key), "w").close()
        return source, run.returncode, run.stdout + run.stderr

    failed = 0
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        for source, status, output in pool.map(tidy, todo):
            if status != 0:
                failed += 1
                sys.stdout.write(output)
    print("clang-tidy: %d units analysed, %d unchanged since a clean run (%s), %d with findings"
          % (len(todo), len(units) - len(todo), clean_dir, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
