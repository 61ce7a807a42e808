#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test,
# the short fuzzing runs included.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZAMBREL_FUZZ=ON -DZAMBREL_TESTS=OFF -DZAMBREL_BENCH=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_all
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
ctest --test-dir build-fuzz --output-on-failure
