#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The units the user picks from, one enum and one table per kind of quantity. The
// enumerators' values are the indices the settings file stores and the unit lists show.
namespace vaporin {

enum class UnitOfTemperature : int32_t { Celsius, Fahrenheit, Kelvin };
enum class UnitOfAbsHumidity : int32_t { GramsPerCubicMetre, GrainsPerCubicFoot };
enum class UnitOfSpecHumidity : int32_t { KgPerKg, GramsPerKg, GrainsPerLb, LbPerLb };
enum class UnitOfPressure : int32_t { KPa, MmHg, InHg, Psi };
enum class UnitOfEnthalpy : int32_t { KJPerKg, BtuPerLb, KcalPerKg };
enum class UnitOfSpecVolume : int32_t { CubicMetresPerKg, CubicFeetPerLb };

// The factors between the engine's units and the others, each once.
namespace unit_factors {
inline constexpr double FahrenheitSlope = 1.8;
inline constexpr double FahrenheitOffset = 32.0;
// °F to °C multiplies by the double nearest 5/9; it never divides by 1.8.
inline constexpr double FahrenheitInverseSlope = 0.5555555555555556;
inline constexpr double KelvinOffset = 273.15;
inline constexpr double GramsPerCubicMetreInGrainPerCubicFoot = 2.2883519;
inline constexpr double GramsPerKilogram = 1000.0;
inline constexpr double GrainsPerPoundPerGramPerKilogram = 7.0;
inline constexpr double BtuPerLbInKJPerKg = 0.42992256;
inline constexpr double KJPerKgInKcalPerKg = 4.1868;
inline constexpr double CubicFeetPerPoundInCubicMetrePerKg = 16.01846353;
}  // namespace unit_factors

// One unit: its index, its name as the window shows it, its spelling on vaporin-calc's command
// line, and its conversions from and to the engine's unit (°C, g/m³, kg/kg(DA), kJ/kg(DA),
// m³/kg(DA)).
template <typename Unit>
struct UnitEntry {
  Unit Id;
  std::string_view Name;
  std::string_view Spelling;
  double (*ToDisplay)(double engineValue);
  double (*FromDisplay)(double shown);
};

constexpr double Unconverted(double value) { return value; }

inline constexpr std::array<UnitEntry<UnitOfTemperature>, 3> TemperatureUnits = {{
    {UnitOfTemperature::Celsius, "°C", "C", Unconverted, Unconverted},
    {UnitOfTemperature::Fahrenheit, "°F", "F",
     [](double celsius) {
       return celsius * unit_factors::FahrenheitSlope + unit_factors::FahrenheitOffset;
     },
     [](double shown) {
       return (shown - unit_factors::FahrenheitOffset) * unit_factors::FahrenheitInverseSlope;
     }},
    {UnitOfTemperature::Kelvin, "K", "K",
     [](double celsius) { return celsius + unit_factors::KelvinOffset; },
     [](double shown) { return shown - unit_factors::KelvinOffset; }},
}};
inline constexpr std::array<UnitEntry<UnitOfAbsHumidity>, 2> AbsHumidityUnits = {{
    {UnitOfAbsHumidity::GramsPerCubicMetre, "g/m³", "g/m3", Unconverted, Unconverted},
    {UnitOfAbsHumidity::GrainsPerCubicFoot, "gr/ft³", "gr/ft3",
     [](double gramsPerCubicMetre) {
       return gramsPerCubicMetre / unit_factors::GramsPerCubicMetreInGrainPerCubicFoot;
     },
     [](double shown) { return shown * unit_factors::GramsPerCubicMetreInGrainPerCubicFoot; }},
}};
inline constexpr std::array<UnitEntry<UnitOfSpecHumidity>, 4> SpecHumidityUnits = {{
    {UnitOfSpecHumidity::KgPerKg, "kg/kg(DA)", "kg/kg", Unconverted, Unconverted},
    {UnitOfSpecHumidity::GramsPerKg, "g/kg(DA)", "g/kg",
     [](double kgPerKg) { return kgPerKg * unit_factors::GramsPerKilogram; },
     [](double shown) { return shown / unit_factors::GramsPerKilogram; }},
    {UnitOfSpecHumidity::GrainsPerLb, "gr/lb(DA)", "gr/lb",
     [](double kgPerKg) {
       return kgPerKg * unit_factors::GramsPerKilogram *
              unit_factors::GrainsPerPoundPerGramPerKilogram;
     },
     [](double shown) {
       return shown / unit_factors::GramsPerKilogram /
              unit_factors::GrainsPerPoundPerGramPerKilogram;
     }},
    // A pound per pound is a kilogram per kilogram.
    {UnitOfSpecHumidity::LbPerLb, "lb/lb(DA)", "lb/lb", Unconverted, Unconverted},
}};
inline constexpr std::array<UnitEntry<UnitOfEnthalpy>, 3> EnthalpyUnits = {{
    {UnitOfEnthalpy::KJPerKg, "kJ/kg", "kJ/kg", Unconverted, Unconverted},
    {UnitOfEnthalpy::BtuPerLb, "Btu/lb", "Btu/lb",
     [](double kJPerKg) { return kJPerKg * unit_factors::BtuPerLbInKJPerKg; },
     [](double shown) { return shown / unit_factors::BtuPerLbInKJPerKg; }},
    {UnitOfEnthalpy::KcalPerKg, "kcal/kg", "kcal/kg",
     [](double kJPerKg) { return kJPerKg / unit_factors::KJPerKgInKcalPerKg; },
     [](double shown) { return shown * unit_factors::KJPerKgInKcalPerKg; }},
}};
inline constexpr std::array<UnitEntry<UnitOfSpecVolume>, 2> SpecVolumeUnits = {{
    {UnitOfSpecVolume::CubicMetresPerKg, "m³/kg", "m3/kg", Unconverted, Unconverted},
    {UnitOfSpecVolume::CubicFeetPerLb, "ft³/lb", "ft3/lb",
     [](double cubicMetresPerKg) {
       return cubicMetresPerKg * unit_factors::CubicFeetPerPoundInCubicMetrePerKg;
     },
     [](double shown) { return shown / unit_factors::CubicFeetPerPoundInCubicMetrePerKg; }},
}};

// The unit's entry; none for a unit outside its table.
template <typename Unit, size_t N>
constexpr const UnitEntry<Unit>* FindUnit(const std::array<UnitEntry<Unit>, N>& table, Unit unit) {
  for (const UnitEntry<Unit>& entry : table) {
    if (entry.Id == unit) return &entry;
  }
  return nullptr;
}

// A unit from the settings file or a list may lie outside its table: such values are shown
// unconverted, so they are named by the table's first unit.
template <typename Unit, size_t N>
constexpr std::string_view UnitNameOf(const std::array<UnitEntry<Unit>, N>& table, Unit unit) {
  const UnitEntry<Unit>* entry = FindUnit(table, unit);
  return entry != nullptr ? entry->Name : table.front().Name;
}

}  // namespace vaporin
