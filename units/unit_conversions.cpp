#include "units/unit_conversions.h"

namespace vaporin {

namespace {
// A unit outside its table converts nothing.
template <typename Unit, size_t N>
double ToDisplay(const std::array<UnitEntry<Unit>, N>& table, Unit unit, double value) {
  const UnitEntry<Unit>* entry = FindUnit(table, unit);
  return entry != nullptr ? entry->ToDisplay(value) : value;
}

template <typename Unit, size_t N>
double FromDisplay(const std::array<UnitEntry<Unit>, N>& table, Unit unit, double shown) {
  const UnitEntry<Unit>* entry = FindUnit(table, unit);
  return entry != nullptr ? entry->FromDisplay(shown) : shown;
}
}  // namespace

double TemperatureToDisplay(double celsius, UnitOfTemperature unit) {
  return ToDisplay(TemperatureUnits, unit, celsius);
}

double TemperatureFromDisplay(double shown, UnitOfTemperature unit) {
  return FromDisplay(TemperatureUnits, unit, shown);
}

double AbsHumidityToDisplay(double gramsPerCubicMetre, UnitOfAbsHumidity unit) {
  return ToDisplay(AbsHumidityUnits, unit, gramsPerCubicMetre);
}

double AbsHumidityFromDisplay(double shown, UnitOfAbsHumidity unit) {
  return FromDisplay(AbsHumidityUnits, unit, shown);
}

double SpecHumidityToDisplay(double kgPerKg, UnitOfSpecHumidity unit) {
  return ToDisplay(SpecHumidityUnits, unit, kgPerKg);
}

double SpecHumidityFromDisplay(double shown, UnitOfSpecHumidity unit) {
  return FromDisplay(SpecHumidityUnits, unit, shown);
}

double EnthalpyToDisplay(double kJPerKg, UnitOfEnthalpy unit) {
  return ToDisplay(EnthalpyUnits, unit, kJPerKg);
}

double EnthalpyFromDisplay(double shown, UnitOfEnthalpy unit) {
  return FromDisplay(EnthalpyUnits, unit, shown);
}

double SpecVolumeToDisplay(double cubicMetresPerKg, UnitOfSpecVolume unit) {
  return ToDisplay(SpecVolumeUnits, unit, cubicMetresPerKg);
}

double SpecVolumeFromDisplay(double shown, UnitOfSpecVolume unit) {
  return FromDisplay(SpecVolumeUnits, unit, shown);
}

}  // namespace vaporin
