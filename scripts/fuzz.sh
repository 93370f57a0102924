#!/usr/bin/env bash
# Builds the fuzz harnesses (clang, libFuzzer and the sanitizers) and runs each for a while,
# keeping what it learns in build/fuzz/corpus/<harness>. Not part of the tests.
#   scripts/fuzz.sh                 every harness, 60 s each
#   scripts/fuzz.sh 600 batch_fuzz  one harness, ten minutes
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
harnesses=("$@")
if ((${#harnesses[@]} == 0)); then
  harnesses=(number_text_fuzz ini_file_fuzz solve_fuzz batch_fuzz command_line_fuzz project_fuzz)
fi

scripts/install-deps.sh test
cmake --preset fuzz
cmake --build --preset fuzz --target "${harnesses[@]}"
for harness in "${harnesses[@]}"; do
  corpus=build/fuzz/corpus/$harness
  mkdir -p "$corpus"
  echo "== $harness, ${seconds} s"
  # A run stops at the first fault and leaves its input as crash-*, leak-* or timeout-* here.
  (cd build/fuzz && "./fuzz/$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    "../../$corpus" "../../fuzz/seeds/$harness")
done
