#include "engine/relations.h"

#include <gtest/gtest.h>

#include "tests/engine/engine_test_support.h"

namespace vaporin {
namespace {

using Relation = int32_t (*)(PsychroParams*, const double*, const double*, double*);

// The state at 20 °C and 50 %.
constexpr double Db20 = 20.0;
constexpr double Rh50 = 50.0;
constexpr double Sh20 = 0.007263520796851438;
constexpr double Enh20 = 9.204017824371348;
constexpr double Sv20 = 0.8403281506958505;
constexpr double Vh20FromRh = 8.644968037872903;
constexpr double Vh20FromSh = 8.643671868943976;

struct RelationCase {
  const char* name;
  Relation relation;
  double a;
  double b;
  int32_t mode;  // UnitMode of the caller
  int32_t status;
  double expected;  // 0.0 after a failure
  friend void PrintTo(const RelationCase& c, std::ostream* os) { *os << c.name; }
};

class RelationTable : public ::testing::TestWithParam<RelationCase> {};

TEST_P(RelationTable, GivesTheReferenceValueAndKeepsTheCallersMode) {
  const RelationCase& c = GetParam();
  PsychroParams p = InitPsychroParams();
  p.UnitMode = c.mode;
  double result = 123.0;
  EXPECT_EQ(c.relation(&p, &c.a, &c.b, &result), c.status);
  EXPECT_TRUE(NearRelative(result, c.expected));
  EXPECT_EQ(p.UnitMode, c.mode);
}

INSTANTIATE_TEST_SUITE_P(
    ForwardAndInverse, RelationTable,
    ::testing::Values(
        RelationCase{"ShFromDbRh", ShFromDbRh, Db20, Rh50, 0, 1, Sh20},
        RelationCase{"ShFromDbRhDryAir", ShFromDbRh, Db20, 0.0, 0, 1, 0.0},
        RelationCase{"ShFromDbRhSupersaturated", ShFromDbRh, Db20, 120.0, 0, 1,
                     0.01772219613995664},
        RelationCase{"ShFromDbRhAboveBoiling", ShFromDbRh, 99.98, 100.0, 0, -1, 0.0},
        RelationCase{"ShFromDbRhOutOfRange", ShFromDbRh, 400.0, 50.0, 0, -1, 0.0},
        RelationCase{"EnhFromDbShKcal", EnhFromDbSh, Db20, Sh20, 0, 1, Enh20},
        RelationCase{"EnhFromDbShKJ", EnhFromDbSh, Db20, Sh20, 1, 1, 38.53538185516639},
        RelationCase{"ShFromEnhDbKcal", ShFromEnhDb, Enh20, Db20, 0, 1, Sh20},
        RelationCase{"ShFromEnhDbKJ", ShFromEnhDb, 38.53538185516639, Db20, 1, 1, Sh20},
        RelationCase{"DbFromEnhShKcal", DbFromEnhSh, Enh20, Sh20, 0, 1, Db20},
        RelationCase{"DbFromEnhShKJ", DbFromEnhSh, 38.53538185516639, Sh20, 1, 1, Db20},
        RelationCase{"DbFromEnhShOverflowFails", DbFromEnhSh, 1e308, -1e308, 0, -1, 0.0},
        RelationCase{"SvFromDbSh", SvFromDbSh, Db20, Sh20, 0, 1, Sv20},
        RelationCase{"SvFromDbShOverflowFails", SvFromDbSh, 1e308, 1e10, 0, -1, 0.0},
        RelationCase{"DbFromSvSh", DbFromSvSh, Sv20, Sh20, 0, 1, Db20},
        RelationCase{"DbFromSvShOverflowInTheDivisorFails", DbFromSvSh, Sv20, 1.2e308, 0, -1, 0.0},
        RelationCase{"DbFromWbShIcedBulb", DbFromWbSh, -5.0, 0.001, 0, 1, -0.8409640708298218},
        RelationCase{"DbFromWbShAboveBoiling", DbFromWbSh, 100.0, 0.01, 0, -1, 0.0},
        RelationCase{"VhFromDbRh", VhFromDbRh, Db20, Rh50, 0, 1, Vh20FromRh},
        RelationCase{"VhFromDbRhDryAir", VhFromDbRh, Db20, 0.0, 0, 1, 0.0},
        RelationCase{"VhFromDbRhInHPaModeToo", VhFromDbRh, Db20, Rh50, 1, 1, Vh20FromRh},
        RelationCase{"VhFromDbSh", VhFromDbSh, Db20, Sh20, 0, 1, Vh20FromSh},
        RelationCase{"VhFromDbShZeroVolumeFails", VhFromDbSh, -273.1499938964844, 0.0, 0, -1, 0.0},
        RelationCase{"RhFromDbSh", RhFromDbSh, Db20, Sh20, 0, 1, Rh50},
        RelationCase{"RhFromDbShInHPaModeToo", RhFromDbSh, Db20, Sh20, 1, 1, Rh50},
        RelationCase{"RhFromDbShAboveSaturation", RhFromDbSh, Db20, 0.01772219613995664, 0, 1,
                     120.0},
        RelationCase{"RhFromDbShIceTooColdFails", RhFromDbSh, -273.14, 0.001, 0, -1, 0.0},
        RelationCase{"RhFromDbVh", RhFromDbVh, Db20, Vh20FromRh, 0, 1, Rh50},
        RelationCase{"RhFromDbVhIceTooColdFails", RhFromDbVh, -273.14, 1.0, 0, -1, 0.0}),
    [](const auto& info) { return info.param.name; });

TEST(ShFromPv, FailsWhenTheVapourPressureReachesTheTotalPressure) {
  PsychroParams p = InitPsychroParams();
  const double atmosphere = 760.0;
  double result = 1.0;
  EXPECT_EQ(ShFromPvStd(&p, &atmosphere, &result), -1);
  EXPECT_EQ(result, 0.0);

  const double pv = 17.545811307037027 * Rh50 / 100.0;
  ASSERT_EQ(ShFromPvStd(&p, &pv, &result), 1);
  EXPECT_TRUE(NearRelative(result, Sh20));
}

TEST(ShFromPv, ConvertsBothPressuresFromHPaUnderTheHPaMode) {
  PsychroParams p = InitPsychroParams();
  p.UnitMode = UnitModeHPa;
  const double totalHPa = 1000.0;
  const double pvHPa = 20.0;
  double result = 0.0;
  ASSERT_EQ(ShFromPv(&p, &totalHPa, &pvHPa, &result), 1);
  const double eps = p.MolarMassWater / p.MolarMassAir;
  // The conversion factor cancels out of the ratio.
  EXPECT_TRUE(NearRelative(result, eps * 20.0 / 980.0));
}

TEST(RhFromDbSh, FailsWhenTheHumidityRatioCancelsEpsilon) {
  PsychroParams p = InitPsychroParams();
  const double sh = -(p.MolarMassWater / p.MolarMassAir);
  double result = 1.0;
  EXPECT_EQ(RhFromDbSh(&p, &Db20, &sh, &result), -1);
  EXPECT_EQ(result, 0.0);
}

// The three relations that fix a unit mode hand the caller's mode back on success, on an
// ordinary failure and on an arithmetic fault alike.
struct ModeRestoreCase {
  const char* name;
  Relation relation;
  double a;
  double b;
  int32_t status;
  friend void PrintTo(const ModeRestoreCase& c, std::ostream* os) { *os << c.name; }
};

class ModeRestoreTable : public ::testing::TestWithParam<ModeRestoreCase> {};

TEST_P(ModeRestoreTable, RestoresEveryCallerMode) {
  const ModeRestoreCase& c = GetParam();
  for (const int32_t callerMode : {0, 1, 5, -3}) {
    PsychroParams p = InitPsychroParams();
    p.UnitMode = callerMode;
    double result = 0.0;
    EXPECT_EQ(c.relation(&p, &c.a, &c.b, &result), c.status) << "caller mode " << callerMode;
    EXPECT_EQ(p.UnitMode, callerMode);
  }
}

INSTANTIATE_TEST_SUITE_P(
    SuccessFailureFault, ModeRestoreTable,
    ::testing::Values(ModeRestoreCase{"VhFromDbRhSuccess", VhFromDbRh, Db20, Rh50, 1},
                      ModeRestoreCase{"VhFromDbRhFailure", VhFromDbRh, 400.0, Rh50, -1},
                      ModeRestoreCase{"VhFromDbRhFault", VhFromDbRh, Db20, 1e308, -1},
                      ModeRestoreCase{"RhFromDbVhSuccess", RhFromDbVh, Db20, Vh20FromRh, 1},
                      ModeRestoreCase{"RhFromDbVhFailure", RhFromDbVh, 400.0, 1.0, -1},
                      ModeRestoreCase{"RhFromDbVhFault", RhFromDbVh, Db20, 1e308, -1},
                      ModeRestoreCase{"RhFromDbShSuccess", RhFromDbSh, Db20, Sh20, 1},
                      ModeRestoreCase{"RhFromDbShFailure", RhFromDbSh, 400.0, Sh20, -1},
                      ModeRestoreCase{"RhFromDbShFault", RhFromDbSh, Db20, 1e308, -1}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vaporin
