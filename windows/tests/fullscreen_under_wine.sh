#!/bin/bash
# The Windows game's fullscreen under Wine, on the test run's X server,
# whose screen is the desktop: a fullscreen mode of the desktop's own size
# needs no mode change, which Xvfb could not make. Driven as the Linux tests
# drive theirs (tests/program_session.sh):
#   - F11 takes the whole screen through Allegro's DirectDraw fullscreen
#     (nothing on standard error says it fell back to a window): black,
#     with the title in the middle as fullscreenLayout places it;
#   - F11 again gives back the 800x600 window with the same title, and the
#     game takes keys there: Return starts play, ESC ends it;
#   - --fullscreen starts that way and takes keys; F11 in play goes back
#     to the window, where play goes on.
#
#   - another program taking the screen pauses play in fullscreen; the game
#     goes on, paused, and a close request ends it with its recording whole.
#
#   fullscreen_under_wine.sh SOURCE GAME.exe DATA_DIR DLL_DIR LINUX_BUILD
# Exits 77 (skipped) without a display of the size checked here or without
# the Linux build's close-request tool.
set -uo pipefail
source=$1 game_exe=$2 data=$3 dlls=$4 linux=$5
close_request=$linux/tests/game/program/send_close_request
[ -x "$close_request" ] || {
  echo "no Linux build in $linux for its close-request tool"
  exit 77
}
[ -n "${DISPLAY:-}" ] || { echo "no display: run under xvfb-run"; exit 77; }
# On a 1024x768 desktop the picture keeps its own size (no whole factor of
# two fits), centred: 112 columns and 84 rows of black on each side.
screen_size=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9x]*\) pixels.*/\1/p')
[ "$screen_size" = 1024x768 ] || { echo "the display is $screen_size, not 1024x768"; exit 77; }
picture_area=800x600+112+84
# shellcheck source=wine_prefix.sh
source "$(dirname "$0")/wine_prefix.sh" "$source"
# shellcheck source=../../tests/program_session.sh
source "$source/tests/program_session.sh" windows-fullscreen
trap 'end_session; [ -z "${own_wine_scratch:-}" ] || end_own_wine' EXIT
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$scratch/asound.conf"
export ALSA_CONFIG_PATH=$scratch/asound.conf
cp -r "$data/Gfx" "$data/Snd" "$scratch/"
cd "$scratch" || exit 1

# A Wine run's timeout only stops a hung run: a game's run spans the waits
# below, each with a deadline of its own, so its timeout is as long as the
# whole test may take (its CTest TIMEOUT).
WHOLE_TEST_SECONDS=1200
# start_game ARGS...: the Windows game in the scratch folder, recording to
# game.rec; $window is its window once it shows.
start_game() {
  rm -f game.rec
  GROG_WINE_TIMEOUT=$WHOLE_TEST_SECONDS "$source/windows/wine-run.sh" --dll-dir "$dlls" "$game_exe" --record game.rec "$@" \
    >out.txt 2>err.txt &
  game_pid=$!
  window=""
  # Wine starts a program in seconds, and in minutes on a busy machine.
  wait_until 600 game_window_or_end && ! is_ended || { echo "FAILED: no window: $(head -3 err.txt)"; exit 1; }
}

# window_is SIZE: the game's window (found afresh: a new mode may bring a
# new one) is SIZE, WIDTHxHEIGHT.
window_is() {
  found_window window --name "GROG SLOOP" &&
    [ "$(xwininfo -id "$window" 2>/dev/null | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')" = "$1" ]
}

# title_in_window SHOT: the window's settled picture, not all black.
title_in_window() {
  shoot_settled "$window" "$1.bmp" && [ "$(convert "$1.bmp" -format '%[fx:maxima]' info: 2>/dev/null)" != 0 ]
}

# screen_shows NAME PICTURE: the whole screen's settled picture (NAME.bmp)
# holds PICTURE, pixel for pixel, at picture_area, and black around it; the
# verdict is in NAME.txt.
screen_shows() {
  local middle
  shoot_settled root "$1.bmp" || { echo "the screen does not settle" >"$1.txt"; return 1; }
  middle=$(convert "$1.bmp" -crop "$picture_area" +repage BMP3:- | compare -metric AE - "$2" null: 2>&1)
  local around
  around=$(convert "$1.bmp" -fill black -draw "rectangle 112,84 911,683" -format '%[fx:maxima]' info: 2>/dev/null)
  echo "middle differs in $middle pixels, around it the brightest is $around" >"$1.txt"
  [ "$middle" = 0 ] && [ "$around" = 0 ]
}

fell_back() { grep -q "no fullscreen mode" err.txt; }

# tap KEY SECONDS COMMAND...: one short press of KEY, as a player makes,
# then waits until COMMAND succeeds (the game has answered it). Status 1 if
# it has not within SECONDS: the press went unseen or unanswered.
tap() {
  local key=$1 seconds=$2
  shift 2
  xdotool keydown "$key" sleep 0.1 keyup "$key"
  wait_until "$seconds" "$@"
}

# ends_by_escape WHEN: ESC in play ends the game, with status 0.
ends_by_escape() {
  if tap Escape 300 is_ended; then
    wait "$game_pid"
    local rc=$?
    game_pid=""
    if [ $rc -eq 0 ]; then pass "$1: ESC ends it with status 0"
    elif status_lost_to_wine $rc; then no_status_verdict "$1: Wine killed the game as it ended at ESC"
    else fail "$1: ESC ended it with status $rc"; fi
  else
    fail "$1: ESC did not end the game"
  fi
}

# ---- The window, F11 to fullscreen, F11 back; keys work after.
start_game
wait_until 300 title_in_window title || { echo "FAILED: no settled title in the window"; exit 1; }
# Without a window manager the keys go to the window under the pointer.
xdotool mousemove 400 300
tap F11 300 window_is 1024x768 || fail "F11 did not give a window of the screen's size: $(grep -v ALSA err.txt)"
if wait_until 300 screen_shows fs-title title.bmp; then pass "F11: the whole screen, black, the title centred at its own size"
else fail "F11: $(cat fs-title.txt)"; fi
if fell_back; then fail "F11 fell back to a window: $(grep "no fullscreen mode" err.txt)"
else pass "F11 went fullscreen through DirectDraw, without falling back"; fi
tap F11 300 window_is 800x600 || fail "F11 again did not give back the 800x600 window"
if wait_until 300 title_in_window back && [ "$(compare -metric AE back.bmp title.bmp null: 2>&1)" = 0 ]; then
  pass "F11 again: the 800x600 window with the title as before"
else fail "F11 again: the window shows another picture"; fi
if tap Return 300 has_steps game.rec 1; then pass "back in the window the game takes keys: Return starts play"
else fail "Return after fullscreen did not start play"; fi
ends_by_escape "after fullscreen"

# ---- --fullscreen from the start; F11 in play back to the window.
start_game --fullscreen
if wait_until 300 window_is 1024x768 && wait_until 300 screen_shows fs-start title.bmp; then
  pass "--fullscreen: the whole screen, the title centred"
else fail "--fullscreen: $(cat fs-start.txt 2>/dev/null)"; fi
fell_back && fail "--fullscreen fell back to a window"
# The window was made under the pointer: without a window manager, Wine
# gives it the keys once the pointer moves over it.
xdotool mousemove 10 10 mousemove 400 300
if tap Return 300 has_steps game.rec 1; then pass "--fullscreen: Return starts play"
else fail "Return in fullscreen did not start play"; fi
tap F11 300 window_is 800x600 || fail "F11 in fullscreen play did not give back the window"
steps=$(steps_in game.rec)
if wait_until 300 has_steps game.rec $((steps + 10)); then pass "play goes on in the window after fullscreen"
else fail "play stopped after F11 in play"; fi
ends_by_escape "--fullscreen, then the window"

# ---- Another program over the fullscreen game: play pauses, the game goes
# on and still heeds a close request.
start_game --fullscreen
wait_until 300 window_is 1024x768 && wait_until 300 screen_shows fs-again title.bmp ||
  fail "--fullscreen again: $(cat fs-again.txt 2>/dev/null)"
xdotool mousemove 10 10 mousemove 400 300
tap Return 300 has_steps game.rec 1 || fail "Return in fullscreen did not start play"
before=$(steps_in game.rec)
GROG_WINE_TIMEOUT=$WHOLE_TEST_SECONDS "$source/windows/wine-run.sh" notepad >/dev/null 2>&1 &
other_pid=$!
if wait_until 300 has_key_after game.rec "$before" P; then pass "another program taking the screen pauses play"
else fail "no pause after another program took the screen"; fi
paused_at=$(steps_in game.rec)
if wait_until 300 has_steps game.rec $((paused_at + 10)); then pass "the game goes on, paused, in the background"
else fail "the game stood still in the background"; fi
found_window window --name "GROG SLOOP"
"$close_request" "$window"
if wait_until 300 is_ended; then
  wait "$game_pid"
  rc=$?
  game_pid=""
  if ! grep -q "^end " game.rec; then fail "the close request in the background: the recording ends $(tail -n1 game.rec)"
  elif [ $rc -eq 0 ]; then pass "a close request in the background ends it, its recording whole"
  elif status_lost_to_wine $rc; then no_status_verdict "Wine killed the game as it ended in the background"
  else fail "the close request in the background ended it with $rc"; fi
else fail "the game in the background did not end at a close request"; fi
found_window notepad --name "Notepad" && "$close_request" "$notepad"
wine_verdict
