#pragma once

#include <cstdint>

#include "engine/psychro_params.h"

// Whether a solved state answers its question. The engine answers every pair it can step
// through, also where no real air has the two values: its searches then stop at their floor
// or past saturation, and the values recomputed from the state miss the entered ones.
namespace vaporin {

// Whether `solved` answers the question: each of the two quantities of `pairCode` (10 x first
// + second index), recomputed from the solved dry bulb and humidity ratio, is the entered one
// within what a step of the searches' finest grid changes it by.
bool AnswersEnteredPair(PsychroParams* params, const AirState& solved, const AirState& entered,
                        int32_t pairCode);

}  // namespace vaporin
