#pragma once

#include <cstdint>
#include <string>

namespace vaporin {

// LanguageIndex before a language has been chosen.
inline constexpr int32_t NoLanguageChosen = 100;

// The user's choices. The unit indices are positions in the units' choice lists; see the
// conversions for their meaning.
struct UnitSettings {
  int32_t TemperatureUnit = 0;       // °C, °F, K
  int32_t AbsoluteHumidityUnit = 0;  // g/m3, gr/ft3
  int32_t SpecificHumidityUnit = 0;  // kg/kg(DA), g/kg(DA), gr/lb(DA), lb/lb(DA)
  int32_t PressureUnit = 0;          // kPa, mmHg, inHg, psi: the caption only
  int32_t EnthalpyUnit = 0;          // kJ/kg, Btu/lb, kcal/kg
  int32_t SpecificVolumeUnit = 0;    // m3/kg, ft3/lb
  int32_t LanguageIndex = NoLanguageChosen;
  std::string LanguageCode;  // derived from LanguageIndex, never stored
};

}  // namespace vaporin
