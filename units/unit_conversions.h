#pragma once

#include <cstdint>

// Conversions between the engine's units and the units the user picks, by unit index (the
// position of the unit in its choice list). An index without a unit converts nothing.
namespace vaporin {

// Temperature: 0 °C, 1 °F, 2 K.
double TemperatureToDisplay(double celsius, int32_t unit);
double TemperatureFromDisplay(double shown, int32_t unit);
// Absolute humidity: 0 g/m3, 1 gr/ft3.
double AbsHumidityToDisplay(double gramsPerCubicMetre, int32_t unit);
double AbsHumidityFromDisplay(double shown, int32_t unit);
// Humidity ratio: 0 kg/kg(DA), 1 g/kg(DA), 2 gr/lb(DA), 3 lb/lb(DA).
double SpecHumidityToDisplay(double kgPerKg, int32_t unit);
double SpecHumidityFromDisplay(double shown, int32_t unit);
// Enthalpy from and to kJ/kg(DA): 0 kJ/kg, 1 Btu/lb, 2 kcal/kg. The engine's kcal/kg(DA)
// crosses to kJ/kg through KcalToKJ first.
double EnthalpyToDisplay(double kJPerKg, int32_t unit);
double EnthalpyFromDisplay(double shown, int32_t unit);
// Specific volume: 0 m3/kg, 1 ft3/lb.
double SpecVolumeToDisplay(double cubicMetresPerKg, int32_t unit);
double SpecVolumeFromDisplay(double shown, int32_t unit);

}  // namespace vaporin
