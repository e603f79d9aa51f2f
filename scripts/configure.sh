#!/bin/bash
# Configures a build tree the same way for every script that builds one, so
# that playing, linting and testing share build/ without rebuilding it:
#
#   configure.sh BUILD_DIR [CMAKE_ARGS...]
#
# - Ninja when it is installed: its build with nothing to do takes a blink,
#   make's several seconds. A tree keeps the generator it was made with.
# - ccache when it is installed (never required), one cache for every clone
#   and worktree of the sources (paths are taken relative to the tree).
# - The compile database, which clang-tidy reads.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
options=(-DCMAKE_EXPORT_COMPILE_COMMANDS=ON)
if [ ! -f "$dir/CMakeCache.txt" ] && command -v ninja >/dev/null; then
  options+=(-G Ninja)
fi
if command -v ccache >/dev/null; then
  # Objects found in the cache keep the directory they were first compiled
  # in, for the debugger: the price of sharing the cache between checkouts.
  # The test programs' precompiled header is cached only with these.
  launcher="env;CCACHE_BASEDIR=$PWD;CCACHE_NOHASHDIR=1;CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime;ccache"
  options+=("-DCMAKE_CXX_COMPILER_LAUNCHER=$launcher" "-DCMAKE_C_COMPILER_LAUNCHER=$launcher")
fi
exec cmake -S . -B "$dir" "${options[@]}" "$@"
