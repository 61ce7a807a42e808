#!/usr/bin/env bash
# Plays a game on a virtual 1024x768 X screen and saves screenshots of its
# moments (the lifelines among them) into the folder given (default: tour/).
# Needs a built game.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-tour}")
mkdir -p "$out"
display=:$((80 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display build/tests/tour/screen_tour "$out"
