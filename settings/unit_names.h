#pragma once

#include <array>
#include <string_view>

// The units' names, in the order of their indices in UnitSettings.
namespace vaporin {

inline constexpr std::array<std::string_view, 3> TemperatureUnitNames = {"°C", "°F", "K"};
inline constexpr std::array<std::string_view, 2> AbsoluteHumidityUnitNames = {"g/m³", "gr/ft³"};
inline constexpr std::array<std::string_view, 4> SpecificHumidityUnitNames = {
    "kg/kg(DA)", "g/kg(DA)", "gr/lb(DA)", "lb/lb(DA)"};
inline constexpr std::array<std::string_view, 4> PressureUnitNames = {"kPa", "mmHg", "inHg", "psi"};
inline constexpr std::array<std::string_view, 3> EnthalpyUnitNames = {"kJ/kg", "Btu/lb", "kcal/kg"};
inline constexpr std::array<std::string_view, 2> SpecificVolumeUnitNames = {"m³/kg", "ft³/lb"};

}  // namespace vaporin
