#include "core/state_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "core/calculator.h"
#include "core/state_bounds.h"
#include "engine/solvers.h"
#include "units/number_text.h"

namespace vaporin {
namespace {

using B = EditBox;

struct Entry {
  const char* Name;
  EditBox First;
  const char* FirstText;
  EditBox Second;
  const char* SecondText;
  bool Shown;
  std::optional<TextId> Reason;
};

BoxTexts Texts(const Entry& entry) {
  BoxTexts texts;
  TextOf(texts, entry.First) = entry.FirstText;
  TextOf(texts, entry.Second) = entry.SecondText;
  return texts;
}

// What no real air has is refused like a failed solve, with its reason; the states the model
// itself puts at the edges of the region stay.
TEST(ImpossibleStates, AreRefusedAndRealOnesAtTheEdgesStay) {
  const std::optional<TextId> none;
  const Entry entries[] = {
      {"WetBulbAboveDryBulb", B::DB, "25", B::WB, "30", false, TextId::NoAirState},
      {"DewPointAboveDryBulb", B::DB, "20", B::DP, "25", false, TextId::NoAirState},
      {"WetBulbBelowTheDryAirLimit", B::DB, "30", B::WB, "2", false, TextId::NoAirState},
      {"NegativeAbsoluteHumidity", B::RH, "0", B::VH, "-5", false, TextId::NoAirState},
      {"VolumeBelowDryAirAtDryBulb", B::DB, "25", B::SV, "0.8", false, TextId::NoAirState},
      {"WetBulbBelowDryAirAtVolume", B::WB, "2", B::SV, "0.9", false, TextId::NoAirState},
      {"WetBulbFarBelowItsVapour", B::WB, "2", B::VH, "50", false, TextId::NoAirState},
      {"VapourAboveSaturation", B::DB, "25", B::VH, "100", false, TextId::NoAirState},
      {"EnthalpyBelowItsVapour", B::ENH, "10", B::VH, "200", false, TextId::NoAirState},
      {"EnthalpyWithWetBulb", B::ENH, "50", B::WB, "20", false, TextId::EnthalpyWetBulbNoState},
      {"RelativeHumidityAbove100", B::DB, "25", B::RH, "150", false, TextId::RelativeHumidityRange},
      {"RelativeHumidityBelow0", B::RH, "-1", B::WB, "20", false, TextId::RelativeHumidityRange},
      {"BelowAbsoluteZero", B::DB, "-280", B::RH, "50", false, TextId::NoAirState},
      {"PastSaturationNearBoiling", B::WB, "88.5", B::VH, "397.09", true, none},
      {"BoneDry", B::RH, "0", B::ENH, "0", true, none},
      {"VeryDry", B::DB, "30", B::WB, "11", true, none},
      {"JustAboveTheDryAirLimit", B::DB, "30", B::WB, "10.7", true, none},
      {"Saturated", B::DB, "20", B::RH, "100", true, none},
      {"WetBulbAtFreezing", B::DB, "5", B::WB, "0", true, none},
  };
  for (const Entry& entry : entries) {
    SCOPED_TRACE(entry.Name);
    Calculator core;
    const BoxesUpdate update = core.CommitInputs(Texts(entry));
    EXPECT_EQ(update.ResultShown, entry.Shown);
    EXPECT_EQ(update.Texts.has_value(), entry.Shown);
    EXPECT_EQ(update.Reason, entry.Reason);
    EXPECT_EQ(core.DisplayLock(), entry.Shown);
  }
  auto shown = [&](std::string_view name, EditBox box) {
    for (const Entry& entry : entries) {
      if (entry.Name == name) return TextOf(*Calculator().CommitInputs(Texts(entry)).Texts, box);
    }
    return std::string();
  };
  EXPECT_EQ(shown("BoneDry", B::SH), "0.00000");
  EXPECT_EQ(shown("BoneDry", B::DP), "-273.15");
  EXPECT_EQ(shown("PastSaturationNearBoiling", B::RH), "100.20");
  EXPECT_EQ(shown("VeryDry", B::RH), "1.68");
}

// One value is no pair yet; a third one is more than a pair, and the title bar says so.
TEST(ImpossibleStates, OneValueGivesNoReasonAThirdSaysTwoAreTaken) {
  Calculator core;
  EXPECT_FALSE(core.CommitInputs(BoxTexts{"25"}).Reason);
  BoxTexts threeGroups{"25", "150"};
  TextOf(threeGroups, B::WB) = "30";
  EXPECT_EQ(core.CommitInputs(threeGroups).Reason, std::optional(TextId::TwoValuesOnly));
}

// The physical region, field by field, on a real state of a pair that no search solves, so
// that the bounds are not widened.
TEST(ImpossibleStates, PhysicalRegionHasItsBounds) {
  PsychroParams params = InitPsychroParams();
  const int32_t exactPair = 1;
  auto inside = [&](AirState state) { return FitToRealAir(&params, exactPair, &state); };
  const AirState real{25.0, 50.0, 0.0099, 12.0, 17.9, 0.858, 13.9, 11.5};
  EXPECT_TRUE(inside(real));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<double AirState::*, double> outside[] = {
      {&AirState::RH, 100.01}, {&AirState::RH, -0.01}, {&AirState::SH, -1e-9},
      {&AirState::VH, -1e-9},  {&AirState::SV, 0.0},   {&AirState::DB, -273.15},
      {&AirState::ENH, inf},   {&AirState::WB, nan},   {&AirState::DP, -inf},
  };
  for (const auto& [field, value] : outside) {
    AirState state = real;
    state.*field = value;
    EXPECT_FALSE(inside(state)) << value;
  }
  AirState edge = real;
  edge.RH = 100.0;
  edge.SH = 0.0;
  edge.VH = 0.0;
  EXPECT_TRUE(inside(edge));
}

// A value too large for its unit is no input, and no solve puts a non-number into a box: each
// unit kind with the largest finite numbers, in every unit of the kind.
TEST(ImpossibleStates, NoBoxShowsANonNumber) {
  UnitSettings units;
  units.AbsoluteHumidityUnit = UnitOfAbsHumidity::GrainsPerCubicFoot;
  Calculator grains;
  grains.TakeOverChoices(units);
  const BoxesUpdate overflow = grains.CommitInputs(BoxTexts{"", "0", "-1e308"});
  EXPECT_FALSE(overflow.Texts);
  EXPECT_EQ(overflow.Reason, TextId::NoAirState);

  const char* const huge[] = {"1.7e308", "-1.7e308", "1e308", "-1e308", "1e-308"};
  for (const UnitOfTemperature te :
       {UnitOfTemperature::Celsius, UnitOfTemperature::Fahrenheit, UnitOfTemperature::Kelvin}) {
    for (size_t unitPick = 0; unitPick < 4; ++unitPick) {
      UnitSettings choice;
      choice.TemperatureUnit = te;
      choice.AbsoluteHumidityUnit = static_cast<UnitOfAbsHumidity>(unitPick % 2);
      choice.SpecificHumidityUnit = static_cast<UnitOfSpecHumidity>(unitPick);
      choice.EnthalpyUnit = static_cast<UnitOfEnthalpy>(unitPick % 3);
      choice.SpecificVolumeUnit = static_cast<UnitOfSpecVolume>(unitPick % 2);
      for (const BoxInfo& first : BoxTable) {
        for (const BoxInfo& second : BoxTable) {
          if (IndexOf(first.Box) >= IndexOf(second.Box)) continue;
          for (const char* a : {"0", "50", huge[unitPick]}) {
            for (const char* b : huge) {
              Calculator core;
              core.TakeOverChoices(choice);
              BoxTexts texts;
              TextOf(texts, first.Box) = a;
              TextOf(texts, second.Box) = b;
              const BoxesUpdate update = core.CommitInputs(texts);
              if (!update.Texts) continue;
              for (const std::string& text : *update.Texts) {
                EXPECT_TRUE(IsNumberText(text, "."))
                    << first.Name << '=' << a << ' ' << second.Name << '=' << b << ": " << text;
              }
            }
          }
        }
      }
    }
  }
}

// Real states entered through any two of their shown values are never refused: every pair
// the engine solves, over a seeded spread of air from frost to hot and humid.
TEST(ImpossibleStates, RealStatesThroughEveryPairAreShown) {
  std::mt19937 random(15);
  std::uniform_real_distribution<double> dryBulb(-10.0, 60.0);
  std::uniform_real_distribution<double> relativeHumidity(10.0, 85.0);
  int checked = 0;
  for (int draw = 0; draw < 300; ++draw) {
    const std::string db = std::to_string(dryBulb(random));
    const std::string rh = std::to_string(relativeHumidity(random));
    const Solution source = SolveTyped(BoxTexts{db, rh}, Preferences{});
    ASSERT_TRUE(source.Solved) << db << ' ' << rh;
    const std::optional<BoxTexts> shown = source.Texts;
    for (const BoxInfo& first : BoxTable) {
      for (const BoxInfo& second : BoxTable) {
        if (IndexOf(first.Box) >= IndexOf(second.Box) || first.Quantity == second.Quantity)
          continue;
        if (first.Box == B::ENH && second.Box == B::WB) continue;
        BoxTexts texts;
        TextOf(texts, first.Box) = TextOf(*shown, first.Box);
        TextOf(texts, second.Box) = TextOf(*shown, second.Box);
        Calculator core;
        const BoxesUpdate update = core.CommitInputs(texts);
        EXPECT_TRUE(update.ResultShown)
            << first.Name << '=' << TextOf(texts, first.Box) << ' ' << second.Name << '='
            << TextOf(texts, second.Box) << " (from " << db << ", " << rh << ')';
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 1000);
}

}  // namespace
}  // namespace vaporin
