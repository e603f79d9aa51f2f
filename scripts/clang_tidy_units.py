#!/usr/bin/env python3
"""Runs clang-tidy on every translation unit of a compile database, in
parallel, and fails on any finding.

A full run takes minutes (the path-sensitive analyzer over Allegro's and
GoogleTest's headers), so a unit found clean is remembered: its key is the
unit's source, its compile command, .clang-tidy and every tracked project
header. A unit whose key was clean before is skipped; any change to a header
or to the checks runs every unit again. The memory lives in the build
directory (lint-clean/), so a fresh checkout runs everything.

usage: clang_tidy_units.py BUILD_DIR JOBS
"""
import hashlib
import json
import os
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor


def digest(*parts):
    h = hashlib.sha256()
    for part in parts:
        h.update(part if isinstance(part, bytes) else part.encode())
        h.update(b"\0")
    return h.hexdigest()


def read(path):
    with open(path, "rb") as f:
        return f.read()


def main():
    build, jobs = sys.argv[1], int(sys.argv[2])
    top = os.getcwd()
    units = json.load(open(os.path.join(build, "compile_commands.json")))
    sources = subprocess.run(["bash", "scripts/project-sources.sh"], capture_output=True, text=True,
                             check=True).stdout.split()
    tracked = [name for name in sources if name.endswith(".h")]
    shared = digest(read(".clang-tidy"), *[name.encode() + read(name) for name in sorted(tracked)])
    clean_dir = os.path.join(build, "lint-clean")
    os.makedirs(clean_dir, exist_ok=True)

    todo = []
    for unit in units:
        source = unit["file"]
        if not source.startswith(top + os.sep) or not os.path.exists(source):
            continue
        key = digest(shared, source, unit.get("command", " ".join(unit.get("arguments", []))), read(source))
        if not os.path.exists(os.path.join(clean_dir, key)):
            todo.append((source, key))

    def tidy(job):
        source, key = job
        run = subprocess.run(["clang-tidy", "-p", build, "--quiet", source], capture_output=True, text=True)
        if run.returncode == 0:
            open(os.path.join(clean_dir, key), "w").close()
        return source, run.returncode, run.stdout

    failed = 0
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        for source, status, output in pool.map(tidy, todo):
            if status != 0:
                failed += 1
                sys.stdout.write(output)
    print("clang-tidy: %d units checked, %d unchanged since a clean run, %d with findings"
          % (len(todo), len(units) - len(todo), failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
