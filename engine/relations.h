#pragma once

#include <cstdint>

#include "engine/finite_result.h"
#include "engine/psychro_params.h"

// Closed-form moist-air relations. Each takes the constants record first, its inputs by
// pointer and one result by pointer, clears the result on entry and returns StatusOk or
// StatusFailed. Units are the engine's (see AirState); pressures are mmHg unless UnitMode says
// otherwise.
namespace vaporin {

// Humidity ratio from total pressure P and vapour pressure pv (hPa under UnitModeHPa).
int32_t ShFromPv(PsychroParams* p, const double* pressure, const double* pv, double* result);
// Humidity ratio from vapour pressure at the engine's atmospheric pressure.
int32_t ShFromPvStd(PsychroParams* p, const double* pv, double* result);
int32_t ShFromDbRh(PsychroParams* p, const double* db, const double* rh, double* result);
// ShFromDbRh, handing back the vapour pressure it used as well (0 when SatPressure fails).
int32_t ShFromDbRhPv(PsychroParams* p, const double* db, const double* rh, double* result,
                     double* pv);
// Enthalpy in kJ/kg(DA) under UnitModeHPa, else kcal/kg(DA); the same below.
int32_t ShFromEnhDb(PsychroParams* p, const double* enh, const double* db, double* result);
int32_t EnhFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result);
int32_t SvFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result);
int32_t DbFromSvSh(PsychroParams* p, const double* sv, const double* sh, double* result);
// The humidity ratio at which SvFromDbSh(db, sh) is sv, in closed form (unrounded to a grid,
// unlike the search ShFromDbSv).
double ShOfVolume(const PsychroParams* p, double db, double sv);
// The slope and second derivative in db of SvFromDbSh(db, sh(db)) and of EnhFromDbSh (in the
// unit mode's enthalpy unit), from those of the humidity ratio, dSh and d2Sh.
struct RelationSlopes {
  double Slope;
  double Curvature;
};
RelationSlopes SvSlopes(const PsychroParams* p, double db, double sh, double dSh, double d2Sh);
RelationSlopes EnhSlopes(const PsychroParams* p, double db, double sh, double dSh, double d2Sh);
// Air of enthalpy h (kcal/kg(DA)) at dry bulb t: sh = (h - Cpa t) / (Cpv t + L), so
// M sh + 1 = (a + b t) / (L + Cpv t) with a = M h + L and b = Cpv - M Cpa.
struct EnthalpyForm {
  double H;
  double A;
  double B;
};
EnthalpyForm EnthalpyFormOf(const PsychroParams* p, double enh);
int32_t DbFromEnhSh(PsychroParams* p, const double* enh, const double* sh, double* result);
// Dry bulb from the energy balance of a wetted (below 0 °C: iced) bulb.
int32_t DbFromWbSh(PsychroParams* p, const double* wb, const double* sh, double* result);
// DbFromWbSh with the saturation pressure at the wet bulb already known, as SatPressure gives it.
int32_t DbFromWbShAt(PsychroParams* p, const double* wb, const double* pws, const double* sh,
                     double* result);
// The energy balance of DbFromWbShAt at one fixed wet bulb, for searches that ask it of many
// humidity ratios: its parts that do not depend on the humidity ratio, read once.
// DbFromWbShAt is FixWetBulb then DbFromFixedWetBulb, the same operations in the same order, so
// that both give the same bits (searches compare their readings exactly).
struct FixedWetBulb {
  int32_t Status = StatusFailed;  // of the saturation humidity ratio
  double ShSat = 0.0;             // kg/kg(DA)
  double Fall = 0.0;              // L - c wb, kcal/kg
  double Rise = 0.0;              // (Cpv shSat + Cpa) wb, kcal/kg(DA)
};
// Inline: the nested searches read the balance at fixed wet bulbs thousands of times a solve.
inline FixedWetBulb FixWetBulb(PsychroParams* p, const double* wb, const double* pws) {
  FixedWetBulb at;
  const bool iced = *wb < 0.0;
  const double c = iced ? p->CIce : p->CWater;
  const double latent = iced ? p->LatentVap + p->LatentFusion : p->LatentVap;
  at.Status = ShFromPv(p, &p->PAtmMmHg, pws, &at.ShSat);
  at.Fall = latent - c * *wb;
  at.Rise = (p->CpVapour * at.ShSat + p->CpAir) * *wb;
  return at;
}

inline int32_t DbFromFixedWetBulb(const PsychroParams* p, const FixedWetBulb& at, const double* sh,
                                  double* result) {
  *result = 0.0;
  if (Failed(at.Status)) return StatusFailed;
  const double b = p->CpVapour * *sh + p->CpAir;
  if (b == 0.0) return StatusFailed;
  return StoreFinite((at.Fall * (at.ShSat - *sh) + at.Rise) / b, result);
}
// Its closed-form inverse: the humidity ratio at which it gives dry bulb db, and the divisor
// L - c wb + Cpv db (the balance's slope in sh is minus it over Cpv sh + Cpa).
struct RatioAtFixedWetBulb {
  double Sh;
  double Divisor;
};
RatioAtFixedWetBulb ShFromFixedWetBulb(const PsychroParams* p, const FixedWetBulb& at, double db);

int32_t VhFromDbRh(PsychroParams* p, const double* db, const double* rh, double* result);
int32_t VhFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result);
int32_t RhFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result);
int32_t RhFromDbVh(PsychroParams* p, const double* db, const double* vh, double* result);

}  // namespace vaporin
