#!/bin/bash
# Builds what the Windows game needs and Debian has no mingw build of:
# Allegro 4.4.3.1 (with its PNG add-on) and libpng, both from Debian's own
# source packages, fetched through apt and checked against their .dsc, and
# Allegro mended by the patches in windows/patches/allegro/.
#
#   windows-deps.sh          prints the directory they are installed in
#
# The result is kept under ~/.cache/grog-sloop/windows-deps/KEY, where KEY
# is a digest of the sources (their .dsc), the patches, this script and the
# toolchain's version (the compiler's, mingw-w64's and its zlib's): only a
# machine's first build, or one after any of those changed, pays for it
# (five minutes on a two-core machine busy with other builds).
# Progress goes to standard error; standard output is only the directory.
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$PWD
toolchain=$tree/windows/toolchain-x86_64-w64-mingw32.cmake
patches=$tree/windows/patches/allegro
cache=${XDG_CACHE_HOME:-$HOME/.cache}/grog-sloop/windows-deps
say() { echo "windows-deps: $*" >&2; }

# The .dsc of each source package apt would fetch, with its digest: apt
# prints them without downloading anything. A machine whose apt knows no
# deb-src entry gets one from scripts/install-deps.sh.
dsc_line() {
  apt-get source --print-uris "$1" 2>/dev/null | grep -E "\.dsc' " | head -n1
}
allegro_dsc=$(dsc_line allegro4.4)
libpng_dsc=$(dsc_line libpng1.6)
if [ -z "$allegro_dsc" ] || [ -z "$libpng_dsc" ]; then
  say "apt knows no source of allegro4.4 or libpng1.6 (run scripts/install-deps.sh)"
  exit 1
fi

key=$({
  echo "$allegro_dsc"
  echo "$libpng_dsc"
  cat "$patches"/*.patch "$tree/scripts/windows-deps.sh"
  x86_64-w64-mingw32-gcc-posix --version
  dpkg-query -W -f '${Package} ${Version}\n' mingw-w64-x86-64-dev libz-mingw-w64-dev
} | sha256sum | cut -c1-16)
prefix=$cache/$key
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

say "building Allegro and libpng for Windows into $prefix"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Each .orig tarball's SHA-256 is checked against its .dsc (apt has already
# checked the .dsc against the signed archive index). Debian's packaging of
# Allegro is not needed and is not fetched; that of libpng carries its
# security fixes, which are applied.
fetch() {
  local package=$1
  # apt-get source fails on the Allegro packaging, which the archive no
  # longer serves; what it did fetch is checked below.
  apt-get source --download-only "$package" >&2 || true
  local dsc
  dsc=$(ls ./*.dsc | grep -F "${package}_" | head -n1)
  awk '/^Checksums-Sha256:/ {on=1; next} /^[^ ]/ {on=0} on && $3 ~ /\.orig\.tar\./ {print $1 "  " $3}' "$dsc" \
    >"$package.sha256"
  [ -s "$package.sha256" ] || { say "no .orig digest in $dsc"; exit 1; }
  sha256sum -c "$package.sha256" >&2
}
fetch allegro4.4
fetch libpng1.6

mkdir -p "$prefix.tmp"
rm -rf "${prefix:?}.tmp"/*
jobs=$(nproc)
# zlib is Debian's own mingw build, linked in statically.
zlib=/usr/x86_64-w64-mingw32/lib/libz.a

tar xzf libpng1.6_*.orig.tar.gz
(
  cd libpng-1.6.*
  if ls ../libpng1.6_*.debian.tar.* >/dev/null 2>&1; then
    tar xf ../libpng1.6_*.debian.tar.*
    if [ -f debian/patches/series ]; then
      grep -v '^#' debian/patches/series | while read -r p; do
        [ -n "$p" ] && patch -p1 -s <"debian/patches/$p"
      done
    fi
  fi
)
cmake -S libpng-1.6.* -B png-build -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix.tmp" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
  -DPNG_EXECUTABLES=OFF -DSKIP_INSTALL_PROGRAMS=ON -DZLIB_LIBRARY="$zlib" >&2
cmake --build png-build -j"$jobs" >&2
cmake --install png-build >&2

tar xzf allegro4.4_*.orig.tar.gz
for p in "$patches"/*.patch; do
  say "applying $(basename "$p")"
  patch -d allegro-4.4.3.1 -p1 -s --fuzz=0 <"$p"
done
cmake -S allegro-4.4.3.1 -B allegro-build -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix.tmp" -DCMAKE_PREFIX_PATH="$prefix.tmp" -DSHARED=ON \
  -DWANT_ALLEGROGL=OFF -DWANT_LOGG=OFF -DWANT_JPGALLEG=OFF -DWANT_LOADPNG=ON \
  -DWANT_EXAMPLES=OFF -DWANT_TOOLS=OFF -DWANT_TESTS=OFF -DWANT_DOCS=OFF \
  -DPNG_PNG_INCLUDE_DIR="$prefix.tmp/include" -DPNG_LIBRARY="$prefix.tmp/lib/libpng16.a" \
  -DZLIB_LIBRARY="$zlib" >&2
cmake --build allegro-build -j"$jobs" >&2
cmake --install allegro-build >&2

# Allegro installs pkg-config files only on Unix; the game's build finds
# both libraries through them, so it is the same build on both platforms.
mkdir -p "$prefix.tmp/lib/pkgconfig"
cat >"$prefix.tmp/lib/pkgconfig/allegro.pc" <<'PC'
prefix=${pcfiledir}/../..
libdir=${prefix}/lib
includedir=${prefix}/include

Name: allegro
Description: Allegro game programming library (Windows)
Version: 4.4.3.1
Libs: -L${libdir} -lalleg44.dll
Cflags: -I${includedir}
PC
cat >"$prefix.tmp/lib/pkgconfig/loadpng.pc" <<'PC'
prefix=${pcfiledir}/../..
libdir=${prefix}/lib
includedir=${prefix}/include

Name: loadpng
Description: PNG addon for Allegro (Windows)
Version: 4.4.3.1
Libs: -L${libdir} -lloadpng.dll
Requires: allegro
Cflags: -I${includedir}
PC
touch "$prefix.tmp/.complete"
rm -rf "$prefix"
mv "$prefix.tmp" "$prefix"
say "done"
echo "$prefix"
