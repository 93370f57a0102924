#include "chart/chart_setup.h"

#include "core/results_display.h"
#include "i18n/title_text.h"
#include "units/pressure.h"
#include "units/unit_conversions.h"

namespace vaporin {

namespace {
constexpr std::string_view ReadoutGap = "   ";

std::string TitleWithUnit(const BaseTitles& titles, BaseTitle title, EditBox box,
                          const UnitSettings& units) {
  return TrimmedTitle(titles[title]) + " [" + std::string(UnitNameOf(box, units)) + "]";
}
}  // namespace

void SetUpChart(PsychroChart& chart, const Preferences& preferences, const BaseTitles& titles,
                const std::string& title) {
  const UnitSettings& units = preferences.Units;
  std::string heading = title;
  if (const PressureUnitEntry* pressure = FindPressureUnit(units.PressureUnit)) {
    heading += "  " + PressureText(units.PressurePa, units.PressureUnit, preferences.Separator) +
               ' ' + std::string(pressure->Name);
  }
  chart.SetUp(ParamsOf(preferences), units, preferences.Separator,
              {heading, TitleWithUnit(titles, TitleDryBulb, EditBox::DB, units),
               TitleWithUnit(titles, TitleSpecificHumidity, EditBox::SH, units)});
}

ChartMark MarkOf(const AirState& state, const BoxTexts& shown, const Preferences& preferences) {
  const UnitSettings& units = preferences.Units;
  auto value = [&](EditBox box) {
    return TextOf(shown, box) + ' ' + std::string(UnitNameOf(box, units));
  };
  std::string label = value(EditBox::DB) + ", " + value(EditBox::RH);
  // Marked at the edge, a state beyond the chart's limits gives its humidity ratio in words too.
  const ChartPoint point{TemperatureToDisplay(state.DB, units.TemperatureUnit),
                         SpecHumidityToDisplay(state.SH, units.SpecificHumidityUnit)};
  const ChartPoint within = ClampedTo(ChartLimits(units), point);
  if (within.X != point.X || within.Y != point.Y) label += ", " + value(EditBox::SH);
  return ChartMark{state.DB, state.SH, label};
}

std::string PointReadout(const Preferences& preferences, const BaseTitles& titles,
                         const ChartState& state) {
  // The state a click here would enter, solved as the click solves it, so that the line and the
  // boxes agree to the last digit.
  const BoxTexts entered = DryBulbAndRatioTexts(state.DryBulbC, state.HumidityRatio, preferences);
  const Solution solved = SolveTyped(entered, preferences);
  BoxTexts texts = solved.Solved ? solved.Texts : entered;
  if (!solved.Solved) {
    AirState at{};
    at.RH = state.RelativeHumidity;
    TextOf(texts, EditBox::RH) = TextOf(TextsOf(at, preferences), EditBox::RH);
  }
  const UnitSettings& units = preferences.Units;
  std::string readout;
  for (const EditBox box : {EditBox::DB, EditBox::RH, EditBox::SH}) {
    if (!readout.empty()) readout += ReadoutGap;
    readout += TrimmedTitle(titles[InfoOf(box).Title]) + ' ' + TextOf(texts, box) + ' ' +
               std::string(UnitNameOf(box, units));
  }
  return readout;
}

}  // namespace vaporin
