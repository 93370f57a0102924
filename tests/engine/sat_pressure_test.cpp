#include "engine/sat_pressure.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/step_search.h"
#include "tests/engine/engine_test_support.h"

namespace vaporin {
namespace {

struct SatPressureCase {
  const char* name;
  double t;  // °C
  int32_t mode;
  int32_t status;
  double expected;  // mmHg, or hPa under UnitModeHPa; 0.0 after a failure
  friend void PrintTo(const SatPressureCase& c, std::ostream* os) { *os << c.name; }
};

class SatPressureTable : public ::testing::TestWithParam<SatPressureCase> {};

TEST_P(SatPressureTable, GivesTheBranchValueOrFailsWithZero) {
  const SatPressureCase& c = GetParam();
  PsychroParams p = InitPsychroParams();
  p.UnitMode = c.mode;
  double result = 123.0;
  EXPECT_EQ(SatPressure(&p, &c.t, &result), c.status);
  EXPECT_TRUE(NearRelative(result, c.expected));
  EXPECT_EQ(p.UnitMode, c.mode);
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Branches, SatPressureTable,
    ::testing::Values(SatPressureCase{"AbsoluteZeroFails", -273.15, 0, -1, 0.0},
                      SatPressureCase{"BelowAbsoluteZeroFails", -300.0, 0, -1, 0.0},
                      SatPressureCase{"IceEquationUnderflowsToZero", -273.14, 0, 1, 0.0},
                      SatPressureCase{"IceJustBelowZero", -0.0001, 0, 1, 4.58399164994574},
                      SatPressureCase{"WaterAtZero", 0.0, 0, 1, 4.584473232190783},
                      SatPressureCase{"WaterAt20InMmHg", 20.0, 0, 1, 17.545811307037027},
                      SatPressureCase{"WaterAt20InHPa", 20.0, 1, 1, 23.392491277566705},
                      SatPressureCase{"OtherModesMeanMmHg", 20.0, 7, 1, 17.545811307037027},
                      SatPressureCase{"IapwsAt100", 100.0, 0, 1, 760.6975082530471},
                      SatPressureCase{"CriticalTemperatureFails", 373.946, 0, -1, 0.0},
                      SatPressureCase{"NotANumberFails", NaN, 0, -1, 0.0}),
    [](const auto& info) { return info.param.name; });

TEST(SatPressure, IapwsBranchReachesJustBelowTheCriticalPoint) {
  PsychroParams p = InitPsychroParams();
  const double t = 373.9;
  double result = 0.0;
  ASSERT_EQ(SatPressure(&p, &t, &result), 1);
  // About 220.6 bar, the critical pressure, in mmHg.
  EXPECT_NEAR(result, 2.2064e5 * p.HPaToMmHg, 2.2064e5 * p.HPaToMmHg * 0.001);
}

TEST(SatPressure, IsContinuousAcrossTheIceWaterAndIapwsBranches) {
  PsychroParams p = InitPsychroParams();
  for (const double edge : {0.0, 100.0}) {
    const double below = edge - 1e-9;
    double low = 0.0;
    double high = 0.0;
    ASSERT_EQ(SatPressure(&p, &below, &low), 1);
    ASSERT_EQ(SatPressure(&p, &edge, &high), 1);
    EXPECT_NEAR(low / high, 1.0, 2e-3) << "at " << edge << " °C";
  }
}

// The probes' copy keeps one value; it must be SatPressure's to the bit in either unit mode.
TEST(SatPressure, ProbesReadTheSameBits) {
  PsychroParams p = InitPsychroParams();
  for (const int32_t mode : {UnitModeMmHg, UnitModeHPa}) {
    p.UnitMode = mode;
    for (const double t : {-NearestTrialValueToZero, -1e-30, 0.0, -50.0, 20.0, 150.0, 400.0}) {
      double plain = 1.0;
      double probe = 2.0;
      EXPECT_EQ(SatPressure(&p, &t, &plain), ProbeSatPressure(&p, &t, &probe)) << t;
      EXPECT_EQ(std::bit_cast<uint64_t>(plain), std::bit_cast<uint64_t>(probe))
          << "at " << t << " °C, mode " << mode;
    }
  }
}

// The logarithm and its slope feed only estimates, but an estimate on the wrong branch or a
// slope off by a factor would cost every search its bracket without any result showing it.
TEST(SatPressure, LogAndItsDerivativesFollowTheIceAndWaterBranches) {
  PsychroParams p = InitPsychroParams();
  p.UnitMode = UnitModeHPa;
  for (const double t : {-150.0, -40.0, -1e-6, 0.0, 20.0, 99.99}) {
    double hPa = 0.0;
    ASSERT_EQ(SatPressure(&p, &t, &hPa), 1);
    EXPECT_NEAR(SatPressureLogHPa(t), std::log(hPa), 1e-13) << "at " << t << " °C";
    // The slope against a central difference within the branch.
    const double h = 1e-4;
    const double a = t < 0.0 ? t - 2.0 * h : t + h;
    const double difference = (SatPressureLogHPa(a + h) - SatPressureLogHPa(a - h)) / (2.0 * h);
    EXPECT_NEAR(SatPressureLogSlope(a), difference, 1e-7 * difference) << "at " << a << " °C";
    const double curvature = (SatPressureLogSlope(a + h) - SatPressureLogSlope(a - h)) / (2.0 * h);
    EXPECT_NEAR(SatPressureLogCurvature(a), curvature, 1e-6 * std::fabs(curvature))
        << "at " << a << " °C";
  }
  // Only the two branches: from 100 °C and at or below absolute zero, none.
  for (const double t : {100.0, 200.0, -273.15, -300.0}) {
    EXPECT_TRUE(std::isnan(SatPressureLogHPa(t))) << "at " << t << " °C";
    EXPECT_TRUE(std::isnan(SatPressureLogSlope(t))) << "at " << t << " °C";
    EXPECT_TRUE(std::isnan(SatPressureLogCurvature(t))) << "at " << t << " °C";
  }
}

}  // namespace
}  // namespace vaporin
