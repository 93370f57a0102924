#include "chart/calculator_chart.h"

#include "core/results_display.h"
#include "units/pressure.h"

namespace vaporin {

namespace {
constexpr std::string_view ReadoutGap = "   ";

// Titles begin with blanks, the Japanese ones with an ideographic space too.
std::string Trimmed(std::string_view text) {
  constexpr std::string_view IdeographicSpace = "\u3000";
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (const std::string_view blank : {std::string_view(" "), IdeographicSpace}) {
      if (text.starts_with(blank)) {
        text.remove_prefix(blank.size());
        trimmed = true;
      }
      if (text.ends_with(blank)) {
        text.remove_suffix(blank.size());
        trimmed = true;
      }
    }
  }
  return std::string(text);
}

std::string TitleWithUnit(const BaseTitles& titles, BaseTitle title, EditBox box,
                          const UnitSettings& units) {
  return Trimmed(titles[title]) + " [" + std::string(UnitNameOf(box, units)) + "]";
}
}  // namespace

void FollowCalculator(PsychroChart& chart, const Calculator& calculator, const BaseTitles& titles,
                      const std::string& title) {
  const UnitSettings& units = calculator.Units();
  std::string heading = title;
  if (const PressureUnitEntry* pressure = FindPressureUnit(units.PressureUnit)) {
    heading += "  " +
               PressureText(units.PressurePa, units.PressureUnit, calculator.DecimalSeparator()) +
               ' ' + std::string(pressure->Name);
  }
  chart.SetUp(calculator.Params(), units, calculator.DecimalSeparator(),
              {heading, TitleWithUnit(titles, TitleDryBulb, EditBox::DB, units),
               TitleWithUnit(titles, TitleSpecificHumidity, EditBox::SH, units)});
}

std::optional<ChartMark> MarkOf(const Calculator& calculator, const BoxTexts& shown) {
  if (!calculator.ResultOnShow(shown)) return std::nullopt;
  const UnitSettings& units = calculator.Units();
  const AirState& state = calculator.State();
  return ChartMark{state.DB, state.SH,
                   TextOf(shown, EditBox::DB) + ' ' + std::string(UnitNameOf(EditBox::DB, units)) +
                       ", " + TextOf(shown, EditBox::RH) + ' ' +
                       std::string(UnitNameOf(EditBox::RH, units))};
}

std::string PointReadout(const Calculator& calculator, const BaseTitles& titles,
                         const ChartState& state) {
  AirState at{};
  at.DB = state.DryBulbC;
  at.RH = state.RelativeHumidity;
  at.SH = state.HumidityRatio;
  const BoxTexts texts = calculator.TextsOf(at);
  const UnitSettings& units = calculator.Units();
  std::string readout;
  for (const EditBox box : {EditBox::DB, EditBox::RH, EditBox::SH}) {
    if (!readout.empty()) readout += ReadoutGap;
    readout += Trimmed(titles[InfoOf(box).Title]) + ' ' + TextOf(texts, box) + ' ' +
               std::string(UnitNameOf(box, units));
  }
  return readout;
}

}  // namespace vaporin
