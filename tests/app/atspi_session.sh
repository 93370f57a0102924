#!/usr/bin/env bash
# Starts Vaporin on a private X server with the accessibility bus, and prints its AT-SPI tree.
# Run inside a private session bus: dbus-run-session -- tests/app/atspi_session.sh PROGRAM [--check]
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
mkdir -p "$home/Documents"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$home/display" 2>/dev/null &
server=$!
trap 'kill $server ${bus:-} ${app:-} 2>/dev/null; rm -rf "$home"' EXIT
for _ in $(seq 200); do
  [ -s "$home/display" ] && break
  sleep 0.05
done
export DISPLAY=":$(head -n 1 "$home/display")" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
HOME=$home "$program" >"$home/program.log" 2>&1 &
app=$!
# The script waits for the program to appear on the bus; on a failure the program's own words
# are shown too.
status=0
/usr/bin/python3 "$here/atspi_tree.py" vaporin "${2:-}" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- the program's output:" >&2
  head -n 100 "$home/program.log" >&2
fi
exit "$status"
