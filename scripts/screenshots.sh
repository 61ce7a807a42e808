#!/usr/bin/env bash
# Starts the game under a virtual X screen and saves screenshots of it, at
# 1024x768 and at 800x600, into the folder given (default: screenshots/).
# Needs a built game (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots}
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

shoot() { # size name
  local size=$1 name=$2 display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  XDG_CONFIG_HOME="$home/config" DISPLAY=$display build/zambrel >/dev/null 2>&1 &
  local game=$!
  sleep 3
  DISPLAY=$display import -window root "$out/$name.png"
  if [ "$size" = 1024x768 ]; then
    # Hover a command to show its balloon tip.
    DISPLAY=$display xdotool mousemove 170 45 sleep 1 mousemove 177 46 sleep 2
    DISPLAY=$display import -window root "$out/$name-tooltip.png"
  fi
  kill "$game" "$xvfb" 2>/dev/null || true
  wait "$game" "$xvfb" 2>/dev/null || true
}

shoot 1024x768 main-1024x768
shoot 800x600 main-800x600
echo "Screenshots in $out/"
