#include <cmath>
#include <optional>

#include "engine/certified_search.h"
#include "engine/formula_constants.h"
#include "engine/relations.h"
#include "engine/sat_pressure.h"
#include "engine/search/curve_estimates.h"
#include "engine/search/margins.h"
#include "engine/search/on_the_curve.h"
#include "engine/search/probes.h"
#include "engine/search/root_steps.h"
#include "engine/search_relations.h"
#include "engine/step_search.h"

// The dry bulb at a relative humidity and a humidity ratio, an absolute humidity, an enthalpy or
// a volume: each relation rises with the dry bulb along the curve of a positive relative
// humidity.
namespace vaporin {
using namespace search;

namespace {
// A probe through the humidity ratio at (trial dry bulb, relative humidity): its reading of
// `ofDbSh` there, and the error scale `scale(sh, amplification, value)` gives it.
template <typename OfDbSh, typename Scale>
auto ThroughShAtRh(PsychroParams* p, const double* rh, OfDbSh ofDbSh, Scale scale) {
  return [=](double s) {
    Reading reading{StatusFailed, 0.0, 0.0};
    double sh;
    double pv;
    if (Failed(ShFromDbRhPv(p, &s, rh, &sh, &pv))) return reading;
    reading.Status = ofDbSh(p, &s, &sh, &reading.Value);
    reading.ErrorScale = scale(s, sh, Amplification(p, pv), reading.Value);
    return reading;
  };
}

// Newton's bracket for a probe ThroughShAtRh(p, rh, ofDbSh, scale) from `start`, with the
// derivatives `derivatives(t, sh, dSh, d2Sh)` of the relation from the humidity ratio's own.
template <typename OfDbSh, typename Scale, typename OfRatio>
std::optional<Bracket> RefinedThroughShAtRh(PsychroParams* p, const double* rh, OfDbSh ofDbSh,
                                            Scale scale, OfRatio derivatives, double target,
                                            double start, double marginFactor) {
  const double epsilon = p->MolarMassWater / p->MolarMassAir;
  // Halley's steps on the model of the curve first, cheap. Where they settle, the bracket is
  // theirs, the model's own error added: the relation's crossing moves by no more than the
  // curve's temperature does, as the relation rises with t at a fixed humidity ratio too.
  constexpr int MaxModelSteps = 8;
  const double toUnitMode = p->UnitMode == UnitModeHPa ? 1.0 : p->HPaToMmHg;
  double estimate = start;
  for (int n = 0; n < MaxModelSteps; ++n) {
    const LogSatPressure model = ModelLogSatPressure(estimate);
    const double pv = std::exp(model.Value) * toUnitMode * *rh / Saturated;
    double sh;
    double value;
    if (!std::isfinite(pv) || Failed(ShFromPv(p, &p->PAtmMmHg, &pv, &sh)) ||
        Failed(ofDbSh(p, &estimate, &sh, &value))) {
      estimate = start;
      break;
    }
    const double dSh = RatioSlope(epsilon, sh, model.Slope);
    const RelationSlopes at = derivatives(
        estimate, sh, dSh, RatioCurvature(epsilon, sh, dSh, model.Slope, model.Curvature));
    const Move move = HalleyMove(value - target, at.Slope, at.Curvature);
    const double from = estimate;
    estimate -= move.By;
    if (!std::isfinite(estimate) || !(at.Slope > 0.0)) {
      estimate = start;
      break;
    }
    const double left = LeftAfter(move.By, move.Halleys);
    if (left < ModelSettledWithin) {
      const double margin = marginFactor * (scale(from, sh, Amplification(p, pv), value) +
                                            std::fabs(value) + std::fabs(target));
      return ModelBracket(estimate, margin, at.Slope, left);
    }
  }
  return RefinedAround(
      [&](double t) {
        double sh;
        double pv;
        double value;
        if (Failed(ShFromDbRhPv(p, &t, rh, &sh, &pv)) || Failed(ofDbSh(p, &t, &sh, &value))) {
          return NoSlopedReading;
        }
        const double logSlope = SatPressureLogSlope(t);
        const double dSh = RatioSlope(epsilon, sh, logSlope);
        const double d2Sh = RatioCurvature(epsilon, sh, dSh, logSlope, SatPressureLogCurvature(t));
        const RelationSlopes at = derivatives(t, sh, dSh, d2Sh);
        return SlopedReading{value, at.Slope, scale(t, sh, Amplification(p, pv), value),
                             at.Curvature};
      },
      target, estimate, marginFactor);
}

// The dry bulb at which ofDbSh at (t, ShFromDbRh(t, rh)) reaches `target`, for a relation that
// moist air takes above dry air's: the crossing lies below dry air's, `dryAirDb(target, 0)`,
// where Newton's steps on the convex relation come down without overshooting.
template <typename Scale, typename OfRatio>
int32_t DbAtRhBelowDryAir(PsychroParams* p, const double* rh, DbShRelation ofDbSh, Scale scale,
                          OfRatio derivatives, double target, DbShRelation dryAirDb,
                          double marginFactor, double* result) {
  double dryAir;
  const double dryAirSh = 0.0;
  const std::optional<Bracket> guess =
      Failed(dryAirDb(p, &target, &dryAirSh, &dryAir))
          ? std::nullopt
          : RefinedThroughShAtRh(p, rh, ofDbSh, scale, derivatives, target, dryAir, marginFactor);
  return CertifiedStepSearch(TemperatureSearch(p), target, Overshoot::Above,
                             ThroughShAtRh(p, rh, ofDbSh, scale), SatPressureBranches, result,
                             guess, marginFactor);
}

}  // namespace

// The relations of (dry bulb, relative humidity) rise with the dry bulb for a positive relative
// humidity only; other ones take the plain search.
int32_t DbFromRhSh(PsychroParams* p, const double* rh, const double* sh, double* result) {
  if (!(*rh > 0.0)) {
    return StepSearch(
        TemperatureSearch(p), *sh, Overshoot::Above,
        [&](double s, double* value) { return ShFromDbRh(p, &s, rh, value); }, result);
  }
  return DbAtRatioAndRh(p, *sh, rh, result);
}

int32_t DbFromRhVh(PsychroParams* p, const double* rh, const double* vh, double* result) {
  if (!(*rh > 0.0)) {
    return StepSearch(
        TemperatureSearch(p), *vh, Overshoot::Above,
        [&](double s, double* value) { return VhFromDbRh(p, &s, rh, value); }, result);
  }
  auto density = [&](double s) {
    Reading reading{StatusFailed, 0.0, 0.0};
    reading.Status = VhFromDbRh(p, &s, rh, &reading.Value);
    reading.ErrorScale = std::fabs(reading.Value);
    return reading;
  };
  // On Magnus's curve the vapour pressure pv = VH (K + t) / 216.674 at a dry bulb t whose own
  // pressure it is at rh: the kelvins change little, so a round puts t within a degree or two.
  constexpr double StartC = 20.0;
  double start =
      MagnusDewPoint(*vh * (p->KelvinOffset + StartC) / VapourDensityFactor * Saturated / *rh);
  // Then Newton's steps on the logarithm of the relation, ln pws(t) - ln(K + t), nearly
  // straight and without an exponential, settle t to within 1e-10 °C or so: one exact step
  // then settles too.
  const double logTarget = std::log(*vh / VapourDensityFactor * Saturated / *rh);
  constexpr int MaxLogSteps = 6;
  constexpr double LogSettled = 1e-4;  // °C
  for (int n = 0; n < MaxLogSteps && std::isfinite(start); ++n) {
    const double perK = 1.0 / (p->KelvinOffset + start);
    const double move = (SatPressureLogHPa(start) - std::log(p->KelvinOffset + start) - logTarget) /
                        (SatPressureLogSlope(start) - perK);
    start -= move;
    if (std::fabs(move) < LogSettled) break;
  }
  std::optional<Bracket> guess;
  if (std::isfinite(start)) {
    guess = RefinedAround(
        [&](double t) {
          const Reading at = density(t);
          if (Failed(at.Status)) return NoSlopedReading;
          const double slope = at.Value * (SatPressureLogSlope(t) - 1.0 / (p->KelvinOffset + t));
          return SlopedReading{at.Value, slope, at.ErrorScale};
        },
        *vh, start, CertifiedMarginFactor);
  }
  return CertifiedStepSearch(TemperatureSearch(p), *vh, Overshoot::Above, density,
                             SatPressureBranches, result, guess);
}

int32_t DbFromRhEnh(PsychroParams* p, const double* rh, const double* enh, double* result) {
  if (!(*rh > 0.0)) {
    return StepSearch(
        TemperatureSearch(p), *enh, Overshoot::Above,
        ThroughSh(
            p, [&](double s, double* sh) { return ShFromDbRh(p, &s, rh, sh); }, EnhFromDbSh),
        result);
  }
  // (CpVapour DB + LatentVap) SH + CpAir DB, SH with its own error
  auto scale = [p](double s, double sh, double amplification, double) {
    return std::fabs(p->CpVapour * s + p->LatentVap) * std::fabs(sh) * amplification +
           std::fabs(p->CpAir * s);
  };
  auto derivatives = [p](double t, double sh, double dSh, double d2Sh) {
    return EnhSlopes(p, t, sh, dSh, d2Sh);
  };
  // Moist air holds more enthalpy than dry air at its dry bulb.
  return DbAtRhBelowDryAir(p, rh, EnhFromDbSh, scale, derivatives, *enh, DbFromEnhSh,
                           EnthalpyAtRhMarginFactor, result);
}

int32_t DbFromRhSv(PsychroParams* p, const double* rh, const double* sv, double* result) {
  if (!(*rh > 0.0)) {
    return StepSearch(
        TemperatureSearch(p), *sv, Overshoot::Above,
        ThroughSh(
            p, [&](double s, double* sh) { return ShFromDbRh(p, &s, rh, sh); }, SvFromDbSh),
        result);
  }
  auto scale = [](double, double sh, double amplification, double value) {
    return std::fabs(value) * (1.0 + MolarMassRatioAirToWater * std::fabs(sh) * amplification);
  };
  auto derivatives = [p](double t, double sh, double dSh, double d2Sh) {
    return SvSlopes(p, t, sh, dSh, d2Sh);
  };
  // Moist air takes more room than dry air at its dry bulb.
  return DbAtRhBelowDryAir(p, rh, SvFromDbSh, scale, derivatives, *sv, DbFromSvSh,
                           VolumeAtRhMarginFactor, result);
}

}  // namespace vaporin
