#!/bin/bash
# Installs what building, playing and testing need on Debian 12.
# Does nothing when everything is already there, so repeated runs are quick.
set -euo pipefail

PACKAGES=(
  cmake g++ make ninja-build pkg-config
  liballegro4-dev libloadpng4-dev libgtest-dev
  xvfb xauth xdotool x11-apps x11-utils imagemagick openbox
  freepats alsa-utils
  clang libclang-rt-14-dev
  clang-format clang-tidy python3
  dpkg-dev file lintian desktop-file-utils appstream man-db
  abigail-tools doxygen
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
