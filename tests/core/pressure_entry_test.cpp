#include "core/pressure_entry.h"

#include <gtest/gtest.h>

#include <optional>

namespace vaporin {
namespace {

TEST(PressureEntry, StartsWithThePressureInForceAndItsAltitude) {
  const PressureEntry entry(83524, UnitOfPressure::KPa, false, ",");
  EXPECT_EQ(entry.PressureText(), "83,524");
  EXPECT_EQ(entry.AltitudeText(), "1600");
}

TEST(PressureEntry, TypingEitherBoxFillsTheOther) {
  PressureEntry entry(101325, UnitOfPressure::KPa, false, ".");
  EXPECT_EQ(entry.AltitudeTyped("1600"), "83.524");
  EXPECT_EQ(entry.Pascals(), 83524);
  EXPECT_EQ(entry.PressureTyped("101.325"), "0");
  EXPECT_EQ(entry.Pascals(), 101325);
}

TEST(PressureEntry, RefusesAValueOutsideTheRangeAndKeepsTheLastAccepted) {
  PressureEntry entry(83400, UnitOfPressure::KPa, false, ".");
  EXPECT_EQ(entry.PressureTyped("30"), std::nullopt);
  EXPECT_EQ(entry.PressureTyped("8"), std::nullopt);  // on the way to typing 83
  EXPECT_EQ(entry.AltitudeTyped("9000"), std::nullopt);
  EXPECT_EQ(entry.AltitudeTyped("-"), std::nullopt);
  EXPECT_EQ(entry.Pascals(), 83400);
}

// The last text typed is judged whole: a refused one leaves no pressure to take over, though
// its prefix was accepted on the way; the next accepted text, in either box, gives one again.
TEST(PressureEntry, SaysWhyTheLastTextTypedIsRefused) {
  PressureEntry entry(101325, UnitOfPressure::KPa, false, ".");
  EXPECT_EQ(entry.Refused(), std::nullopt);
  for (const char* prefix : {"5", "50", "500", "5000"})
    EXPECT_NE(entry.AltitudeTyped(prefix), std::nullopt);
  EXPECT_EQ(entry.AltitudeTyped("50000"), std::nullopt);
  EXPECT_EQ(entry.Pascals(), 54020);  // 5000 m's, from the way there
  ASSERT_NE(entry.Refused(), std::nullopt);
  EXPECT_EQ(entry.Refused()->In, PressureEntry::Box::Altitude);
  EXPECT_EQ(entry.Refused()->Says("Altitude must be %1 to %2"),
            "Altitude must be -1449 m to 7185 m");
  EXPECT_EQ(entry.Refused()->Says("標高は%1～%2の範囲で入力してください"),
            "標高は-1449 m～7185 mの範囲で入力してください");
  EXPECT_EQ(entry.PressureTyped("120.01"), std::nullopt);
  EXPECT_EQ(entry.Refused()->In, PressureEntry::Box::Pressure);
  EXPECT_EQ(entry.Refused()->Says("Pressure must be %1 to %2"),
            "Pressure must be 40.000 kPa to 120.000 kPa");
  EXPECT_NE(entry.AltitudeTyped("1600"), std::nullopt);
  EXPECT_EQ(entry.Refused(), std::nullopt);
}

TEST(PressureEntry, FollowsTheChosenUnits) {
  PressureEntry entry(101325, UnitOfPressure::KPa, false, ".");
  entry.SetPressureUnit(UnitOfPressure::InHg);
  EXPECT_EQ(entry.PressureText(), "29.92");
  EXPECT_EQ(entry.PressureTyped("24.63"), "1611");
  entry.SetFeet(true);
  EXPECT_EQ(entry.AltitudeText(), "5287");
  EXPECT_EQ(entry.AltitudeTyped("0"), "29.92");
}

}  // namespace
}  // namespace vaporin
