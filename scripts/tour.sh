#!/usr/bin/env bash
# Plays a game on a virtual X screen (1024x768 unless a size such as
# 1920x1080 is given second) and saves screenshots of its moments (the
# lifelines among them) into the folder given (default: tour/). A scale the
# player sets himself comes in QT_SCALE_FACTOR. Needs a built game.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-tour}")
mkdir -p "$out"
display=:$((80 + RANDOM % 9))
Xvfb "$display" -screen 0 "${2:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display build/tests/tour/screen_tour "$out"
