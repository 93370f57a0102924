#pragma once

#include <cstdint>

#include "engine/psychro_params.h"

namespace vaporin::oracle {

// The solver of the pair code over the plain stepping search: every probe evaluated in order.
int32_t PlainSolvePair(PsychroParams* p, AirState* a, int32_t pairCode);

}  // namespace vaporin::oracle
