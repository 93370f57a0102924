#include "engine/solvers.h"

#include "engine/relations.h"
#include "engine/search_relations.h"

namespace vaporin {

namespace {
// The steps that most solvers share, each reading and writing the current fields.
int32_t Enh(PsychroParams* p, AirState* a) { return EnhFromDbSh(p, &a->DB, &a->SH, &a->ENH); }
int32_t Sv(PsychroParams* p, AirState* a) { return SvFromDbSh(p, &a->DB, &a->SH, &a->SV); }
int32_t Wb(PsychroParams* p, AirState* a) { return WbFromDbSh(p, &a->DB, &a->SH, &a->WB); }
int32_t Dp(PsychroParams* p, AirState* a) { return DpFromSh(p, &a->SH, &a->DP); }
// Wb then Dp, the same writes.
int32_t WbDp(PsychroParams* p, AirState* a) {
  return WbAndDpFromDbSh(p, &a->DB, &a->SH, &a->WB, &a->DP);
}
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

int32_t SolveDbRh(PsychroParams* p, AirState* a) { return Run(p, a, ShOfDbRh, Enh, Sv, WbDp, Vh); }

int32_t SolveDbSh(PsychroParams* p, AirState* a) { return Run(p, a, Enh, Rh, Sv, WbDp, Vh); }

int32_t SolveDbEnh(PsychroParams* p, AirState* a) {
  // Refuse a dry bulb above the one the enthalpy would have in practically dry air.
  const double dryAirSh = -p->TolSH;
  double dryAirDb;
  if (Failed(DbFromEnhSh(p, &a->ENH, &dryAirSh, &dryAirDb)) || a->DB > dryAirDb) {
    return StatusFailed;
  }
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return ShFromEnhDb(q, &b->ENH, &b->DB, &b->SH); },
      Rh, Sv, WbDp, Vh);
}

int32_t SolveDbWb(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return ShFromDbWb(q, &b->DB, &b->WB, &b->SH); },
      Enh, Rh, Sv, Dp, Vh);
}

int32_t SolveDbSv(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return ShFromDbSv(q, &b->DB, &b->SV, &b->SH); },
      Enh, Rh, WbDp, Vh);
}

int32_t SolveDbVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return RhFromDbVh(q, &b->DB, &b->VH, &b->RH); },
      ShOfDbRh, Enh, Sv, WbDp);
}

int32_t SolveRhSh(PsychroParams* p, AirState* a) {
  return Run(
      p, a,
      [](PsychroParams* q, AirState* b) {
        return DbThenWbAndDpFromRhSh(
            q, b, [](PsychroParams* r, AirState* c) { return Run(r, c, Enh, Sv); });
      },
      Vh);
}

int32_t SolveRhEnh(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromRhEnh(q, &b->RH, &b->ENH, &b->DB); },
      ShOfDbRh, Sv, WbDp, Vh);
}

int32_t SolveRhWb(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromRhWb(q, &b->RH, &b->WB, &b->DB); },
      ShOfDbRh, Enh, Sv, Dp, Vh);
}

int32_t SolveRhSv(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromRhSv(q, &b->RH, &b->SV, &b->DB); },
      ShOfDbRh, Enh, WbDp, Vh);
}

int32_t SolveRhVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromRhVh(q, &b->RH, &b->VH, &b->DB); },
      ShOfDbRh, Enh, Sv, WbDp);
}

int32_t SolveShEnh(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromEnhSh(q, &b->ENH, &b->SH, &b->DB); },
      Rh, Wb, Sv, Dp, Vh);
}

int32_t SolveShWb(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromWbSh(q, &b->WB, &b->SH, &b->DB); }, Rh,
      Enh, Sv, Dp, Vh);
}

int32_t SolveShSv(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromSvSh(q, &b->SV, &b->SH, &b->DB); }, Rh,
      Enh, WbDp, Vh);
}

int32_t SolveShVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromShVh(q, &b->SH, &b->VH, &b->DB); }, Rh,
      Enh, Sv, WbDp);
}

int32_t SolveEnhWb(PsychroParams*, AirState*) { return StatusFailed; }

int32_t SolveEnhSv(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromSvEnh(q, &b->SV, &b->ENH, &b->DB); },
      [](PsychroParams* q, AirState* b) { return ShFromDbSv(q, &b->DB, &b->SV, &b->SH); }, Rh, WbDp,
      Vh);
}

int32_t SolveEnhVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromEnhVh(q, &b->ENH, &b->VH, &b->DB); },
      [](PsychroParams* q, AirState* b) { return ShFromEnhDb(q, &b->ENH, &b->DB, &b->SH); }, Rh,
      WbDp, Sv);
}

int32_t SolveWbSv(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return ShFromSvWb(q, &b->SV, &b->WB, &b->SH); },
      [](PsychroParams* q, AirState* b) { return DbFromSvSh(q, &b->SV, &b->SH, &b->DB); }, Rh, Enh,
      Dp, Vh);
}

int32_t SolveWbVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromWbVh(q, &b->WB, &b->VH, &b->DB); },
      [](PsychroParams* q, AirState* b) { return ShFromDbWb(q, &b->DB, &b->WB, &b->SH); }, Rh, Enh,
      Dp, Sv);
}

int32_t SolveSvVh(PsychroParams* p, AirState* a) {
  return Run(
      p, a, [](PsychroParams* q, AirState* b) { return DbFromSvVh(q, &b->SV, &b->VH, &b->DB); },
      [](PsychroParams* q, AirState* b) { return ShFromDbSv(q, &b->DB, &b->SV, &b->SH); }, Rh, Enh,
      WbDp);
}

int32_t SolvePair(PsychroParams* p, AirState* a, int32_t pairCode) {
  switch (pairCode) {
    case 1:
      return SolveDbRh(p, a);
    case 2:
      return SolveDbSh(p, a);
    case 3:
      return SolveDbEnh(p, a);
    case 4:
      return SolveDbWb(p, a);
    case 5:
      return SolveDbSv(p, a);
    case 6:
      return SolveDbVh(p, a);
    case 12:
      return SolveRhSh(p, a);
    case 13:
      return SolveRhEnh(p, a);
    case 14:
      return SolveRhWb(p, a);
    case 15:
      return SolveRhSv(p, a);
    case 16:
      return SolveRhVh(p, a);
    case 23:
      return SolveShEnh(p, a);
    case 24:
      return SolveShWb(p, a);
    case 25:
      return SolveShSv(p, a);
    case 26:
      return SolveShVh(p, a);
    case 34:
      return SolveEnhWb(p, a);
    case 35:
      return SolveEnhSv(p, a);
    case 36:
      return SolveEnhVh(p, a);
    case 45:
      return SolveWbSv(p, a);
    case 46:
      return SolveWbVh(p, a);
    case 56:
      return SolveSvVh(p, a);
    default:
      return StatusFailed;
  }
}

}  // namespace vaporin
