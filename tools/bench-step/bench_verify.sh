#!/bin/bash
# Play steps a second of a headless verification (--verify, no X display)
# against a fast replay in a window (--replay-fast) of the same recording,
# each run five times; prints the best run of each:
#   verify steps 536 seconds 0.21 steps_per_second 2552
#   replay-fast steps 536 seconds 0.95 steps_per_second 564
#
#   tools/bench-step/bench_verify.sh [BUILD_DIR] [RECORDING]
#
# Defaults: build, and the kept recording with three traps, a name and a
# nested game. The fast replay needs an X server: one of its own is started.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
recording=$(realpath "${2:-$(dirname "$0")/../../tests/game/recording/recordings/three_traps_name_and_a_nested_game.rec}")
runs=5

scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
trap '{ kill $xvfb_pid; wait; } 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
display=":$(head -n1 "$scratch/display")"

cp -r "$build/Gfx" "$build/Snd" "$scratch/"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$scratch/asound.conf"
export ALSA_CONFIG_PATH="$scratch/asound.conf"
cd "$scratch"

# measure NAME COMMAND...: the best of $runs wall times and the steps run.
measure() {
  local name=$1 best="" steps=0
  shift
  for _ in $(seq $runs); do
    local start end seconds
    start=$(date +%s.%N)
    steps=$("$@" 2>/dev/null | sed -n 's/^game steps \([0-9]*\) .*/\1/p')
    end=$(date +%s.%N)
    seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
    if [ -z "$best" ] || awk -v s="$seconds" -v b="$best" 'BEGIN { exit !(s < b) }'; then best=$seconds; fi
  done
  awk -v n="$name" -v steps="$steps" -v s="$best" \
    'BEGIN { printf "%s steps %d seconds %.2f steps_per_second %.0f\n", n, steps, s, steps / s }'
}

measure verify env -u DISPLAY "$build/grog-sloop" --verify "$recording"
measure replay-fast env DISPLAY="$display" "$build/grog-sloop" --replay-fast "$recording"
