#include "engine/search_relations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/certified_search.h"
#include "engine/formula_constants.h"
#include "engine/relations.h"
#include "engine/sat_curve_model.h"
#include "engine/sat_pressure.h"
#include "engine/step_search.h"

namespace vaporin {

namespace {
constexpr double Saturated = 100.0;  // % relative humidity
// A temperature's rounding error scales with its magnitude plus about one degree.
constexpr double TemperatureErrorFloor = 1.0;  // °C

// How much P - pv magnifies the relative error of a humidity ratio computed from pv (both in
// the unit mode's pressure unit, as ShFromPv takes them).
double Amplification(const PsychroParams* p, double pv) {
  return std::fabs(p->PAtmMmHg / (p->PAtmMmHg - pv));
}

// The rounding scale of the energy balance DbFromWbShAt at wet bulb t, saturation pressure pws
// and humidity ratio sh: its terms ((L - c t)(shSat - sh) + (Cpv shSat + Cpa) t) / (Cpv sh + Cpa)
// by magnitude, shSat's own error magnified by P / (P - pws).
// `pressure` is the atmospheric pressure in pws's unit.
double WetBulbErrorScale(const PsychroParams* p, double t, double pws, double pressure, double sh) {
  const bool iced = t < 0.0;
  const double latent =
      (iced ? p->LatentVap + p->LatentFusion : p->LatentVap) - (iced ? p->CIce : p->CWater) * t;
  const double amplification = std::fabs(pressure / (pressure - pws));
  const double shSat = p->MolarMassWater / p->MolarMassAir * pws / (pressure - pws);
  return (std::fabs(latent) * (std::fabs(shSat) * amplification + std::fabs(sh)) +
          std::fabs((p->CpVapour * shSat + p->CpAir) * t)) /
         std::fabs(p->CpVapour * sh + p->CpAir);
}

// DbFromWbShAt's error against the same formula (saturation pressure included) in long double
// (x87), over 7.8 million random points (-270..373.9 °C, humidity ratios 0..50 kg/kg(DA) and
// 1e-4..1e4 log-uniformly, 40, 101.325 and 120 kPa, both unit modes), never exceeded 8.6e-15 of
// that scale: a margin of 1e-12 of it stays more than a hundred times above.
constexpr double WetBulbMarginFactor = 1e-12;

// Magnus's saturation curve over water (over ice below 0 °C), hPa: within a fraction of a
// percent of SatPressure's, and cheap. It only guesses where a search's crossing lies.
struct MagnusCurve {
  double A, B, C;
};
constexpr MagnusCurve MagnusWater{6.112, 17.62, 243.12};
constexpr MagnusCurve MagnusIce{6.112, 22.46, 272.62};
constexpr double GuessHalfWidth = 0.25;  // °C either side of a guessed crossing
// A bracket found from a model of the relation reaches this many margins either side of its
// crossing, so that its two readings are the certificates.
constexpr double MarginsWide = 1.5;

const MagnusCurve& MagnusAt(double t) { return t < 0.0 ? MagnusIce : MagnusWater; }

double MagnusHPa(double t) {
  const MagnusCurve& m = MagnusAt(t);
  return m.A * std::exp(m.B * t / (m.C + t));
}

// The temperature at which the curve reaches a vapour pressure, from its logarithm.
double MagnusDewPointOfLog(double logHPa) {
  const double water = logHPa - std::log(MagnusWater.A);
  const double t = MagnusWater.C * water / (MagnusWater.B - water);
  if (t >= 0.0) return t;
  return MagnusIce.C * water / (MagnusIce.B - water);
}

double MagnusDewPoint(double hPa) { return MagnusDewPointOfLog(std::log(hPa)); }

// A pressure of the unit mode (mmHg, or hPa under UnitModeHPa) in hPa.
double InHPa(const PsychroParams* p, double pressure) {
  return p->UnitMode == UnitModeHPa ? pressure : pressure / p->HPaToMmHg;
}

// The vapour pressure (unit mode) of a humidity ratio at the atmospheric pressure.
double VapourPressureOf(const PsychroParams* p, double sh) {
  return p->PAtmMmHg * sh / (p->MolarMassWater / p->MolarMassAir + sh);
}

std::optional<Bracket> Around(double t) {
  if (!std::isfinite(t)) return std::nullopt;
  return Bracket{t - GuessHalfWidth, t + GuessHalfWidth};
}

// Where the saturation curve reaches the vapour pressure of `sh` (times 100 / `rh`), sh > 0.
double MagnusDbAtRatio(const PsychroParams* p, double sh, double rh) {
  return MagnusDewPoint(InHPa(p, VapourPressureOf(p, sh)) * Saturated / rh);
}

// The slope in t of a humidity ratio sh = eps pv / (P - pv) whose vapour pressure pv changes
// with t: sh (eps + sh) / eps times the slope of ln pv.
double RatioSlope(double epsilon, double sh, double logSlope) {
  return sh * (epsilon + sh) / epsilon * logSlope;
}

// Its own slope, from the slope `dSh` and the second derivative of ln pv.
double RatioCurvature(double epsilon, double sh, double dSh, double logSlope, double logCurvature) {
  return dSh * (epsilon + 2.0 * sh) / epsilon * logSlope + RatioSlope(epsilon, sh, logCurvature);
}

// The first and second derivatives in t of a relation of (t, sh).
struct Derivatives {
  double Slope;
  double Curvature;
};

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

// Above f''/2f' (a few hundredths per kelvin for these relations), and above
// |f'''/6f' - (f''/2f')^2| (about a thousandth per kelvin squared): what a step of Newton's and
// of Halley's leave, over the move squared and cubed.
constexpr double CurvaturePerK = 0.1;
constexpr double HalleyLeftPerK2 = 0.05;
// Steps on the model of the curve stop once what they leave is below this, a hundredth of the
// finest trial step.
constexpr double ModelSettledWithin = 1e-10;  // °C

// The bracket around `t`, where steps on the model of the curve settled leaving `left`: a margin
// and a half of the probe's reading over its slope, the model's own error and what the steps
// left, either side. A relation's crossing moves by no more than the curve's temperature does.
std::optional<Bracket> ModelBracket(double t, double margin, double slope, double left) {
  const double halfWidth = MarginsWide * margin / slope + SatCurveModelErrorC(t) + left;
  if (!std::isfinite(halfWidth)) return std::nullopt;
  return Bracket{t - halfWidth, t + halfWidth};
}

// What a step of `move` leaves, Halley's or Newton's.
double LeftAfter(double move, bool halleys) {
  const double size = std::fabs(move);
  return halleys ? HalleyLeftPerK2 * size * size * size : CurvaturePerK * size * size;
}

// The move of Halley's step from a point `distance` past the target, where the curvature is
// known: from tens of degrees off it settles in two or three steps rather than five or six.
// Where it would go more than twice as far as Newton's (far out on a steep curve), and where
// the curvature is 0 (not known), Newton's.
struct Move {
  double By;
  bool Halleys;
};

Move HalleyMove(double distance, double slope, double curvature) {
  const double halley = 2.0 * slope * slope - distance * curvature;
  if (curvature != 0.0 && halley > slope * slope && std::isfinite(halley)) {
    return {2.0 * distance * slope / halley, true};
  }
  return {distance / slope, false};
}

// What Newton's steps read of a probe's own relation at a trial value: its value, its slope and
// its error scale (as the probe's Reading has it); NaN where it has none.
struct SlopedReading {
  double Value;
  double Slope;
  double ErrorScale;
  // The second derivative where it is known, for Halley's step; 0 for Newton's.
  double Curvature = 0.0;
};
constexpr SlopedReading NoSlopedReading{std::numeric_limits<double>::quiet_NaN(), 0.0, 0.0};

// Newton's steps (Halley's where the relation gives its curvature) on a probe's own relation
// from a guess a fraction of a degree off: they stop once a step moves less than `Settled`,
// leaving an error of about the step squared times f'' / 2f' (a few hundredths per kelvin for
// these relations), or less. The bracket is then a margin and
// a half plus that error wide either side of the crossing, so that its two readings certify
// both sides of it at once. Where the steps do not settle (a jump between branches, the IAPWS
// branch, no slope), the guess's own bracket. Either way the search's result is the same: a
// bracket that certifies less costs readings, nothing else.
// The steps are taken one at a time, so that two searches' steps can be taken in turn: each
// waits for its own readings, which the processor then overlaps with the other's.
template <typename Relation>
class NewtonBracket {
 public:
  NewtonBracket(Relation relation, double target, double guess, double marginFactor)
      : relation_(relation),
        target_(target),
        marginFactor_(marginFactor),
        t_(guess),
        result_(Around(guess)) {}

  // Takes the next step; whether another is wanted.
  bool Step() {
    if (steps_ == MaxNewtonSteps) return false;
    ++steps_;
    const SlopedReading at = relation_(t_);
    if (!std::isfinite(at.Value) || !(at.Slope > 0.0) || !std::isfinite(at.Slope)) {
      steps_ = MaxNewtonSteps;
      return false;
    }
    const double move = HalleyMove(at.Value - target_, at.Slope, at.Curvature).By;
    t_ -= move;
    if (!(std::fabs(move) < Settled)) return steps_ < MaxNewtonSteps;
    const double margin =
        marginFactor_ * (at.ErrorScale + std::fabs(at.Value) + std::fabs(target_));
    const double halfWidth = MarginsWide * margin / at.Slope + CurvaturePerK * move * move;
    result_ = Bracket{t_ - halfWidth, t_ + halfWidth};
    steps_ = MaxNewtonSteps;
    return false;
  }

  const std::optional<Bracket>& Result() const { return result_; }

 private:
  // From a bound tens of degrees off, Newton's steps on these convex relations take five or six.
  static constexpr int MaxNewtonSteps = 8;
  static constexpr double Settled = 3e-5;  // °C

  Relation relation_;
  double target_;
  double marginFactor_;
  double t_;
  int steps_ = 0;
  std::optional<Bracket> result_;
};

template <typename Relation>
std::optional<Bracket> RefinedAround(Relation relation, double target, double guess,
                                     double marginFactor) {
  NewtonBracket<Relation> steps(relation, target, guess, marginFactor);
  while (steps.Step()) {
  }
  return steps.Result();
}

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

constexpr double GramsPerKg = 1000.0;
constexpr double TypicalVolume = 0.85;                // m3/kg(DA), a first guess only
constexpr double HumidityRatioGuessHalfWidth = 1e-6;  // kg/kg(DA)
// DbFromSvSh falls with the humidity ratio on either side of the ratio where its divisor
// 1.6078 SH + 1 vanishes.
constexpr Pieces AboveThePole{{-1.0 / MolarMassRatioAirToWater}, 1};

std::optional<Bracket> AroundHumidityRatio(double sh) {
  if (!std::isfinite(sh)) return std::nullopt;
  return Bracket{sh - HumidityRatioGuessHalfWidth, sh + HumidityRatioGuessHalfWidth};
}

// An absolute-humidity probe through a searched humidity ratio, read with its rounding scale.
// Its value falls with the dry bulb: the humidity ratio found never rises with it, and a
// positive one over a growing volume falls.
template <typename Probe>
auto VolumetricReading(Probe& probe) {
  return [&probe](double s) {
    Reading reading{StatusFailed, 0.0, 0.0};
    reading.Status = probe(s, &reading.Value);
    reading.ErrorScale = std::fabs(reading.Value);
    return reading;
  };
}

// Whether the wet bulb WbFromDbSh(db, sh) lies above `wb`, as the nested searches ask it: settled
// from a few energy-balance readings at fixed wet bulbs (their saturation pressures read once
// for all questions), the exact search only where those readings do not settle it.
//
// The wet-bulb search reads DbFromWbSh(t, sh), rising with t within each branch, against db:
// - if the reading at wb is clearly above db and the first trial value of the first level at or
//   above wb overshoots, every trial wet bulb from wb up to there overshoots, so the search
//   ends below wb: not above;
// - if the reading at wb + gap is clearly below db (and the lower branches' tops too), every
//   trial value up to there stays below, and a first-level trial value that overshoots without
//   failing further up ends the search: it ends above wb + gap minus its last step, above wb;
// - if every first-level trial value that does not boil stays clearly below db, the search
//   reaches one that boils, and fails.
class WetBulbAbove {
 public:
  WetBulbAbove(PsychroParams* p, double wb)
      : p_(p),
        wb_(wb),
        atWb_{wb},
        aboveWb_{wb + Gap},
        firstGrid_{FirstGridAtOrAbove(p, wb)},
        branchTops_{Fixed{TrialValuesBelowUpTo(TemperatureSearch(p), IceBranchEndC)},
                    Fixed{TrialValuesBelowUpTo(TemperatureSearch(p), WaterBranchEndC)}},
        branchEntries_{EntryAt(p, IceBranchEndC), EntryAt(p, WaterBranchEndC)} {}

  ProbeOutcome operator()(double db, double sh) {
    if (sh > SearchlessShLimit)
      return WbAboveShLimitC > wb_ ? ProbeOutcome::Over : ProbeOutcome::NotOver;
    if (sh >= 0.0 && std::isfinite(db) && BoilingMonotone()) {
      if (NotAbove(db, sh)) return ProbeOutcome::NotOver;
      if (Above(db, sh) || PassesFirstGrid(db, sh)) return ProbeOutcome::Over;
      if (NeverReached(db, sh)) return ProbeOutcome::Fail;
      if (EndsAtOrBelowWb(db, sh)) return ProbeOutcome::NotOver;
    }
    double w;
    if (Failed(WbFromDbSh(p_, &db, &sh, &w))) return ProbeOutcome::Fail;
    return w > wb_ ? ProbeOutcome::Over : ProbeOutcome::NotOver;
  }

  // Trial humidity ratios from 0 up to the one returned are all not above, as NotAbove finds
  // each of them; minus infinity where that is not certain. The energy balance at a fixed wet
  // bulb t, g(sh) = ((L - c t)(shSat - sh) + a t) / (Cpv sh + Cpa), falls as sh rises wherever
  // L - c t + Cpv g > 0, which the crossing's divisor checks. So a reading at sh0 that lies two
  // margins above db at wb (and one at the first grid value) leaves every smaller sh at least
  // one margin above: the readings' rounding error stays below 1.4e-12 of their error scale
  // (see CertifiedMarginFactor), the margin grows with |g| by at most 1e-10 (amplification + 1)
  // times what g itself grows, which the bound on the amplification keeps below one.
  double NotAboveUpTo(double db) {
    if (!std::isfinite(db) || !EndsMayLieBelowWb()) return -Infinity;
    crossingWidth_ = 0.0;
    const double crossing = std::min(Crossing(atWb_, db), Crossing(firstGrid_, db));
    if (!(crossing > 0.0)) return -Infinity;
    const double top = std::min(crossing, SearchlessShLimit);
    for (const double backOff : {BackOffMargins, BackOffMargins * BackOffGrowth}) {
      const double sh = top - backOff * crossingWidth_;
      if (!(sh > 0.0)) return -Infinity;
      const Balance atWb = BalanceAt(atWb_, db, sh);
      const Balance atGrid = BalanceAt(firstGrid_, db, sh);
      if (atWb.Ok && atWb.Db - db > 2.0 * atWb.Margin && atGrid.Ok &&
          atGrid.Db - db > atGrid.Margin) {
        return sh;
      }
    }
    return -Infinity;
  }

 private:
  // Ten times the wet-bulb search's last step (1e-8 °C): a search that ends within that step
  // below a crossing above wb + Gap ends above wb.
  static constexpr double Gap = 1e-7;  // °C
  static_assert(Gap > FinestStepOf(TemperatureFirstStep, TemperatureTolerance));
  // How far below a first-level trial value, relative to it, the finer levels' sums meant to
  // reach it may round: a few units in the last place, with room to spare.
  static constexpr double FinerLevelSlack = 1e-12;
  static constexpr double Infinity = std::numeric_limits<double>::infinity();
  // Where the saturation pressure comes this close to the atmospheric one, no certificate.
  static constexpr double MaxCertifiedAmplification = 1e9;
  // How many margins' widths below the crossing the certificate is sought, then how much
  // further when that reading is not clear enough.
  static constexpr double BackOffMargins = 8.0;
  static constexpr double BackOffGrowth = 64.0;

  enum Branch { Ice, Water, Beyond };
  static Branch BranchOf(double t) {
    return t < IceBranchEndC ? Ice : t < WaterBranchEndC ? Water : Beyond;
  }

  static double FirstGridAtOrAbove(const PsychroParams* p, double t) {
    const SearchFamily family = TemperatureSearch(p);
    const double k = std::max(1.0, std::ceil((t - family.Start) / family.FirstStep));
    return family.Start + k * family.FirstStep;
  }

  // A fixed wet bulb, its saturation pressure and the parts of DbFromWbShAt that do not depend
  // on the humidity ratio, each computed once as DbFromWbShAt computes it.
  struct Fixed {
    double T;
    bool Read = false;
    int32_t Status = StatusFailed;  // of both the saturation pressure and its humidity ratio
    double Pws = 0.0;
    double ShSat = 0.0;
    double Fall = 0.0;       // latent - c T
    double Rise = 0.0;       // (Cpv shSat + Cpa) T
    double Amplified = 0.0;  // Amplification at Pws
  };

  const Fixed& Read(Fixed& at) {
    if (!at.Read) {
      at.Read = true;
      at.Status = SatPressure(p_, &at.T, &at.Pws);
      if (!Failed(at.Status)) at.Status = ShFromPv(p_, &p_->PAtmMmHg, &at.Pws, &at.ShSat);
      const bool iced = at.T < 0.0;
      const double c = iced ? p_->CIce : p_->CWater;
      const double latent = iced ? p_->LatentVap + p_->LatentFusion : p_->LatentVap;
      at.Fall = latent - c * at.T;
      const double a = p_->CpVapour * at.ShSat + p_->CpAir;
      at.Rise = a * at.T;
      at.Amplified = Amplification(p_, at.Pws);
    }
    return at;
  }

  // DbFromWbShAt(t, sh) with t's parts read once: the same operations in the same order.
  static bool BalanceValue(const PsychroParams* p, const Fixed& fixed, double sh, double* g) {
    const double b = p->CpVapour * sh + p->CpAir;
    if (Failed(fixed.Status) || b == 0.0) return false;
    *g = (fixed.Fall * (fixed.ShSat - sh) + fixed.Rise) / b;
    return std::isfinite(*g);
  }

  struct Balance {
    bool Ok;
    double Db;
    double Margin;
  };

  // The humidity ratio at which the balance at a fixed wet bulb reaches db, in closed form,
  // and, in crossingWidth_, how far below it the balance lies a margin above db. Minus
  // infinity where the balance may not fall with the humidity ratio.
  double Crossing(Fixed& at, double db) {
    const Fixed& fixed = Read(at);
    if (Failed(fixed.Status) || !(fixed.Amplified < MaxCertifiedAmplification)) return -Infinity;
    const double divisor = fixed.Fall + p_->CpVapour * db;
    if (!(fixed.Fall > 0.0) || !(divisor > 0.0)) return -Infinity;
    const double sh = (fixed.Fall * fixed.ShSat + fixed.Rise - db * p_->CpAir) / divisor;
    if (!std::isfinite(sh)) return -Infinity;
    // The balance's slope there is -divisor / (Cpv sh + Cpa).
    const double margin =
        CertifiedMarginFactor *
        ((std::fabs(db) + TemperatureErrorFloor) * fixed.Amplified + 2.0 * std::fabs(db));
    crossingWidth_ =
        std::max(crossingWidth_, margin * (p_->CpVapour * std::fabs(sh) + p_->CpAir) / divisor);
    return sh;
  }

  // DbFromWbSh(t, sh) as the search reads it, with the margin its readings are certified by.
  Balance BalanceAt(Fixed& at, double db, double sh) {
    const Fixed& fixed = Read(at);
    double g = 0.0;
    if (!BalanceValue(p_, fixed, sh, &g)) return {false, 0.0, 0.0};
    const double scale = (std::fabs(g) + TemperatureErrorFloor) * fixed.Amplified;
    return {true, g, CertifiedMarginFactor * (scale + std::fabs(g) + std::fabs(db))};
  }

  // Every trial value from wb up to the first first-level one at or above it overshoots: the
  // reading at wb clearly, the branch rising up to its top, and that first-level value (in
  // the same branch, or on the bound of the next) by its own exact reading.
  bool NotAbove(double db, double sh) {
    if (!EndsMayLieBelowWb()) return false;
    const Balance atWb = BalanceAt(atWb_, db, sh);
    if (!atWb.Ok || !(atWb.Db - db > atWb.Margin)) return false;
    const Balance atGrid = BalanceAt(firstGrid_, db, sh);
    return atGrid.Ok && atGrid.Db > db;
  }

  // The search never ends below its start, so never below a wet bulb under the start,
  // whatever the readings say.
  bool EndsMayLieBelowWb() const { return wb_ >= TemperatureSearch(p_).Start; }

  // Every trial value up to wb + gap stays below: its reading clearly, each lower branch by
  // the clear reading at its top.
  bool Above(double db, double sh) {
    if (!ClearlyBelow(aboveWb_, db, sh) || !LowerBranchesBelow(BranchOf(aboveWb_.T), db, sh)) {
      return false;
    }
    return EndsAfter(aboveWb_.T, db, sh);
  }

  // The first first-level trial value above wb does not overshoot, nor does any before it: the
  // search ends at or above it, above wb, though the balance in wb's own branch may still lie
  // above db there (it jumps down across a branch's bound).
  bool PassesFirstGrid(double db, double sh) {
    if (!(firstGrid_.T > wb_)) return false;
    if (!ClearlyBelow(firstGrid_, db, sh) || !LowerBranchesBelow(BranchOf(firstGrid_.T), db, sh)) {
      return false;
    }
    return EndsAfter(firstGrid_.T, db, sh);
  }

  // Every trial value the search meets below the branch `branch` stays below db.
  bool LowerBranchesBelow(Branch branch, double db, double sh) {
    for (int lower = Ice; lower < branch; ++lower) {
      const size_t i = static_cast<size_t>(lower);
      if (ClearlyBelow(branchTops_[i], db, sh)) continue;
      // The balance may jump down across the bound, so the branch's top may overshoot. When the
      // bound is a first-level trial value and does not overshoot, the search never steps back
      // below it, and meets the branch only at its first-level values: the last of them under
      // the bound, clearly below, keeps them all below.
      BranchEntry& entry = branchEntries_[i];
      if (!entry.OnGrid || !ClearlyBelow(entry.Bound, db, sh) ||
          !ClearlyBelow(entry.LastGridBelow, db, sh)) {
        return false;
      }
    }
    return true;
  }

  // A first-level trial value above `t` that does not boil overshoots: the search ends there at
  // the latest, without failing.
  bool EndsAfter(double t, double db, double sh) {
    Fixed* last = LastGrid();
    if (last == nullptr || !(last->T > t)) return false;
    return EndsAtGrid(*last, lastGridJustBelow_, db, sh);
  }

  // Whether the search, meeting the first-level trial value `grid`, ends there at the latest:
  // its reading overshoots, and so does every trial value a finer level puts a few units in the
  // last place below it. Were the crossing to lie between those, the finer level would not
  // stop there but step on past the grid value, where the water branch may boil. The reading
  // just below the grid value, in its branch (rising there), overshooting clearly settles it.
  bool EndsAtGrid(Fixed& grid, Fixed& justBelow, double db, double sh) {
    const Balance atGrid = BalanceAt(grid, db, sh);
    if (!atGrid.Ok || !(atGrid.Db > db) || BranchOf(justBelow.T) != BranchOf(grid.T)) return false;
    const Balance below = BalanceAt(justBelow, db, sh);
    return below.Ok && below.Db - db > below.Margin;
  }

  // Where a finer level's trial values that should reach a first-level one may land instead:
  // as far below it as their additions' rounding reaches.
  static Fixed JustBelow(double grid) {
    return Fixed{grid - FinerLevelSlack * std::max(1.0, std::fabs(grid))};
  }

  // Boiling rises with the trial value: every trial value above one that boils boils too. Not
  // so where the water branch's top boils and the IAPWS branch's bottom does not (an
  // atmospheric pressure between their 101,417.994 and 101,419.040 Pa): the search can fail
  // below a first-level trial value that does not boil, and no reading here settles it.
  bool BoilingMonotone() {
    if (!monotoneFound_) {
      monotoneFound_ = true;
      // Below the IAPWS branch's bottom the water branch's top does not boil either.
      const Fixed* last = LastGrid();
      monotone_ =
          last == nullptr || last->T < WaterBranchEndC || !Failed(Read(branchTops_[Water]).Status);
    }
    return monotone_;
  }

  bool ClearlyBelow(Fixed& at, double db, double sh) {
    const Balance balance = BalanceAt(at, db, sh);
    return balance.Ok && db - balance.Db >= balance.Margin;
  }

  // Every first-level trial value up to the last that does not boil stays clearly below db: the
  // search goes on to the next one, which fails.
  bool NeverReached(double db, double sh) {
    Fixed* last = LastGrid();
    if (last == nullptr) return false;
    const Balance atLast = BalanceAt(*last, db, sh);
    if (!atLast.Ok || !(db - atLast.Db >= atLast.Margin)) return false;
    for (int lower = Ice; lower < BranchOf(last->T); ++lower) {
      const Balance atTop = BalanceAt(branchTops_[static_cast<size_t>(lower)], db, sh);
      if (!atTop.Ok || !(db - atTop.Db >= atTop.Margin)) return false;
    }
    return true;
  }

  // A first-level trial value at or below wb that does not boil overshoots: the search stops
  // there or at an earlier one, none of which boils either, and ends below it. This settles
  // wet bulbs whose own reading fails, at or above boiling.
  bool EndsAtOrBelowWb(double db, double sh) {
    Fixed* below = LastGridAtOrBelowWb();
    return below != nullptr && EndsAtGrid(*below, belowWbJustBelow_, db, sh);
  }

  Fixed* LastGridAtOrBelowWb() {
    if (!belowWbFound_) {
      belowWbFound_ = true;
      const Fixed* last = LastGrid();
      const SearchFamily family = TemperatureSearch(p_);
      const double steps = std::floor((wb_ - family.Start) / family.FirstStep);
      if (last != nullptr && steps >= 1.0 && std::isfinite(steps)) {
        belowWb_ = Fixed{std::min(last->T, family.Start + steps * family.FirstStep)};
        belowWbJustBelow_ = JustBelow(belowWb_.T);
        hasBelowWb_ = true;
      }
    }
    return hasBelowWb_ ? &belowWb_ : nullptr;
  }

  // The last first-level trial value whose saturation pressure stays below the atmospheric
  // one, found once by halving (the pressure rises with the temperature).
  Fixed* LastGrid() {
    if (!lastGridFound_) {
      lastGridFound_ = true;
      // Its saturation humidity ratio fails there.
      auto boils = [this](double t) {
        Fixed at{t};
        return Failed(Read(at).Status);
      };
      const SearchFamily family = TemperatureSearch(p_);
      const double gridStep = family.FirstStep;
      double low = family.Start + gridStep;
      // The last first-level trial value below the critical temperature.
      double high =
          family.Start + std::floor((CriticalTemperatureC - family.Start) / gridStep) * gridStep;
      if (boils(low)) return nullptr;
      if (!boils(high)) {
        low = high;
      } else {
        while (high - low > gridStep) {
          const double middle = low + std::floor((high - low) / gridStep / 2.0) * gridStep;
          (boils(middle) ? high : low) = middle;
        }
      }
      lastGrid_ = Fixed{low};
      lastGridJustBelow_ = JustBelow(low);
      hasLastGrid_ = true;
    }
    return hasLastGrid_ ? &lastGrid_ : nullptr;
  }

  PsychroParams* p_;
  double wb_;
  Fixed atWb_;
  Fixed aboveWb_;
  Fixed firstGrid_;
  std::array<Fixed, 2> branchTops_;  // the ice branch's and the water branch's
  // A branch's upper bound, whether it is a first-level trial value, and the first-level trial
  // value before it.
  struct BranchEntry {
    Fixed Bound;
    Fixed LastGridBelow;
    bool OnGrid;
  };
  static BranchEntry EntryAt(const PsychroParams* p, double bound) {
    const double step = TemperatureSearch(p).FirstStep;
    return {Fixed{bound}, Fixed{bound - step}, FirstGridAtOrAbove(p, bound) == bound};
  }
  std::array<BranchEntry, 2> branchEntries_;
  Fixed lastGrid_{0.0};
  Fixed lastGridJustBelow_{0.0};
  Fixed belowWb_{0.0};
  Fixed belowWbJustBelow_{0.0};
  double crossingWidth_ = 0.0;  // kg/kg(DA), set by Crossing
  bool lastGridFound_ = false;
  bool hasLastGrid_ = false;
  bool belowWbFound_ = false;
  bool hasBelowWb_ = false;
  bool monotoneFound_ = false;
  bool monotone_ = true;
};

// ShFromDbWb asking its wet-bulb questions of one WetBulbAbove, and none at all of the trial
// values it certifies below the crossing.
int32_t ShFromDbWbBy(PsychroParams* p, WetBulbAbove& above, double db, double* result) {
  const double notAboveUpTo = above.NotAboveUpTo(db);
  return OutcomeStepSearch(
      HumidityRatioSearch(p),
      [&](double s) {
        if (s >= 0.0 && s <= notAboveUpTo) return ProbeOutcome::NotOver;
        return above(db, s);
      },
      result);
}

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
    const Derivatives at = derivatives(
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
        const Derivatives at = derivatives(t, sh, dSh, d2Sh);
        return SlopedReading{value, at.Slope, scale(t, sh, Amplification(p, pv), value),
                             at.Curvature};
      },
      target, estimate, marginFactor);
}

using DbShRelation = int32_t (*)(PsychroParams*, const double*, const double*, double*);

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

// The volume and the enthalpy through ShFromDbRh, against the same formulas (saturation
// pressure included) in long double (x87) over 4.9 million random points (-270..373.9 °C,
// relative humidities 0.01..100 % and exactly 100 %, 40, 101.325 and 120 kPa, both unit modes):
// relative to the probe's error scale, at most 2.6e-15 for the volume and 3.7e-14 for the
// enthalpy (its scale in kcal under either unit mode). Each margin stays 250 times above that
// before the value and target terms are added.
constexpr double VolumeAtRhMarginFactor = 1e-12;
constexpr double EnthalpyAtRhMarginFactor = 1e-11;

// A probe at trial dry bulb s that first finds a humidity ratio there, then evaluates a
// relation of (s, that humidity ratio). A failure of either step is a failed probe.
template <typename ShAt>
auto ThroughSh(PsychroParams* p, ShAt shAt, DbShRelation ofDbSh) {
  return [=](double s, double* value) {
    double sh;
    if (Failed(shAt(s, &sh))) return StatusFailed;
    return ofDbSh(p, &s, &sh, value);
  };
}
// Whether no probe of a dry-bulb search through a searched humidity ratio reads an absolute
// humidity below `target`. A humidity-ratio search ends on its grid, whose only negative value
// is its start: an absolute humidity is either not negative, or that start's at the trial dry
// bulb, which rises with the dry bulb through every rounded operation of its formula (a
// negative constant over a growing positive volume). The lowest reading is the first trial
// value's.
bool NoAbsoluteHumidityBelow(PsychroParams* p, double target) {
  const SearchFamily temperatures = TemperatureSearch(p);
  const double firstDb = temperatures.Start + temperatures.FirstStep;
  const double lowestSh = HumidityRatioSearch(p).Start;
  double lowest = 0.0;
  return !Failed(VhFromDbSh(p, &firstDb, &lowestSh, &lowest)) && !(lowest < target);
}

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

// The dry-bulb search through a positive volume towards an absolute humidity of zero or less,
// settled without the humidity-ratio searches; none where the argument below does not hold.
//
// A humidity-ratio search ends at its start, the grid's only negative value, exactly when the
// first trial value of every level overshoots, that is above the dry bulb `startAbove`; below
// it the search ends on a positive ratio, whose absolute humidity is not negative and so never
// overshoots. Above it the absolute humidity is the start's, which rises with the dry bulb:
// once it no longer overshoots, no later trial value does, and the search would end at its
// probe cap. None of the humidity-ratio searches fails on the way, as long as the ratio at the
// first trial dry bulb (the largest, as the ratio falls with the dry bulb) lies short of where
// the cap's probes end.
std::optional<int32_t> DbFromSvTowardsNoVapour(PsychroParams* p, double sv, double vh,
                                               double* result) {
  // The finer levels add at most nine probes each to the first level's, and the grid strays
  // from whole steps by far less than one: a hundred steps short of the cap leaves room.
  constexpr double CapMarginSteps = 100.0;
  static_assert(CapMarginSteps >
                MaxProbesPerFinerLevel *
                    (StepSizes(HumidityRatioFirstStep, HumidityRatioTolerance) - 1));
  const SearchFamily temperatures = TemperatureSearch(p);
  const SearchFamily ratios = HumidityRatioSearch(p);
  const double firstDb = temperatures.Start + temperatures.FirstStep;
  double startAbove = -std::numeric_limits<double>::infinity();
  for (double step = ratios.FirstStep; step > ratios.Tolerance; step *= StepShrinkFactor) {
    const double firstRatio = ratios.Start + step;
    double db = 0.0;
    if (Failed(DbFromSvSh(p, &sv, &firstRatio, &db))) return std::nullopt;
    startAbove = std::max(startAbove, db);
  }
  if (!(startAbove >= firstDb)) return std::nullopt;
  auto ratioAt = [&](double db) {
    return (sv * p->PAtmKPa / (GasConstAirKJPerKgK * (db + p->KelvinOffset)) - 1.0) /
           MolarMassRatioAirToWater;
  };
  const double ratioBelowCap =
      ratios.Start + ratios.FirstStep * (MaxProbesBelowTarget - CapMarginSteps);
  if (!(ratioAt(firstDb) < ratioBelowCap)) {
    // The first trial value's own search may reach the cap: it is read as the plain search
    // reads it. From the second on, which the search then meets before any finer level (the
    // second does not overshoot either), the ratio must lie short of the cap.
    const double secondDb = firstDb + temperatures.FirstStep;
    if (!(ratioAt(secondDb) < ratioBelowCap) || !(startAbove >= secondDb)) return std::nullopt;
    double sh = 0.0;
    double value = 0.0;
    if (Failed(ShFromDbSv(p, &firstDb, &sv, &sh)) || Failed(VhFromDbSh(p, &firstDb, &sh, &value))) {
      *result = 0.0;
      return StatusFailed;
    }
  }
  const double start = ratios.Start;
  return OutcomeStepSearch(
      temperatures,
      [&](double s) {
        if (!(s > startAbove)) return ProbeOutcome::NotOver;
        double value = 0.0;
        if (Failed(VhFromDbSh(p, &s, &start, &value))) return ProbeOutcome::Fail;
        // Not overshooting here means failing at the cap later: the same failure now.
        return value < vh ? ProbeOutcome::Over : ProbeOutcome::Fail;
      },
      result);
}

// ShFromDbRh's rounding error, measured as the probes' of CertifiedMarginFactor against long
// double over 4.2 million points each at 100 % and at random humidities from 0.01 %
// (-100..373.9 °C at 40, 101.325 and 120 kPa, both unit modes), never exceeded 1.03e-14 of its
// error scale: a margin of 1e-12 of it stays a hundred times above that.
constexpr double RatioAtRhMarginFactor = 1e-12;

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

// The temperature at which ShFromDbRh(t, rh) reaches sh, rh > 0: rising with t in each branch.
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

// The certified wet-bulb search for 0 <= sh <= SearchlessShLimit.
int32_t WetBulbSearch(PsychroParams* p, const double* db, const double* sh,
                      const std::optional<Bracket>& guess, double* result) {
  return CertifiedStepSearch(
      TemperatureSearch(p), *db, Overshoot::Above,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        double pws;
        if (Failed(ProbeSatPressure(p, &s, &pws))) return reading;
        reading.Status = DbFromWbShAt(p, &s, &pws, sh, &reading.Value);
        if (Failed(reading.Status)) return reading;
        reading.ErrorScale = WetBulbErrorScale(p, s, pws, p->PAtmMmHg, *sh);
        return reading;
      },
      SatPressureBranches, result, guess, WetBulbMarginFactor);
}

// The dew point from the search's status and result.
int32_t DewPointOf(PsychroParams* p, int32_t status, double* result) {
  if (!Failed(status) && *result < DpAbsoluteZeroBelowC) *result = -p->KelvinOffset;
  return status;
}

}  // namespace

int32_t WbFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result) {
  if (*sh > SearchlessShLimit) {
    *result = WbAboveShLimitC;
    return StatusOk;
  }
  // The energy balance rises with the wet bulb wherever its divisor is positive.
  if (!(*sh >= 0.0)) {
    return StepSearch(
        TemperatureSearch(p), *db, Overshoot::Above,
        [&](double s, double* value) { return DbFromWbSh(p, &s, sh, value); }, result);
  }
  WetBulbGuess guess(p, *db, *sh);
  while (guess.Step()) {
  }
  return WetBulbSearch(p, db, sh, guess.Result(), result);
}

int32_t DpFromSh(PsychroParams* p, const double* sh, double* result) {
  if (*sh > SearchlessShLimit) {
    *result = DpAboveShLimitC;
    return StatusOk;
  }
  return DewPointOf(p, DbAtRatioAndRh(p, *sh, &Saturated, result), result);
}

int32_t WbAndDpFromDbSh(PsychroParams* p, const double* db, const double* sh, double* wb,
                        double* dp) {
  if (!(*sh > 0.0) || *sh > SearchlessShLimit) {
    if (Failed(WbFromDbSh(p, db, sh, wb))) return StatusFailed;
    return DpFromSh(p, sh, dp);
  }
  // The two searches' Newton steps in turn: each waits for its own readings only.
  WetBulbGuess wetBulb(p, *db, *sh);
  RatioBracket dewPoint(p, *sh, &Saturated);
  for (bool more = true; more;) {
    more = wetBulb.Step();
    more = dewPoint.Step() || more;
  }
  if (Failed(WetBulbSearch(p, db, sh, wetBulb.Result(), wb))) return StatusFailed;
  return DewPointOf(p, DbAtRatioAndRh(p, *sh, &Saturated, dewPoint.Result(), dp), dp);
}

int32_t DbThenWbAndDpFromRhSh(PsychroParams* p, AirState* a, DryBulbStep between) {
  if (!(a->RH > 0.0) || !(a->SH > 0.0) || a->SH > SearchlessShLimit) {
    if (Failed(DbFromRhSh(p, &a->RH, &a->SH, &a->DB)) || Failed(between(p, a))) {
      return StatusFailed;
    }
    return WbAndDpFromDbSh(p, &a->DB, &a->SH, &a->WB, &a->DP);
  }
  // The dew point and the dry bulb need only the inputs, and the wet bulb's cheap steps need only
  // a rough dry bulb, the model's: the three go in turn, each waiting for its own readings.
  RatioBracket dryBulb(p, a->SH, &a->RH);
  RatioBracket dewPoint(p, a->SH, &Saturated);
  WetBulbGuess wetBulb(p, dryBulb.Estimate(), a->SH);
  for (bool more = true; more;) {
    more = dryBulb.Step();
    more = dewPoint.Step() || more;
    more = wetBulb.CheapStep() || more;
  }
  if (Failed(DbAtRatioAndRh(p, a->SH, &a->RH, dryBulb.Result(), &a->DB)) || Failed(between(p, a))) {
    return StatusFailed;
  }
  for (bool more = wetBulb.Retarget(a->DB); more;) more = wetBulb.Step();
  if (Failed(WetBulbSearch(p, &a->DB, &a->SH, wetBulb.Result(), &a->WB))) return StatusFailed;
  return DewPointOf(p, DbAtRatioAndRh(p, a->SH, &Saturated, dewPoint.Result(), &a->DP), &a->DP);
}

int32_t ShFromDbWb(PsychroParams* p, const double* db, const double* wb, double* result) {
  WetBulbAbove above(p, *wb);
  return ShFromDbWbBy(p, above, *db, result);
}

int32_t ShFromDbSv(PsychroParams* p, const double* db, const double* sv, double* result) {
  // The dry bulb of a volume falls as the humidity ratio rises, for a positive volume.
  if (!(*sv > 0.0)) {
    return StepSearch(
        HumidityRatioSearch(p), *db, Overshoot::Below,
        [&](double s, double* value) { return DbFromSvSh(p, sv, &s, value); }, result);
  }
  // The humidity ratio at which DbFromSvSh gives db, solved for.
  const double crossing =
      (*sv * p->PAtmKPa / (GasConstAirKJPerKgK * (*db + p->KelvinOffset)) - 1.0) /
      MolarMassRatioAirToWater;
  return CertifiedStepSearch(
      HumidityRatioSearch(p), *db, Overshoot::Below,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        reading.Status = DbFromSvSh(p, sv, &s, &reading.Value);
        // DB + KelvinOffset, less the offset.
        reading.ErrorScale = std::fabs(reading.Value) + p->KelvinOffset;
        return reading;
      },
      AboveThePole, result, AroundHumidityRatio(crossing));
}

int32_t ShFromSvWb(PsychroParams* p, const double* sv, const double* wb, double* result) {
  WetBulbAbove above(p, *wb);
  return OutcomeStepSearch(
      HumidityRatioSearch(p),
      [&](double s) {
        double db;
        if (Failed(DbFromSvSh(p, sv, &s, &db))) return ProbeOutcome::Fail;
        return above(db, s);
      },
      result);
}

int32_t DbFromWbVh(PsychroParams* p, const double* wb, const double* vh, double* result) {
  WetBulbAbove above(p, *wb);
  auto probe = ThroughSh(
      p, [&](double s, double* sh) { return ShFromDbWbBy(p, above, s, sh); }, VhFromDbSh);
  if (!(*vh > 0.0) || !std::isfinite(*vh)) {
    return StepSearch(TemperatureSearch(p), *vh, Overshoot::Below, probe, result);
  }
  // The dry bulb whose humidity ratio at the wet bulb gives vh: round the volume until the dry
  // bulb settles (twice, as a rule; hot air's volume lies far from the typical one).
  constexpr int VolumeRounds = 8;
  constexpr double Settled = 0.01;  // °C
  std::optional<Bracket> guess;
  double sh = *vh * TypicalVolume / GramsPerKg;
  double db = 0.0;
  for (int n = 0; n < VolumeRounds; ++n) {
    const double before = db;
    double sv = 0.0;
    if (Failed(DbFromWbSh(p, wb, &sh, &db)) || Failed(SvFromDbSh(p, &db, &sh, &sv))) break;
    sh = *vh * sv / GramsPerKg;
    guess = Around(db);
    if (n > 0 && std::fabs(db - before) < Settled) break;
  }
  return CertifiedStepSearch(TemperatureSearch(p), *vh, Overshoot::Below, VolumetricReading(probe),
                             WholeRangeFailing(std::numeric_limits<double>::infinity(),
                                               -std::numeric_limits<double>::infinity()),
                             result, guess);
}

// The humidity-ratio search's value n finest steps above its start, as the search itself adds it
// up: the first level's steps, then each finer level's digit of n; none where n is too large
// for one search to reach.
std::optional<double> HumidityRatioGridValue(const PsychroParams* p, int64_t n) {
  const SearchFamily family = HumidityRatioSearch(p);
  std::array<double, 8> steps{};
  size_t levels = 0;
  for (double step = family.FirstStep; step > family.Tolerance && levels < steps.size();
       step *= StepShrinkFactor) {
    steps[levels++] = step;
  }
  int64_t unitsPerStep = 1;
  for (size_t level = 1; level < levels; ++level) unitsPerStep *= 10;
  if (n < 0 || n / unitsPerStep > MaxProbesBelowTarget) return std::nullopt;
  double s = family.Start;
  for (size_t level = 0; level < levels; ++level) {
    const int64_t digit = level == 0 ? n / unitsPerStep : (n / unitsPerStep) % 10;
    for (int64_t i = 0; i < digit; ++i) s += steps[level];
    unitsPerStep /= 10;
  }
  return s;
}

// The bracket of a dry-bulb search for the absolute humidity vh at the volume sv (both
// positive). Its probe reads the humidity ratio of the volume at the trial dry bulb, a grid
// value that steps down as the dry bulb rises: at DbFromSvSh(sv, g) it moves from g to the grid
// value below. So the probe jumps there, and the crossing lies on such a jump, or (rarely)
// between two where the absolute humidity at one grid value passes vh. The grid value whose
// absolute humidity at the volume reaches vh first is near vh sv / 1000; the jump found from it
// is checked, and the neighbours tried, with the closed-form relations.
std::optional<Bracket> VolumetricCrossingGuess(PsychroParams* p, double sv, double vh) {
  constexpr int Neighbours = 3;
  constexpr double JumpHalfWidth = 1e-9;     // °C, a tenth of the search's last step
  constexpr double PlateauHalfWidth = 1e-6;  // °C
  const SearchFamily family = HumidityRatioSearch(p);
  double finest = family.FirstStep;
  while (finest * StepShrinkFactor > family.Tolerance) finest *= StepShrinkFactor;
  const double units = std::ceil((vh * sv / GramsPerKg - family.Start) / finest);
  if (!(units >= 1.0 && units < static_cast<double>(MaxProbesBelowTarget))) return std::nullopt;
  auto n = static_cast<int64_t>(units);
  // The absolute humidity at grid value g on the volume's dry bulb db.
  auto density = [&](double db, double g) {
    double value;
    return Failed(VhFromDbSh(p, &db, &g, &value)) ? std::numeric_limits<double>::quiet_NaN()
                                                  : value;
  };
  for (int tries = 0; tries < Neighbours; ++tries) {
    const auto here = HumidityRatioGridValue(p, n);
    const auto below = HumidityRatioGridValue(p, n - 1);
    double jump;
    if (!here || !below || Failed(DbFromSvSh(p, &sv, &*here, &jump))) return std::nullopt;
    const double before = density(jump, *here);
    const double after = density(jump, *below);
    if (!(before == before) || !(after == after)) return std::nullopt;
    if (before >= vh && after < vh) return Bracket{jump - JumpHalfWidth, jump + JumpHalfWidth};
    if (after >= vh) {
      // Past the jump, on the plateau of the grid value below: where its absolute humidity
      // falls to vh, if before the next jump.
      const double volume = *below * GramsPerKg / vh;
      double db;
      if (!Failed(DbFromSvSh(p, &volume, &*below, &db)) && db > jump) {
        return Bracket{db - PlateauHalfWidth, db + PlateauHalfWidth};
      }
      --n;
    } else {
      ++n;
    }
  }
  return std::nullopt;
}

int32_t DbFromSvVh(PsychroParams* p, const double* sv, const double* vh, double* result) {
  auto probe = ThroughSh(
      p, [&](double s, double* sh) { return ShFromDbSv(p, &s, sv, sh); }, VhFromDbSh);
  if (!(*vh > 0.0) && NoAbsoluteHumidityBelow(p, *vh)) {
    // No probe overshoots: the search ends at its probe cap, or at a failed probe, before.
    *result = 0.0;
    return StatusFailed;
  }
  if (*sv > 0.0 && !(*vh > 0.0)) {
    if (const auto settled = DbFromSvTowardsNoVapour(p, *sv, *vh, result)) return *settled;
  }
  if (!(*sv > 0.0) || !(*vh > 0.0)) {
    return StepSearch(TemperatureSearch(p), *vh, Overshoot::Below, probe, result);
  }
  std::optional<Bracket> guess = VolumetricCrossingGuess(p, *sv, *vh);
  if (!guess) {
    // The dry bulb whose humidity ratio vh sv / 1000 has the volume sv.
    const double sh = *vh * *sv / GramsPerKg;
    double db = 0.0;
    if (!Failed(DbFromSvSh(p, sv, &sh, &db))) guess = Around(db);
  }
  // The humidity ratio of the volume at a trial dry bulb is found by a search that fails only
  // at its probe cap, for a positive volume: at and above the dry bulb whose humidity ratio is
  // SurelyFoundSh, it takes at most 80,000 first-level steps and a few dozen finer ones, and
  // succeeds; so does the absolute humidity then, at any trial dry bulb above absolute zero.
  // Below, the lowest trial value is checked; the high end never fails.
  constexpr double SurelyFoundSh = 800.0;  // kg/kg(DA), under the cap's 1000
  static_assert(SurelyFoundSh / HumidityRatioFirstStep +
                    MaxProbesPerFinerLevel *
                        (StepSizes(HumidityRatioFirstStep, HumidityRatioTolerance) - 1) <
                MaxProbesBelowTarget);
  double failsBelow = std::numeric_limits<double>::infinity();
  if (Failed(DbFromSvSh(p, sv, &SurelyFoundSh, &failsBelow))) {
    failsBelow = std::numeric_limits<double>::infinity();
  }
  return CertifiedStepSearch(TemperatureSearch(p), *vh, Overshoot::Below, VolumetricReading(probe),
                             WholeRangeFailing(failsBelow, std::numeric_limits<double>::infinity()),
                             result, guess);
}

// VhFromDbSh's rounding error, measured against long double over 4.5 million points (-270..1000
// °C, humidity ratios 1e-12..1 kg/kg(DA), at 40, 101.325 and 120 kPa), never exceeded 6.1e-16
// of its value: a margin of 1e-13 of it stays over a hundred times above that.
constexpr double VolumetricMarginFactor = 1e-13;
// Relative, the closed-form crossing's own rounding.
constexpr double ClosedFormSlack = 1e-14;

// The bracket around a crossing t found in closed form: MarginsWide margins over the slope,
// plus the closed form's own rounding; none where that is not a number.
std::optional<Bracket> ClosedFormBracket(const PsychroParams* p, double t, double margin,
                                         double slope) {
  const double halfWidth =
      MarginsWide * margin / slope + ClosedFormSlack * (std::fabs(t) + p->KelvinOffset);
  if (!std::isfinite(halfWidth) || !(halfWidth > 0.0)) return std::nullopt;
  return Bracket{t - halfWidth, t + halfWidth};
}

// The larger root of quadratic t^2 + linear t + constant = 0 (quadratic > 0), without the
// cancellation of the textbook formula; none where there is no real root.
std::optional<double> LargerRoot(double quadratic, double linear, double constant) {
  const double disc = linear * linear - 4.0 * quadratic * constant;
  if (!(disc >= 0.0)) return std::nullopt;
  const double q = -0.5 * (linear + std::copysign(std::sqrt(disc), linear));
  return std::max(q / quadratic, constant / q);
}

// Air of enthalpy h (kcal/kg(DA)) at dry bulb t: sh = (h - Cpa t) / (Cpv t + L), so
// M sh + 1 = (a + b t) / (L + Cpv t) with a = M h + L and b = Cpv - M Cpa.
struct EnthalpyForm {
  double H;
  double A;
  double B;
};

EnthalpyForm EnthalpyFormOf(const PsychroParams* p, double enh) {
  const double h = p->UnitMode == UnitModeHPa ? enh / p->KcalToKJ : enh;
  return {h, MolarMassRatioAirToWater * h + p->LatentVap,
          p->CpVapour - MolarMassRatioAirToWater * p->CpAir};
}

// How many digits the humidity ratio of EnthalpyForm loses where h - Cpa t cancels: its
// rounding error stays below a few units in the last place of this.
double RatioAtEnthalpyErrorScale(const PsychroParams* p, double h, double t) {
  return (std::fabs(h) + std::fabs(p->CpAir * t)) / std::fabs(p->CpVapour * t + p->LatentVap);
}

// The volume of air of a given enthalpy, SvFromDbSh(t, ShFromEnhDb(h, t)), measured likewise
// over 4.8 million points (-270..1000 °C, -300..3000 kcal/kg and enthalpies within a millionth
// of the dry air's, both unit modes, the three pressures), never erred by more than 5.8e-16 of
// its error scale, (R / P)|t + K| (1 + M (|h| + |Cpa t|) / |Cpv t + L|): the humidity ratio
// loses digits where h - Cpa t cancels.
constexpr double VolumeAtEnthalpyMarginFactor = 1e-13;

// The absolute humidity of air of a given enthalpy, VhFromDbSh(t, ShFromEnhDb(h, t)), measured
// likewise over 4.8 million points (the same ranges as the volume's), never erred by more than
// 3.1e-16 of its error scale, 1000 / |sv| (|sh| + e (1 + M |sh| / |M sh + 1|)) with
// e = (|h| + |Cpa t|) / |Cpv t + L| the humidity ratio's own.
constexpr double VolumetricAtEnthalpyMarginFactor = 1e-13;

int32_t DbFromEnhVh(PsychroParams* p, const double* enh, const double* vh, double* result) {
  const SearchFamily family = TemperatureSearch(p);
  auto shAt = [&](double s, double* sh) { return ShFromEnhDb(p, enh, &s, sh); };
  // With sh = (h - Cpa t) / (Cpv t + L), the absolute humidity is
  // 1000 P (h - Cpa t) / (R (t + K)(a + b t)), a = M h + L, b = Cpv - M Cpa. Where b > 0 and
  // a + b t > 0 at the search's start, it falls with t while h - Cpa t > 0 and is negative
  // after: no trial value past the crossing of a positive target comes back below it.
  const auto [h, a, b] = EnthalpyFormOf(p, *enh);
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

int32_t DbFromShVh(PsychroParams* p, const double* sh, const double* vh, double* result) {
  const SearchFamily family = TemperatureSearch(p);
  // A negative humidity ratio over a volume that grows with the dry bulb (through every rounded
  // operation, while M sh + 1 stays positive) gives an absolute humidity that rises with it:
  // a first trial value that does not overshoot leaves none after it that does.
  // One not negative, or one so negative that the volume is too, never gives an absolute
  // humidity below a target of zero or less: no trial value overshoots.
  const double moistFactor = MolarMassRatioAirToWater * *sh + 1.0;
  const bool rising = *sh < 0.0 && moistFactor > 0.0;
  const bool neverBelow = (*sh >= 0.0 || moistFactor <= 0.0) && !(*vh > 0.0);
  const double noneOverFrom = neverBelow ? family.Start + family.FirstStep
                              : rising   ? family.Start + 2.0 * family.FirstStep
                                         : std::numeric_limits<double>::infinity();
  auto density = [&](double s, double* value) { return VhFromDbSh(p, &s, sh, value); };
  if (!(*sh > 0.0) || !(moistFactor > 0.0) || !(*vh > 0.0) || !std::isfinite(*vh)) {
    return StepSearch(family, *vh, Overshoot::Below, density, result, noneOverFrom);
  }
  // A positive humidity ratio over a volume that grows with the dry bulb: the absolute humidity
  // falls with it, through every rounded operation. Its crossing is the dry bulb whose volume
  // at sh holds sh at vh, in closed form, a few units in the last place off.
  const double volume = *sh * GramsPerKg / *vh;
  double db;
  std::optional<Bracket> guess;
  if (!Failed(DbFromSvSh(p, &volume, sh, &db))) {
    // The reading, the target and the error scale are all about vh; its slope is vh / (db + K).
    guess = ClosedFormBracket(p, db, 3.0 * VolumetricMarginFactor * *vh,
                              *vh / std::fabs(db + p->KelvinOffset));
  }
  return CertifiedStepSearch(
      family, *vh, Overshoot::Below,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        reading.Status = density(s, &reading.Value);
        reading.ErrorScale = std::fabs(reading.Value);
        return reading;
      },
      WholeRange, result, guess, VolumetricMarginFactor);
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
    const double latent = p->CpVapour * t + p->LatentVap;
    const double unit = p->UnitMode == UnitModeHPa ? p->KcalToKJ : 1.0;
    return Derivatives{(p->CpVapour * sh + latent * dSh + p->CpAir) * unit,
                       (2.0 * p->CpVapour * dSh + latent * d2Sh) * unit};
  };
  // Moist air holds more enthalpy than dry air at its dry bulb.
  return DbAtRhBelowDryAir(p, rh, EnhFromDbSh, scale, derivatives, *enh, DbFromEnhSh,
                           EnthalpyAtRhMarginFactor, result);
}

int32_t DbFromRhWb(PsychroParams* p, const double* rh, const double* wb, double* result) {
  WetBulbAbove above(p, *wb);
  return OutcomeStepSearch(
      TemperatureSearch(p),
      [&](double s) {
        double sh;
        if (Failed(ShFromDbRh(p, &s, rh, &sh))) return ProbeOutcome::Fail;
        return above(s, sh);
      },
      result);
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
    const double perPressure = GasConstAirKJPerKgK / p->PAtmKPa;
    const double kelvins = t + p->KelvinOffset;
    return Derivatives{perPressure * (MolarMassRatioAirToWater * (sh + kelvins * dSh) + 1.0),
                       perPressure * MolarMassRatioAirToWater * (2.0 * dSh + kelvins * d2Sh)};
  };
  // Moist air takes more room than dry air at its dry bulb.
  return DbAtRhBelowDryAir(p, rh, SvFromDbSh, scale, derivatives, *sv, DbFromSvSh,
                           VolumeAtRhMarginFactor, result);
}

int32_t DbFromSvEnh(PsychroParams* p, const double* sv, const double* enh, double* result) {
  const SearchFamily family = TemperatureSearch(p);
  auto volume = ThroughSh(
      p, [&](double s, double* sh) { return ShFromEnhDb(p, enh, &s, sh); }, SvFromDbSh);
  // With sh = (h - Cpa t) / (Cpv t + L) the volume is (R / P)(t + K)(a + b t) / (L + Cpv t),
  // a = M h + L, b = Cpv - M Cpa. Its slope has the sign of
  // N(t) = b Cpv t^2 + 2 b L t + (a + b K) L - Cpv a K, which rises from t = -L / Cpv on when
  // b > 0: if N is positive at the search's start, the volume rises over every trial value.
  const auto [h, a, b] = EnthalpyFormOf(p, *enh);
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
