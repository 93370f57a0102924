#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

// Runs of the repeated addition s += step, added up at once with the same result bit for bit.
namespace vaporin {

// Whole numbers below this add up without rounding.
inline constexpr double ExactWholeLimit = 4503599627370496.0;  // 2^52

// A non-negative x below 2^63 rounded down.
inline double Truncated(double x) { return static_cast<double>(static_cast<int64_t>(x)); }

inline bool IsWhole(double x) {
  return std::fabs(x) < ExactWholeLimit && x == static_cast<double>(static_cast<int64_t>(x));
}

// How many additions of a positive step keep s at or below a limit, and what they add up to:
// none when it cannot be told at once, and then the additions tell it.
struct AdditionRun {
  double Steps = 0.0;
  double Advance = 0.0;
};

// Whole numbers add up exactly.
inline AdditionRun WholeRun(double s, double step, double limit) {
  if (!IsWhole(s) || !IsWhole(step) || !(std::fabs(limit) < ExactWholeLimit)) return {};
  // Positive, so truncation is the floor.
  double steps = static_cast<double>(static_cast<int64_t>((limit - s) / step));
  // The quotient may round up to the next whole number.
  if (s + steps * step > limit) steps -= 1.0;
  if (!(steps > 0.0)) return {};
  return {steps, steps * step};
}

// Among equally spaced doubles (one binade, or its negative) every sum s + step rounds to the
// same multiple of the spacing: the step rounded to the nearest multiple. So k additions add k
// times that increment, exactly, while the sums stay in the binade. A step halfway between two
// multiples rounds to the even one, which alternates: such runs, and sums that leave the
// binade, are left to the additions themselves.
inline AdditionRun BinadeRun(double s, double step, double limit) {
  // The bits of a double: 52 of mantissa, then 11 of exponent biased by 1023.
  constexpr int MantissaBits = 52;
  constexpr uint64_t ExponentMask = 0x7FF;
  if (!std::isfinite(limit) || !(step > 0.0)) return {};
  const uint64_t biased = std::bit_cast<uint64_t>(std::fabs(s)) >> MantissaBits;
  // Zero, subnormal numbers and their neighbours, infinities and NaN are left to the additions.
  if (biased <= MantissaBits || biased >= ExponentMask - 1) return {};
  // |s| lies in [2^(biased - 1023), 2^(biased - 1022)), where doubles lie 2^-52 of the lower
  // end apart.
  const double spacing = std::bit_cast<double>((biased - MantissaBits) << MantissaBits);
  const double lower = std::bit_cast<double>(biased << MantissaBits);
  // 1 / spacing, a power of two too: dividing by it is multiplying, exactly.
  constexpr uint64_t InverseBias = 2 * 1023 + MantissaBits;
  const double perSpacing = std::bit_cast<double>((InverseBias - biased) << MantissaBits);
  // The binade's end in the direction of the additions, a multiple of the spacing.
  const double end = s > 0.0 ? 2.0 * lower : -lower;
  // The step less its nearest lower multiple of the spacing: all exact, a power of two apart.
  const double multiples = step * perSpacing;
  const double rest = multiples < ExactWholeLimit ? step - Truncated(multiples) * spacing : 0.0;
  if (rest == 0.5 * spacing) return {};
  const double increment = (step - rest) + (rest > 0.5 * spacing ? spacing : 0.0);
  // A step under half a spacing leaves s where it is, however often it is added.
  if (increment == 0.0) return {std::numeric_limits<double>::infinity(), 0.0};
  // Every exact sum lies within half a spacing of the value it rounds to: the last value
  // stays a spacing short of the end.
  const double last = std::min(limit, end - spacing);
  if (!(last > s)) return {};
  // Below 2^53: a binade holds that many spacings.
  double steps = Truncated((last - s) / increment);
  if (s + steps * increment > last) steps -= 1.0;
  if (!(steps > 0.0)) return {};
  return {steps, steps * increment};
}

}  // namespace vaporin
