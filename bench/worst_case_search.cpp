// Finds each pair code's slowest realistic state: random air (dry bulb -40 to 60 °C, relative
// humidity 1 to 100 %, at the standard atmosphere) entered as the code's pair, then
// hill-climbing from the slowest found. Seeded and bounded in time, so that a run repeats.
//   worst_case_search [seconds per code]   (default 2)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "engine/solvers.h"

namespace {

using namespace vaporin;
using Clock = std::chrono::steady_clock;

struct Air {
  double DryBulbC;
  double RelativeHumidity;
};

// The median of repeated timings of one solve of `code` from the pair of `air`, µs; negative
// where the pair gives no state.
double SolveMicroseconds(int32_t code, const Air& air) {
  PsychroParams p = InitPsychroParams();
  AirState full{};
  full.DB = air.DryBulbC;
  full.RH = air.RelativeHumidity;
  if (Failed(SolvePair(&p, &full, 1))) return -1.0;
  AirState input{};
  input.*QuantityFields[code / 10] = full.*QuantityFields[code / 10];
  input.*QuantityFields[code % 10] = full.*QuantityFields[code % 10];
  constexpr int Runs = 7;
  constexpr int SolvesPerRun = 5;
  std::vector<double> runs;
  for (int run = 0; run < Runs; ++run) {
    const auto start = Clock::now();
    for (int i = 0; i < SolvesPerRun; ++i) {
      AirState a = input;
      if (Failed(SolvePair(&p, &a, code))) return -1.0;
    }
    runs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                   SolvesPerRun);
  }
  std::sort(runs.begin(), runs.end());
  return runs[Runs / 2];
}

Air Clamped(Air air) {
  air.DryBulbC = std::clamp(air.DryBulbC, -40.0, 60.0);
  air.RelativeHumidity = std::clamp(air.RelativeHumidity, 1.0, 100.0);
  return air;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
  constexpr int32_t Codes[] = {1,  2,  3,  4,  5,  6,  12, 13, 14, 15, 16,
                               23, 24, 25, 26, 35, 36, 45, 46, 56};
  std::printf("code  worst µs  at 20 °C/50 %% µs  dry bulb °C  RH %%\n");
  for (const int32_t code : Codes) {
    std::mt19937_64 random(static_cast<uint64_t>(code));
    std::uniform_real_distribution<double> dryBulb(-40.0, 60.0);
    std::uniform_real_distribution<double> humidity(1.0, 100.0);
    std::normal_distribution<double> nudge(0.0, 1.0);
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    const auto searchEnd = Clock::now() + std::chrono::duration<double>(seconds / 2);
    Air worst{20.0, 50.0};
    double worstTime = SolveMicroseconds(code, worst);
    const double typical = worstTime;
    // Random air for the first half, then steps around the slowest, shrinking as they fail.
    double stepC = 2.0;
    while (Clock::now() < end) {
      const bool climbing = Clock::now() >= searchEnd;
      const Air air = climbing ? Clamped({worst.DryBulbC + stepC * nudge(random),
                                          worst.RelativeHumidity + 2.0 * stepC * nudge(random)})
                               : Air{dryBulb(random), humidity(random)};
      const double time = SolveMicroseconds(code, air);
      if (time > worstTime) {
        worstTime = time;
        worst = air;
      } else if (climbing) {
        stepC = std::max(0.01, stepC * 0.98);
      }
    }
    std::printf("%4d  %8.1f  %18.1f  %11.2f  %5.1f\n", code, worstTime, typical, worst.DryBulbC,
                worst.RelativeHumidity);
  }
  return 0;
}
