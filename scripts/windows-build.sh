#!/bin/bash
# Builds the Windows game, the Windows sloopgui (sloopgui.dll with its import
# library, and the static archive) and their tests into build/windows, with
# mingw-w64 for 64-bit Windows:
#
#   windows-build.sh [CMAKE_ARGS...]
#
# Allegro and libpng are built from Debian's sources first, once per
# machine (scripts/windows-deps.sh). The build runs a few of its own
# programs (the asset makers) under Wine, in a prefix made for the build
# and removed after it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
deps=$(bash scripts/windows-deps.sh)
dir=build/windows

# One Wine prefix for the whole build (windows/wine-run.sh), unless the
# caller (scripts/windows-test.sh) made one for its whole run.
if [ -z "${GROG_WINE_SCRATCH:-}" ]; then
  export GROG_WINE_SCRATCH
  GROG_WINE_SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/grog-windows-build.XXXXXX")
  end_wine() {
    WINEPREFIX=$GROG_WINE_SCRATCH/prefix timeout 30 wineserver -k 2>/dev/null || true
    WINEPREFIX=$GROG_WINE_SCRATCH/prefix timeout 30 wineserver -w 2>/dev/null || true
    rm -rf "$GROG_WINE_SCRATCH"
  }
  trap end_wine EXIT
fi

# A tree configured with other dependencies (their sources, patches or
# toolchain changed since) is configured afresh: CMake keeps what
# pkg-config found, paths into the old build, in its cache.
if [ "$(cat "$dir/windows-deps.txt" 2>/dev/null)" != "$deps" ]; then
  rm -f "$dir/CMakeCache.txt"
fi

# Allegro's and libpng's pkg-config files, never the host's.
export PKG_CONFIG_LIBDIR=$deps/lib/pkgconfig
unset PKG_CONFIG_PATH
bash scripts/configure.sh "$dir" -DCMAKE_TOOLCHAIN_FILE="$PWD/windows/toolchain-x86_64-w64-mingw32.cmake" \
  -DGROG_WINDOWS_DEPS="$deps" -DCMAKE_BUILD_TYPE=Release "$@"
echo "$deps" >"$dir/windows-deps.txt"
# The test command keeps the verdicts of the tests: their inputs are taken
# before the build.
if [ "${GROG_WINDOWS_VERDICTS:-0}" = 1 ]; then python3 scripts/test_verdicts.py "$dir" snapshot; fi
nice cmake --build "$dir" -j"$(nproc)"
