// vaporin-calc --batch: dry bulb + relative humidity rows per second, CSV in and out.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "cli/batch.h"

namespace vaporin::cli {
namespace {

constexpr int RowsPerRun = 20000;

std::string Rows() {
  std::string input = "db,rh\n";
  for (int i = 0; i < RowsPerRun; ++i) {
    // Realistic rooms and outdoor air: -10..40 °C, 5..95 %.
    input += std::to_string(-10 + (i * 7) % 5000 / 100.0) + ',' +
             std::to_string(5 + (i * 13) % 9000 / 100.0) + '\n';
  }
  return input;
}

void BatchDryBulbRelativeHumidity(benchmark::State& state) {
  const std::string input = Rows();
  const Preferences preferences;
  for (auto _ : state) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream messages;
    RunBatch(in, out, messages, preferences, Precision::Display);
    benchmark::DoNotOptimize(out.str().size());
  }
  state.SetItemsProcessed(state.iterations() * RowsPerRun);
}
BENCHMARK(BatchDryBulbRelativeHumidity)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaporin::cli
