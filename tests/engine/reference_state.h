#pragma once

#include "engine/psychro_params.h"

namespace vaporin {

// Air at 20 °C and 50 %, as the dry-bulb / relative-humidity solver gives it, in engine units.
inline constexpr AirState Ref20{20.0,
                                50.0,
                                0.007263520796851438,
                                9.204017824371348,
                                13.779961649999986,
                                0.8403281506958505,
                                9.273653239999993,
                                8.644968037872903};

}  // namespace vaporin
