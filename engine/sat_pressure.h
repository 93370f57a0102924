#pragma once

#include <cstdint>

#include "engine/psychro_params.h"

namespace vaporin {

// SatPressure's branches, °C: over ice below the first bound, over water below the second, by
// the IAPWS equation below the critical temperature, from which it fails.
inline constexpr double IceBranchEndC = 0.0;
inline constexpr double WaterBranchEndC = 100.0;
inline constexpr double CriticalTemperatureC = 373.946;

// Saturation vapour pressure at t °C: over ice below 0 °C, over water up to 100 °C, by the
// IAPWS equation above. mmHg, or hPa under UnitModeHPa. Fails at or below 0 K and from the
// critical temperature up.
int32_t SatPressure(PsychroParams* p, const double* t, double* result);

// SatPressure, for the searches' probes: the same bits, with the value at the top of the ice
// branch, which every search over the water branch reads, computed once.
int32_t ProbeSatPressure(PsychroParams* p, const double* t, double* result);

// ln(SatPressure in hPa) at t °C over ice or over water, without its exponential; NaN elsewhere.
// Only for estimates: the searches' results never depend on it.
double SatPressureLogHPa(double t);

// d ln(SatPressure) / dt at t °C, per K, over ice or over water; NaN elsewhere. Only for
// estimates: the searches' results never depend on it.
double SatPressureLogSlope(double t);
// Its own slope, per K squared, likewise.
double SatPressureLogCurvature(double t);

}  // namespace vaporin
