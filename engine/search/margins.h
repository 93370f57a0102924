#pragma once

#include <cmath>

#include "engine/certified_search.h"
#include "engine/psychro_params.h"
#include "engine/relations.h"

// Every error scale and margin factor of the searches, in one place. Unlike the estimates, these
// decide results: a reading counts as a certificate only when it lies a margin past the target,
// so each margin must stay above the rounding error its probe can make. Each factor is written
// beside the error it was measured against (see bench/margin_audit.cpp, which reprints those
// figures, and tests/engine/margin_audit_test.cpp, which checks them on every run).
// CertifiedMarginFactor, the default, lives with the search that applies it.
namespace vaporin::search {

// How much P - pv magnifies the relative error of a humidity ratio computed from pv (both in
// the unit mode's pressure unit, as ShFromPv takes them).
inline double Amplification(const PsychroParams* p, double pv) {
  return std::fabs(p->PAtmMmHg / (p->PAtmMmHg - pv));
}

// The energy balance's one error model. Its rounding scale at a fixed wet bulb (see
// FixedWetBulb) and humidity ratio sh is its terms by magnitude,
// ((L - c t)(shSat - sh) + (Cpv shSat + Cpa) t) / (Cpv sh + Cpa), with shSat's own error
// magnified by `amplification`, P / (P - pws): this numerator over that divisor. The numerator
// alone serves a bound over every smaller humidity ratio, whose divisor is at least Cpa.
inline double WetBulbErrorNumerator(const FixedWetBulb& at, double amplification, double sh) {
  return std::fabs(at.Fall) * (std::fabs(at.ShSat) * amplification + std::fabs(sh)) +
         std::fabs(at.Rise);
}

inline double WetBulbErrorScale(const PsychroParams* p, const FixedWetBulb& at,
                                double amplification, double sh) {
  return WetBulbErrorNumerator(at, amplification, sh) / std::fabs(p->CpVapour * sh + p->CpAir);
}

// The same at wet bulb t and saturation pressure pws, `pressure` the atmospheric pressure in
// pws's unit (the estimates' steps read the curve in hPa).
inline double WetBulbErrorScale(const PsychroParams* p, double t, double pws, double pressure,
                                double sh) {
  const bool iced = t < 0.0;
  FixedWetBulb at;
  at.ShSat = p->MolarMassWater / p->MolarMassAir * pws / (pressure - pws);
  at.Fall =
      (iced ? p->LatentVap + p->LatentFusion : p->LatentVap) - (iced ? p->CIce : p->CWater) * t;
  at.Rise = (p->CpVapour * at.ShSat + p->CpAir) * t;
  return WetBulbErrorScale(p, at, std::fabs(pressure / (pressure - pws)), sh);
}

// DbFromWbShAt's error against the same formula (saturation pressure included) in long double
// (x87), over 7.8 million random points (-270..373.9 °C, humidity ratios 0..50 kg/kg(DA) and
// 1e-4..1e4 log-uniformly, 40, 101.325 and 120 kPa, both unit modes), never exceeded 8.6e-15 of
// that scale: a margin of 1e-12 of it stays more than a hundred times above.
inline constexpr double WetBulbMarginFactor = 1e-12 * MarginScale;

// ShFromDbRh's rounding error, measured as the probes' of CertifiedMarginFactor against long
// double over 4.2 million points each at 100 % and at random humidities from 0.01 %
// (-100..373.9 °C at 40, 101.325 and 120 kPa, both unit modes), never exceeded 1.03e-14 of its
// error scale: a margin of 1e-12 of it stays a hundred times above that.
inline constexpr double RatioAtRhMarginFactor = 1e-12 * MarginScale;

// The volume and the enthalpy through ShFromDbRh, against the same formulas (saturation
// pressure included) in long double (x87) over 4.9 million random points (-270..373.9 °C,
// relative humidities 0.01..100 % and exactly 100 %, 40, 101.325 and 120 kPa, both unit modes):
// relative to the probe's error scale, at most 2.6e-15 for the volume and 3.7e-14 for the
// enthalpy (its scale in kcal under either unit mode). Each margin stays 250 times above that
// before the value and target terms are added.
inline constexpr double VolumeAtRhMarginFactor = 1e-12 * MarginScale;
inline constexpr double EnthalpyAtRhMarginFactor = 1e-11 * MarginScale;

// VhFromDbSh's rounding error, measured against long double over 4.5 million points (-270..1000
// °C, humidity ratios 1e-12..1 kg/kg(DA), at 40, 101.325 and 120 kPa), never exceeded 6.1e-16
// of its value: a margin of 1e-13 of it stays over a hundred times above that.
inline constexpr double VolumetricMarginFactor = 1e-13 * MarginScale;
// Relative, the closed-form crossing's own rounding.
inline constexpr double ClosedFormSlack = 1e-14;

// How many digits the humidity ratio of EnthalpyForm loses where h - Cpa t cancels: its
// rounding error stays below a few units in the last place of this.
inline double RatioAtEnthalpyErrorScale(const PsychroParams* p, double h, double t) {
  return (std::fabs(h) + std::fabs(p->CpAir * t)) / std::fabs(p->CpVapour * t + p->LatentVap);
}

// The volume of air of a given enthalpy, SvFromDbSh(t, ShFromEnhDb(h, t)), measured likewise
// over 4.8 million points (-270..1000 °C, -300..3000 kcal/kg and enthalpies within a millionth
// of the dry air's, both unit modes, the three pressures), never erred by more than 5.8e-16 of
// its error scale, (R / P)|t + K| (1 + M (|h| + |Cpa t|) / |Cpv t + L|): the humidity ratio
// loses digits where h - Cpa t cancels.
inline constexpr double VolumeAtEnthalpyMarginFactor = 1e-13 * MarginScale;

// The absolute humidity of air of a given enthalpy, VhFromDbSh(t, ShFromEnhDb(h, t)), measured
// likewise over 4.8 million points (the same ranges as the volume's), never erred by more than
// 3.1e-16 of its error scale, 1000 / |sv| (|sh| + e (1 + M |sh| / |M sh + 1|)) with
// e = (|h| + |Cpa t|) / |Cpv t + L| the humidity ratio's own.
inline constexpr double VolumetricAtEnthalpyMarginFactor = 1e-13 * MarginScale;

}  // namespace vaporin::search
