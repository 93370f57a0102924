#!/usr/bin/env bash
# Installs what is missing, builds Vaporin and vaporin-calc (no tests, no benchmarks) and starts
# Vaporin. Both stay in build/run/: app/vaporin and cli/vaporin-calc.
set -euo pipefail
cd "$(dirname "$0")/.."

# The window needs a desktop session; say so before building rather than fail after it.
display=yes
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  display=no
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): Vaporin will be built but not" >&2
  echo "started. Run this command again from a terminal of your desktop session." >&2
fi

scripts/install-deps.sh
cmake --preset run
cmake --build --preset run --target vaporin vaporin-calc

if [ "$display" = no ]; then
  echo "Built: build/run/app/vaporin (start it in a desktop session) and" >&2
  echo "build/run/cli/vaporin-calc (works anywhere)." >&2
  exit 1
fi
exec build/run/app/vaporin
