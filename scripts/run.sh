#!/usr/bin/env bash
# Installs what is missing, builds Vaporin and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default

echo "Vaporin's engine is built (build/default). The window is not part of this build yet."
