#!/bin/bash
# Runs one Windows program under Wine, as CTest's cross-compiling emulator
# and for the build steps that run a program made here:
#
#   wine-run.sh [--dll-dir DIR]... PROGRAM [ARGS...]
#
# - Wine's prefix, HOME and XDG_CACHE_HOME lie in $GROG_WINE_SCRATCH when
#   the caller made that for a whole run (the Windows build and its tests
#   do, and end the prefix's wineserver after); otherwise in a fresh scratch
#   directory, removed afterwards. Never the user's own ~/.wine.
# - Wine's menu builder is off (it would write desktop files into HOME) and
#   its debug chatter is quiet.
# - A hard timeout ($GROG_WINE_TIMEOUT seconds, default 600) ends a stuck
#   program, and a prefix made here has its wineserver ended by that prefix,
#   so nothing is left behind.
# - The DLLs the program needs are found in each DIR (Wine's search path).
# The program's exit status is this script's; 124 means the timeout hit.
set -uo pipefail

dll_path=""
while [ $# -gt 0 ] && [ "$1" = "--dll-dir" ]; do
  dll_path="${dll_path:+$dll_path;}Z:${2//\//\\}"
  shift 2
done
[ $# -gt 0 ] || { echo "usage: wine-run.sh [--dll-dir DIR]... PROGRAM [ARGS...]" >&2; exit 2; }

scratch=""
base=${GROG_WINE_SCRATCH:-}
if [ -z "$base" ]; then
  scratch=$(mktemp -d "${TMPDIR:-/tmp}/grog-wine.XXXXXX")
  base=$scratch
fi
mkdir -p "$base/home" "$base/cache"
export WINEPREFIX=$base/prefix HOME=$base/home XDG_CACHE_HOME=$base/cache
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
[ -n "$dll_path" ] && export WINEPATH="$dll_path${WINEPATH:+;$WINEPATH}"

timeout -k 10 "${GROG_WINE_TIMEOUT:-600}" wine "$@"
status=$?

if [ -n "$scratch" ]; then
  timeout 30 wineserver -k 2>/dev/null
  timeout 30 wineserver -w 2>/dev/null
  rm -rf "$scratch"
fi
exit $status
