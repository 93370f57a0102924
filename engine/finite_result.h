#pragma once

#include <cmath>
#include <cstdint>

#include "engine/psychro_params.h"

namespace vaporin {

// An arithmetic fault (division by zero, overflow, invalid operation) shows as a non-finite
// value; the engine reports it as a failure instead of handing the value on.
inline int32_t StoreFinite(double value, double* result) {
  if (!std::isfinite(value)) return StatusFailed;
  *result = value;
  return StatusOk;
}

}  // namespace vaporin
