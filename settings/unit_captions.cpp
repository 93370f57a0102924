#include "settings/unit_captions.h"

#include "units/pressure.h"

namespace vaporin {

namespace {
std::string WithUnit(const std::string& title, std::string_view unit) {
  return title + "[" + std::string(unit) + "]";
}
}  // namespace

UnitCaptions ComposeUnitCaptions(const BaseTitles& titles, const UnitSettings& units,
                                 std::string_view separator) {
  UnitCaptions captions;
  captions.RelativeHumidity = titles[TitleRelativeHumidity] + "[%]:";
  if (const PressureUnitEntry* pressure = FindPressureUnit(units.PressureUnit)) {
    captions.Pressure = titles[TitleHint] + "(" +
                        PressureText(units.PressurePa, units.PressureUnit, separator) +
                        std::string(pressure->Name) + ")";
  }
  const std::string_view temperature = UnitNameOf(TemperatureUnits, units.TemperatureUnit);
  captions.DryBulb = WithUnit(titles[TitleDryBulb], temperature);
  captions.DewPoint = WithUnit(titles[TitleDewPoint], temperature);
  captions.WetBulb = WithUnit(titles[TitleWetBulb], temperature);
  captions.AbsoluteHumidity = WithUnit(titles[TitleAbsoluteHumidity],
                                       UnitNameOf(AbsHumidityUnits, units.AbsoluteHumidityUnit));
  captions.SpecificHumidity = WithUnit(titles[TitleSpecificHumidity],
                                       UnitNameOf(SpecHumidityUnits, units.SpecificHumidityUnit));
  captions.Enthalpy =
      WithUnit(titles[TitleEnthalpy], UnitNameOf(EnthalpyUnits, units.EnthalpyUnit));
  captions.SpecificVolume =
      WithUnit(titles[TitleSpecificVolume], UnitNameOf(SpecVolumeUnits, units.SpecificVolumeUnit));
  return captions;
}

}  // namespace vaporin
