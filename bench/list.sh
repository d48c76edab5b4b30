#!/usr/bin/env bash
# Lists a 1,000,000-entry archive with stowix-cli and a zip of the same names
# with `unzip -Z1`, alternating, and prints the times, their ratio and the
# peak memory of stowix-cli.
#   bench/list.sh [ENTRIES] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
entries=${1:-1000000}
rounds=${2:-5}

cli=$(bench/build_cli.sh)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source bench/common.sh

echo "building inputs: $entries entries" >&2
python3 bench/make_list_inputs.py "$entries" "$work/big.pak" "$work/big.zip"


ours=() theirs=() peak=0
for _ in $(seq "$rounds"); do
  read -r s m < <(measure "$cli" list "$work/big.pak"); ours+=("$s"); (( m > peak )) && peak=$m
  read -r s _ < <(measure unzip -Z1 "$work/big.zip"); theirs+=("$s")
done

m_ours=$(median "${ours[@]}")
m_theirs=$(median "${theirs[@]}")
echo "stowix-cli list: ${ours[*]} s (median $m_ours s), peak ${peak} KiB"
echo "unzip -Z1:       ${theirs[*]} s (median $m_theirs s)"
print_ratio "$m_ours" "$m_theirs" 0.1
