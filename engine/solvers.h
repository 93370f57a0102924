#pragma once

#include <cstdint>

#include "engine/psychro_params.h"

// Fill the whole air state from two entered quantities. Each solver runs its fixed sequence of
// relations, reading the current fields and writing one field per step, and stops at the first
// failure: fields written before it keep their new values, the failing step's field keeps
// what its relation left, later fields are untouched.
namespace vaporin {

// Runs the solver of the pair code (10 x smaller QuantityIndex + larger one). A code with no
// solver returns StatusFailed and touches nothing.
int32_t SolvePair(PsychroParams* p, AirState* a, int32_t pairCode);

// The unknowns a pair's solver finds by a stepping search, so that they lie on its grid: the
// dry bulb on the temperature search's, the humidity ratio on the humidity-ratio search's.
struct SearchedUnknowns {
  bool DryBulb = false;
  bool HumidityRatio = false;
};
// None for a code without a solver.
SearchedUnknowns SearchesOf(int32_t pairCode);

int32_t SolveDbRh(PsychroParams* p, AirState* a);
int32_t SolveDbSh(PsychroParams* p, AirState* a);
int32_t SolveDbEnh(PsychroParams* p, AirState* a);
int32_t SolveDbWb(PsychroParams* p, AirState* a);
int32_t SolveDbSv(PsychroParams* p, AirState* a);
int32_t SolveDbVh(PsychroParams* p, AirState* a);
int32_t SolveRhSh(PsychroParams* p, AirState* a);
int32_t SolveRhEnh(PsychroParams* p, AirState* a);
int32_t SolveRhWb(PsychroParams* p, AirState* a);
int32_t SolveRhSv(PsychroParams* p, AirState* a);
int32_t SolveRhVh(PsychroParams* p, AirState* a);
int32_t SolveShEnh(PsychroParams* p, AirState* a);
int32_t SolveShWb(PsychroParams* p, AirState* a);
int32_t SolveShSv(PsychroParams* p, AirState* a);
int32_t SolveShVh(PsychroParams* p, AirState* a);
// Enthalpy and wet bulb do not determine a state here: always StatusFailed, nothing written.
int32_t SolveEnhWb(PsychroParams* p, AirState* a);
int32_t SolveEnhSv(PsychroParams* p, AirState* a);
int32_t SolveEnhVh(PsychroParams* p, AirState* a);
int32_t SolveWbSv(PsychroParams* p, AirState* a);
int32_t SolveWbVh(PsychroParams* p, AirState* a);
int32_t SolveSvVh(PsychroParams* p, AirState* a);

}  // namespace vaporin
