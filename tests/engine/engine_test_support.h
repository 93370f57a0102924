#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>

namespace vaporin {

// Closed forms agree with the reference values to about 1e-12 relative.
inline ::testing::AssertionResult NearRelative(double actual, double expected,
                                               double tolerance = 1e-12) {
  const double scale = std::fabs(expected) > 1.0 ? std::fabs(expected) : 1.0;
  if (std::fabs(actual - expected) <= tolerance * scale) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << std::setprecision(17) << actual << " differs from "
                                       << expected << " by more than " << tolerance << " relative";
}

// Search results agree with the reference values within 1e-9.
inline constexpr double SearchTolerance = 1e-9;

}  // namespace vaporin
