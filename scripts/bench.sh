#!/usr/bin/env bash
# Builds and runs the benchmarks (optimised build), reporting medians of repeated runs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target engine_bench
build/default/bench/engine_bench --benchmark_repetitions=10 \
  --benchmark_report_aggregates_only=true "$@"
