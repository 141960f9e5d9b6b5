#!/usr/bin/env bash
# Builds quorvel.exe and starts it under Wine: the 32-bit program as
# shipped where this host runs 32-bit code, the x86_64 build elsewhere. With
# nothing configured it works in demo/, a working folder with a group list file and a demo share
# of three groups. Without a display it runs on Xvfb and saves a picture of
# the board's window.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

./tools/install-deps.sh
run=$root/cmake/wine-run.sh
if reason=$("$run" --32-bit-check); then
  preset=win32-i686
  echo "Running the 32-bit program as shipped (build/$preset)"
else
  preset=win32
  echo "Running the x86_64 build (build/$preset): $reason"
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target quorvel quorvel_demo_share

build=$root/build/$preset
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

# No display: run on Xvfb, wait for the board, choose the first group as a
# user would, take a picture of the window alone, and end the program with
# its own close button.
"$run" "$build/quorvel.exe" &
program=$!
if ! geometry=$("$run" "$build/quorvel_demo_share.exe" --show-board 90); then
  echo "The board did not appear." >&2
  kill "$program" 2>/dev/null || true
  exit 1
fi
read -r width height left top <<<"$geometry"
display=:$(cut -d' ' -f1 "$build/.xvfb-display")
DISPLAY=$display import -window root -crop "${width}x${height}+${left}+${top}" +repage "$work/screenshot.png"
echo "No display was set: quorvel ran on Xvfb ($display); picture of its window: $work/screenshot.png"
"$run" "$build/quorvel_demo_share.exe" --close-board || true
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
WINEPREFIX=$build/wineprefix /usr/lib/wine/wineserver -k 2>/dev/null || true
wait "$program" 2>/dev/null || true
kill "$(cut -d' ' -f2 "$build/.xvfb-display")" 2>/dev/null || true
rm -f "$build/.xvfb-display"
