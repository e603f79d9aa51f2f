#!/bin/bash
# Installs what is missing, builds the game into build/ and starts it there,
# beside its generated Gfx/ and Snd/ data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
cd build
exec ./grog-sloop "$@"
