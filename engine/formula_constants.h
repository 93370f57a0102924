#pragma once

// The literals the relations' formulas use, which the record does not hold.
namespace vaporin {

inline constexpr double GasConstAirKJPerKgK = 0.2871;  // kJ/(kg·K)
// Ratio of the molar masses of dry air and water.
inline constexpr double MolarMassRatioAirToWater = 1.6078;
// Water-vapour density per hPa of vapour pressure and per kelvin: g·K/(m3·hPa).
inline constexpr double VapourDensityFactor = 216.674;

}  // namespace vaporin
