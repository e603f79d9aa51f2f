#!/bin/bash
# Plays the real program as a player would: on an X server of its own,
# with synthetic key presses (xdotool) and the window's close button, and
# reads the screen back from screenshots.
#
# It waits for states, never for a guessed time: the title is read off the
# screen once it shows, the keys a play step saw are read from the game's
# own recording (--record), and pictures of play come from a replay of that
# recording held at a fixed step (--stop-at).
#
#   play_under_xvfb.sh GAME DATA_DIR TEXT_CHECK CLOSE_REQUEST
#
# GAME is the grog-sloop program, DATA_DIR the directory whose Gfx/ and
# Snd/ (if made) are copied into a scratch working directory.
set -uo pipefail

game=$1 data=$2 text_check=$3 close_request=$4
source "$(dirname "$0")/../../program_session.sh" play
expect_text() {  # TEXT X Y left|right R G B present|absent WHAT
  if "$text_check" "$scratch/shot.bmp" "${@:1:8}" >"$scratch/check.txt"; then pass "${9}"
  else fail "${9}: $(cat "$scratch/check.txt")"; fi
}
shoot() { import -silent -window "$window" "BMP3:$scratch/shot.bmp"; }

# The game's data as the build made it.
copy_game_data "$data"
cd "$scratch" || exit 1

# Refusals before any window: no display, and an unknown argument.
env -u DISPLAY "$game" >/dev/null 2>err.txt; rc=$?
if [ $rc -eq 1 ] && grep -q "cannot start the Allegro library" err.txt; then pass "no display: status 1 with a reason"
else fail "no display: status $rc, stderr: $(head -c 300 err.txt)"; fi
"$game" --level 3 >/dev/null 2>err.txt; rc=$?
if [ $rc -eq 2 ] && grep -q "usage: grog-sloop \[--seed N\]" err.txt; then pass "bad argument: status 2 with usage"
else fail "bad argument: status $rc, stderr: $(head -c 300 err.txt)"; fi

# An X server of our own; it picks a free display number and tells it, and
# does not reset between the runs of the game (a reset drops new clients).
own_x_server 1024x768 "$scratch/display" || { echo "FAILED: no X server could be started"; exit 1; }

# start_game ARGS...: the game in the background with ARGS, its window in
# $window with the keyboard focus, its title screen shown (drawn once
# everything is set up, so keys from then on reach it).
start_game() {
  "$game" "$@" >out.txt 2>err.txt &
  game_pid=$!
  window=""
  wait_until 60 game_window_or_end
  if [ -z "$window" ]; then
    is_running && state="still running" || { wait "$game_pid"; state="ended with status $?"; }
    echo "FAILED: no window appeared; the game $state"; grep -v '^ALSA' err.txt; exit 1
  fi
  xdotool windowfocus "$window"
  if ! wait_until 60 eval 'shoot && "$text_check" "$scratch/shot.bmp" "GROG SLOOP" 350 300 left 175 175 175 present >/dev/null'; then
    echo "FAILED: no title screen"; grep -v '^ALSA' err.txt; exit 1
  fi
}

# end_with_escape SECONDS: ESC held until the game ends; its status, or
# 124 if it still runs after SECONDS. The time it took is in $elapsed_ms.
end_with_escape() {
  local start rc
  start=$(date +%s%N)
  press_until Escape "$1" is_ended || { elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 )); return 124; }
  elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
  wait "$game_pid"; rc=$?
  game_pid=""
  return $rc
}

# --- First run: title, play, pause, ESC ---
start_game --seed 7 --record play.rec
expect_text "GROG SLOOP" 350 300 left 175 175 175 present "title in grey at (350,300)"
# Above the title: the high-score table, once the game keeps one (the
# first title screen creates its file with the default entries).
if [ -f High.txt ]; then
  expect_text "1) Captain Bilgewig - Lvl.10 - 100pts." 100 20 left 255 255 255 present "table's first line above the title"
  expect_text "10) Captain Bilgewig - Lvl.10 - 100pts." 100 200 left 255 255 255 present "table's last line above the title"
fi

xdotool key Return   # any key leaves the title (SPACE would also pause)
wait_until 60 has_steps play.rec 5 || { echo "FAILED: no play steps after the title key"; exit 1; }
# SPACE, held until a step has seen it.
before=$(steps_in play.rec)
press_until space 30 has_key_after play.rec "$before" P || fail "no step saw SPACE"
paused=$(step_after play.rec "$before" P)

if end_with_escape 120; then pass "ESC ends the program with status 0 in $elapsed_ms ms"
else fail "ESC: status $? after $elapsed_ms ms"; fi
if grep -q "ERROR!" out.txt && [ -f Gfx/Status.bmp ]; then fail "ERROR! printed although Gfx/Status.bmp exists"; fi

# The play that was recorded, held at its first step and at the step that
# saw SPACE.
show_step play.rec 1 shot.bmp
expect_text "Level: 1" 100 535 left 0 0 0 present "status bar shows Level: 1"
expect_text "Lives: 3" 100 555 left 0 0 0 present "status bar shows Lives: 3"
expect_text "Score: 0" 700 555 right 0 0 0 present "status bar shows Score: 0"
show_step play.rec "${paused:-1}" shot.bmp
expect_text "PAUSE" 380 545 left 0 0 0 present "SPACE shows PAUSE"
expect_text "Level: 1" 100 535 left 0 0 0 absent "the counters hide while paused"

# A kept game held just after what happened in it: the status bar's plaque
# says it (F2 at step 1, stairs down to a new level 2 at step 32, a trap at
# step 77), centred on the plaque, for two seconds of steps.
kept="$(dirname "$0")/../recording/recordings/bottle_stairs_and_a_trap_heard.rec"
show_step "$kept" 2 shot.bmp
expect_text "Music off" 364 545 left 0 0 0 present "F2 in play: the plaque says Music off"
show_step "$kept" 31 shot.bmp
expect_text "Music off" 364 545 left 0 0 0 absent "two seconds on, the plaque is bare again"
show_step "$kept" 33 shot.bmp
expect_text "Level 2" 372 540 left 0 0 0 present "after the stairs down the plaque says Level 2"
expect_text "new waters" 360 551 left 0 0 0 present "... and that it is a new one"
show_step "$kept" 78 shot.bmp
expect_text "Trapped!" 368 540 left 0 0 0 present "after a trap the plaque says Trapped!"
expect_text "2 lives left" 352 551 left 0 0 0 present "... and the lives left"

# A window larger than this 1024x768 desktop opens at the largest scale
# that fits, and one line on standard error says so.
start_game --seed 7 --scale 2
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
if [ "$size" = 800x600 ] && [ "$(grep -c "does not fit" err.txt)" -eq 1 ]; then pass "--scale 2 on 1024x768 opens 800x600 and says so"
else fail "--scale 2 on 1024x768: a $size window, stderr: $(grep -v ALSA err.txt | head -3)"; fi
end_with_escape 120 || fail "ESC did not end the game opened at a smaller scale"

# --- Second run: the window's close button, in play ---
start_game --seed 7 --record close.rec
xdotool key Return
wait_until 60 has_steps close.rec 1 || { echo "FAILED: no play steps after the title key"; exit 1; }
"$close_request" "$window"
wait_until 30 is_ended
wait_exit_status=124
is_ended && { wait "$game_pid"; wait_exit_status=$?; game_pid=""; }
if [ $wait_exit_status -eq 0 ]; then pass "close button ends the program with status 0"
else fail "close button: status $wait_exit_status"; fi

# --- A machine without a sound device: the game says so in one line of its
# own, and nothing of what the sound drivers said while it looked for one.
: >nosound.conf
# In a sanitizer build, full stacks let the leak suppressions recognise what
# the sound library keeps of its search until exit.
saved_asan_options=${ASAN_OPTIONS:-}
export ALSA_CONFIG_PATH=$scratch/nosound.conf ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0"
start_game --seed 7
unset ALSA_CONFIG_PATH
export ASAN_OPTIONS=$saved_asan_options
end_with_escape 120; rc=$?
if [ $rc -eq 0 ] && [ "$(cat err.txt)" = "grog-sloop: no sound device found: playing without music and effects" ]; then
  pass "no sound device: one line says so"
else fail "no sound device: status $rc, standard error: $(head -c 600 err.txt)"; fi

# --- Third run: no art at all. The game says so and plays on, the status
# bar's texts on a plain background. A copy of the program runs, since the
# one in the build directory finds the art beside itself.
# Away from a build tree it keeps its scores under HOME: a scratch one.
mkdir -p bare/Snd home && cp Snd/main.mid bare/Snd/ && cp "$game" bare/ && cd bare
game=$PWD/$(basename "$game")
export HOME=$scratch/home
start_game --seed 7
xdotool key Return
# Standing still, the pirate keeps three lives for many steps: the
# counters show once play has begun.
if wait_until 60 eval 'shoot && "$text_check" "$scratch/shot.bmp" "Lives: 3" 100 555 left 0 0 0 present >/dev/null'; then
  pass "without art the status bar still shows Lives: 3"
else fail "without art no Lives: 3 on the status bar"; fi
end_with_escape 120; rc=$?
if [ $rc -eq 0 ] && [ "$(head -n1 out.txt)" = "ERROR!" ] && grep -q "Spritesheet not loaded" out.txt; then
  pass "without art: ERROR! and the missing sheet reported, status 0 at ESC"
else fail "without art: status $rc, output begins: $(head -n2 out.txt | tr '\n' ' ')"; fi

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; grep -v ALSA err.txt | head -20; exit 1; }
echo "all checks passed"
