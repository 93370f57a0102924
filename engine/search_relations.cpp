#include "engine/search_relations.h"

#include <cmath>
#include <optional>

#include "engine/certified_search.h"
#include "engine/relations.h"
#include "engine/sat_pressure.h"
#include "engine/step_search.h"

namespace vaporin {

namespace {
constexpr double Saturated = 100.0;  // % relative humidity
constexpr double MolarMassRatioAirToWater = 1.6078;
// A temperature's rounding error scales with its magnitude plus about one degree.
constexpr double TemperatureErrorFloor = 1.0;  // °C

// How much P - pv magnifies the relative error of a humidity ratio computed from pv (both in
// the unit mode's pressure unit, as ShFromPv takes them).
double Amplification(const PsychroParams* p, double pv) {
  return std::fabs(p->PAtmMmHg / (p->PAtmMmHg - pv));
}

// Magnus's saturation curve over water (over ice below 0 °C), hPa: within a fraction of a
// percent of SatPressure's, and cheap. It only guesses where a search's crossing lies.
struct MagnusCurve {
  double A, B, C;
};
constexpr MagnusCurve MagnusWater{6.112, 17.62, 243.12};
constexpr MagnusCurve MagnusIce{6.112, 22.46, 272.62};
constexpr double GuessHalfWidth = 0.25;  // °C either side of a guessed crossing

const MagnusCurve& MagnusAt(double t) { return t < 0.0 ? MagnusIce : MagnusWater; }

double MagnusHPa(double t) {
  const MagnusCurve& m = MagnusAt(t);
  return m.A * std::exp(m.B * t / (m.C + t));
}

// The temperature at which the curve reaches a vapour pressure.
double MagnusDewPoint(double hPa) {
  const double water = std::log(hPa / MagnusWater.A);
  const double t = MagnusWater.C * water / (MagnusWater.B - water);
  if (t >= 0.0) return t;
  return MagnusIce.C * water / (MagnusIce.B - water);
}

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

// Where the saturation curve reaches the vapour pressure of `sh` (times 100 / `rh`).
std::optional<Bracket> GuessFromHumidityRatio(const PsychroParams* p, double sh, double rh) {
  if (!(sh > 0.0) || !(rh > 0.0)) return std::nullopt;
  return Around(MagnusDewPoint(InHPa(p, VapourPressureOf(p, sh)) * Saturated / rh));
}

// The wet bulb of (db, sh) on Magnus's curve: a few Newton steps on the energy balance.
std::optional<Bracket> GuessWetBulb(const PsychroParams* p, double db, double sh) {
  constexpr int NewtonSteps = 3;
  const double epsilon = p->MolarMassWater / p->MolarMassAir;
  const double pressure = InHPa(p, p->PAtmMmHg);
  const double b = p->CpVapour * sh + p->CpAir;
  double t = db;
  for (int n = 0; n < NewtonSteps && std::isfinite(t); ++n) {
    const bool iced = t < 0.0;
    const double c = iced ? p->CIce : p->CWater;
    const double latent = iced ? p->LatentVap + p->LatentFusion : p->LatentVap;
    const MagnusCurve& m = MagnusAt(t);
    const double pws = MagnusHPa(t);
    if (!(pws < pressure)) return std::nullopt;
    const double shSat = epsilon * pws / (pressure - pws);
    const double dPws = pws * m.B * m.C / ((m.C + t) * (m.C + t));
    const double dShSat = epsilon * pressure / ((pressure - pws) * (pressure - pws)) * dPws;
    const double a = p->CpVapour * shSat + p->CpAir;
    const double g = ((latent - c * t) * (shSat - sh) + a * t) / b;
    const double dg =
        (-c * (shSat - sh) + (latent - c * t) * dShSat + p->CpVapour * dShSat * t + a) / b;
    t -= (g - db) / dg;
  }
  return Around(t);
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

using DbShRelation = int32_t (*)(PsychroParams*, const double*, const double*, double*);

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
  return CertifiedStepSearch(
      TemperatureSearch(p), *db, Overshoot::Above,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        double pws;
        if (Failed(SatPressure(p, &s, &pws))) return reading;
        reading.Status = DbFromWbShAt(p, &s, &pws, sh, &reading.Value);
        reading.ErrorScale =
            (std::fabs(reading.Value) + TemperatureErrorFloor) * Amplification(p, pws);
        return reading;
      },
      SatPressureBranches, result, GuessWetBulb(p, *db, *sh));
}

int32_t DpFromSh(PsychroParams* p, const double* sh, double* result) {
  if (*sh > SearchlessShLimit) {
    *result = DpAboveShLimitC;
    return StatusOk;
  }
  const int32_t status = CertifiedStepSearch(
      TemperatureSearch(p), *sh, Overshoot::Above,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        double pv;
        reading.Status = ShFromDbRhPv(p, &s, &Saturated, &reading.Value, &pv);
        reading.ErrorScale = std::fabs(reading.Value) * Amplification(p, pv);
        return reading;
      },
      SatPressureBranches, result, GuessFromHumidityRatio(p, *sh, Saturated));
  if (!Failed(status) && *result < DpAbsoluteZeroBelowC) *result = -p->KelvinOffset;
  return status;
}

int32_t ShFromDbWb(PsychroParams* p, const double* db, const double* wb, double* result) {
  return StepSearch(
      HumidityRatioSearch(p), *wb, Overshoot::Above,
      [&](double s, double* value) { return WbFromDbSh(p, db, &s, value); }, result);
}

int32_t ShFromDbSv(PsychroParams* p, const double* db, const double* sv, double* result) {
  return StepSearch(
      HumidityRatioSearch(p), *db, Overshoot::Below,
      [&](double s, double* value) { return DbFromSvSh(p, sv, &s, value); }, result);
}

int32_t ShFromSvWb(PsychroParams* p, const double* sv, const double* wb, double* result) {
  return StepSearch(
      HumidityRatioSearch(p), *wb, Overshoot::Above,
      [&](double s, double* value) {
        double db;
        if (Failed(DbFromSvSh(p, sv, &s, &db))) return StatusFailed;
        return WbFromDbSh(p, &db, &s, value);
      },
      result);
}

int32_t DbFromWbVh(PsychroParams* p, const double* wb, const double* vh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbWb(p, &s, wb, sh); }, VhFromDbSh),
      result);
}

int32_t DbFromSvVh(PsychroParams* p, const double* sv, const double* vh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbSv(p, &s, sv, sh); }, VhFromDbSh),
      result);
}

int32_t DbFromEnhVh(PsychroParams* p, const double* enh, const double* vh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromEnhDb(p, enh, &s, sh); }, VhFromDbSh),
      result);
}

// The relations of (dry bulb, relative humidity) rise with the dry bulb for a positive relative
// humidity only; other ones take the plain search.
int32_t DbFromRhSh(PsychroParams* p, const double* rh, const double* sh, double* result) {
  if (!(*rh > 0.0)) {
    return StepSearch(
        TemperatureSearch(p), *sh, Overshoot::Above,
        [&](double s, double* value) { return ShFromDbRh(p, &s, rh, value); }, result);
  }
  return CertifiedStepSearch(
      TemperatureSearch(p), *sh, Overshoot::Above,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        double pv;
        reading.Status = ShFromDbRhPv(p, &s, rh, &reading.Value, &pv);
        reading.ErrorScale = std::fabs(reading.Value) * Amplification(p, pv);
        return reading;
      },
      SatPressureBranches, result, GuessFromHumidityRatio(p, *sh, *rh));
}

int32_t DbFromRhVh(PsychroParams* p, const double* rh, const double* vh, double* result) {
  if (!(*rh > 0.0)) {
    return StepSearch(
        TemperatureSearch(p), *vh, Overshoot::Above,
        [&](double s, double* value) { return VhFromDbRh(p, &s, rh, value); }, result);
  }
  return CertifiedStepSearch(
      TemperatureSearch(p), *vh, Overshoot::Above,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        reading.Status = VhFromDbRh(p, &s, rh, &reading.Value);
        reading.ErrorScale = std::fabs(reading.Value);
        return reading;
      },
      SatPressureBranches, result);
}

int32_t DbFromShVh(PsychroParams* p, const double* sh, const double* vh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      [&](double s, double* value) { return VhFromDbSh(p, &s, sh, value); }, result);
}

int32_t DbFromRhEnh(PsychroParams* p, const double* rh, const double* enh, double* result) {
  if (!(*rh > 0.0)) {
    return StepSearch(
        TemperatureSearch(p), *enh, Overshoot::Above,
        ThroughSh(
            p, [&](double s, double* sh) { return ShFromDbRh(p, &s, rh, sh); }, EnhFromDbSh),
        result);
  }
  return CertifiedStepSearch(TemperatureSearch(p), *enh, Overshoot::Above,
                             ThroughShAtRh(p, rh, EnhFromDbSh,
                                           [p](double s, double sh, double amplification, double) {
                                             // (CpVapour DB + LatentVap) SH + CpAir DB, SH with its
                                             // own error
                                             return std::fabs(p->CpVapour * s + p->LatentVap) *
                                                        std::fabs(sh) * amplification +
                                                    std::fabs(p->CpAir * s);
                                           }),
                             SatPressureBranches, result);
}

int32_t DbFromRhWb(PsychroParams* p, const double* rh, const double* wb, double* result) {
  return StepSearch(
      TemperatureSearch(p), *wb, Overshoot::Above,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbRh(p, &s, rh, sh); }, WbFromDbSh),
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
  return CertifiedStepSearch(
      TemperatureSearch(p), *sv, Overshoot::Above,
      ThroughShAtRh(p, rh, SvFromDbSh,
                    [](double, double sh, double amplification, double value) {
                      return std::fabs(value) *
                             (1.0 + MolarMassRatioAirToWater * std::fabs(sh) * amplification);
                    }),
      SatPressureBranches, result);
}

int32_t DbFromSvEnh(PsychroParams* p, const double* sv, const double* enh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *sv, Overshoot::Above,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromEnhDb(p, enh, &s, sh); }, SvFromDbSh),
      result);
}

}  // namespace vaporin
