#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test:
# the native suite under AddressSanitizer and UBSan, the Windows suite under
# Wine, and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/install-deps.sh

cleanup() {
  # Leave no Wine server or display behind for the caller to wait on.
  for prefix in build/win32/wineprefix; do
    [ -d "$prefix" ] && WINEPREFIX=$PWD/$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
  done
  if [ -f build/win32/.xvfb-display ]; then
    kill "$(cut -d' ' -f2 build/win32/.xvfb-display)" 2>/dev/null || true
    rm -f build/win32/.xvfb-display
  fi
}
trap cleanup EXIT

for preset in native win32; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: test"
  ctest --preset "$preset"
done

# The 32-bit program as shipped. Its tests need Wine's 32-bit half, which
# only runs where the kernel executes 32-bit code; building it proves that
# the code and the 88-byte tray record compile for it.
echo "== win32-i686: build"
cmake --preset win32-i686 >/dev/null
cmake --build --preset win32-i686

if [ -d tests/fuzz ] && ls tests/fuzz/*.cpp >/dev/null 2>&1; then
  echo "== fuzz: short runs"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
  ctest --preset fuzz
fi
