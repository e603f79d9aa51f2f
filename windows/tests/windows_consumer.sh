#!/bin/bash
# Installs the Windows build of sloopgui from BUILD into a scratch prefix,
# checks what each component holds, then builds tests/consumer (with the
# custom-look example) against that copy only, with mingw-w64: through the
# CMake package and pkg-config, the DLL and the static archive, and runs
# each program under Wine.
#   windows_consumer.sh BUILD SOURCE DEPS   (DEPS: Allegro's Windows build)
set -euo pipefail
BUILD=$1 SOURCE=$2 DEPS=$3
TRIPLE=x86_64-w64-mingw32
TOOLCHAIN=$SOURCE/windows/toolchain-x86_64-w64-mingw32.cmake
WINE_RUN=$SOURCE/windows/wine-run.sh

T=$(mktemp -d /tmp/sloopgui-windows-consumer-XXXXXX)
trap 'rm -rf "$T"' EXIT
step() { echo "== $*"; }

step "runtime component holds the DLL and its documents only"
cmake --install "$BUILD" --prefix "$T/runtime-only" --component runtime >/dev/null
(cd "$T/runtime-only" && find . -type f | sort) >"$T/runtime.list"
cat "$T/runtime.list"
grep -qx "./bin/sloopgui.dll" "$T/runtime.list"
if grep -vE "^./(bin/sloopgui\.dll|share/doc/libsloopgui1/(copyright|changelog\.gz))$" "$T/runtime.list"; then
  echo "unexpected files in the runtime component"; exit 1
fi

step "install runtime and dev into $T/prefix"
P=$T/prefix
cmake --install "$BUILD" --prefix "$P" --component runtime >/dev/null
cmake --install "$BUILD" --prefix "$P" --component dev >/dev/null
for f in bin/sloopgui.dll lib/libsloopgui.dll.a lib/libsloopgui.a lib/pkgconfig/sloopgui.pc \
         lib/pkgconfig/sloopgui-static.pc lib/cmake/sloopgui/sloopguiConfig.cmake include/sloopgui/theme.h; do
  [ -e "$P/$f" ] || { echo "missing $f"; exit 1; }
done

imports_sloopgui() { "$TRIPLE-objdump" -p "$1" | grep -i "DLL Name: sloopgui.dll" >/dev/null; }

build_and_run() {
  local name=$1 shared=$2; shift 2
  step "consumer found through $name"
  PKG_CONFIG_LIBDIR="$P/lib/pkgconfig:$DEPS/lib/pkgconfig" \
    cmake -S "$SOURCE/tests/consumer" -B "$T/$name" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DGROG_WINDOWS_DEPS="$DEPS" -DCUSTOM_LOOK_DIR="$SOURCE/examples/custom-look" "$@" >/dev/null
  cmake --build "$T/$name" >/dev/null
  if [ "$shared" = shared ]; then
    imports_sloopgui "$T/$name/consumer.exe" || { echo "does not load sloopgui.dll"; exit 1; }
  elif imports_sloopgui "$T/$name/consumer.exe"; then
    echo "linked statically, yet it needs sloopgui.dll"; exit 1
  fi
  # The DLL from the installed copy only.
  "$WINE_RUN" --dll-dir "$P/bin" --dll-dir "$DEPS/bin" "$T/$name/consumer.exe"
}
build_and_run cmake-package shared -DCMAKE_PREFIX_PATH="$P" -DCMAKE_FIND_ROOT_PATH="$P"
build_and_run pkg-config shared -DCONSUMER_USE_PKGCONFIG=ON -DCMAKE_FIND_ROOT_PATH="$P"
build_and_run cmake-package-static static -DCMAKE_PREFIX_PATH="$P" -DCMAKE_FIND_ROOT_PATH="$P" -DCONSUMER_STATIC=ON
echo "Windows consumer test passed"
