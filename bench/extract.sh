#!/usr/bin/env bash
# Extracts every entry of an archive of 100,000 small files and three files
# of 120 MiB into an empty directory with stowix-cli, and the same files from
# a tar with `tar -xf`, alternating, and prints the times, their ratio and
# the peak memory of stowix-cli.
#   bench/extract.sh [SMALL] [LARGE] [LARGE_MIB] [ROUNDS]
# Needs about 4 times the data size in free space under $TMPDIR (or /tmp).
set -euo pipefail
cd "$(dirname "$0")/.."
small=${1:-100000}
large=${2:-3}
large_mib=${3:-120}
rounds=${4:-3}

cli=$(bench/build_cli.sh)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source bench/common.sh

echo "building inputs: $small small files, $large of $large_mib MiB" >&2
python3 bench/make_extract_inputs.py "$small" "$large" "$large_mib" "$work/in.pak" "$work/in.tar"


ours=() theirs=() peak=0
for _ in $(seq "$rounds"); do
  rm -rf "$work/out" && mkdir "$work/out" && sync
  read -r s m < <(measure "$cli" extract --overwrite=no -C "$work/out" "$work/in.pak"); ours+=("$s"); (( m > peak )) && peak=$m
  rm -rf "$work/out" && mkdir "$work/out" && sync
  read -r s _ < <(measure tar -xf "$work/in.tar" -C "$work/out"); theirs+=("$s")
done
# Both wrote the same files.
rm -rf "$work/ours" && mkdir "$work/ours" && "$cli" extract --overwrite=no -C "$work/ours" "$work/in.pak" >/dev/null
diff -r "$work/ours" "$work/out" >/dev/null || { echo "the extracted trees differ" >&2; exit 1; }

m_ours=$(median "${ours[@]}")
m_theirs=$(median "${theirs[@]}")
echo "stowix-cli extract: ${ours[*]} s (median $m_ours s), peak ${peak} KiB"
echo "tar -xf:            ${theirs[*]} s (median $m_theirs s)"
print_ratio "$m_ours" "$m_theirs" 1.3
