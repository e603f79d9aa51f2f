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
#   lint.sh [format|tidy]     one of the two, or both
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS=${LINT_JOBS:-$(nproc)}
part=${1:-all}

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
