#pragma once

#include <cstdint>
#include <string>

#include "units/pressure.h"
#include "units/unit_choices.h"

namespace vaporin {

// LanguageIndex before a language has been chosen.
inline constexpr int32_t NoLanguageChosen = 100;

// The user's choices.
struct UnitSettings {
  UnitOfTemperature TemperatureUnit = UnitOfTemperature::Celsius;
  UnitOfAbsHumidity AbsoluteHumidityUnit = UnitOfAbsHumidity::GramsPerCubicMetre;
  UnitOfSpecHumidity SpecificHumidityUnit = UnitOfSpecHumidity::KgPerKg;
  UnitOfPressure PressureUnit = UnitOfPressure::KPa;
  UnitOfEnthalpy EnthalpyUnit = UnitOfEnthalpy::KJPerKg;
  UnitOfSpecVolume SpecificVolumeUnit = UnitOfSpecVolume::CubicMetresPerKg;
  int32_t PressurePa = StandardPressurePa;   // the atmospheric pressure calculated at
  int32_t LanguageIndex = NoLanguageChosen;  // as stored in the settings file
  std::string LanguageCode;                  // derived from LanguageIndex, never stored
};

}  // namespace vaporin
