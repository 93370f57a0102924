#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/certified_search.h"
#include "engine/psychro_params.h"
#include "engine/sat_curve_model.h"
#include "engine/sat_pressure.h"
#include "engine/search/curve_estimates.h"
#include "engine/search/margins.h"
#include "engine/search/root_steps.h"

// The wet-bulb search: it inverts the energy balance DbFromWbSh(t, sh) (dry bulb from wet bulb,
// °C, at a humidity ratio in kg/kg(DA)) for t at a given dry bulb, °C. Its bracket comes from a
// few steps on the model of the curve; then two or three readings of the balance settle it
// (about four on average, from 2,000 random states per code).
namespace vaporin::search {

// The energy balance DbFromWbSh(t, sh) = ((L - c t)(shSat - sh) + a t) / b and its slope in t,
// from the saturation pressure at t and the slope of its logarithm, for Newton's steps: the
// same relation as the probe's, with fewer divisions and its own rounding.
class EnergyBalance {
 public:
  // `pressure` is the atmospheric pressure in the unit of the saturation pressures given.
  EnergyBalance(const PsychroParams* p, double sh, double pressure)
      : p_(p),
        sh_(sh),
        pressure_(pressure),
        epsilon_(p->MolarMassWater / p->MolarMassAir),
        perB_(1.0 / (p->CpVapour * sh + p->CpAir)) {}

  struct Sloped {
    double Value;
    double Slope;
    double Curvature;  // 0 where the curve's own is not given
  };

  Sloped At(double t, double pws, double logSlope, double logCurvature = 0.0) const {
    const bool iced = t < 0.0;
    const double c = iced ? p_->CIce : p_->CWater;
    const double latent = iced ? p_->LatentVap + p_->LatentFusion : p_->LatentVap;
    const double perRest = 1.0 / (pressure_ - pws);
    const double shSat = epsilon_ * pws * perRest;
    // d/dt eps pws / (P - pws) = shSat P / (P - pws) d ln pws / dt
    const double dShSat = shSat * pressure_ * perRest * logSlope;
    const double a = p_->CpVapour * shSat + p_->CpAir;
    const double value = ((latent - c * t) * (shSat - sh_) + a * t) * perB_;
    const double slope =
        (-c * (shSat - sh_) + (latent - c * t) * dShSat + p_->CpVapour * dShSat * t + a) * perB_;
    if (logCurvature == 0.0) return {value, slope, 0.0};
    const double d2ShSat = RatioCurvature(epsilon_, shSat, dShSat, logSlope, logCurvature);
    const double curvature =
        (2.0 * (p_->CpVapour - c) * dShSat + (latent - c * t + p_->CpVapour * t) * d2ShSat) * perB_;
    return {value, slope, curvature};
  }

 private:
  const PsychroParams* p_;
  double sh_;
  double pressure_;
  double epsilon_;
  double perB_;
};

// The energy balance DbFromWbSh(t, sh) for Newton's steps, with its slope and error scale.
struct ExactEnergyBalance {
  PsychroParams* P;
  double Sh;
  EnergyBalance Balance;

  SlopedReading operator()(double t) const {
    double pws;
    if (Failed(ProbeSatPressure(P, &t, &pws)) || !(pws < P->PAtmMmHg)) return NoSlopedReading;
    const EnergyBalance::Sloped at = Balance.At(t, pws, SatPressureLogSlope(t));
    return {at.Value, at.Slope, WetBulbErrorScale(P, t, pws, P->PAtmMmHg, Sh)};
  }
};

// The wet-bulb search's bracket, a step at a time: Newton's steps on the model of the curve
// first (or Magnus's outside it), cheap, then on the energy balance itself.
class WetBulbGuess {
 public:
  WetBulbGuess(PsychroParams* p, double db, double sh)
      : p_(p), db_(db), sh_(sh), pressureHPa_(InHPa(p, p->PAtmMmHg)), cheap_(p, sh, pressureHPa_) {
    // A wet bulb stays below boiling: a dry bulb above it starts from just under.
    constexpr double BelowBoiling = 0.9;  // of the atmospheric pressure
    t_ = MagnusHPa(db) < pressureHPa_ ? db
                                      : std::min(db, MagnusDewPoint(BelowBoiling * pressureHPa_));
    // The wet bulb lies between the dew point and the dry bulb, about half way: a step or so
    // nearer than the dry bulb.
    if (sh > 0.0) {
      const double dewPoint = MagnusDbAtRatio(p, sh, Saturated);
      if (dewPoint < t_) t_ = 0.5 * (dewPoint + t_);
    }
  }

  // Takes the next step; whether another is wanted.
  bool Step() {
    if (exact_) return exact_->Step();
    return CheapStep() || (!modelBracket_ && StartExact(db_));
  }

  // Takes the next cheap step only: Halley's on the model of the curve, Newton's on Magnus's
  // outside it; whether another is wanted. Where the model's steps settle, they give the
  // bracket themselves, the model's own error added to it.
  bool CheapStep() {
    if (cheapSteps_ == CheapSteps || !std::isfinite(t_)) return false;
    ++cheapSteps_;
    const LogSatPressure model = ModelLogSatPressure(t_);
    const bool modelled = std::isfinite(model.Value);
    double pws = std::exp(model.Value);
    double logSlope = model.Slope;
    double logCurvature = model.Curvature;
    if (!modelled) {
      const MagnusCurve& m = MagnusAt(t_);
      const double perC = 1.0 / (m.C + t_);
      pws = m.A * std::exp(m.B * t_ * perC);
      logSlope = m.B * m.C * perC * perC;
      logCurvature = 0.0;
      allModelled_ = false;
    }
    if (!(pws < pressureHPa_)) {
      t_ = std::numeric_limits<double>::quiet_NaN();
      return false;
    }
    const EnergyBalance::Sloped at = cheap_.At(t_, pws, logSlope, logCurvature);
    const Move move = HalleyMove(at.Value - db_, at.Slope, at.Curvature);
    const double from = t_;
    t_ -= move.By;
    if (!std::isfinite(t_)) return false;
    const double left = LeftAfter(move.By, move.Halleys);
    if (allModelled_ && left < ModelSettledWithin && at.Slope > 0.0) {
      const double margin =
          WetBulbMarginFactor * (WetBulbErrorScale(p_, from, pws, pressureHPa_, sh_) +
                                 std::fabs(at.Value) + std::fabs(db_));
      modelBracket_ = ModelBracket(t_, margin, at.Slope, left);
      modelSlope_ = at.Slope;
      cheapSteps_ = CheapSteps;
      return false;
    }
    if (!modelled && std::fabs(move.By) < MagnusConverged) cheapSteps_ = CheapSteps;
    return cheapSteps_ < CheapSteps;
  }

  // Goes on towards the wet bulb at dry bulb `db` instead, as a rule within 1e-8 °C of the one
  // the cheap steps took: the model's bracket moves with it by the energy balance's slope (the
  // rest is of the second order, far below a margin); without one, exact steps from where the
  // cheap ones got. Whether a step is wanted.
  bool Retarget(double db) {
    if (modelBracket_) {
      const double shift = (db - db_) / modelSlope_;
      modelBracket_ = Bracket{modelBracket_->Low + shift, modelBracket_->High + shift};
      return false;
    }
    return StartExact(db);
  }

  // Goes on from where the cheap steps got with exact ones, towards the wet bulb at dry bulb
  // `db`; whether a step is wanted.
  bool StartExact(double db) {
    if (!std::isfinite(t_)) return false;
    exact_.emplace(ExactEnergyBalance{p_, sh_, EnergyBalance(p_, sh_, p_->PAtmMmHg)}, db, t_,
                   WetBulbMarginFactor);
    return true;
  }

  std::optional<Bracket> Result() const {
    if (modelBracket_) return modelBracket_;
    return exact_ ? exact_->Result() : std::nullopt;
  }

 private:
  // Usually two or three steps; far from saturation's side (fog, a dry bulb far below the wet
  // bulb) more.
  static constexpr int CheapSteps = 8;
  // Magnus's curve puts the wet bulb a few hundredths of a degree off anyway.
  static constexpr double MagnusConverged = 0.05;  // °C

  PsychroParams* p_;
  double db_;
  double sh_;
  double pressureHPa_;
  EnergyBalance cheap_;
  double t_;
  int cheapSteps_ = 0;
  bool allModelled_ = true;
  std::optional<Bracket> modelBracket_;
  double modelSlope_ = 0.0;
  std::optional<NewtonBracket<ExactEnergyBalance>> exact_;
};

// The certified wet-bulb search for 0 <= sh <= SearchlessShLimit, from the bracket `guess`.
int32_t WetBulbSearch(PsychroParams* p, const double* db, const double* sh,
                      const std::optional<Bracket>& guess, double* result);

}  // namespace vaporin::search
