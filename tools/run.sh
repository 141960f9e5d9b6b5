#!/usr/bin/env bash
# Builds quorvel.exe and starts it under Wine. With nothing configured it
# works in demo/, a working folder with a group list file and a demo share
# of three groups. Without a display it runs on Xvfb and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

./tools/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target quorvel quorvel_demo_share

build=$root/build/win32
run=$root/cmake/wine-run.sh
work=${QUORVEL_WORK:-$root/demo}
mkdir -p "$work"
winpath() { local p=${1//\//\\}; echo "Z:$p"; }

if [ ! -f "$work/QVL.gl" ]; then
  echo "Preparing the demo share in $work/share"
  "$run" "$build/quorvel_demo_share.exe" "$(winpath "$work/share")" "$(winpath "$work")"
fi

cd "$work"
if [ -n "${DISPLAY:-}" ]; then
  exec "$run" "$build/quorvel.exe"
fi

# No display: run on Xvfb, choose the first group as a user would, take a
# picture, and end the program again.
"$run" "$build/quorvel.exe" &
program=$!
sleep 8
"$run" "$build/quorvel_demo_share.exe" --choose-first-group || true
sleep 2
display=:$(cut -d' ' -f1 "$build/.xvfb-display")
DISPLAY=$display import -window root "$work/screenshot.png"
echo "No display was set: quorvel ran on Xvfb ($display); screenshot saved to $work/screenshot.png"
WINEPREFIX=$build/wineprefix /usr/lib/wine/wineserver -k 2>/dev/null || true
wait "$program" 2>/dev/null || true
kill "$(cut -d' ' -f2 "$build/.xvfb-display")" 2>/dev/null || true
rm -f "$build/.xvfb-display"
