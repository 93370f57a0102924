// The engine built with every margin at 0, against the plain search. A margin is what keeps a
// reading within its probe's rounding from deciding a trial value on the wrong side; without
// it the comparison must find states that differ, in every family whose probe can round out of
// order, or it could not catch a margin set too small.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "engine/relations.h"
#include "engine/search/margins.h"
#include "engine/solvers.h"
#include "tests/engine/oracle/plain_solvers.h"

namespace vaporin {
namespace {

static_assert(MarginScale == 0.0, "this test runs the engine built with every margin at 0");

bool SameAsPlainSearch(int32_t code, double a, double b, double pascals) {
  PsychroParams fast = InitPsychroParams();
  SetAtmosphericPressure(&fast, pascals);
  PsychroParams plain = fast;
  AirState fastState{};
  double* fields[] = {&fastState.DB, &fastState.RH, &fastState.SH, &fastState.ENH,
                      &fastState.WB, &fastState.SV, &fastState.VH};
  *fields[code / 10] = a;
  *fields[code % 10] = b;
  AirState plainState = fastState;
  const int32_t fastStatus = SolvePair(&fast, &fastState, code);
  const int32_t plainStatus = oracle::PlainSolvePair(&plain, &plainState, code);
  return fastStatus == plainStatus && std::memcmp(&fastState, &plainState, sizeof(AirState)) == 0;
}

// The humidity ratio at a volume and the absolute humidity of a humidity ratio have none: their
// probes (DbFromSvSh over the ratio, VhFromDbSh over the dry bulb) are monotone through every
// rounded operation, so no reading can lie on the wrong side of one further on, and a margin of
// 0 is still sound there. The nested wet-bulb question is left out too: a reading of it meets
// its target within rounding only where a dry bulb and a wet bulb lie on both searches' grids
// at once, which no sweep of this size finds.
// A family of searches: a pair whose solve runs it, the quantity it searches for (which ends on
// its grid), the input its probe reaches, and that probe as a relation of the searched value
// and the other input.
struct Family {
  const char* Name;
  int32_t Code;
  QuantityIndex Searched;
  QuantityIndex Target;
  double (*Probe)(PsychroParams* p, double searched, const AirState& inputs);
};

double RatioAtRh(PsychroParams* p, double db, const AirState& in) {
  double sh = 0.0;
  ShFromDbRh(p, &db, &in.RH, &sh);
  return sh;
}

double RatioAtEnthalpy(PsychroParams* p, double db, const AirState& in) {
  double sh = 0.0;
  ShFromEnhDb(p, &in.ENH, &db, &sh);
  return sh;
}

template <int32_t (*Relation)(PsychroParams*, const double*, const double*, double*)>
double Of(PsychroParams* p, double db, double sh) {
  double value = 0.0;
  Relation(p, &db, &sh, &value);
  return value;
}

const Family Families[] = {
    {"WetBulb", 2, QuantityWB, QuantityDB,
     [](PsychroParams* p, double wb, const AirState& in) { return Of<DbFromWbSh>(p, wb, in.SH); }},
    {"RatioAtRh", 12, QuantityDB, QuantitySH, RatioAtRh},
    {"EnthalpyAtRh", 13, QuantityDB, QuantityENH,
     [](PsychroParams* p, double db, const AirState& in) {
       return Of<EnhFromDbSh>(p, db, RatioAtRh(p, db, in));
     }},
    {"VolumeAtRh", 15, QuantityDB, QuantitySV,
     [](PsychroParams* p, double db, const AirState& in) {
       return Of<SvFromDbSh>(p, db, RatioAtRh(p, db, in));
     }},
    {"AbsoluteHumidityAtRh", 16, QuantityDB, QuantityVH,
     [](PsychroParams* p, double db, const AirState& in) { return Of<VhFromDbRh>(p, db, in.RH); }},
    {"VolumeAtEnthalpy", 35, QuantityDB, QuantitySV,
     [](PsychroParams* p, double db, const AirState& in) {
       return Of<SvFromDbSh>(p, db, RatioAtEnthalpy(p, db, in));
     }},
    {"AbsoluteHumidityAtEnthalpy", 36, QuantityDB, QuantityVH,
     [](PsychroParams* p, double db, const AirState& in) {
       return Of<VhFromDbSh>(p, db, RatioAtEnthalpy(p, db, in));
     }},
};

class ZeroMargin : public ::testing::TestWithParam<Family> {};

// States whose searched value lies on the search's own grid and whose target is the probe's
// reading there, as it is or nudged by a unit or two in the last place: the readings the
// search certifies by then lie within rounding of the target.
TEST_P(ZeroMargin, IsCaughtByTheComparison) {
  const Family& family = GetParam();
  std::mt19937_64 random(static_cast<uint64_t>(family.Code) * 31u);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  constexpr double Inf = std::numeric_limits<double>::infinity();
  // The wet-bulb search, whose bracket's own width keeps most readings clear, takes the most:
  // about 28,000.
  constexpr int MaxStates = 60000;
  int differing = 0;
  int tried = 0;
  for (; tried < MaxStates && differing == 0; ++tried) {
    const double pascals = std::floor(40000.0 + 80000.0 * unit(random));
    PsychroParams params = InitPsychroParams();
    SetAtmosphericPressure(&params, pascals);
    AirState air{};
    air.DB = -30.0 + 90.0 * unit(random);
    air.RH = 1.0 + 99.0 * unit(random);
    if (Failed(SolvePair(&params, &air, 1))) continue;
    AirState inputs{};
    const int32_t first = family.Code / 10;
    const int32_t second = family.Code % 10;
    inputs.*QuantityFields[first] = air.*QuantityFields[first];
    inputs.*QuantityFields[second] = air.*QuantityFields[second];
    AirState solved = inputs;
    if (Failed(oracle::PlainSolvePair(&params, &solved, family.Code))) continue;
    double target = family.Probe(&params, solved.*QuantityFields[family.Searched], inputs);
    const int ulps = static_cast<int>(unit(random) * 5.0) - 2;
    for (int n = 0; n < std::abs(ulps); ++n) target = std::nextafter(target, ulps > 0 ? Inf : -Inf);
    inputs.*QuantityFields[family.Target] = target;
    const double a = inputs.*QuantityFields[first];
    const double b = inputs.*QuantityFields[second];
    if (!SameAsPlainSearch(family.Code, a, b, pascals)) ++differing;
  }
  EXPECT_GT(differing, 0) << "no difference in " << tried << " states";
}

INSTANTIATE_TEST_SUITE_P(Families, ZeroMargin, ::testing::ValuesIn(Families),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace vaporin
