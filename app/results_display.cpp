#include "app/results_display.h"

#include <cmath>

#include "units/number_text.h"
#include "units/unit_conversions.h"

namespace vaporin {

namespace {
constexpr std::string_view TwoDecimals = "0.00";
constexpr std::string_view FourDecimals = "0.0000";
constexpr std::string_view FiveDecimals = "0.00000";
constexpr std::string_view Scientific = "0.0e+00";

// Unit indices whose values have their own pattern rules.
constexpr int32_t GramsPerKgUnit = 1;
constexpr int32_t GrainsPerLbUnit = 2;
constexpr int32_t FirstNonSiEnthalpyUnit = 1;  // Btu/lb, kcal/kg
constexpr int32_t FirstNonSiVolumeUnit = 1;    // ft3/lb

// A humidity ratio in kg/kg(DA) or lb/lb(DA) is shown fixed within these bounds.
constexpr double HumidityRatioFixedBelow = 10.0;
constexpr double HumidityRatioFixedAbove = 0.00001;
// Enthalpy in kJ/kg(DA) and specific volume in m3/kg(DA) are shown fixed below this.
constexpr double LargeValue = 10000.0;
}  // namespace

DisplayFormats StandardDisplayFormats() {
  const std::string two(TwoDecimals);
  const std::string scientific(Scientific);
  return {two,        two, std::string(FiveDecimals), scientific, two,
          scientific, two, std::string(FourDecimals), scientific, two,
          two};
}

BoxTexts ResultTexts(const AirState& state, const UnitSettings& units,
                     const DisplayFormats& formats, std::string_view separator, double kcalToKJ) {
  auto shown = [&](const std::string& pattern, double value) {
    return LocalizeNumberText(FormatNumber(pattern, value), separator);
  };
  BoxTexts texts;
  TextOf(texts, EditBox::DB) =
      shown(formats.DryBulb, TemperatureToDisplay(state.DB, units.TemperatureUnit));
  TextOf(texts, EditBox::RH) = shown(formats.RelativeHumidity, state.RH);

  const int32_t shUnit = units.SpecificHumidityUnit;
  if (shUnit == GramsPerKgUnit || shUnit == GrainsPerLbUnit) {
    TextOf(texts, EditBox::SH) =
        shown(formats.RelativeHumidity, SpecHumidityToDisplay(state.SH, shUnit));
  } else {
    const double x = state.SH;
    const bool fixed =
        (x < HumidityRatioFixedBelow && std::fabs(x) > HumidityRatioFixedAbove) || x == 0.0;
    TextOf(texts, EditBox::SH) =
        shown(fixed ? formats.HumidityRatioFixed : formats.HumidityRatioScientific, x);
  }

  const double kJ = state.ENH * kcalToKJ;
  TextOf(texts, EditBox::ENH) =
      kJ < LargeValue || units.EnthalpyUnit >= FirstNonSiEnthalpyUnit
          ? shown(formats.EnthalpyFixed, EnthalpyToDisplay(kJ, units.EnthalpyUnit))
          : shown(formats.EnthalpyScientific, kJ);

  TextOf(texts, EditBox::WB) =
      shown(formats.WetBulb, TemperatureToDisplay(state.WB, units.TemperatureUnit));

  const double v = state.SV;
  TextOf(texts, EditBox::SV) =
      v < LargeValue || units.SpecificVolumeUnit >= FirstNonSiVolumeUnit
          ? shown(formats.SpecificVolumeFixed, SpecVolumeToDisplay(v, units.SpecificVolumeUnit))
          : shown(formats.SpecificVolumeScientific, v);

  TextOf(texts, EditBox::DP) =
      shown(formats.DewPoint, TemperatureToDisplay(state.DP, units.TemperatureUnit));
  TextOf(texts, EditBox::VH) =
      shown(formats.AbsoluteHumidity, AbsHumidityToDisplay(state.VH, units.AbsoluteHumidityUnit));
  return texts;
}

}  // namespace vaporin
