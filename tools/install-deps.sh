#!/usr/bin/env bash
# Brings a fresh Debian machine up to everything the build, the tests and the
# run command need. Safe to run again: it only installs what is missing.
#
# A package index that fails to download (a mirror caught mid-sync) is a
# warning, not the end: apt still has every other index. Wine's 32-bit half
# is the one package the suite can do without; where it cannot be installed
# the reason is kept in build/.wine32-missing and the test command leaves the
# 32-bit end-to-end run out, saying why. Any other package that cannot be
# installed stops the script with its name.
set -euo pipefail
cd "$(dirname "$0")/.."

need_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
warn() { echo "install-deps: $*" >&2; }
retry_delay=${QUORVEL_APT_RETRY_DELAY:-5}

packages=(
  cmake make g++ clang libclang-rt-14-dev
  googletest libgtest-dev
  mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  wine wine64
  # Wine draws caption buttons and menu glyphs with its own Marlett font; it
  # is only a recommended package, and recommendations are left out below.
  fonts-wine
  xvfb x11-utils imagemagick
  locales fonts-ipafont-gothic zip unzip
)
# Only the 32-bit end-to-end run needs these.
optional_i386=(wine32:i386)
wine32_note=build/.wine32-missing

apt_updated=no
apt_update() {
  [ "$apt_updated" = yes ] && return 0
  apt_updated=yes
  local try
  for try in 1 2 3; do
    need_root apt-get update && return 0
    [ "$try" -lt 3 ] && { warn "apt-get update failed (try $try of 3); trying again in ${retry_delay} s"; sleep "$retry_delay"; }
  done
  warn "warning: some package indexes could not be read; going on with the ones that could"
}

is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
apt_install() { DEBIAN_FRONTEND=noninteractive need_root apt-get install -y --no-install-recommends "$@"; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_root dpkg --add-architecture i386
  apt_updated=no
  apt_update
fi

missing=()
for p in "${packages[@]}"; do is_installed "$p" || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  apt_update
  if ! apt_install "${missing[@]}"; then
    # Name the package that stands in the way: try each on its own.
    for p in "${missing[@]}"; do
      is_installed "$p" && continue
      apt_install "$p" || { warn "error: the package $p cannot be installed"; exit 1; }
    done
  fi
fi

for p in "${optional_i386[@]}"; do
  is_installed "$p" && continue
  apt_update
  if apt_install "$p"; then
    rm -f "$wine32_note"
  else
    warn "warning: $p cannot be installed; the 32-bit end-to-end run will be left out"
    mkdir -p "$(dirname "$wine32_note")"
    echo "apt-get could not install $p (a package index out of step, or unmet dependencies)" > "$wine32_note"
  fi
done

# Wine maps the ANSI code page from the locale: ja_JP.UTF-8 gives code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  need_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
