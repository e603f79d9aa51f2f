# Sourced by the shell tests that run the real program on an X server of
# their own: a scratch directory that goes at exit together with the game,
# a helper window and the server they started (their pids in game_pid,
# other_pid and xvfb_pid), and the pass/fail tally of the checks.
#
#   source program_session.sh NAME    # makes $scratch, /tmp/grog-NAME-XXXXXX
scratch=$(mktemp -d "/tmp/grog-$1-XXXXXX")
xvfb_pid="" game_pid="" other_pid=""
end_session() {
  [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
  [ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap end_session EXIT

failures=0
pass() { echo "ok: $*"; }
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
# Holds KEY down for SECONDS (0.2 by default): the game reads key[] once a step.
hold() { xdotool keydown "$1"; sleep "${2:-0.2}"; xdotool keyup "$1"; }

# Copies the game's data as the build made it (Gfx/, Snd/, the patch
# index) from DATA into the scratch directory. Without it the game still
# runs, silently and without art, but a missing piece of music would stop
# it with a message box, so a one-note piece stands in.
copy_game_data() {
  cp -r "$1/Gfx" "$scratch/" 2>/dev/null
  cp -r "$1/Snd" "$scratch/" 2>/dev/null
  cp "$1"/*.cfg "$scratch/" 2>/dev/null
  if [ ! -f "$scratch/Snd/main.mid" ]; then
    mkdir -p "$scratch/Snd"
    printf 'MThd\0\0\0\6\0\0\0\1\0\140MTrk\0\0\0\14\0\220\74\100\140\200\74\100\0\377\57\0' >"$scratch/Snd/main.mid"
  fi
}
