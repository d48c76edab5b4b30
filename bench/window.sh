#!/usr/bin/env bash
# Opens a 1,000,000-entry archive in the main window (offscreen) and lists it
# with `stowix-cli list` to a file, alternating; prints both whole-process
# times, their ratio, the window's peak memory, and how long selecting every
# row and opening the context menu took.
#   bench/window.sh [ENTRIES] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
entries=${1:-1000000}
rounds=${2:-7}

cmake -S . -B build/bench-ui -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTOWIX_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench-ui --target window_open stowix-cli >/dev/null
cli=build/bench-ui/app/cli/stowix-cli
window=build/bench-ui/bench/window_open
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source bench/common.sh

python3 bench/make_list_inputs.py "$entries" "$work/big.pak" /dev/null --no-zip


list_times=() window_times=() peak=0
for _ in $(seq "$rounds"); do
  read -r s _ < <(measure_to_file "$cli" list "$work/big.pak"); list_times+=("$s")
  read -r s m < <(measure_to_file "$window" "$work/big.pak"); window_times+=("$s"); (( m > peak )) && peak=$m
done
inside=$(cat "$work/out")
QT_QPA_PLATFORM=offscreen "$window" "$work/big.pak" --menu >"$work/out" 2>/dev/null
menu=$(cat "$work/out")

m_list=$(median "${list_times[@]}")
m_window=$(median "${window_times[@]}")
echo "stowix-cli list > file: ${list_times[*]} s (median $m_list s)"
echo "window opens archive:   ${window_times[*]} s (median $m_window s), peak ${peak} KiB (target under 250 MB)"
echo "inside the window (last run): $inside"
echo "with every row selected: $menu (target under 500 ms)"
print_ratio "$m_window" "$m_list" 1.5
