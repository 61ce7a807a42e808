#!/usr/bin/env bash
# Exit speed: from a click on the exit place (the status bar) to the end of
# the process, for the game and for a minimal Qt widgets program built in the
# same tree, on a virtual X screen; prints both medians and their ratio.
# Sounds take part when an audio output is there (e.g. a PulseAudio server);
# WM=1 runs both under openbox. Needs a build with the benchmarks
# (scripts/build.sh); ZAMBREL_BUILD names another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
build=${ZAMBREL_BUILD:-build}
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"

python3 - "$runs" "$build" <<'PY'
import os, select, statistics, subprocess, sys, time
runs, build = int(sys.argv[1]), sys.argv[2]
programs = {"game": ([f"{build}/zambrel"], "^Zambrel!$"),
            "reference": ([f"{build}/bench/startup/exit_reference"], "^Reference$")}

def within(seconds, ready):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if ready():
            return True
        time.sleep(0.05)
    return False

read, write = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                         "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
os.close(write)
with os.fdopen(read) as ready:  # the server names its display once it is up
    if not select.select([ready], [], [], 10)[0]:
        xvfb.kill()
        sys.exit("Xvfb did not come up within 10 s")
    os.environ["DISPLAY"] = ":" + ready.readline().strip()
wm = None
if os.environ.get("WM"):
    wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
try:
    times = {name: [] for name in programs}
    for _ in range(runs):
        for name, (cmd, title) in programs.items():  # interleaved, so load changes hit both alike
            program = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
            shown = lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                                           capture_output=True).stdout.strip() != b""
            if not within(30, shown):
                program.kill()
                sys.exit(f"{name}: no window within 30 s (exit {program.wait()}): {program.stderr.read()[-600:]}")
            time.sleep(1)  # settled: the start-up sound has begun
            start = time.monotonic()
            subprocess.run(["xdotool", "mousemove", "512", "760", "click", "1"], check=True)
            try:
                program.wait(timeout=20)
            except subprocess.TimeoutExpired:
                program.kill()
                sys.exit(f"{name}: still running 20 s after the exit click")
            times[name].append(time.monotonic() - start)
    game, ref = (statistics.median(times[n]) for n in ("game", "reference"))
    print(f"exit click to process end, median of {runs}: game {game*1000:.0f} ms, "
          f"minimal Qt program {ref*1000:.0f} ms, ratio {game/ref:.2f}")
finally:
    if wm:
        wm.terminate()
        wm.wait(timeout=10)
    xvfb.terminate()
    xvfb.wait(timeout=10)
PY
