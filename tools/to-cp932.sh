#!/usr/bin/env bash
# A UTF-8 text of the repository as a Japanese Windows desk reads it: code
# page 932 with CRLF line ends. A character that code page 932 lacks stops
# the conversion (iconv fails) rather than turning into "?".
#
#   to-cp932.sh SOURCE OUTPUT
set -euo pipefail
mkdir -p "$(dirname "$2")"
tmp=$2.tmp
sed 's/\r$//; s/$/\r/' "$1" | iconv -f UTF-8 -t CP932 > "$tmp"
mv "$tmp" "$2"
