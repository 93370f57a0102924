#include "engine/solvers.h"

#include <gtest/gtest.h>

#include "engine/relations.h"
#include "engine/sat_pressure.h"
#include "tests/engine/engine_test_support.h"
#include "tests/engine/reference_state.h"

namespace vaporin {
namespace {

// A value no solver computes: a field still holding it was not written.
constexpr double Unwritten = 777.0;

AirState Entered(int32_t pairCode) {
  AirState a{Unwritten, Unwritten, Unwritten, Unwritten,
             Unwritten, Unwritten, Unwritten, Unwritten};
  for (const int32_t index : {pairCode / 10, pairCode % 10}) {
    switch (index) {
      case QuantityDB:
        a.DB = Ref20.DB;
        break;
      case QuantityRH:
        a.RH = Ref20.RH;
        break;
      case QuantitySH:
        a.SH = Ref20.SH;
        break;
      case QuantityENH:
        a.ENH = Ref20.ENH;
        break;
      case QuantityWB:
        a.WB = Ref20.WB;
        break;
      case QuantitySV:
        a.SV = Ref20.SV;
        break;
      case QuantityVH:
        a.VH = Ref20.VH;
        break;
    }
  }
  return a;
}

void ExpectState(const AirState& actual, const AirState& expected) {
  EXPECT_NEAR(actual.DB, expected.DB, SearchTolerance);
  EXPECT_NEAR(actual.RH, expected.RH, SearchTolerance);
  EXPECT_NEAR(actual.SH, expected.SH, 1e-15);
  EXPECT_NEAR(actual.ENH, expected.ENH, SearchTolerance);
  EXPECT_NEAR(actual.WB, expected.WB, SearchTolerance);
  EXPECT_NEAR(actual.SV, expected.SV, 1e-12);
  EXPECT_NEAR(actual.DP, expected.DP, SearchTolerance);
  EXPECT_NEAR(actual.VH, expected.VH, SearchTolerance);
}

struct SolveCase {
  int32_t pairCode;
  AirState expected;
  friend void PrintTo(const SolveCase& c, std::ostream* os) { *os << "code " << c.pairCode; }
};

class SolveAt20And50 : public ::testing::TestWithParam<SolveCase> {};

// Every solver writes all six missing fields; the searches' grids show where they differ from
// the reference state.
TEST_P(SolveAt20And50, FillsTheWholeState) {
  const SolveCase& c = GetParam();
  PsychroParams p = InitPsychroParams();
  AirState a = Entered(c.pairCode);
  ASSERT_EQ(SolvePair(&p, &a, c.pairCode), 1);
  ExpectState(a, c.expected);
  EXPECT_EQ(p.UnitMode, 0);
}

// The humidity-ratio grid value 0.0072575 and what follows from it at 20 °C.
constexpr double ShGrid = 0.0072574999999999975;
constexpr double RhGrid = 49.959032581328188;
constexpr double DpGrid = 9.2614919699999927;
constexpr double VhGrid = 8.6378847973726636;

INSTANTIATE_TEST_SUITE_P(
    AllCodes, SolveAt20And50,
    ::testing::Values(
        SolveCase{1, Ref20}, SolveCase{2, Ref20}, SolveCase{3, Ref20},
        SolveCase{
            4,
            {20, RhGrid, ShGrid, 9.200367294822632, Ref20.WB, 0.84032011002136286, DpGrid, VhGrid}},
        SolveCase{
            5,
            {20, RhGrid, ShGrid, 9.200367294822632, 13.774250139999994, Ref20.SV, DpGrid, VhGrid}},
        SolveCase{6, Ref20}, SolveCase{12, Ref20}, SolveCase{13, Ref20}, SolveCase{14, Ref20},
        SolveCase{15, Ref20}, SolveCase{16, Ref20}, SolveCase{23, Ref20},
        SolveCase{24,
                  {19.999999978204954, 50.000000067510264, Ref20.SH, 9.2040178190707245, Ref20.WB,
                   0.84032815063337418, Ref20.DP, 8.6449680385156373}},
        SolveCase{25, Ref20},
        // Inverts the SH-based absolute humidity, while the VH entered is the RH-based one.
        SolveCase{26,
                  {19.956047040000037, 50.136353755184601, Ref20.SH, 9.1933283235240779,
                   13.76284497999999, 0.84020215748294469, Ref20.DP, Ref20.VH}},
        SolveCase{35,
                  {20, RhGrid, ShGrid, Ref20.ENH, 13.774250139999994, Ref20.SV, DpGrid, VhGrid}},
        SolveCase{36,
                  {19.997414430000045, 50.015067441362831, 0.0072645579061323901, Ref20.ENH,
                   13.779938779999984, 0.84032212406872586, 9.275747159999991, Ref20.VH}},
        SolveCase{45,
                  {20.002805030664945, 49.950351918731144, ShGrid, 9.2010494798294005, Ref20.WB,
                   Ref20.SV, DpGrid, 8.6378021458277168}},
        SolveCase{46,
                  {19.990305140000036, 50.05713174049685, 0.0072674999999999971, 9.2040726567653142,
                   Ref20.WB, 0.84030567391096944, 9.281685799999984, Ref20.VH}},
        SolveCase{56,
                  {19.998146150000046, 50.032821147205162, 0.0072674999999999971,
                   9.2059796293062988, 13.783014109999991, Ref20.SV, 9.281685799999984, Ref20.VH}}),
    [](const auto& info) { return "Code" + std::to_string(info.param.pairCode); });

class UnsolvableCode : public ::testing::TestWithParam<int32_t> {};

TEST_P(UnsolvableCode, FailsAndTouchesNothing) {
  PsychroParams p = InitPsychroParams();
  const AirState before = Ref20;
  AirState a = before;
  EXPECT_EQ(SolvePair(&p, &a, GetParam()), -1);
  ExpectState(a, before);
}

INSTANTIATE_TEST_SUITE_P(EnthalpyWithWetBulbAndCodesWithoutSolver, UnsolvableCode,
                         ::testing::Values(34, 22, 0, 7, 11, 33, 57, 65, 100, -1, -12));

struct FailureCase {
  const char* name;
  int32_t pairCode;
  AirState before;
  AirState after;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class SolverFailure : public ::testing::TestWithParam<FailureCase> {};

// The steps before the failing one keep their writes, the failing step leaves its relation's
// cleared result, the later steps write nothing.
TEST_P(SolverFailure, StopsAtTheFailingStep) {
  const FailureCase& c = GetParam();
  PsychroParams p = InitPsychroParams();
  AirState a = c.before;
  EXPECT_EQ(SolvePair(&p, &a, c.pairCode), -1);
  ExpectState(a, c.after);
  EXPECT_EQ(p.UnitMode, 0);
}

constexpr double U = Unwritten;

INSTANTIATE_TEST_SUITE_P(
    PartialWrites, SolverFailure,
    ::testing::Values(FailureCase{"SaturatedNearBoilingFailsAtWetBulb",
                                  1,
                                  {99.9, 100, U, U, U, U, U, U},
                                  {99.9, 100, 235.07750509681804, 150839.33669315165, 0.0,
                                   400.56616837341625, U, U}},
                      FailureCase{"DryAirTestRefusesAHotterDryBulb",
                                  3,
                                  {50, U, U, Ref20.ENH, U, U, U, U},
                                  {50, U, U, Ref20.ENH, U, U, U, U}},
                      FailureCase{"SaturationOutOfRangeFailsAtTheFirstStep",
                                  6,
                                  {400, U, U, U, U, U, U, 8},
                                  {400, 0.0, U, U, U, U, U, 8}},
                      FailureCase{"OverflowIsAFailure",
                                  23,
                                  {U, U, -1e308, 1e308, U, U, U, U},
                                  {0.0, U, -1e308, 1e308, U, U, U, U}},
                      FailureCase{"HotStateFailsAtRelativeHumidity",
                                  56,
                                  {U, U, U, U, U, 5, U, 100},
                                  {705.07723864999946, 0.0, 0.49999750000000026, U, U, 5, U, 100}}),
    [](const auto& info) { return info.param.name; });

double ShOfDewPoint(PsychroParams* p, double dp) {
  double pv = 0.0;
  double sh = 0.0;
  EXPECT_EQ(SatPressure(p, &dp, &pv), 1);
  EXPECT_EQ(ShFromPvStd(p, &pv, &sh), 1);
  return sh;
}

TEST(SolveDbSh, HotDewPointAbove90FailsAlreadyAtTheWetBulb) {
  PsychroParams p = InitPsychroParams();
  AirState a{95, U, ShOfDewPoint(&p, 92.0), U, U, U, U, U};
  EXPECT_EQ(SolvePair(&p, &a, 2), -1);
  EXPECT_NEAR(a.RH, 89.452448713329034, SearchTolerance);
  EXPECT_EQ(a.WB, 0.0);
  EXPECT_EQ(a.DP, U);
  EXPECT_EQ(a.VH, U);
}

TEST(SolveDbSh, GivesAnEnteredDewPointBack) {
  PsychroParams p = InitPsychroParams();
  AirState a{95, U, ShOfDewPoint(&p, 89.0), U, U, U, U, U};
  ASSERT_EQ(SolvePair(&p, &a, 2), 1);
  EXPECT_NEAR(a.DP, 89.0, 1e-8);
}

TEST(SolveDbEnh, AcceptsADryBulbUpToTheDryAirTemperature) {
  for (const double db : {38.35, 38.356475283945464}) {
    PsychroParams p = InitPsychroParams();
    AirState a{db, U, U, Ref20.ENH, U, U, U, U};
    EXPECT_EQ(SolvePair(&p, &a, 3), 1) << db;
    EXPECT_NE(a.SH, U);
  }
}

TEST(SolveWbVh, ChecksNoPlausibilityBeyondItsRelations) {
  PsychroParams p = InitPsychroParams();
  AirState a{U, U, U, U, -50, U, U, 1000};
  ASSERT_EQ(SolvePair(&p, &a, 46), 1);
  EXPECT_NEAR(a.DB, -248.07339080000006, SearchTolerance);
  EXPECT_GT(a.RH, 1e98);
}

}  // namespace
}  // namespace vaporin
