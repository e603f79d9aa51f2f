#!/bin/bash
# Ends the real program as a desktop's logout would, on every screen it can
# wait on: SIGTERM alone, the X server stopped alone, and SIGTERM followed
# at once by stopping the X server. Each time the game must leave by its
# own way out, not by its two-second watchdog, with status 143 (128 + SIGTERM) after the signal and 1 after
# the lost display, having printed its summary line, and the recording it
# was writing must end with its "end" line and replay to the same summary.
#
#   end_under_xvfb.sh GAME DATA_DIR TEXT_CHECK [REPEATS [SCREENS]]
#
# REPEATS (default 1) runs each screen and way that many times; SCREENS
# (default "title play paused help:term+x options:term+x name:term+x")
# chooses among title, play, paused, help (F1 on the title), options (F10
# there), trap, gameover and name, each with all three ways or, after a
# colon, the ways given (term, x, term+x, separated by commas). The last
# three wait for the monsters of seed 3598 to hem in a pirate who stands
# still: about fifteen seconds for the trap, thirty for the game over.
# SIGHUP, SIGINT and SIGQUIT are tried once on the title, when it is among
# the screens. The tally at the end counts runs and hangs. For the full
# figure:
#   end_under_xvfb.sh GAME DATA_DIR TEXT_CHECK 10 "title play paused help options trap gameover name"
set -uo pipefail
# In a sanitizer build the leak scan at exit, a few hundred milliseconds
# and more on a busy machine, is no part of the game's own way out and
# would be cut short by its two-second watchdog; the other end-to-end
# tests check for leaks on the same way out.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
ulimit -c 0  # the SIGQUIT run dumps no core

game=$(realpath "$1") data=$(realpath "$2") text_check=$3
repeats=${4:-1} screens=${5:-title play paused help:term+x options:term+x name:term+x}
source "$(dirname "$0")/../../program_session.sh" end
copy_game_data "$data"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$scratch/asound.conf"
export ALSA_CONFIG_PATH="$scratch/asound.conf"
# The monsters of this seed trap a pirate standing still, three times.
SEED=3598
# Only a hung run is still there after this long: the watchdog ends any
# shut-down within two seconds, and a busy machine may add to that.
LIMIT_MS=60000

runs=0 hangs=0
ns_now() { date +%s%N; }
ms_since() { echo $(( ($(ns_now) - $1) / 1000000 )); }

# An X server of its own per run: some runs stop it.
start_x() { own_x_server 1024x768 "$scratch/display"; }
stop_x() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null; xvfb_pid=""; }

steps() { grep -c '^[-LRUDPMQC]*$' "$run/game.rec" 2>/dev/null; }
# until_true SECONDS COMMAND...: polls COMMAND while the game runs, as
# wait_until does; with fast_looks set, every 20 ms throughout.
until_true() {
  local deadline=$(( $(ns_now) + $1 * 1000000000 )) looks=0; shift
  until "$@"; do
    [ "$(ns_now)" -gt "$deadline" ] && return 1
    kill -0 "$game_pid" 2>/dev/null || return 1
    if [ -n "${fast_looks:-}" ]; then sleep 0.02; else look_pause $((looks += 1)); fi
  done
}
shows() {  # TEXT X Y R G B: the window shows TEXT there
  import -silent -window "$window" "BMP3:$run/shot.bmp" 2>/dev/null &&
    "$text_check" "$run/shot.bmp" "$1" "$2" "$3" left "$4" "$5" "$6" present >/dev/null
}
# The options dialog stands over the title's banner.
title_covered() {
  import -silent -window "$window" "BMP3:$run/shot.bmp" 2>/dev/null &&
    "$text_check" "$run/shot.bmp" "GROG SLOOP" 350 300 left 175 175 175 absent >/dev/null
}
stepped_past() { [ "$(steps)" -gt "$1" ]; }
paused_step() { grep -q '^P$' "$run/game.rec"; }
# The first trap comes in step FIRST_TRAP_STEP of a pirate standing still;
# the step's line is in the recording as the step begins, and the next
# only once its 400 ms hold of the frame is over: the recording at that
# step is the game in the trap's step, mostly in its hold (a look that
# comes late on a busy machine ends the game a few steps on, in play).
FIRST_TRAP_STEP=222
in_trap_hold() { [ "$(steps)" -ge $FIRST_TRAP_STEP ]; }

# reach SCREEN: starts the game and brings it there; false if it never got there.
reach() {
  run=$(mktemp -d "$scratch/run-XXXX")
  cp -r "$scratch/Gfx" "$scratch/Snd" "$scratch"/*.cfg "$run/" 2>/dev/null
  # A table of -1 points lets any score into the name dialog; the usual
  # table of 100 points does not, so the game over waits for a key.
  [ "$1" = name ] && for _ in 1 2 3 4 5 6 7 8 9 10; do printf 'Nobody\n-1\n1\n'; done >"$run/High.txt"
  # A shell's background job starts with SIGINT and SIGQUIT ignored, which
  # the game keeps; a desktop session starts it with them as they should be.
  (cd "$run" && exec env --default-signal=INT,QUIT "$game" --seed "$SEED" --record game.rec >out.txt 2>err.txt) &
  game_pid=$!
  until_true 60 found_window window --class grog-sloop || return 1
  # The name dialog draws the pointer, which would hide the banner; the
  # keys still go to the window under it.
  xdotool mousemove 795 595
  until_true 60 shows "GROG SLOOP" 350 300 175 175 175 || return 1
  case $1 in
    title) return 0 ;;
    help) xdotool key F1; until_true 60 shows "HOW TO PLAY" 356 40 255 255 255; return ;;
    options) xdotool key F10; until_true 60 title_covered; return ;;
  esac
  xdotool key Return
  until_true 60 stepped_past 0 || return 1
  case $1 in
    play) return 0 ;;
    paused) xdotool keydown space; until_true 60 paused_step; local rc=$?; xdotool keyup space; return $rc ;;
    # The hold lasts 400 ms: looks far apart could miss it.
    trap) fast_looks=1 until_true 300 in_trap_hold ;;
    gameover | name)
      until_true 300 has_steps "$run/game.rec" $((QUICK_TRAPS_STEPS - 30)) &&
        until_true 60 shows "GAME OVER" 350 300 175 175 175 ;;
  esac
}

# end_by WAY EXPECTED: ends the game, then checks how it went.
end_by() {
  local way=$1 expected=$2 start rc
  start=$(ns_now)
  case $way in
    hup) kill -HUP "$game_pid" ;;
    int) kill -INT "$game_pid" ;;
    term) kill -TERM "$game_pid" ;;
    x) stop_x ;;
    term+x) kill -TERM "$game_pid"; stop_x ;;
  esac
  runs=$((runs + 1))
  while kill -0 "$game_pid" 2>/dev/null && [ "$(ms_since "$start")" -lt $LIMIT_MS ]; do sleep 0.02; done
  if kill -0 "$game_pid" 2>/dev/null; then
    hangs=$((hangs + 1))
    fail "$screen, $way: still running after $LIMIT_MS ms"
    kill -9 "$game_pid"; wait "$game_pid" 2>/dev/null; game_pid=""
    return
  fi
  wait "$game_pid"; rc=$?; game_pid=""
  local took what="$screen, $way" summary
  took=$(ms_since "$start")
  summary=$(grep '^game steps' "$run/out.txt")
  if [ $rc -ne "$expected" ]; then fail "$what: status $rc, not $expected ($(grep -v ALSA "$run/err.txt" | tail -2 | tr '\n' ' '))"
  elif grep -q "shut-down hung" "$run/err.txt"; then fail "$what: only the watchdog ended it"
  elif [ -z "$summary" ]; then fail "$what: no summary line"
  elif [ "$(tail -n1 "$run/game.rec" | cut -d' ' -f1)" != end ]; then fail "$what: the recording ends with \"$(tail -c 40 "$run/game.rec")\""
  # The screen was left by the end, not by a key: the dialog as dismissed,
  # the game-over wait with no key.
  elif [ "$screen" = name ] && ! grep -q '^name dismissed' "$run/game.rec"; then fail "$what: no dismissed name dialog recorded"
  elif [ "$screen" = gameover ] && ! grep -q '^gameover 0 ' "$run/game.rec"; then fail "$what: the game-over wait was not left by the end"
  else
    # The recording replays to the summary the run printed.
    (cd "$run" && exec "$game" --replay-fast game.rec >replay.txt 2>replay-err.txt) &
    game_pid=$!; wait "$game_pid"; rc=$?; game_pid=""
    if [ $rc -ne 0 ] || [ "$(grep '^game steps' "$run/replay.txt")" != "$summary" ]; then
      fail "$what: the replay ended with status $rc and \"$(cat "$run/replay.txt")\", not \"$summary\""
    else pass "$what: gone in $took ms with status $expected, the recording replays to \"$summary\""; fi
  fi
}

# The replays need a display of their own, which no run stops.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$scratch/replay-display" >/dev/null 2>&1 &
replay_x=$!
trap 'kill $replay_x 2>/dev/null; end_session' EXIT
for _ in $(seq 1200); do [ -s "$scratch/replay-display" ] && break; sleep 0.05; done
replay_display=":$(head -n1 "$scratch/replay-display")"

# The other ending signals, once: SIGHUP (a closed terminal) and SIGINT
# (Ctrl-C) end it as SIGTERM does; SIGQUIT keeps its core-dumping default
# rather than running the library's shut-down inside the signal.
other_signals() {
  screen=title
  start_x
  reach title && DISPLAY=$replay_display end_by hup 129
  stop_x
  start_x
  reach title && DISPLAY=$replay_display end_by int 130
  stop_x
  start_x
  if reach title; then
    kill -QUIT "$game_pid"
    wait "$game_pid"; rc=$?; game_pid=""
    if [ $rc -eq 131 ] && ! grep -q "Shutting down Allegro" "$run/err.txt"; then pass "SIGQUIT: the default core-dumping end"
    else fail "SIGQUIT: status $rc, $(grep -v ALSA "$run/err.txt" | tail -1)"; fi
  fi
  stop_x
}
# On the title, when it is among the screens.
case " $screens " in *" title "* | *" title:"*) other_signals ;; esac

for entry in $screens; do
  screen=${entry%%:*} ways="term x term+x"
  [ "$entry" != "$screen" ] && ways=${entry#*:}
  for way in ${ways//,/ }; do
    for _ in $(seq "$repeats"); do
      start_x
      if reach "$screen"; then
        [ "$way" = x ] && expected=1 || expected=143
        # Replays in end_by go to the display that stays.
        DISPLAY=$replay_display end_by "$way" "$expected"
      else
        fail "$screen, $way: the game never reached the screen ($(grep -v ALSA "$run/err.txt" | tail -2 | tr '\n' ' '))"
      fi
      [ -n "$game_pid" ] && { kill -9 "$game_pid"; wait "$game_pid" 2>/dev/null; game_pid=""; }
      stop_x
      rm -rf "$run"
    done
  done
done

echo "runs: $runs, hangs: $hangs, failed checks: $failures"
[ $failures -eq 0 ] || exit 1
echo "all checks passed"
