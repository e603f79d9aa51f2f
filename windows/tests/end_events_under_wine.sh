#!/bin/bash
# How Windows ends the game, under Wine, while it plays (and, for the end
# of the session, while its name dialog is open):
#   - the end of the session (`wineboot --end-session`: WM_QUERYENDSESSION
#     and WM_ENDSESSION to every window, then the end of every process that
#     answered);
#   - the console events Ctrl+C, Ctrl+Break, the console closed, a logoff
#     and a shutdown, started in the game as Windows starts them
#     (send_console_event).
# Each time the game must leave by its own way out, as at SIGINT or SIGTERM
# on Linux, before Windows ends it: status 130 (Ctrl+C, Ctrl+Break) or 143
# (the rest), not the watchdog's end nor Windows' own, its summary printed,
# its recording ending with its "end" line and verifying to the same
# summary, the score table untouched (the name dialog dismissed, not saved).
# Wine may kill the game as it leaves, taking its status (137): the status
# it says it left with stands for it then. On a machine too busy for the
# game to leave within the seconds Windows gives it, a case decides nothing,
# and the test is skipped if nothing else failed. Every wait is for a state
# the game shows or writes; the deadlines only stop a hung run.
#
#   end_events_under_wine.sh SOURCE GAME.exe DATA_DIR DLL_DIR LINUX_BUILD SEND_CONSOLE_EVENT.exe
# Exits 77 (skipped) without the Linux build (its screen text check) or a
# display.
set -uo pipefail
source=$1 game_exe=$2 data=$3 dlls=$4 linux=$5 send_console_event=$6
text_check=$linux/tests/game/program/screen_text_check
[ -x "$text_check" ] || {
  echo "no Linux build in $linux to read the screen with"
  exit 77
}
[ -n "${DISPLAY:-}" ] || { echo "no display: run under xvfb-run"; exit 77; }
# A prefix of this test's own: the session's end ends every Wine program
# of its prefix, and the test run's prefix serves other tests at once.
unset GROG_WINE_SCRATCH
# shellcheck source=wine_prefix.sh
source "$(dirname "$0")/wine_prefix.sh" "$source"
# shellcheck source=../../tests/program_session.sh
source "$source/tests/program_session.sh" windows-end-events
trap 'end_session; end_own_wine' EXIT
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$scratch/asound.conf"
export ALSA_CONFIG_PATH=$scratch/asound.conf

SEED=3598
player_folder=$wine_user_dir/AppData/Roaming/grog-sloop
table=$player_folder/High.txt
mkdir -p "$player_folder"
# A Wine run's timeout only stops a hung run. A game's run spans the waits
# below, each with its own deadline that stops a hung game: the run's own
# is as long as the whole test may take (its CTest TIMEOUT), so a busy
# machine never has Wine killed under a game that is still on its way.
WHOLE_TEST_SECONDS=2400
wine_game() { GROG_WINE_TIMEOUT=$WHOLE_TEST_SECONDS "$source/windows/wine-run.sh" --dll-dir "$dlls" "$game_exe" "$@"; }

# on_screen TEXT X Y R G B: a new screenshot of the game shows TEXT there.
on_screen() {
  import -silent -window "$window" "BMP3:$run/shot.bmp" 2>/dev/null &&
    "$text_check" "$run/shot.bmp" "$1" "$2" "$3" left "$4" "$5" "$6" present >/dev/null
}
errors() { grep -v ALSA "$run/err.txt" | tail -2 | tr '\n' ' '; }

# reach SCREEN: starts the game and brings it to play or to its name
# dialog; false if it never got there.
reach() {
  run=$scratch/$way-$1
  mkdir -p "$run" && cp -r "$data/Gfx" "$data/Snd" "$run/"
  # A table of -1 points: any score earns the name dialog.
  for _ in 1 2 3 4 5 6 7 8 9 10; do printf 'Nobody\n-1\n1\n'; done >"$table"
  (cd "$run" && wine_game --seed "$SEED" --record game.rec >out.txt 2>err.txt) &
  game_pid=$!
  window=""
  # Wine starts a program in seconds, and in minutes on a busy machine.
  wait_until 600 game_window_or_end && ! is_ended || return 1
  # Without a window manager the keys go to the window under the pointer.
  xdotool mousemove --window "$window" 780 580
  wait_until 300 on_screen "GROG SLOOP" 350 300 175 175 175 || return 1
  press_until Return 300 has_steps "$run/game.rec" 1 || return 1
  [ "$1" = play ] && return 0
  near_game_over "$run/game.rec" 300 && wait_until 300 on_screen "GAME OVER" 350 300 175 175 175 &&
    wait_until 300 on_screen "appy Bilgewig" 21 81 0 0 0
}

# end_by WAY: ends the game the WAY Windows does.
end_by() {
  case $1 in
    session-end) GROG_WINE_TIMEOUT=600 "$source/windows/wine-run.sh" wineboot --end-session ;;
    *) GROG_WINE_TIMEOUT=600 "$source/windows/wine-run.sh" "$send_console_event" "$1" ;;
  esac >"$run/end.txt" 2>&1
}

for entry in session-end:play session-end:name c:play break:play close:play logoff:play shutdown:play; do
  way=${entry%%:*} screen=${entry#*:}
  case $way in c | break) expected=130 ;; *) expected=143 ;; esac
  what="$way, $screen"
  reach "$screen" || { fail "$what: the game never got there ($(errors))"; continue; }
  cp "$table" "$run/table-before.txt"
  end_by "$way" || fail "$what: the end was not sent: $(grep -v '^wine' "$run/end.txt" | head -2)"
  if ! wait_until 300 is_ended; then
    fail "$what: still running after the end"
    continue
  fi
  wait "$game_pid"
  rc=$?
  game_pid=""
  summary=$(grep '^game steps' "$run/out.txt" | tr -d '\r')
  ending=$(tr -d '\r' <"$run/game.rec" | tail -n1)
  # A status Wine took away: the game's own word, just before it left,
  # stands for it. A game that waited the whole of its wait for its own
  # end (its word on that) yet said neither that it left nor that its
  # watchdog ended it had no moment of its own in those seconds, and
  # Windows ended it after them: on a machine this busy that decides
  # nothing.
  left=$(left_with "$run/err.txt") word=""
  if status_lost_to_wine $rc && [ -n "$left" ]; then
    rc=$left word=" (its own word: Wine killed it as it left)"
  elif status_lost_to_wine $rc && waited_in_full "$run/err.txt" && ! grep -q "shut-down hung" "$run/err.txt"; then
    case $way in
      c | break) ;;  # no end of Windows' own follows these
      *)
        no_status_verdict "$what: Windows ended the game before it had a moment to leave"
        continue
        ;;
    esac
  fi
  if [ $rc -ne $expected ]; then
    fail "$what: status $rc, not $expected ($(errors))"
  elif grep -q "shut-down hung" "$run/err.txt"; then
    fail "$what: only the watchdog ended it"
  elif [ -z "$summary" ] || [ "${ending/#end /game }" != "$summary" ]; then
    fail "$what: the game printed \"$summary\", its recording ends with \"$ending\""
  elif [ "$screen" = name ] && ! grep -q '^name dismissed' "$run/game.rec"; then
    fail "$what: no dismissed name dialog recorded"
  elif ! cmp -s "$table" "$run/table-before.txt"; then
    fail "$what: the score table changed"
  else
    verified=$(cd "$run" && wine_game --verify game.rec 2>/dev/null | tr -d '\r')
    if [ "$verified" = "$summary" ]; then
      pass "$what: ended with status $expected$word, the recording verifies to \"$summary\""
    else
      fail "$what: --verify printed \"$verified\", not \"$summary\""
    fi
  fi
done
wine_verdict
