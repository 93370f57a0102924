#!/bin/sh
# A broken chart plugin beside vaporin-calc is a fault with a message and status 3, never a
# crash, and no picture is written: one cut short, random bytes, an empty file, one from another
# build. The whole plugin, in the same place, writes the PNG.
# Usage: broken_plugin.sh VAPORIN_CALC PLUGIN FOREIGN_PLUGIN
set -u
calc=$1 plugin=$2 foreign=$3
d=$(mktemp -d)
trap 'rm -rf "$d"' EXIT
mkdir -p "$d/bin" "$d/lib/vaporin"
cp "$calc" "$d/bin/vaporin-calc"
installed="$d/lib/vaporin/vaporin-chart-png.so"
failures=0

check() {  # name, expected status, text expected on standard error
  rm -f "$d/c.png"
  "$d/bin/vaporin-calc" --chart "$d/c.png" db=25 rh=50 >/dev/null 2>"$d/err"
  status=$?
  if [ "$status" -ne "$2" ] || { [ -n "$3" ] && ! grep -q "$3" "$d/err"; }; then
    echo "$1: status $status, standard error: $(cat "$d/err")"
    failures=$((failures + 1))
  fi
  if [ "$2" -ne 0 ] && [ -e "$d/c.png" ]; then
    echo "$1: a picture was written"
    failures=$((failures + 1))
  fi
}

head -c 5000 "$plugin" >"$installed"
check "cut short" 3 "chart plugin"
head -c 20000 /dev/urandom >"$installed"
check "random bytes" 3 "chart plugin"
: >"$installed"
check "empty" 3 "chart plugin"
cp "$foreign" "$installed"
check "another build" 3 "from another build"
cp "$plugin" "$installed"
check "whole" 0 ""
head -c 4 "$d/c.png" | grep -q PNG || { echo "whole: no PNG"; failures=$((failures + 1)); }
exit "$failures"
