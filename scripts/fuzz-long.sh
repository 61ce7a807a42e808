#!/usr/bin/env bash
# Runs every fuzz target for a million executions or more (the count may be
# given: scripts/fuzz-long.sh 2000000) and prints each one's closing figures;
# a target's name after the count runs that one alone, and FUZZ_SECONDS ends
# each run after so many seconds. The corpora grow in build-fuzz; a finding
# stops the script with its input.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
only=${2:-}
scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZAMBREL_FUZZ=ON -DZAMBREL_TESTS=OFF -DZAMBREL_BENCH=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_all
for target in build-fuzz/fuzz/*/fuzz_*; do
  [ -x "$target" ] && [ -f "$target" ] || continue
  name=$(basename "$target")
  [ -z "$only" ] || [ "$name" = "$only" ] || continue
  corpus=$(dirname "$target")/${name}_corpus
  mkdir -p "$corpus"
  start=$(date +%s)
  "$target" -runs="$runs" -max_total_time="${FUZZ_SECONDS:-0}" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
    "$corpus" "fuzz/seeds/$name" >"build-fuzz/$name.log" 2>&1
  echo "$name: $(grep -E '^Done [0-9]+ runs' "build-fuzz/$name.log") ($(($(date +%s) - start)) s)," \
       "$(grep -E 'stat::number_of_executed_units' "build-fuzz/$name.log" | awk '{print $2}') executions," \
       "corpus $(find "$corpus" -type f | wc -l) inputs"
done
