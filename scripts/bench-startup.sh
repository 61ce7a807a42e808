#!/usr/bin/env bash
# Start-up speed: launch to the first painted main window, for the game and
# for a minimal Qt widgets program built in the same tree, offscreen; prints
# both medians and their ratio, and the peak memory of the idle game.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$config"

python3 - "$runs" <<'PY'
import statistics, subprocess, sys, time
runs = int(sys.argv[1])
programs = {"game": ["build/startup_game"], "reference": ["build/bench/startup/startup_reference"]}
times = {name: [] for name in programs}
for _ in range(runs):
    for name, cmd in programs.items():  # interleaved, so load changes hit both alike
        start = time.perf_counter()
        subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        times[name].append(time.perf_counter() - start)
game, ref = (statistics.median(times[n]) for n in ("game", "reference"))
print(f"launch to first paint, median of {runs}: game {game*1000:.0f} ms, "
      f"minimal Qt program {ref*1000:.0f} ms, ratio {game/ref:.2f}")
PY

build/zambrel >/dev/null 2>&1 &
pid=$!
sleep 3
peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "idle game after 3 s: peak memory ${peak} kB, resident ${rss} kB"
