#include <cmath>
#include <limits>
#include <optional>

#include "engine/certified_search.h"
#include "engine/relations.h"
#include "engine/search/on_the_curve.h"
#include "engine/search/probes.h"
#include "engine/search/wet_bulb_above.h"
#include "engine/search/wet_bulb_guess.h"
#include "engine/search_relations.h"
#include "engine/step_search.h"

// The searches through the wet bulb: the wet bulb and the dew point of a state, and the pairs
// that give the wet bulb as an input (nested: each of their trial values asks WetBulbAbove).
namespace vaporin {
using namespace search;

namespace {
// The dew point from the search's status and result.
int32_t DewPointOf(PsychroParams* p, int32_t status, double* result) {
  if (!Failed(status) && *result < DpAbsoluteZeroBelowC) *result = -p->KelvinOffset;
  return status;
}

}  // namespace

int32_t WbFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result) {
  if (*sh > SearchlessShLimit) {
    *result = WbAboveShLimitC;
    return StatusOk;
  }
  // The energy balance rises with the wet bulb wherever its divisor is positive.
  if (!(*sh >= 0.0)) {
    return StepSearch(
        TemperatureSearch(p), *db, Overshoot::Above,
        [&](double s, double* value) { return DbFromWbSh(p, &s, sh, value); }, result);
  }
  WetBulbGuess guess(p, *db, *sh);
  while (guess.Step()) {
  }
  return WetBulbSearch(p, db, sh, guess.Result(), result);
}

int32_t DpFromSh(PsychroParams* p, const double* sh, double* result) {
  if (*sh > SearchlessShLimit) {
    *result = DpAboveShLimitC;
    return StatusOk;
  }
  return DewPointOf(p, DbAtRatioAndRh(p, *sh, &Saturated, result), result);
}

int32_t WbAndDpFromDbSh(PsychroParams* p, const double* db, const double* sh, double* wb,
                        double* dp) {
  if (!(*sh > 0.0) || *sh > SearchlessShLimit) {
    if (Failed(WbFromDbSh(p, db, sh, wb))) return StatusFailed;
    return DpFromSh(p, sh, dp);
  }
  // The two searches' Newton steps in turn: each waits for its own readings only.
  WetBulbGuess wetBulb(p, *db, *sh);
  RatioBracket dewPoint(p, *sh, &Saturated);
  for (bool more = true; more;) {
    more = wetBulb.Step();
    more = dewPoint.Step() || more;
  }
  if (Failed(WetBulbSearch(p, db, sh, wetBulb.Result(), wb))) return StatusFailed;
  return DewPointOf(p, DbAtRatioAndRh(p, *sh, &Saturated, dewPoint.Result(), dp), dp);
}

int32_t DbThenWbAndDpFromRhSh(PsychroParams* p, AirState* a, DryBulbStep between) {
  if (!(a->RH > 0.0) || !(a->SH > 0.0) || a->SH > SearchlessShLimit) {
    if (Failed(DbFromRhSh(p, &a->RH, &a->SH, &a->DB)) || Failed(between(p, a))) {
      return StatusFailed;
    }
    return WbAndDpFromDbSh(p, &a->DB, &a->SH, &a->WB, &a->DP);
  }
  // The dew point and the dry bulb need only the inputs, and the wet bulb's cheap steps need only
  // a rough dry bulb, the model's: the three go in turn, each waiting for its own readings.
  RatioBracket dryBulb(p, a->SH, &a->RH);
  RatioBracket dewPoint(p, a->SH, &Saturated);
  WetBulbGuess wetBulb(p, dryBulb.Estimate(), a->SH);
  for (bool more = true; more;) {
    more = dryBulb.Step();
    more = dewPoint.Step() || more;
    more = wetBulb.CheapStep() || more;
  }
  if (Failed(DbAtRatioAndRh(p, a->SH, &a->RH, dryBulb.Result(), &a->DB)) || Failed(between(p, a))) {
    return StatusFailed;
  }
  for (bool more = wetBulb.Retarget(a->DB); more;) more = wetBulb.Step();
  if (Failed(WetBulbSearch(p, &a->DB, &a->SH, wetBulb.Result(), &a->WB))) return StatusFailed;
  return DewPointOf(p, DbAtRatioAndRh(p, a->SH, &Saturated, dewPoint.Result(), &a->DP), &a->DP);
}

int32_t ShFromDbWb(PsychroParams* p, const double* db, const double* wb, double* result) {
  WetBulbAbove above(p, *wb);
  return ShFromDbWbBy(p, above, *db, result);
}

int32_t ShFromSvWb(PsychroParams* p, const double* sv, const double* wb, double* result) {
  WetBulbAbove above(p, *wb);
  return OutcomeStepSearch(
      HumidityRatioSearch(p),
      [&](double s) {
        double db;
        if (Failed(DbFromSvSh(p, sv, &s, &db))) return ProbeOutcome::Fail;
        return above(db, s);
      },
      result);
}

int32_t DbFromRhWb(PsychroParams* p, const double* rh, const double* wb, double* result) {
  WetBulbAbove above(p, *wb);
  return OutcomeStepSearch(
      TemperatureSearch(p),
      [&](double s) {
        double sh;
        if (Failed(ShFromDbRh(p, &s, rh, &sh))) return ProbeOutcome::Fail;
        return above(s, sh);
      },
      result);
}

int32_t DbFromWbVh(PsychroParams* p, const double* wb, const double* vh, double* result) {
  constexpr double TypicalVolume = 0.85;  // m3/kg(DA), a first guess only
  WetBulbAbove above(p, *wb);
  auto probe = ThroughSh(
      p, [&](double s, double* sh) { return ShFromDbWbBy(p, above, s, sh); }, VhFromDbSh);
  if (!(*vh > 0.0) || !std::isfinite(*vh)) {
    return StepSearch(TemperatureSearch(p), *vh, Overshoot::Below, probe, result);
  }
  // The dry bulb whose humidity ratio at the wet bulb gives vh: round the volume until the dry
  // bulb settles (twice, as a rule; hot air's volume lies far from the typical one).
  constexpr int VolumeRounds = 8;
  constexpr double Settled = 0.01;  // °C
  std::optional<Bracket> guess;
  double sh = *vh * TypicalVolume / GramsPerKg;
  double db = 0.0;
  for (int n = 0; n < VolumeRounds; ++n) {
    const double before = db;
    double sv = 0.0;
    if (Failed(DbFromWbSh(p, wb, &sh, &db)) || Failed(SvFromDbSh(p, &db, &sh, &sv))) break;
    sh = *vh * sv / GramsPerKg;
    guess = Around(db);
    if (n > 0 && std::fabs(db - before) < Settled) break;
  }
  return CertifiedStepSearch(TemperatureSearch(p), *vh, Overshoot::Below, VolumetricReading(probe),
                             WholeRangeFailing(std::numeric_limits<double>::infinity(),
                                               -std::numeric_limits<double>::infinity()),
                             result, guess);
}

}  // namespace vaporin
