#!/bin/bash
# The real program's comforts, played on an X server of its own large enough
# for an enlarged window: the pause when another window takes the focus,
# and "--scale 2", whose title, play and name dialog must be the
# "--scale 1" screenshots enlarged by two, with "YARRR" clicked at its
# enlarged place recording the name.
#
#   comfort_under_xvfb.sh GAME DATA_DIR TEXT_CHECK ENLARGED_CHECK
set -uo pipefail

game=$1 data=$2 text_check=$3 enlarged_check=$4
source "$(dirname "$0")/../../program_session.sh" comfort

copy_game_data "$data"
cd "$scratch" || exit 1

# Refused scales, before any window.
for bad in 0 5 -1 02 2x auto2 ""; do
  "$game" --scale "$bad" >/dev/null 2>err.txt; rc=$?
  if [ $rc -eq 2 ] && grep -q "^usage: grog-sloop .*--scale" err.txt; then pass "--scale '$bad' refused with the usage line"
  else fail "--scale '$bad': status $rc, stderr: $(head -c 200 err.txt)"; fi
done

Xvfb -displayfd 3 -screen 0 1700x1300x24 -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "FAILED: no X server could be started"; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"

# start_game ARGS...: the game in the background, $window its window.
start_game() {
  "$game" "$@" >out.txt 2>err.txt &
  game_pid=$!
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "GROG SLOOP" 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    echo "FAILED: no window appeared for $*"; grep -v '^ALSA' err.txt; exit 1
  fi
  xdotool windowfocus "$window"
  sleep 1
}
stop_game() { kill -9 "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; game_pid=""; }

# shoot NAME SCALE: NAME.bmp as shown, and NAME-1x.bmp at the game's own size.
shoot() {
  import -silent -window "$window" "BMP3:$1.bmp"
  if [ "$2" -eq 1 ]; then cp "$1.bmp" "$1-1x.bmp"; else "$enlarged_check" shrink "$1.bmp" "$2" "$1-1x.bmp"; fi
}
# shows NAME TEXT X Y R G B: the text is on NAME's picture at game size.
shows() { "$text_check" "$1-1x.bmp" "$2" "$3" "$4" left "$5" "$6" "$7" present >/dev/null; }
# wait_for SECONDS NAME SCALE TEXT X Y R G B
wait_for() {
  local end=$((SECONDS + $1))
  while [ $SECONDS -lt $end ]; do
    shoot "$2" "$3"
    shows "$2" "${@:4}" && return 0
    kill -0 "$game_pid" 2>/dev/null || return 1
    sleep 0.25
  done
  return 1
}
# at SCALE X Y: moves the pointer to game pixel (X, Y).
at() { xdotool mousemove $(($2 * $1)) $(($3 * $1)); }
# changed_pixels A B: how many pixels differ between A.bmp and B.bmp.
changed_pixels() { "$enlarged_check" same "$1.bmp" "$2.bmp" 1 | awk '{ print $1 }'; }
# A bottle's sparkle moves at every drawn frame, paused or not; steps also
# turn the water (tens of thousands of pixels, every five steps) and move
# the monsters.
STILL_PIXELS=2000
# most_changed NAME: six shots 0.3 s apart (4.5 steps); the most pixels any
# of them differs from the first by.
most_changed() {
  local most=0 n changed
  shoot "${1}0" 1
  for n in 1 2 3 4 5; do
    sleep 0.3; shoot "$1$n" 1
    changed=$(changed_pixels "${1}0" "$1$n")
    [ "$changed" -gt "$most" ] && most=$changed
  done
  echo "$most"
}

# resume SCALE: SPACE until the counters are back (one press toggles once;
# should a slow step see it twice, press again).
resume() {
  for _ in 1 2 3; do
    hold space 0.15; sleep 0.5; shoot resumed "$1"
    shows resumed "Lives: 3" 100 555 0 0 0 && return 0
  done
  fail "scale $1: SPACE did not resume play"
}

# A level whose monsters hem the standing pirate in three times soon; each
# of its entries beaten by any score, so the name dialog comes.
SEED=3598
fresh_table() { for _ in $(seq 10); do printf 'Nobody\n-1\n1\n'; done >High.txt; }

# title_and_first_step SCALE: the title, then SPACE leaves it and, still
# held at the first step, pauses play before anything moves: the same
# picture at any scale, when the step comes within the press.
title_and_first_step() {
  fresh_table
  start_game --seed $SEED --scale "$1"
  at "$1" 780 590; sleep 0.3
  shoot "title$1" "$1"
  hold space 0.2
  sleep 0.8
  shoot "play$1" "$1"
  stop_game
}
# A busy machine may start the music late and the first step after the
# press: try again rather than compare two different steps.
for attempt in 1 2 3 4; do
  title_and_first_step 1
  title_and_first_step 2
  shows play1 PAUSE 380 545 0 0 0 && shows play2 PAUSE 380 545 0 0 0 &&
    "$enlarged_check" same play1.bmp play2.bmp 2 >/dev/null && break
  echo "attempt $attempt: the first steps differ, again"
done

play_to_dialog() {  # SCALE
  local s=$1
  fresh_table
  start_game --seed $SEED --scale "$s"
  # Out of the way of the texts: the dialog draws the pointer.
  at "$s" 780 590; sleep 0.3
  hold Return 0.1
  sleep 0.8

  if [ "$s" -eq 1 ]; then
    moved=$(most_changed moving)
    [ "$moved" -gt $STILL_PIXELS ] || fail "running, only $moved pixels changed in 1.5 s: the focus check below proves nothing"
    # Another window takes the focus: the game pauses, and no step runs.
    xmessage -geometry +900+700 "another window" &
    other_pid=$!
    for _ in $(seq 50); do other=$(xdotool search --onlyvisible --name xmessage 2>/dev/null | head -n1); [ -n "$other" ] && break; sleep 0.1; done
    xdotool windowfocus "$other"
    sleep 0.6
    changed=$(most_changed away)
    if shows away0 PAUSE 380 545 0 0 0; then pass "another window took the focus: PAUSE shows"
    else fail "focus lost: no PAUSE on the status bar"; fi
    if [ "$changed" -lt $STILL_PIXELS ]; then pass "no step ran while the focus was away ($changed pixels of sparkle changed, $moved in play)"
    else fail "$changed pixels changed in 1.5 s while paused for the lost focus"; fi
    xdotool windowfocus "$window"; sleep 0.6
    shoot back 1
    if shows back PAUSE 380 545 0 0 0; then pass "the focus back, play stays paused until SPACE"
    else fail "play resumed by itself when the focus came back"; fi
    kill "$other_pid" 2>/dev/null; wait "$other_pid" 2>/dev/null; other_pid=""
    resume 1
  fi
  if ! wait_for 150 over "$s" "GAME OVER" 350 300 175 175 175; then
    fail "scale $s: no game over (tools/trap-seeds finds another quick seed)"; return 1
  fi
  sleep 1.5
  # The pointer over the field gives it the focus and the caret.
  at "$s" 60 81; sleep 0.6
  shoot "dialog$s" "$s"
  xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.2
  xdotool key --delay 30 End
  xdotool key --delay 30 $(for _ in $(seq 20); do printf 'BackSpace '; done)
  xdotool type --delay 60 "Sam Scale"
  sleep 0.6
  shoot "typed$s" "$s"
  # YARRR.
  at "$s" 140 126; sleep 0.2; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1
  sleep 1
  if [ "$(head -n1 High.txt)" = "Sam Scale" ]; then pass "scale $s: YARRR clicked at its place records the name"
  else fail "scale $s: High.txt begins with '$(head -n1 High.txt)'"; fi
  stop_game
}

play_to_dialog 1
play_to_dialog 2
for shot in title play dialog typed; do
  if result=$("$enlarged_check" same "${shot}1.bmp" "${shot}2.bmp" 2); then pass "$shot at scale 2 is scale 1 enlarged by two"
  else fail "$shot at scale 2: $result"; fi
done

# auto: the largest window that fits this 1700x1300 desktop is 1600x1200.
start_game --seed 1 --scale auto
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
if [ "$size" = "1600x1200" ]; then pass "--scale auto opens 1600x1200 on a 1700x1300 desktop"
else fail "--scale auto opened $size"; fi
# Leaving through ESC, the enlarged window closes cleanly (a sanitizer build
# would fail the exit status on a leak or a bad release).
hold Return 0.1; sleep 0.5
xdotool keydown Escape; sleep 0.5; xdotool keyup Escape
for _ in $(seq 200); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then fail "ESC did not end the enlarged game"; stop_game
else
  wait "$game_pid"; rc=$?; game_pid=""
  if [ $rc -eq 0 ]; then pass "ESC ends the enlarged game with status 0"
  else fail "the enlarged game ended with status $rc: $(grep -v ALSA err.txt | head -5)"; fi
fi

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
