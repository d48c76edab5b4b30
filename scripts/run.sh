#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Qel Stowix and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh release
exec build/release/app/cli/stowix-cli --help
