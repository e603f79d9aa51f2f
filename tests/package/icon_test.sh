#!/bin/bash
# The menu icons as an image program reads them: both decode (a fault in
# the PNG or deflate writing makes them unreadable) and both show the same
# pirate, the large one enlarged by a whole factor: its opaque pixels are
# the small one's times the factor squared.
#
#   icon_test.sh BUILD_DIR
set -uo pipefail
build=$1
declare -A opaque
for size in 48 256; do
  icon=$build/icons/${size}x${size}/grog-sloop.png
  read -r count pixels < <(convert "$icon" rgba:- | od -An -v -tu1 -w4 | awk '$4 == 255 { n++ } END { print n + 0, NR }')
  if [ "$pixels" != $((size * size)) ]; then
    echo "FAILED: $icon decodes to $pixels pixels, not $((size * size))"; exit 1
  fi
  [ "$count" -gt 0 ] || { echo "FAILED: $icon is empty"; exit 1; }
  opaque[$size]=$count
  echo "ok: ${size}x${size} icon decodes, $count opaque pixels"
done
ratio=$(( opaque[256] / opaque[48] ))
root=$(awk -v r="$ratio" 'BEGIN { print int(sqrt(r) + 0.5) }')
if [ $(( opaque[256] % opaque[48] )) -ne 0 ] || [ $(( root * root )) -ne "$ratio" ] || [ "$root" -lt 2 ]; then
  echo "FAILED: the 256 icon has ${opaque[256]} opaque pixels, the 48 icon ${opaque[48]}: not a whole enlargement"
  exit 1
fi
echo "ok: the 256 icon is the 48 icon's pirate enlarged by whole factors (${root}x against it)"
