// vaporin-calc --batch against a yardstick measured in the same run: a plain C filter on
// PsychroLib that reads the same dry bulb + relative humidity rows with strtod and prints the
// nine fields with printf. Each batch reports "x_PsychroLibFilter", its time as a multiple of
// the filter's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "bench/psychrolib_filter.h"
#include "cli/batch.h"
#include "engine/solvers.h"

namespace vaporin::cli {
namespace {

constexpr int RowsPerRun = 20000;
constexpr int YardstickRuns = 9;

double YardstickSeconds = 0.0;

std::string DryBulbHumidityRows() {
  std::string input = "db,rh\n";
  for (int i = 0; i < RowsPerRun; ++i) {
    // Realistic rooms and outdoor air: -10..40 °C, 5..95 %.
    input += std::to_string(-10 + (i * 7) % 5000 / 100.0) + ',' +
             std::to_string(5 + (i * 13) % 9000 / 100.0) + '\n';
  }
  return input;
}

std::string Batch(const std::string& input, Precision digits) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream messages;
  RunBatch(in, out, messages, Preferences(), digits);
  return out.str();
}

// The same air as wet bulb and volume: the pair whose solve checks itself by a nested search.
std::string WetBulbVolumeRows() {
  std::istringstream solved(Batch(DryBulbHumidityRows(), Precision::Full));
  std::string line;
  std::getline(solved, line);
  std::string input = "wb,sv\n";
  while (std::getline(solved, line)) {
    std::vector<std::string> cells;
    std::istringstream row(line);
    for (std::string cell; std::getline(row, cell, ',');) cells.push_back(cell);
    input += cells[6] + ',' + cells[7] + '\n';
  }
  return input;
}

double RunYardstick(const std::string& input) {
  std::FILE* in = fmemopen(const_cast<char*>(input.data()), input.size(), "r");
  char* buffer = nullptr;
  size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  const auto start = std::chrono::steady_clock::now();
  PsychroLibFilter(in, out);
  std::fflush(out);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::fclose(in);
  std::fclose(out);
  std::free(buffer);
  return seconds;
}

double MeasureYardstick() {
  const std::string input = DryBulbHumidityRows();
  std::vector<double> runs;
  for (int run = 0; run < YardstickRuns; ++run) runs.push_back(RunYardstick(input));
  std::sort(runs.begin(), runs.end());
  return runs[runs.size() / 2];
}

void ReportAgainstYardstick(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * RowsPerRun);
  state.counters["x_PsychroLibFilter"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * YardstickSeconds,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void PsychroLibFilterRows(benchmark::State& state) {
  const std::string input = DryBulbHumidityRows();
  for (auto _ : state) state.SetIterationTime(RunYardstick(input));
  ReportAgainstYardstick(state);
}
BENCHMARK(PsychroLibFilterRows)->UseManualTime()->Unit(benchmark::kMillisecond);

void BatchRows(benchmark::State& state, const std::string& input) {
  for (auto _ : state) benchmark::DoNotOptimize(Batch(input, Precision::Display).size());
  ReportAgainstYardstick(state);
}

void BatchDryBulbRelativeHumidity(benchmark::State& state) {
  BatchRows(state, DryBulbHumidityRows());
}
BENCHMARK(BatchDryBulbRelativeHumidity)->Unit(benchmark::kMillisecond);

void BatchWetBulbVolume(benchmark::State& state) { BatchRows(state, WetBulbVolumeRows()); }
BENCHMARK(BatchWetBulbVolume)->Unit(benchmark::kMillisecond);

// The floor under the batch: the engine's solves of the same rows alone, no reading, checking or
// writing.
void EngineOnlyDryBulbRelativeHumidity(benchmark::State& state) {
  std::vector<AirState> rows;
  std::istringstream input(DryBulbHumidityRows());
  std::string line;
  std::getline(input, line);
  while (std::getline(input, line)) {
    AirState row{};
    row.DB = std::stod(line);
    row.RH = std::stod(line.substr(line.find(',') + 1));
    rows.push_back(row);
  }
  PsychroParams params = ParamsOf(Preferences());
  for (auto _ : state) {
    for (const AirState& row : rows) {
      AirState solved = row;
      benchmark::DoNotOptimize(SolvePair(&params, &solved, QuantityDB * 10 + QuantityRH));
    }
  }
  ReportAgainstYardstick(state);
}
BENCHMARK(EngineOnlyDryBulbRelativeHumidity)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaporin::cli

int main(int argc, char** argv) {
  vaporin::cli::YardstickSeconds = vaporin::cli::MeasureYardstick();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
