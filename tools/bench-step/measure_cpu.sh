#!/bin/bash
# The CPU the real program uses, as a share of one core, over 10 seconds on
# each of its screens: the title, play, the name dialog and the game-over
# screen; for its main thread and for the whole process (the main thread
# plus Allegro's own threads: X events, timer, sound).
#
#   tools/bench-step/measure_cpu.sh [BUILD_DIR [GAME_OPTION...]]    (default: build)
#
# Options after the build directory go to the game: measure once as it is
# and once with --no-sound-effects to see what the effects cost.
#
# Prints one line per screen:
#   title main_thread_cpu_percent 0.2 process_cpu_percent 2.1
# Needs Xvfb, xdotool, xwd and ImageMagick. The program runs in a scratch
# directory beside a copy of BUILD_DIR's art, with a high-score table that
# any score beats, so that the dialog comes up at the game over. It stands
# still on a level (seed 3598) where the monsters trap it three times within
# some thirty seconds.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
shift $(($# > 0 ? 1 : 0))
seconds=10
ticks=$(getconf CLK_TCK)

scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
game_pid=""
trap '{ [ -n "$game_pid" ] && kill -9 $game_pid; kill $xvfb_pid; wait; } 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$scratch/display")"

cp -r "$build/Gfx" "$build/Snd" "$scratch/"
cp "$build"/*.cfg "$scratch/" 2>/dev/null || true
for _ in 1 2 3 4 5 6 7 8 9 10; do printf 'Nobody\n-1\n1\n'; done >"$scratch/High.txt"
cd "$scratch"
"$build/grog-sloop" --seed 3598 "$@" >/dev/null 2>&1 &
game_pid=$!
for _ in $(seq 100); do xdotool search --onlyvisible --name "GROG SLOOP" >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1

# utime + stime in clock ticks: of every thread the process has had, and
# of the main thread alone (its thread id is the process id).
process_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
main_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/task/$game_pid/stat"; }
share() {  # WHAT: prints both shares of one core over $seconds
  local main_before process_before main_after process_after
  main_before=$(main_ticks); process_before=$(process_ticks)
  sleep "$seconds"
  main_after=$(main_ticks); process_after=$(process_ticks)
  awk -v what="$1" -v m=$((main_after - main_before)) -v p=$((process_after - process_before)) \
      -v hz="$ticks" -v s="$seconds" \
    'BEGIN { printf "%-8s main_thread_cpu_percent %.1f process_cpu_percent %.1f\n", what, 100 * m / hz / s, 100 * p / hz / s }'
}
# Whether anything is lit in the W x H area at X Y of the screen.
lit() { [ "$(xwd -root -silent | convert xwd:- -crop "$3x$4+$1+$2" -format '%[fx:maxima.r+maxima.g+maxima.b>0]' info:)" = 1 ]; }
# The name dialog: its edit field lit over a screen whose status bar, drawn
# at every play step, has been cleared by the game over.
dialog_shown() { lit 17 77 125 8 && ! lit 0 500 800 100; }
hold() { xdotool keydown "$1"; sleep 0.2; xdotool keyup "$1"; }

share title
xdotool mousemove 400 300
hold Return
sleep 1
share play

# Hands off until the third trap: the name dialog's edit field lights up.
xdotool mousemove 790 300   # the dialog draws the pointer: away from what is looked at
for _ in $(seq 120); do dialog_shown && break; sleep 1; done
dialog_shown || { echo "no name dialog within two minutes" >&2; exit 1; }
sleep 1
share dialog
xdotool key Return   # the edit field closes the dialog; the table stays
sleep 1
share gameover
