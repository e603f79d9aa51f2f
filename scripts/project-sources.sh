#!/bin/bash
# Prints the project's own C++ sources, one a line, relative to the top of
# the tree: what scripts/format.sh formats and scripts/lint.sh checks.
# In a clone, the tracked files (build trees and scratch files never count);
# in an unpacked source tree, the sources under the project's folders.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -- '*.cpp' '*.h' '*.c'
else
  find game world widgets Gfx Snd tools examples tests -name '*.cpp' -o -name '*.h' -o -name '*.c' | sort
fi
