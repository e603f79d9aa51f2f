#!/bin/bash
# The Debian package as a player gets it: made by cpack from the build
# tree, checked by lintian and the desktop, AppStream and manual-page
# checkers, unpacked into a scratch root (nothing is installed into the
# machine), and played from there under an X server of its own, from an
# unrelated working directory, with a fresh HOME and no XDG_DATA_HOME.
# Each wait reads a state (the window, the screen, the sound captured, the
# game's exit), never a guessed time.
#
#   package_test.sh BUILD_DIR TEXT_CHECK ART_CHECK
set -uo pipefail

build=$1 text_check=$2 art_check=$3
source "$(dirname "$0")/../program_session.sh" package
# Everything under a directory, with sizes and times, to see what changed.
listing() { (cd "$1" && find . -printf '%p %s %T@ %m\n' | sort); }

# --- The package ---
# Made outside the build tree's own package place, so a player's
# `cpack` there is not disturbed.
if ! (cd "$build" && cpack -G DEB -B "$scratch/out") >"$scratch/cpack.txt" 2>&1; then
  echo "FAILED: cpack"; cat "$scratch/cpack.txt"; exit 1
fi
deb=$(ls "$scratch"/out/grog-sloop_*_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || { echo "FAILED: no grog-sloop_<version>_<arch>.deb made"; ls "$scratch/out"; exit 1; }
pass "made $(basename "$deb")"

fields=$(dpkg-deb -f "$deb" Section Depends)
if grep -q "^Section: games$" <<<"$fields"; then pass "section games"; else fail "section: $fields"; fi
if grep -q "^Depends: .*freepats" <<<"$fields" && grep -q "liballegro4" <<<"$fields"; then
  pass "Depends computed from the libraries, plus freepats"
else fail "Depends: $fields"; fi

lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.txt" 2>&1
grep '^W:' "$scratch/lintian.txt" | sed 's/^/lintian warning: /'
if grep -q '^E:' "$scratch/lintian.txt"; then fail "lintian errors: $(grep '^E:' "$scratch/lintian.txt")"
else pass "lintian reports no errors"; fi

root=$scratch/root
dpkg-deb -x "$deb" "$root" || { echo "FAILED: dpkg-deb -x"; exit 1; }
share=$root/usr/share
for f in usr/games/grog-sloop usr/share/games/grog-sloop/Gfx/Tile.bmp usr/share/games/grog-sloop/Gfx/Status.bmp \
         usr/share/games/grog-sloop/Snd/main.mid usr/share/games/grog-sloop/default.cfg \
         usr/share/doc/grog-sloop/copyright usr/share/man/man6/grog-sloop.6.gz; do
  [ -f "$root/$f" ] || fail "missing /$f"
done
for size in 48 256; do
  if file "$share/icons/hicolor/${size}x${size}/apps/grog-sloop.png" | grep -q "PNG image data, $size x $size"; then
    pass "${size}x${size} icon"
  else fail "${size}x${size} icon: $(file "$share/icons/hicolor/${size}x${size}/apps/grog-sloop.png")"; fi
done
desktop=$share/applications/grog-sloop.desktop
if desktop-file-validate "$desktop" && grep -q "^Categories=Game;ArcadeGame;$" "$desktop" &&
   grep -q "^Exec=/usr/games/grog-sloop$" "$desktop"; then pass "menu entry valid"
else fail "menu entry: $(cat "$desktop")"; fi
if appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml >"$scratch/as.txt" 2>&1; then pass "AppStream data valid"
else fail "AppStream data: $(cat "$scratch/as.txt")"; fi
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man6/grog-sloop.6.gz" 2>&1 >/dev/null)
if [ -z "$man_warnings" ]; then pass "manual page renders without warnings"; else fail "manual page: $man_warnings"; fi
# One version everywhere a player or a packager reads it.
versions="package $(dpkg-deb -f "$deb" Version)
program $("$root/usr/games/grog-sloop" --version | sed -n 's/^grog-sloop //p')
manual $(zcat "$share/man/man6/grog-sloop.6.gz" | sed -n '1s/.*"grog-sloop \([^"]*\)".*/\1/p')
changelog $(zcat "$share/doc/grog-sloop/changelog.gz" | sed -n '1s/^grog-sloop (\([^)]*\)).*/\1/p')
AppStream $(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$share"/metainfo/*.metainfo.xml | head -n1)"
if [ "$(cut -d' ' -f2 <<<"$versions" | sort -u | wc -l)" -eq 1 ] && ! grep -q ' $' <<<"$versions"; then
  pass "one version everywhere: $(head -n1 <<<"$versions" | cut -d' ' -f2)"
else fail "versions differ: $(tr '\n' ',' <<<"$versions")"; fi

# --- Played from the unpacked tree ---
home=$scratch/home work=$scratch/work capture=$scratch/capture.raw
mkdir -p "$home" "$work"
# Every sample the game plays is written to the capture file.
printf 'pcm.!default {\n  type file\n  slave.pcm "null"\n  file "%s"\n  format "raw"\n}\n' "$capture" >"$home/.asoundrc"
tree_before=$(listing "$root")

own_x_server 1024x768 "$scratch/display" || { echo "FAILED: no X server could be started"; exit 1; }

cd "$work" || exit 1
env -u XDG_DATA_HOME HOME="$home" "$root/usr/games/grog-sloop" --seed 7 >"$scratch/out.txt" 2>"$scratch/err.txt" &
game_pid=$!
window=""
wait_until 60 game_window_or_end
[ -n "$window" ] || { echo "FAILED: no window appeared"; grep -v '^ALSA' "$scratch/err.txt"; exit 1; }
xdotool windowfocus "$window"
shoot() { import -silent -window "$window" "BMP3:$scratch/shot.bmp"; }
shows_title() { shoot && "$text_check" "$scratch/shot.bmp" "GROG SLOOP" 350 300 left 175 175 175 present >"$scratch/check.txt"; }
if wait_until 60 shows_title; then pass "title shows"
else fail "title: $(cat "$scratch/check.txt")"; fi

scores=$home/.local/share/grog-sloop
if [ -f "$scores/High.txt" ] && [ "$(head -n1 "$scores/High.txt")" = "Captain Bilgewig" ]; then
  pass "score table made in ~/.local/share/grog-sloop"
else fail "no score table in $scores"; fi
if [ "$(stat -c %a "$home/.local" "$home/.local/share" "$scores" | sort -u)" = "700" ]; then
  pass "new directories are private (0700)"
else fail "directory modes: $(stat -c '%n %a' "$home/.local" "$home/.local/share" "$scores")"; fi

xdotool key Return   # any key starts play
shows_art() { shoot && "$art_check" "$scratch/shot.bmp" "$share/games/grog-sloop" >"$scratch/check.txt"; }
if wait_until 60 shows_art; then
  pass "play shows the real art: $(tr '\n' ' ' <"$scratch/check.txt")"
else fail "art: $(tr '\n' ' ' <"$scratch/check.txt")"; fi
# Two seconds of sound (44100 frames of two 16-bit samples a second) captured.
captured() { [ "$(stat -c %s "$capture" 2>/dev/null || echo 0)" -gt 352800 ]; }
wait_until 60 captured

if ! press_until Escape 60 is_ended; then fail "ESC did not end the game"
else wait "$game_pid"; rc=$?; game_pid=""; [ $rc -eq 0 ] && pass "ESC ends it with status 0" || fail "exit status $rc"; fi

# Standard deviation of the captured 16-bit samples, read as signed and as
# unsigned (whichever the driver chose; the right reading is the smaller).
spread=$(head -c 4000000 "$capture" 2>/dev/null | od -An -v -t d2 -w2 |
  awk '{ s += $1; q += $1 * $1; u = $1 < 0 ? $1 + 65536 : $1; su += u; qu += u * u; n++ }
       END { if (n == 0) { print 0; exit }
             a = q / n - (s / n) ^ 2; b = qu / n - (su / n) ^ 2
             printf "%d\n", sqrt(a < b ? (a > 0 ? a : 0) : (b > 0 ? b : 0)) }')
bytes=$(stat -c %s "$capture" 2>/dev/null || echo 0)
if [ "$bytes" -gt 176400 ] && [ "$spread" -gt 300 ]; then pass "music audible: $bytes bytes captured, sample spread $spread"
else fail "music: $bytes bytes captured, sample spread $spread; stderr: $(grep -v '^ALSA' "$scratch/err.txt" | head -5)"; fi

# --- A player whose own Allegro configuration names a patch set (here one
# that does not exist): theirs is used, not the game's, so the music fails;
# the game says so in one line and plays on. Their file stays as it was.
# The sound device is there (a capture as above): only the music is missing.
home2=$scratch/home2
mkdir -p "$home2"
printf 'pcm.!default {\n  type file\n  slave.pcm "null"\n  file "%s"\n  format "raw"\n}\n' "$scratch/capture2.raw" \
  >"$home2/.asoundrc"
printf '[sound]\nmidi_card = DIGI\npatches = %s/no-such-patches.cfg\n' "$scratch" >"$home2/allegro.cfg"
config_before=$(cat "$home2/allegro.cfg")
env -u XDG_DATA_HOME HOME="$home2" "$root/usr/games/grog-sloop" --seed 7 >"$scratch/out2.txt" 2>"$scratch/err2.txt" &
game_pid=$!
window=""
wait_until 60 game_window_or_end
if [ -n "$window" ]; then pass "without music the game still opens its window"
else fail "without music no window appeared"; fi
xdotool windowfocus "$window"
wait_until 60 shows_title || fail "without music no title screen"
xdotool key Return
press_until Escape 60 is_ended || fail "ESC did not end the game without music"
wait "$game_pid" 2>/dev/null; game_pid=""
said=$(grep -v '^ALSA' "$scratch/err2.txt" | grep -c "playing without music: .*patch set")
if [ "$said" = 1 ]; then pass "the player's patch set wins; one line says the music is missing and why"
else fail "no single line about the missing music: $(grep -v '^ALSA' "$scratch/err2.txt" | head -5)"; fi
[ "$(cat "$home2/allegro.cfg")" = "$config_before" ] && pass "the player's allegro.cfg is left as it was" ||
  fail "the player's allegro.cfg changed"

[ "$(listing "$root")" = "$tree_before" ] && pass "nothing written into the unpacked tree" ||
  fail "the unpacked tree changed: $(diff <(echo "$tree_before") <(listing "$root") | head -5)"
[ -z "$(ls -A "$work")" ] && pass "nothing written into the working directory" ||
  fail "the working directory holds: $(ls -A "$work")"

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; grep -v '^ALSA' "$scratch/err.txt" | head -20; exit 1; }
echo "all checks passed"
