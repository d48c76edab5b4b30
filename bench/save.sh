#!/usr/bin/env bash
# Saves a 1 GiB archive with one entry replaced (`stowix-cli replace`) and
# makes a durable copy of the same archive (`cp`, then `sync` of the copy),
# alternating, and prints the times, their ratio and the peak memory of
# stowix-cli. The save must fsync too, so the copy is synced as well.
#   bench/save.sh [SIZE_MIB] [ROUNDS]
# Needs about 3 times SIZE_MIB of free space under $TMPDIR (or /tmp).
set -euo pipefail
cd "$(dirname "$0")/.."
size_mib=${1:-1024}
rounds=${2:-5}

cli=$(bench/build_cli.sh)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source bench/common.sh
# The backup directory lies under the Wine prefix's C: drive; keep it on the
# archive's file system so that the backup is a link, as in a game directory.
export WINEPREFIX="$work/prefix"
backups="$WINEPREFIX/drive_c/temp/packs/Stowix Backups"

echo "building a $size_mib MiB archive" >&2
python3 bench/make_big_archive.py "$work/big.pak" "$size_mib"
printf 'first replacement of a small entry\n' >"$work/one.txt"
printf 'second replacement of a small entry\n' >"$work/two.txt"


ours=() theirs=() peak=0
for round in $(seq "$rounds"); do
  replacement=$([ $((round % 2)) -eq 1 ] && echo one.txt || echo two.txt)
  sync
  read -r s m < <(measure "$cli" replace "$work/big.pak" "misc/small_00007.txt=$work/$replacement"); ours+=("$s"); (( m > peak )) && peak=$m
  rm -f "$backups"/*  # each backup keeps the previous archive's blocks alive
  sync
  read -r s _ < <(measure sh -c 'cp "$1" "$2" && sync "$2"' copy "$work/big.pak" "$work/copy.pak"); theirs+=("$s")
  rm -f "$work/copy.pak"
done

m_ours=$(median "${ours[@]}")
m_theirs=$(median "${theirs[@]}")
echo "archive: $(stat -c %s "$work/big.pak") bytes"
echo "stowix-cli replace: ${ours[*]} s (median $m_ours s), peak ${peak} KiB"
echo "cp + sync:          ${theirs[*]} s (median $m_theirs s)"
print_ratio "$m_ours" "$m_theirs" 1.2
