#!/bin/bash
# Installs what is missing, builds the game, the widget layer, the tools and
# the tests into build/, runs every test, then does the same again with
# AddressSanitizer and UndefinedBehaviorSanitizer in build/asan. Ends with
# the wall time of each phase and the ten slowest tests of each run.
#
# Compiles go through ccache when it is installed (never required); see
# scripts/configure.sh. A test that passed is not run again while nothing
# that decides it has changed (scripts/test_verdicts.py).
# clang-tidy's clean results are kept per unit (scripts/clang_tidy_units.py)
# in $GROG_LINT_CACHE, by default ~/.cache/grog-sloop/clang-tidy.
set -euo pipefail
cd "$(dirname "$0")/.."

# ---- Under load: `test.sh --under-load` (or GROG_UNDER_LOAD=1) runs it all
# with the machine made slow on purpose, two busy loops per core from start
# to end, so a verdict that hangs on the machine's speed shows. A keeper
# outside this shell's jobs (the run's `wait` and clean-up leave it alone)
# ends the loops once this script has ended, however it ended. ----
case " $* " in *" --under-load "*) GROG_UNDER_LOAD=1 ;; esac
if [ "${GROG_UNDER_LOAD:-0}" = 1 ]; then
  echo "under load: $((2 * $(nproc))) busy loops beside the run"
  (
    loops=()
    for _ in $(seq $((2 * $(nproc)))); do
      sh -c 'while :; do :; done' &
      loops+=($!)
    done
    trap 'kill "${loops[@]}" 2>/dev/null' EXIT
    trap exit INT TERM HUP
    while kill -0 $$ 2>/dev/null; do sleep 1; done
  ) >/dev/null 2>&1 &
  disown
fi
# ---- end of under load ----

phases=()
phase_start=0
now_ms() { echo $(($(date +%s%N) / 1000000)); }
# note_phase NAME SINCE_MS: how long NAME took since SINCE_MS.
note_phase() { note_ms "$1" $(($(now_ms) - $2)); }
# cpu_ms: the CPU time (user and system, milliseconds) of every child this
# shell has waited for, from bash's own `times` (run in this shell: in a
# pipe or $(...) it would count a subshell's children).
cpu_file=$(mktemp)
# cpu_ms VAR: sets VAR to that time.
cpu_ms() {
  local file=$cpu_file.$BASHPID
  times >"$file"
  printf -v "$1" '%s' "$(awk 'END { for (i = 1; i <= 2; i++) { split($i, t, /[ms]/); ms += (t[1] * 60 + t[2]) * 1000 }
                                   printf "%d\n", ms }' "$file")"
  rm -f "$file"
}
# note_ms NAME MS [CPU_MS]: NAME took MS milliseconds, and CPU_MS of CPU.
note_ms() {
  local ms=$2 cpu=${3:-}
  local line
  line=$(printf '%-24s %5d.%d s' "$1" $((ms / 1000)) $((ms % 1000 / 100)))
  [ -z "$cpu" ] || line+=$(printf '   %5d.%d CPU-s' $((cpu / 1000)) $((cpu % 1000 / 100)))
  phases+=("$line")
}
phase_cpu=0
begin() {
  phase_start=$(now_ms)
  cpu_ms phase_cpu
}
done_phase() {
  local cpu
  cpu_ms cpu
  note_ms "$1" $(($(now_ms) - phase_start)) $((cpu - phase_cpu))
}
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
      sort -rn | head -n 10 | awk '{ printf "%8.1f s  %s\n", $1, $2 }' || true
  done
}
# A failed build leaves no test run behind.
finish() {
  local running
  running=$(jobs -p)
  [ -z "$running" ] || kill $running 2>/dev/null || true
  report
  rm -f "$cpu_file"
}
trap finish EXIT

# The command leaves the checkout as it found it: a fresh clone stays
# clean (what a run writes goes to build/ and the caches). The state of
# every tracked and untracked file is taken now and compared at the end.
tree_state() {
  git rev-parse --git-dir >/dev/null 2>&1 || return 0
  git status --porcelain
  git diff HEAD 2>/dev/null | sha256sum
}
tree_before=$(tree_state)

# The slowest tests listed at the end are this run's.
rm -f build/test-output.log build/asan/test-output.log
total_start=$(now_ms)
begin; bash scripts/install-deps.sh; done_phase "install check"

# Layout and static analysis first: a style slip or a clang-tidy finding
# fails here, before the slow builds and tests.
begin; bash scripts/lint.sh format; done_phase "format check"
begin; bash scripts/lint.sh tidy; done_phase "clang-tidy"

JOBS=$(nproc)
# The inputs that decide the tests' verdicts are taken before each build;
# the plan of each run (which tests passed before with the same inputs, and
# are not run again) after it, when the tree knows its tests. See
# scripts/test_verdicts.py. GROG_RETEST=1 runs every test.
[ "${GROG_RETEST:-0}" = 1 ] && rm -f build/test-verdicts.txt build/asan/test-verdicts.txt build/windows/test-verdicts.txt

# Dialog tests and the end-to-end runs of the real program need an X server;
# one Xvfb serves every test of a run. It must not reset when its last
# client leaves: a test starting during a reset cannot connect.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# run_tests BUILD_DIR FIRST_DISPLAY: the plan's tests of one build, its log
# in BUILD_DIR/test-output.log; keeps the verdicts.
run_tests() {
  local run=$1 numbers choice=() status=0
  # The plan lists the tests in ctest's order: line N is test number N.
  numbers=$(awk '$1 == "run" { print NR }' "$run/test-plan.txt" | paste -sd,)
  if [ -z "$numbers" ]; then
    echo "every test passed before with the same inputs" >"$run/test-output.log"
  else
    [ "$(grep -c '^kept' "$run/test-plan.txt")" -gt 0 ] && choice=(-I "0,0,0,$numbers")
    rm -f "$run/test-results.xml"
    # The tests of the real program mostly wait (on the game's steps, on
    # the screen): three more jobs than cores let them overlap with the
    # busy ones (on two cores a run of either build then takes some 100 s
    # beside the other, against 107 s with two more). Each run has an X
    # server of its own.
    xvfb-run -a -n "$2" -s "-screen 0 1024x768x24 -noreset" \
      ctest --test-dir "$run" --output-on-failure -j $((JOBS + 3)) "${choice[@]}" \
      --output-junit "$PWD/$run/test-results.xml" >"$run/test-output.log" 2>&1 || status=1
  fi
  python3 scripts/test_verdicts.py "$run" record "$run/test-plan.txt" "$run/test-results.xml"
  return $status
}

# in_background BUILD_DIR FIRST_DISPLAY: run_tests, leaving its status and
# its time in BUILD_DIR/test-status.
in_background() {
  local status=0 start cpu
  start=$(now_ms)
  run_tests "$@" || status=$?
  cpu_ms cpu
  echo "$status $(($(now_ms) - start)) $cpu" >"$1/test-status"
}

# The normal build's tests run while the sanitizer build compiles, and
# the two runs overlap: most of a run is waiting on the game's steps and on
# the screen, time the compiler and the other run can use.
begin; bash scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
python3 scripts/test_verdicts.py build snapshot; done_phase "configure (normal)"
begin; cmake --build build -j "$JOBS"; done_phase "build (normal)"
python3 scripts/test_verdicts.py build pending build/test-plan.txt
in_background build 90 &
# ---- Windows: the cross build in build/windows and its tests under Wine
# (scripts/windows-test.sh), beside the sanitizer build and the Linux tests:
# its tests mostly wait on Wine and the game's steps, time the compilers
# use. It needs only the normal build (its tests compare with it).
# GROG_SKIP_WINDOWS=1 leaves it out. ----
rm -f build/windows-test-status
windows_phase() {
  local status=0 start cpu
  start=$(now_ms)
  GROG_WINDOWS_VERDICTS=1 bash scripts/windows-test.sh >build/windows-test-output.log 2>&1 || status=$?
  cpu_ms cpu
  echo "$status $(($(now_ms) - start)) $cpu" >build/windows-test-status
}
[ "${GROG_SKIP_WINDOWS:-0}" = 1 ] || windows_phase &
# ---- end of Windows ----
begin; bash scripts/configure.sh build/asan -DCMAKE_BUILD_TYPE=Debug -DGROG_SANITIZE=ON -DBUILD_TESTING=ON >/dev/null
python3 scripts/test_verdicts.py build/asan snapshot; done_phase "configure (sanitizer)"
begin; cmake --build build/asan -j "$JOBS"; done_phase "build (sanitizer)"
python3 scripts/test_verdicts.py build/asan pending build/asan/test-plan.txt
in_background build/asan 190 &
wait
note_ms "tests (normal)" "$(cut -d' ' -f2 build/test-status)" "$(cut -d' ' -f3 build/test-status)"
note_ms "tests (sanitizer)" "$(cut -d' ' -f2 build/asan/test-status)" "$(cut -d' ' -f3 build/asan/test-status)"
status=0
for run in build build/asan; do
  if [ "$(cut -d' ' -f1 "$run/test-status")" != 0 ]; then
    status=1
    echo "== $run: failed =="
    cat "$run/test-output.log"
  else
    echo "== $run =="
    grep -E "tests passed|every test passed before|Total Test time" "$run/test-output.log" || true
  fi
done

# ---- Windows: its verdict, from the run started beside the Linux tests ----
if [ -f build/windows-test-status ]; then
  note_ms "windows (build, tests)" "$(cut -d' ' -f2 build/windows-test-status)" "$(cut -d' ' -f3 build/windows-test-status)"
  if [ "$(cut -d' ' -f1 build/windows-test-status)" = 0 ]; then
    echo "== build/windows =="
    grep -E "tests passed|every test passed before|Total Test time" build/windows-test-output.log || true
  else
    status=1
    echo "== build/windows: failed =="
    cat build/windows-test-output.log
  fi
fi
# ---- end of Windows ----

cpu_ms total_cpu
note_ms "total" $(($(now_ms) - total_start)) "$total_cpu"

if [ "$(tree_state)" != "$tree_before" ]; then
  status=1
  echo "== the run changed the checkout (it must write only to build/ and the caches) =="
  diff <(echo "$tree_before") <(tree_state) || true
fi
if [ $status -ne 0 ]; then
  echo "SOME TESTS FAILED"
fi
exit $status
