#!/bin/bash
# Runs Doxygen on the public headers as the build does (DOXYFILE), into a
# scratch directory, and fails on any warning: an undocumented public name,
# a broken reference. Also checks the manual page of the header and of the
# Theme record were made.
#   check_reference.sh DOXYFILE
# Exits 77 (skipped) without doxygen.
set -euo pipefail
DOXYFILE=$1
command -v doxygen >/dev/null || { echo "no doxygen: skipped"; exit 77; }
T=$(mktemp -d /tmp/sloopgui-reference-XXXXXX)
trap 'rm -rf "$T"' EXIT
{ cat "$DOXYFILE"; echo "OUTPUT_DIRECTORY = $T"; echo "WARN_LOGFILE = $T/warnings.log"; } | doxygen -
if [ -s "$T/warnings.log" ]; then
  cat "$T/warnings.log"
  echo "doxygen warned: document every public name"
  exit 1
fi
for page in theme.h Theme; do
  [ -f "$T/man/man3sloopgui/$page.3sloopgui" ] || { echo "no manual page for $page"; exit 1; }
done
echo "reference built without warnings"
