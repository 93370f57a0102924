#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "engine/sat_pressure.h"

// What a certified search is told about its probe: what one reading says, where the probe is
// monotone, where its crossing probably lies, and how far past the target a reading must lie to
// decide on its own.
namespace vaporin {

// Every margin factor is multiplied by this: 1 in the program. The tests also build the engine
// with every margin at 0, to show that the comparison with the plain search catches a margin
// that no longer covers its probe's rounding, in every family of searches.
#ifndef VAPORIN_MARGIN_SCALE
#define VAPORIN_MARGIN_SCALE 1.0
#endif
inline constexpr double MarginScale = VAPORIN_MARGIN_SCALE;

// What a probe reads at a trial value: its status, its value, and the scale of its rounding
// error (the value's error stays below a small multiple of the machine epsilon times this).
struct Reading {
  int32_t Status;
  double Value;
  double ErrorScale;
};

// Where a probe is monotone. The trial values split at the bounds into pieces (a bound belongs
// to the piece above it); within each piece the probe's distance past the target, the value
// minus the target for Overshoot::Above and the target minus the value for Overshoot::Below,
// never falls. Across a bound it may jump either way.
struct Pieces {
  std::array<double, 3> Bounds;
  size_t Count;
  // Below this the probe may fail low in a piece as well as high (succeeding in between): then
  // the lowest trial value skipped is checked as the highest is, if it lies below.
  double FailsLowBelow = -std::numeric_limits<double>::infinity();
  // From this on the probe may fail high: the highest trial value skipped is checked, and the
  // first level's first overshoot read ahead, if they lie at or above it.
  double FailsHighFrom = -std::numeric_limits<double>::infinity();
};

inline constexpr Pieces WholeRange{{}, 0};
// A probe through a search that can give up at the low end too, below `lowBelow`, and at the
// high end from `highFrom`.
constexpr Pieces WholeRangeFailing(double lowBelow, double highFrom) {
  return {{}, 0, lowBelow, highFrom};
}

// Two trial values that probably bracket the crossing, from a cheap model of the relation: a
// search that starts from them finds its crossing in a few readings. A wrong guess costs two
// readings and changes nothing else.
struct Bracket {
  double Low;
  double High;
};
// A probe that calls SatPressure at the trial temperature: the ice, water and IAPWS branches,
// and beyond the critical point, where every probe fails.
inline constexpr Pieces SatPressureBranches{{IceBranchEndC, WaterBranchEndC, CriticalTemperatureC},
                                            3};

// A reading decides a trial value's outcome on its own only when it lies this many error
// scales past the target. The rounding error of the probes was measured against the same
// relations evaluated in long double (x87, 64-bit mantissa) over two million random points
// each, from -100 °C to 99.99 °C and humidity ratios 0 to 0.2 kg/kg(DA): relative to its error
// scale it never exceeded 1.4e-12 (DbFromWbSh near saturation and boiling, where the
// saturation humidity ratio's own error is amplified by P / (P - pv)), 1e-14 for ShFromDbRh,
// VhFromDbRh and EnhFromDbSh. The margin counts the value and the target on top of the error
// scale, so it stays more than 150 times the largest error found: every skipped probe's outcome
// is the one the plain search computes.
inline constexpr double CertifiedMarginFactor = 1e-10 * MarginScale;

}  // namespace vaporin
