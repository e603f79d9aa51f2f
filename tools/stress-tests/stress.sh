#!/bin/bash
# Runs the tests of the real program under X again and again on a busy
# machine, then the whole suite again and again, and prints how many runs,
# how many failures and how long they took: the figure behind "the suite
# never flickers", to be measured again after a change to a test.
#
#   tools/stress-tests/stress.sh [BUILD_DIR] [XVFB_RUNS] [SUITE_RUNS] [LOAD]
#
# BUILD_DIR  a configured and built tree (default build; build/asan for the
#            sanitizer build)
# XVFB_RUNS  times each test of the real program runs in a row (default 30)
# SUITE_RUNS times the whole suite runs in a row (default 5), without load
# LOAD       what keeps the machine busy meanwhile: "busy" (default), two
#            shell loops that spin a core each; "compile", a parallel
#            rebuild of the tree in a scratch copy of BUILD_DIR's
#            configuration; "none"
#
# The load is stopped when the script ends, however it ends. The exit
# status is 0 only when no run failed. ctest's own log of each part is kept
# in BUILD_DIR/stress-*.log.
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build} xvfb_runs=${2:-30} suite_runs=${3:-5} load=${4:-busy}
[ -f "$build/CTestTestfile.cmake" ] || { echo "no built tree in $build"; exit 2; }

# The tests that start the real program on an X server: the shell tests,
# the end-to-end test and the Debian package played from its unpacked tree.
PROGRAM_TESTS='^(GrogSloop\.|Replay\.|GameEndToEnd\.)'

load_pids=()
load_dir=""
stop_load() {
  local pid
  for pid in "${load_pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${load_pids[@]}"; do wait "$pid" 2>/dev/null; done
  load_pids=()
  [ -n "$load_dir" ] && rm -rf "$load_dir"
}
trap stop_load EXIT
start_load() {
  case "$load" in
    busy)
      for _ in 1 2; do (while :; do :; done) & load_pids+=($!); done ;;
    compile)
      # Rebuilt over and over from scratch, two jobs at a time.
      load_dir=$(mktemp -d /tmp/grog-stress-load-XXXXXX)
      (while :; do
         rm -rf "$load_dir/tree"
         cmake -S . -B "$load_dir/tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null 2>&1
         cmake --build "$load_dir/tree" -j 2 >/dev/null 2>&1
       done) & load_pids+=($!) ;;
    none) ;;
    *) echo "LOAD is busy, compile or none"; exit 2 ;;
  esac
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
XVFB=(xvfb-run -a -s "-screen 0 1024x768x24 -noreset")

# part NAME LOG CTEST_ARGS...: one ctest run; prints its line of figures.
summary=()
total_failures=0
part() {
  local name=$1 log=$2 start seconds tests failed
  shift 2
  start=$(date +%s)
  "${XVFB[@]}" ctest --test-dir "$build" "$@" >"$log" 2>&1
  seconds=$(($(date +%s) - start))
  tests=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n1)
  failed=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n1)
  [ -n "$tests" ] || { tests=0; failed=1; }
  total_failures=$((total_failures + failed))
  summary+=("$(printf '%-34s %s' "$name:" "$tests tests, $failed failed, ${seconds} s")")
  echo "${summary[-1]}"
  grep -E '\*\*\*|^The following tests FAILED|^\s+[0-9]+ - ' "$log" | head -n 10
}

echo "stress: $build, load: $load, on $(nproc) cores"
start_load
# As many at a time as the test command runs them: two more than the cores.
jobs=$(($(nproc) + 2))
# Each test of the real program XVFB_RUNS times in a row under the load.
part "real program, each $xvfb_runs times" "$build/stress-program.log" \
  -R "$PROGRAM_TESTS" --repeat "until-fail:$xvfb_runs" -j "$jobs" --output-on-failure
# The whole suite, as the test command runs it, on the machine as it is.
stop_load
for run in $(seq "$suite_runs"); do
  part "whole suite, run $run of $suite_runs" "$build/stress-suite-$run.log" -j "$jobs" --output-on-failure
done

echo
echo "== $build under load \"$load\" =="
printf '%s\n' "${summary[@]}"
echo "failures: $total_failures"
[ "$total_failures" -eq 0 ]
