#!/bin/bash
# A tap shorter than a play step (66 ms) walks the pirate: the real
# program under an X server of its own, with its game recorded. The key
# goes down and up in one breath (one xdotool command, so the X server has
# both events at once): on any machine, however slow, no step can see the
# key held, and only the tap itself can walk. The test waits by reading the
# recording the game writes, never by guessing how long a step takes.
#
#   short_tap_under_xvfb.sh GAME DATA_DIR
set -uo pipefail
game=$1 data=$2
source "$(dirname "$0")/../../program_session.sh" tap
copy_game_data "$data"
cd "$scratch" || exit 1
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >asound.conf
export ALSA_CONFIG_PATH=$scratch/asound.conf XDG_CONFIG_HOME=$scratch/config

own_x_server 1024x768 display || { echo "FAILED: no X server could be started"; exit 1; }

# Play steps in the recording so far: one line each, of step letters or "-".
steps() { grep -cE '^([LRUDPMQC]+|-)$' tap.rec 2>/dev/null || echo 0; }
# Waits (at most a minute, only to stop a hung run) until the recording holds
# at least N steps.
wait_steps() {
  for _ in $(seq 3000); do
    [ "$(steps)" -ge "$1" ] && return 0
    kill -0 "$game_pid" 2>/dev/null || return 1
    sleep 0.02
  done
  return 1
}

"$game" --seed 7 --record tap.rec >out.txt 2>err.txt &
game_pid=$!
timeout 60 xdotool search --sync --onlyvisible --name '[Gg][Rr][Oo][Gg]' >/dev/null 2>&1
# The title's key, pressed until the recording shows the title left, then
# play: wait for the first steps.
for _ in $(seq 600); do grep -q '^title' tap.rec 2>/dev/null && break; xdotool key Return; sleep 0.1; done
wait_steps 3 || { fail "play did not begin: $(grep -v ALSA err.txt | head -3)"; exit 1; }

before=$(steps)
xdotool keydown Right keyup Right
wait_steps $((before + 5)) || fail "the game stopped stepping after the tap"
if grep -qE '^[LUD]*R[LUD]*$' <<<"$(tail -n +"$((before + 1))" tap.rec)"; then
  pass "a tap of Right walked at a step"
else
  fail "a tap of Right walked at no step: $(tail -n 8 tap.rec | tr '\n' ' ')"
fi

# ESC is held until the game has ended, however long its step takes.
xdotool keydown Escape
for _ in $(seq 3000); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.02; done
xdotool keyup Escape
kill -0 "$game_pid" 2>/dev/null && fail "ESC did not end the game"

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "short taps walk"
