#!/usr/bin/env bash
# Runs a Windows program under Wine in the build folder's private prefix:
# Japanese locale (ANSI code page 932), the dialog font mapped to IPAGothic,
# no window manager waits, and an Xvfb display when none is set. A 32-bit
# program gets a 32-bit prefix and Wine's 32-bit loader.
#
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
#   wine-run.sh --32-bit-check    exit 0 where 32-bit programs run, else
#                                 print why not in one line and exit 77
set -euo pipefail

wine32=/usr/lib/wine/wine

# Wine's 32-bit loader is itself a 32-bit Linux program: it starts exactly
# where 32-bit code runs.
why_no_32_bit() {
  if [ ! -x "$wine32" ]; then
    # install-deps.sh keeps the reason it could not install it.
    local note
    note=$(cat "$(dirname "$0")/../build/.wine32-missing" 2>/dev/null || true)
    echo "Wine's 32-bit half (wine32:i386) is not installed${note:+: $note}"
    return
  fi
  local rc=0
  "$wine32" --version >/dev/null 2>&1 || rc=$?
  case $rc in
    0) ;;
    126) echo "this host runs no 32-bit code (the kernel refuses 32-bit programs)" ;;
    *) echo "Wine's 32-bit loader does not start here (exit status $rc)" ;;
  esac
}

if [ "${1:-}" = --32-bit-check ]; then
  reason=$(why_no_32_bit)
  [ -z "$reason" ] || { echo "$reason"; exit 77; }
  exit 0
fi

exe=$1
# The machine field of the PE header: 014c is a 32-bit x86 program.
pe_machine() {
  local at
  at=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  od -An -t x2 -j $((at + 4)) -N 2 "$1" | tr -d ' '
}
bits=64
if [ -f "$exe" ] && [ "$(pe_machine "$exe")" = 014c ]; then
  bits=32
  reason=$(why_no_32_bit)
  if [ -n "$reason" ]; then
    echo "not run: $(basename "$exe") is a 32-bit program and $reason" >&2
    exit 77
  fi
fi
build=${QUORVEL_BUILD_DIR:-}
if [ -z "$build" ]; then
  # The program lives somewhere under the build folder that holds CMakeCache.txt.
  dir=$(cd "$(dirname "$exe")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  build=$dir
fi

export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LC_ALL=ja_JP.UTF-8
# The 64-bit loader runs the x86_64 build; the i686 build, the program as
# shipped, runs in a prefix of its own build folder that is 32-bit only.
if [ "$bits" = 32 ]; then
  export WINEARCH=win32
  wine=$wine32
else
  export WINEARCH=win64
  wine=/usr/lib/wine/wine64
  export WINELOADER=$wine
fi
wineserver=/usr/lib/wine/wineserver

exec 9>"$build/.wine-run.lock"
flock 9
if [ -z "${DISPLAY:-}" ]; then
  display_file=$build/.xvfb-display
  if [ -f "$display_file" ] && kill -0 "$(cut -d' ' -f2 "$display_file")" 2>/dev/null; then
    DISPLAY=:$(cut -d' ' -f1 "$display_file")
  else
    n=$((90 + RANDOM % 400))
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    setsid Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
    echo "$n $!" > "$display_file"
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    DISPLAY=:$n
  fi
  export DISPLAY
fi
if [ ! -f "$WINEPREFIX/.quorvel-ready" ]; then
  "$wine" wineboot -i </dev/null >/dev/null 2>&1 9>&- || true
  "$wineserver" -w 9>&- || true
  reg=$(mktemp)
  printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '"Decorated"="Y"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ ゴシック"="IPAGothic"' '"MS Gothic"="IPAGothic"' '"ＭＳ Ｐゴシック"="IPAPGothic"' \
    '"MS UI Gothic"="IPAPGothic"' '"MS Shell Dlg"="IPAGothic"' '"MS Shell Dlg 2"="IPAGothic"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' |
    iconv -f UTF-8 -t CP932 > "$reg"
  "$wine" regedit "Z:${reg//\//\\}" </dev/null >/dev/null 2>&1 9>&-
  rm -f "$reg"
  "$wineserver" -w 9>&- || true
  touch "$WINEPREFIX/.quorvel-ready"
fi
# Wine draws the caption buttons with its own Marlett font (Debian's
# fonts-wine); started this way it looks for it only in the prefix, and
# without it the close box shows a bare "r".
if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ] && [ -d /usr/share/wine/fonts ]; then
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
# One persistent server for the whole run; it goes 60 s after the last program.
"$wineserver" -p60 </dev/null >/dev/null 2>&1 9>&- || true
flock -u 9
exec 9>&-
# Wine's own background processes inherit the standard handles and outlive
# the program by the server's linger time; through files, the caller gets
# the output without waiting for them.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
set +e
"$wine" "$@" >"$out" 2>"$err"
rc=$?
set -e
cat "$out"
cat "$err" >&2
exit $rc
