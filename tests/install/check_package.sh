#!/usr/bin/env bash
# Makes the Debian package from a built tree and checks it as Debian would:
# lintian finds no error and no warning, the programs are where a game's
# belong, and Depends names both the libraries the programs link and what Qt
# loads at run time. Prints the package's path last.
# Usage: check_package.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
rm -rf "$out"
if ! made=$(cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" 2>&1); then
  echo "$made"
  echo "FAIL: cpack could not make the package"
  exit 1
fi
deb=$(ls "$out"/zambrel_*.deb)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! verdict=$(lintian --fail-on error,warning --info "$deb" 2>&1); then
  echo "$verdict"
  fail "lintian refuses the package"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6widgets6 libqt6multimedia6 libqt6svg6 libx11-6 \
  qt6-qpa-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-liberation2 xdg-utils; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] || fail "Depends lacks $package: $depends"
done
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for program in zambrel zambrel-questions zambrel-adverts; do
  grep -qx "./usr/games/$program" <<<"$files" || fail "/usr/games/$program is not in the package"
done
grep -qx './usr/share/zambrel/TULIP.DBF' <<<"$files" || fail "/usr/share/zambrel/TULIP.DBF is not in the package"
# Stripped: no debugging sections left in the programs.
unpacked=$out/unpacked
dpkg-deb -x "$deb" "$unpacked"
for program in "$unpacked"/usr/games/*; do
  ! objdump -h "$program" | grep -q '\.debug_' || fail "$(basename "$program") is not stripped"
done
rm -rf "$unpacked"

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "$deb"
