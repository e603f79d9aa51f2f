#!/bin/bash
# Plays the real program as a player would: on an X server of its own,
# with synthetic key presses (xdotool) and the window's close button, and
# reads the screen back from screenshots.
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
# does not reset between the two runs of the game (a reset drops new clients).
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "FAILED: no X server could be started"; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"

start_game() {
  "$game" --seed 7 >out.txt 2>err.txt &
  game_pid=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "GROG SLOOP" 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    kill -0 "$game_pid" 2>/dev/null && state="still running" || { wait "$game_pid"; state="ended with status $?"; }
    echo "FAILED: no window appeared; the game $state"; grep -v '^ALSA' err.txt; exit 1
  fi
  sleep 1  # the title is drawn right after the window opens
}

# wait_exit SECONDS: the game's exit status, or 124 if it is still running.
wait_exit() {
  local deadline=$(( $(date +%s%N) + ${1%.*}000000000 ))
  while kill -0 "$game_pid" 2>/dev/null; do
    [ "$(date +%s%N)" -gt "$deadline" ] && return 124
    sleep 0.02
  done
  wait "$game_pid"; local rc=$?
  game_pid=""
  return $rc
}

# --- First run: title, play, pause, ESC ---
start_game
shoot
expect_text "GROG SLOOP" 350 300 left 175 175 175 present "title in grey at (350,300)"
# Above the title: the high-score table, once the game keeps one (the
# first title screen creates its file with the default entries).
if [ -f High.txt ]; then
  expect_text "1) Captain Bilgewig - Lvl.10 - 100pts." 100 20 left 255 255 255 present "table's first line above the title"
  expect_text "10) Captain Bilgewig - Lvl.10 - 100pts." 100 200 left 255 255 255 present "table's last line above the title"
fi

hold Return 0.1   # any key leaves the title (SPACE would also pause)
sleep 1
shoot
expect_text "Level: 1" 100 535 left 0 0 0 present "status bar shows Level: 1"
expect_text "Lives: 3" 100 555 left 0 0 0 present "status bar shows Lives: 3"
expect_text "Score: 0" 700 555 right 0 0 0 present "status bar shows Score: 0"

# SPACE pauses. One press toggles once; should a slow step see it twice,
# press again.
for _ in 1 2 3; do
  hold space 0.15
  sleep 0.5
  shoot
  "$text_check" shot.bmp PAUSE 380 545 left 0 0 0 present >/dev/null && break
done
expect_text "PAUSE" 380 545 left 0 0 0 present "SPACE shows PAUSE"
expect_text "Level: 1" 100 535 left 0 0 0 absent "the counters hide while paused"

start=$(date +%s%N)
xdotool keydown Escape
wait_exit 1; rc=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
xdotool keyup Escape 2>/dev/null
if [ $rc -eq 0 ]; then pass "ESC ends the program with status 0 in $elapsed_ms ms"
else fail "ESC: status $rc after $elapsed_ms ms"; fi
if grep -q "ERROR!" out.txt && [ -f Gfx/Status.bmp ]; then fail "ERROR! printed although Gfx/Status.bmp exists"; fi

# --- Second run: the window's close button ---
start_game
hold Return 0.1
sleep 0.5
"$close_request" "$window"
wait_exit 2; rc=$?
if [ $rc -eq 0 ]; then pass "close button ends the program with status 0"
else fail "close button: status $rc"; fi

# --- Third run: no art at all. The game says so and plays on, the status
# bar's texts on a plain background. A copy of the program runs, since the
# one in the build directory finds the art beside itself.
# Away from a build tree it keeps its scores under HOME: a scratch one.
mkdir -p bare/Snd home && cp Snd/main.mid bare/Snd/ && cp "$game" bare/ && cd bare
game=$PWD/$(basename "$game")
export HOME=$scratch/home
start_game
hold Return 0.1
sleep 1
shoot
expect_text "Lives: 3" 100 555 left 0 0 0 present "without art the status bar still shows Lives: 3"
xdotool keydown Escape; wait_exit 2; rc=$?; xdotool keyup Escape 2>/dev/null
if [ $rc -eq 0 ] && [ "$(head -n1 out.txt)" = "ERROR!" ] && grep -q "Spritesheet not loaded" out.txt; then
  pass "without art: ERROR! and the missing sheet reported, status 0 at ESC"
else fail "without art: status $rc, output begins: $(head -n2 out.txt | tr '\n' ' ')"; fi

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; grep -v ALSA err.txt | head -20; exit 1; }
echo "all checks passed"
