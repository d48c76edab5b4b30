#!/usr/bin/env bash
# Builds the fuzz targets with clang (address and undefined-behaviour
# sanitizers) and runs each for a given time, starting from a seed corpus
# made by the tests' archive builder. A crash input is copied to
# tests/fuzz/regressions/<target>/, where every build replays it.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

CXX=clang++ CC=clang cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTOWIX_FUZZ=ON -DSTOWIX_BUILD_UI=OFF -DSTOWIX_BUILD_TESTS=OFF >/dev/null
cmake --build build/fuzz --target make_fuzz_seeds $(cd build/fuzz && ninja -t targets all | grep -o '^fuzz_[a-z_]*:' | tr -d ':' | sort -u) >/dev/null

status=0
for target in build/fuzz/tests/fuzz/fuzz_*; do
  name=$(basename "$target"); name=${name#fuzz_}
  corpus=build/fuzz/corpus/$name
  crashes=build/fuzz/crashes/$name
  mkdir -p "$corpus" "$crashes"
  build/fuzz/tests/fuzz/make_fuzz_seeds "$corpus"
  echo "fuzzing $name for $seconds s" >&2
  if ! ASAN_OPTIONS=halt_on_error=1:allocator_may_return_null=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
       "$target" -max_total_time="$seconds" -rss_limit_mb=1024 -malloc_limit_mb=256 -timeout=10 \
       -artifact_prefix="$crashes/" "$corpus" 2> "build/fuzz/$name.log"; then
    status=1
    mkdir -p "tests/fuzz/regressions/$name"
    cp "$crashes"/* "tests/fuzz/regressions/$name/" 2>/dev/null || true
    tail -n 40 "build/fuzz/$name.log" >&2
  fi
  grep -E '^(Done|#[0-9]+ +DONE)' "build/fuzz/$name.log" | tail -n 1 >&2 || true
done
exit $status
