#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs every test twice: a normal build
# and a build with the address and undefined-behaviour sanitizers. Warnings
# are errors in both. Then each fuzz target runs for a while (FUZZ_SECONDS,
# 60 by default; 0 skips it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

scripts/build.sh ci
ctest --test-dir build/ci --output-on-failure -j "$jobs"

scripts/build.sh sanitize
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

fuzz_seconds=${FUZZ_SECONDS:-60}
if (( fuzz_seconds > 0 )); then
  scripts/fuzz.sh "$fuzz_seconds"
fi
