#!/bin/bash
# The world is steered, never steering: it reads no keyboard, joystick or
# mouse, plays no music and knows nothing of the status bar. The game turns
# its controls into the arrows a step takes and owns every screen but the
# world's own canvas. Fails naming each line under world/ that breaks this.
#
#   reads_no_input.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1
hits=$(grep -rnE 'key\[|joy\[|mouse_|MIDI|[Ss]tatus ?(bar|Bitmap|Image)' world/)
if [ -n "$hits" ]; then
  echo "FAILED: world/ reads input or touches the game's screens or music:"
  echo "$hits"
  exit 1
fi
echo "ok: world/ reads no input and owns no screen"
