#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Qel Stowix and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh release
# The window program; an archive named here is opened at once.
exec build/release/app/window/stowix "$@"
