#!/bin/bash
# Verifies every kept recording with the Windows game under Wine
# (--verify: headless), in a scratch folder holding the game's data, each
# to the summary line it holds (its "end" line, or for one cut short the
# line its comment names): a recording made on Linux verifies on Windows
# to the same end. The score table, which decides whether a game over asks
# for a name, is the player's in the application-data folder on Windows:
# one that any score beats is put there before each.
#   verify_recordings.sh SOURCE GAME.exe DATA_DIR RECORDINGS_DIR DLL_DIR
set -uo pipefail
source=$1 game=$2 data=$3 recordings=$4 dlls=$5
# shellcheck source=wine_prefix.sh
source "$(dirname "$0")/wine_prefix.sh" "$source"
scratch=$(mktemp -d /tmp/grog-windows-recordings-XXXXXX)
trap 'rm -rf "$scratch"; [ -z "${own_wine_scratch:-}" ] || end_own_wine' EXIT
table=$wine_user_dir/AppData/Roaming/grog-sloop/High.txt
mkdir -p "$(dirname "$table")"
cp -r "$data/Gfx" "$data/Snd" "$scratch/"
cd "$scratch" || exit 1

failures=0
# A first start makes the player's score table: that must not touch the
# world's random numbers (the recording below ends before any game over).
rm -f "$table"
first="$recordings/walk_pause_and_quit.rec"
expected=$(sed -n 's/^end /game /p' "$first")
printed=$(GROG_WINE_TIMEOUT=600 "$source/windows/wine-run.sh" --dll-dir "$dlls" "$game" --verify "$first" 2>err.txt |
  tr -d '\r')
if [ "$printed" = "$expected" ] && [ -f "$table" ]; then
  echo "ok: --verify with no score table yet: $expected"
else
  echo "FAILED: --verify with no score table yet printed \"$printed\", expected \"$expected\""
  failures=$((failures + 1))
fi

for file in "$recordings"/*.rec; do
  name=$(basename "$file")
  expected=$(sed -n 's/^end /game /p' "$file")
  [ -n "$expected" ] || expected=$(sed -n 's/^#.*its replay ends with: //p' "$file")
  for _ in 1 2 3 4 5 6 7 8 9 10; do printf 'Nobody\n-1\n1\n'; done >"$table"
  GROG_WINE_TIMEOUT=600 "$source/windows/wine-run.sh" --dll-dir "$dlls" \
    "$game" --verify "$file" >out.txt 2>err.txt
  rc=$?
  printed=$(tr -d '\r' <out.txt)
  if [ $rc -eq 0 ] && [ "$printed" = "$expected" ]; then
    echo "ok: --verify $name: $expected"
  else
    echo "FAILED: --verify $name: status $rc, printed \"$printed\", expected \"$expected\""
    head -5 err.txt
    failures=$((failures + 1))
  fi
done
[ $failures -eq 0 ]
