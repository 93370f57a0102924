#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/finite_result.h"
#include "engine/psychro_params.h"

namespace vaporin {

// Probes that did not overshoot, counted over the whole search, before it gives up.
inline constexpr int32_t MaxProbesBelowTarget = 100000;
// Each step size is the previous one times this factor, in double precision.
inline constexpr double StepShrinkFactor = 0.1;

struct SearchFamily {
  double Start;
  double FirstStep;
  double Tolerance;
};

inline constexpr double TemperatureSearchStart = -270.0;  // °C
inline constexpr double TemperatureFirstStep = 10.0;      // °C
inline constexpr double HumidityRatioFirstStep = 0.01;    // kg/kg(DA)

// Temperatures, °C: from -270 in steps of 10, 1, ... 1e-8 (ten sizes).
inline SearchFamily TemperatureSearch(const PsychroParams* p) {
  return {TemperatureSearchStart, TemperatureFirstStep, p->TolTemp};
}

// Humidity ratios, kg/kg(DA): from -TolSH in steps of 0.01 down to 0.00001 (four sizes).
inline SearchFamily HumidityRatioSearch(const PsychroParams* p) {
  return {-p->TolSH, HumidityRatioFirstStep, p->TolSH};
}

// The finest step of a search family: the grid its result lies on, one step below the root.
constexpr double FinestStepOf(double firstStep, double tolerance) {
  double finest = firstStep;
  for (double step = firstStep; step > tolerance; step *= StepShrinkFactor) finest = step;
  return finest;
}
inline double FinestStep(const SearchFamily& family) {
  return FinestStepOf(family.FirstStep, family.Tolerance);
}

// How many step sizes a search family takes from its first step down to its tolerance.
constexpr int StepSizes(double firstStep, double tolerance) {
  int sizes = 0;
  for (double step = firstStep; step > tolerance; step *= StepShrinkFactor) ++sizes;
  return sizes;
}
// A finer level reads at most this many trial values before it overshoots or ends: nine, and a
// tenth where a sum rounds under the level above's overshooting value.
inline constexpr int MaxProbesPerFinerLevel = 10;

// Trial values are sums of the start and of steps above the tolerance, all whole multiples of the
// smallest step's unit in the last place, so none lies closer to 0 than that unit: at least this
// for a tolerance of at least 2^53 times it.
inline constexpr double NearestTrialValueToZero = 0x1p-100;

// A value at or above every trial value below `bound`, and below it: the double just under it,
// except that below 0 it stops at minus NearestTrialValueToZero. A probe read just under 0 would
// otherwise compute with subnormal numbers, which the processor handles some hundred times more
// slowly.
inline double TrialValuesBelowUpTo(const SearchFamily& family, double bound) {
  const double below = std::nextafter(bound, -std::numeric_limits<double>::infinity());
  const bool gapBelowZero = family.Tolerance >= 0x1p53 * NearestTrialValueToZero;
  if (gapBelowZero && below < 0.0 && below > -NearestTrialValueToZero) {
    return -NearestTrialValueToZero;
  }
  return below;
}

// Whether the probe overshoots the target when strictly above it (a probe rising with the
// trial value) or strictly below it (a falling one).
enum class Overshoot { Above, Below };

// What a probe says of one trial value.
enum class ProbeOutcome { NotOver, Over, Fail };

// Steps the trial value up from the start until the probe overshoots the target, then steps
// back and continues with a tenth of the step, while the step exceeds the tolerance. The
// result is the last trial value that did not overshoot (or the start). A failed probe ends
// the search; so does the 100001st probe that did not overshoot.
// `outcome(double s)` tells the probe's ProbeOutcome at trial value s. A caller that knows
// no probe overshoots from some trial value on passes it as `noneOverFrom`: a first level that
// gets there without an overshoot can only end at the probe cap or at a failed probe, and the
// search ends there at once.
template <typename Outcome>
int32_t OutcomeStepSearch(const SearchFamily& family, Outcome&& outcome, double* result,
                          double noneOverFrom = std::numeric_limits<double>::infinity()) {
  *result = 0.0;
  double s = family.Start;
  double step = family.FirstStep;
  int32_t probesBelowTarget = 0;
  while (step > family.Tolerance) {
    for (;;) {
      s += step;
      if (s >= noneOverFrom && step == family.FirstStep) return StatusFailed;
      const ProbeOutcome at = outcome(s);
      if (at == ProbeOutcome::Fail) return StatusFailed;
      if (at == ProbeOutcome::Over) {
        s -= step;
        step *= StepShrinkFactor;
        break;
      }
      if (++probesBelowTarget > MaxProbesBelowTarget) return StatusFailed;
    }
  }
  return StoreFinite(s, result);
}

// The same over a probe that computes a value: it overshoots when strictly above the target
// (Overshoot::Above) or strictly below it (Overshoot::Below).
// `probe(double s, double* value)` returns a status like any relation.
template <typename Probe>
int32_t StepSearch(const SearchFamily& family, double target, Overshoot overshoot, Probe&& probe,
                   double* result, double noneOverFrom = std::numeric_limits<double>::infinity()) {
  return OutcomeStepSearch(
      family,
      [&](double s) {
        double value;
        if (Failed(probe(s, &value))) return ProbeOutcome::Fail;
        const bool over = overshoot == Overshoot::Above ? value > target : value < target;
        return over ? ProbeOutcome::Over : ProbeOutcome::NotOver;
      },
      result, noneOverFrom);
}

}  // namespace vaporin
