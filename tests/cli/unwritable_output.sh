#!/bin/sh
# Standard output that cannot be written is a failure, status 4 with the reason on standard
# error: a full disk (/dev/full) and a closed stream, for one state, a batch and the help.
# Usage: unwritable_output.sh VAPORIN_CALC
set -u
calc=$1
failures=0
rows=$(mktemp)
err=$(mktemp)
trap 'rm -f "$rows" "$err"' EXIT
{ echo db,rh; i=0; while [ $i -lt 5000 ]; do echo 25,50; i=$((i + 1)); done; } >"$rows"

check() {  # name, status
  if [ "$2" -ne 4 ] || ! grep -q "standard output could not be written" "$err"; then
    echo "$1: status $2, standard error: $(cat "$err")"
    failures=$((failures + 1))
  fi
}

"$calc" db=25 rh=50 >/dev/full 2>"$err"; check "one state, full disk" $?
"$calc" --batch <"$rows" >/dev/full 2>"$err"; check "batch, full disk" $?
"$calc" --help >/dev/full 2>"$err"; check "help, full disk" $?
"$calc" db=25 rh=50 >&- 2>"$err"; check "one state, closed" $?
"$calc" --batch <"$rows" >&- 2>"$err"; check "batch, closed" $?
exit "$failures"
