#!/bin/bash
# The look editor as its user drives it, on an X server of its own: the
# keyboard picks "face" in the parameter list and types a new colour into
# the hex entry; the preview is redrawn in it, undo (Ctrl+Z) brings back
# the very pixels it had, and the look saved through the file selector
# holds the change and, undone with the mouse, brings it back when loaded.
# Then the sliders: a metric's slider widens the bevel and a colour's red
# slider redraws the face, each undone; an image picked for the frame with
# its margins is drawn, saved by a name the look file loads back from its
# own directory, undone, and drawn again once the file is loaded.
# Every wait reads the editor's window or the file it writes; the
# deadlines only stop a hung run.
#
#   look_editor_under_xvfb.sh EDITOR
set -uo pipefail
editor=$1
source "$(dirname "$0")/../program_session.sh" look-editor
cd "$scratch" || exit 1

own_x_server 1024x768 display || { echo "FAILED: no X server could be started"; exit 1; }

# The program started last (game_pid to the session) is the editor.
# The editor's window holds the preview at (0..391, 30..489). Two places
# where the face shows: inside the empty box and on the small window's
# face. The file selector lays its white list over (300, 330), where the
# editor has the face between the slider and the small window.
BOX="50 50" WINDOW_FACE="300 450" SELECTOR_LIST="300 330"
# The face row of the parameter list, blue when chosen.
FACE_ROW="700 57"
# The Undo and Load buttons, and a point of each face, grey-violet while
# the mouse holds the button down.
UNDO_BUTTON="460 466" UNDO_FACE="425 459"
LOAD_BUTTON="548 466" LOAD_FACE="513 459"
GREY=D6D6D6 RED=FF0000 BLUE=00009C WHITE=FFFFFF HELD=C6C2C6
# The bevel_width row of the parameter list; the green slider's trough; a
# point on the box's face two pixels in from its right
# edge, which a bevel of 8 pixels covers with its shadow.
BEVEL_ROW="700 121" BOX_EDGE="90 56" GREEN_SLIDER="600 379" SHADOW=949594 BLACK=000000
# The margins entry, and the Image... and Save buttons with a point of
# each face.
MARGINS="640 494" IMAGE_BUTTON="590 525" IMAGE_FACE="555 517" SAVE_BUTTON="635 466" SAVE_FACE="601 459"

# colour_at FILE.bmp "X Y": the colour at (X, Y) of FILE.bmp, as RRGGBB.
colour_at() {
  local x y
  read -r x y <<<"$2"
  convert "$1" -format "%[hex:p{$x,$y}]" info: 2>/dev/null
}
# shows "X Y" HEX: the editor's window has colour HEX at (X, Y) now.
shows() {
  import -silent -window "$window" BMP3:now.bmp 2>/dev/null && [ "$(colour_at now.bmp "$1")" = "$2" ]
}
# preview FILE.bmp: the preview of a settled screenshot, as FILE.preview.bmp.
preview() {
  shoot_settled "$window" "$1" || return 1
  convert "$1" -crop 392x460+0+30 +repage "BMP3:${1%.bmp}.preview.bmp"
}
# wait_shows WHAT "X Y" HEX: waits until (X, Y) shows HEX; a failed check
# named WHAT, and the end of the test, if it never does.
wait_shows() {
  wait_until 30 shows "$2" "$3" && return 0
  fail "$1: ($2) is $(colour_at now.bmp "$2"), not $3"
  exit 1
}
# click WHAT "X Y" "FACE_X FACE_Y": a click of the button at (X, Y), held
# until its face shows it pressed: Allegro's dialogs see the button by
# looking at it, and a press let go at once can fall between two looks.
click() {
  local x y
  read -r x y <<<"$2"
  pointer_to 800 600 "$x" "$y"
  xdotool mousedown 1
  wait_shows "$1 held down" "$3" "$HELD"
  xdotool mouseup 1
}
# choose WHAT "X Y" HEX: a press on the parameter list's row at (X, Y),
# held until the row shows chosen further right (clear of the pointer that
# Allegro draws into the window); let go, the editor shows the parameter:
# the green slider's trough, HEX, is the trough for a colour and the face
# for a metric, which has the red slider alone.
choose() {
  local x y
  read -r x y <<<"$2"
  pointer_to 800 600 "$x" "$y"
  xdotool mousedown 1
  wait_shows "$1 chosen in the list" "$((x + 70)) $y" $BLUE
  xdotool mouseup 1
  wait_shows "$1 shown in the sliders" "$GREEN_SLIDER" "$3"
}
# slide KEY: from the list just chosen in, Tab takes the focus to the red
# slider and KEY (Home or End) sends it to an end of its range. The pointer
# stays on the list, so it does not hand the focus back by moving.
slide() {
  xdotool key Tab "$1"
}
# set_face_red KEYS...: KEYS take the focus to the hex entry; its seven
# characters give way to the face's new colour, and Set is pressed.
set_face_red() {
  xdotool key "$@" BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
  xdotool type '#F80000'
  xdotool key Tab Return
}

"$editor" >out.txt 2>err.txt &
game_pid=$!
editor_window_or_end() { found_window window --name sloopgui-look-editor || is_ended; }
if ! wait_until 60 editor_window_or_end || [ -z "$window" ]; then
  echo "FAILED: the editor shows no window: $(head -3 err.txt)"
  exit 1
fi
# The pointer is left alone while the keys work: in the window from the
# start (the middle of the screen), it sends the editor no motion, which
# would hand the focus to the widget under it rather than leave it where
# the keys put it.
wait_shows "the editor's preview at the start" "$BOX" $GREY
preview before.bmp || { echo "FAILED: the editor's picture does not settle"; exit 1; }

xdotool key Down Down
wait_shows "the face chosen in the list" "$FACE_ROW" $BLUE
# The list, three sliders, then the hex entry.
set_face_red Tab Tab Tab Tab
wait_shows "the preview redrawn in the new face" "$BOX" $RED
wait_shows "the small window redrawn in the new face" "$WINDOW_FACE" $RED
pass "a colour typed into the hex entry redraws the preview"

xdotool key ctrl+z
wait_shows "the face undone" "$BOX" $GREY
preview undone.bmp || { echo "FAILED: the editor's picture does not settle"; exit 1; }
if cmp -s before.preview.bmp undone.preview.bmp; then
  pass "undo brings back every pixel of the preview"
else
  fail "undo leaves $(compare -metric AE before.preview.bmp undone.preview.bmp null: 2>&1) pixels of the preview changed"
fi

# The focus is on Set: back to the entry, then the colour again.
set_face_red shift+Tab
wait_shows "the face set again" "$BOX" $RED
# Set, Undo, Load, Save: the look has no file yet, so Save asks for one,
# in the directory the editor runs in.
xdotool key Tab Tab Tab Return
wait_shows "the file selector for Save" "$SELECTOR_LIST" $WHITE
xdotool type edited.look
xdotool key Return
if wait_until 30 grep -qx 'face = #F80000' edited.look; then
  pass "the saved look names the new face"
else
  fail "the saved look does not name the new face: $({ tr '\n' '|' <edited.look; } 2>/dev/null)"
fi

# Undone in the editor, the face comes back from the file alone. The mouse
# now: Undo, then Load, whose file selector offers the file just saved.
click "Undo" "$UNDO_BUTTON" "$UNDO_FACE"
wait_shows "the face undone before the load" "$BOX" $GREY
click "Load" "$LOAD_BUTTON" "$LOAD_FACE"
wait_shows "the file selector for Load" "$SELECTOR_LIST" $WHITE
xdotool key Return
wait_shows "the preview in the loaded face" "$BOX" $RED
wait_shows "the small window in the loaded face" "$WINDOW_FACE" $RED
pass "the look loaded back draws the saved face"

# A metric: the bevel's slider at its top end, then undone.
choose "bevel_width" "$BEVEL_ROW" $RED
slide End
wait_shows "the preview redrawn with a bevel of 8" "$BOX_EDGE" $SHADOW
pass "a metric's slider redraws the preview"
xdotool key ctrl+z
wait_shows "the bevel undone" "$BOX_EDGE" $RED
# A colour: the face's red slider at 0 leaves the loaded face black.
choose "face" "$FACE_ROW" $HELD
slide Home
wait_shows "the preview redrawn by the red slider" "$BOX" $BLACK
pass "a colour's red slider redraws the preview"
xdotool key ctrl+z
wait_shows "the red slider undone" "$BOX" $RED

# An image for the frame (the part chosen first): a green border round a
# blue middle, cut by margins 2 3 4 5 (left, top, right, bottom).
convert -size 12x12 xc:'#00FF00' -fill '#0000FF' -draw 'rectangle 2,3,7,6' BMP3:part.bmp
read -r x y <<<"$MARGINS"
pointer_to 800 600 "$x" "$y"
xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type '2 3 4 5'
click "Image..." "$IMAGE_BUTTON" "$IMAGE_FACE"
wait_shows "the file selector for the image" "$SELECTOR_LIST" $WHITE
xdotool type part.bmp
xdotool key Return
wait_shows "the box drawn from the image" "$BOX" 0000FF
pass "an image picked for the frame draws the box"
# The look has its file now: Save writes it without asking.
click "Save" "$SAVE_BUTTON" "$SAVE_FACE"
if wait_until 30 grep -qx 'frame = part.bmp 2 3 4 5' edited.look; then
  pass "the saved look names the image, from its own directory, with its margins"
else
  fail "the saved look does not name the image as part.bmp 2 3 4 5: $({ tr '\n' '|' <edited.look; } 2>/dev/null)"
fi
xdotool key ctrl+z
wait_shows "the image undone" "$BOX" $RED
pass "undo takes the image back"
click "Load" "$LOAD_BUTTON" "$LOAD_FACE"
wait_shows "the file selector for the second load" "$SELECTOR_LIST" $WHITE
xdotool key Return
wait_shows "the box drawn from the loaded image" "$BOX" 0000FF
pass "the look loaded back draws its image"

xdotool key Escape
wait_until 30 is_ended || { fail "Escape does not end the editor"; exit 1; }
wait "$game_pid"
status=$?
game_pid=""
[ $status -eq 0 ] || fail "the editor ended with status $status: $(head -3 err.txt)"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "the look editor edits, undoes, saves and loads"
