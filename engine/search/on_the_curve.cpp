#include "engine/search/on_the_curve.h"

namespace vaporin::search {

int32_t DbAtRatioAndRh(PsychroParams* p, double sh, const double* rh,
                       const std::optional<Bracket>& guess, double* result) {
  return CertifiedStepSearch(
      TemperatureSearch(p), sh, Overshoot::Above,
      [&](double t) {
        Reading reading{StatusFailed, 0.0, 0.0};
        double pv;
        reading.Status = ShFromDbRhPv(p, &t, rh, &reading.Value, &pv);
        reading.ErrorScale = std::fabs(reading.Value) * Amplification(p, pv);
        return reading;
      },
      SatPressureBranches, result, guess, RatioAtRhMarginFactor);
}

int32_t DbAtRatioAndRh(PsychroParams* p, double sh, const double* rh, double* result) {
  std::optional<Bracket> guess;
  if (sh > 0.0) {
    RatioBracket steps(p, sh, rh);
    while (steps.Step()) {
    }
    guess = steps.Result();
  }
  return DbAtRatioAndRh(p, sh, rh, guess, result);
}

}  // namespace vaporin::search
