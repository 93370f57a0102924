#include "core/calculator.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "engine/sat_pressure.h"
#include "settings/settings_file.h"

namespace vaporin {
namespace {

using B = EditBox;

BoxTexts Texts(std::initializer_list<std::pair<EditBox, const char*>> filled) {
  BoxTexts texts;
  for (const auto& [box, text] : filled) TextOf(texts, box) = text;
  return texts;
}

const BoxTexts Overview = {"25.00", "50.00", "11.52", "0.00988",
                           "13.87", "50.30", "17.89", "0.8582"};

// A calculator with 25 °C and 50 % committed, its display written back as the window does.
struct Shown {
  Calculator Core;
  BoxTexts Boxes;

  explicit Shown(BoxTexts entered = Texts({{B::DB, "25"}, {B::RH, "50"}})) {
    const BoxesUpdate update = Core.CommitInputs(entered);
    Boxes = update.Texts.value_or(entered);
  }
};

TEST(Calculator, SolvesTheSecondCommittedValueAndLocksTheDisplay) {
  Calculator core;
  const BoxesUpdate first = core.CommitInputs(Texts({{B::DB, "25"}}));
  EXPECT_FALSE(first.Texts);
  EXPECT_FALSE(core.DisplayLock());
  const BoxesUpdate second = core.CommitInputs(Texts({{B::DB, "25"}, {B::RH, "50"}}));
  ASSERT_TRUE(second.Texts);
  EXPECT_EQ(*second.Texts, Overview);
  EXPECT_TRUE(second.ResultShown);
  EXPECT_EQ(second.DPEnabled, true);
  EXPECT_EQ(second.SHEnabled, true);
  EXPECT_EQ(core.PairCode(), 1);
  EXPECT_TRUE(core.DisplayLock());
  // Within the lock nothing commits.
  EXPECT_FALSE(core.CommitInputs(Texts({{B::WB, "3"}, {B::SV, "0.8"}})).Texts);
}

TEST(Calculator, ReportsTheBoxesACommitDisables) {
  Calculator core;
  const BoxesUpdate lone = core.CommitInputs(Texts({{B::SH, "0.01"}}));
  EXPECT_EQ(lone.DPEnabled, false);
  EXPECT_FALSE(lone.SHEnabled);
  const BoxesUpdate dewPoint = core.CommitInputs(Texts({{B::DP, "10"}}));
  EXPECT_EQ(dewPoint.SHEnabled, false);
}

TEST(Calculator, ShowsNothingForAPairWithoutAState) {
  Calculator core;
  const BoxesUpdate update = core.CommitInputs(Texts({{B::ENH, "38"}, {B::WB, "14"}}));
  EXPECT_FALSE(update.Texts);
  EXPECT_FALSE(core.DisplayLock());
}

struct KeyCase {
  const char* name;
  KeyPress key;
  bool released;  // the lock's tick has passed
  bool clears;
  FocusMove move;
  friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class KeysInAFullDisplay : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeysInAFullDisplay, ClearOnlyAfterTheLockAndWithoutCtrl) {
  const KeyCase& c = GetParam();
  Shown shown;
  if (c.released) shown.Core.ReleaseDisplayLock();
  const Calculator::KeyOutcome outcome = shown.Core.KeyDown(shown.Boxes, c.key);
  EXPECT_EQ(outcome.Update.Texts.has_value(), c.clears);
  if (c.clears) {
    EXPECT_EQ(*outcome.Update.Texts, BoxTexts{});
    EXPECT_EQ(outcome.Update.DPEnabled, true);
    EXPECT_EQ(shown.Core.State().DB, 0.0);
  }
  EXPECT_EQ(outcome.Decision.Move, c.move);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeysInAFullDisplay,
    ::testing::Values(KeyCase{"Digit", {}, true, true, FocusMove::None},
                      KeyCase{"DigitWithinTheLock", {}, false, false, FocusMove::None},
                      KeyCase{"CtrlC", {false, true, false}, true, false, FocusMove::None},
                      KeyCase{"Enter", {true, false, false}, true, true, FocusMove::NextBox},
                      KeyCase{
                          "ShiftEnter", {true, false, true}, true, true, FocusMove::PreviousBox}),
    [](const auto& info) { return info.param.name; });

TEST(Calculator, EntersAPickedDryBulbAndRatioAsTypedWithTheBoxesDigits) {
  Shown shown;
  ASSERT_TRUE(shown.Core.DisplayLock());  // a new entry is the user's, lock or not
  const BoxesUpdate update = shown.Core.EnterDryBulbAndRatio(20.004, 0.0100049);
  ASSERT_TRUE(update.ResultShown);
  EXPECT_EQ(TextOf(*update.Texts, B::DB), "20.00");
  EXPECT_EQ(TextOf(*update.Texts, B::SH), "0.01000");
  EXPECT_EQ(shown.Core.State().DB, 20.0);  // solved from the digits shown
  EXPECT_EQ(shown.Core.State().SH, 0.01);
  EXPECT_TRUE(shown.Core.ResultOnShow(*update.Texts));

  // A pair without a state leaves the two values in their boxes and no result.
  const BoxesUpdate none = shown.Core.EnterDryBulbAndRatio(400.0, 0.01);
  EXPECT_FALSE(none.ResultShown);
  EXPECT_EQ(*none.Texts, Texts({{B::DB, "400.00"}, {B::SH, "0.01000"}}));
  EXPECT_EQ(none.SHEnabled, std::optional(true));
  EXPECT_FALSE(shown.Core.ResultOnShow(*none.Texts));
}

TEST(Calculator, DoubleClickKeepsOnlyThatBoxOnceTheLockHasPassed) {
  Shown shown;
  EXPECT_FALSE(shown.Core.DoubleClick(shown.Boxes, B::DP).Texts);
  shown.Core.ReleaseDisplayLock();
  const BoxesUpdate update = shown.Core.DoubleClick(shown.Boxes, B::DP);
  ASSERT_TRUE(update.Texts);
  EXPECT_EQ(*update.Texts, Texts({{B::DP, "13.87"}}));
  EXPECT_FALSE(Calculator().DoubleClick(Texts({{B::DB, "25"}}), B::DB).Texts);
}

// A pair that gave no state is left as a result is: a double click keeps one box, and a third
// value says that only two are taken.
TEST(Calculator, LeavesARefusedPairByADoubleClickOrEsc) {
  Calculator core;
  const BoxTexts refused = Texts({{B::DB, "25"}, {B::DP, "30"}});
  EXPECT_EQ(core.CommitInputs(refused).Reason, std::optional(TextId::NoAirState));
  const BoxesUpdate kept = core.DoubleClick(refused, B::DB);
  ASSERT_TRUE(kept.Texts);
  EXPECT_EQ(*kept.Texts, Texts({{B::DB, "25"}}));
  EXPECT_EQ(core.CommitInputs(Texts({{B::DB, "25"}, {B::DP, "30"}, {B::WB, "20"}})).Reason,
            std::optional(TextId::TwoValuesOnly));
  const Calculator::KeyOutcome escape = core.KeyDown(refused, KeyPress{false, false, false, true});
  EXPECT_TRUE(escape.Decision.ClearAll);
  EXPECT_EQ(escape.Decision.Move, FocusMove::FirstBox);
  ASSERT_TRUE(escape.Update.Texts);
  EXPECT_EQ(*escape.Update.Texts, BoxTexts{});
}

TEST(Calculator, ShowsAFullDisplayAgainInNewUnits) {
  Shown shown;
  UnitSettings units = shown.Core.Units();
  units.TemperatureUnit = UnitOfTemperature::Fahrenheit;
  shown.Core.TakeOverChoices(units);
  const BoxesUpdate update = shown.Core.RefreshDisplay(shown.Boxes);
  ASSERT_TRUE(update.Texts);
  EXPECT_EQ(TextOf(*update.Texts, B::DB), "77.00");
  EXPECT_EQ(TextOf(*update.Texts, B::DP), "56.96");
  EXPECT_FALSE(Calculator().RefreshDisplay(Texts({{B::DB, "25"}})).Texts);
}

// 25 °C and 50 % at 83.4 kPa, worked by hand with the engine's own formulas.
TEST(Calculator, SolvesAtTheChosenPressure) {
  Calculator core;
  UnitSettings units;
  units.PressurePa = 83400;
  core.TakeOverChoices(units);
  core.CommitInputs(Texts({{B::DB, "25"}, {B::RH, "50"}}));

  PsychroParams p = InitPsychroParams();
  const double db = 25.0;
  double pws = 0.0;
  ASSERT_EQ(SatPressure(&p, &db, &pws), StatusOk);  // mmHg
  const double pressureMmHg = 760.0 * 83400.0 / 101325.0;
  const double pv = pws * 50.0 / 100.0;
  const double epsilon = p.MolarMassWater / p.MolarMassAir;
  const double sh = epsilon * pv / (pressureMmHg - pv);
  const double sv = (db + p.KelvinOffset) * 0.2871 * (1.6078 * sh + 1.0) / double{83.4f};
  EXPECT_DOUBLE_EQ(core.State().SH, sh);
  EXPECT_DOUBLE_EQ(core.State().SV, sv);
  // The vapour's density depends on its own pressure only.
  EXPECT_EQ(TextOf(core.RefreshDisplay(Overview).Texts.value(), B::VH), "11.52");
  // About 23 % more water per kilogram of dry air than at sea level.
  EXPECT_NEAR(sh / 0.009882, 1.22, 0.01);
}

TEST(Calculator, SolvesTheEnteredPairAgainWhenThePressureChanges) {
  Shown shown;
  UnitSettings units = shown.Core.Units();
  units.PressurePa = 83400;
  shown.Core.TakeOverChoices(units);
  const BoxesUpdate update = shown.Core.RefreshDisplay(shown.Boxes);
  ASSERT_TRUE(update.Texts);
  EXPECT_EQ(TextOf(*update.Texts, B::DB), "25.00");
  EXPECT_EQ(TextOf(*update.Texts, B::RH), "50.00");
  EXPECT_EQ(TextOf(*update.Texts, B::SH), "0.01205");

  Calculator atAltitude;
  atAltitude.TakeOverChoices(units);
  atAltitude.CommitInputs(Texts({{B::DB, "25"}, {B::RH, "50"}}));
  EXPECT_EQ(*update.Texts, atAltitude.RefreshDisplay(*update.Texts).Texts);
}

TEST(Calculator, KeepsAnEnteredDewPointWhenThePressureChanges) {
  Shown shown(Texts({{B::DB, "25"}, {B::DP, "10"}}));
  UnitSettings units = shown.Core.Units();
  units.PressurePa = 83400;
  shown.Core.TakeOverChoices(units);
  const BoxesUpdate update = shown.Core.RefreshDisplay(shown.Boxes);
  ASSERT_TRUE(update.Texts);
  EXPECT_EQ(TextOf(*update.Texts, B::DP), "10.00");
  EXPECT_EQ(TextOf(*update.Texts, B::SH), "0.00930");
}

TEST(Calculator, ClearsAStateThatHasNoSolutionAtTheNewPressure) {
  // A dew point of 80 °C needs more than 40 kPa of vapour pressure alone.
  Shown shown(Texts({{B::DB, "85"}, {B::DP, "80"}}));
  ASSERT_TRUE(shown.Core.DisplayLock());
  shown.Core.ReleaseDisplayLock();
  UnitSettings units = shown.Core.Units();
  units.PressurePa = 40000;
  shown.Core.TakeOverChoices(units);
  const BoxesUpdate update = shown.Core.RefreshDisplay(shown.Boxes);
  ASSERT_TRUE(update.Texts);
  EXPECT_EQ(*update.Texts, BoxTexts{});
  EXPECT_FALSE(update.ResultShown);
}

TEST(Calculator, RefusesAPressureOutsideTheRangeAndKeepsTheOneInForce) {
  Calculator core;
  UnitSettings units;
  units.PressurePa = 83400;
  core.TakeOverChoices(units);
  units.PressurePa = 30000;
  core.TakeOverChoices(units);
  EXPECT_EQ(core.Units().PressurePa, 83400);
  EXPECT_EQ(core.Params().PAtmKPa, double{83.4f});
}

TEST(Calculator, CaptionsThePressureInForce) {
  Calculator core;
  core.SetDecimalSeparator(",");
  UnitSettings units;
  units.PressurePa = 83400;
  core.TakeOverChoices(units);
  EXPECT_EQ(core.Captions(EnglishBaseTitles()).Pressure, "Input 2 params(83,400kPa)");
}

TEST(Calculator, CopiesTheShownStateRowByRowAfterThePressure) {
  Calculator core;
  core.SetDecimalSeparator(",");
  UnitSettings units;
  units.TemperatureUnit = UnitOfTemperature::Fahrenheit;
  core.TakeOverChoices(units);
  const BoxesUpdate shown = core.CommitInputs(Texts({{B::DB, "77"}, {B::RH, "50"}}));
  ASSERT_TRUE(shown.Texts);
  EXPECT_EQ(core.CopyText(EnglishBaseTitles(), *shown.Texts),
            "Atmospheric pressure\t101,325\tkPa\n"
            "Dry Bulb Temperature\t77,00\t°F\n"
            "Relative Humidity\t50,00\t%\n"
            "Absolute Humidity\t11,52\tg/m³\n"
            "Specific Humidity\t0,00988\tkg/kg(DA)\n"
            "Dew Point Temperature\t56,96\t°F\n"
            "Specific Enthalpy\t50,30\tkJ/kg\n"
            "Wet Bulb Temperature\t64,19\t°F\n"
            "Specific Volume\t0,8582\tm³/kg\n");
  // Without a result the rows are there with empty values.
  EXPECT_EQ(core.CopyText(EnglishBaseTitles(), BoxTexts{}).substr(0, 59),
            "Atmospheric pressure\t101,325\tkPa\nDry Bulb Temperature\t\t°F\n");
  // In German, in mmHg, the pressure's title and unit are the language's and the unit's.
  units.LanguageIndex = 0;
  units.LanguageCode = "de";
  units.PressureUnit = UnitOfPressure::MmHg;
  units.PressurePa = 83400;
  core.TakeOverChoices(units);
  EXPECT_EQ(core.CopyText(EnglishBaseTitles(), BoxTexts{}).substr(0, 19), "Luftdruck\t626\tmmHg\n");
}

TEST(Calculator, ReadsAndForgetsThePressureWithTheOtherChoices) {
  Calculator core;
  UnitSettings saved;
  ReadUnitChoices(IniFile::FromText("[setting]\npatm=83400\n"), saved);
  core.RestoreChoices(saved);
  EXPECT_EQ(core.Params().PAtmKPa, double{83.4f});
  core.ResetChoices();
  EXPECT_EQ(core.Params().PAtmKPa, InitPsychroParams().PAtmKPa);
}

}  // namespace
}  // namespace vaporin
