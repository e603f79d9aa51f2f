#!/bin/bash
# The game as a desktop sees it, on X servers of its own with a small window
# manager (openbox): the window's title, class and icon as xprop reads them;
# F12's screenshots against the picture shown, at scale 1 and 2 and in
# fullscreen, into the pictures folder that user-dirs.dirs names; F11 and
# Alt+Enter in and out of fullscreen on a 1920x1080 screen (the picture
# filled to 1440x1080) and on a 2560x1440 one (enlarged twice), with the
# root window compared against the picture placed on black; and the focus
# pause in fullscreen. Every state is waited for, never slept into.
#
#   desktop_under_xvfb.sh GAME DATA_DIR TEXT_CHECK ENLARGED_CHECK DESKTOP_ENTRY
set -uo pipefail

game=$1 data=$2 text_check=$3 enlarged_check=$4 entry=$5
source "$(dirname "$0")/../../program_session.sh" desktop
wm_pid=""
trap '[ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null; end_session' EXIT

copy_game_data "$data"
cd "$scratch" || exit 1
for _ in $(seq 10); do printf 'Nobody\n-1\n1\n'; done >High.txt

# The player's home: the pictures folder is named by user-dirs.dirs and
# does not exist yet.
export HOME=$scratch/home
unset XDG_CONFIG_HOME XDG_PICTURES_DIR
mkdir -p "$HOME/.config"
user_dirs() { printf 'XDG_DESKTOP_DIR="$HOME/Desktop"\nXDG_PICTURES_DIR="%s"\n' "$1" >"$HOME/.config/user-dirs.dirs"; }
user_dirs '$HOME/Shots/Grog Sloop'
pictures="$HOME/Shots/Grog Sloop"

# start_display WxH: a new X server with openbox running on it.
start_display() {
  stop_display
  own_x_server "$1" display || { echo "FAILED: no X server could be started"; exit 1; }
  # openbox runs its --startup command once it manages windows; a window
  # asked for before that would stay unmapped (and Allegro would wait for
  # it for ever). A probe window that shows proves it.
  rm -f wm-ready
  openbox --sm-disable --startup "touch $PWD/wm-ready" >/dev/null 2>&1 &
  wm_pid=$!
  wait_until 60 test -e wm-ready || { echo "FAILED: openbox did not start"; exit 1; }
  xmessage -name wm-probe probe >/dev/null 2>&1 &
  local probe=$!
  wait_until 60 sh -c 'xdotool search --onlyvisible --classname "^wm-probe$" >/dev/null 2>&1' ||
    { echo "FAILED: openbox maps no window"; exit 1; }
  kill "$probe" 2>/dev/null; wait "$probe" 2>/dev/null
  wait_until 60 sh -c '! xdotool search --onlyvisible --classname "^wm-probe$" >/dev/null 2>&1'
}
stop_display() {
  stop_game
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  wm_pid="" xvfb_pid=""
}

start_game() {
  "$game" "$@" >out.txt 2>err.txt &
  game_pid=$!
  if ! wait_until 60 found_window window --classname '^grog-sloop$'; then
    echo "FAILED: no window appeared for $*"; grep -v '^ALSA' err.txt; exit 1
  fi
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
}
stop_game() {
  [ -n "$game_pid" ] || return 0
  kill -9 "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; game_pid=""
}
# quit_game: ESC ends the game with status 0 (a sanitizer build fails it on
# a leak or a bad release after the switches).
quit_game() {
  # Held until the game has ended, however late its next step comes.
  if press_until Escape 60 is_ended; then
    wait "$game_pid"; local rc=$?; game_pid=""
    if [ $rc -eq 0 ]; then pass "$1: ESC ends the game with status 0"
    else fail "$1: the game ended with status $rc: $(grep -v ALSA err.txt | head -3)"; fi
  else
    fail "$1: ESC did not end the game"; stop_game
  fi
}

window_shot() { import -silent -window "$window" "BMP3:$1.bmp" 2>/dev/null; }
root_shot() { import -silent -window root "BMP3:$1.bmp" 2>/dev/null; }
# f12 NAME: presses F12 and waits for the line naming the file; $shot_path
# is that file, NAME.bmp its picture.
f12() {
  local before
  before=$(grep -c "screenshot saved as" out.txt)
  xdotool key F12
  shot_path=""
  wait_until 60 sh -c "[ \$(grep -c 'screenshot saved as' out.txt) -gt $before ]" || return 1
  shot_path=$(grep "screenshot saved as" out.txt | tail -n1 | sed 's/.*screenshot saved as //')
  convert "$shot_path" "BMP3:$1.bmp"
}
same() { "$enlarged_check" same "$1.bmp" "$2.bmp" "${3:-1}" >result.txt; }
shows() { "$text_check" "$1.bmp" "${@:2}" present >/dev/null; }
title_shown() { window_shot title && shows title "GROG SLOOP" 350 300 left 175 175 175; }
# placed SHOT PICTURE LEFT TOP WIDTH HEIGHT: a fresh root screenshot SHOT is
# PICTURE placed so on black.
placed() { root_shot "$1" && "$enlarged_check" placed "$2.bmp" "$1.bmp" "${@:3}" >result.txt; }
fullscreen_state() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
window_size() { xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
window_is() { [ "$(window_size)" = "$1" ]; }
windowed() { ! fullscreen_state; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
# window_shows NAME PICTURE SCALE: a fresh window screenshot NAME is PICTURE
# enlarged SCALE times.
window_shows() { window_shot "$1" && "$enlarged_check" same "$2.bmp" "$1.bmp" "$3" >result.txt; }
# Pictures of play are never compared whole with a screenshot: the figures
# step in place even while paused, so a screenshot and F12 a moment apart
# may differ by a step. Play's pictures are read by their status bar, and
# the exact pictures are those of the title, which stands still.
# play_shot SHOT TEXT X Y: F12 saves a picture of play whose status bar
# shows TEXT at (X, Y).
play_shot() { f12 "$1" && shows "$1" "$2" "$3" "$4" left 0 0 0; }
# black SHOT WIDTH HEIGHT LEFT TOP: that part of SHOT.bmp is all black.
black() { [ "$(convert "$1.bmp" -crop "$2x$3+$4+$5" +repage -format '%[fx:maxima]' info:)" = 0 ]; }

# ---- 1920x1080: the window's names, F12, and fullscreen filled to 1440x1080.
start_display 1920x1080
start_game --seed 7
wait_until 60 title_shown || fail "no title in the window"

props=$(xprop -id "$window" WM_NAME WM_CLASS _NET_WM_ICON 2>&1 | head -n 4)
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
if grep -q '^WM_NAME(STRING) = "GROG SLOOP"' <<<"$props"; then pass "the window's title is GROG SLOOP"
else fail "title: $props"; fi
if [ -n "$wm_class" ] && grep -q "^WM_CLASS(STRING) = \"grog-sloop\", \"$wm_class\"\$" <<<"$props"; then
  pass "the window's class is the desktop entry's StartupWMClass ($wm_class)"
else fail "class against StartupWMClass '$wm_class': $props"; fi
if grep -q '_NET_WM_ICON(CARDINAL) = 	Icon (48 x 48)' <<<"$props"; then pass "the window carries the 48x48 pirate icon"
else fail "icon: $props"; fi

# F12 at the title: the folder is made, the shot is the window's picture.
if f12 title-f12 && same title title-f12; then pass "F12 saves the title as shown, at scale 1"
else fail "F12 at scale 1: '$shot_path' $(cat result.txt 2>/dev/null)"; fi
case "$shot_path" in
  "$pictures"/grog-sloop-[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]-[0-9][0-9][0-9][0-9][0-9][0-9].png)
    pass "the shot goes into the folder user-dirs.dirs names, made for it" ;;
  *) fail "the shot went to '$shot_path'" ;;
esac
# Shots of the same second: every name of the next twenty seconds is
# taken, so the next shot must add "-2" and leave them all alone.
now=$(date +%s) taken=()
for k in $(seq 0 20); do
  taken+=("$pictures/grog-sloop-$(date -d "@$((now + k))" +%Y%m%d-%H%M%S).png")
  [ -e "${taken[-1]}" ] || : >"${taken[-1]}"
done
if f12 again && [[ "$shot_path" == *-2.png ]] && [ "$(cat "${taken[@]:1}" | wc -c)" -eq 0 ] && same title again; then pass "a name already taken gets -2; the taken files stay as they were"
else fail "a second shot in the same second: '$shot_path'"; fi

# While the options wait for a key to bind, F12 and F11 act at once, as
# anywhere else, and are not left to act once the wait is over. The pointer
# keeps off the dialog, whose focus would follow it.
xdotool mousemove 1900 1060
# options_show NAME TEXT X Y: a fresh window shot NAME shows the dialog's TEXT.
options_show() { window_shot "$1" && shows "$1" "$2" "$3" "$4" left 0 0 0; }
capturing() { options_show capture "Press the new key, or ESC to keep the old one." 170 286; }
options_idle() { options_show idle "Music volume" 170 116 && ! shows idle "Press the new key" 170 286 left 0 0 0; }
xdotool key F10
wait_until 60 options_show options "Music volume" 170 116 || fail "F10 on the title: no options dialog"
xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Return  # the first key button
wait_until 60 capturing || fail "the key button does not wait for a key"
if f12 capture && shows capture "Press the new key, or ESC to keep the old one." 170 286 left 0 0 0; then
  pass "F12 while a key is awaited saves the dialog at once"
else fail "F12 while a key is awaited: '$shot_path'"; fi
xdotool key F11
if wait_until 60 fullscreen_state; then pass "F11 while a key is awaited goes fullscreen at once"
else fail "F11 while a key is awaited: still $(window_size)"; fi
xdotool key F11
wait_until 60 windowed && wait_until 60 window_is 800x600 || fail "F11 again while a key is awaited: $(window_size)"
# Back in the window, still waiting for the key; ESC keeps the old one,
# and a second ESC closes the dialog.
xdotool windowactivate --sync "$window" 2>/dev/null
wait_until 60 capturing || fail "back in the window, the key button no longer waits"
xdotool key Escape
wait_until 60 options_idle || fail "ESC did not end the wait for a key"
xdotool key Escape
if wait_until 60 sh -c "import -silent -window $window BMP3:after-options.bmp 2>/dev/null && \"$text_check\" after-options.bmp 'GROG SLOOP' 350 300 left 175 175 175 present >/dev/null" &&
  windowed && window_is 800x600; then pass "after the dialog, the title in the window: nothing was left to act"
else fail "after the dialog: $(window_size), $(xprop -id "$window" _NET_WM_STATE)"; fi

# F11 at the title: fullscreen, the picture filled to 1440x1080 and centred.
xdotool key F11
if wait_until 60 placed fs-title title 240 0 1440 1080; then pass "F11: 1920x1080 shows the title filled to 1440x1080, centred"
else fail "F11 at 1920x1080: $(cat result.txt)"; fi
if fullscreen_state; then pass "the window manager holds the window fullscreen"; else fail "no _NET_WM_STATE_FULLSCREEN"; fi
# Alt+Enter: back to the 800x600 window, still at the title (the Enter
# did not start the game).
xdotool key alt+Return
if wait_until 60 window_is 800x600 && windowed && wait_until 60 window_shows back title 1; then
  pass "Alt+Enter: back to the 800x600 window, still on the title"
else fail "Alt+Enter back: window $(window_size), $(xprop -id "$window" _NET_WM_STATE)"; fi

# Play in fullscreen: F12 saves the 800x600 picture, not the screen.
xdotool key F11
wait_until 60 fullscreen_state || fail "F11 a second time: not fullscreen"
play_fs() { f12 play-fs && shows play-fs "Lives: 3" 100 555 left 0 0 0; }
if press_until Return 60 play_fs; then
  pass "F12 in fullscreen play saves the 800x600 picture"
else fail "F12 in fullscreen play: '$shot_path'"; fi

# Another window takes the focus, and gives it back: the game has paused
# (F12 only reaches it once it has the focus again), and its picture fills
# the screen again.
xmessage -geometry +100+100 "another window" &
other_pid=$!
wait_until 60 found_window other --name xmessage
xdotool windowactivate --sync "$other" 2>/dev/null || fail "xmessage did not take the focus"
kill "$other_pid" 2>/dev/null; wait "$other_pid" 2>/dev/null; other_pid=""
xdotool windowactivate --sync "$window" 2>/dev/null || fail "the game's window did not take the focus back"
paused() { f12 away && shows away PAUSE 380 545 left 0 0 0; }
if wait_until 60 paused; then pass "in fullscreen, another window taking the focus paused the game"
else fail "fullscreen: no PAUSE after the focus went and came back"; fi
if root_shot back-fs && black back-fs 240 1080 0 0 && black back-fs 240 1080 1680 0 && ! black back-fs 1440 1080 240 0; then
  pass "the focus back: the paused picture fills the screen again, between black bars"
else fail "the focus back: the screen is not the picture between black bars"; fi

# F11 back to the window: play goes on there, F12 as shown.
xdotool key F11
if wait_until 60 windowed && wait_until 60 window_is 800x600 && play_shot play PAUSE 380 545; then pass "F11 again: paused play in the 800x600 window, F12 saves it"
else fail "back in the window: $(window_size), '$shot_path'"; fi

# Nowhere to write: one line on standard error, play goes on.
: >"$HOME/not-a-folder"
user_dirs '$HOME/not-a-folder/pictures'
xdotool key F12
if wait_until 60 grep -q "no screenshot" err.txt && [ "$(grep -c "no screenshot" err.txt)" -eq 1 ]; then pass "an unwritable folder costs one line on standard error"
else fail "unwritable folder: $(grep -v ALSA err.txt | head -3)"; fi
user_dirs '$HOME/Shots/Grog Sloop'
if play_shot after PAUSE 380 545; then pass "play and F12 go on after the failed shot"
else fail "after the failed shot: '$shot_path'"; fi
quit_game "1920x1080"

# ---- 2560x1440: --fullscreen enlarges twice; F11 goes back to scale 2.
start_display 2560x1440
start_game --seed 7 --fullscreen --scale 2
if wait_until 60 placed fs2-title title 480 120 1600 1200; then pass "--fullscreen on 2560x1440: the title enlarged twice, centred"
else fail "--fullscreen at 2560x1440: $(cat result.txt)"; fi
xdotool key F11
if wait_until 60 window_is 1600x1200 && windowed; then
  pass "F11 goes back to the window at scale 2"
else fail "back from fullscreen: the window is $(window_size)"; fi
if wait_until 60 window_shows title2 title 2 && f12 title2-f12 && same title title2-f12; then pass "F12 at scale 2 saves the 800x600 title"
else fail "F12 at scale 2: $(cat result.txt)"; fi
# Switching during play does not pause it (the switch takes the focus
# from the window for a moment); the second shot comes after a step.
press_until Return 60 play_shot in-play "Lives: 3" 100 555 || fail "Return at scale 2: no play"
xdotool key F11
wait_until 60 fullscreen_state || fail "F11 in play: not fullscreen"
if f12 switched && f12 switched && "$text_check" switched.bmp PAUSE 380 545 left 0 0 0 absent >/dev/null; then
  pass "switching to fullscreen in play does not pause it"
else fail "F11 in play paused the game"; fi
xdotool key F11
wait_until 60 window_is 1600x1200 || fail "F11 in play: not back to the window"
# Leaving from fullscreen closes cleanly too. The window manager gives the
# window back its focus a moment after the switch; a key before that goes
# nowhere.
wait_until 60 has_focus || fail "F11 in play: the window did not get its focus back"
xdotool key F11
wait_until 60 fullscreen_state || fail "F11 before leaving: not fullscreen"
quit_game "2560x1440, fullscreen"

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
