#!/usr/bin/env bash
# Fails when a source folder includes a folder above it, or windows.h is
# included outside the Win32 glue: the layers hold by this check, not by
# care alone.
#
#   check-layers.sh SOURCE_ROOT
set -uo pipefail
root=${1:?source root}

# A folder and the folders it may include besides itself.
declare -A may=(
  [platform]=""
  [platform/posix]="platform"
  [platform/win32]="platform"
  [store]="platform"
  [ui]="platform res"
  [ui/win32]="ui platform platform/win32 res"
  [shell]="ui store platform res"
  [personal]="shell ui store platform res"
  [group]="shell ui store platform res"
  [multiuser]="shell ui store platform res"
  [cli]="shell ui store platform"
  [app]="personal group multiuser shell ui store platform res"
)
# Entry points pick the platform: they may include its implementations.
entry_extra="platform/posix platform/win32 ui/win32"
windows_ok=" platform/win32 ui/win32 "

faults=0
cd "$root" || exit 2
for folder in "${!may[@]}"; do
  for file in "$folder"/*.h "$folder"/*.cpp; do
    [ -f "$file" ] || continue
    allowed=" $folder ${may[$folder]} "
    entry=no
    case $(basename "$file") in *_main.cpp | main_win32.cpp) entry=yes; allowed+="$entry_extra " ;; esac
    while IFS= read -r line; do
      target=${line#*\"}
      target=${target%%\"*}
      [[ $target == */* ]] || continue
      dir=$(dirname "$target")
      if [[ $allowed != *" $dir "* ]]; then
        echo "$file includes $target: $folder may not include $dir"
        faults=$((faults + 1))
      fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
    if grep -qiE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<windows\.h>' "$file" &&
       [ $entry = no ] && [[ $windows_ok != *" $folder "* ]]; then
      echo "$file includes windows.h outside the Win32 glue"
      faults=$((faults + 1))
    fi
  done
done
if [ $faults -gt 0 ]; then
  echo "$faults include(s) across the layers"
  exit 1
fi
echo "layers: every include runs down"
