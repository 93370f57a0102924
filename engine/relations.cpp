#include "engine/relations.h"

#include <cmath>

#include "engine/finite_result.h"
#include "engine/formula_constants.h"
#include "engine/sat_pressure.h"

namespace vaporin {

namespace {
constexpr double Percent = 100.0;
constexpr double GramsPerKg = 1000.0;

// Fixes a unit mode for one relation and gives the caller's mode back on every exit.
class UnitModeScope {
 public:
  UnitModeScope(PsychroParams* p, int32_t mode) : p_(p), saved_(p->UnitMode) { p->UnitMode = mode; }
  ~UnitModeScope() { p_->UnitMode = saved_; }
  UnitModeScope(const UnitModeScope&) = delete;
  UnitModeScope& operator=(const UnitModeScope&) = delete;

 private:
  PsychroParams* p_;
  int32_t saved_;
};

double Epsilon(const PsychroParams* p) { return p->MolarMassWater / p->MolarMassAir; }

// Enthalpy argument in kcal/kg(DA) whatever the mode.
double EnthalpyInKcal(const PsychroParams* p, double enh) {
  return p->UnitMode == UnitModeHPa ? enh / p->KcalToKJ : enh;
}
}  // namespace

int32_t ShFromPv(PsychroParams* p, const double* pressure, const double* pv, double* result) {
  *result = 0.0;
  double a = *pressure;
  double b = *pv;
  if (p->UnitMode == UnitModeHPa) {
    a *= p->HPaToMmHg;
    b *= p->HPaToMmHg;
  }
  const double d = a - b;
  if (d <= 0.0) return StatusFailed;
  return StoreFinite(Epsilon(p) * b / d, result);
}

int32_t ShFromPvStd(PsychroParams* p, const double* pv, double* result) {
  return ShFromPv(p, &p->PAtmMmHg, pv, result);
}

int32_t ShFromDbRh(PsychroParams* p, const double* db, const double* rh, double* result) {
  double pv;
  return ShFromDbRhPv(p, db, rh, result, &pv);
}

int32_t ShFromDbRhPv(PsychroParams* p, const double* db, const double* rh, double* result,
                     double* pv) {
  *result = 0.0;
  *pv = 0.0;
  double pws;
  if (Failed(ProbeSatPressure(p, db, &pws))) return StatusFailed;
  *pv = pws * *rh / Percent;
  return ShFromPv(p, &p->PAtmMmHg, pv, result);
}

int32_t ShFromEnhDb(PsychroParams* p, const double* enh, const double* db, double* result) {
  *result = 0.0;
  const double h = EnthalpyInKcal(p, *enh);
  const double d = p->CpVapour * *db + p->LatentVap;
  if (d == 0.0) return StatusFailed;
  return StoreFinite((h - p->CpAir * *db) / d, result);
}

int32_t EnhFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result) {
  *result = 0.0;
  const double e = (p->CpVapour * *db + p->LatentVap) * *sh + p->CpAir * *db;
  return StoreFinite(p->UnitMode == UnitModeHPa ? e * p->KcalToKJ : e, result);
}

int32_t SvFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result) {
  *result = 0.0;
  return StoreFinite((*db + p->KelvinOffset) * GasConstAirKJPerKgK *
                         (MolarMassRatioAirToWater * *sh + 1.0) / p->PAtmKPa,
                     result);
}

int32_t DbFromSvSh(PsychroParams* p, const double* sv, const double* sh, double* result) {
  *result = 0.0;
  // An overflow here would otherwise vanish in the division below.
  const double moistFactor = MolarMassRatioAirToWater * *sh + 1.0;
  if (!std::isfinite(moistFactor)) return StatusFailed;
  return StoreFinite(*sv / GasConstAirKJPerKgK / moistFactor * p->PAtmKPa - p->KelvinOffset,
                     result);
}

double ShOfVolume(const PsychroParams* p, double db, double sv) {
  return (sv * p->PAtmKPa / (GasConstAirKJPerKgK * (db + p->KelvinOffset)) - 1.0) /
         MolarMassRatioAirToWater;
}

RelationSlopes SvSlopes(const PsychroParams* p, double db, double sh, double dSh, double d2Sh) {
  const double perPressure = GasConstAirKJPerKgK / p->PAtmKPa;
  const double kelvins = db + p->KelvinOffset;
  return {perPressure * (MolarMassRatioAirToWater * (sh + kelvins * dSh) + 1.0),
          perPressure * MolarMassRatioAirToWater * (2.0 * dSh + kelvins * d2Sh)};
}

RelationSlopes EnhSlopes(const PsychroParams* p, double db, double sh, double dSh, double d2Sh) {
  const double latent = p->CpVapour * db + p->LatentVap;
  const double unit = p->UnitMode == UnitModeHPa ? p->KcalToKJ : 1.0;
  return {(p->CpVapour * sh + latent * dSh + p->CpAir) * unit,
          (2.0 * p->CpVapour * dSh + latent * d2Sh) * unit};
}

EnthalpyForm EnthalpyFormOf(const PsychroParams* p, double enh) {
  const double h = EnthalpyInKcal(p, enh);
  return {h, MolarMassRatioAirToWater * h + p->LatentVap,
          p->CpVapour - MolarMassRatioAirToWater * p->CpAir};
}

int32_t DbFromEnhSh(PsychroParams* p, const double* enh, const double* sh, double* result) {
  *result = 0.0;
  const double h = EnthalpyInKcal(p, *enh);
  return StoreFinite((h - p->LatentVap * *sh) / (p->CpVapour * *sh + p->CpAir), result);
}

int32_t DbFromWbSh(PsychroParams* p, const double* wb, const double* sh, double* result) {
  *result = 0.0;
  double pws;
  if (Failed(SatPressure(p, wb, &pws))) return StatusFailed;
  return DbFromWbShAt(p, wb, &pws, sh, result);
}

int32_t DbFromWbShAt(PsychroParams* p, const double* wb, const double* pws, const double* sh,
                     double* result) {
  return DbFromFixedWetBulb(p, FixWetBulb(p, wb, pws), sh, result);
}

RatioAtFixedWetBulb ShFromFixedWetBulb(const PsychroParams* p, const FixedWetBulb& at, double db) {
  const double divisor = at.Fall + p->CpVapour * db;
  return {(at.Fall * at.ShSat + at.Rise - db * p->CpAir) / divisor, divisor};
}

int32_t VhFromDbRh(PsychroParams* p, const double* db, const double* rh, double* result) {
  const UnitModeScope mode(p, UnitModeHPa);
  *result = 0.0;
  double pws;
  if (Failed(ProbeSatPressure(p, db, &pws))) return StatusFailed;
  const double pv = pws * *rh / Percent;
  return StoreFinite(pv * VapourDensityFactor / (p->KelvinOffset + *db), result);
}

int32_t VhFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result) {
  *result = 0.0;
  double sv;
  if (Failed(SvFromDbSh(p, db, sh, &sv))) return StatusFailed;
  return StoreFinite(*sh * GramsPerKg / sv, result);
}

int32_t RhFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result) {
  const UnitModeScope mode(p, UnitModeMmHg);
  *result = 0.0;
  double pws;
  if (Failed(SatPressure(p, db, &pws))) return StatusFailed;
  const double a = Epsilon(p) + *sh;
  if (a == 0.0 || pws == 0.0) return StatusFailed;
  return StoreFinite(p->PAtmMmHg * *sh * Percent / pws / a, result);
}

int32_t RhFromDbVh(PsychroParams* p, const double* db, const double* vh, double* result) {
  const UnitModeScope mode(p, UnitModeHPa);
  *result = 0.0;
  double pws;
  if (Failed(SatPressure(p, db, &pws))) return StatusFailed;
  if (pws == 0.0) return StatusFailed;
  return StoreFinite((*db + p->KelvinOffset) * *vh * Percent / pws / VapourDensityFactor, result);
}

}  // namespace vaporin
