#!/usr/bin/env python3
"""Runs clang-tidy on every translation unit of a compile database, in
parallel, and fails on any finding.

A full run takes minutes (the path-sensitive analyzer over Allegro's and
GoogleTest's headers), so a unit found clean is remembered, keyed by all
that decides clang-tidy's verdict on it:
  - the unit as the compiler sees it: its preprocessed text (so every
    header it includes, project or system, is in it), and the whole text of
    each of the tree's own files it includes (so every NOLINT is in it), the
    tree's own path taken out so another checkout of the same sources finds
    the same key;
  - its compile command, without the source, output and dependency files;
  - .clang-tidy;
  - the clang-tidy version: the LLVM release and the target it analyses
    for, not the rest of `clang-tidy --version`, whose "Host CPU" line names
    the machine's processor and would make every key differ between two
    machines of the same Debian release (see verdict_version).
The tree's own path is the only path taken out: every other path in the key
(system headers, the compiler) is the same on every Debian 12 machine with
the same packages, and the preprocessor's output depends on no locale.
Whatever changes one of these analyses the unit again; an unchanged unit is
skipped. Preprocessing costs a fraction of a second a unit, the analysis
many seconds.

Clean keys are kept in two places:
  - on this machine, in $GROG_LINT_CACHE or else
    ${XDG_CACHE_HOME:-~/.cache}/grog-sloop/clang-tidy, one empty file per
    key, shared by every clone and worktree; only a run here writes them;
  - in the repository, scripts/clang-tidy-clean.txt ("KEY UNIT" lines), so
    a fresh clone does not analyse again what its commit's author found
    clean. A run only reads it (the test command never changes a tracked
    file); `--write-list` (scripts/lint.sh list) analyses what is needed
    and, when everything is clean, rewrites it to the keys of the units as
    they are now: run it before committing, and commit the list with the
    change. `--check-list` fails when the list is not the one that step
    would write.
A stale line (a unit changed since) matches no key and is dropped at the
next rewrite. A line written by hand cannot stand for a unit it was not
computed from; one forged from a unit's real key to hide a finding is
caught by sampling: of the units only the repository vouches for, a few
are analysed anyway (SAMPLE_NEWEST of the lines the list's newest commit
wrote, and SAMPLE_RANDOM more), drawn afresh, and a finding there
fails the run like any other; after a clean run the rest count as clean on
this machine too, so each machine samples a vouched key once. Delete the
machine's directory, or set GROG_LINT_ALL=1, to analyse everything again.

usage: clang_tidy_units.py BUILD_DIR JOBS [--write-list | --check-list]
"""
import hashlib
import json
import os
import random
import shlex
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor


def cache_dir():
    if os.environ.get("GROG_LINT_CACHE"):
        return os.environ["GROG_LINT_CACHE"]
    base = os.environ.get("XDG_CACHE_HOME") or os.path.join(os.path.expanduser("~"), ".cache")
    return os.path.join(base, "grog-sloop", "clang-tidy")


KEPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "clang-tidy-clean.txt")
# How many of the units only the repository vouches for are analysed anyway:
# the newest lines first (a line that hides a finding is written by the
# commit that brings the finding), then one at random, so every line is
# drawn now and then. Each costs seconds to a minute of a core.
SAMPLE_NEWEST = 3
SAMPLE_RANDOM = 1


def newest_lines(top):
    """The keys the newest commit of the repository's list wrote, or none
    when git cannot tell."""
    try:
        run = subprocess.run(["git", "log", "-1", "-p", "--format=", "--", os.path.relpath(KEPT, top)],
                             cwd=top, capture_output=True, text=True)
    except OSError:
        return set()
    if run.returncode != 0:
        return set()
    return {line[1:].split()[0] for line in run.stdout.splitlines()
            if line.startswith("+") and not line.startswith("+++") and len(line.split()) == 2}


def sample_of(vouched, top):
    """The vouched units to analyse anyway."""
    if not vouched:
        return []
    newest = [job for job in vouched if job[1] in newest_lines(top)]
    chosen = random.sample(newest, min(SAMPLE_NEWEST, len(newest)))
    rest = [job for job in vouched if job not in chosen]
    return chosen + random.sample(rest, min(SAMPLE_RANDOM, len(rest)))


def verdict_version(text):
    """What of `clang-tidy --version` decides a verdict: the lines naming the
    LLVM version and the default target. The rest says how clang-tidy itself
    was built and on what processor it runs ("Host CPU: znver3"), which
    differs from machine to machine and decides nothing."""
    wanted = [line.strip() for line in text.splitlines()
              if "version" in line.lower() or line.strip().startswith("Default target:")]
    return "\n".join(wanted) + "\n"


def shared_key(tidy_config, version_text):
    """The part of every unit's key that is the same for all units: the
    checks asked for and the clang-tidy release that runs them."""
    return hashlib.sha256(tidy_config + b"\0" + verdict_version(version_text).encode()).digest()


def kept_keys():
    """The keys the repository vouches for."""
    if not os.path.exists(KEPT):
        return set()
    with open(KEPT) as f:
        return {line.split()[0] for line in f if line.strip() and not line.startswith("#")}


def kept_text(clean):
    """The repository's list for the clean units as they are now."""
    return "# clang-tidy found these units clean; see scripts/clang_tidy_units.py\n" + "".join(
        "%s %s\n" % (key, source) for source, key in sorted(clean))


def kept_is_current(clean):
    return os.path.exists(KEPT) and open(KEPT).read() == kept_text(clean)


def write_kept(clean):
    """Rewrites the repository's list, leaving the file untouched when
    nothing changed."""
    if kept_is_current(clean):
        return
    with open(KEPT + ".new", "w") as f:
        f.write(kept_text(clean))
    os.replace(KEPT + ".new", KEPT)


def arguments_of(unit):
    """The unit's compile command, without the precompiled header the build
    forces on the test programs: clang cannot read GCC's compiled form of
    it, and the header only includes what each test includes itself."""
    arguments = list(unit["arguments"]) if "arguments" in unit else shlex.split(unit["command"])
    kept, skip = [], False
    for i, arg in enumerate(arguments):
        if skip:
            skip = False
        elif arg == "-include" and i + 1 < len(arguments) and arguments[i + 1].endswith("cmake_pch.hxx"):
            skip = True
        elif arg != "-Winvalid-pch":
            kept.append(arg)
    return kept


def write_database(units, directory):
    """A compile database of the units as clang-tidy is to see them."""
    entries = [{"directory": unit.get("directory", ""), "file": unit["file"], "arguments": arguments_of(unit)}
               for unit in units]
    with open(os.path.join(directory, "compile_commands.json"), "w") as f:
        json.dump(entries, f)


# Options that name the unit's output files or what the build learns of its
# dependencies: they do not change what clang-tidy finds, and they differ
# between build tools (make and Ninja place them differently).
OUTPUT_OPTIONS = ("-o", "-MT", "-MF", "-MQ")
DEPENDENCY_FLAGS = ("-MD", "-MMD", "-c")


def verdict_arguments(arguments, source):
    """The unit's compile command without its source, outputs and
    dependency bookkeeping."""
    kept, skip = [], False
    for arg in arguments:
        if skip:
            skip = False
        elif arg in OUTPUT_OPTIONS:
            skip = True
        elif arg != source and arg not in DEPENDENCY_FLAGS:
            kept.append(arg)
    return kept


def preprocess_command(arguments, source):
    """The unit's compile command turned into one that writes its
    preprocessed text to standard output. The directory it is compiled in
    is left out of the text (it is there for the debugger only), so that
    make's and Ninja's trees give the same text. Comments are not kept: that
    would make the text five times longer and the preprocessor six times
    slower; the key takes the tree's own files whole instead."""
    return verdict_arguments(arguments, source) + ["-E", "-fno-working-directory", source]


class FileDigests:
    """The digest of each file read, once a run: units share most headers."""

    def __init__(self):
        self.known = {}

    def __call__(self, path):
        if path not in self.known:
            try:
                with open(path, "rb") as f:
                    self.known[path] = hashlib.sha256(f.read()).hexdigest()
            except OSError:
                self.known[path] = None
        return self.known[path]


def included_files(text, directory):
    """Every file the preprocessed text came from, from its line markers."""
    files = set()
    for line in text.splitlines():
        if line.startswith(b"# ") and b' "' in line:
            name = line.split(b' "', 1)[1].rsplit(b'"', 1)[0].decode(errors="replace")
            if not name.startswith("<"):
                files.add(os.path.normpath(os.path.join(directory, name)))
    return sorted(files)


def known_key(unit_id, digests, manifests):
    """The key of a unit whose every file reads as it did when the key was
    taken, without preprocessing it again."""
    path = os.path.join(manifests, unit_id)
    try:
        with open(path) as f:
            manifest = json.load(f)
    except (OSError, ValueError):
        return None
    if all(digests(name) == digest for name, digest in manifest["files"]):
        return manifest["key"]
    return None


def unit_key(unit, top, shared, digests, manifests):
    """The unit's key, from its manifest when nothing it reads has changed
    (as a compiler cache's direct mode does), else from its preprocessed
    text, after which the manifest is written again."""
    source = unit["file"]
    directory = unit.get("directory", top)
    arguments = arguments_of(unit)
    unit_id = hashlib.sha256(json.dumps([directory, source, arguments]).encode() + shared).hexdigest()
    key = known_key(unit_id, digests, manifests)
    if key is not None:
        return key
    key, text = preprocessed_key(unit, top, shared, digests)
    if key is not None:
        files = included_files(text, directory)
        with open(os.path.join(manifests, unit_id), "w") as f:
            json.dump({"key": key, "files": [(name, digests(name)) for name in files]}, f)
    return key


def preprocessed_key(unit, top, shared, digests):
    source = unit["file"]
    arguments = arguments_of(unit)
    directory = unit.get("directory", top)
    run = subprocess.run(preprocess_command(arguments, source), cwd=directory, capture_output=True)
    if run.returncode != 0:
        return None, None  # clang-tidy will say what is wrong
    flags = verdict_arguments(arguments, source)
    # The tree's own files whole, comments and all: their NOLINTs decide
    # verdicts, and the preprocessed text has no comments.
    own = [name for name in included_files(run.stdout, directory) if name.startswith(top + os.sep)]
    h = hashlib.sha256()
    for part in (shared, " ".join(flags).replace(top, "@TOP@").encode(), source.replace(top, "@TOP@").encode(),
                 run.stdout.replace(top.encode(), b"@TOP@"),
                 "".join("%s %s\n" % (os.path.relpath(name, top), digests(name)) for name in own).encode()):
        h.update(part)
        h.update(b"\0")
    return h.hexdigest(), run.stdout


def main():
    build, jobs = sys.argv[1], int(sys.argv[2])
    mode = sys.argv[3] if len(sys.argv) > 3 else ""
    top = os.getcwd()
    # The project's own sources: not what the build generates into its tree
    # (an icon's table, the README's example), which exists only once built.
    generated = os.path.join(os.path.abspath(build), "")
    units = [unit for unit in json.load(open(os.path.join(build, "compile_commands.json")))
             if unit["file"].startswith(top + os.sep) and not unit["file"].startswith(generated)
             and os.path.exists(unit["file"])]
    version = subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True, check=True).stdout
    with open(".clang-tidy", "rb") as f:
        shared = shared_key(f.read(), version)
    clean_dir = cache_dir()
    os.makedirs(clean_dir, exist_ok=True)

    manifests = os.path.join(clean_dir, "manifests")
    os.makedirs(manifests, exist_ok=True)
    digests = FileDigests()
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        keys = list(pool.map(lambda unit: unit_key(unit, top, shared, digests, manifests), units))
    current = [(os.path.relpath(unit["file"], top), key) for unit, key in zip(units, keys) if key is not None]
    if mode == "--check-list":
        if kept_is_current(current):
            print("clang-tidy: the repository's list holds the units as they are now")
            return 0
        print("clang-tidy: %s is stale: run `bash scripts/lint.sh list` and commit it" % os.path.relpath(KEPT, top))
        return 1
    everything = os.environ.get("GROG_LINT_ALL") == "1"
    here = lambda key: key is not None and os.path.exists(os.path.join(clean_dir, key))
    kept = set() if everything else kept_keys()
    sources = [os.path.relpath(unit["file"], top) for unit in units]
    todo = [(source, key) for source, key in zip(sources, keys) if everything or not (here(key) or key in kept)]
    vouched = [(source, key) for source, key in zip(sources, keys) if key in kept and not here(key)]
    sampled = sample_of(vouched, top) if not everything else []
    database = tempfile.mkdtemp(prefix="clang-tidy-units.")
    write_database(units, database)

    def tidy(job):
        source, key = job
        run = subprocess.run(["clang-tidy", "-p", database, "--quiet", os.path.join(top, source)],
                             capture_output=True, text=True)
        if run.returncode == 0 and key is not None:
            open(os.path.join(clean_dir, key), "w").close()
        return source, run.returncode, run.stdout + run.stderr

    failed = 0
    try:
        with ThreadPoolExecutor(max_workers=jobs) as pool:
            for source, status, output in pool.map(tidy, todo + sampled):
                if status != 0:
                    failed += 1
                    sys.stdout.write(output)
    finally:
        shutil.rmtree(database, ignore_errors=True)
    print("clang-tidy: %d units analysed (%d of them only to check the repository's list), "
          "%d unchanged since a clean run (here: %s; in the repository: %s), %d with findings"
          % (len(todo) + len(sampled), len(sampled), len(units) - len(todo),
             clean_dir, os.path.relpath(KEPT, top), failed))
    if failed:
        return 1
    # The sample found the list honest: what it vouches for counts as clean
    # on this machine too, so the next run here samples nothing again.
    for _, key in vouched:
        open(os.path.join(clean_dir, key), "w").close()
    if mode == "--write-list":
        write_kept(current)
        print("clang-tidy: %s holds the units as they are now" % os.path.relpath(KEPT, top))
    elif not kept_is_current(current):
        print("clang-tidy: %s does not hold every unit as it is now; before committing run "
              "`bash scripts/lint.sh list` and commit it" % os.path.relpath(KEPT, top))
    return 0


if __name__ == "__main__":
    sys.exit(main())
