#!/bin/bash
# The widget library's layers: nothing in core/, style/ or lookfile/
# includes a look (the list of the built-in looks' names aside), and a
# look's files include no header of the library but their own look.h and
# looks/building_blocks.h, the one header of what a look builds with.
# Fails naming each include that breaks this.
#
#   layers.sh SOURCE_DIR
set -uo pipefail
cd "$1/widgets" || exit 1
hits=$(grep -HnE '#include "widgets/looks/' core/* style/* lookfile/* | grep -v '"widgets/looks/builtin_looks\.def"')
for dir in looks/*/; do
  look=$(basename "$dir")
  [ "$look" = shared ] && continue
  more=$(grep -HnE '#include "widgets/' "$dir"* | grep -vE "\"widgets/looks/($look/look|building_blocks)\.h\"")
  [ -n "$more" ] && hits+=$'\n'"$more"
done
hits=$(sed '/^$/d' <<<"$hits")
if [ -n "$hits" ]; then
  echo "FAILED: an include crosses the widget library's layers:"
  echo "$hits"
  exit 1
fi
echo "ok: the layers include no look, and each look only its own look.h and the building blocks"
