#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The units the user picks from, one enum and one table of names per kind of quantity. The
// enumerators' values are the indices the settings file stores and the unit lists show.
namespace vaporin {

enum class UnitOfTemperature : int32_t { Celsius, Fahrenheit, Kelvin };
enum class UnitOfAbsHumidity : int32_t { GramsPerCubicMetre, GrainsPerCubicFoot };
enum class UnitOfSpecHumidity : int32_t { KgPerKg, GramsPerKg, GrainsPerLb, LbPerLb };
enum class UnitOfPressure : int32_t { KPa, MmHg, InHg, Psi };
enum class UnitOfEnthalpy : int32_t { KJPerKg, BtuPerLb, KcalPerKg };
enum class UnitOfSpecVolume : int32_t { CubicMetresPerKg, CubicFeetPerLb };

template <typename Unit>
struct UnitEntry {
  Unit Id;
  std::string_view Name;
};

inline constexpr std::array<UnitEntry<UnitOfTemperature>, 3> TemperatureUnits = {{
    {UnitOfTemperature::Celsius, "°C"},
    {UnitOfTemperature::Fahrenheit, "°F"},
    {UnitOfTemperature::Kelvin, "K"},
}};
inline constexpr std::array<UnitEntry<UnitOfAbsHumidity>, 2> AbsHumidityUnits = {{
    {UnitOfAbsHumidity::GramsPerCubicMetre, "g/m³"},
    {UnitOfAbsHumidity::GrainsPerCubicFoot, "gr/ft³"},
}};
inline constexpr std::array<UnitEntry<UnitOfSpecHumidity>, 4> SpecHumidityUnits = {{
    {UnitOfSpecHumidity::KgPerKg, "kg/kg(DA)"},
    {UnitOfSpecHumidity::GramsPerKg, "g/kg(DA)"},
    {UnitOfSpecHumidity::GrainsPerLb, "gr/lb(DA)"},
    {UnitOfSpecHumidity::LbPerLb, "lb/lb(DA)"},
}};
inline constexpr std::array<UnitEntry<UnitOfEnthalpy>, 3> EnthalpyUnits = {{
    {UnitOfEnthalpy::KJPerKg, "kJ/kg"},
    {UnitOfEnthalpy::BtuPerLb, "Btu/lb"},
    {UnitOfEnthalpy::KcalPerKg, "kcal/kg"},
}};
inline constexpr std::array<UnitEntry<UnitOfSpecVolume>, 2> SpecVolumeUnits = {{
    {UnitOfSpecVolume::CubicMetresPerKg, "m³/kg"},
    {UnitOfSpecVolume::CubicFeetPerLb, "ft³/lb"},
}};

// A unit from the settings file or a list may lie outside its table: such values are shown
// unconverted, so they are named by the table's first unit.
template <typename Unit, size_t N>
constexpr std::string_view UnitNameOf(const std::array<UnitEntry<Unit>, N>& table, Unit unit) {
  for (const UnitEntry<Unit>& entry : table) {
    if (entry.Id == unit) return entry.Name;
  }
  return table.front().Name;
}

}  // namespace vaporin
