#!/usr/bin/env bash
# Brings a fresh Debian machine up to everything the build, the tests and the
# run command need. Safe to run again: it only installs what is missing.
set -euo pipefail

need_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  cmake make g++ clang libclang-rt-14-dev
  googletest libgtest-dev
  mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  wine wine64 wine32:i386
  # Wine draws caption buttons and menu glyphs with its own Marlett font; it
  # is only a recommended package, and recommendations are left out below.
  fonts-wine
  xvfb x11-utils imagemagick
  locales fonts-ipafont-gothic
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_root dpkg --add-architecture i386
  need_root apt-get update
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  need_root apt-get update
  DEBIAN_FRONTEND=noninteractive need_root apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Wine maps the ANSI code page from the locale: ja_JP.UTF-8 gives code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  need_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
