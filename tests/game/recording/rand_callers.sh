#!/bin/bash
# Lists every place in the program that calls rand, srand or random and
# fails when one lies outside the world's sources and the main routine's
# seeding, or when a library the program loads at start calls them: such a
# caller would shift what a seed gives and a replay would go astray.
# A program built without a line table (a Release build, no -g) cannot say
# where its calls come from: the libraries are still checked, then the test
# reports that it cannot check the callers and is skipped (status 77).
#
#   rand_callers.sh GAME SOURCE_DIR
set -uo pipefail
game=$1 source=$(realpath "$2")

status=0
for library in $(ldd "$game" | awk '$3 ~ /^\// { print $3 }'); do
  if grep -qwE 'rand|srand|random|srandom' <<<"$(nm -D --undefined-only "$library" 2>/dev/null)"; then
    echo "FAILED: $library calls the C library's random numbers"; status=1
  fi
done

if ! grep -qw '\.debug_line' <<<"$(objdump -h "$game")"; then
  echo "SKIPPED: $game has no line table (built without -g), so where it calls rand cannot be read;"
  echo "build with -DCMAKE_BUILD_TYPE=RelWithDebInfo or Debug to check it"
  [ "$status" -eq 0 ] && exit 77
  exit $status
fi

# The source line of each call, from the line table: objdump prints
# "FILE:LINE" before the instructions that came from there.
callers=$(objdump -d -l --no-show-raw-insn "$game" |
  awk '/^\/.*:[0-9]+/ { where = $1 } /call.*<(rand|srand|random|srandom)@plt>/ { print where }' | sort -u)
[ -n "$callers" ] || { echo "FAILED: found no call of rand at all in the line table"; exit 1; }

while read -r where; do
  # The line table names each file from the directory it was compiled in,
  # and a compiler cache may hand back an object compiled in another
  # checkout or build directory: only the path within the project counts.
  file=$(realpath -m "${where%%:*}")
  case "$file" in
    "$source"/*) within=${file#"$source"/} ;;
    *) within=${where%%:*}; within=${within##*../} ;;
  esac
  case "$within" in
    world/*|game/main.cpp) echo "ok: $where" ;;
    *) echo "FAILED: $where ($within in $source) draws from the game's random numbers"; status=1 ;;
  esac
done <<<"$callers"

exit $status
