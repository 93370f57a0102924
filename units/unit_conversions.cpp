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

enum TemperatureUnit : int32_t { Celsius = 0, Fahrenheit = 1, Kelvin = 2 };
enum AbsHumidityUnit : int32_t { GramsPerCubicMetre = 0, GrainsPerCubicFoot = 1 };
enum SpecHumidityUnit : int32_t { KgPerKg = 0, GramsPerKg = 1, GrainsPerLb = 2, LbPerLb = 3 };
enum EnthalpyUnit : int32_t { KJPerKg = 0, BtuPerLb = 1, KcalPerKg = 2 };
enum SpecVolumeUnit : int32_t { CubicMetresPerKg = 0, CubicFeetPerLb = 1 };
}  // namespace

double TemperatureToDisplay(double celsius, int32_t unit) {
  switch (unit) {
    case Fahrenheit:
      return celsius * FahrenheitSlope + FahrenheitOffset;
    case Kelvin:
      return celsius + KelvinOffset;
    default:
      return celsius;
  }
}

double TemperatureFromDisplay(double shown, int32_t unit) {
  switch (unit) {
    case Fahrenheit:
      return (shown - FahrenheitOffset) * FahrenheitInverseSlope;
    case Kelvin:
      return shown - KelvinOffset;
    default:
      return shown;
  }
}

double AbsHumidityToDisplay(double gramsPerCubicMetre, int32_t unit) {
  return unit == GrainsPerCubicFoot ? gramsPerCubicMetre / GramsPerCubicMetreInGrainPerCubicFoot
                                    : gramsPerCubicMetre;
}

double AbsHumidityFromDisplay(double shown, int32_t unit) {
  return unit == GrainsPerCubicFoot ? shown * GramsPerCubicMetreInGrainPerCubicFoot : shown;
}

double SpecHumidityToDisplay(double kgPerKg, int32_t unit) {
  switch (unit) {
    case GramsPerKg:
      return kgPerKg * GramsPerKilogram;
    case GrainsPerLb:
      return kgPerKg * GramsPerKilogram * GrainsPerPoundPerGramPerKilogram;
    default:
      return kgPerKg;
  }
}

double SpecHumidityFromDisplay(double shown, int32_t unit) {
  switch (unit) {
    case GramsPerKg:
      return shown / GramsPerKilogram;
    case GrainsPerLb:
      return shown / GramsPerKilogram / GrainsPerPoundPerGramPerKilogram;
    default:
      return shown;
  }
}

double EnthalpyToDisplay(double kJPerKg, int32_t unit) {
  switch (unit) {
    case BtuPerLb:
      return kJPerKg * BtuPerLbInKJPerKg;
    case KcalPerKg:
      return kJPerKg / KJPerKgInKcalPerKg;
    default:
      return kJPerKg;
  }
}

double EnthalpyFromDisplay(double shown, int32_t unit) {
  switch (unit) {
    case BtuPerLb:
      return shown / BtuPerLbInKJPerKg;
    case KcalPerKg:
      return shown * KJPerKgInKcalPerKg;
    default:
      return shown;
  }
}

double SpecVolumeToDisplay(double cubicMetresPerKg, int32_t unit) {
  return unit == CubicFeetPerLb ? cubicMetresPerKg * CubicFeetPerPoundInCubicMetrePerKg
                                : cubicMetresPerKg;
}

double SpecVolumeFromDisplay(double shown, int32_t unit) {
  return unit == CubicFeetPerLb ? shown / CubicFeetPerPoundInCubicMetrePerKg : shown;
}

}  // namespace vaporin
