#!/bin/bash
# Replays every kept recording with --replay-fast, and verifies it with
# --verify (headless: no X display): each must end on the state it holds
# (its "end" line, or for one cut short the line its comment names), so a
# change to the play rules shows up here as a failed replay. Then checks
# that a replay which goes differently is reported as such, both ways.
#
#   replay_recordings.sh GAME DATA_DIR RECORDINGS_DIR
#
# --replay-fast needs an X server in DISPLAY (the test command runs ctest
# under xvfb-run); --verify runs with DISPLAY unset.
set -uo pipefail
# In a sanitizer build, full stacks let the leak suppressions recognise
# what the sound libraries keep until exit.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0"

game=$(realpath "$1") data=$(realpath "$2") recordings=$(realpath "$3")
scratch=$(mktemp -d /tmp/grog-recordings-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
cp -r "$data/Gfx" "$data/Snd" "$scratch/"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$scratch/asound.conf"
export ALSA_CONFIG_PATH="$scratch/asound.conf"
cd "$scratch" || exit 1

failures=0
# replay FILE: runs it the $mode way in the scratch directory with a table
# that any score beats; leaves the status in $rc, the output in out.txt and
# err.txt.
replay() {
  for _ in 1 2 3 4 5 6 7 8 9 10; do printf 'Nobody\n-1\n1\n'; done >High.txt
  if [ "$mode" = --verify ]; then
    env -u DISPLAY timeout 600 "$game" --verify "$1" >out.txt 2>err.txt
  else
    timeout 600 "$game" "$mode" "$1" >out.txt 2>err.txt
  fi
  rc=$?
}

for mode in --replay-fast --verify; do
  for file in "$recordings"/*.rec; do
    name=$(basename "$file")
    expected=$(sed -n 's/^end /game /p' "$file")
    [ -n "$expected" ] || expected=$(sed -n 's/^#.*its replay ends with: //p' "$file")
    replay "$file"
    if [ $rc -eq 0 ] && [ "$(cat out.txt)" = "$expected" ]; then
      echo "ok: $mode $name: $expected"
    else
      echo "FAILED: $mode $name: status $rc, printed \"$(cat out.txt)\", expected \"$expected\""
      grep -v ALSA err.txt | head -5
      failures=$((failures + 1))
    fi
    # A verification saves no name into the score table, though the
    # recording pressed the button: it only checks the game.
    saved=$(sed -n 's/^name saved //p' "$file" | head -1)
    if [ "$mode" = --verify ] && [ -n "$saved" ] && grep -qF "$saved" High.txt; then
      echo "FAILED: --verify $name wrote \"$saved\" into the score table"
      failures=$((failures + 1))
    fi
  done
done

# differs MESSAGE FILE: the replay and the verification must each end with
# status 3 and say why.
differs() {
  for mode in --replay-fast --verify; do
    replay "$2"
    if [ $rc -eq 3 ] && grep -q "went differently from the recording" err.txt; then
      echo "ok: $mode: $1 is reported"
    else
      echo "FAILED: $mode: $1: status $rc, stderr: $(grep -v ALSA err.txt | head -3)"
      failures=$((failures + 1))
    fi
  done
}
sed 's/^end \(.*\) score [0-9]*$/end \1 score 99990/' "$recordings/walk_pause_and_quit.rec" >other_score.rec
differs "a replay ending on another score" other_score.rec
# A title key where the game takes a play step: the rules changed under it.
awk 'NR == 9 { print "title 17165 3" } { print }' "$recordings/walk_pause_and_quit.rec" >title_too_soon.rec
differs "a title key where the game takes a step" title_too_soon.rec
grep -v '^Q$' "$recordings/walk_pause_and_quit.rec" | sed 's/^end steps [0-9]*/# /' >no_quit.rec
echo "end steps 40 level 1 lives 3 score 10" >>no_quit.rec
differs "a game that goes on past the recording's end" no_quit.rec

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all recordings replayed as recorded"
