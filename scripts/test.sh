#!/bin/bash
# Installs what is missing, builds the game, the widget layer, the tools and
# the tests into build/, runs every test, then does the same again with
# AddressSanitizer and UndefinedBehaviorSanitizer in build/asan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

# Layout and static analysis first: a style slip or a clang-tidy finding
# fails here, before the slow builds and tests.
bash scripts/lint.sh

JOBS=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"

cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DGROG_SANITIZE=ON
cmake --build build/asan -j "$JOBS"

# Dialog tests and the end-to-end runs of the real program need an X server;
# one Xvfb serves every test of a run. It must not reset when its last
# client leaves: a test starting during a reset cannot connect.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

status=0
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
  ctest --test-dir build --output-on-failure -j "$JOBS" || status=1
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
  ctest --test-dir build/asan --output-on-failure -j "$JOBS" || status=1

if [ $status -ne 0 ]; then
  echo "SOME TESTS FAILED"
fi
exit $status
