#include "engine/search_relations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/step_search.h"
#include "tests/engine/engine_test_support.h"

namespace vaporin {
namespace {

using Relation1 = int32_t (*)(PsychroParams*, const double*, double*);
using Relation2 = int32_t (*)(PsychroParams*, const double*, const double*, double*);

constexpr double Sh20 = 0.007263520796851438;
constexpr double Enh20 = 9.204017824371348;
constexpr double Sv20 = 0.8403281506958505;
constexpr double Wb20 = 13.779961649999986;
constexpr double Vh20FromRh = 8.644968037872903;
constexpr double Vh20FromSh = 8.643671868943976;
// -TolSH plus 726 steps of 0.00001, as the humidity-ratio grid holds it.
constexpr double ShGrid20 = 0.0072574999999999975;

struct SearchCase {
  const char* name;
  Relation2 relation;
  double a;
  double b;
  int32_t status;
  double expected;
  double tolerance;
  friend void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }
};

class SearchTable : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchTable, FindsTheGridValueBelowTheCrossing) {
  const SearchCase& c = GetParam();
  PsychroParams p = InitPsychroParams();
  double result = 123.0;
  EXPECT_EQ(c.relation(&p, &c.a, &c.b, &result), c.status);
  EXPECT_NEAR(result, c.expected, c.tolerance);
  EXPECT_EQ(p.UnitMode, 0);
}

constexpr double Grid = SearchTolerance;
constexpr double Crossing = 1e-8;  // a search lands below the true crossing by less than this

INSTANTIATE_TEST_SUITE_P(
    Relations, SearchTable,
    ::testing::Values(
        SearchCase{"WbFromDbSh", WbFromDbSh, 20.0, Sh20, 1, Wb20, Grid},
        SearchCase{"WbFromDbShDryAir", WbFromDbSh, 50.0, 0.0, 1, 18.110842860000016, Grid},
        SearchCase{"WbFromDbShHotHumid", WbFromDbSh, 150.0, 0.8, 1, 85.52591227999997, Grid},
        SearchCase{"WbFromDbShWetBulbAbove90Fails", WbFromDbSh, 120.0, 1.5, -1, 0.0, 0.0},
        SearchCase{"WbFromDbShNoSearchAboveLimit", WbFromDbSh, 20.0, 20000.0, 1, 100.0, 0.0},
        SearchCase{"ShFromDbWb", ShFromDbWb, 20.0, Wb20, 1, ShGrid20, 1e-15},
        SearchCase{"ShFromDbWbBelowDryAirReturnsStart", ShFromDbWb, 20.0, 0.0, 1,
                   -2.5000000000007655e-06, 1e-18},
        SearchCase{"ShFromDbSv", ShFromDbSv, 20.0, Sv20, 1, ShGrid20, 1e-15},
        SearchCase{"ShFromSvWb", ShFromSvWb, Sv20, Wb20, 1, ShGrid20, 1e-15},
        SearchCase{"DbFromRhSh", DbFromRhSh, 50.0, Sh20, 1, 20.0, Crossing},
        SearchCase{"DbFromRhVh", DbFromRhVh, 50.0, Vh20FromRh, 1, 20.0, Crossing},
        SearchCase{"DbFromRhEnh", DbFromRhEnh, 50.0, Enh20, 1, 20.0, Crossing},
        SearchCase{"DbFromRhWb", DbFromRhWb, 50.0, Wb20, 1, 20.0, Crossing},
        SearchCase{"DbFromRhSv", DbFromRhSv, 50.0, Sv20, 1, 20.0, Crossing},
        SearchCase{"DbFromSvEnh", DbFromSvEnh, Sv20, Enh20, 1, 20.0, Crossing},
        SearchCase{"DbFromShVh", DbFromShVh, Sh20, Vh20FromSh, 1, 20.0, Crossing},
        SearchCase{"DbFromEnhVh", DbFromEnhVh, Enh20, Vh20FromSh, 1, 20.0, Crossing},
        SearchCase{"DbFromShVhNeverPassedHitsTheCap", DbFromShVh, Sh20, -1.0, -1, 0.0, 0.0},
        SearchCase{"DbFromRhShAboveSaturatedBoilingFails", DbFromRhSh, 100.0, 2.0, -1, 0.0, 0.0}),
    [](const auto& info) { return info.param.name; });

struct DewPointCase {
  const char* name;
  double sh;
  int32_t status;
  double expected;
  friend void PrintTo(const DewPointCase& c, std::ostream* os) { *os << c.name; }
};

class DewPointTable : public ::testing::TestWithParam<DewPointCase> {};

TEST_P(DewPointTable, FollowsTheSaturationCurveWithItsGuards) {
  const DewPointCase& c = GetParam();
  PsychroParams p = InitPsychroParams();
  double result = 123.0;
  EXPECT_EQ(DpFromSh(&p, &c.sh, &result), c.status);
  EXPECT_NEAR(result, c.expected, SearchTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Guards, DewPointTable,
    ::testing::Values(DewPointCase{"At20And50", Sh20, 1, 9.273653239999993},
                      DewPointCase{"DryAirIsAbsoluteZero", 0.0, 1, -273.1499938964844},
                      DewPointCase{"NearBoiling", 1.3, 1, 89.37582174},
                      DewPointCase{"Above90Fails", 1.41, -1, 0.0},
                      DewPointCase{"NoSearchAboveLimit", 20000.0, 1, 99.99999}),
    [](const auto& info) { return info.param.name; });

TEST(DbFromWbVh, RunsThreeNestedSearches) {
  PsychroParams p = InitPsychroParams();
  double result = 0.0;
  ASSERT_EQ(DbFromWbVh(&p, &Wb20, &Vh20FromRh, &result), 1);
  // Not 20: the inner humidity-ratio search lands on its 0.00001 grid.
  EXPECT_NEAR(result, 19.990305140000036, SearchTolerance);
}

TEST(DbFromSvVh, InvertsTheVolumeAndAbsoluteHumidity) {
  PsychroParams p = InitPsychroParams();
  double result = 0.0;
  ASSERT_EQ(DbFromSvVh(&p, &Sv20, &Vh20FromSh, &result), 1);
  EXPECT_NEAR(result, 20.0, 0.05);
}

TEST(StepSearch, UsesTenTemperatureStepSizesAndNeverProbesTheStart) {
  const PsychroParams p = InitPsychroParams();
  std::vector<double> trials;
  // Every decimal of the distance from the start, 282.12345678(5), is non-zero, so every step
  // size, the smallest too, has probes that do not overshoot.
  const double target = 12.123456785;
  double result = 0.0;
  ASSERT_EQ(StepSearch(
                TemperatureSearch(&p), target, Overshoot::Above,
                [&](double s, double* value) {
                  trials.push_back(s);
                  *value = s;
                  return StatusOk;
                },
                &result),
            1);
  EXPECT_LE(result, target);
  EXPECT_GT(result, target - 1.1e-8);
  EXPECT_EQ(trials.front(), -260.0);
  double smallestStep = 1.0;
  for (size_t i = 1; i < trials.size(); ++i) {
    if (trials[i] > trials[i - 1]) smallestStep = std::min(smallestStep, trials[i] - trials[i - 1]);
  }
  // The tenth size, 10 times 0.1 nine times over, is just above the 1e-8 tolerance.
  EXPECT_NEAR(smallestStep, 1e-8, 1e-12);
}

// Readings just under 0 stop at minus the gap, which holds only if no trial value lies in it:
// searches that close in on 0 from either side, by sums that round, meet values down to a few
// 1e-17 from it.
TEST(StepSearch, MeetsNoTrialValueBetweenZeroAndItsGap) {
  const PsychroParams p = InitPsychroParams();
  const double targets[] = {0.0, 1e-30, -1e-30, 2.2e-16, -5.5e-17, 1e-9, -3e-9, 4.4e-13};
  size_t nearZero = 0;
  for (const SearchFamily& family : {TemperatureSearch(&p), HumidityRatioSearch(&p)}) {
    const double ceiling = TrialValuesBelowUpTo(family, 0.0);
    EXPECT_EQ(ceiling, -NearestTrialValueToZero);
    for (const double target : targets) {
      double result = 0.0;
      StepSearch(
          family, target, Overshoot::Above,
          [&](double s, double* value) {
            EXPECT_FALSE(s != 0.0 && std::fabs(s) < NearestTrialValueToZero) << s;
            if (s < 0.0) {
              EXPECT_LE(s, ceiling);
            }
            if (s != 0.0 && std::fabs(s) < 1e-12) ++nearZero;
            *value = s;
            return StatusOk;
          },
          &result);
    }
  }
  // The sums do come close to 0, or the check says nothing.
  EXPECT_GT(nearZero, 0u);
  // Elsewhere, and under a tolerance too fine to keep the gap, the double just under the bound.
  EXPECT_EQ(TrialValuesBelowUpTo(TemperatureSearch(&p), 100.0), std::nextafter(100.0, 0.0));
  const SearchFamily fine{-1.0, 0.1, 1e-20};
  EXPECT_EQ(TrialValuesBelowUpTo(fine, 0.0), -std::numeric_limits<double>::denorm_min());
}

TEST(StepSearch, TreatsAProbeEqualToTheTargetAsNotOvershootingUntilTheCap) {
  const PsychroParams p = InitPsychroParams();
  int calls = 0;
  double result = 1.0;
  EXPECT_EQ(StepSearch(
                HumidityRatioSearch(&p), 5.0, Overshoot::Above,
                [&](double, double* value) {
                  ++calls;
                  *value = 5.0;
                  return StatusOk;
                },
                &result),
            -1);
  EXPECT_EQ(calls, MaxProbesBelowTarget + 1);
  EXPECT_EQ(result, 0.0);
}

TEST(StepSearch, CountsTheCapOverTheWholeSearchNotPerStepSize) {
  const PsychroParams p = InitPsychroParams();
  int calls = 0;
  double result = 0.0;
  // 99995 probes below the target at the step 0.01, then 5 at 0.001 and 7 at 0.0001: no
  // single step size passes the cap, their sum does.
  const double target = -p.TolSH + 99995 * 0.01 + 0.0057;
  const int32_t status = StepSearch(
      HumidityRatioSearch(&p), target, Overshoot::Above,
      [&](double s, double* value) {
        ++calls;
        *value = s;
        return StatusOk;
      },
      &result);
  EXPECT_EQ(status, -1);
  const int overshootingProbes = 2;
  EXPECT_EQ(calls, MaxProbesBelowTarget + 1 + overshootingProbes);
}

TEST(StepSearch, EndsAtTheFirstFailedProbe) {
  const PsychroParams p = InitPsychroParams();
  int calls = 0;
  double result = 1.0;
  EXPECT_EQ(StepSearch(
                TemperatureSearch(&p), 100.0, Overshoot::Above,
                [&](double s, double* value) {
                  *value = s;
                  return ++calls == 3 ? StatusFailed : StatusOk;
                },
                &result),
            -1);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(result, 0.0);
}

}  // namespace
}  // namespace vaporin
