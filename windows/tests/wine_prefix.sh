# Sourced by the tests that look into the Wine prefix their programs run
# in: the test run's ($GROG_WINE_SCRATCH, made by scripts/windows-test.sh),
# or else one of this test's own, ended and removed at exit. Sets
# wine_prefix and wine_user_dir (drive_c/users/NAME of the prefix, made by
# starting it when new).
#   source wine_prefix.sh SOURCE
if [ -z "${GROG_WINE_SCRATCH:-}" ]; then
  GROG_WINE_SCRATCH=$(mktemp -d /tmp/grog-wine-test-XXXXXX)
  export GROG_WINE_SCRATCH
  own_wine_scratch=$GROG_WINE_SCRATCH
  end_own_wine() {
    WINEPREFIX=$own_wine_scratch/prefix timeout 30 wineserver -k 2>/dev/null
    WINEPREFIX=$own_wine_scratch/prefix timeout 30 wineserver -w 2>/dev/null
    rm -rf "$own_wine_scratch"
  }
  trap end_own_wine EXIT
fi
wine_prefix=$GROG_WINE_SCRATCH/prefix
[ -d "$wine_prefix/drive_c/users" ] || GROG_WINE_TIMEOUT=900 "$1/windows/wine-run.sh" wineboot --init >/dev/null 2>&1
wine_user_dir=$(ls -d "$wine_prefix"/drive_c/users/*/AppData 2>/dev/null | grep -v /Public/ | head -n1)
wine_user_dir=${wine_user_dir%/AppData}

# Wine kills a process whose ending it finds slow (SIGKILL, status 137),
# and the game's ending under Wine (its window, its sound) is slow on a
# busy machine: the status the game left with is lost then, whatever it
# was. A status of 137 decides nothing (no_status_verdict REASON): the
# game's own account of its ending (its recording's "end" line, its
# summary) is still checked, and a test where nothing but such statuses
# stood between it and a pass is skipped (wine_verdict: status 77).
status_lost_to_wine() { [ "$1" -eq 137 ]; }
undecided=""
no_status_verdict() {
  echo "no verdict: $*"
  undecided="$undecided; $*"
}
# waited_in_full ERR_FILE: the game said it waited the whole of its wait
# for its own end (WAIT_FOR_GAME_END_MS) before Windows could end it.
waited_in_full() {
  tr -d '\r' <"$1" | sed -n 's/^grog-sloop: waited \([0-9]*\) ms for the game to end$/\1/p' |
    awk '$1 >= 3000 { found = 1 } END { exit !found }'
}
# left_with ERR_FILE: the status the game said it left with at Windows'
# request, just before it left (empty when it never got there).
left_with() { tr -d '\r' <"$1" | sed -n 's/^grog-sloop: leaving with status \([0-9]*\)$/\1/p' | tail -n1; }
# wine_verdict: the test's status from $failures (tests/program_session.sh)
# and the undecided statuses.
wine_verdict() {
  [ "$failures" -eq 0 ] || return 1
  [ -z "$undecided" ] && return 0
  echo "skipped: the checks passed but for statuses Wine took away (${undecided#; })"
  return 77
}
