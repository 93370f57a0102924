// The engine's searches against the plain stepping search they replace: the same status and the
// same bits in all eight fields, partial writes of a failing solve included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>

#include "engine/certified_search.h"
#include "engine/relations.h"
#include "engine/sat_pressure.h"
#include "engine/solvers.h"
#include "engine/step_search.h"
#include "tests/engine/oracle/plain_solvers.h"

namespace vaporin {
namespace {

#ifdef VAPORIN_SANITIZED
constexpr int SweepScale = 10;  // the sanitizer build runs a tenth of the sweep
#else
constexpr int SweepScale = 1;
#endif

// Fields a solve leaves alone keep this, so that partial writes are compared too.
constexpr double Untouched = -12345.678;

AirState StateWith(int32_t first, double a, int32_t second, double b) {
  AirState state{Untouched, Untouched, Untouched, Untouched,
                 Untouched, Untouched, Untouched, Untouched};
  double* fields[] = {&state.DB, &state.RH, &state.SH, &state.ENH, &state.WB, &state.SV, &state.VH};
  *fields[first] = a;
  *fields[second] = b;
  return state;
}

std::string Describe(int32_t code, double a, double b, double pascals) {
  std::ostringstream text;
  text.precision(17);
  text << "code " << code << " with " << a << " and " << b << " at " << pascals << " Pa";
  return text.str();
}

// Solves with the engine and with the plain search; true when both agree bit for bit.
::testing::AssertionResult SameAsPlainSearch(int32_t code, double a, double b,
                                             double pascals = 101325.0) {
  PsychroParams fast = InitPsychroParams();
  PsychroParams plain = InitPsychroParams();
  SetAtmosphericPressure(&fast, pascals);
  SetAtmosphericPressure(&plain, pascals);
  AirState fastState = StateWith(code / 10, a, code % 10, b);
  AirState plainState = fastState;
  const int32_t fastStatus = SolvePair(&fast, &fastState, code);
  const int32_t plainStatus = oracle::PlainSolvePair(&plain, &plainState, code);
  if (fastStatus == plainStatus && std::memcmp(&fastState, &plainState, sizeof(AirState)) == 0 &&
      std::memcmp(&fast, &plain, sizeof(PsychroParams)) == 0) {
    return ::testing::AssertionSuccess();
  }
  std::ostringstream diff;
  diff.precision(17);
  diff << Describe(code, a, b, pascals) << ": status " << fastStatus << " vs " << plainStatus;
  const double* x = &fastState.DB;
  const double* y = &plainState.DB;
  const char* names[] = {"DB", "RH", "SH", "ENH", "WB", "SV", "DP", "VH"};
  for (int i = 0; i < 8; ++i) {
    if (std::memcmp(&x[i], &y[i], sizeof(double)) != 0) {
      diff << "; " << names[i] << " " << x[i] << " vs " << y[i];
    }
  }
  return ::testing::AssertionFailure() << diff.str();
}

struct HardCase {
  const char* name;
  int32_t code;
  double a;
  double b;
  double pascals;
  friend void PrintTo(const HardCase& c, std::ostream* os) { *os << c.name; }
};

class HardCases : public ::testing::TestWithParam<HardCase> {};

TEST_P(HardCases, GiveThePlainSearchsBits) {
  const HardCase& c = GetParam();
  EXPECT_TRUE(SameAsPlainSearch(c.code, c.a, c.b, c.pascals));
}

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, HardCases,
    ::testing::Values(HardCase{"Overview", 1, 25.0, 50.0, 101325},
                      HardCase{"SaturatedRootOnAGridPoint", 1, 20.0, 100.0, 101325},
                      HardCase{"DryAir", 1, 20.0, 0.0, 101325},
                      HardCase{"WetBulbAtZero", 24, 0.0, 0.002, 101325},
                      HardCase{"WetBulbJustBelowZero", 24, -1e-9, 0.002, 101325},
                      HardCase{"DryBulbWetBulbAtZero", 4, 5.0, 0.0, 101325},
                      HardCase{"DryBulbWetBulbJustBelowZero", 4, 5.0, -1e-12, 101325},
                      HardCase{"DewPointAtZero", 2, 10.0, 0.0037895, 101325},
                      HardCase{"WetBulbNearIapwsBoundary", 4, 99.99999, 99.9999, 101325},
                      HardCase{"DryBulbAtIapwsBoundary", 1, 100.0, 50.0, 101325},
                      HardCase{"HotAndHumidFailsAtTheWetBulb", 2, 95.0, 0.8, 101325},
                      HardCase{"BeyondTheCriticalPoint", 1, 374.0, 10.0, 101325},
                      HardCase{"ProbeCapReached", 26, 20.0, -5.0, 101325},
                      HardCase{"NegativeRatioNegativeVapour", 26, -0.3, -50.0, 101325},
                      HardCase{"NegativeRatioVapourJustBelowTheFirst", 26, -0.001, -0.02, 40000},
                      HardCase{"RatioOfANegativeVolume", 26, -1.0, -50.0, 101325},
                      HardCase{"RatioAtTheVolumesPole", 26, -1.0 / 1.6078, -1.0, 101325},
                      HardCase{"ShAboveTheSearchlessLimit", 2, 20.0, 20000.0, 101325},
                      HardCase{"NegativeRelativeHumidity", 12, -20.0, 0.01, 101325},
                      HardCase{"RelativeHumidityAbove100", 16, 300.0, 20.0, 101325},
                      HardCase{"NegativeHumidityRatio", 2, 20.0, -0.01, 101325},
                      HardCase{"HugeEnthalpy", 13, 50.0, 1e300, 101325},
                      HardCase{"NaNDryBulb", 1, Nan, 50.0, 101325},
                      HardCase{"NaNHumidityRatio", 2, 20.0, Nan, 101325},
                      HardCase{"InfiniteVolume", 15, 50.0, Inf, 101325},
                      HardCase{"LowPressureBoilsEarly", 1, 80.0, 90.0, 40000},
                      HardCase{"HighPressure", 1, 104.0, 90.0, 120000},
                      HardCase{"WorstRealisticWetBulbVh", 46, 39.5, 40.0, 101325},
                      HardCase{"AbsurdWetBulbNoWater", 46, 82.5, 0.0, 101325},
                      HardCase{"FogWetBulbVh", 46, 30.0, 53.0, 101325},
                      HardCase{"GuessBelowAbsoluteZero", 46, -19.0, 465.62399216389122, 101325},
                      HardCase{"HotDryWetBulbVh", 46, 40.0, 21.0, 101325},
                      HardCase{"WetBulbVhDryBulbAboveBoiling", 46, 40.0, 14.5, 101325},
                      HardCase{"WetBulbOfAirAboveBoiling", 24, 0.0163975, 40.0, 40000},
                      HardCase{"WetBulbVhAtZero", 46, 0.0, 1.0, 101325},
                      HardCase{"WetBulbJustAboveZeroWithRh", 14, 34.0703, 0.21154, 101325},
                      // Between the water branch's top (101,419.040 Pa) and the IAPWS branch's
                      // bottom (101,417.994 Pa) boiling is not monotone, and on either side.
                      HardCase{"BelowTheBoilingSeam", 14, 99.89, 90.49, 101417},
                      HardCase{"InTheBoilingSeam", 14, 99.89, 90.49, 101418},
                      HardCase{"AtTheBoilingSeamsTop", 14, 99.89, 90.49, 101419},
                      HardCase{"AboveTheBoilingSeam", 14, 99.89, 90.49, 101420},
                      // A finer level's sum lands a few units in the last place under the
                      // first-level 80 °C, under a crossing between them, and steps on to boil.
                      HardCase{"FinerLevelRoundsUnderTheGrid", 14, 99.999999999999929, 74.17097,
                               47607},
                      HardCase{"WetBulbJustAboveZeroWithVh", 46, 0.22, 2.52, 101325},
                      HardCase{"WetBulbJustAboveZeroWithSv", 45, 0.0138525, 0.78, 61600},
                      HardCase{"WetBulbVhJustBelowZero", 46, -0.5, 1.0, 101325},
                      HardCase{"WetBulbSvJustBelowZero", 45, -0.5, 0.78, 101325},
                      HardCase{"DryBulbEnthalpyAboveDryAir", 3, 60.0, 5.0, 101325},
                      HardCase{"EnthalpyWetBulbNeverSolves", 34, 10.0, 14.0, 101325},
                      HardCase{"VolumeWithNegativeVapour", 56, 20.0, -50.0, 101325},
                      HardCase{"VolumeWithVapourJustBelowTheLowestReading", 56, 0.8, -0.1, 40000},
                      HardCase{"VolumeWithVapourAboveTheLowestReading", 56, 0.8, -0.01, 101325},
                      HardCase{"VolumeWithNoVapour", 56, 20.0, 0.0, 101325},
                      HardCase{"NegativeVolumeWithNegativeVapour", 56, -2.0, -50.0, 101325},
                      HardCase{"VolumeWithNaNVapour", 56, 0.8, Nan, 101325},
                      HardCase{"LargeVolumeWithVapourJustBelowZero", 56, 5.0, -0.001, 40000},
                      HardCase{"VolumeWhoseFirstRatioNearsTheCap", 56, 100.0, 0.0, 120000},
                      HardCase{"GuessedBracketWithinTheMargin", 56, 20.0, 500.0, 101325},
                      HardCase{"FirstVolumeSearchNearItsCap", 56, 59.93, -0.05, 101325},
                      HardCase{"FirstVolumeSearchAtItsCap", 56, 60.2, 0.0, 101325},
                      // The lowest trial dry bulb's humidity ratio just under and just over what
                      // its search reaches before the cap, with vapour to search for.
                      HardCase{"LowestVolumeSearchJustUnderItsCap", 56, 59.8, 5.0, 101325},
                      HardCase{"LowestVolumeSearchOverItsCap", 56, 60.2, 5.0, 101325},
                      HardCase{"WetBulbBelowTheSearchsStart", 45, -272.02640467620085,
                               -0.88532141769855333, 40000},
                      HardCase{"WetBulbAboveBoilingColdAir", 4, -90.0, 180.0, 101325},
                      HardCase{"WetBulbAtBoilingColdAirLowPressure", 4, -160.0, 100.0, 40000},
                      HardCase{"WetBulbAtBoilingNegativeVolume", 45, 100.0, -2.0, 101325},
                      HardCase{"WetBulbNearBoilingMuchVapour", 46, 95.0, 290.0, 101325},
                      HardCase{"EnthalpyWithNegativeVapour", 36, 5500.0, -50.0, 101325},
                      HardCase{"EnthalpyWithSlightlyNegativeVapour", 36, 5500.0, -0.01, 101325},
                      HardCase{"LowEnthalpyWithNegativeVapour", 36, -400.0, -50.0, 101325},
                      HardCase{"EnthalpyWithNegativeVapourAtLowPressure", 36, 20.0, -3.0, 40000},
                      HardCase{"EnthalpyWithNoVapour", 36, 5500.0, 0.0, 101325}),
    [](const auto& info) { return info.param.name; });

// Draws one input quantity: mostly realistic, sometimes absurd, sometimes on a round value
// where a search's root meets its grid.
double Draw(std::mt19937_64& random, int32_t quantity) {
  struct Range {
    double Low, High, AbsurdLow, AbsurdHigh, Round;
  };
  static constexpr Range Ranges[] = {
      {-40.0, 60.0, -300.0, 500.0, 1.0},  // DB, °C
      {0.0, 100.0, -100.0, 500.0, 10.0},  // RH, %
      {0.0, 0.04, -1.0, 5.0, 0.001},      // SH, kg/kg(DA)
      {-10.0, 35.0, -1000.0, 1e4, 1.0},   // ENH, kcal/kg(DA)
      {-40.0, 40.0, -300.0, 400.0, 1.0},  // WB, °C
      {0.65, 1.0, -5.0, 100.0, 0.01},     // SV, m3/kg(DA)
      {0.0, 60.0, -50.0, 2000.0, 1.0},    // VH, g/m3
  };
  const Range& r = Ranges[quantity];
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double kind = unit(random);
  if (kind < 0.75) return r.Low + (r.High - r.Low) * unit(random);
  if (kind < 0.9) return std::round((r.Low + (r.High - r.Low) * unit(random)) / r.Round) * r.Round;
  return r.AbsurdLow + (r.AbsurdHigh - r.AbsurdLow) * unit(random);
}

struct SweepCase {
  int32_t Code;
  int States;
  friend void PrintTo(const SweepCase& c, std::ostream* os) { *os << c.Code; }
};

class RandomSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(RandomSweep, GivesThePlainSearchsBitsForEveryState) {
  const int32_t code = GetParam().Code;
  std::mt19937_64 random(static_cast<uint64_t>(code) * 7919u);
  const double pressures[] = {101325.0, 101325.0, 101325.0, 83400.0, 40000.0, 120000.0};
  std::uniform_int_distribution<size_t> pressure(0, std::size(pressures) - 1);
  int mismatches = 0;
  for (int i = 0; i < GetParam().States / SweepScale && mismatches < 5; ++i) {
    const double a = Draw(random, code / 10);
    const double b = Draw(random, code % 10);
    const auto result = SameAsPlainSearch(code, a, b, pressures[pressure(random)]);
    if (!result) {
      ++mismatches;
      ADD_FAILURE() << result.message();
    }
  }
}

// Saturated and nearly saturated air a few degrees under boiling, at whole-pascal pressures
// (one in four inside the boiling seam), its two values as the engine gives them, rounded to
// the boxes' two decimals, or nudged by a few units in the last place.
class NearBoilingSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(NearBoilingSweep, GivesThePlainSearchsBits) {
  const int32_t code = GetParam().Code;
  std::mt19937_64 random(static_cast<uint64_t>(code) * 104729u);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  constexpr double SeamBottomPa = 101417.0;
  constexpr double DegreesUnderBoiling = 12.0;
  constexpr int MaxNudgeUlps = 4;
  int mismatches = 0;
  for (int i = 0; i < GetParam().States / SweepScale && mismatches < 5; ++i) {
    const double pascals = i % 4 == 0 ? SeamBottomPa + std::floor(4.0 * unit(random))
                                      : std::floor(40000.0 + 80000.0 * unit(random));
    PsychroParams params = InitPsychroParams();
    SetAtmosphericPressure(&params, pascals);
    // The boiling point: where the saturation pressure reaches the atmospheric one.
    double low = 50.0;
    double high = 110.0;
    for (int halving = 0; halving < 60; ++halving) {
      double middle = 0.5 * (low + high);
      double pv = 0.0;
      SatPressure(&params, &middle, &pv);
      (pv < params.PAtmMmHg ? low : high) = middle;
    }
    AirState state{};
    state.DB = low - DegreesUnderBoiling * unit(random);
    state.RH = unit(random) < 0.5 ? 100.0 : 100.0 - 3.0 * unit(random) * unit(random);
    if (Failed(SolvePair(&params, &state, 1))) continue;
    double values[] = {state.DB, state.RH, state.SH, state.ENH, state.WB, state.SV, state.VH};
    double a = values[code / 10];
    double b = values[code % 10];
    for (double* value : {&a, &b}) {
      if (i % 3 == 1) *value = std::round(*value * 100.0) / 100.0;
      if (i % 3 == 2) {
        const int ulps = static_cast<int>(unit(random) * (2 * MaxNudgeUlps + 1)) - MaxNudgeUlps;
        for (int n = 0; n < std::abs(ulps); ++n) {
          *value = std::nextafter(*value, ulps > 0 ? Inf : -Inf);
        }
      }
    }
    const auto result = SameAsPlainSearch(code, a, b, pascals);
    if (!result) {
      ++mismatches;
      ADD_FAILURE() << result.message();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, NearBoilingSweep,
                         ::testing::Values(SweepCase{4, 1500}, SweepCase{12, 1500},
                                           SweepCase{14, 1500}, SweepCase{24, 1500},
                                           SweepCase{45, 600}, SweepCase{46, 60}),
                         [](const auto& info) { return "Code" + std::to_string(info.param.Code); });

// The nested codes cost the plain search milliseconds a state: fewer of them.
INSTANTIATE_TEST_SUITE_P(
    Codes, RandomSweep,
    ::testing::Values(SweepCase{1, 8000}, SweepCase{2, 6000}, SweepCase{3, 6000},
                      SweepCase{4, 2000}, SweepCase{5, 6000}, SweepCase{6, 6000},
                      SweepCase{12, 6000}, SweepCase{13, 6000}, SweepCase{14, 1500},
                      SweepCase{15, 6000}, SweepCase{16, 6000}, SweepCase{23, 6000},
                      SweepCase{24, 6000}, SweepCase{25, 6000}, SweepCase{26, 5000},
                      SweepCase{35, 5000}, SweepCase{36, 5000}, SweepCase{45, 2000},
                      SweepCase{46, 200}, SweepCase{56, 3000}),
    [](const auto& info) { return "Code" + std::to_string(info.param.Code); });

// The comparison above must be able to fail: with a margin that certifies readings on the wrong
// side of the target, the same kind of sweep finds wet bulbs that differ from the plain search.
TEST(WrongMargin, IsCaughtByTheComparison) {
  PsychroParams p = InitPsychroParams();
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> dryBulb(-20.0, 50.0);
  std::uniform_real_distribution<double> humidity(0.0, 0.02);
  auto wetBulb = [&](double db, double sh, double marginFactor) {
    double result = 0.0;
    CertifiedStepSearch(
        TemperatureSearch(&p), db, Overshoot::Above,
        [&](double s) {
          Reading reading{StatusFailed, 0.0, std::fabs(db) + 1.0};
          reading.Status = DbFromWbSh(&p, &s, &sh, &reading.Value);
          return reading;
        },
        SatPressureBranches, &result, std::nullopt, marginFactor);
    return result;
  };
  int wrong = 0;
  for (int i = 0; i < 2000 / SweepScale; ++i) {
    const double db = dryBulb(random);
    const double sh = humidity(random);
    double plain = 0.0;
    StepSearch(
        TemperatureSearch(&p), db, Overshoot::Above,
        [&](double s, double* value) { return DbFromWbSh(&p, &s, &sh, value); }, &plain);
    EXPECT_EQ(wetBulb(db, sh, CertifiedMarginFactor), plain);
    if (wetBulb(db, sh, -1e-9) != plain) ++wrong;
  }
  EXPECT_GT(wrong, 0);
}

// A probe rising with its trial value that fails below `low` or from `high` on. The certified
// search skips the first level's trial values on either side of its bracket; where the probe
// fails there, only the pieces' failure bounds make it read them, and fail as the plain search
// does. Bounds that say no failure is possible there must change the result, or they are
// checked by nothing.
TEST(FailureBounds, DecideWhetherSkippedTrialValuesAreRead) {
  const PsychroParams p = InitPsychroParams();
  constexpr double Inf = std::numeric_limits<double>::infinity();
  constexpr double Target = 13.7;
  const Bracket guess{Target - 1e-9, Target + 1e-9};
  struct Case {
    double Low, High;  // where the probe fails
  };
  // A probe that fails high is checked there unless told otherwise.
  auto failingHigh = [](double s) { return Reading{s < 15.0 ? StatusOk : StatusFailed, s, 1.0}; };
  double unbounded = 0.0;
  EXPECT_EQ(CertifiedStepSearch(TemperatureSearch(&p), Target, Overshoot::Above, failingHigh,
                                WholeRange, &unbounded, guess),
            StatusFailed);
  for (const Case c : {Case{-Inf, 15.0}, Case{-200.0, Inf}}) {
    auto probe = [&](double s) {
      const bool fails = s < c.Low || s >= c.High;
      return Reading{fails ? StatusFailed : StatusOk, s, std::fabs(s) + 1.0};
    };
    double plain = 0.0;
    const int32_t plainStatus = StepSearch(
        TemperatureSearch(&p), Target, Overshoot::Above,
        [&](double s, double* value) {
          const Reading at = probe(s);
          *value = at.Value;
          return at.Status;
        },
        &plain);
    ASSERT_EQ(plainStatus, StatusFailed);
    double result = 0.0;
    EXPECT_EQ(CertifiedStepSearch(TemperatureSearch(&p), Target, Overshoot::Above, probe,
                                  WholeRangeFailing(c.Low, c.High), &result, guess),
              StatusFailed)
        << c.Low << " " << c.High;
    EXPECT_EQ(CertifiedStepSearch(TemperatureSearch(&p), Target, Overshoot::Above, probe,
                                  WholeRangeFailing(-Inf, Inf), &result, guess),
              StatusOk)
        << c.Low << " " << c.High;
  }
}

}  // namespace
}  // namespace vaporin
