#pragma once

// The evidence behind the searches' margin factors, re-runnable: each row evaluates one probe
// in double, as the engine does, and the same formula in long double (x87, 64-bit mantissa),
// and measures the double's error against the probe's own error scale. The tests run each row
// on ten thousand points; bench/margin_audit runs millions and prints the figures the margin
// factors' comments quote.
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/certified_search.h"
#include "engine/formula_constants.h"
#include "engine/psychro_params.h"
#include "engine/relations.h"
#include "engine/sat_pressure.h"
#include "engine/search/margins.h"

namespace vaporin::audit {

using Real = long double;

// A point of a probe: a temperature, °C, and its second argument (a relative humidity in %, a
// humidity ratio in kg/kg(DA) or an enthalpy in kcal/kg(DA)), at an atmospheric pressure.
struct Point {
  double T;
  double X;
  double Pascals;
  int32_t UnitMode;
};

// The probe in double: false where it fails.
struct Probed {
  bool Ok;
  double Value;
  double ErrorScale;
};

struct Row {
  std::string Name;
  double MarginFactor;
  Point (*Draw)(std::mt19937_64&);
  Probed (*Probe)(PsychroParams*, const Point&);
  Real (*Reference)(const PsychroParams&, const Point&);
};

// SatPressure's formula in long double, in mmHg.
inline Real SatPressureMmHg(const PsychroParams& p, double t) {
  const Real tk = static_cast<Real>(t) + 273.15L;
  Real hPa;
  if (t < IceBranchEndC || t < WaterBranchEndC) {
    const bool ice = t < IceBranchEndC;
    const Real a = ice ? -6024.5282L : -6096.9385L;
    const Real b = ice ? 24.7219L : 16.635794L;
    const Real c = ice ? 0.010613868L : -0.02711193L;
    const Real d = ice ? -0.000013198825L : 0.00001673952L;
    const Real e = ice ? -0.49382577L : 2.433502L;
    hPa = std::exp(a / tk + b + c * tk + d * tk * tk + e * std::log(tk));
  } else {
    const Real tau = 1.0L - tk / 647.096L;
    const Real sum = -7.85951783L * tau + 1.84408259L * std::pow(tau, 1.5L) -
                     11.7866497L * std::pow(tau, 3.0L) + 22.6807411L * std::pow(tau, 3.5L) -
                     15.9618719L * std::pow(tau, 4.0L) + 1.80122502L * std::pow(tau, 7.5L);
    hPa = std::exp(647.096L / tk * sum + std::log(2.2064e7L)) / 100.0L;
  }
  return hPa * static_cast<Real>(p.HPaToMmHg);
}

inline Real Epsilon(const PsychroParams& p) {
  return static_cast<Real>(p.MolarMassWater) / static_cast<Real>(p.MolarMassAir);
}

inline Real RatioOfPv(const PsychroParams& p, Real pv) {
  return Epsilon(p) * pv / (static_cast<Real>(p.PAtmMmHg) - pv);
}

inline Real RatioAtRh(const PsychroParams& p, const Point& at) {
  return RatioOfPv(p, SatPressureMmHg(p, at.T) * static_cast<Real>(at.X) / 100.0L);
}

inline Real VolumeOf(const PsychroParams& p, Real t, Real sh) {
  return (t + static_cast<Real>(p.KelvinOffset)) * static_cast<Real>(GasConstAirKJPerKgK) *
         (static_cast<Real>(MolarMassRatioAirToWater) * sh + 1.0L) / static_cast<Real>(p.PAtmKPa);
}

inline Real EnthalpyKcal(const PsychroParams& p, Real t, Real sh) {
  return (static_cast<Real>(p.CpVapour) * t + static_cast<Real>(p.LatentVap)) * sh +
         static_cast<Real>(p.CpAir) * t;
}

inline Real RatioAtEnthalpy(const PsychroParams& p, const Point& at) {
  const Real t = at.T;
  return (static_cast<Real>(at.X) - static_cast<Real>(p.CpAir) * t) /
         (static_cast<Real>(p.CpVapour) * t + static_cast<Real>(p.LatentVap));
}

inline Real WetBulbBalance(const PsychroParams& p, const Point& at) {
  const Real t = at.T;
  const Real sh = at.X;
  const bool iced = at.T < 0.0;
  const Real c = iced ? p.CIce : p.CWater;
  const Real latent = iced ? static_cast<Real>(p.LatentVap) + static_cast<Real>(p.LatentFusion)
                           : static_cast<Real>(p.LatentVap);
  const Real shSat = RatioOfPv(p, SatPressureMmHg(p, at.T));
  const Real cpv = p.CpVapour;
  const Real cpa = p.CpAir;
  return ((latent - c * t) * (shSat - sh) + (cpv * shSat + cpa) * t) / (cpv * sh + cpa);
}

// The points: the atmospheric pressures the comments name, then a temperature and a second
// argument from each row's ranges.
inline double AnyPressure(std::mt19937_64& random) {
  constexpr double Pascals[] = {40000.0, 101325.0, 120000.0};
  return Pascals[std::uniform_int_distribution<int>(0, 2)(random)];
}

inline double Uniform(std::mt19937_64& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

inline double LogUniform(std::mt19937_64& random, double low, double high) {
  return std::exp(Uniform(random, std::log(low), std::log(high)));
}

inline bool Coin(std::mt19937_64& random) { return (random() & 1U) != 0; }

// A relative humidity: exactly saturated half of the time.
inline double AnyRh(std::mt19937_64& random) {
  return Coin(random) ? 100.0 : Uniform(random, 0.01, 100.0);
}

// Points in the unit mode every solve runs in, or in either where the relation's unit differs.
inline Point AtRh(std::mt19937_64& random) {
  const double t = Uniform(random, -100.0, 373.9);
  return {t, AnyRh(random), AnyPressure(random), UnitModeMmHg};
}

inline Point AtRatio(std::mt19937_64& random) {
  const double t = Uniform(random, -270.0, 373.9);
  const double sh = Coin(random) ? Uniform(random, 0.0, 50.0) : LogUniform(random, 1e-4, 1e4);
  return {t, sh, AnyPressure(random), UnitModeMmHg};
}

inline Point AtSmallRatio(std::mt19937_64& random) {
  const double t = Uniform(random, -270.0, 1000.0);
  return {t, LogUniform(random, 1e-12, 1.0), AnyPressure(random), UnitModeMmHg};
}

inline Point AtEnthalpy(std::mt19937_64& random) {
  const double t = Uniform(random, -270.0, 1000.0);
  const double h = Uniform(random, -300.0, 3000.0);
  return {t, h, AnyPressure(random), Coin(random) ? UnitModeHPa : UnitModeMmHg};
}

// The probes as the searches read them, with their error scales.
inline Probed ProbeRatioAtRh(PsychroParams* p, const Point& at) {
  double sh = 0.0;
  double pv = 0.0;
  const bool ok = !Failed(ShFromDbRhPv(p, &at.T, &at.X, &sh, &pv));
  return {ok, sh, std::fabs(sh) * search::Amplification(p, pv)};
}

inline Probed ProbeThroughRatioAtRh(PsychroParams* p, const Point& at, bool volume) {
  double sh = 0.0;
  double pv = 0.0;
  double value = 0.0;
  if (Failed(ShFromDbRhPv(p, &at.T, &at.X, &sh, &pv))) return {false, 0.0, 0.0};
  const double amplification = search::Amplification(p, pv);
  if (volume) {
    const bool ok = !Failed(SvFromDbSh(p, &at.T, &sh, &value));
    return {ok, value,
            std::fabs(value) * (1.0 + MolarMassRatioAirToWater * std::fabs(sh) * amplification)};
  }
  const bool ok = !Failed(EnhFromDbSh(p, &at.T, &sh, &value));
  return {ok, value,
          std::fabs(p->CpVapour * at.T + p->LatentVap) * std::fabs(sh) * amplification +
              std::fabs(p->CpAir * at.T)};
}

inline Probed ProbeWetBulbBalance(PsychroParams* p, const Point& at) {
  double pws = 0.0;
  double value = 0.0;
  if (Failed(SatPressure(p, &at.T, &pws)) || Failed(DbFromWbShAt(p, &at.T, &pws, &at.X, &value))) {
    return {false, 0.0, 0.0};
  }
  // As the wet-bulb search and the nested searches' question read it: from the balance's parts.
  const FixedWetBulb parts = FixWetBulb(p, &at.T, &pws);
  return {true, value, search::WetBulbErrorScale(p, parts, search::Amplification(p, pws), at.X)};
}

// The enthalpy's argument in the unit mode's unit, from kcal/kg(DA).
inline double EnthalpyArgument(const PsychroParams* p, double kcal) {
  return p->UnitMode == UnitModeHPa ? kcal * p->KcalToKJ : kcal;
}

inline Probed ProbeThroughRatioAtEnthalpy(PsychroParams* p, const Point& at, bool volume) {
  const double enh = EnthalpyArgument(p, at.X);
  double sh = 0.0;
  double sv = 0.0;
  if (Failed(ShFromEnhDb(p, &enh, &at.T, &sh)) || Failed(SvFromDbSh(p, &at.T, &sh, &sv))) {
    return {false, 0.0, 0.0};
  }
  const double h = EnthalpyFormOf(p, enh).H;
  const double shError = search::RatioAtEnthalpyErrorScale(p, h, at.T);
  if (volume) {
    return {true, sv,
            GasConstAirKJPerKgK / p->PAtmKPa * std::fabs(at.T + p->KelvinOffset) *
                (1.0 + MolarMassRatioAirToWater * shError)};
  }
  double vh = 0.0;
  if (Failed(VhFromDbSh(p, &at.T, &sh, &vh))) return {false, 0.0, 0.0};
  const double moist = std::fabs(MolarMassRatioAirToWater * sh + 1.0);
  return {true, vh,
          1000.0 / std::fabs(sv) *
              (std::fabs(sh) + shError * (1.0 + MolarMassRatioAirToWater * std::fabs(sh) / moist))};
}

// The reference's enthalpy argument, as the relation reads it: through the unit mode's unit.
inline Point InKcal(const PsychroParams& p, Point at) {
  if (at.UnitMode == UnitModeHPa) {
    at.X = static_cast<double>(static_cast<Real>(EnthalpyArgument(&p, at.X)) /
                               static_cast<Real>(p.KcalToKJ));
  }
  return at;
}

// The rows, one per probe whose margin factor a search applies.
inline const std::vector<Row>& Rows() {
  static const std::vector<Row> rows{
      {"wet-bulb balance, DbFromWbSh", search::WetBulbMarginFactor, AtRatio, ProbeWetBulbBalance,
       WetBulbBalance},
      {"humidity ratio at a relative humidity, ShFromDbRh", search::RatioAtRhMarginFactor, AtRh,
       ProbeRatioAtRh, RatioAtRh},
      {"volume at a relative humidity", search::VolumeAtRhMarginFactor, AtRh,
       [](PsychroParams* p, const Point& at) { return ProbeThroughRatioAtRh(p, at, true); },
       [](const PsychroParams& p, const Point& at) { return VolumeOf(p, at.T, RatioAtRh(p, at)); }},
      {"enthalpy at a relative humidity", search::EnthalpyAtRhMarginFactor, AtRh,
       [](PsychroParams* p, const Point& at) { return ProbeThroughRatioAtRh(p, at, false); },
       [](const PsychroParams& p, const Point& at) {
         return EnthalpyKcal(p, at.T, RatioAtRh(p, at));
       }},
      {"absolute humidity at a relative humidity, VhFromDbRh", CertifiedMarginFactor, AtRh,
       [](PsychroParams* p, const Point& at) {
         double value = 0.0;
         const bool ok = !Failed(VhFromDbRh(p, &at.T, &at.X, &value));
         return Probed{ok, value, std::fabs(value)};
       },
       [](const PsychroParams& p, const Point& at) {
         const Real pvHPa =
             SatPressureMmHg(p, at.T) / static_cast<Real>(p.HPaToMmHg) * at.X / 100.0L;
         return pvHPa * static_cast<Real>(VapourDensityFactor) /
                (static_cast<Real>(p.KelvinOffset) + at.T);
       }},
      {"absolute humidity of a humidity ratio, VhFromDbSh", search::VolumetricMarginFactor,
       AtSmallRatio,
       [](PsychroParams* p, const Point& at) {
         double value = 0.0;
         const bool ok = !Failed(VhFromDbSh(p, &at.T, &at.X, &value));
         return Probed{ok, value, std::fabs(value)};
       },
       [](const PsychroParams& p, const Point& at) {
         return static_cast<Real>(at.X) * 1000.0L / VolumeOf(p, at.T, at.X);
       }},
      {"volume at an enthalpy", search::VolumeAtEnthalpyMarginFactor, AtEnthalpy,
       [](PsychroParams* p, const Point& at) { return ProbeThroughRatioAtEnthalpy(p, at, true); },
       [](const PsychroParams& p, const Point& at) {
         return VolumeOf(p, at.T, RatioAtEnthalpy(p, InKcal(p, at)));
       }},
      {"absolute humidity at an enthalpy", search::VolumetricAtEnthalpyMarginFactor, AtEnthalpy,
       [](PsychroParams* p, const Point& at) { return ProbeThroughRatioAtEnthalpy(p, at, false); },
       [](const PsychroParams& p, const Point& at) {
         const Real sh = RatioAtEnthalpy(p, InKcal(p, at));
         return sh * 1000.0L / VolumeOf(p, at.T, sh);
       }},
  };
  return rows;
}

// The largest error found over `points` points of a row, relative to the probe's error scale.
struct Finding {
  double WorstRelativeError = 0.0;
  Point WorstAt{};
  long Counted = 0;
};

inline Finding Audit(const Row& row, long points, uint64_t seed) {
  std::mt19937_64 random(seed);
  Finding finding;
  PsychroParams p = InitPsychroParams();
  for (long i = 0; i < points; ++i) {
    const Point at = row.Draw(random);
    SetAtmosphericPressure(&p, at.Pascals);
    p.UnitMode = at.UnitMode;
    const Probed probed = row.Probe(&p, at);
    const Real reference = row.Reference(p, at);
    if (!probed.Ok || !std::isfinite(static_cast<double>(reference)) ||
        !(probed.ErrorScale > 0.0)) {
      continue;
    }
    ++finding.Counted;
    const double error =
        static_cast<double>(std::fabs(static_cast<Real>(probed.Value) - reference)) /
        probed.ErrorScale;
    if (error > finding.WorstRelativeError) {
      finding.WorstRelativeError = error;
      finding.WorstAt = at;
    }
  }
  return finding;
}

}  // namespace vaporin::audit
