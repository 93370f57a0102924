#include "core/verdict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <string>

#include "core/calculator.h"
#include "core/input_workflow.h"
#include "core/state_bounds.h"
#include "engine/solvers.h"

namespace vaporin {
namespace {

using B = EditBox;

struct VerdictCase {
  const char* Name;
  int32_t PressurePa;
  EditBox First;
  const char* FirstText;
  EditBox Second;
  const char* SecondText;
  std::optional<TextId> Reason;  // none: shown
  EditBox Checked = B::RH;       // for a shown state, this box shows
  const char* CheckedText = "";
};

constexpr int32_t Sea = 101325;
const std::optional<TextId> Shown;
constexpr TextId NoAir = TextId::NoAirState;
constexpr TextId Outside = TextId::OutsideCalculationRange;

// Real air within its resolution of a bound is shown at the bound; what no air has is refused
// as such; what the calculation cannot reach says so.
const VerdictCase VerdictCases[] = {
    {"BoneDryWetBulb", Sea, B::DB, "20", B::WB, "5.83", Shown, B::SH, "0.00000"},
    {"BoneDryWetBulbHasNoVapour", Sea, B::DB, "20", B::WB, "5.83", Shown, B::VH, "0.00"},
    {"ColdAirAtOnePercent", Sea, B::DB, "-30", B::WB, "-30.61268246", Shown, B::RH, "0.00"},
    {"SaturatedAtMinus40", Sea, B::WB, "-40", B::VH, "0.1193", Shown, B::RH, "100.00"},
    {"SaturatedAtMinus40DewPointAtDryBulb", Sea, B::WB, "-40", B::VH, "0.1193", Shown, B::DP,
     "-40.02"},
    {"JustAboveBoneDry", Sea, B::DB, "30", B::WB, "10.6", Shown, B::RH, "0.26"},
    {"PastSaturationNearBoiling", Sea, B::WB, "88.5", B::VH, "397.09", Shown, B::RH, "100.20"},
    {"ColdSaturatedThroughVolume", Sea, B::SH, "0.00023334", B::VH, "0.33861", Shown, B::RH,
     "100.37"},
    {"WetBulbBelowBoneDryAir", Sea, B::DB, "30", B::WB, "2", NoAir},
    {"DewPointAboveDryBulb", Sea, B::DB, "20", B::DP, "20.1", NoAir},
    {"WetBulbAboveDryBulb", Sea, B::DB, "20", B::WB, "20.1", NoAir},
    {"FrostPointAboveDryBulb", Sea, B::DB, "-10", B::DP, "-9.9", NoAir},
    {"WetBulbJustAboveDryBulb", Sea, B::DB, "25", B::WB, "25.12", NoAir},
    {"VapourJustPastSaturation", Sea, B::DB, "17.45", B::VH, "15", NoAir},
    {"VolumeNotPositive", Sea, B::WB, "97.3", B::SV, "-1.95e9", NoAir},
    {"EnthalpyBelowAbsoluteZerosAir", Sea, B::ENH, "-1e60", B::SV, "0.8", NoAir},
    {"MoreVapourThanSaturationAtTheWetBulb", Sea, B::WB, "0", B::VH, "9.9", NoAir},
    {"DryBulbBelowRange", Sea, B::DB, "-200", B::RH, "50", Outside},
    {"DewPointBelowRange", Sea, B::DB, "20", B::DP, "-250", Outside},
    {"DewPointNearBoiling", Sea, B::DB, "95", B::DP, "92", Outside},
    {"WetBulbNearBoiling", Sea, B::RH, "99.89", B::WB, "90.49", Outside},
    {"WetBulbNearBoilingAt61kPa", 61600, B::RH, "99", B::WB, "81", Outside},
    {"WetBulbNearBoilingAt40kPa", 40000, B::RH, "99", B::WB, "71", Outside},
    {"EnthalpyBeyondTheFormulas", Sea, B::ENH, "1e279", B::VH, "1e-300", Outside},
    {"EnthalpyWithWetBulb", Sea, B::ENH, "50", B::WB, "20", TextId::EnthalpyWetBulbNoState},
    {"RelativeHumidityAbove100", Sea, B::DB, "25", B::RH, "150", TextId::RelativeHumidityRange},
};

TEST(Verdicts, SayWhetherAndWhyTwoValuesGiveAState) {
  for (const VerdictCase& c : VerdictCases) {
    SCOPED_TRACE(c.Name);
    Calculator core;
    UnitSettings units;
    units.PressurePa = c.PressurePa;
    core.TakeOverChoices(units);
    BoxTexts texts;
    TextOf(texts, c.First) = c.FirstText;
    TextOf(texts, c.Second) = c.SecondText;
    const BoxesUpdate update = core.CommitInputs(texts);
    EXPECT_EQ(update.Reason, c.Reason);
    ASSERT_EQ(update.Texts.has_value(), !c.Reason.has_value());
    if (update.Texts) {
      EXPECT_EQ(TextOf(*update.Texts, c.Checked), c.CheckedText);
    }
  }
}

// A dew point entered in kelvin below the range is outside it too, not absolute zero.
TEST(Verdicts, DewPointBelowTheRangeInKelvin) {
  Calculator core;
  UnitSettings units;
  units.TemperatureUnit = UnitOfTemperature::Kelvin;
  core.TakeOverChoices(units);
  BoxTexts texts;
  TextOf(texts, B::DB) = "283.15";
  TextOf(texts, B::DP) = "0.5";
  EXPECT_EQ(core.CommitInputs(texts).Reason, Outside);
}

// What one step of the humidity-ratio grid (1e-5 kg/kg(DA)) moves the relative humidity by,
// near dry air: 100 P / (eps pws) 1e-5 by hand, with pws from saturation tables (over ice
// below 0 °C) and eps = 0.622. A pair that no search solves has no resolution.
TEST(Verdicts, ResolutionWidensTheBoundsByOneGridStep) {
  struct Row {
    double DryBulbC;
    double SatPressurePa;
  };
  const Row rows[] = {
      {-40.0, 12.84}, {-30.0, 38.01}, {0.0, 611.2}, {20.0, 2339.2}, {85.0, 57868.0}};
  PsychroParams params = InitPsychroParams();
  const int32_t dryBulbWithWetBulb = 4;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.DryBulbC);
    AirState state{};
    state.DB = row.DryBulbC;
    state.SH = 0.0;
    const StateResolution resolution = ResolutionOf(&params, state, dryBulbWithWetBulb);
    const double byHand = 100.0 * 101325.0 / (0.622 * row.SatPressurePa) * 1e-5;
    EXPECT_NEAR(resolution.RH, byHand, 0.01 * byHand);
    EXPECT_NEAR(resolution.SH, 1e-5, 1e-12);
    EXPECT_GT(resolution.VH, 0.0);
    const StateResolution exact = ResolutionOf(&params, state, 1);
    EXPECT_EQ(exact.RH, 0.0);
    EXPECT_EQ(exact.SH, 0.0);
  }
}

// The formulas' own excess above saturation: saturated air at every temperature of the range
// and at four pressures, entered through each pair's two values, lands past 100 % by no more
// than its resolution plus SaturationExcess; and the bound is no wider than twice what is
// found.
TEST(Verdicts, SaturatedAirReSolvedLandsWithinTheMeasuredExcess) {
  const int32_t codes[] = {2, 3, 4, 5, 6, 23, 24, 25, 26, 35, 36, 45, 46, 56};
  double worstVolumetric = 0.0;
  double worstOther = 0.0;
  for (const int32_t pressure : {40000, 61600, 101325, 120000}) {
    PsychroParams params = InitPsychroParams();
    SetAtmosphericPressure(&params, pressure);
    for (double t = CalculationMinC; t < 100.0; t += 0.83) {
      AirState saturated{};
      saturated.DB = t;
      saturated.RH = 100.0;
      if (Failed(SolvePair(&params, &saturated, 1))) continue;
      for (const int32_t code : codes) {
        AirState state{};
        for (const int32_t index : {code / PairCodeFirstFactor, code % PairCodeFirstFactor}) {
          state.*QuantityFields[index] = saturated.*QuantityFields[index];
        }
        if (Failed(SolvePair(&params, &state, code))) continue;
        const double past = state.RH - 100.0 - ResolutionOf(&params, state, code).RH;
        const double excess = SaturationExcess(code, state.DB);
        EXPECT_LE(past, excess) << "code " << code << " at " << t << " °C, " << pressure << " Pa";
        double& worst = excess > SaturationExcess(1, t) ? worstVolumetric : worstOther;
        worst = std::max(worst, past);
      }
    }
  }
  EXPECT_GT(worstVolumetric, 0.5 * SaturationExcess(26, CalculationMinC));
  EXPECT_LT(worstOther, SaturationExcess(1, 0.0));
}

// The inputs' own refusals skip the engine, so they must never refuse what solving would show:
// absurd values of every pair refused before solving are refused by the judgement of the
// engine's answer too, and where the inputs do not contradict each other, for the same reason.
TEST(Verdicts, RefusalsBeforeSolvingAgreeWithTheFullSolve) {
  const int32_t codes[] = {1,  2,  3,  4,  5,  6,  12, 13, 14, 15,
                           16, 23, 24, 25, 26, 35, 36, 45, 46, 56};
  std::mt19937_64 random(22);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  auto draw = [&] {
    const double pick = unit(random);
    if (pick < 0.4) return (2.0 * unit(random) - 1.0) * 500.0;
    const double magnitude = std::pow(10.0, 600.0 * unit(random) - 300.0);
    return unit(random) < 0.5 ? -magnitude : magnitude;
  };
  PsychroParams params = InitPsychroParams();
  int refusedEarly = 0;
  for (const int32_t code : codes) {
    for (int draws = 0; draws < 150; ++draws) {
      EnteredPair entered;
      entered.PairCode = code;
      for (const int32_t index : {code / PairCodeFirstFactor, code % PairCodeFirstFactor}) {
        entered.Values.*QuantityFields[index] = index == QuantityRH ? 100.0 * unit(random) : draw();
      }
      const std::optional<TextId> early = RefusalOfInputs(&params, entered);
      AirState state = entered.Values;
      const bool solved = !Failed(SolvePair(&params, &state, code));
      const std::optional<TextId> full = JudgeSolved(&params, entered, solved, &state);
      if (!early) continue;
      ++refusedEarly;
      const std::string values = "code " + std::to_string(code) + ": " +
                                 std::to_string(entered.Values.*QuantityFields[code / 10]) + ", " +
                                 std::to_string(entered.Values.*QuantityFields[code % 10]);
      ASSERT_TRUE(full) << values;
      if (*early == TextId::OutsideCalculationRange) {
        EXPECT_EQ(*full, *early) << values << " (" << entered.Values.*QuantityFields[code % 10]
                                 << ")";
      }
    }
  }
  EXPECT_GT(refusedEarly, 500);
}

}  // namespace
}  // namespace vaporin
