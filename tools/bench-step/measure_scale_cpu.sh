#!/bin/bash
# What the enlarged window and fullscreen cost: the CPU share of one core the
# real program takes in play at --scale 1 and at --scale 2 (and 3), standing
# and walking, on an X server of its own large enough for the enlarged
# window; then --scale 1 against --fullscreen on a 1920x1080 server (the
# picture filled to 1440x1080).
#
#   tools/bench-step/measure_scale_cpu.sh [BUILD_DIR] [SECONDS]   (default: build 10)
#
# Prints one line per run and phase, then the extra points of --scale 2
# over --scale 1 and of fullscreen over the window. Needs Xvfb and xdotool.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${2:-10}
ticks=$(getconf CLK_TCK)

display_file=$(mktemp)
xvfb_pid="" game_pid=""
trap '[ -n "$game_pid" ] && kill -9 $game_pid 2>/dev/null; [ -n "$xvfb_pid" ] && kill $xvfb_pid 2>/dev/null; wait 2>/dev/null; rm -f "$display_file"' EXIT
# start_server WxH: an X server of that size in place of the last one.
start_server() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  : >"$display_file"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$display_file")"
}
start_server 2500x1900
cd "$build"

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
# share WHAT: the share of one core over $seconds, also kept in $last_share.
share() {
  local before after
  before=$(cpu_ticks); sleep "$seconds"; after=$(cpu_ticks)
  last_share=$(awk -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" 'BEGIN { printf "%.1f", 100 * t / hz / s }')
  echo "$1 cpu_percent $last_share"
}
# Walking: right and left in turn, a second each, so the camera scrolls.
walk() {
  local end=$((SECONDS + seconds))
  while [ $SECONDS -lt $end ]; do
    xdotool keydown Right; sleep 1; xdotool keyup Right
    xdotool keydown Left; sleep 1; xdotool keyup Left
  done
}

declare -A result
# measure NAME ARGS...: the game started with ARGS, standing and walking.
measure() {
  local name=$1
  shift
  ./grog-sloop --seed 1 "$@" >/dev/null 2>&1 &
  game_pid=$!
  for _ in $(seq 100); do xdotool search --onlyvisible --name "GROG SLOOP" >/dev/null 2>&1 && break; sleep 0.1; done
  window=$(xdotool search --onlyvisible --name "GROG SLOOP" | head -n1)
  xdotool windowfocus "$window"
  sleep 1
  xdotool keydown Return; sleep 0.2; xdotool keyup Return
  sleep 1
  share "$name standing"; result[$name.standing]=$last_share
  walk & walker=$!
  share "$name walking"; result[$name.walking]=$last_share
  wait "$walker"
  xdotool keydown Escape; sleep 0.3; xdotool keyup Escape
  wait "$game_pid" || true
  game_pid=""
}
for scale in 1 2 3; do measure "scale $scale" --scale "$scale"; done
start_server 1920x1080
measure "1920x1080 window" --scale 1
measure "1920x1080 fullscreen" --fullscreen
# more BASE OTHER LABEL: the extra points of OTHER over BASE, both phases.
more() {
  for phase in standing walking; do
    awk -v a="${result[$1.$phase]}" -v b="${result[$2.$phase]}" -v p="$phase" -v l="$3" \
      'BEGIN { printf "%s, %s: %+.1f points of one core\n", l, p, b - a }'
  done
}
more "scale 1" "scale 2" "scale 2 over scale 1"
more "1920x1080 window" "1920x1080 fullscreen" "fullscreen over the window at 1920x1080"
