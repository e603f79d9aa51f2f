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
