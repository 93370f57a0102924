#include "core/results_display.h"

#include <gtest/gtest.h>

#include "tests/engine/reference_state.h"

namespace vaporin {
namespace {

constexpr double KcalToKJ = 4.186800003051758;

UnitSettings Units(int32_t te, int32_t ah, int32_t sh, int32_t en, int32_t sv) {
  UnitSettings units;
  units.TemperatureUnit = UnitOfTemperature{te};
  units.AbsoluteHumidityUnit = UnitOfAbsHumidity{ah};
  units.SpecificHumidityUnit = UnitOfSpecHumidity{sh};
  units.EnthalpyUnit = UnitOfEnthalpy{en};
  units.SpecificVolumeUnit = UnitOfSpecVolume{sv};
  return units;
}

TEST(ResultTexts, ShowsTheStateInSiUnits) {
  const BoxTexts texts =
      ResultTexts(Ref20, UnitSettings(), StandardDisplayFormats(), ".", KcalToKJ);
  EXPECT_EQ(texts,
            (BoxTexts{"20.00", "50.00", "8.64", "0.00726", "9.27", "38.54", "13.78", "0.8403"}));
}

TEST(ResultTexts, ShowsTheStateInImperialUnitsWithACommaUser) {
  const BoxTexts texts =
      ResultTexts(Ref20, Units(1, 1, 2, 1, 1), StandardDisplayFormats(), ",", KcalToKJ);
  EXPECT_EQ(texts,
            (BoxTexts{"68,00", "50,00", "3,78", "50,84", "48,69", "16,57", "56,80", "13,4608"}));
}

struct PatternCase {
  const char* name;
  EditBox box;
  AirState state;
  UnitSettings units;
  const char* text;
  friend void PrintTo(const PatternCase& c, std::ostream* os) { *os << c.name; }
};

class PatternTable : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternTable, ChoosesThePatternByTheValueBeforeConversion) {
  const PatternCase& c = GetParam();
  const BoxTexts texts = ResultTexts(c.state, c.units, StandardDisplayFormats(), ".", KcalToKJ);
  EXPECT_EQ(TextOf(texts, c.box), c.text);
}

AirState WithSh(double sh) { return {0, 0, sh, 0, 0, 0, 0, 0}; }
AirState WithEnh(double enh) { return {0, 0, 0, enh, 0, 0, 0, 0}; }
AirState WithSv(double sv) { return {0, 0, 0, 0, 0, sv, 0, 0}; }

const UnitSettings Si = UnitSettings();

INSTANTIATE_TEST_SUITE_P(
    Thresholds, PatternTable,
    ::testing::Values(
        PatternCase{"RatioFixed", EditBox::SH, WithSh(0.0123), Si, "0.01230"},
        PatternCase{"RatioZero", EditBox::SH, WithSh(0), Si, "0.00000"},
        PatternCase{"RatioTiny", EditBox::SH, WithSh(0.000005), Si, "5.0e-06"},
        PatternCase{"RatioAtTheLowerBound", EditBox::SH, WithSh(0.00001), Si, "1.0e-05"},
        PatternCase{"RatioTen", EditBox::SH, WithSh(10), Si, "1.0e+01"},
        PatternCase{"RatioTwelve", EditBox::SH, WithSh(12), Si, "1.2e+01"},
        PatternCase{"RatioNegative", EditBox::SH, WithSh(-0.5), Si, "-0.50000"},
        PatternCase{"RatioGramsPerKg", EditBox::SH, WithSh(0.0123), Units(0, 0, 1, 0, 0), "12.30"},
        PatternCase{"RatioGrainsPerLb", EditBox::SH, WithSh(0.0123), Units(0, 0, 2, 0, 0), "86.10"},
        PatternCase{"RatioPoundsPerPound", EditBox::SH, WithSh(0.0123), Units(0, 0, 3, 0, 0),
                    "0.01230"},
        PatternCase{"RatioGramsPerKgLarge", EditBox::SH, WithSh(12), Units(0, 0, 1, 0, 0),
                    "12000.00"},
        PatternCase{"RatioUnknownUnitAsKgPerKg", EditBox::SH, WithSh(12), Units(0, 0, 9, 0, 0),
                    "1.2e+01"},
        PatternCase{"EnthalpyOneKcal", EditBox::ENH, WithEnh(1), Si, "4.19"},
        PatternCase{"EnthalpyOneKcalInBtu", EditBox::ENH, WithEnh(1), Units(0, 0, 0, 1, 0), "1.80"},
        PatternCase{"EnthalpyOneKcalInKcal", EditBox::ENH, WithEnh(1), Units(0, 0, 0, 2, 0),
                    "1.00"},
        PatternCase{"EnthalpyLargeInKJ", EditBox::ENH, WithEnh(3000), Si, "1.3e+04"},
        PatternCase{"EnthalpyLargeInBtu", EditBox::ENH, WithEnh(3000), Units(0, 0, 0, 1, 0),
                    "5400.00"},
        PatternCase{"EnthalpyLargeInKcal", EditBox::ENH, WithEnh(3000), Units(0, 0, 0, 2, 0),
                    "3000.00"},
        PatternCase{"VolumeFixed", EditBox::SV, WithSv(0.84032815), Si, "0.8403"},
        PatternCase{"VolumeLarge", EditBox::SV, WithSv(10000), Si, "1.0e+04"},
        PatternCase{"VolumeLargeInCubicFeet", EditBox::SV, WithSv(10000), Units(0, 0, 0, 0, 1),
                    "160184.6353"}),
    [](const auto& info) { return info.param.name; });

TEST(ResultTexts, PutsTheCommaIntoTheScientificFormToo) {
  const BoxTexts texts =
      ResultTexts({25, 0, 0.000005, 0, 0, 0, 0, 0}, Si, StandardDisplayFormats(), ",", KcalToKJ);
  EXPECT_EQ(TextOf(texts, EditBox::DB), "25,00");
  EXPECT_EQ(TextOf(texts, EditBox::SH), "5,0e-06");
}

}  // namespace
}  // namespace vaporin
