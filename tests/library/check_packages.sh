#!/bin/bash
# Makes the Debian packages from BUILD into a temporary directory and runs
# lintian on the library's two: no errors allowed. The game's package, when
# there is one, must not need the shared library (the game links it in).
#   check_packages.sh BUILD
# Exits 77 (skipped) when cpack's DEB tools or lintian are missing.
set -euo pipefail
BUILD=$1
for tool in lintian dpkg-deb dpkg-shlibdeps file; do
  command -v $tool >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
T=$(mktemp -d /tmp/sloopgui-debs-XXXXXX)
trap 'rm -rf "$T"' EXIT
cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$T" >"$T/cpack.log" 2>&1 || { cat "$T/cpack.log"; exit 1; }
runtime=$(ls "$T"/libsloopgui1_*.deb)
dev=$(ls "$T"/libsloopgui-dev_*.deb)
dpkg-deb -f "$dev" Depends | grep -q "libsloopgui1 (= " || { echo "the -dev package does not depend on the runtime"; exit 1; }
for deb in "$T"/*.deb; do
  case $(basename "$deb") in libsloopgui*) continue ;; esac
  if dpkg-deb -f "$deb" Depends | grep -q sloopgui; then
    echo "$(basename "$deb") depends on the widget library"; exit 1
  fi
done
lintian --no-cfg --fail-on error "$runtime" "$dev" 2>&1 | { grep -v "running with root privileges" || true; }
echo "lintian: no errors"
