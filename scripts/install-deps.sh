#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  libx11-dev libxrandr-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-liberation2 fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick openbox
  python3 python3-dbf python3-dbfread
  xdg-utils
  appstream desktop-file-utils lintian dpkg-dev file man-db
  chromium x11-xkb-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
