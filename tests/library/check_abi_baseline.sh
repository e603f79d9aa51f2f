#!/bin/bash
# Compares the shared library's ABI (abidw from Debian's abigail-tools) with
# the baseline checked in for its SONAME, widgets/abi/<SONAME>.abi. Additions
# pass; an incompatible change fails unless the SONAME changes with it (and
# a new baseline is checked in under the new name):
#   abidw --no-show-locs --no-corpus-path --headers-dir widgets/include/sloopgui \
#     --out-file widgets/abi/libsloopgui.so.N.abi build/widgets/libsloopgui.so
#   check_abi_baseline.sh LIBRARY BASELINE_DIR HEADERS_DIR
# Exits 77 (skipped) without abigail-tools or without debugging information.
set -euo pipefail
LIBRARY=$1 BASELINES=$2 HEADERS=$3
for tool in abidw abidiff readelf; do
  command -v $tool >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
# Read whole before grep: in a pipe under pipefail, grep -q leaving at the
# first match can end readelf with SIGPIPE, and the check would skip.
grep -q '\.debug_info' <<<"$(readelf -S "$LIBRARY")" || { echo "no debugging information in $LIBRARY: skipped"; exit 77; }

soname=$(readelf -d "$LIBRARY" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
baseline=$BASELINES/$soname.abi
[ -f "$baseline" ] || { echo "no baseline $baseline for SONAME $soname: check one in with abidw (see above)"; exit 1; }

T=$(mktemp -d /tmp/sloopgui-abi-XXXXXX)
trap 'rm -rf "$T"' EXIT
abidw --no-show-locs --no-corpus-path --headers-dir "$HEADERS" --out-file "$T/built.abi" "$LIBRARY"
status=0
# Without the default suppressions: abidiff counts a grown record as
# harmless, yet a program that copies a Theme would break on it.
abidiff --no-default-suppression \
  "$baseline" "$T/built.abi" >"$T/report" || status=$?
cat "$T/report"
# abidiff's status bits: 1 error, 2 usage, 4 an ABI change, 8 an incompatible one.
if (( status & 3 )); then echo "abidiff failed ($status)"; exit 1; fi
only_added=yes
grep -q "^Functions changes summary: 0 Removed, 0 Changed" "$T/report" || only_added=no
grep -q "^Variables changes summary: 0 Removed, 0 Changed" "$T/report" || only_added=no
if (( status & 8 )) || { (( status & 4 )) && [ $only_added = no ]; }; then
  echo "ABI change against $baseline beyond additions: raise the major version (and with it the SONAME)"
  echo "and check in the new baseline, or undo the change"
  exit 1
fi
if (( status & 4 )); then echo "additions only against $baseline"; fi
echo "ABI of $soname as in $baseline or compatible with it"
