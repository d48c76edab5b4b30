#!/usr/bin/env bash
# Builds an optimised stowix-cli for the benchmarks (no window, no tests) and
# prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTOWIX_BUILD_UI=OFF -DSTOWIX_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench --target stowix-cli >/dev/null
echo "$PWD/build/bench/app/cli/stowix-cli"
