#include "units/pressure.h"

#include <gtest/gtest.h>

namespace vaporin {
namespace {

struct AltitudeCase {
  const char* name;
  double metres;
  double kPa;
  friend void PrintTo(const AltitudeCase& c, std::ostream* os) { *os << c.name; }
};

class StandardAtmosphere : public ::testing::TestWithParam<AltitudeCase> {};

TEST_P(StandardAtmosphere, ConvertsAltitudeAndPressureBothWays) {
  EXPECT_NEAR(PressureFromAltitudeKPa(GetParam().metres), GetParam().kPa, 0.0005);
  EXPECT_NEAR(AltitudeFromPressureM(PressureFromAltitudeKPa(GetParam().metres)), GetParam().metres,
              1e-6);
}

// The formula's pressures, worked out by hand to the pascal.
INSTANTIATE_TEST_SUITE_P(Altitudes, StandardAtmosphere,
                         ::testing::Values(AltitudeCase{"SeaLevel", 0, 101.325},
                                           AltitudeCase{"Denver", 1600, 83.524},
                                           AltitudeCase{"HighPlateau", 5000, 54.020}),
                         [](const auto& info) { return info.param.name; });

struct TextCase {
  const char* name;
  int32_t pascals;
  UnitOfPressure unit;
  const char* separator;
  const char* text;
  friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class PressureTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(PressureTexts, ShowsThePressureInItsUnitAndReadsItBack) {
  const TextCase& c = GetParam();
  EXPECT_EQ(PressureText(c.pascals, c.unit, c.separator), c.text);
  const std::optional<int32_t> back = PressureFromText(c.text, c.unit, c.separator);
  ASSERT_TRUE(back.has_value());
  // The shown digits hold the pressure to within half their last place.
  EXPECT_NEAR(*back, c.pascals, 70);
}

INSTANTIATE_TEST_SUITE_P(
    Units, PressureTexts,
    ::testing::Values(TextCase{"StandardKPa", 101325, UnitOfPressure::KPa, ",", "101,325"},
                      TextCase{"StandardMmHg", 101325, UnitOfPressure::MmHg, ".", "760"},
                      TextCase{"StandardInHg", 101325, UnitOfPressure::InHg, ".", "29.92"},
                      // The standard text, not the pressure rounded (14.6959).
                      TextCase{"StandardPsi", 101325, UnitOfPressure::Psi, ".", "14.6956"},
                      TextCase{"KPa", 83400, UnitOfPressure::KPa, ".", "83.400"},
                      TextCase{"MmHg", 83400, UnitOfPressure::MmHg, ".", "626"},
                      TextCase{"InHg", 83400, UnitOfPressure::InHg, ",", "24,63"},
                      TextCase{"Psi", 83400, UnitOfPressure::Psi, ".", "12.0961"}),
    [](const auto& info) { return info.param.name; });

TEST(PressureFromText, RefusesWhatIsNoNumberOrOutsideTheRange) {
  EXPECT_EQ(PressureFromText("40", UnitOfPressure::KPa, "."), 40000);
  EXPECT_EQ(PressureFromText("120", UnitOfPressure::KPa, "."), 120000);
  EXPECT_EQ(PressureFromText("39.999", UnitOfPressure::KPa, "."), std::nullopt);
  EXPECT_EQ(PressureFromText("120.001", UnitOfPressure::KPa, "."), std::nullopt);
  EXPECT_EQ(PressureFromText("1e400", UnitOfPressure::KPa, "."), std::nullopt);
  EXPECT_EQ(PressureFromText("", UnitOfPressure::KPa, "."), std::nullopt);
  EXPECT_EQ(PressureFromText("9O", UnitOfPressure::KPa, "."), std::nullopt);
  EXPECT_EQ(PressureFromText("1000", UnitOfPressure::MmHg, "."), std::nullopt);  // 133 kPa
  EXPECT_EQ(PressureFromText("12,5", UnitOfPressure::Psi, ","), 86184);
}

TEST(PressureFromAltitudeText, ReadsMetresOrFeetWithinTheRange) {
  EXPECT_EQ(PressureFromAltitudeText("0", false, "."), 101325);
  EXPECT_EQ(PressureFromAltitudeText("1600", false, "."), 83524);
  EXPECT_EQ(PressureFromAltitudeText("5249,3", true, ","), 83524);  // 1600 m in feet
  EXPECT_EQ(PressureFromAltitudeText("-1400", false, "."), 119313);
  EXPECT_EQ(PressureFromAltitudeText("-1500", false, "."), std::nullopt);  // 120.65 kPa
  EXPECT_EQ(PressureFromAltitudeText("8000", false, "."), std::nullopt);
  EXPECT_EQ(PressureFromAltitudeText("high", false, "."), std::nullopt);
}

TEST(AltitudeText, ShowsWholeMetresOrFeet) {
  EXPECT_EQ(AltitudeText(101325, false), "0");
  EXPECT_EQ(AltitudeText(83524, false), "1600");
  EXPECT_EQ(AltitudeText(83524, true), "5249");
}

// The range a refusal states, each end rounded inwards to what the box shows so that it is
// accepted itself. By hand: 40 kPa is 300.02 mmHg (301), 120 kPa 900.07 mmHg (900), 11.812 and
// 35.436 inHg, 5.80151 and 17.40453 psi; the standard atmosphere puts 120 kPa at -1449.98 m
// (-4757.1 ft; -1450 m is 120,000.3 Pa) and 40 kPa at 7185.43 m (23,574.2 ft).
TEST(RangeTexts, NameEndsTheBoxAccepts) {
  const struct {
    UnitOfPressure unit;
    const char* low;
    const char* high;
  } pressures[] = {
      {UnitOfPressure::KPa, "40.000 kPa", "120.000 kPa"},
      {UnitOfPressure::MmHg, "301 mmHg", "900 mmHg"},
      {UnitOfPressure::InHg, "11.82 inHg", "35.43 inHg"},
      {UnitOfPressure::Psi, "5.8016 psi", "17.4045 psi"},
  };
  for (const auto& c : pressures) {
    const RangeTexts range = PressureRangeTexts(c.unit, ".");
    EXPECT_EQ(range.Low, c.low);
    EXPECT_EQ(range.High, c.high);
  }
  EXPECT_EQ(PressureRangeTexts(UnitOfPressure::KPa, ",").Low, "40,000 kPa");
  EXPECT_EQ(AltitudeRangeTexts(false, ".").Low, "-1449 m");
  EXPECT_EQ(AltitudeRangeTexts(false, ".").High, "7185 m");
  EXPECT_EQ(AltitudeRangeTexts(true, ".").Low, "-4757 ft");
  EXPECT_EQ(AltitudeRangeTexts(true, ".").High, "23574 ft");
}

}  // namespace
}  // namespace vaporin
