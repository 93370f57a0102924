#pragma once

#include <cstdint>

#include "engine/psychro_params.h"

// The bounds of real air, as a solved state is judged against them: widened by what one final
// step of the searches that found the state changes (its resolution), and above saturation also
// by the formulas' own excess there.
namespace vaporin {

// Absolute zero, °C: a dry bulb at or below it is no temperature.
inline constexpr double AbsoluteZeroC = -273.15;

// A quantity from a dry bulb (°C) and a humidity ratio (kg/kg(DA)), as the relations give it.
using RelationFromDbSh = int32_t (*)(PsychroParams*, const double*, const double*, double*);

// How far `relation` moves from `base`, its value at `state`, at most, when the dry bulb of
// `state` moves by ±dDb (°C) and its humidity ratio by ±dSh (kg/kg(DA)).
double MostMove(PsychroParams* params, RelationFromDbSh relation, const AirState& state,
                double base, double dDb, double dSh);

// What one step of the finest grid of each search that found `state` moves these quantities
// by, either way: %, kg/kg(DA), g/m³.
struct StateResolution {
  double RH = 0.0;
  double SH = 0.0;
  double VH = 0.0;
};
StateResolution ResolutionOf(PsychroParams* params, const AirState& state, int32_t pairCode);

// How far above 100 % (in %) the relations put saturated air at `dryBulbC` (°C) when the state
// is solved from `pairCode`'s two values, beyond the searches' resolution.
double SaturationExcess(int32_t pairCode, double dryBulbC);

// Whether `state` (solved for `pairCode`) lies within the bounds of real air widened by its
// resolution: relative humidity 0 to 100 % plus the excess, humidity ratio and absolute
// humidity not negative, specific volume positive, dry bulb above absolute zero, every field
// finite. A value past its bound by no more than the resolution is brought to the bound (a
// relative humidity to 100 %, with the dew point to the dry bulb).
bool FitToRealAir(PsychroParams* params, int32_t pairCode, AirState* state);

}  // namespace vaporin
