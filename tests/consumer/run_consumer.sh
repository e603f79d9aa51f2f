#!/bin/bash
# Installs the library from BUILD into a temporary prefix, checks what each
# component holds and that every installed header compiles alone, then
# builds the consumer program against that copy only (CMake package,
# pkg-config, and the static archive through each) and runs
# each on the display.
#   run_consumer.sh BUILD SOURCE LIBDIR   (LIBDIR: the install's libdir, e.g. lib)
# Exits 77 (skipped) without a display.
set -euo pipefail
BUILD=$1 SOURCE=$2 LIBDIR=$3
CXX=${CXX:-c++} CC=${CC:-cc}
[ -n "${DISPLAY:-}" ] || { echo "no display: run under xvfb-run"; exit 77; }

T=$(mktemp -d /tmp/sloopgui-consumer-XXXXXX)
trap 'rm -rf "$T"' EXIT
step() { echo "== $*"; }

step "runtime component holds the shared library and its documents only"
cmake --install "$BUILD" --prefix "$T/runtime-only" --component runtime >/dev/null
(cd "$T/runtime-only" && find . -type f -o -type l | sort) > "$T/runtime.list"
cat "$T/runtime.list"
version=$(sed -n 's/^#define SLOOPGUI_VERSION_STRING "\(.*\)"$/\1/p' "$SOURCE/widgets/include/sloopgui/version.h")
grep -qF "./$LIBDIR/libsloopgui.so.$version" "$T/runtime.list"
if grep -vxE "\./($LIBDIR/libsloopgui\.so\.(1|${version//./\\.})|share/doc/libsloopgui1/(copyright|changelog\.gz))" "$T/runtime.list"; then
  echo "unexpected files in the runtime component"; exit 1
fi

step "install runtime and dev into $T/prefix"
P=$T/prefix
cmake --install "$BUILD" --prefix "$P" --component runtime >/dev/null
cmake --install "$BUILD" --prefix "$P" --component dev >/dev/null
for f in "$LIBDIR/libsloopgui.so" "$LIBDIR/libsloopgui.a" "$LIBDIR/pkgconfig/sloopgui.pc" \
         "$LIBDIR/pkgconfig/sloopgui-static.pc" "$LIBDIR/cmake/sloopgui/sloopguiConfig.cmake" \
         include/sloopgui/theme.h share/doc/libsloopgui-dev/README.md \
         share/doc/libsloopgui-dev/examples/custom-look/jolly_roger.cpp; do
  [ -e "$P/$f" ] || { echo "missing $f"; exit 1; }
done

if command -v doxygen >/dev/null; then
  step "the reference and the sloopgui(3) overview are installed"
  for f in share/doc/libsloopgui-dev/html/index.html share/man/man3/sloopgui.3.gz \
           share/man/man3/Theme.3sloopgui.gz share/man/man3/theme.h.3sloopgui.gz; do
    [ -e "$P/$f" ] || { echo "missing $f"; exit 1; }
  done
fi

if command -v lexgrog >/dev/null && command -v doxygen >/dev/null; then
  step "every manual page has a whatis entry, every public function and variable a page"
  (cd "$P/share/man" && for page in man3/*; do
     lexgrog "$page" >/dev/null || { echo "no whatis entry in $page"; exit 1; }
   done)
  while read -r name; do
    [ -e "$P/share/man/man3/$name.3sloopgui.gz" ] || { echo "no manual page for $name"; exit 1; }
  done < "$SOURCE/widgets/sloopgui.symbols"
  man -M "$P/share/man" -w use_theme
fi

step "the installed README's links lead to installed files"
doc=$P/share/doc/libsloopgui-dev
grep -o '](\([^)#]*\))' "$doc/README.md" | sed 's/^](\(.*\))$/\1/' | sort -u | while read -r link; do
  case $link in *://*) continue ;; esac
  [ -e "$doc/$link" ] || { echo "README.md links to $link, which is not installed"; exit 1; }
done

step "each installed header compiles alone, as C++ and as C"
for h in "$P"/include/sloopgui/*.h; do
  echo "$(basename "$h")"
  "$CXX" -std=c++17 -Wall -Wextra -Werror -fsyntax-only -I"$P/include" -x c++ "$h"
  "$CC" -std=c99 -Wall -Wextra -Werror -fsyntax-only -I"$P/include" -x c "$h"
done

build_and_run() {
  local name=$1 shared=$2; shift 2
  step "consumer found through $name"
  cmake -S "$SOURCE/tests/consumer" -B "$T/$name" -DCUSTOM_LOOK_DIR="$SOURCE/examples/custom-look" "$@" >/dev/null
  cmake --build "$T/$name" >/dev/null
  # It must run on the installed library, not on a copy in the build tree.
  if [ "$shared" = shared ]; then
    LD_LIBRARY_PATH="$P/$LIBDIR" ldd "$T/$name/consumer" | grep "libsloopgui.so.1 => $P/$LIBDIR/"
  elif ldd "$T/$name/consumer" | grep sloopgui; then
    echo "linked statically, yet it needs the shared library"; exit 1
  fi
  LD_LIBRARY_PATH="$P/$LIBDIR" "$T/$name/consumer"
}
build_and_run cmake-package shared -DCMAKE_PREFIX_PATH="$P"
PKG_CONFIG_PATH="$P/$LIBDIR/pkgconfig" build_and_run pkg-config shared -DCONSUMER_USE_PKGCONFIG=ON
build_and_run cmake-package-static static -DCMAKE_PREFIX_PATH="$P" -DCONSUMER_STATIC=ON

# As the README says to link statically, on one command line.
step "consumer linked statically with pkg-config sloopgui-static"
mkdir -p "$T/pkg-config-static"
# shellcheck disable=SC2046 # the flags are words
"$CXX" -std=c++17 -Wall -Wextra -Werror -I"$SOURCE/examples/custom-look" -o "$T/pkg-config-static/consumer" \
  "$SOURCE/tests/consumer/consumer.cpp" "$SOURCE/examples/custom-look/jolly_roger.cpp" \
  $(PKG_CONFIG_PATH="$P/$LIBDIR/pkgconfig" pkg-config --cflags --libs sloopgui-static)
if ldd "$T/pkg-config-static/consumer" | grep sloopgui; then
  echo "linked statically, yet it needs the shared library"; exit 1
fi
"$T/pkg-config-static/consumer"
echo "consumer test passed"
