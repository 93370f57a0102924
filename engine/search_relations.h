#pragma once

#include <cstdint>

#include "engine/psychro_params.h"

// The relations without a closed form, each a StepSearch over one temperature (°C) or one
// humidity ratio (kg/kg(DA)) whose probe is a forward relation. Same conventions as the
// closed-form relations; none of them changes UnitMode.
namespace vaporin {

// Above this humidity ratio (kg/kg(DA)) the wet bulb and the dew point are fixed values.
inline constexpr double SearchlessShLimit = 10000.0;
inline constexpr double WbAboveShLimitC = 100.0;
inline constexpr double DpAboveShLimitC = 99.99999;
// A dew point found below this (°C) is reported as absolute zero.
inline constexpr double DpAbsoluteZeroBelowC = -200.0;

// Wet bulb, °C, at dry bulb db (°C) and humidity ratio sh (kg/kg(DA)): inverts the energy
// balance DbFromWbSh in its wet bulb. About four readings.
int32_t WbFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result);
// Dew point, °C, of humidity ratio sh (kg/kg(DA)): inverts ShFromDbRh at 100 % in the
// temperature. Two or three readings.
int32_t DpFromSh(PsychroParams* p, const double* sh, double* result);
// WbFromDbSh, then DpFromSh if it succeeds: the same results, found together faster.
int32_t WbAndDpFromDbSh(PsychroParams* p, const double* db, const double* sh, double* wb,
                        double* dp);
// The steps a solver takes between the dry bulb and the wet bulb, on the state's fields.
using DryBulbStep = int32_t (*)(PsychroParams*, AirState*);
// DbFromRhSh, then `between`, then WbAndDpFromDbSh, on the state's fields: the same results
// and writes, found together faster.
int32_t DbThenWbAndDpFromRhSh(PsychroParams* p, AirState* a, DryBulbStep between);
// Humidity ratio, kg/kg(DA), at dry bulb db and wet bulb wb (°C): the ratio at which the
// wet-bulb search at db ends at wb. A few dozen questions of WetBulbAbove, most settled without
// a search.
int32_t ShFromDbWb(PsychroParams* p, const double* db, const double* wb, double* result);
// Humidity ratio, kg/kg(DA), at dry bulb db (°C) and volume sv (m³/kg(DA)): inverts DbFromSvSh
// in the ratio. A few readings from its closed-form crossing.
int32_t ShFromDbSv(PsychroParams* p, const double* db, const double* sv, double* result);
// Humidity ratio at volume sv (m³/kg(DA)) and wet bulb wb (°C): nested, as ShFromDbWb.
int32_t ShFromSvWb(PsychroParams* p, const double* sv, const double* wb, double* result);
// The dry bulbs, °C, at the named pair (wet bulb wb °C, volume sv m³/kg(DA), absolute humidity
// vh g/m³, enthalpy enh in the unit mode's unit, relative humidity rh %, humidity ratio sh
// kg/kg(DA)). Each inverts the pair's relation of the dry bulb; from a bracket, two to six
// readings, the nested ones (wb with vh, rh with wb) a few dozen wet-bulb questions.
int32_t DbFromWbVh(PsychroParams* p, const double* wb, const double* vh, double* result);
int32_t DbFromSvVh(PsychroParams* p, const double* sv, const double* vh, double* result);
int32_t DbFromEnhVh(PsychroParams* p, const double* enh, const double* vh, double* result);
int32_t DbFromRhSh(PsychroParams* p, const double* rh, const double* sh, double* result);
int32_t DbFromRhVh(PsychroParams* p, const double* rh, const double* vh, double* result);
int32_t DbFromShVh(PsychroParams* p, const double* sh, const double* vh, double* result);
int32_t DbFromRhEnh(PsychroParams* p, const double* rh, const double* enh, double* result);
int32_t DbFromRhWb(PsychroParams* p, const double* rh, const double* wb, double* result);
int32_t DbFromRhSv(PsychroParams* p, const double* rh, const double* sv, double* result);
int32_t DbFromSvEnh(PsychroParams* p, const double* sv, const double* enh, double* result);

}  // namespace vaporin
