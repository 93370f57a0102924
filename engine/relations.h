#pragma once

#include <cstdint>

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
int32_t DbFromEnhSh(PsychroParams* p, const double* enh, const double* sh, double* result);
// Dry bulb from the energy balance of a wetted (below 0 °C: iced) bulb.
int32_t DbFromWbSh(PsychroParams* p, const double* wb, const double* sh, double* result);
// DbFromWbSh with the saturation pressure at the wet bulb already known, as SatPressure gives it.
int32_t DbFromWbShAt(PsychroParams* p, const double* wb, const double* pws, const double* sh,
                     double* result);
int32_t VhFromDbRh(PsychroParams* p, const double* db, const double* rh, double* result);
int32_t VhFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result);
int32_t RhFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result);
int32_t RhFromDbVh(PsychroParams* p, const double* db, const double* vh, double* result);

}  // namespace vaporin
