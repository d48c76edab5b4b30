#!/usr/bin/env bash
# Kills `stowix-cli replace` with SIGKILL at many moments spread over a save
# and checks after each kill that the archive's name holds either the whole
# old archive or the whole new one, and that every backup is whole.
#   tests/kill_during_save.sh STOWIX_CLI [ARCHIVE_MB] [MOMENTS]
set -euo pipefail
cli=$(realpath "$1")
size_mb=${2:-300}
moments=${3:-24}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEPREFIX="$work/prefix" LC_ALL=C
backups="$WINEPREFIX/drive_c/temp/packs/Stowix Backups"

python3 "$here/../bench/make_big_archive.py" "$work/old.pak" "$size_mb"
head -c $((3 * 1024 * 1024 + 17)) /dev/urandom > "$work/replacement.bin"

# The whole new archive, made without interruption; the second of two runs
# (with the files in the cache, as during the kills) gives the save's length.
for run in 1 2; do
  rm -rf "$WINEPREFIX"
  cp "$work/old.pak" "$work/x.pak"
  start=$(date +%s.%N)
  "$cli" replace "$work/x.pak" "#2=$work/replacement.bin" >/dev/null
  duration=$(echo "$(date +%s.%N) - $start" | bc)
done
mv "$work/x.pak" "$work/new.pak"
rm -rf "$WINEPREFIX"
echo "one save takes ${duration}s; killing at $moments moments" >&2

failures=0 old_seen=0 new_seen=0
for k in $(seq 1 "$moments"); do
  rm -rf "$WINEPREFIX" "$work/x.pak" "$work/x.pak.Stowix"
  cp "$work/old.pak" "$work/x.pak"
  delay=$(echo "scale=3; $duration * $k / ($moments + 1)" | bc)
  "$cli" replace "$work/x.pak" "#2=$work/replacement.bin" >/dev/null 2>&1 &
  pid=$!
  sleep "$delay"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true

  if cmp -s "$work/x.pak" "$work/old.pak"; then
    old_seen=$((old_seen + 1)); state=old
  elif cmp -s "$work/x.pak" "$work/new.pak"; then
    new_seen=$((new_seen + 1)); state=new
  else
    echo "moment $k (${delay}s): the archive is neither the old nor the new one" >&2
    failures=$((failures + 1)); state=broken
  fi
  if [[ -d "$backups" ]]; then
    for backup in "$backups"/*; do
      [[ -e "$backup" ]] || continue
      if ! cmp -s "$backup" "$work/old.pak"; then
        echo "moment $k (${delay}s): backup $(basename "$backup") is not the whole old archive" >&2
        failures=$((failures + 1))
      fi
    done
  fi
  echo "moment $k at ${delay}s: $state" >&2
done

# A save after a killed one still works (a leftover temporary file is no obstacle).
"$cli" replace "$work/x.pak" "#2=$work/replacement.bin" >/dev/null || { echo "save after kills failed" >&2; failures=$((failures + 1)); }

echo "kills: $moments, old archive found $old_seen times, new archive $new_seen times, failures $failures"
[[ $failures -eq 0 ]]
