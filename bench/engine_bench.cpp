#include <benchmark/benchmark.h>

#include "engine/sat_pressure.h"
#include "engine/solvers.h"
#include "tests/engine/reference_state.h"

namespace vaporin {
namespace {

void SolveAt20And50(benchmark::State& state) {
  const auto pairCode = static_cast<int32_t>(state.range(0));
  PsychroParams p = InitPsychroParams();
  for (auto _ : state) {
    AirState a = Ref20;
    benchmark::DoNotOptimize(SolvePair(&p, &a, pairCode));
    benchmark::DoNotOptimize(a);
  }
}
BENCHMARK(SolveAt20And50)
    ->ArgName("code")
    ->Args({1})
    ->Args({2})
    ->Args({3})
    ->Args({4})
    ->Args({5})
    ->Args({6})
    ->Args({12})
    ->Args({13})
    ->Args({14})
    ->Args({15})
    ->Args({16})
    ->Args({23})
    ->Args({24})
    ->Args({25})
    ->Args({26})
    ->Args({34})
    ->Args({35})
    ->Args({36})
    ->Args({45})
    ->Args({46})
    ->Args({56})
    ->Unit(benchmark::kMicrosecond);

// Wet bulb with absolute humidity nests three searches. The slowest physical state (RH within
// 0..100 %) found on a scan of wet bulbs from -20 to 40 °C and absolute humidities from 0.5 to
// 60 g/m3: a hot, dry state near 50 °C.
void SolveWbVhWorstRealistic(benchmark::State& state) {
  PsychroParams p = InitPsychroParams();
  for (auto _ : state) {
    AirState a{};
    a.WB = 27.95;
    a.VH = 10.15;
    benchmark::DoNotOptimize(SolvePair(&p, &a, 46));
    benchmark::DoNotOptimize(a);
  }
}
BENCHMARK(SolveWbVhWorstRealistic)->Unit(benchmark::kMillisecond);

void SatPressureCall(benchmark::State& state) {
  PsychroParams p = InitPsychroParams();
  double t = 20.0;
  double result = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(SatPressure(&p, &t, &result));
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(SatPressureCall);

}  // namespace
}  // namespace vaporin
