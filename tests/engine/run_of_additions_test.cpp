#include "engine/run_of_additions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace vaporin {
namespace {

// What the plain search does: one addition at a time.
double AddOneByOne(double s, double step, double times) {
  for (double n = 0.0; n < times; n += 1.0) s += step;
  return s;
}

void ExpectSameAsAdditions(const AdditionRun& run, double s, double step, double limit) {
  if (run.Steps == 0.0) return;
  ASSERT_GT(run.Steps, 0.0);
  const double added = AddOneByOne(s, step, run.Steps);
  ASSERT_EQ(s + run.Advance, added) << s << " + " << run.Steps << " x " << step;
  ASSERT_LE(added, limit);
}

// A run added up at once ends on the very double the additions reach, never past the limit,
// over steps that round differently in every binade (the searches' tenths, and random ones),
// from both signs and many magnitudes.
TEST(RunOfAdditions, EndsWhereTheAdditionsEnd) {
  std::mt19937_64 random(10);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::uniform_int_distribution<int> exponent(-30, 20);
  int taken = 0;
  for (int i = 0; i < 200000; ++i) {
    const double step = i % 2 == 0 ? std::pow(10.0, -(i / 2 % 10)) + 0.0
                                   : std::ldexp(0.5 + 0.5 * unit(random), exponent(random));
    const double magnitude = std::ldexp(0.5 + 0.5 * unit(random), exponent(random));
    const double s = i % 3 == 0 ? -magnitude : magnitude;
    const double limit = s + step * 2000.0 * unit(random);
    const AdditionRun run = BinadeRun(s, step, limit);
    ExpectSameAsAdditions(run, s, step, limit);
    if (run.Steps > 0.0) ++taken;
  }
  EXPECT_GT(taken, 50000);  // the runs are taken, not all left to the additions
}

TEST(RunOfAdditions, TakesWholeNumbersAndLeavesWhatItCannotTell) {
  ExpectSameAsAdditions(WholeRun(-270.0, 10.0, 13.7), -270.0, 10.0, 13.7);
  EXPECT_EQ(WholeRun(-270.0, 10.0, 13.7).Steps, 28.0);
  EXPECT_EQ(WholeRun(-269.5, 10.0, 13.7).Steps, 0.0);
  // A step halfway between two doubles of s's binade rounds to even, which alternates.
  EXPECT_EQ(BinadeRun(1.0, std::ldexp(1.0, -53) * 3.0, 2.0).Steps, 0.0);
  // A step too small to move s: any number of additions stays at s.
  ASSERT_EQ(1e6 + 1e-12, 1e6);
  EXPECT_EQ(BinadeRun(1e6, 1e-12, 2e6).Steps, std::numeric_limits<double>::infinity());
  EXPECT_EQ(BinadeRun(1e6, 1e-12, 2e6).Advance, 0.0);
  // Zero, and a limit below s.
  EXPECT_EQ(BinadeRun(0.0, 0.1, 10.0).Steps, 0.0);
  EXPECT_EQ(BinadeRun(5.0, 0.1, 4.0).Steps, 0.0);
  // The search's tenths from -270 stay exact over a whole binade.
  const AdditionRun tenths = BinadeRun(-269.9, 0.1, -200.0);
  ExpectSameAsAdditions(tenths, -269.9, 0.1, -200.0);
  EXPECT_GT(tenths.Steps, 100.0);
}

}  // namespace
}  // namespace vaporin
