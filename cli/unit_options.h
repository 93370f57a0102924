#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/unit_settings.h"
#include "units/unit_choices.h"

// The units as the command line spells them, one table per kind of quantity.
namespace vaporin::cli {

template <typename Unit>
struct UnitSpelling {
  Unit Id;
  std::string_view Spelling;
};

inline constexpr std::array<UnitSpelling<UnitOfTemperature>, 3> TemperatureSpellings = {{
    {UnitOfTemperature::Celsius, "C"},
    {UnitOfTemperature::Fahrenheit, "F"},
    {UnitOfTemperature::Kelvin, "K"},
}};
inline constexpr std::array<UnitSpelling<UnitOfAbsHumidity>, 2> AbsHumiditySpellings = {{
    {UnitOfAbsHumidity::GramsPerCubicMetre, "g/m3"},
    {UnitOfAbsHumidity::GrainsPerCubicFoot, "gr/ft3"},
}};
inline constexpr std::array<UnitSpelling<UnitOfSpecHumidity>, 4> SpecHumiditySpellings = {{
    {UnitOfSpecHumidity::KgPerKg, "kg/kg"},
    {UnitOfSpecHumidity::GramsPerKg, "g/kg"},
    {UnitOfSpecHumidity::GrainsPerLb, "gr/lb"},
    {UnitOfSpecHumidity::LbPerLb, "lb/lb"},
}};
inline constexpr std::array<UnitSpelling<UnitOfEnthalpy>, 3> EnthalpySpellings = {{
    {UnitOfEnthalpy::KJPerKg, "kJ/kg"},
    {UnitOfEnthalpy::BtuPerLb, "Btu/lb"},
    {UnitOfEnthalpy::KcalPerKg, "kcal/kg"},
}};
inline constexpr std::array<UnitSpelling<UnitOfSpecVolume>, 2> SpecVolumeSpellings = {{
    {UnitOfSpecVolume::CubicMetresPerKg, "m3/kg"},
    {UnitOfSpecVolume::CubicFeetPerLb, "ft3/lb"},
}};

template <typename Unit, size_t N>
std::optional<Unit> UnitSpelled(const std::array<UnitSpelling<Unit>, N>& table,
                                std::string_view spelling) {
  for (const UnitSpelling<Unit>& entry : table) {
    if (entry.Spelling == spelling) return entry.Id;
  }
  return std::nullopt;
}

// A unit outside its table is spelled as the table's first, as the window names it.
template <typename Unit, size_t N>
std::string_view SpellingOf(const std::array<UnitSpelling<Unit>, N>& table, Unit unit) {
  for (const UnitSpelling<Unit>& entry : table) {
    if (entry.Id == unit) return entry.Spelling;
  }
  return table.front().Spelling;
}

// "C|F|K" and the like, for messages and help.
template <typename Unit, size_t N>
std::string Choices(const std::array<UnitSpelling<Unit>, N>& table) {
  std::string choices;
  for (const UnitSpelling<Unit>& entry : table) {
    if (!choices.empty()) choices += '|';
    choices += entry.Spelling;
  }
  return choices;
}

}  // namespace vaporin::cli
