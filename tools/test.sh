#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test:
# the native suite under AddressSanitizer and UBSan, the Windows suite under
# Wine, the end-to-end suite against the 32-bit program as shipped where the
# host runs 32-bit code, and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/install-deps.sh

cleanup() {
  # Leave no Wine server or display behind for the caller to wait on.
  for build in build/win32 build/win32-i686; do
    [ -d "$build/wineprefix" ] && WINEPREFIX=$PWD/$build/wineprefix /usr/lib/wine/wineserver -k 2>/dev/null || true
    if [ -f "$build/.xvfb-display" ]; then
      kill "$(cut -d' ' -f2 "$build/.xvfb-display")" 2>/dev/null || true
      rm -f "$build/.xvfb-display"
    fi
  done
}
trap cleanup EXIT

for preset in native win32; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: test"
  ctest --preset "$preset"
done

# The 32-bit program as shipped, and its release zip. Wine runs it only where
# the kernel executes 32-bit code; elsewhere the program and the zip are built
# and checked, and neither the end-to-end driver is built nor the suite run.
cmake --preset win32-i686 >/dev/null
echo "== win32-i686: build and package"
cmake --build --preset win32-i686 --target package
if reason=$(cmake/wine-run.sh --32-bit-check); then
  cmake --build --preset win32-i686-e2e
  echo "== win32-i686: test (end-to-end in a 32-bit prefix)"
  ctest --preset win32-i686
else
  echo "== win32-i686: test"
  ctest --preset win32-i686 -E '^e2e$'
  echo "== win32-i686: end-to-end run left out: $reason"
fi

if [ -d tests/fuzz ] && ls tests/fuzz/*.cpp >/dev/null 2>&1; then
  echo "== fuzz: short runs"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
  ctest --preset fuzz
fi
