// The plain stepping search and the solvers over it, exactly as the engine first computed them:
// every probe evaluated, in order. The engine's faster searches must give the same bits; this is
// the reference they are compared with, and it is never built into the program.
#include "tests/engine/oracle/plain_solvers.h"

#include "engine/finite_result.h"
#include "engine/relations.h"
#include "engine/sat_pressure.h"
#include "engine/search_relations.h"
#include "engine/step_search.h"

namespace vaporin::oracle {

namespace {
// Steps the trial value up from the start until the probe overshoots the target, then steps
// back and continues with a tenth of the step, while the step exceeds the tolerance. The
// result is the last trial value that did not overshoot (or the start). A failed probe ends
// the search; so does the 100001st probe that did not overshoot.
// `probe(double s, double* value)` returns a status like any relation.
template <typename Probe>
int32_t PlainStepSearch(const SearchFamily& family, double target, Overshoot overshoot,
                        Probe&& probe, double* result) {
  *result = 0.0;
  double s = family.Start;
  double step = family.FirstStep;
  int32_t probesBelowTarget = 0;
  while (step > family.Tolerance) {
    for (;;) {
      s += step;
      double value;
      if (Failed(probe(s, &value))) return StatusFailed;
      const bool over = overshoot == Overshoot::Above ? value > target : value < target;
      if (over) {
        s -= step;
        step *= StepShrinkFactor;
        break;
      }
      if (++probesBelowTarget > MaxProbesBelowTarget) return StatusFailed;
    }
  }
  return StoreFinite(s, result);
}

}  // namespace

namespace {
constexpr double Saturated = 100.0;  // % relative humidity

using DbShRelation = int32_t (*)(PsychroParams*, const double*, const double*, double*);

// A probe at trial dry bulb s that first finds a humidity ratio there, then evaluates a
// relation of (s, that humidity ratio). A failure of either step is a failed probe.
template <typename ShAt>
auto ThroughSh(PsychroParams* p, ShAt shAt, DbShRelation ofDbSh) {
  return [=](double s, double* value) {
    double sh;
    if (Failed(shAt(s, &sh))) return StatusFailed;
    return ofDbSh(p, &s, &sh, value);
  };
}
}  // namespace

int32_t PlainWbFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result) {
  if (*sh > SearchlessShLimit) {
    *result = WbAboveShLimitC;
    return StatusOk;
  }
  return PlainStepSearch(
      TemperatureSearch(p), *db, Overshoot::Above,
      [&](double s, double* value) { return DbFromWbSh(p, &s, sh, value); }, result);
}

int32_t PlainDpFromSh(PsychroParams* p, const double* sh, double* result) {
  if (*sh > SearchlessShLimit) {
    *result = DpAboveShLimitC;
    return StatusOk;
  }
  const int32_t status = PlainStepSearch(
      TemperatureSearch(p), *sh, Overshoot::Above,
      [&](double s, double* value) { return ShFromDbRh(p, &s, &Saturated, value); }, result);
  if (!Failed(status) && *result < DpAbsoluteZeroBelowC) *result = -p->KelvinOffset;
  return status;
}

int32_t PlainShFromDbWb(PsychroParams* p, const double* db, const double* wb, double* result) {
  return PlainStepSearch(
      HumidityRatioSearch(p), *wb, Overshoot::Above,
      [&](double s, double* value) { return PlainWbFromDbSh(p, db, &s, value); }, result);
}

int32_t PlainShFromDbSv(PsychroParams* p, const double* db, const double* sv, double* result) {
  return PlainStepSearch(
      HumidityRatioSearch(p), *db, Overshoot::Below,
      [&](double s, double* value) { return DbFromSvSh(p, sv, &s, value); }, result);
}

int32_t PlainShFromSvWb(PsychroParams* p, const double* sv, const double* wb, double* result) {
  return PlainStepSearch(
      HumidityRatioSearch(p), *wb, Overshoot::Above,
      [&](double s, double* value) {
        double db;
        if (Failed(DbFromSvSh(p, sv, &s, &db))) return StatusFailed;
        return PlainWbFromDbSh(p, &db, &s, value);
      },
      result);
}

int32_t PlainDbFromWbVh(PsychroParams* p, const double* wb, const double* vh, double* result) {
  return PlainStepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      ThroughSh(
          p, [&](double s, double* sh) { return PlainShFromDbWb(p, &s, wb, sh); }, VhFromDbSh),
      result);
}

int32_t PlainDbFromSvVh(PsychroParams* p, const double* sv, const double* vh, double* result) {
  return PlainStepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      ThroughSh(
          p, [&](double s, double* sh) { return PlainShFromDbSv(p, &s, sv, sh); }, VhFromDbSh),
      result);
}

int32_t PlainDbFromEnhVh(PsychroParams* p, const double* enh, const double* vh, double* result) {
  return PlainStepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromEnhDb(p, enh, &s, sh); }, VhFromDbSh),
      result);
}

int32_t PlainDbFromRhSh(PsychroParams* p, const double* rh, const double* sh, double* result) {
  return PlainStepSearch(
      TemperatureSearch(p), *sh, Overshoot::Above,
      [&](double s, double* value) { return ShFromDbRh(p, &s, rh, value); }, result);
}

int32_t PlainDbFromRhVh(PsychroParams* p, const double* rh, const double* vh, double* result) {
  return PlainStepSearch(
      TemperatureSearch(p), *vh, Overshoot::Above,
      [&](double s, double* value) { return VhFromDbRh(p, &s, rh, value); }, result);
}

int32_t PlainDbFromShVh(PsychroParams* p, const double* sh, const double* vh, double* result) {
  return PlainStepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      [&](double s, double* value) { return VhFromDbSh(p, &s, sh, value); }, result);
}

int32_t PlainDbFromRhEnh(PsychroParams* p, const double* rh, const double* enh, double* result) {
  return PlainStepSearch(
      TemperatureSearch(p), *enh, Overshoot::Above,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbRh(p, &s, rh, sh); }, EnhFromDbSh),
      result);
}

int32_t PlainDbFromRhWb(PsychroParams* p, const double* rh, const double* wb, double* result) {
  return PlainStepSearch(
      TemperatureSearch(p), *wb, Overshoot::Above,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbRh(p, &s, rh, sh); }, PlainWbFromDbSh),
      result);
}

int32_t PlainDbFromRhSv(PsychroParams* p, const double* rh, const double* sv, double* result) {
  return PlainStepSearch(
      TemperatureSearch(p), *sv, Overshoot::Above,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbRh(p, &s, rh, sh); }, SvFromDbSh),
      result);
}

int32_t PlainDbFromSvEnh(PsychroParams* p, const double* sv, const double* enh, double* result) {
  return PlainStepSearch(
      TemperatureSearch(p), *sv, Overshoot::Above,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromEnhDb(p, enh, &s, sh); }, SvFromDbSh),
      result);
}

namespace {

// The steps that most solvers share, each reading and writing the current fields.
int32_t Enh(PsychroParams* p, AirState* a) { return EnhFromDbSh(p, &a->DB, &a->SH, &a->ENH); }
int32_t Sv(PsychroParams* p, AirState* a) { return SvFromDbSh(p, &a->DB, &a->SH, &a->SV); }
int32_t Wb(PsychroParams* p, AirState* a) { return PlainWbFromDbSh(p, &a->DB, &a->SH, &a->WB); }
int32_t Dp(PsychroParams* p, AirState* a) { return PlainDpFromSh(p, &a->SH, &a->DP); }
int32_t Vh(PsychroParams* p, AirState* a) { return VhFromDbRh(p, &a->DB, &a->RH, &a->VH); }
int32_t Rh(PsychroParams* p, AirState* a) { return RhFromDbSh(p, &a->DB, &a->SH, &a->RH); }
int32_t ShOfDbRh(PsychroParams* p, AirState* a) { return ShFromDbRh(p, &a->DB, &a->RH, &a->SH); }

using Step = int32_t (*)(PsychroParams*, AirState*);

// Runs the steps in order and stops at the first failure.
template <typename... Steps>
int32_t Run(PsychroParams* p, AirState* a, Steps... steps) {
  const Step sequence[] = {steps...};
  for (const Step step : sequence) {
    if (Failed(step(p, a))) return StatusFailed;
  }
  return StatusOk;
}
}  // namespace

int32_t PlainSolveDbRh(PsychroParams* p, AirState* a) {
  return Run(p, a, ShOfDbRh, Enh, Sv, Wb, Dp, Vh);
}

int32_t PlainSolveDbSh(PsychroParams* p, AirState* a) { return Run(p, a, Enh, Rh, Sv, Wb, Dp, Vh); }

int32_t PlainSolveDbEnh(PsychroParams* p, AirState* a) {
  // Refuse a dry bulb above the one the enthalpy would have in practically dry air.
  const double dryAirSh = -p->TolSH;
  double dryAirDb;
  if (Failed(DbFromEnhSh(p, &a->ENH, &dryAirSh, &dryAirDb)) || a->DB > dryAirDb) {
    return StatusFailed;
  }
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return ShFromEnhDb(q, &b->ENH, &b->DB, &b->SH); },
      Rh, Sv, Wb, Dp, Vh);
}

int32_t PlainSolveDbWb(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainShFromDbWb(q, &b->DB, &b->WB, &b->SH); }, Enh,
      Rh, Sv, Dp, Vh);
}

int32_t PlainSolveDbSv(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainShFromDbSv(q, &b->DB, &b->SV, &b->SH); }, Enh,
      Rh, Wb, Dp, Vh);
}

int32_t PlainSolveDbVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return RhFromDbVh(q, &b->DB, &b->VH, &b->RH); },
      ShOfDbRh, Enh, Sv, Wb, Dp);
}

int32_t PlainSolveRhSh(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainDbFromRhSh(q, &b->RH, &b->SH, &b->DB); }, Enh,
      Sv, Wb, Dp, Vh);
}

int32_t PlainSolveRhEnh(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainDbFromRhEnh(q, &b->RH, &b->ENH, &b->DB); },
      ShOfDbRh, Sv, Wb, Dp, Vh);
}

int32_t PlainSolveRhWb(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainDbFromRhWb(q, &b->RH, &b->WB, &b->DB); },
      ShOfDbRh, Enh, Sv, Dp, Vh);
}

int32_t PlainSolveRhSv(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainDbFromRhSv(q, &b->RH, &b->SV, &b->DB); },
      ShOfDbRh, Enh, Wb, Dp, Vh);
}

int32_t PlainSolveRhVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainDbFromRhVh(q, &b->RH, &b->VH, &b->DB); },
      ShOfDbRh, Enh, Sv, Wb, Dp);
}

int32_t PlainSolveShEnh(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromEnhSh(q, &b->ENH, &b->SH, &b->DB); },
      Rh, Wb, Sv, Dp, Vh);
}

int32_t PlainSolveShWb(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromWbSh(q, &b->WB, &b->SH, &b->DB); }, Rh,
      Enh, Sv, Dp, Vh);
}

int32_t PlainSolveShSv(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromSvSh(q, &b->SV, &b->SH, &b->DB); }, Rh,
      Enh, Wb, Dp, Vh);
}

int32_t PlainSolveShVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainDbFromShVh(q, &b->SH, &b->VH, &b->DB); }, Rh,
      Enh, Sv, Wb, Dp);
}

int32_t PlainSolveEnhWb(PsychroParams*, AirState*) { return StatusFailed; }

int32_t PlainSolveEnhSv(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainDbFromSvEnh(q, &b->SV, &b->ENH, &b->DB); },
      [](PsychroParams* q, AirState* b) { return PlainShFromDbSv(q, &b->DB, &b->SV, &b->SH); }, Rh,
      Wb, Dp, Vh);
}

int32_t PlainSolveEnhVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainDbFromEnhVh(q, &b->ENH, &b->VH, &b->DB); },
      [](PsychroParams* q, AirState* b) { return ShFromEnhDb(q, &b->ENH, &b->DB, &b->SH); }, Rh, Wb,
      Dp, Sv);
}

int32_t PlainSolveWbSv(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainShFromSvWb(q, &b->SV, &b->WB, &b->SH); },
      [](PsychroParams* q, AirState* b) { return DbFromSvSh(q, &b->SV, &b->SH, &b->DB); }, Rh, Enh,
      Dp, Vh);
}

int32_t PlainSolveWbVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainDbFromWbVh(q, &b->WB, &b->VH, &b->DB); },
      [](PsychroParams* q, AirState* b) { return PlainShFromDbWb(q, &b->DB, &b->WB, &b->SH); }, Rh,
      Enh, Dp, Sv);
}

int32_t PlainSolveSvVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) { return PlainDbFromSvVh(q, &b->SV, &b->VH, &b->DB); },
      [](PsychroParams* q, AirState* b) { return PlainShFromDbSv(q, &b->DB, &b->SV, &b->SH); }, Rh,
      Enh, Wb, Dp);
}

int32_t PlainSolvePair(PsychroParams* p, AirState* a, int32_t pairCode) {
  switch (pairCode) {
    case 1:
      return PlainSolveDbRh(p, a);
    case 2:
      return PlainSolveDbSh(p, a);
    case 3:
      return PlainSolveDbEnh(p, a);
    case 4:
      return PlainSolveDbWb(p, a);
    case 5:
      return PlainSolveDbSv(p, a);
    case 6:
      return PlainSolveDbVh(p, a);
    case 12:
      return PlainSolveRhSh(p, a);
    case 13:
      return PlainSolveRhEnh(p, a);
    case 14:
      return PlainSolveRhWb(p, a);
    case 15:
      return PlainSolveRhSv(p, a);
    case 16:
      return PlainSolveRhVh(p, a);
    case 23:
      return PlainSolveShEnh(p, a);
    case 24:
      return PlainSolveShWb(p, a);
    case 25:
      return PlainSolveShSv(p, a);
    case 26:
      return PlainSolveShVh(p, a);
    case 34:
      return PlainSolveEnhWb(p, a);
    case 35:
      return PlainSolveEnhSv(p, a);
    case 36:
      return PlainSolveEnhVh(p, a);
    case 45:
      return PlainSolveWbSv(p, a);
    case 46:
      return PlainSolveWbVh(p, a);
    case 56:
      return PlainSolveSvVh(p, a);
    default:
      return StatusFailed;
  }
}

}  // namespace vaporin::oracle
