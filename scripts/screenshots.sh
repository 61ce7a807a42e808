#!/usr/bin/env bash
# Starts the game on virtual X screens and saves screenshots of it into the
# folder given (default: screenshots/): at 1024x768 and 800x600 without a
# window manager, and under openbox at 640x480 (a screen the game asks to
# switch), at 1024x768 with the windows drawn at twice the scale, and with
# the about box up over a clicked main window. Needs a built game
# (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots}
game=${ZAMBREL_GAME:-build/zambrel}
mkdir -p "$out"
home=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$home"' EXIT

# Waits at most five seconds for what is asked to become true.
within5s() {
  for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}

# start SIZE [wm]: a virtual screen (and openbox on it) in DISPLAY.
start() {
  local n=$((90 + RANDOM % 9))
  while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((90 + RANDOM % 9)); done
  export DISPLAY=:$n
  Xvfb "$DISPLAY" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
  pids=($!)
  within5s xdpyinfo >/dev/null 2>&1
  if [ "${2:-}" = wm ]; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
    within5s xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1
  fi
}

# The game, started with a fresh settings folder, until its main window or
# a box of its start is up.
play() {
  XDG_CONFIG_HOME="$home/config" "$game" >/dev/null 2>&1 &
  pids+=($!)
  within5s xdotool search --onlyvisible --name '^(Zambrel!|Информация)$' >/dev/null 2>&1 ||
    echo "The game showed no window within 5 s" >&2
  sleep 2
}

stop() {
  kill "${pids[@]}" 2>/dev/null || true
  wait "${pids[@]}" 2>/dev/null || true
  pids=()
}

shoot() { import -window root "$out/$1.png"; }

start 1024x768; play; shoot main-1024x768
# Hover a command to show its balloon tip.
xdotool mousemove 170 45 sleep 1 mousemove 177 46 sleep 2
shoot main-1024x768-tooltip
stop

start 800x600; play; shoot main-800x600; stop

# Openbox: the start-up warning of a screen that cannot be switched stands
# above everything, the splash gone.
start 640x480 wm; play; shoot openbox-640x480-start; stop

# Twice the scale on a wide screen: no switch and no warning.
start 1024x768 wm; QT_SCALE_FACTOR=2 play; shoot openbox-1024x768-scale2; stop

# The about box over the main window, which the player clicks meanwhile.
start 1024x768 wm; play
xdotool mousemove 188 11 click 1 sleep 1   # the help menu
xdotool mousemove 222 56 click 1 sleep 1   # its about item
shoot openbox-about
xdotool mousemove 300 600 click 1 sleep 1
shoot openbox-about-after-click
stop
echo "Screenshots in $out/"
