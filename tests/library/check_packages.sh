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
# Debian's layout: the library and its pkg-config files in the multiarch
# directory, the .pc naming /usr (so pkg-config adds no -L of its own).
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)
contents=$(dpkg-deb -c "$dev")
for f in "./usr/lib/$multiarch/libsloopgui.so" "./usr/lib/$multiarch/pkgconfig/sloopgui.pc"; do
  grep -q " $f" <<<"$contents" || { echo "the -dev package lacks $f"; exit 1; }
done
pc=$(dpkg-deb --fsys-tarfile "$dev" | tar -xO "./usr/lib/$multiarch/pkgconfig/sloopgui.pc")
grep -qx "prefix=/usr" <<<"$pc" || { echo "sloopgui.pc does not name /usr:"; echo "$pc"; exit 1; }
# The ldconfig trigger does ldconfig's work: no maintainer scripts.
control=$(dpkg-deb -I "$runtime")
if grep -qE "^ +[0-9]+ bytes, +[0-9]+ lines +\*? *(postinst|postrm|preinst|prerm) " <<<"$control"; then
  echo "the runtime package has maintainer scripts:"; echo "$control"; exit 1
fi
# Each symbol is tagged with the release that brought it.
dpkg-deb -e "$runtime" "$T/control"
for tagged in "find_theme@Base 1.0.0" "theme_gtk@Base 1.0.0" "use_theme@Base 1.1.0"; do
  grep -qx " $tagged" "$T/control/symbols" || { echo "symbols file lacks \"$tagged\""; cat "$T/control/symbols"; exit 1; }
done
lintian --no-cfg --fail-on error "$runtime" "$dev" 2>&1 | { grep -v "running with root privileges" || true; }
echo "lintian: no errors"
