#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/certified_search.h"
#include "engine/formula_constants.h"
#include "engine/relations.h"
#include "engine/search/margins.h"
#include "engine/search/probes.h"
#include "engine/search/root_steps.h"
#include "engine/search_relations.h"
#include "engine/step_search.h"

// The dry bulb at an enthalpy and an absolute humidity or a volume: through the humidity ratio
// of the enthalpy at each trial dry bulb, in closed form, so each crossing is a root of a
// quadratic.
namespace vaporin {
using namespace search;

namespace {
// The dry bulb (°C) from which no absolute humidity at enthalpy `enh` falls below a negative
// target; infinity where that cannot be told.
//
// At a positive dry bulb s the humidity ratio is x = (h - a s) / (c s + L), with a and c the
// heat capacities of air and vapour and L the latent heat. Where x is not negative, neither is
// the absolute humidity. Where it is, x stays above -a / c as long as c h + a L > 0, and
//   |VH| = 1000 |x| P / ((s + K) R (M x + 1)) < 1000 (a / c) P / ((s + K) R (1 - M a / c)),
// which falls below |target| from some dry bulb on. Half of |target| there leaves the rounding
// of the probe (relative errors near 1e-15) far behind.
double NoAbsoluteHumidityBelowFrom(const PsychroParams* p, double enh, double target) {
  constexpr double Unknown = std::numeric_limits<double>::infinity();
  constexpr double RoundingCover = 2.0;
  // 1 - M a / c must stay clear of 0 for the bound to mean anything: it is 0.12 here.
  constexpr double MinDryAirFactor = 0.05;
  constexpr double SignCover = 1e-9;
  if (!(target < 0.0) || !std::isfinite(target)) return Unknown;
  const double h = p->UnitMode == UnitModeHPa ? enh / p->KcalToKJ : enh;
  const double a = p->CpAir;
  const double c = p->CpVapour;
  const double l = p->LatentVap;
  if (!(c * h + a * l > SignCover * (std::fabs(c * h) + a * l))) return Unknown;
  const double dryAirFactor = 1.0 - MolarMassRatioAirToWater * a / c;
  if (!(dryAirFactor > MinDryAirFactor)) return Unknown;
  const double kelvin = RoundingCover * GramsPerKg * (a / c) * p->PAtmKPa /
                        (GasConstAirKJPerKgK * dryAirFactor * -target);
  return std::max(0.0, kelvin - p->KelvinOffset);
}
}  // namespace

int32_t DbFromEnhVh(PsychroParams* p, const double* enh, const double* vh, double* result) {
  const SearchFamily family = TemperatureSearch(p);
  auto shAt = [&](double s, double* sh) { return ShFromEnhDb(p, enh, &s, sh); };
  // With sh = (h - Cpa t) / (Cpv t + L), the absolute humidity is
  // 1000 P (h - Cpa t) / (R (t + K)(a + b t)), a = M h + L, b = Cpv - M Cpa. Where b > 0 and
  // a + b t > 0 at the search's start, it falls with t while h - Cpa t > 0 and is negative
  // after: no trial value past the crossing of a positive target comes back below it.
  // Named values rather than a structured binding, which clang 14's lambdas cannot capture.
  const EnthalpyForm form = EnthalpyFormOf(p, *enh);
  const double h = form.H;
  const double a = form.A;
  const double b = form.B;
  const double k = p->KelvinOffset;
  const bool falling = b > 0.0 && std::isfinite(h) && a + b * family.Start > 0.0 &&
                       family.Start + k > 0.0 && -p->LatentVap / p->CpVapour < family.Start;
  if (!falling || !(*vh > 0.0) || !std::isfinite(*vh)) {
    return StepSearch(family, *vh, Overshoot::Below, ThroughSh(p, shAt, VhFromDbSh), result,
                      NoAbsoluteHumidityBelowFrom(p, *enh, *vh));
  }
  // The absolute humidity's error scale at t: the humidity ratio loses digits where h - Cpa t
  // cancels, and the volume through M sh + 1 with it.
  auto errorScale = [&](double t, double sh, double sv) {
    const double shError = RatioAtEnthalpyErrorScale(p, h, t);
    const double moist = std::fabs(MolarMassRatioAirToWater * sh + 1.0);
    return GramsPerKg / std::fabs(sv) *
           (std::fabs(sh) + shError * (1.0 + MolarMassRatioAirToWater * std::fabs(sh) / moist));
  };
  // Where it is vh: c b t^2 + (c (a + b K) + 1000 P Cpa) t + (c a K - 1000 P h) = 0, c = vh R,
  // the larger root.
  const double c = *vh * GasConstAirKJPerKgK;
  const auto crossing = LargerRoot(c * b, c * (a + b * k) + GramsPerKg * p->PAtmKPa * p->CpAir,
                                   c * a * k - GramsPerKg * p->PAtmKPa * h);
  std::optional<Bracket> guess;
  double sh;
  double sv;
  if (crossing && !Failed(shAt(*crossing, &sh)) && !Failed(SvFromDbSh(p, &*crossing, &sh, &sv))) {
    const double t = *crossing;
    // d/dt of 1000 P (h - Cpa t) / (R (t + K)(a + b t)), as a fraction of its value
    const double relativeSlope = p->CpAir / (h - p->CpAir * t) + 1.0 / (t + k) + b / (a + b * t);
    guess = ClosedFormBracket(
        p, t, VolumetricAtEnthalpyMarginFactor * (errorScale(t, sh, sv) + 2.0 * *vh),
        *vh * relativeSlope);
  }
  return CertifiedStepSearch(
      family, *vh, Overshoot::Below,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        double sh;
        if (Failed(shAt(s, &sh))) return reading;
        double sv;
        if (Failed(SvFromDbSh(p, &s, &sh, &sv))) return reading;
        reading.Status = VhFromDbSh(p, &s, &sh, &reading.Value);
        reading.ErrorScale = errorScale(s, sh, sv);
        return reading;
      },
      WholeRange, result, guess, VolumetricAtEnthalpyMarginFactor);
}

int32_t DbFromSvEnh(PsychroParams* p, const double* sv, const double* enh, double* result) {
  const SearchFamily family = TemperatureSearch(p);
  auto volume = ThroughSh(
      p, [&](double s, double* sh) { return ShFromEnhDb(p, enh, &s, sh); }, SvFromDbSh);
  // With sh = (h - Cpa t) / (Cpv t + L) the volume is (R / P)(t + K)(a + b t) / (L + Cpv t),
  // a = M h + L, b = Cpv - M Cpa. Its slope has the sign of
  // N(t) = b Cpv t^2 + 2 b L t + (a + b K) L - Cpv a K, which rises from t = -L / Cpv on when
  // b > 0: if N is positive at the search's start, the volume rises over every trial value.
  const EnthalpyForm form = EnthalpyFormOf(p, *enh);
  const double h = form.H;
  const double a = form.A;
  const double b = form.B;
  const double k = p->KelvinOffset;
  const double latent = p->LatentVap;
  auto errorScale = [&](double t) {
    return GasConstAirKJPerKgK / p->PAtmKPa * std::fabs(t + k) *
           (1.0 + MolarMassRatioAirToWater * RatioAtEnthalpyErrorScale(p, h, t));
  };
  auto slopeSign = [&](double t) {
    return b * p->CpVapour * t * t + 2.0 * b * latent * t + (a + b * k) * latent -
           p->CpVapour * a * k;
  };
  // N's terms are a few thousand at the start: a tenth keeps clear of their rounding.
  constexpr double RisingClearance = 0.1;
  const bool rising = b > 0.0 && std::isfinite(h) && -latent / p->CpVapour < family.Start &&
                      slopeSign(family.Start) > RisingClearance;
  if (!rising || !(*sv > 0.0) || !std::isfinite(*sv)) {
    return StepSearch(family, *sv, Overshoot::Above, volume, result);
  }
  // Where the volume is sv: b t^2 + (a + b K - c Cpv) t + (a K - c L) = 0, c = sv P / R, the
  // larger root.
  const double c = *sv * p->PAtmKPa / GasConstAirKJPerKgK;
  const auto crossing = LargerRoot(b, a + b * k - c * p->CpVapour, a * k - c * latent);
  std::optional<Bracket> guess;
  if (crossing) {
    const double t = *crossing;
    const double d = p->CpVapour * t + latent;
    guess = ClosedFormBracket(p, t, VolumeAtEnthalpyMarginFactor * (errorScale(t) + 2.0 * *sv),
                              GasConstAirKJPerKgK / p->PAtmKPa * slopeSign(t) / (d * d));
  }
  return CertifiedStepSearch(
      family, *sv, Overshoot::Above,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        double sh;
        if (Failed(ShFromEnhDb(p, enh, &s, &sh))) return reading;
        reading.Status = SvFromDbSh(p, &s, &sh, &reading.Value);
        reading.ErrorScale = errorScale(s);
        return reading;
      },
      WholeRange, result, guess, VolumeAtEnthalpyMarginFactor);
}

}  // namespace vaporin
