#!/bin/bash
# Installs what is missing, builds the game, the widget layer, the tools and
# the tests into build/, runs every test, then does the same again with
# AddressSanitizer and UndefinedBehaviorSanitizer in build/asan. Ends with
# the wall time of each phase and the ten slowest tests of each run.
#
# Compiles go through ccache when it is installed (never required).
# clang-tidy's clean results are kept per unit (scripts/clang_tidy_units.py)
# in $GROG_LINT_CACHE, by default ~/.cache/grog-sloop/clang-tidy.
set -euo pipefail
cd "$(dirname "$0")/.."

phases=()
phase_start=0
now_ms() { echo $(($(date +%s%N) / 1000000)); }
begin() { phase_start=$(now_ms); }
# note_phase NAME SINCE_MS: how long NAME took since SINCE_MS.
note_phase() {
  local ms=$(($(now_ms) - $2))
  phases+=("$(printf '%-24s %5d.%d s' "$1" $((ms / 1000)) $((ms % 1000 / 100)))")
}
done_phase() { note_phase "$1" "$phase_start"; }
report() {
  echo
  echo "== wall time per phase =="
  printf '%s\n' "${phases[@]}"
  for run in build build/asan; do
    [ -f "$run/test-output.log" ] || continue
    echo "== ten slowest tests in $run =="
    # "N/M Test #K: NAME ....   Passed   12.34 sec"
    grep -hE '^ *[0-9]+/[0-9]+ Test +#' "$run/test-output.log" 2>/dev/null |
      sed -E 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) .* ([0-9.]+) sec$/\2 \1/' |
      sort -rn | head -n 10 | awk '{ printf "%8.1f s  %s\n", $1, $2 }'
  done
}
trap report EXIT

total_start=$(now_ms)
begin; bash scripts/install-deps.sh; done_phase "install check"

# Layout and static analysis first: a style slip or a clang-tidy finding
# fails here, before the slow builds and tests.
begin; bash scripts/lint.sh format; done_phase "format check"
begin; bash scripts/lint.sh tidy; done_phase "clang-tidy"

JOBS=$(nproc)
launcher=()
if command -v ccache >/dev/null; then
  # One cache for every clone and worktree: paths are taken relative to the
  # tree, so another checkout of the same sources hits it too.
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

begin; cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"; done_phase "configure (normal)"
begin; cmake --build build -j "$JOBS"; done_phase "build (normal)"
begin; cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DGROG_SANITIZE=ON "${launcher[@]}"; done_phase "configure (sanitizer)"
begin; cmake --build build/asan -j "$JOBS"; done_phase "build (sanitizer)"

# Dialog tests and the end-to-end runs of the real program need an X server;
# one Xvfb serves every test of a run. It must not reset when its last
# client leaves: a test starting during a reset cannot connect.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The tests of the real program mostly wait (on the game's steps, on the
# screen): two more jobs than cores let them overlap with the busy ones.
CTEST_JOBS=$((JOBS + 2))
status=0
for run in build build/asan; do
  name="tests (normal)"; [ "$run" = build/asan ] && name="tests (sanitizer)"
  begin
  xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
    ctest --test-dir "$run" --output-on-failure -j "$CTEST_JOBS" 2>&1 | tee "$run/test-output.log" || status=1
  done_phase "$name"
done
note_phase "total" "$total_start"

if [ $status -ne 0 ]; then
  echo "SOME TESTS FAILED"
fi
exit $status
