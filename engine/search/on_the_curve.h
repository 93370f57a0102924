#pragma once

#include <cmath>
#include <optional>

#include "engine/certified_search.h"
#include "engine/psychro_params.h"
#include "engine/relations.h"
#include "engine/sat_curve_model.h"
#include "engine/sat_pressure.h"
#include "engine/search/curve_estimates.h"
#include "engine/search/margins.h"
#include "engine/search/root_steps.h"

// The searches along the curve of a relative humidity: the dry bulb, °C, at which
// ShFromDbRh(t, rh) (rh in %) reaches a humidity ratio in kg/kg(DA), which gives the dew point
// at 100 % too. Steps on the model of the curve bracket the crossing; two readings certify it as
// a rule.
namespace vaporin::search {

// ShFromDbRh(t, rh) for Newton's steps, with its slope and its error scale.
struct RatioAtRh {
  PsychroParams* P;
  const double* Rh;
  double Epsilon;

  SlopedReading operator()(double t) const {
    double value;
    double pv;
    if (Failed(ShFromDbRhPv(P, &t, Rh, &value, &pv))) return NoSlopedReading;
    return {value, RatioSlope(Epsilon, value, SatPressureLogSlope(t)),
            std::fabs(value) * Amplification(P, pv)};
  }
};

// The bracket of the search below, ShFromDbRh(t, rh) reaching sh > 0: Newton's steps on ln pws
// over the model of the curve from Magnus's temperature, which give the bracket themselves
// where they settle (the model's error added), or else exact steps from where they got.
class RatioBracket {
 public:
  RatioBracket(PsychroParams* p, double sh, const double* rh)
      : exact_(RatioAtRh{p, rh, p->MolarMassWater / p->MolarMassAir}, sh, OnTheModel(p, sh, *rh),
               RatioAtRhMarginFactor) {}

  // Takes the next exact step, if any is wanted; whether another is.
  bool Step() { return !model_ && exact_.Step(); }

  std::optional<Bracket> Result() const { return model_ ? model_ : exact_.Result(); }

  // Where the steps on the model got: within a small fraction of a millikelvin, as a rule.
  double Estimate() const { return estimate_; }

 private:
  double OnTheModel(const PsychroParams* p, double sh, double rh) {
    constexpr int MaxModelSteps = 6;
    const double pv = VapourPressureOf(p, sh);
    const double logHPa = std::log(InHPa(p, pv) * Saturated / rh);
    estimate_ = MagnusDewPointOfLog(logHPa);
    const double magnus = estimate_;
    for (int n = 0; n < MaxModelSteps; ++n) {
      const LogSatPressure model = ModelLogSatPressure(estimate_);
      if (!(model.Slope > 0.0)) break;
      const double move = (model.Value - logHPa) / model.Slope;
      estimate_ -= move;
      const double left = LeftAfter(move, false);
      if (left < ModelSettledWithin) {
        // The probe's margin at the crossing, where its vapour pressure is pv, over its slope.
        const double margin = RatioAtRhMarginFactor * sh * (Amplification(p, pv) + 2.0);
        const double slope = RatioSlope(p->MolarMassWater / p->MolarMassAir, sh, model.Slope);
        model_ = ModelBracket(estimate_, margin, slope, left);
        return estimate_;
      }
    }
    if (!std::isfinite(estimate_)) estimate_ = magnus;
    return estimate_;
  }

  double estimate_ = 0.0;
  std::optional<Bracket> model_;
  NewtonBracket<RatioAtRh> exact_;
};

// The temperature at which ShFromDbRh(t, rh) reaches sh, rh > 0, from the bracket `guess`:
// rising with t in each branch.
int32_t DbAtRatioAndRh(PsychroParams* p, double sh, const double* rh,
                       const std::optional<Bracket>& guess, double* result);
// The same, with its own bracket.
int32_t DbAtRatioAndRh(PsychroParams* p, double sh, const double* rh, double* result);

}  // namespace vaporin::search
