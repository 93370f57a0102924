#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite: the normal build, the
# plain-C++ part built by clang, and the AddressSanitizer + UndefinedBehaviorSanitizer build.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

for preset in default clang asan; do
  echo "== $preset build"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
