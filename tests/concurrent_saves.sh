#!/usr/bin/env bash
# Two saves at once: two archives named x.pak in different folders share one
# backup directory; both are saved together, many times. Every backup must
# be a whole old archive and none may be overwritten by the other save.
#   tests/concurrent_saves.sh STOWIX_CLI [ROUNDS]
set -euo pipefail
cli=$(realpath "$1")
rounds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEPREFIX="$work/prefix" LC_ALL=C
backups="$WINEPREFIX/drive_c/temp/packs/Stowix Backups"
mkdir -p "$work/a" "$work/b"
python3 "$here/../bench/make_big_archive.py" "$work/a.orig" 8 50
python3 "$here/../bench/make_big_archive.py" "$work/b.orig" 9 60
echo "replacement" > "$work/replacement.txt"

for round in $(seq 1 "$rounds"); do
  cp "$work/a.orig" "$work/a/x.pak"
  cp "$work/b.orig" "$work/b/x.pak"
  "$cli" replace "$work/a/x.pak" "#1=$work/replacement.txt" >/dev/null & first=$!
  "$cli" replace "$work/b/x.pak" "#1=$work/replacement.txt" >/dev/null & second=$!
  wait "$first" || { echo "round $round: the first save failed" >&2; exit 1; }
  wait "$second" || { echo "round $round: the second save failed" >&2; exit 1; }
done

from_a=0 from_b=0 broken=0
for backup in "$backups"/x.pak.*; do
  if cmp -s "$backup" "$work/a.orig"; then from_a=$((from_a + 1))
  elif cmp -s "$backup" "$work/b.orig"; then from_b=$((from_b + 1))
  else echo "$(basename "$backup") is no whole archive" >&2; broken=$((broken + 1)); fi
done
echo "rounds: $rounds, backups of the first archive: $from_a, of the second: $from_b, broken: $broken"
[[ $broken -eq 0 && $from_a -eq $rounds && $from_b -eq $rounds ]]
