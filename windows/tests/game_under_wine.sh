#!/bin/bash
# The Windows game under Wine, on the test run's X server (the one its
# Wine prefix started on: Wine's desktop stays with it), driven as the
# Linux tests drive theirs (tests/program_session.sh):
#   - its title screen equals the Linux game's, pixel for pixel;
#   - F12 saves the screen as an 800x600 PNG in the Pictures folder of the
#     Wine prefix (nothing beside the game);
#   - a close request (the window manager's WM_DELETE_WINDOW) ends it with
#     status 0, its recording whole: the recording verifies to its end.
#
#   game_under_wine.sh SOURCE GAME.exe DATA_DIR DLL_DIR LINUX_BUILD
# Exits 77 (skipped) without the Linux build to compare with or a display.
set -uo pipefail
source=$1 game_exe=$2 data=$3 dlls=$4 linux=$5
[ -x "$linux/grog-sloop" ] && [ -x "$linux/tests/game/program/send_close_request" ] || {
  echo "no Linux build in $linux to compare with"
  exit 77
}
close_request=$linux/tests/game/program/send_close_request
# shellcheck source=wine_prefix.sh
source "$(dirname "$0")/wine_prefix.sh" "$source"
# shellcheck source=../../tests/program_session.sh
source "$source/tests/program_session.sh" windows-game
trap 'end_session; [ -z "${own_wine_scratch:-}" ] || end_own_wine' EXIT
# The player's folder as a first start finds it: the default score table,
# as the Linux game makes in its fresh folder, and the default settings.
player_folder=$wine_user_dir/AppData/Roaming/grog-sloop
rm -f "$player_folder/High.txt" "$player_folder/settings.cfg"
[ -n "${DISPLAY:-}" ] || { echo "no display: run under xvfb-run"; exit 77; }
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$scratch/asound.conf"
export ALSA_CONFIG_PATH=$scratch/asound.conf

# title_shown WINDOW SHOT.bmp: a settled picture of WINDOW, not all black.
title_shown() {
  shoot_settled "$1" "$2" && [ "$(convert "$2" -format '%[fx:maxima]' info: 2>/dev/null)" != 0 ]
}

# title_of GAME... : starts GAME in a folder of its own holding the data,
# takes its settled title screen as title.bmp there, then closes it.
title_of() {
  local dir=$1 window=""
  shift
  mkdir -p "$dir" && cp -r "$data/Gfx" "$data/Snd" "$dir/"
  (cd "$dir" && exec "$@" >out.txt 2>err.txt) &
  game_pid=$!
  # Wine starts a program in seconds, and in minutes on a busy machine.
  wait_until 600 game_window_or_end && ! is_ended || { echo "FAILED: no window: $(head -3 "$dir/err.txt")"; return 1; }
  # The window shows black until the title is drawn into it.
  wait_until 300 title_shown "$window" "$dir/title.bmp" || { echo "FAILED: no settled title"; return 1; }
  title_window=$window
}

# A Wine run's timeout only stops a hung run: a game's run spans the waits
# below, each with a deadline of its own, so its timeout is as long as the
# whole test may take (its CTest TIMEOUT).
WHOLE_TEST_SECONDS=1200
wine_game() { GROG_WINE_TIMEOUT=$WHOLE_TEST_SECONDS "$source/windows/wine-run.sh" --dll-dir "$dlls" "$game_exe" "$@"; }

# The Linux title, then the Windows one, one at a time on the screen.
export HOME=$scratch/linux-home XDG_CONFIG_HOME="" XDG_DATA_HOME=""
mkdir -p "$HOME"
title_of "$scratch/linux" "$linux/grog-sloop" || exit 1
kill -TERM "$game_pid"
wait_until 300 is_ended || { echo "FAILED: the Linux game did not end at SIGTERM"; exit 1; }
game_pid=""

title_of "$scratch/windows" env GROG_WINE_TIMEOUT=$WHOLE_TEST_SECONDS "$source/windows/wine-run.sh" --dll-dir "$dlls" "$game_exe" \
  --record game.rec || exit 1
if [ "$(compare -metric AE "$scratch/linux/title.bmp" "$scratch/windows/title.bmp" null: 2>&1)" = 0 ]; then
  pass "the Windows title equals the Linux title pixel for pixel"
else
  fail "the Windows title differs from the Linux title: $(compare -metric AE "$scratch/linux/title.bmp" \
    "$scratch/windows/title.bmp" null: 2>&1) pixels"
  cp "$scratch/linux/title.bmp" /tmp/grog-title-linux.bmp
  cp "$scratch/windows/title.bmp" /tmp/grog-title-windows.bmp
  echo "(kept as /tmp/grog-title-linux.bmp and /tmp/grog-title-windows.bmp)"
fi

# Its score table is the player's, in the application-data folder, even
# though the game runs from a folder holding its data.
if [ -f "$scratch/windows/High.txt" ]; then
  fail "the game wrote High.txt beside its data"
elif [ -f "$player_folder/High.txt" ]; then
  pass "the score table is in the application-data folder"
else
  fail "no score table in the application-data folder"
fi

# F12 held (pointer over the window: without a window manager the keys go
# to the window under it) until the game says where the picture went.
xdotool mousemove 400 300
if press_until F12 300 grep -q "screenshot saved as" "$scratch/windows/out.txt"; then
  shot=$(sed -n 's/^grog-sloop: screenshot saved as //p' "$scratch/windows/out.txt" | tr -d '\r' | head -n1)
  # C:/users/NAME/Pictures/... lies in the prefix's drive_c.
  unix_shot=$wine_prefix/drive_c/${shot#C:/}
  case "$shot" in
    C:/users/*/Pictures/grog-sloop-*.png) pass "F12 names a file in the Pictures folder: $shot" ;;
    *) fail "F12 saved the picture as $shot, not in the Pictures folder" ;;
  esac
  if [ "$(identify -format '%m %wx%h' "$unix_shot" 2>/dev/null)" = "PNG 800x600" ]; then
    pass "the screenshot is an 800x600 PNG"
  else
    fail "no 800x600 PNG at $unix_shot"
  fi
  [ -z "$(find "$scratch/windows" -name '*.png')" ] || fail "a picture was saved beside the game"
else
  fail "F12 saved no screenshot: $(grep -v ALSA "$scratch/windows/err.txt" | head -3)"
fi

# The title waits for a key (a close request is heeded once play runs):
# into play, then the close request.
press_until Return 300 has_steps "$scratch/windows/game.rec" 1 || fail "Return did not start the game"
"$close_request" "$title_window"
if wait_until 300 is_ended; then
  wait "$game_pid"
  rc=$?
  game_pid=""
  if [ $rc -eq 0 ]; then pass "a close request ends the game with status 0"
  elif status_lost_to_wine $rc; then no_status_verdict "Wine killed the game as it ended at the close request"
  else fail "the close request ended it with $rc"; fi
  expected=$(sed -n 's/^end /game /p' "$scratch/windows/game.rec")
  verified=$(cd "$scratch/windows" && wine_game --verify game.rec 2>/dev/null | tr -d '\r')
  if [ -n "$expected" ] && [ "$verified" = "$expected" ]; then
    pass "its recording is whole and verifies: $verified"
  else
    fail "its recording ends \"$expected\", its verification says \"$verified\""
  fi
else
  fail "the Windows game did not end at the close request"
fi
wine_verdict
