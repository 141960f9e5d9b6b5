#!/usr/bin/env bash
# Empty and torn status reads while four processes rewrite their statuses
# and read everybody's: natively, in one Wine prefix, and as two desks of
# two processes in two prefixes (whose share modes never meet, as with two
# Linux desks on one share).
# Usage: tests/figures/run-figures.sh [seconds] [build root]
# The build root holds native/ and win32/ (default: build); the program is
# built there when missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-30}
root=$(cd "${2:-build}" && pwd)
native=$root/native/tests/figures/quorvel_status_figures
windows=$root/win32/tests/figures/quorvel_status_figures.exe
[ -x "$native" ] || cmake --build "$root/native" --target quorvel_status_figures >/dev/null
[ -f "$windows" ] || cmake --build "$root/win32" --target quorvel_status_figures >/dev/null
run=$PWD/cmake/wine-run.sh
second=$root/win32/wineprefix-second

winpath() { echo "Z:${1//\//\\}"; }

echo "== native"
d=$(mktemp -d /tmp/qvfigures.XXXXXX)
"$native" "$d" "$seconds" 4 N
rm -rf "$d"

echo "== one Wine prefix"
d=$(mktemp -d /tmp/qvfigures.XXXXXX)
"$run" "$windows" "$(winpath "$d")" "$seconds" 4 A
rm -rf "$d"

echo "== two Wine prefixes, one desk each"
# Both prefixes made ready first, so that the desks start together.
"$run" "$windows" >/dev/null 2>&1 || true
WINEPREFIX=$second "$run" "$windows" >/dev/null 2>&1 || true
d=$(mktemp -d /tmp/qvfigures.XXXXXX)
"$run" "$windows" "$(winpath "$d")" "$seconds" 2 A &
WINEPREFIX=$second "$run" "$windows" "$(winpath "$d")" "$seconds" 2 B
wait
rm -rf "$d"
