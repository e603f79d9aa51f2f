#!/bin/bash
# Verifies every kept recording with the Windows game under Wine
# (--verify: headless), in a scratch folder holding the game's data, each
# to the summary line it holds (its "end" line, or for one cut short the
# line its comment names): a recording made on Linux verifies on Windows
# to the same end.
#   verify_recordings.sh SOURCE GAME.exe DATA_DIR RECORDINGS_DIR DLL_DIR
set -uo pipefail
source=$1 game=$2 data=$3 recordings=$4 dlls=$5
scratch=$(mktemp -d /tmp/grog-windows-recordings-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
cp -r "$data/Gfx" "$data/Snd" "$scratch/"
cd "$scratch" || exit 1

failures=0
for file in "$recordings"/*.rec; do
  name=$(basename "$file")
  expected=$(sed -n 's/^end /game /p' "$file")
  [ -n "$expected" ] || expected=$(sed -n 's/^#.*its replay ends with: //p' "$file")
  for _ in 1 2 3 4 5 6 7 8 9 10; do printf 'Nobody\n-1\n1\n'; done >High.txt
  GROG_WINE_TIMEOUT=120 "$source/windows/wine-run.sh" --dll-dir "$dlls" \
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
