// SolvePair against one SatPressure call measured in the same run: every solve reports
// "x_SatPressure", its time as a multiple of that call's. The nested codes and absurd inputs are
// scanned first; their slowest states found are benchmarked by name.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/sat_pressure.h"
#include "engine/solvers.h"
#include "tests/engine/reference_state.h"

namespace vaporin {
namespace {

double SatPressureSeconds = 0.0;

// The median of repeated timings of a million SatPressure calls.
double MeasureSatPressure() {
  PsychroParams p = InitPsychroParams();
  constexpr int Calls = 1000000;
  std::vector<double> runs;
  double sink = 0.0;
  for (int run = 0; run < 9; ++run) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Calls; ++i) {
      double t = 20.0;
      double result = 0.0;
      benchmark::DoNotOptimize(t);
      SatPressure(&p, &t, &result);
      sink += result;
    }
    runs.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                   Calls);
  }
  benchmark::DoNotOptimize(sink);
  std::sort(runs.begin(), runs.end());
  return runs[runs.size() / 2];
}

void ReportInSatPressureCalls(benchmark::State& state) {
  state.counters["x_SatPressure"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * SatPressureSeconds,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

AirState StateOf(int32_t code, double a, double b) {
  AirState state{};
  double* fields[] = {&state.DB, &state.RH, &state.SH, &state.ENH, &state.WB, &state.SV, &state.VH};
  *fields[code / 10] = a;
  *fields[code % 10] = b;
  return state;
}

void Solve(benchmark::State& state, int32_t code, AirState input) {
  PsychroParams p = InitPsychroParams();
  for (auto _ : state) {
    AirState a = input;
    benchmark::DoNotOptimize(SolvePair(&p, &a, code));
    benchmark::DoNotOptimize(a);
  }
  ReportInSatPressureCalls(state);
}

void SolveAt20And50(benchmark::State& state) {
  Solve(state, static_cast<int32_t>(state.range(0)), Ref20);
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

void SatPressureCall(benchmark::State& state) {
  PsychroParams p = InitPsychroParams();
  double t = 20.0;
  double result = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(SatPressure(&p, &t, &result));
    benchmark::DoNotOptimize(result);
  }
  ReportInSatPressureCalls(state);
}
BENCHMARK(SatPressureCall);

// A grid of inputs for one pair code, in engine units.
struct Scan {
  const char* Name;
  int32_t Code;
  double FirstLow, FirstHigh, FirstStep;
  double SecondLow, SecondHigh, SecondStep;
};

constexpr Scan Scans[] = {
    // Realistic: wet bulb -20..40 °C with the second quantity over its usual range.
    {"Realistic", 4, -20.0, 50.0, 1.0, -20.0, 40.0, 1.0},
    {"Realistic", 14, 5.0, 100.0, 5.0, -20.0, 40.0, 1.0},
    {"Realistic", 45, -20.0, 40.0, 1.0, 0.75, 0.95, 0.01},
    {"Realistic", 46, -20.0, 40.0, 0.5, 0.5, 60.0, 0.5},
    // Absurd: far outside anything air does.
    {"Absurd", 1, -300.0, 500.0, 10.0, -100.0, 500.0, 20.0},
    {"Absurd", 4, -200.0, 300.0, 10.0, -200.0, 300.0, 10.0},
    {"Absurd", 14, -50.0, 300.0, 25.0, -200.0, 300.0, 10.0},
    {"Absurd", 36, -1000.0, 10000.0, 500.0, -50.0, 2000.0, 50.0},
    {"Absurd", 45, -200.0, 300.0, 10.0, -2.0, 20.0, 0.5},
    {"Absurd", 46, -100.0, 200.0, 5.0, 0.0, 500.0, 10.0},
    {"Absurd", 56, -2.0, 20.0, 0.5, -50.0, 1000.0, 25.0},
};

double SecondsFor(int32_t code, double a, double b) {
  PsychroParams p = InitPsychroParams();
  double best = 1e30;
  for (int repeat = 0; repeat < 3; ++repeat) {
    AirState state = StateOf(code, a, b);
    const auto start = std::chrono::steady_clock::now();
    SolvePair(&p, &state, code);
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

// Finds each scan's slowest state and benchmarks it under a name that says which it is.
void RegisterSlowestStates() {
  for (const Scan& scan : Scans) {
    double slowest = 0.0;
    double first = 0.0;
    double second = 0.0;
    for (double a = scan.FirstLow; a <= scan.FirstHigh + 1e-9; a += scan.FirstStep) {
      for (double b = scan.SecondLow; b <= scan.SecondHigh + 1e-9; b += scan.SecondStep) {
        // Wet bulb above dry bulb is no realistic air.
        if (scan.Code == 4 && std::string(scan.Name) == "Realistic" && b > a) continue;
        const double seconds = SecondsFor(scan.Code, a, b);
        if (seconds > slowest) {
          slowest = seconds;
          first = a;
          second = b;
        }
      }
    }
    char name[128];
    std::snprintf(name, sizeof name, "Slowest%s/code:%d/%g,%g", scan.Name, scan.Code, first,
                  second);
    const int32_t code = scan.Code;
    const AirState input = StateOf(code, first, second);
    benchmark::RegisterBenchmark(name, [code, input](benchmark::State& state) {
      Solve(state, code, input);
    })->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace
}  // namespace vaporin

int main(int argc, char** argv) {
  vaporin::SatPressureSeconds = vaporin::MeasureSatPressure();
  vaporin::RegisterSlowestStates();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
