#!/usr/bin/env bash
# Installs the game's Debian package into a clean Debian 12 root with apt, so
# that its Depends are resolved as on a player's system, starts the game there
# as an ordinary player on a virtual screen and saves a screenshot; then shows
# the player's own copies in ~/.local/share/zambrel. A second start without any
# writable place shows the message that says so and ends on OK.
# Usage: scripts/try-deb.sh [SCREENSHOT.png]   (as root; needs the network)
# ROOT=/path keeps the Debian root elsewhere than /work/chroot-deb; it is made
# afresh each run. The package comes from scripts/package.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
shot=$(realpath -m "${1:-/work/shots-issue11/deb-started.png}")
root=${ROOT:-/work/chroot-deb}
# The mirror this machine's own apt uses for Debian.
mirror=$({ grep -rhsE '^(URIs:|deb) +[^ ]+/debian/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/ || true; } |
  awk '{print $2; exit}')
mirror=${mirror:-http://deb.debian.org/debian}

[ "$(id -u)" -eq 0 ] || { echo "try-deb.sh: run as root (debootstrap, chroot)" >&2; exit 2; }
deb=$(scripts/package.sh | tail -1)
apt-get install -y -qq debootstrap >/dev/null

mounted=()
unmount_all() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}" || umount -l "${mounted[i]}"; done
}
trap unmount_all EXIT
mount_in_root() {  # type-or-bind source target
  mkdir -p "$root/$3"
  if [ "$1" = bind ]; then mount --bind "$2" "$root/$3"; else mount -t "$1" "$2" "$root/$3"; fi
  mounted+=("$root/$3")
}

echo "== a clean Debian 12 root in $root from $mirror"
rm -rf "$root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
mount_in_root proc proc proc
mount_in_root devpts devpts dev/pts
mount_in_root tmpfs tmpfs dev/shm
cp /etc/resolv.conf "$root/etc/resolv.conf"

echo "== installing $(basename "$deb") with apt"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/tmp/$(basename "$deb")" >/dev/null
# The virtual screen and the camera are this check's, not the game's.
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  xvfb xauth imagemagick xdotool >/dev/null
in_root dpkg-query -W zambrel

echo "== starting the game as an ordinary player"
in_root useradd --create-home --shell /bin/bash player
cat >"$root/tmp/play.sh" <<'PLAY'
zambrel >/tmp/zambrel.log 2>&1 &
game=$!
for _ in $(seq 100); do [ -f ~/.local/share/zambrel/tulip.dat ] && break; sleep 0.1; done
sleep 6
import -window root /tmp/deb-started.png
kill $game 2>/dev/null
wait $game 2>/dev/null
# A player without a place to write: the game tells him and ends on OK.
XDG_DATA_HOME=/proc/nowhere zambrel >/tmp/zambrel-no-place.log 2>&1 &
game=$!
sleep 4
import -window root /tmp/deb-no-place.png
xdotool key Return
for _ in $(seq 50); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
if kill -0 $game 2>/dev/null; then
  kill $game
  echo "the game did not end after its message" >/tmp/no-place-result
else
  wait $game
  echo "the game ended with status $? after its message" >/tmp/no-place-result
fi
true
PLAY
# A login shell, so that the PATH is a player's, with /usr/games in it.
in_root runuser -l player -c "xvfb-run --auto-servernum --server-args='-screen 0 1024x768x24' sh /tmp/play.sh"
mkdir -p "$(dirname "$shot")"
cp "$root/tmp/deb-started.png" "$shot"
cp "$root/tmp/deb-no-place.png" "${shot%.png}-no-place.png"
echo "== the player's copies"
ls -l "$root/home/player/.local/share/zambrel"
cmp "$root/home/player/.local/share/zambrel/TULIP.DBF" "$root/usr/share/zambrel/TULIP.DBF" &&
  echo "TULIP.DBF is the installed table, copied"
cat "$root/tmp/no-place-result"
echo "screenshots: $shot ${shot%.png}-no-place.png"
