#!/usr/bin/env bash
# Installs what is missing, builds Vaporin (the window only: no tests, no benchmarks) and starts
# it. The program stays in build/run/app/vaporin; start it again from there.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset run
cmake --build --preset run --target vaporin

exec build/run/app/vaporin
