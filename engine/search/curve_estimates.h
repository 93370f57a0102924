#pragma once

#include <cmath>
#include <optional>

#include "engine/certified_search.h"
#include "engine/psychro_params.h"
#include "engine/sat_curve_model.h"
#include "engine/search/root_steps.h"

// Cheap estimates of where the saturation curve and the humidity ratio on it reach a value:
// Magnus's curve, the model of the curve, and the slopes Newton's steps take on them. They may
// be wrong; a wrong one costs a search readings, never its result.
namespace vaporin::search {

inline constexpr double Saturated = 100.0;  // % relative humidity

// Magnus's saturation curve over water (over ice below 0 °C), hPa: within a fraction of a
// percent of SatPressure's, and cheap. It only guesses where a search's crossing lies.
struct MagnusCurve {
  double A, B, C;
};
inline constexpr MagnusCurve MagnusWater{6.112, 17.62, 243.12};
inline constexpr MagnusCurve MagnusIce{6.112, 22.46, 272.62};

inline const MagnusCurve& MagnusAt(double t) { return t < 0.0 ? MagnusIce : MagnusWater; }

inline double MagnusHPa(double t) {
  const MagnusCurve& m = MagnusAt(t);
  return m.A * std::exp(m.B * t / (m.C + t));
}

// The temperature at which the curve reaches a vapour pressure, from its logarithm.
inline double MagnusDewPointOfLog(double logHPa) {
  const double water = logHPa - std::log(MagnusWater.A);
  const double t = MagnusWater.C * water / (MagnusWater.B - water);
  if (t >= 0.0) return t;
  return MagnusIce.C * water / (MagnusIce.B - water);
}

inline double MagnusDewPoint(double hPa) { return MagnusDewPointOfLog(std::log(hPa)); }

// A pressure of the unit mode (mmHg, or hPa under UnitModeHPa) in hPa.
inline double InHPa(const PsychroParams* p, double pressure) {
  return p->UnitMode == UnitModeHPa ? pressure : pressure / p->HPaToMmHg;
}

// The vapour pressure (unit mode) of a humidity ratio at the atmospheric pressure.
inline double VapourPressureOf(const PsychroParams* p, double sh) {
  return p->PAtmMmHg * sh / (p->MolarMassWater / p->MolarMassAir + sh);
}

// Where the saturation curve reaches the vapour pressure of `sh` (times 100 / `rh`), sh > 0.
inline double MagnusDbAtRatio(const PsychroParams* p, double sh, double rh) {
  return MagnusDewPoint(InHPa(p, VapourPressureOf(p, sh)) * Saturated / rh);
}

// The slope in t of a humidity ratio sh = eps pv / (P - pv) whose vapour pressure pv changes
// with t: sh (eps + sh) / eps times the slope of ln pv.
inline double RatioSlope(double epsilon, double sh, double logSlope) {
  return sh * (epsilon + sh) / epsilon * logSlope;
}

// Its own slope, from the slope `dSh` and the second derivative of ln pv.
inline double RatioCurvature(double epsilon, double sh, double dSh, double logSlope,
                             double logCurvature) {
  return dSh * (epsilon + 2.0 * sh) / epsilon * logSlope + RatioSlope(epsilon, sh, logCurvature);
}

// The bracket around `t`, where steps on the model of the curve settled leaving `left`: a margin
// and a half of the probe's reading over its slope, the model's own error and what the steps
// left, either side. A relation's crossing moves by no more than the curve's temperature does.
inline std::optional<Bracket> ModelBracket(double t, double margin, double slope, double left) {
  const double halfWidth = MarginsWide * margin / slope + SatCurveModelErrorC(t) + left;
  if (!std::isfinite(halfWidth)) return std::nullopt;
  return Bracket{t - halfWidth, t + halfWidth};
}

}  // namespace vaporin::search
