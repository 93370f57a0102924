#include "core/results_display.h"

#include <cmath>

#include "units/number_text.h"
#include "units/unit_conversions.h"

namespace vaporin {

namespace {
// Units from the first non-SI one on (and past the table's end, as stored files may hold)
// are always shown fixed.
template <typename Unit>
bool FromFirstNonSi(Unit unit, Unit firstNonSi) {
  return static_cast<int32_t>(unit) >= static_cast<int32_t>(firstNonSi);
}

// A humidity ratio in kg/kg(DA) or lb/lb(DA) is shown fixed within these bounds.
constexpr double HumidityRatioFixedBelow = 10.0;
constexpr double HumidityRatioFixedAbove = 0.00001;
// Enthalpy in kJ/kg(DA) and specific volume in m3/kg(DA) are shown fixed below this.
constexpr double LargeValue = 10000.0;
}  // namespace

DisplayFormats StandardDisplayFormats() {
  constexpr NumberPattern two = NumberPattern::TwoDecimals;
  constexpr NumberPattern scientific = NumberPattern::Scientific;
  return {two,        two, NumberPattern::FiveDecimals, scientific, two,
          scientific, two, NumberPattern::FourDecimals, scientific, two,
          two};
}

std::string_view UnitNameOf(EditBox box, const UnitSettings& units) {
  switch (box) {
    case EditBox::DB:
    case EditBox::DP:
    case EditBox::WB:
      return UnitNameOf(TemperatureUnits, units.TemperatureUnit);
    case EditBox::RH:
      return "%";
    case EditBox::VH:
      return UnitNameOf(AbsHumidityUnits, units.AbsoluteHumidityUnit);
    case EditBox::SH:
      return UnitNameOf(SpecHumidityUnits, units.SpecificHumidityUnit);
    case EditBox::ENH:
      return UnitNameOf(EnthalpyUnits, units.EnthalpyUnit);
    case EditBox::SV:
      break;
  }
  return UnitNameOf(SpecVolumeUnits, units.SpecificVolumeUnit);
}

BoxValues DisplayValues(const AirState& state, const UnitSettings& units, double kcalToKJ) {
  BoxValues values{};
  auto set = [&values](EditBox box, double value) { values[IndexOf(box)] = value; };
  set(EditBox::DB, TemperatureToDisplay(state.DB, units.TemperatureUnit));
  set(EditBox::RH, state.RH);
  set(EditBox::VH, AbsHumidityToDisplay(state.VH, units.AbsoluteHumidityUnit));
  set(EditBox::SH, SpecHumidityToDisplay(state.SH, units.SpecificHumidityUnit));
  set(EditBox::DP, TemperatureToDisplay(state.DP, units.TemperatureUnit));
  set(EditBox::ENH, EnthalpyToDisplay(state.ENH * kcalToKJ, units.EnthalpyUnit));
  set(EditBox::WB, TemperatureToDisplay(state.WB, units.TemperatureUnit));
  set(EditBox::SV, SpecVolumeToDisplay(state.SV, units.SpecificVolumeUnit));
  return values;
}

BoxTexts ResultTexts(const AirState& state, const UnitSettings& units,
                     const DisplayFormats& formats, std::string_view separator, double kcalToKJ) {
  const BoxValues values = DisplayValues(state, units, kcalToKJ);
  auto shown = [&](EditBox box, NumberPattern pattern) {
    return LocalizeNumberText(FormatNumber(pattern, values[IndexOf(box)]), separator);
  };
  BoxTexts texts;
  TextOf(texts, EditBox::DB) = shown(EditBox::DB, formats.DryBulb);
  TextOf(texts, EditBox::RH) = shown(EditBox::RH, formats.RelativeHumidity);

  const UnitOfSpecHumidity shUnit = units.SpecificHumidityUnit;
  if (shUnit == UnitOfSpecHumidity::GramsPerKg || shUnit == UnitOfSpecHumidity::GrainsPerLb) {
    TextOf(texts, EditBox::SH) = shown(EditBox::SH, formats.RelativeHumidity);
  } else {
    // kg/kg(DA) and lb/lb(DA) show the engine's value as it is.
    const double x = state.SH;
    const bool fixed =
        (x < HumidityRatioFixedBelow && std::fabs(x) > HumidityRatioFixedAbove) || x == 0.0;
    TextOf(texts, EditBox::SH) =
        shown(EditBox::SH, fixed ? formats.HumidityRatioFixed : formats.HumidityRatioScientific);
  }

  // Large values in kJ/kg(DA) and m3/kg(DA) are shown in scientific notation.
  const double kJ = state.ENH * kcalToKJ;
  TextOf(texts, EditBox::ENH) = shown(
      EditBox::ENH, kJ < LargeValue || FromFirstNonSi(units.EnthalpyUnit, UnitOfEnthalpy::BtuPerLb)
                        ? formats.EnthalpyFixed
                        : formats.EnthalpyScientific);
  TextOf(texts, EditBox::WB) = shown(EditBox::WB, formats.WetBulb);
  const double v = state.SV;
  TextOf(texts, EditBox::SV) = shown(
      EditBox::SV,
      v < LargeValue || FromFirstNonSi(units.SpecificVolumeUnit, UnitOfSpecVolume::CubicFeetPerLb)
          ? formats.SpecificVolumeFixed
          : formats.SpecificVolumeScientific);
  TextOf(texts, EditBox::DP) = shown(EditBox::DP, formats.DewPoint);
  TextOf(texts, EditBox::VH) = shown(EditBox::VH, formats.AbsoluteHumidity);
  return texts;
}

bool ShowsAsNumbers(const BoxTexts& texts, std::string_view separator) {
  for (const std::string& text : texts) {
    if (!IsNumberText(text, separator)) return false;
  }
  return true;
}

}  // namespace vaporin
