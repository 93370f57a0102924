#include "core/pressure_entry.h"

#include <gtest/gtest.h>

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
