#!/bin/bash
# The Windows packages, made by CPack from BUILD and tried under Wine:
#   - the portable zip holds the program, its DLLs, its data, README and
#     licence, and verifies a kept recording from a folder of its own;
#   - the installer runs silently (/S) for the player alone: the files go
#     to %LOCALAPPDATA%\Programs\GROG SLOOP, with a Start-menu shortcut and
#     an entry in "Apps"; the installed game verifies a kept recording;
#   - its uninstaller, run silently, removes every file it installed, the
#     shortcut and the entry, and nothing else (the player's scores, a file
#     of the player's own in the game's folder);
#   - the sloopgui dev zip holds the DLL, both libraries, the headers, the
#     CMake and pkg-config files.
#   packages_under_wine.sh SOURCE BUILD RECORDING
set -uo pipefail
source=$1 build=$2 recording=$3
failures=0
pass() { echo "ok: $*"; }
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
# Hang guards only: Wine takes seconds for each, minutes on a busy machine.
wine_run() { GROG_WINE_TIMEOUT=600 "$source/windows/wine-run.sh" "$@"; }
# shellcheck source=wine_prefix.sh
source "$(dirname "$0")/wine_prefix.sh" "$source"
scratch=$(mktemp -d /tmp/grog-windows-packages-XXXXXX)
trap 'rm -rf "$scratch"; [ -z "${own_wine_scratch:-}" ] || end_own_wine' EXIT
expected=$(sed -n 's/^end /game /p' "$recording")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

(cd "$build" && cpack >"$scratch/cpack.txt" 2>&1 && cpack --config CPackSloopguiConfig.cmake >>"$scratch/cpack.txt" 2>&1) ||
  { cat "$scratch/cpack.txt"; echo "FAILED: cpack"; exit 1; }
zip=$build/grog-sloop-$version-win64.zip installer=$build/grog-sloop-$version-win64.exe
dev=$build/sloopgui-$version-win64-dev.zip

# The portable zip.
unzip -q "$zip" -d "$scratch/portable"
(cd "$scratch/portable" && find . -type f | sort) >"$scratch/zip.list"
for f in ./grog-sloop.exe ./alleg44.dll ./libloadpng.dll ./Gfx/Tile.bmp ./Gfx/Status.bmp ./Snd/main.mid \
         ./README.txt ./LICENSE.txt; do
  grep -qxF "$f" "$scratch/zip.list" || fail "the zip lacks $f"
done
cp "$recording" "$scratch/game.rec"
verified=$(cd "$scratch" && wine_run portable/grog-sloop.exe --verify game.rec 2>/dev/null | tr -d '\r')
[ "$verified" = "$expected" ] && pass "the unpacked zip verifies a recording: $verified" ||
  fail "the unpacked zip verified \"$verified\", not \"$expected\""
(cd "$scratch/portable" && find . -type f | sort) | cmp -s - "$scratch/zip.list" ||
  fail "the portable game wrote beside itself"

# The installer, silently, for this player.
user_dir=$wine_user_dir
installed="$user_dir/AppData/Local/Programs/GROG SLOOP"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/GROG SLOOP.lnk"
wine_run "$installer" /S
if [ -x "$installed/grog-sloop.exe" ] || [ -f "$installed/grog-sloop.exe" ]; then
  (cd "$installed" && find . -type f | sort) >"$scratch/installed.list"
  if diff <(grep -vxF ./Uninstall.exe "$scratch/installed.list") "$scratch/zip.list" >/dev/null; then
    pass "the installer put the zip's files and an uninstaller into $installed"
  else
    fail "the installed files differ from the zip's: $(diff <(grep -vxF ./Uninstall.exe "$scratch/installed.list") "$scratch/zip.list" | head -5)"
  fi
  [ -f "$shortcut" ] && pass "a Start-menu shortcut" || fail "no Start-menu shortcut at $shortcut"
  wine_run reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\grog-sloop' /v DisplayName 2>/dev/null |
    grep -q "GROG SLOOP" && pass "an entry in Apps, for this player" || fail "no entry in Apps"
  verified=$(cd "$scratch" && wine_run "$installed/grog-sloop.exe" --verify game.rec 2>/dev/null | tr -d '\r')
  [ "$verified" = "$expected" ] && pass "the installed game verifies a recording: $verified" ||
    fail "the installed game verified \"$verified\", not \"$expected\""

  # What the player has made stays.
  mkdir -p "$user_dir/AppData/Roaming/grog-sloop"
  echo kept >"$user_dir/AppData/Roaming/grog-sloop/High.txt"
  echo mine >"$installed/my-notes.txt"
  wine_run "$installed/Uninstall.exe" /S
  # The uninstaller runs on from a copy of itself in the temporary folder:
  # its files going is the state waited for (a hang guard of ten minutes).
  for _ in $(seq 1 3000); do [ -e "$installed/grog-sloop.exe" ] || [ -e "$installed/Uninstall.exe" ] || break; sleep 0.2; done
  left=$(cd "$installed" 2>/dev/null && find . -type f | sort)
  [ "$left" = ./my-notes.txt ] && pass "the uninstaller removed every file it installed and left the player's own" ||
    fail "after uninstalling, the game's folder holds: $left"
  [ -f "$shortcut" ] && fail "the shortcut stayed" || pass "the shortcut went"
  wine_run reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\grog-sloop' >/dev/null 2>&1 &&
    fail "the entry in Apps stayed" || pass "the entry in Apps went"
  [ "$(cat "$user_dir/AppData/Roaming/grog-sloop/High.txt")" = kept ] && pass "the player's scores stayed" ||
    fail "the player's scores went"
  # The prefix as it was, for the tests after this one.
  rm -f "$user_dir/AppData/Roaming/grog-sloop/High.txt"
  rm -rf "$installed"
else
  fail "the installer installed nothing into $installed"
fi

# The programmers' zip.
unzip -q "$dev" -d "$scratch/dev"
for f in bin/sloopgui.dll lib/libsloopgui.dll.a lib/libsloopgui.a include/sloopgui/theme.h \
         lib/cmake/sloopgui/sloopguiConfig.cmake lib/pkgconfig/sloopgui.pc lib/pkgconfig/sloopgui-static.pc; do
  [ -f "$scratch/dev/sloopgui-$version-win64-dev/$f" ] || fail "the dev zip lacks $f"
done
[ $failures -eq 0 ] && pass "the dev zip holds the library, its headers and its CMake and pkg-config files"
[ $failures -eq 0 ]
