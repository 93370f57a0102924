// The slowest inputs of the whole verdict (the inputs' own refusals, the solve and the
// judgement) per pair code: a seeded random scan over realistic and absurd values, then
// hill-climbing from the slowest, each found input benchmarked by name. The target is 50 µs
// for every input found, so that a batch of absurd rows cannot stall the program.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

#include "core/input_workflow.h"
#include "core/verdict.h"

namespace vaporin {
namespace {

constexpr int32_t Codes[] = {1,  2,  3,  4,  5,  6,  12, 13, 14, 15,
                             16, 23, 24, 25, 26, 35, 36, 45, 46, 56};
constexpr int ScanDraws = 2000;
constexpr int ClimbSteps = 400;
constexpr double RelativeHumidityMax = 100.0;  // %

EnteredPair PairOf(int32_t code, double a, double b) {
  EnteredPair entered;
  entered.PairCode = code;
  entered.Values.*QuantityFields[code / PairCodeFirstFactor] = a;
  entered.Values.*QuantityFields[code % PairCodeFirstFactor] = b;
  return entered;
}

// The fastest of three timings, in seconds: the input's own cost, not the machine's noise.
double SecondsFor(PsychroParams* p, const EnteredPair& entered) {
  double best = 1e30;
  for (int repeat = 0; repeat < 3; ++repeat) {
    AirState state{};
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(SolveAndJudge(p, entered, &state));
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

struct Input {
  double A;
  double B;
  double Seconds;
};

// A value as the scan draws it: mostly a plain number, sometimes any magnitude of either sign.
double Draw(std::mt19937_64& random, bool relativeHumidity) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  if (relativeHumidity) return RelativeHumidityMax * unit(random);
  if (unit(random) < 0.6) return (2.0 * unit(random) - 1.0) * 400.0;
  const double magnitude = std::pow(10.0, 616.0 * unit(random) - 308.0);
  return unit(random) < 0.5 ? -magnitude : magnitude;
}

// A neighbour of a value: a small relative or absolute move.
double Nudge(std::mt19937_64& random, double value, bool relativeHumidity) {
  std::normal_distribution<double> step(0.0, 1.0);
  double moved = value * (1.0 + 0.01 * step(random)) + 0.05 * step(random);
  if (relativeHumidity) moved = std::clamp(moved, 0.0, RelativeHumidityMax);
  return moved;
}

Input SlowestOf(PsychroParams* p, int32_t code, std::mt19937_64& random) {
  const bool aIsRh = code / PairCodeFirstFactor == QuantityRH;
  const bool bIsRh = code % PairCodeFirstFactor == QuantityRH;
  Input slowest{0.0, 0.0, 0.0};
  for (int draw = 0; draw < ScanDraws; ++draw) {
    const double a = Draw(random, aIsRh);
    const double b = Draw(random, bIsRh);
    const double seconds = SecondsFor(p, PairOf(code, a, b));
    if (seconds > slowest.Seconds) slowest = {a, b, seconds};
  }
  for (int climb = 0; climb < ClimbSteps; ++climb) {
    const double a = Nudge(random, slowest.A, aIsRh);
    const double b = Nudge(random, slowest.B, bIsRh);
    const double seconds = SecondsFor(p, PairOf(code, a, b));
    if (seconds > slowest.Seconds) slowest = {a, b, seconds};
  }
  return slowest;
}

void RegisterSlowestInputs() {
  PsychroParams p = InitPsychroParams();
  std::mt19937_64 random(22);
  // The first solve builds the saturation curve's model; it is no input's cost.
  SecondsFor(&p, PairOf(1, 20.0, 50.0));
  for (const int32_t code : Codes) {
    const Input slowest = SlowestOf(&p, code, random);
    char name[128];
    std::snprintf(name, sizeof name, "SlowestVerdict/code:%d/%.6g,%.6g", code, slowest.A,
                  slowest.B);
    const EnteredPair entered = PairOf(code, slowest.A, slowest.B);
    benchmark::RegisterBenchmark(name, [entered](benchmark::State& state) {
      PsychroParams params = InitPsychroParams();
      for (auto _ : state) {
        AirState solved{};
        benchmark::DoNotOptimize(SolveAndJudge(&params, entered, &solved));
      }
    })->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace
}  // namespace vaporin

int main(int argc, char** argv) {
  vaporin::RegisterSlowestInputs();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
