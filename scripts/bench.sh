#!/usr/bin/env bash
# Builds and runs the benchmarks (optimised build), reporting medians of repeated runs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake --preset default
cmake --build --preset default --target engine_bench verdict_bench window_bench chart_bench cli_bench margin_audit worst_case_search
for bench in engine_bench verdict_bench window_bench chart_bench cli_bench; do
  build/default/bench/$bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true "$@"
done
# The margin factors' evidence: each probe's worst rounding error over a million points per row.
build/default/bench/margin_audit
# Each code's slowest realistic state, two seconds of search per code.
build/default/bench/worst_case_search
