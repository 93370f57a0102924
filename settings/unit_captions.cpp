#include "settings/unit_captions.h"

#include "settings/unit_names.h"
#include "units/number_text.h"

namespace vaporin {

namespace {
// The standard atmosphere in each pressure unit, as the caption shows it.
constexpr std::array<std::string_view, 4> StandardAtmosphere = {"101.325", "760", "29.92",
                                                                "14.6956"};

template <size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& names, int32_t index) {
  return index >= 0 && static_cast<size_t>(index) < N ? names[static_cast<size_t>(index)]
                                                      : names.front();
}

std::string WithUnit(const std::string& title, std::string_view unit) {
  return title + "[" + std::string(unit) + "]";
}
}  // namespace

UnitCaptions ComposeUnitCaptions(const BaseTitles& titles, const UnitSettings& units,
                                 std::string_view separator) {
  UnitCaptions captions;
  captions.RelativeHumidity = titles[TitleRelativeHumidity] + "[%]:";
  const int32_t pressure = units.PressureUnit;
  if (pressure >= 0 && static_cast<size_t>(pressure) < StandardAtmosphere.size()) {
    captions.Pressure =
        titles[TitleHint] + "(" +
        LocalizeNumberText(StandardAtmosphere[static_cast<size_t>(pressure)], separator) +
        std::string(PressureUnitNames[static_cast<size_t>(pressure)]) + ")";
  }
  const std::string_view temperature = NameOf(TemperatureUnitNames, units.TemperatureUnit);
  captions.DryBulb = WithUnit(titles[TitleDryBulb], temperature);
  captions.DewPoint = WithUnit(titles[TitleDewPoint], temperature);
  captions.WetBulb = WithUnit(titles[TitleWetBulb], temperature);
  captions.AbsoluteHumidity = WithUnit(
      titles[TitleAbsoluteHumidity], NameOf(AbsoluteHumidityUnitNames, units.AbsoluteHumidityUnit));
  captions.SpecificHumidity = WithUnit(
      titles[TitleSpecificHumidity], NameOf(SpecificHumidityUnitNames, units.SpecificHumidityUnit));
  captions.Enthalpy =
      WithUnit(titles[TitleEnthalpy], NameOf(EnthalpyUnitNames, units.EnthalpyUnit));
  captions.SpecificVolume = WithUnit(titles[TitleSpecificVolume],
                                     NameOf(SpecificVolumeUnitNames, units.SpecificVolumeUnit));
  return captions;
}

}  // namespace vaporin
