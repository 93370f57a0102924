#!/usr/bin/env bash
# Runs a program on a private Xvfb server of its own, with Qt's X11 platform.
set -euo pipefail
folder=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 1600x1000x24 -nolisten tcp 5>"$folder/display" 2>"$folder/log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$folder"' EXIT
# The server writes its display number once it accepts clients.
for _ in $(seq 200); do
  [ -s "$folder/display" ] && break
  kill -0 "$server" 2>/dev/null || { cat "$folder/log" >&2; exit 1; }
  sleep 0.05
done
[ -s "$folder/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$folder/display")" QT_QPA_PLATFORM=xcb
"$@"
