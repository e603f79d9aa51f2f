#!/bin/bash
# The Windows part of the test command: builds build/windows
# (scripts/windows-build.sh) and runs its tests under Wine, in one Wine
# prefix made for this run in a scratch directory (with HOME and
# XDG_CACHE_HOME there too, Wine's menu builder off) and one Xvfb. Every
# Wine run has a hard timeout (windows/wine-run.sh), and the prefix's
# wineserver is ended at the end, whatever happened, so nothing is left
# running or written outside the scratch directory.
#
#   windows-test.sh [CTEST_ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."

export GROG_WINE_SCRATCH
GROG_WINE_SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/grog-windows-test.XXXXXX")
end_wine() {
  WINEPREFIX=$GROG_WINE_SCRATCH/prefix timeout 30 wineserver -k 2>/dev/null || true
  WINEPREFIX=$GROG_WINE_SCRATCH/prefix timeout 30 wineserver -w 2>/dev/null || true
  rm -rf "$GROG_WINE_SCRATCH"
}
trap end_wine EXIT

# Wine's desktop belongs to the X server its prefix first met: the build
# (which runs the asset makers under Wine), the prefix's start and every
# test share one. The prefix is made before the tests, so none of them
# pays for it inside its own timeout.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
  bash scripts/windows-build.sh &&
  GROG_WINE_TIMEOUT=300 windows/wine-run.sh wineboot --init >/dev/null 2>&1 &&
  ctest --test-dir build/windows --output-on-failure -j "$(nproc)" "$@"' windows-test "$@"
