#include "core/input_workflow.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "engine/relations.h"
#include "engine/sat_pressure.h"

namespace vaporin {
namespace {

BoxTexts Texts(std::initializer_list<std::pair<EditBox, const char*>> filled) {
  BoxTexts texts;
  for (const auto& [box, text] : filled) TextOf(texts, box) = text;
  return texts;
}

using B = EditBox;

struct FilledCase {
  const char* name;
  BoxTexts texts;
  int groups;
  friend void PrintTo(const FilledCase& c, std::ostream* os) { *os << c.name; }
};

class FilledGroupTable : public ::testing::TestWithParam<FilledCase> {};

TEST_P(FilledGroupTable, CountsHumidityRatioAndDewPointOnce) {
  EXPECT_EQ(FilledGroupCount(GetParam().texts), GetParam().groups);
}

INSTANTIATE_TEST_SUITE_P(Groups, FilledGroupTable,
                         ::testing::Values(FilledCase{"Empty", Texts({}), 0},
                                           FilledCase{"BlanksCount", Texts({{B::DB, "  "}}), 1},
                                           FilledCase{"TextThatIsNoNumberCounts",
                                                      Texts({{B::WB, "abc"}}), 1},
                                           FilledCase{"HumidityRatioAndDewPointOnce",
                                                      Texts({{B::SH, "0.01"}, {B::DP, "5"}}), 1},
                                           FilledCase{"FullDisplay",
                                                      Texts({{B::DB, "1"},
                                                             {B::RH, "1"},
                                                             {B::VH, "1"},
                                                             {B::SH, "1"},
                                                             {B::DP, "1"},
                                                             {B::ENH, "1"},
                                                             {B::WB, "1"},
                                                             {B::SV, "1"}}),
                                                      7},
                                           FilledCase{"FullWithoutDewPoint",
                                                      Texts({{B::DB, "1"},
                                                             {B::RH, "1"},
                                                             {B::VH, "1"},
                                                             {B::SH, "1"},
                                                             {B::ENH, "1"},
                                                             {B::WB, "1"},
                                                             {B::SV, "1"}}),
                                                      7}),
                         [](const auto& info) { return info.param.name; });

struct CommitCase {
  const char* name;
  BoxTexts texts;
  int inputs;
  int32_t pairCode;
  bool disableDP;
  bool disableSH;
  friend void PrintTo(const CommitCase& c, std::ostream* os) { *os << c.name; }
};

class CommitTable : public ::testing::TestWithParam<CommitCase> {};

TEST_P(CommitTable, RecordsTheInputsInIndexOrder) {
  const CommitCase& c = GetParam();
  PsychroParams params = InitPsychroParams();
  AirState state{};
  const CommitResult result = CommitInputs(c.texts, UnitSettings(), ",", &params, &state);
  EXPECT_EQ(result.Inputs, c.inputs);
  if (c.inputs == 2) {
    EXPECT_EQ(result.PairCode, c.pairCode);
  }
  EXPECT_EQ(result.DisableDP, c.disableDP);
  EXPECT_EQ(result.DisableSH, c.disableSH);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CommitTable,
    ::testing::Values(
        CommitCase{"DryBulbAndRelativeHumidity", Texts({{B::DB, "25"}, {B::RH, "50"}}), 2, 1, false,
                   false},
        CommitCase{"UsersSeparator", Texts({{B::DB, "25,5"}, {B::RH, "50"}}), 2, 1, false, false},
        CommitCase{"RelativeHumidityOf100IsAnInput", Texts({{B::DB, "25"}, {B::RH, "100"}}), 2, 1,
                   false, false},
        CommitCase{"RelativeHumidityMinusZeroIsAnInput", Texts({{B::DB, "25"}, {B::RH, "-0"}}), 2,
                   1, false, false},
        CommitCase{"RelativeHumidityAbove100IsNot", Texts({{B::DB, "25"}, {B::RH, "100.01"}}), 1, 0,
                   false, false},
        CommitCase{"NegativeRelativeHumidityIsNot", Texts({{B::DB, "25"}, {B::RH, "-1"}}), 1, 0,
                   false, false},
        CommitCase{"HumidityRatioAloneDisablesDewPoint", Texts({{B::SH, "0.01"}}), 1, 0, true,
                   false},
        CommitCase{"HumidityRatioAfterAnotherValueDisablesNothing",
                   Texts({{B::DB, "25"}, {B::SH, "0.01"}}), 2, 2, false, false},
        CommitCase{"HumidityRatioWithATextThatIsNoNumberDisablesNothing",
                   Texts({{B::WB, "x"}, {B::SH, "0.01"}}), 1, 0, false, false},
        CommitCase{"DewPointDisablesHumidityRatioAndCountsAsIt",
                   Texts({{B::DB, "25"}, {B::DP, "10"}}), 2, 2, false, true},
        CommitCase{"HumidityRatioAndDewPointTakeTheRatioOnly",
                   Texts({{B::SH, "0.01"}, {B::DP, "10"}}), 1, 0, true, false},
        CommitCase{"DewPointOutOfRangeIsNoInputButDisablesSh",
                   Texts({{B::DB, "25"}, {B::DP, "400"}}), 1, 0, false, true},
        CommitCase{"DewPointAboveBoilingIsNoInput", Texts({{B::DB, "25"}, {B::DP, "100.5"}}), 1, 0,
                   false, true},
        CommitCase{"EnthalpyAndWetBulb", Texts({{B::ENH, "38"}, {B::WB, "14"}}), 2, 34, false,
                   false},
        CommitCase{"WetBulbAndAbsoluteHumidity", Texts({{B::VH, "8"}, {B::WB, "14"}}), 2, 46, false,
                   false},
        CommitCase{"VolumeAndAbsoluteHumidity", Texts({{B::VH, "8"}, {B::SV, "0.84"}}), 2, 56,
                   false, false},
        CommitCase{"ThreeValuesComputeNothing",
                   Texts({{B::DB, "25"}, {B::RH, "50"}, {B::WB, "18"}}), 3, 0, false, false},
        CommitCase{"BlanksAreNoInput", Texts({{B::DB, "25"}, {B::RH, "   "}}), 1, 0, false, false},
        CommitCase{"TextThatIsNoNumberIsNoInput", Texts({{B::DB, "25"}, {B::RH, "5O"}}), 1, 0,
                   false, false}),
    [](const auto& info) { return info.param.name; });

TEST(CommitInputs, StoresEveryNumberInEngineUnitsEvenWhenNotAnInput) {
  PsychroParams params = InitPsychroParams();
  AirState state{};
  UnitSettings units;
  units.TemperatureUnit = UnitOfTemperature{1};        // °F
  units.SpecificHumidityUnit = UnitOfSpecHumidity{2};  // gr/lb(DA)
  units.EnthalpyUnit = UnitOfEnthalpy{1};              // Btu/lb
  units.SpecificVolumeUnit = UnitOfSpecVolume{1};      // ft3/lb
  units.AbsoluteHumidityUnit = UnitOfAbsHumidity{1};   // gr/ft3
  const BoxTexts texts = Texts({{B::DB, "77"},
                                {B::RH, "120"},
                                {B::SH, "70"},
                                {B::ENH, "1.8"},
                                {B::WB, "32"},
                                {B::SV, "16.01846353"},
                                {B::VH, "1"}});
  const CommitResult result = CommitInputs(texts, units, ".", &params, &state);
  EXPECT_EQ(result.Inputs, 6);  // the RH above 100 is stored but no input
  EXPECT_DOUBLE_EQ(state.DB, 25.0);
  EXPECT_DOUBLE_EQ(state.RH, 120.0);
  EXPECT_DOUBLE_EQ(state.SH, 0.01);
  // 1.8 Btu/lb is 4.1868 kJ/kg, crossing to kcal/kg through the single-precision KcalToKJ.
  EXPECT_NEAR(state.ENH, 1.8 / params.KcalToKJ / 0.42992256, 1e-15);
  EXPECT_DOUBLE_EQ(state.WB, 0.0);
  EXPECT_DOUBLE_EQ(state.SV, 1.0);
  EXPECT_DOUBLE_EQ(state.VH, 2.2883519);
}

TEST(CommitInputs, TurnsAnEnteredDewPointIntoTheHumidityRatioItImplies) {
  PsychroParams params = InitPsychroParams();
  AirState state{};
  const CommitResult result =
      CommitInputs(Texts({{B::DB, "25"}, {B::DP, "10"}}), UnitSettings(), ".", &params, &state);
  ASSERT_EQ(result.PairCode, 2);
  double dp = 10.0;
  double pv = 0.0;
  double sh = 0.0;
  ASSERT_EQ(SatPressure(&params, &dp, &pv), 1);
  ASSERT_EQ(ShFromPvStd(&params, &pv, &sh), 1);
  EXPECT_EQ(state.SH, sh);
  EXPECT_EQ(state.DP, 10.0);
}

TEST(CommitInputs, LeavesZeroInTheHumidityRatioWhenTheDewPointFails) {
  PsychroParams params = InitPsychroParams();
  AirState state{};
  state.SH = 0.5;
  CommitInputs(Texts({{B::DP, "100.5"}}), UnitSettings(), ".", &params, &state);
  EXPECT_EQ(state.SH, 0.0);
}

struct KeyCase {
  const char* name;
  int groups;
  bool enter;
  bool ctrl;
  bool shift;
  bool clear;
  bool swallow;
  FocusMove move;
  friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class KeyTable : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTable, DecidesClearSwallowAndFocus) {
  const KeyCase& c = GetParam();
  const KeyDecision d = DecideKeyDown(c.groups, c.enter, c.ctrl, c.shift);
  EXPECT_EQ(d.ClearAll, c.clear);
  EXPECT_EQ(d.Swallow, c.swallow);
  EXPECT_EQ(d.Move, c.move);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTable,
    ::testing::Values(
        KeyCase{"CharacterWhileEntering", 1, false, false, false, false, false, FocusMove::None},
        KeyCase{"CharacterInAFullDisplayClears", 7, false, false, false, true, false,
                FocusMove::None},
        KeyCase{"CtrlInAFullDisplayKeeps", 7, false, true, false, false, false, FocusMove::None},
        KeyCase{"EnterWithOneGroupMovesDown", 1, true, false, false, false, true,
                FocusMove::NextBox},
        KeyCase{"ShiftEnterMovesUp", 1, true, false, true, false, true, FocusMove::PreviousBox},
        KeyCase{"EnterWithTwoGroupsLeavesTheBoxes", 2, true, false, false, false, true,
                FocusMove::ToFocusTarget},
        KeyCase{"EnterWithThreeGroupsMovesOn", 3, true, false, false, false, true,
                FocusMove::NextBox},
        KeyCase{"EnterInAFullDisplayClearsAndMovesOn", 7, true, false, false, true, true,
                FocusMove::NextBox}),
    [](const auto& info) { return info.param.name; });

TEST(NextEnabledBox, SkipsDisabledBoxesAndWraps) {
  std::array<bool, EditBoxCount> enabled;
  enabled.fill(true);
  EXPECT_EQ(NextEnabledBox(B::DB, false, enabled), B::RH);
  EXPECT_EQ(NextEnabledBox(B::DB, true, enabled), B::SV);
  EXPECT_EQ(NextEnabledBox(B::SV, false, enabled), B::DB);
  enabled[static_cast<size_t>(B::SH)] = false;
  EXPECT_EQ(NextEnabledBox(B::VH, false, enabled), B::DP);
  EXPECT_EQ(NextEnabledBox(B::DP, true, enabled), B::VH);
  enabled.fill(false);
  EXPECT_EQ(NextEnabledBox(B::WB, false, enabled), B::WB);
}

}  // namespace
}  // namespace vaporin
