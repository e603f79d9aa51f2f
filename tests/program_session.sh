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
# Holds KEY down for SECONDS (0.2 by default): the game reads key[] once a
# step. A guessed time: a busy machine can let a step miss the press or see
# it twice. Tests here press with press_until instead; this stays for
# tests of other branches until they move over.
hold() { xdotool keydown "$1"; sleep "${2:-0.2}"; xdotool keyup "$1"; }

# Waiting for a state, never for a guessed time: each wait below polls what
# the program itself shows (a line it writes, a file, its screen, its exit)
# until it holds, with a deadline that only stops a hung run. The pause
# between looks is the poll, not a guess at how long the program needs.
# look_pause LOOKS: the pause after LOOKS looks. Most states come within a
# second and are looked for every 0.05 s; one that is slow to come (the
# monsters' three traps take half a minute) is looked for every 0.3 s, as a
# look at the screen costs a screenshot and a check: time the game, and
# the tests beside this one, need more.
look_pause() { if [ "$1" -lt 20 ]; then sleep 0.05; else sleep 0.3; fi; }

# wait_until SECONDS COMMAND...: 0 once COMMAND succeeds, 1 if it has not
# within SECONDS.
wait_until() {
  local deadline=$(($(date +%s) + $1)) looks=0
  shift
  until "$@"; do
    [ "$(date +%s)" -ge "$deadline" ] && return 1
    look_pause $((looks += 1))
  done
}

# A recording (--record FILE) is the game's own account of every play step,
# written as the step reads its controls: its step lines tell a test which
# steps have run and which keys each one saw.
# steps_in FILE: how many play steps FILE holds.
steps_in() {
  local n
  n=$(grep -cE '^[-LRUDPMQC]+$' "$1" 2>/dev/null)
  echo "${n:-0}"
}
# step_keys FILE N: the keys play step N saw ("-" for none).
step_keys() { grep -E '^[-LRUDPMQC]+$' "$1" | sed -n "${2}p"; }
# step_after FILE AFTER LETTER: the first step after step AFTER whose keys
# hold LETTER (L R U D arrows, P SPACE, M F2, Q ESC); fails while there is none.
step_after() {
  grep -E '^[-LRUDPMQC]+$' "$1" | awk -v after="$2" -v letter="$3" \
    'NR > after && index($0, letter) { print NR; found = 1; exit } END { exit !found }'
}
# has_steps FILE N: FILE holds at least N play steps.
has_steps() { [ "$(steps_in "$1")" -ge "$2" ]; }
# has_key_after FILE AFTER LETTER: a step after AFTER saw LETTER.
has_key_after() { step_after "$@" >/dev/null; }
# released_after FILE AFTER LETTER: a step after AFTER did not see LETTER.
released_after() {
  grep -E '^[-LRUDPMQC]+$' "$1" | awk -v after="$2" -v letter="$3" \
    'NR > after && !index($0, letter) { found = 1; exit } END { exit !found }'
}

# Seed 3598's monsters hem in a pirate who stands still for the third time
# at play step 477 (tools/trap-seeds), half a minute into the game.
# near_game_over RECORDING SECONDS: waits, reading only the recording the
# game writes, until such a game is two seconds from its game over: until
# then there is nothing to see on the screen, and each look there costs a
# screenshot and a check. Status 1 if it has not come within SECONDS of play
# that stands still (see while_playing).
QUICK_TRAPS_STEPS=477
near_game_over() { while_playing "$2" "$1" has_steps "$1" $((QUICK_TRAPS_STEPS - 30)); }

# while_playing SECONDS RECORDING COMMAND...: waits until COMMAND succeeds,
# as wait_until does, for as long as the game goes on stepping: its
# deadline is SECONDS without a new step in RECORDING. Half a minute of
# play is 450 steps, which a sanitizer build among busy tests takes several
# times as long to play as the clock does: a game that still steps is slow,
# not stuck, and only one that stopped stepping makes the wait fail.
while_playing() {
  local seconds=$1 recording=$2 looks=0 steps last=-1 since
  shift 2
  until "$@"; do
    steps=$(steps_in "$recording")
    if [ "$steps" != "$last" ]; then
      last=$steps since=$(date +%s)
    elif [ $(($(date +%s) - since)) -ge "$seconds" ]; then
      return 1
    fi
    look_pause $((looks += 1))
  done
}

# The name dialog's YARRR button, on the screenshot $shot of $window:
# yarrr_pixels, its pixels there; yarrr_changed BEFORE, a new settled
# screenshot whose button differs from BEFORE.
yarrr_pixels() { convert "$shot" -crop 100x18+92+117 +repage rgb:- | md5sum; }
yarrr_changed() { shoot_settled "$window" "$shot" && [ "$(yarrr_pixels)" != "$1" ]; }
# click_yarrr POINTER_COMMAND...: POINTER_COMMAND puts the pointer on YARRR,
# which lights under it; it is held down until it shows pressed (the dialog
# reads the button's state, not its events), then let go. On failure, says
# which of these did not happen and returns 1.
click_yarrr() {
  local before
  shoot_settled "$window" "$shot"
  before=$(yarrr_pixels)
  "$@"
  wait_until 30 yarrr_changed "$before" || { echo "YARRR does not light under the pointer"; return 1; }
  before=$(yarrr_pixels)
  xdotool mousedown 1
  wait_until 30 yarrr_changed "$before" || { xdotool mouseup 1; echo "YARRR does not show pressed"; return 1; }
  xdotool mouseup 1
}

# press_until KEY SECONDS COMMAND...: holds KEY down until COMMAND succeeds
# (the game has seen the press), then lets go. Status 1 if it never did.
press_until() {
  local key=$1 seconds=$2 status=0
  shift 2
  xdotool keydown "$key"
  wait_until "$seconds" "$@" || status=1
  xdotool keyup "$key"
  return $status
}

# pointer_to WIDTH HEIGHT X Y: the pointer to (X, Y) of a WIDTH x HEIGHT
# window at the screen's top-left, where the game sees it there too.
# Allegro follows the pointer by its motion, clamped at the window's edges,
# from wherever it entered: a visit to the far corner and then to the near
# one brings the game's idea of it to the X server's, in order, whatever the
# timing.
pointer_to() {
  xdotool mousemove $(($1 - 1)) $(($2 - 1)) mousemove 0 0 mousemove "$3" "$4"
}

# own_x_server SIZE FILE: an X server of SIZE (1024x768) for this test
# alone, which does not reset when its last client leaves; its display
# number goes to FILE, its pid to xvfb_pid, and DISPLAY is set to it.
# Status 1 if it has not come up within 60 s.
own_x_server() {
  rm -f "$2"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$2" >/dev/null 2>&1 &
  xvfb_pid=$!
  wait_until 60 test -s "$2" || return 1
  export DISPLAY=":$(head -n1 "$2")"
}

# found_window VAR ARGS...: VAR holds the first visible window that
# `xdotool search --onlyvisible ARGS...` finds; status 1 while none shows.
# A fresh search at each look: one that meets a window being destroyed (a
# probe, a window on its way to fullscreen) gives up.
found_window() {
  printf -v "$1" '%s' "$(xdotool search --onlyvisible "${@:2}" 2>/dev/null | head -n1)"
  [ -n "${!1}" ]
}

# is_running: the game started last ($game_pid) has not ended.
is_running() { kill -0 "$game_pid" 2>/dev/null; }
is_ended() { ! is_running; }
# game_window_or_end: $window is the game's window once it shows; true as
# well when the game has ended without one, so its caller can say why.
game_window_or_end() { found_window window --name "GROG SLOOP" || is_ended; }

# shoot_settled WINDOW FILE.bmp: a screenshot of WINDOW once two in a row
# are the same, so a frame still on its way to the X server is not taken.
# Status 1 if the picture does not settle within 20 s.
shoot_settled() {
  local deadline=$(($(date +%s) + 20))
  import -silent -window "$1" "BMP3:$2.next" 2>/dev/null
  while :; do
    mv -f "$2.next" "$2"
    import -silent -window "$1" "BMP3:$2.next" 2>/dev/null
    cmp -s "$2" "$2.next" && { rm -f "$2.next"; return 0; }
    [ "$(date +%s)" -ge "$deadline" ] && return 1
  done
}

# show_step RECORDING STEP SHOT.bmp [ARGS...]: the game ($game, in the
# current directory) replays RECORDING fast with ARGS and holds at STEP
# (--stop-at); SHOT.bmp is its settled window. The replay is then closed
# with its close button ($close_request) and must end with status 0.
show_step() {
  local recording=$1 step=$2 shot=$3 window=""
  shift 3
  "$game" --replay-fast "$recording" --stop-at "$step" "$@" >held.txt 2>held-err.txt &
  game_pid=$!
  if ! wait_until 60 grep -q "^stopped at step $step\$" held.txt; then
    echo "FAILED: the replay of $recording did not stop at step $step: $(grep -v ALSA held-err.txt | head -3)"
    exit 1
  fi
  wait_until 60 found_window window --name "GROG SLOOP"
  shoot_settled "$window" "$shot" || { echo "FAILED: the picture held at step $step does not settle"; exit 1; }
  "$close_request" "$window"
  wait_until 30 is_ended || { echo "FAILED: the held replay did not end at the close button"; exit 1; }
  wait "$game_pid"
  local rc=$?
  game_pid=""
  [ $rc -eq 0 ] || { echo "FAILED: the held replay ended with status $rc: $(grep -v ALSA held-err.txt | head -3)"; exit 1; }
}

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
