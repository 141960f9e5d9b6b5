#!/usr/bin/env bash
# The dependency script against a stub apt: a package index that never
# refreshes, Wine's 32-bit half that cannot be installed, and another
# package that cannot be installed. The script runs from a copy in a
# scratch tree, so its note lands there and no real apt is ever called.
#
#   install-deps-test.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A scratch tree for one scenario, in $tree: arguments are the packages
# whose install fails.
make_tree() {
  tree=$(mktemp -d)
  mkdir -p "$tree/tools" "$tree/bin"
  cp "$source_dir/tools/install-deps.sh" "$tree/tools/"
  : > "$tree/installed"
  : > "$tree/calls"
  printf '%s\n' "$@" > "$tree/refused"
  # Everything the script calls as root or asks the system, as stubs that
  # keep a record in the scratch tree.
  cat > "$tree/bin/apt-get" <<STUB
#!/usr/bin/env bash
echo "apt-get \$*" >> "$tree/calls"
case \$1 in
  update) echo "E: File has unexpected size (49152 != 48640). Mirror sync in progress?" >&2; exit 100 ;;
  install)
    shift
    rc=0
    for p in "\$@"; do
      case \$p in -*) continue ;; esac
      if grep -qxF "\$p" "$tree/refused"; then
        echo "E: Unable to correct problems, you have held broken packages. (\$p)" >&2; rc=100
      fi
    done
    # apt installs all or nothing.
    [ \$rc = 0 ] && for p in "\$@"; do case \$p in -*) ;; *) echo "\$p" >> "$tree/installed" ;; esac; done
    exit \$rc ;;
esac
STUB
  cat > "$tree/bin/dpkg-query" <<STUB
#!/usr/bin/env bash
grep -qxF "\${@: -1}" "$tree/installed" && printf 'install ok installed' || exit 1
STUB
  cat > "$tree/bin/dpkg" <<STUB
#!/usr/bin/env bash
echo "dpkg \$*" >> "$tree/calls"
[ "\$1" = --print-foreign-architectures ] && grep -qx i386 "$tree/calls.arch" 2>/dev/null && echo i386
[ "\$1" = --add-architecture ] && echo i386 > "$tree/calls.arch"
exit 0
STUB
  printf '#!/bin/sh\necho ja_JP.utf8\n' > "$tree/bin/locale"
  printf '#!/bin/sh\necho "localedef $*" >> "%s/calls"\n' "$tree" > "$tree/bin/localedef"
  printf '#!/bin/sh\nexec "$@"\n' > "$tree/bin/sudo"
  chmod +x "$tree/bin/"*
}
# Runs the copy; leaves its exit status in rc and its output in out.
run_in_tree() {
  out=$(PATH="$tree/bin:$PATH" QUORVEL_APT_RETRY_DELAY=0 "$tree/tools/install-deps.sh" 2>&1)
  rc=$?
}

# The index never refreshes and wine32:i386 cannot be installed: the rest
# goes in, the script ends well, says why and keeps the reason.
make_tree wine32:i386 && run_in_tree
[ "$rc" = 0 ] || fail "without wine32:i386 the script exits $rc, not 0: $out"
updates=$(grep -c '^apt-get update' "$tree/calls")
[ "$updates" = 3 ] || fail "apt-get update was tried $updates times, not 3"
grep -q 'some package indexes could not be read' <<<"$out" || fail "no warning for the failed index: $out"
grep -q 'wine32:i386 cannot be installed; the 32-bit end-to-end run will be left out' <<<"$out" ||
  fail "no word on why the 32-bit run is left out: $out"
grep -q 'could not install wine32:i386' "$tree/build/.wine32-missing" 2>/dev/null ||
  fail "the reason was not kept in build/.wine32-missing"
grep -qx 'mingw-w64' "$tree/installed" || fail "the other packages were not installed"
grep -q '^dpkg --add-architecture i386' "$tree/calls" || fail "i386 was not added as an architecture"
rm -rf "$tree"

# Another package cannot be installed: the script stops and names it.
make_tree xvfb && run_in_tree
[ "$rc" != 0 ] || fail "a missing xvfb was passed over"
grep -q 'the package xvfb cannot be installed' <<<"$out" || fail "the package is not named: $out"
grep -q 'localedef' "$tree/calls" && fail "the script went on past the missing package"
rm -rf "$tree"

# Once wine32:i386 installs, an old reason goes.
make_tree
mkdir -p "$tree/build" && echo old > "$tree/build/.wine32-missing"
run_in_tree
[ "$rc" = 0 ] || fail "a run where every install works exits $rc: $out"
[ ! -e "$tree/build/.wine32-missing" ] || fail "a stale reason stays after wine32:i386 was installed"
rm -rf "$tree"

[ "$failures" = 0 ] && echo "install-deps: all cases pass"
exit $((failures > 0))
