#include "engine/psychro_params.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace vaporin {
namespace {

TEST(PsychroParams, StoresTheSinglePrecisionConstantsWidenedToDouble) {
  const PsychroParams p = InitPsychroParams();
  EXPECT_EQ(p.UnitMode, 0);
  EXPECT_EQ(p.PAtmKPa, 101.32499694824219);
  EXPECT_EQ(p.KelvinOffset, 273.1499938964844);
  EXPECT_EQ(p.MolarMassAir, 28.964500427246094);
  EXPECT_EQ(p.MolarMassWater, 18.01527976989746);
  EXPECT_EQ(p.GasConstAir, 29.270000457763672);
  EXPECT_EQ(p.GasConstVapour, 47.060001373291016);
  EXPECT_EQ(p.CpAir, 0.23999999463558197);
  EXPECT_EQ(p.CpVapour, 0.4410000145435333);
  EXPECT_EQ(p.CWater, 1.0);
  EXPECT_EQ(p.CIce, 0.5);
  EXPECT_EQ(p.LatentVap, 597.5);
  EXPECT_EQ(p.LatentFusion, 79.69999694824219);
  EXPECT_EQ(p.PStdMmHg, 760.0);
  EXPECT_EQ(p.PAtmMmHg, 760.0);
  EXPECT_EQ(p.KcalToKJ, 4.186800003051758);
  EXPECT_EQ(p.HPaToMmHg, 0.75006168);
  EXPECT_EQ(p.TolTemp, 1e-8);
  EXPECT_EQ(p.TolSH, 2.5e-6);
  EXPECT_EQ(p.MolarMassWater / p.MolarMassAir, 0.6219779213920428);
}

TEST(PsychroParams, KeepsTheRecordLayoutOfOneInt32FollowedByEighteenDoubles) {
  EXPECT_EQ(offsetof(PsychroParams, PAtmKPa), 8u);
  EXPECT_EQ(offsetof(PsychroParams, TolSH), 8u + 17 * sizeof(double));
  EXPECT_EQ(sizeof(PsychroParams), 8u + 18 * sizeof(double));
}

TEST(AirState, KeepsTheStorageOrderOfItsEightFields) {
  EXPECT_EQ(offsetof(AirState, DB), 0 * sizeof(double));
  EXPECT_EQ(offsetof(AirState, SH), 2 * sizeof(double));
  EXPECT_EQ(offsetof(AirState, WB), 4 * sizeof(double));
  EXPECT_EQ(offsetof(AirState, DP), 6 * sizeof(double));
  EXPECT_EQ(offsetof(AirState, VH), 7 * sizeof(double));
}

}  // namespace
}  // namespace vaporin

namespace vaporin {
namespace {

TEST(SetAtmosphericPressure, LeavesTheStandardAtmosphereBitForBit) {
  const PsychroParams initial = InitPsychroParams();
  PsychroParams p = InitPsychroParams();
  SetAtmosphericPressure(&p, 83400.0);
  SetAtmosphericPressure(&p, 101325.0);
  EXPECT_EQ(p.PAtmKPa, initial.PAtmKPa);
  EXPECT_EQ(p.PAtmMmHg, initial.PAtmMmHg);
}

TEST(SetAtmosphericPressure, SetsBothPressureFieldsAndNothingElse) {
  PsychroParams p = InitPsychroParams();
  SetAtmosphericPressure(&p, 83400.0);
  EXPECT_EQ(p.PAtmKPa, static_cast<double>(83.4f));
  EXPECT_DOUBLE_EQ(p.PAtmMmHg, 760.0 * 83.4 / 101.325);
  PsychroParams expected = InitPsychroParams();
  expected.PAtmKPa = p.PAtmKPa;
  expected.PAtmMmHg = p.PAtmMmHg;
  EXPECT_EQ(std::memcmp(&p, &expected, sizeof p), 0);
}

}  // namespace
}  // namespace vaporin
