#include "units/unit_conversions.h"

namespace vaporin {

namespace {
constexpr double FahrenheitSlope = 1.8;
constexpr double FahrenheitOffset = 32.0;
// °F to °C multiplies by the double nearest 5/9; it never divides by 1.8.
constexpr double FahrenheitInverseSlope = 0.5555555555555556;
constexpr double KelvinOffset = 273.15;
constexpr double GramsPerCubicMetreInGrainPerCubicFoot = 2.2883519;
constexpr double GramsPerKilogram = 1000.0;
constexpr double GrainsPerPoundPerGramPerKilogram = 7.0;
constexpr double BtuPerLbInKJPerKg = 0.42992256;
constexpr double KJPerKgInKcalPerKg = 4.1868;
constexpr double CubicFeetPerPoundInCubicMetrePerKg = 16.01846353;
}  // namespace

double TemperatureToDisplay(double celsius, UnitOfTemperature unit) {
  switch (unit) {
    case UnitOfTemperature::Fahrenheit:
      return celsius * FahrenheitSlope + FahrenheitOffset;
    case UnitOfTemperature::Kelvin:
      return celsius + KelvinOffset;
    default:
      return celsius;
  }
}

double TemperatureFromDisplay(double shown, UnitOfTemperature unit) {
  switch (unit) {
    case UnitOfTemperature::Fahrenheit:
      return (shown - FahrenheitOffset) * FahrenheitInverseSlope;
    case UnitOfTemperature::Kelvin:
      return shown - KelvinOffset;
    default:
      return shown;
  }
}

double AbsHumidityToDisplay(double gramsPerCubicMetre, UnitOfAbsHumidity unit) {
  return unit == UnitOfAbsHumidity::GrainsPerCubicFoot
             ? gramsPerCubicMetre / GramsPerCubicMetreInGrainPerCubicFoot
             : gramsPerCubicMetre;
}

double AbsHumidityFromDisplay(double shown, UnitOfAbsHumidity unit) {
  return unit == UnitOfAbsHumidity::GrainsPerCubicFoot
             ? shown * GramsPerCubicMetreInGrainPerCubicFoot
             : shown;
}

double SpecHumidityToDisplay(double kgPerKg, UnitOfSpecHumidity unit) {
  switch (unit) {
    case UnitOfSpecHumidity::GramsPerKg:
      return kgPerKg * GramsPerKilogram;
    case UnitOfSpecHumidity::GrainsPerLb:
      return kgPerKg * GramsPerKilogram * GrainsPerPoundPerGramPerKilogram;
    default:
      return kgPerKg;
  }
}

double SpecHumidityFromDisplay(double shown, UnitOfSpecHumidity unit) {
  switch (unit) {
    case UnitOfSpecHumidity::GramsPerKg:
      return shown / GramsPerKilogram;
    case UnitOfSpecHumidity::GrainsPerLb:
      return shown / GramsPerKilogram / GrainsPerPoundPerGramPerKilogram;
    default:
      return shown;
  }
}

double EnthalpyToDisplay(double kJPerKg, UnitOfEnthalpy unit) {
  switch (unit) {
    case UnitOfEnthalpy::BtuPerLb:
      return kJPerKg * BtuPerLbInKJPerKg;
    case UnitOfEnthalpy::KcalPerKg:
      return kJPerKg / KJPerKgInKcalPerKg;
    default:
      return kJPerKg;
  }
}

double EnthalpyFromDisplay(double shown, UnitOfEnthalpy unit) {
  switch (unit) {
    case UnitOfEnthalpy::BtuPerLb:
      return shown / BtuPerLbInKJPerKg;
    case UnitOfEnthalpy::KcalPerKg:
      return shown * KJPerKgInKcalPerKg;
    default:
      return shown;
  }
}

double SpecVolumeToDisplay(double cubicMetresPerKg, UnitOfSpecVolume unit) {
  return unit == UnitOfSpecVolume::CubicFeetPerLb
             ? cubicMetresPerKg * CubicFeetPerPoundInCubicMetrePerKg
             : cubicMetresPerKg;
}

double SpecVolumeFromDisplay(double shown, UnitOfSpecVolume unit) {
  return unit == UnitOfSpecVolume::CubicFeetPerLb ? shown / CubicFeetPerPoundInCubicMetrePerKg
                                                  : shown;
}

}  // namespace vaporin
