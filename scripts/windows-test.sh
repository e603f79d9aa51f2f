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
# With GROG_WINDOWS_VERDICTS=1 (the test command), a test that passed is
# not run again while nothing that decides it has changed, as in the Linux
# builds (scripts/test_verdicts.py; the inputs are taken before the build).
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
  set -uo pipefail
  bash scripts/windows-build.sh || exit 1
  choice=()
  if [ "${GROG_WINDOWS_VERDICTS:-0}" = 1 ]; then
    python3 scripts/test_verdicts.py build/windows pending build/windows/test-plan.txt
    numbers=$(awk "\$1 == \"run\" { print NR }" build/windows/test-plan.txt | paste -sd,)
    if [ -z "$numbers" ]; then
      echo "every test passed before with the same inputs"
      exit 0
    fi
    [ "$(grep -c "^kept" build/windows/test-plan.txt)" -gt 0 ] && choice=(-I "0,0,0,$numbers")
    rm -f build/windows/test-results.xml
    choice+=(--output-junit "$PWD/build/windows/test-results.xml")
  fi
  GROG_WINE_TIMEOUT=900 windows/wine-run.sh wineboot --init >/dev/null 2>&1 || exit 1
  status=0
  ctest --test-dir build/windows --output-on-failure -j "$(nproc)" "${choice[@]}" "$@" || status=1
  if [ "${GROG_WINDOWS_VERDICTS:-0}" = 1 ]; then
    python3 scripts/test_verdicts.py build/windows record build/windows/test-plan.txt build/windows/test-results.xml
  fi
  exit $status' windows-test "$@"
