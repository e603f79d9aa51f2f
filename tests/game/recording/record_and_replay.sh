#!/bin/bash
# Records a real game played with synthetic keys and mouse clicks on an X
# server of its own (title key, a pause, the music key, three traps, the
# name typed into the dialog and saved, the game-over key, a second game
# nested in the first, ESC out of both), then replays the recording fast and
# at the normal pace in fresh directories: every run must end on the same
# "game steps ... level ... lives ... score ..." line and leave the same
# High.txt behind.
#
#   record_and_replay.sh GAME DATA_DIR [KEEP]
#
# GAME is the grog-sloop program, DATA_DIR the directory holding its Gfx/
# and Snd/. With KEEP, the recording is also copied there.
set -uo pipefail
# In a sanitizer build, full stacks let the leak suppressions recognise
# what the sound libraries keep until exit.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0"

game=$(realpath "$1") data=$(realpath "$2") keep=${3:-}
source "$(dirname "$0")/../../program_session.sh" replay
# Here the first failed check ends the run.
fail() { echo "FAILED: $*"; exit 1; }

# A level where the monsters hem the standing pirate in three times within
# about thirty seconds.
SEED=3598

# prepare DIR: the game's data, a silent sound device and a table of ten
# entries of -1 points, so that any score earns the name dialog.
prepare() {
  mkdir -p "$1"
  cp -r "$data/Gfx" "$data/Snd" "$1/"
  printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$1/asound.conf"
  for _ in 1 2 3 4 5 6 7 8 9 10; do printf 'Nobody\n-1\n1\n'; done >"$1/High.txt"
}
run_in() {  # DIR ARGS...: runs the game there in the background
  local dir=$1; shift
  (cd "$dir" && ALSA_CONFIG_PATH="$dir/asound.conf" exec "$game" "$@" >out.txt 2>err.txt) &
  game_pid=$!
}
wait_exit() {  # SECONDS: the game's status, 124 if it is still running then
  local deadline=$(( $(date +%s) + $1 ))
  while kill -0 "$game_pid" 2>/dev/null; do
    [ "$(date +%s)" -gt "$deadline" ] && return 124
    sleep 0.1
  done
  wait "$game_pid"; local rc=$?
  game_pid=""
  return $rc
}
click() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1; sleep 0.2; xdotool mouseup 1; }
lines() { wc -l <"$scratch/record/game.rec"; }
# Waits until the recording stops growing for a second: the game waits on a
# screen or in the dialog, where no steps are taken.
wait_still() {  # SECONDS
  local deadline=$(( $(date +%s) + $1 )) before now
  before=$(lines)
  while [ "$(date +%s)" -le "$deadline" ]; do
    sleep 1
    now=$(lines)
    [ "$now" = "$before" ] && return 0
    before=$now
  done
  return 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "no X server could be started"
export DISPLAY=":$(head -n1 "$scratch/display")"

# --- The recorded game ---
prepare "$scratch/record"
run_in "$scratch/record" --seed "$SEED" --record game.rec
for _ in $(seq 100); do xdotool search --onlyvisible --name "GROG SLOOP" >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
xdotool mousemove 400 300
hold Return 0.1
sleep 1
hold space 0.1; sleep 0.6; hold space 0.1   # a pause and back
hold F2 0.1; sleep 0.4; hold F2 0.1         # the music off and on
xdotool mousemove 780 580
# Hands off until the third trap brings up the name dialog.
wait_still 90 || fail "the game never stopped for a game over"
grep -q . "$scratch/record/game.rec" || fail "nothing recorded"
sleep 0.5
click 60 81
xdotool key --delay 30 End
for _ in $(seq 20); do xdotool key BackSpace; sleep 0.02; done
xdotool type --delay 60 'Anne Bonny'
click 140 126                                # YARRR
sleep 0.5
xdotool mousemove 780 580
hold Return 0.1                              # leaves the game-over screen
sleep 1
hold Return 0.1                              # leaves the title: a nested game
sleep 0.5
hold Right 0.5; hold Down 0.5
hold Escape 0.05                             # ends the nested game only
sleep 1
hold Left 0.4
hold Escape 0.3                              # ends the first game
wait_exit 10; rc=$?
[ $rc -eq 0 ] || fail "the recorded game ended with status $rc: $(grep -v ALSA "$scratch/record/err.txt" | head -5)"
recorded=$(cat "$scratch/record/out.txt")
grep -q '^name saved Anne Bonny$' "$scratch/record/game.rec" || fail "no saved name in the recording"
[ "$(grep -c '^title ' "$scratch/record/game.rec")" -eq 2 ] || fail "the recording does not hold two title screens"
grep -q '^gameover ' "$scratch/record/game.rec" || fail "no game-over key in the recording"
echo "recorded: $recorded"
[ -n "$keep" ] && cp "$scratch/record/game.rec" "$keep/"

# --- Its replays, fast and at the normal pace, each in a fresh directory ---
for mode in --replay-fast --replay; do
  dir="$scratch/${mode#--}"
  prepare "$dir"
  cp "$scratch/record/game.rec" "$dir/"
  run_in "$dir" "$mode" game.rec
  wait_exit 120; rc=$?
  replayed=$(cat "$dir/out.txt")
  [ $rc -eq 0 ] || fail "$mode: status $rc: $(grep -v ALSA "$dir/err.txt" | head -5)"
  [ "$replayed" = "$recorded" ] || fail "$mode printed \"$replayed\", the recorded game \"$recorded\""
  cmp -s "$dir/High.txt" "$scratch/record/High.txt" || fail "$mode left another High.txt than the recorded game"
  echo "ok: $mode printed the same line and left the same High.txt"
done
echo "all checks passed"
