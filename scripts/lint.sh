#!/bin/bash
# Fails early on a style slip or a static-analysis finding in the
# project's own sources, before the slow build and tests:
#   1. clang-format --dry-run: every source is laid out as .clang-format says
#      (scripts/format.sh fixes it);
#   2. clang-tidy with .clang-tidy on every translation unit in the compile
#      database of build/ (configured here; configuring is enough, no
#      source includes a generated header). A unit unchanged since it was
#      last found clean is skipped (scripts/clang_tidy_units.py).
# LINT_JOBS sets clang-tidy's parallel jobs (default: the cores).
#
#   lint.sh [format|tidy]     one of the two, or both; changes no tracked file
#   lint.sh list              clang-tidy, then, when clean, brings the
#                             repository's list of clean units
#                             (scripts/clang-tidy-clean.txt) up to date: run
#                             it before committing and commit the list
#   lint.sh list-check        fails when that list is stale (a before-commit
#                             check; it analyses nothing)
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS=${LINT_JOBS:-$(nproc)}
part=${1:-all}

case "$part" in
  list | list-check)
    bash scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    flag=--write-list
    [ "$part" = list-check ] && flag=--check-list
    exec python3 scripts/clang_tidy_units.py build "$JOBS" "$flag"
    ;;
esac

if [ "$part" != tidy ]; then
  echo "lint: clang-format"
  bash scripts/project-sources.sh | xargs -r clang-format --dry-run --Werror
fi

if [ "$part" != format ]; then
  echo "lint: clang-tidy"
  bash scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  python3 scripts/clang_tidy_units.py build "$JOBS"
fi
echo "lint: clean"
