#pragma once

#include "units/unit_choices.h"

// Conversions between the engine's units and the units the user picks. A unit outside its
// table converts nothing.
namespace vaporin {

double TemperatureToDisplay(double celsius, UnitOfTemperature unit);
double TemperatureFromDisplay(double shown, UnitOfTemperature unit);
double AbsHumidityToDisplay(double gramsPerCubicMetre, UnitOfAbsHumidity unit);
double AbsHumidityFromDisplay(double shown, UnitOfAbsHumidity unit);
double SpecHumidityToDisplay(double kgPerKg, UnitOfSpecHumidity unit);
double SpecHumidityFromDisplay(double shown, UnitOfSpecHumidity unit);
// Enthalpy from and to kJ/kg(DA); the engine's kcal/kg(DA) crosses to kJ/kg through KcalToKJ
// first.
double EnthalpyToDisplay(double kJPerKg, UnitOfEnthalpy unit);
double EnthalpyFromDisplay(double shown, UnitOfEnthalpy unit);
double SpecVolumeToDisplay(double cubicMetresPerKg, UnitOfSpecVolume unit);
double SpecVolumeFromDisplay(double shown, UnitOfSpecVolume unit);

}  // namespace vaporin
