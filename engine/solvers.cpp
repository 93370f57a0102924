#include "engine/solvers.h"

#include <array>
#include <iterator>

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

namespace {
struct SolverEntry {
  int32_t Code;
  int32_t (*Solve)(PsychroParams*, AirState*);
  SearchedUnknowns Searched;
};

constexpr bool Db = true;
constexpr bool Sh = true;
constexpr bool No = false;

// Every pair code with its solver, and the unknowns its steps find by a stepping search: the
// dry bulb (also where its search probes a humidity-ratio search), the humidity ratio (also
// where its search probes a wet-bulb search).
constexpr SolverEntry Solvers[] = {
    {1, SolveDbRh, {No, No}},   {2, SolveDbSh, {No, No}},   {3, SolveDbEnh, {No, No}},
    {4, SolveDbWb, {No, Sh}},   {5, SolveDbSv, {No, Sh}},   {6, SolveDbVh, {No, No}},
    {12, SolveRhSh, {Db, No}},  {13, SolveRhEnh, {Db, No}}, {14, SolveRhWb, {Db, No}},
    {15, SolveRhSv, {Db, No}},  {16, SolveRhVh, {Db, No}},  {23, SolveShEnh, {No, No}},
    {24, SolveShWb, {Db, No}},  {25, SolveShSv, {No, No}},  {26, SolveShVh, {Db, No}},
    {34, SolveEnhWb, {No, No}}, {35, SolveEnhSv, {Db, Sh}}, {36, SolveEnhVh, {Db, No}},
    {45, SolveWbSv, {No, Sh}},  {46, SolveWbVh, {Db, Sh}},  {56, SolveSvVh, {Db, Sh}},
};

constexpr int32_t HighestPairCode = 56;

// The table's row of each code, -1 for a code without a solver.
constexpr std::array<int8_t, HighestPairCode + 1> RowOfCode = [] {
  std::array<int8_t, HighestPairCode + 1> rows{};
  rows.fill(-1);
  for (size_t row = 0; row < std::size(Solvers); ++row) {
    rows[static_cast<size_t>(Solvers[row].Code)] = static_cast<int8_t>(row);
  }
  return rows;
}();

const SolverEntry* EntryOf(int32_t pairCode) {
  if (pairCode < 0 || pairCode > HighestPairCode) return nullptr;
  const int8_t row = RowOfCode[static_cast<size_t>(pairCode)];
  return row < 0 ? nullptr : &Solvers[static_cast<size_t>(row)];
}
}  // namespace

int32_t SolvePair(PsychroParams* p, AirState* a, int32_t pairCode) {
  const SolverEntry* entry = EntryOf(pairCode);
  return entry == nullptr ? StatusFailed : entry->Solve(p, a);
}

SearchedUnknowns SearchesOf(int32_t pairCode) {
  const SolverEntry* entry = EntryOf(pairCode);
  return entry == nullptr ? SearchedUnknowns{} : entry->Searched;
}

}  // namespace vaporin
