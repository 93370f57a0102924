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

BoxTexts ResultTexts(const AirState& state, const UnitSettings& units,
                     const DisplayFormats& formats, std::string_view separator, double kcalToKJ) {
  auto shown = [&](NumberPattern pattern, double value) {
    return LocalizeNumberText(FormatNumber(pattern, value), separator);
  };
  BoxTexts texts;
  TextOf(texts, EditBox::DB) =
      shown(formats.DryBulb, TemperatureToDisplay(state.DB, units.TemperatureUnit));
  TextOf(texts, EditBox::RH) = shown(formats.RelativeHumidity, state.RH);

  const UnitOfSpecHumidity shUnit = units.SpecificHumidityUnit;
  if (shUnit == UnitOfSpecHumidity::GramsPerKg || shUnit == UnitOfSpecHumidity::GrainsPerLb) {
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
      kJ < LargeValue || FromFirstNonSi(units.EnthalpyUnit, UnitOfEnthalpy::BtuPerLb)
          ? shown(formats.EnthalpyFixed, EnthalpyToDisplay(kJ, units.EnthalpyUnit))
          : shown(formats.EnthalpyScientific, kJ);

  TextOf(texts, EditBox::WB) =
      shown(formats.WetBulb, TemperatureToDisplay(state.WB, units.TemperatureUnit));

  const double v = state.SV;
  TextOf(texts, EditBox::SV) =
      v < LargeValue || FromFirstNonSi(units.SpecificVolumeUnit, UnitOfSpecVolume::CubicFeetPerLb)
          ? shown(formats.SpecificVolumeFixed, SpecVolumeToDisplay(v, units.SpecificVolumeUnit))
          : shown(formats.SpecificVolumeScientific, v);

  TextOf(texts, EditBox::DP) =
      shown(formats.DewPoint, TemperatureToDisplay(state.DP, units.TemperatureUnit));
  TextOf(texts, EditBox::VH) =
      shown(formats.AbsoluteHumidity, AbsHumidityToDisplay(state.VH, units.AbsoluteHumidityUnit));
  return texts;
}

}  // namespace vaporin
