#!/bin/bash
# The CPU the real program uses over 10 seconds on the title screen and over
# 10 seconds of play, on an X server of its own, as a share of one core.
#
#   tools/bench-step/measure_cpu.sh [BUILD_DIR]    (default: build)
#
# Needs Xvfb and xdotool; the program runs from BUILD_DIR beside its art.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=10
ticks=$(getconf CLK_TCK)

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
game_pid=""
trap '[ -n "$game_pid" ] && kill -9 $game_pid 2>/dev/null; kill $xvfb_pid 2>/dev/null; wait 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$display_file")"

cd "$build"
./grog-sloop --seed 1 >/dev/null 2>&1 &
game_pid=$!
for _ in $(seq 100); do xdotool search --onlyvisible --name grog-sloop >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1

# utime + stime of the process, all its threads, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
share() {  # WHAT: prints the share of one core over $seconds
  local before after
  before=$(cpu_ticks); sleep "$seconds"; after=$(cpu_ticks)
  awk -v what="$1" -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" \
    'BEGIN { printf "%s cpu_percent %.1f\n", what, 100 * t / hz / s }'
}

share title
xdotool keydown Return; sleep 0.2; xdotool keyup Return
sleep 1
share play
xdotool keydown Escape; sleep 0.2; xdotool keyup Escape
wait "$game_pid" || true
game_pid=""
