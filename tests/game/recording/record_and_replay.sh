#!/bin/bash
# Records a real game played with synthetic keys and mouse clicks on an X
# server of its own (title key, a pause, the music key, three traps, the
# name typed into the dialog and saved, the game-over key, a second game
# nested in the first, ESC out of both), then replays the recording fast and
# at the normal pace in fresh directories: every run must end on the same
# "game steps ... level ... lives ... score ..." line and leave the same
# High.txt behind.
#
#   record_and_replay.sh GAME DATA_DIR TEXT_CHECK [KEEP]
#
# GAME is the grog-sloop program, DATA_DIR the directory holding its Gfx/
# and Snd/, TEXT_CHECK the screen_text_check program. With KEEP, the
# recording is also copied there.
#
# The recorded game is driven by what it shows: the recording it writes
# says which keys each play step saw (a key is held until a step has seen
# it), and the screen says when the title and the name dialog are there.
set -uo pipefail
# In a sanitizer build, full stacks let the leak suppressions recognise
# what the sound libraries keep until exit.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0"

game=$(realpath "$1") data=$(realpath "$2") text_check=$(realpath "$3") keep=${4:-}
source "$(dirname "$0")/../../program_session.sh" replay
# Here the first failed check ends the run. What the recording says of the
# pauses (a lost focus pauses play and is recorded as a SPACE) and its last
# lines go with the message, and the recording is kept in KEEP.
fail() {
  echo "FAILED: $*"
  if [ -s "${rec:-}" ]; then
    echo "steps that paused or resumed: $(grep -E '^[-LRUDPMQC]+$' "$rec" | grep -n P | cut -d: -f1 | paste -sd' ')"
    echo "last lines of the recording: $(tail -n 5 "$rec" | paste -sd'|')"
    [ -n "$keep" ] && cp "$rec" "$keep/failed-game.rec" && echo "recording kept as $keep/failed-game.rec"
  fi
  exit 1
}

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
  wait_until "$1" is_ended || return 124
  wait "$game_pid"; local rc=$?
  game_pid=""
  return $rc
}
rec=$scratch/record/game.rec
shot=$scratch/shot.bmp
# on_screen TEXT X Y R G B: a new screenshot shows TEXT there.
on_screen() {
  import -silent -window "$window" "BMP3:$shot" 2>/dev/null &&
    "$text_check" "$shot" "$1" "$2" "$3" left "$4" "$5" "$6" present >/dev/null
}
# press KEY LETTER: KEY held until a step sees it (LETTER in the
# recording), then until a step sees it released.
press() {
  local before
  before=$(steps_in "$rec")
  press_until "$1" 30 has_key_after "$rec" "$before" "$2" || fail "no step saw $1"
  before=$(step_after "$rec" "$before" "$2")
  wait_until 30 released_after "$rec" "$before" "$2" || fail "no step saw $1 released"
}
titles() { [ "$(grep -c '^title ' "$rec")" -ge "$1" ]; }

own_x_server 1024x768 "$scratch/display" || fail "no X server could be started"

# --- The recorded game ---
prepare "$scratch/record"
run_in "$scratch/record" --seed "$SEED" --record game.rec
window=""
wait_until 60 found_window window --name "GROG SLOOP" ||
  fail "no window appeared"
xdotool windowfocus "$window"
wait_until 60 on_screen "GROG SLOOP" 350 300 175 175 175 || fail "no title screen"
pointer_to 800 600 780 580   # out of the way of the dialog's texts
xdotool key Return
wait_until 30 titles 1 || fail "the title key was not taken"
press space P; press space P                 # a pause and back
press F2 M; press F2 M                       # the music off and on
# A step that came late may have seen a held key twice; the recording says
# how often SPACE toggled. Play must go on for the traps: one more press
# while it is paused (steering by the recorded state, not a retry); on a
# busy machine that press too may be seen twice, so it is pressed until
# play runs, a few times at most.
toggles() { grep -E '^[-LRUDPMQC]+$' "$rec" | grep -c P; }
for _ in 1 2 3 4 5; do
  [ $(($(toggles) % 2)) -eq 0 ] || press space P
done
[ $(($(toggles) % 2)) -eq 0 ] || fail "play stays paused after SPACE"
# Hands off until the third trap brings up the name dialog, but for X,
# which plays no part and is held down from before the game over into the
# dialog: a key held from play never types into it, however it repeats.
near_game_over "$rec" 60 || fail "play stopped before its game over came near: $(steps_in "$rec") steps recorded"
# A lost focus pauses play, and the recording notes it as a SPACE.
[ $(($(toggles) % 2)) -eq 0 ] || fail "play was paused on its way to the game over"
xdotool keydown x
while_playing 60 "$rec" on_screen "GAME OVER" 350 300 175 175 175 ||
  fail "the game never came to its game over: $(steps_in "$rec") steps recorded"
grep -q . "$rec" || fail "nothing recorded"
# A key pressed in the dialog is typed: once it shows, the field holds no X
# (the field, one character too narrow now, shows the end of the name).
xdotool key exclam
wait_until 30 on_screen "ppy Bilgewig!" 21 81 0 0 0 || fail "the key held from play typed into the name dialog"
xdotool keyup x
# The name is typed with the pointer left out of the way: the field has the
# keys from the start.
xdotool key --delay 30 End
for _ in $(seq 20); do xdotool key BackSpace; done
xdotool type --delay 60 'Anne Bonny'
wait_until 30 on_screen "Anne Bonny" 21 81 0 0 0 || fail "the name was not typed"
why=$(click_yarrr xdotool mousemove 140 126) || fail "$why"
wait_until 30 grep -q '^name saved Anne Bonny$' "$rec" || fail "no saved name in the recording"
xdotool mousemove 780 580
# The game-over screen takes a key once the table shows above its banner.
wait_until 30 on_screen "1) Anne Bonny - Lvl.1 - 0pts." 100 20 255 255 255 || fail "no table with the new name"
press_until Return 30 grep -q '^gameover ' "$rec" || fail "no game-over key in the recording"
wait_until 30 on_screen "GROG SLOOP" 350 300 175 175 175 || fail "no title screen after the game over"
xdotool key Return                           # leaves the title: a nested game
wait_until 30 titles 2 || fail "the recording does not hold two title screens"
press Right R; press Down D
# ESC held ends the nested game and then the first one.
press_until Escape 30 is_ended || fail "ESC did not end the games"
wait_exit 10; rc=$?
[ $rc -eq 0 ] || fail "the recorded game ended with status $rc: $(grep -v ALSA "$scratch/record/err.txt" | head -5)"
recorded=$(cat "$scratch/record/out.txt")
echo "recorded: $recorded"
[ -n "$keep" ] && cp "$rec" "$keep/"

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
