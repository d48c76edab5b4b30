#!/usr/bin/env bash
# Configures and builds one flavour of the project.
#   scripts/build.sh release|ci|sanitize
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=${1:-release}
case "$flavour" in
  release)  options=(-DCMAKE_BUILD_TYPE=Release) ;;
  ci)       options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTOWIX_WERROR=ON) ;;
  sanitize) options=(-DCMAKE_BUILD_TYPE=Debug -DSTOWIX_WERROR=ON -DSTOWIX_SANITIZE=ON) ;;
  *) echo "unknown flavour: $flavour" >&2; exit 2 ;;
esac

cmake -S . -B "build/$flavour" -G Ninja "${options[@]}" >/dev/null
cmake --build "build/$flavour"
