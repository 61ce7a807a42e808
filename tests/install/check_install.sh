#!/usr/bin/env bash
# Installs the built game into a temporary prefix and checks what a player's
# system gets: the layout, a desktop entry and metainfo that the desktop's own
# validators accept, and an installed game that starts without a screen and
# gives the player his own copy of the files it rewrites.
# Usage: check_install.sh BUILD_DIR PROJECT_VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
game=
cleanup() {
  if [ -n "$game" ]; then
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

id=ru.zezoza.zambrel
data=share/zambrel
expected_files=(
  games/zambrel games/zambrel-questions games/zambrel-adverts
  $data/TULIP.DBF $data/tulip.dat $data/tulip.html $data/support.html $data/sponsors.html
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/man/man6/zambrel.6.gz share/man/man1/zambrel-questions.1.gz share/man/man1/zambrel-adverts.1.gz
  share/doc/zambrel/copyright share/doc/zambrel/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
  expected_files+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected_files[@]}"; do
  [ -f "$prefix/$file" ] || fail "missing $file"
done

# The game and its tools are in games/ as Debian keeps games, and no other
# file is executable; the player's results never ship.
programs=(games/zambrel games/zambrel-adverts games/zambrel-questions)
[ "$(cd "$prefix" && find . -type f -path './*bin/*' -o -type f -path './games/*' | sort)" = \
  "$(printf './%s\n' "${programs[@]}")" ] ||
  fail "games/ holds more or less than the game and its tools, or bin/ is there: $(cd "$prefix" && ls -d games/* bin/* 2>&1)"
for program in "${programs[@]}"; do
  [ -x "$prefix/$program" ] || fail "$program is not executable"
done
executables=$(cd "$prefix" && find . -type f -perm /111 ! -path './games/*' | sort)
[ -z "$executables" ] || fail "executables outside games/: $executables"
[ ! -e "$prefix/$data/tulip.lst" ] || fail "a results file ships with the game"

# Every sound the build synthesises, and the question table as built, never played.
sounds=$(cd "$build/wav" && ls *.wav | sort)
[ "$(cd "$prefix/$data/wav" && ls *.wav | sort)" = "$sounds" ] || fail "the sounds in $data/wav differ from the build's"
cmp -s "$prefix/$data/TULIP.DBF" "$build/shipped/TULIP.DBF" || fail "TULIP.DBF is not the never-played table"
"$prefix/games/zambrel-questions" check "$prefix/$data/TULIP.DBF" >/dev/null || fail "the installed question table fails its check"

for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}" ] || fail "$png is not ${size}x${size}"
done

appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" 2>&1 ||
  { cat "$work/appstream.txt"; fail "appstreamcli refuses the metainfo"; }
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate refuses the desktop entry"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metainfo does not name release $version"
[ "$(zcat "$prefix/share/doc/zambrel/changelog.gz" | head -1 | sed -n 's/^zambrel (\([^)]*\)).*/\1/p')" = "$version" ] ||
  fail "the changelog's latest entry is not version $version"
for page in man6/zambrel.6 man1/zambrel-questions.1 man1/zambrel-adverts.1; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/$page.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done

# The installed game, started by a player for the first time, copies the
# files it rewrites into his data folder and leaves the installed ones alone.
shipped_sums=$(cd "$prefix/$data" && find . -type f -exec md5sum {} + | sort)
home=$work/home
mkdir -p "$home"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
  "$prefix/games/zambrel" >"$work/game.log" 2>&1 &
game=$!
copy=$home/.local/share/zambrel
for _ in $(seq 100); do
  [ -f "$copy/TULIP.DBF" ] && [ -f "$copy/tulip.dat" ] && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
# The main window comes up after the copies; a game that fails on it is gone by then.
sleep 1
kill -0 "$game" 2>/dev/null || { cat "$work/game.log"; fail "the installed game did not keep running"; }
for file in TULIP.DBF tulip.dat; do
  cmp -s "$copy/$file" "$prefix/$data/$file" || fail "the player's $file is not a copy of the installed one"
done
[ "$(cd "$prefix/$data" && find . -type f -exec md5sum {} + | sort)" = "$shipped_sums" ] ||
  fail "the game changed its installed files"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "installation checked: ${#expected_files[@]} files, validators and first start"
