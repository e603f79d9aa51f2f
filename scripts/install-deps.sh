#!/bin/bash
# Installs what building, playing and testing need on Debian 12.
# Does nothing when everything is already there, so repeated runs are quick.
set -euo pipefail

PACKAGES=(
  cmake g++ make ninja-build pkg-config
  liballegro4-dev libloadpng4-dev libgtest-dev
  xvfb xauth xdotool x11-apps x11-utils imagemagick openbox
  freepats alsa-utils
  clang libclang-rt-14-dev lld
  clang-format clang-tidy python3
  dpkg-dev file lintian desktop-file-utils appstream man-db
  abigail-tools doxygen
  # The Windows build (scripts/windows-build.sh): mingw-w64 (its posix
  # thread model), Debian's zlib for it, Wine to run it, NSIS to pack it.
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev libz-mingw-w64-dev wine wine64 nsis zip unzip
)

# Allegro and libpng for Windows are built from Debian's source packages,
# which apt only fetches with a deb-src entry.
SOURCES=/etc/apt/sources.list.d/grog-sloop-src.sources
need_sources=0
[ -f "$SOURCES" ] || grep -rqs "deb-src" /etc/apt/sources.list /etc/apt/sources.list.d/ || need_sources=1

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && [ $need_sources -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ $need_sources -eq 1 ]; then
  echo "Adding Debian's source packages to apt ($SOURCES)"
  $SUDO tee "$SOURCES" >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
fi
$SUDO apt-get update
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
