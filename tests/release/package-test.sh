#!/usr/bin/env bash
# The release zip as an office gets it: unpacked, its files are the ones
# promised, its texts read back from code page 932 whole, the program carries
# the release's version, and the unpacked qvlstatus.exe runs. Where this host
# runs no 32-bit code, the x86_64 build's qvlstatus.exe runs instead, and
# the test says so.
#
#   package-test.sh ZIP VERSION SOURCE_DIR X86_64_BUILD_DIR
set -uo pipefail
zip=$1 version=$2 source_dir=$3 x64_build=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Names in the zip are UTF-8; unzip writes them so only in a UTF-8 locale.
export LC_ALL=C.UTF-8
quick_start="はじめにお読みください.txt"
top=Quorvel-$version-win32

[ "$(basename "$zip")" = "$top.zip" ] || fail "the zip is named $(basename "$zip"), not $top.zip"
[ -f "$zip" ] || { echo "FAIL: no $zip: build the package target first"; exit 1; }
unzip -l "$zip"

# Unpacked inside the build folder, so that the runner uses its Wine prefix.
scratch=$(dirname "$zip")/package-test
rm -rf "$scratch" && mkdir -p "$scratch"
trap 'rm -rf "$scratch"' EXIT
unzip -q "$zip" -d "$scratch" || fail "the zip does not unpack"
dir=$scratch/$top

expected=$(printf '%s\n' CHANGELOG.md LICENSE QVL.ini.sample quorvel.exe qvlstatus.exe "$quick_start" | sort)
actual=$(cd "$scratch" && find . -type f | sed "s|^\./$top/||" | sort)
[ "$actual" = "$expected" ] || fail "the zip holds"$'\n'"$actual"$'\n'"not"$'\n'"$expected"

# Each text reads back from code page 932 as its UTF-8 source, every line
# ended by CRLF: nothing became "?" or a replacement character on the way.
for name in "$quick_start" QVL.ini.sample; do
  [ -f "$dir/$name" ] || continue
  if ! decoded=$(iconv -f CP932 -t UTF-8 "$dir/$name"); then
    fail "$name is not code page 932"
    continue
  fi
  grep -q $'[^\r]$' <<<"$decoded" && fail "$name has a line not ended by CRLF"
  grep -q '?\|�' <<<"$decoded" && fail "$name holds a \"?\" or a replacement character"
  [ "$(tr -d '\r' <<<"$decoded")" = "$(cat "$source_dir/docs/release/$name")" ] ||
    fail "$name does not read back as its source docs/release/$name"
done

# The version of the project, in the version resource and the manifest.
if [ -f "$dir/quorvel.exe" ]; then
  strings -el "$dir/quorvel.exe" | grep -qx "$version" || fail "quorvel.exe's version resource lacks $version"
  grep -qaF "version=\"$version.0\"" "$dir/quorvel.exe" || fail "quorvel.exe's manifest lacks version $version.0"
fi

# The helper stays smaller than the board: no stream library locale code.
if [ -f "$dir/quorvel.exe" ] && [ -f "$dir/qvlstatus.exe" ]; then
  small=$(stat -c %s "$dir/qvlstatus.exe") large=$(stat -c %s "$dir/quorvel.exe")
  [ "$small" -lt "$large" ] ||
    fail "qvlstatus.exe ($small bytes) is not smaller than quorvel.exe ($large bytes)"
fi

# qvlstatus --help: the usage, in code page 932.
check_help() {
  local output rc=0
  output=$("$source_dir/cmake/wine-run.sh" "$1" --help 2>&1) || rc=$?
  [ "$rc" = 0 ] || fail "$1 --help exits $rc: $output"
  grep -qF "$(printf '使い方: qvlstatus' | iconv -f UTF-8 -t CP932)" <<<"$output" ||
    fail "$1 --help does not print the usage in code page 932: $output"
}
if reason=$("$source_dir/cmake/wine-run.sh" --32-bit-check); then
  check_help "$dir/qvlstatus.exe"
else
  echo "The unpacked 32-bit qvlstatus.exe is not run: $reason."
  echo "Running the x86_64 build's qvlstatus.exe --help instead."
  if [ -f "$x64_build/qvlstatus.exe" ]; then
    check_help "$x64_build/qvlstatus.exe"
  else
    fail "no $x64_build/qvlstatus.exe to run instead (build the win32 preset)"
  fi
fi

[ "$failures" = 0 ] && echo "package: all checks pass"
exit $((failures > 0))
