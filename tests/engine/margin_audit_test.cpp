#include "tests/engine/margin_audit.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vaporin::audit {
namespace {

// Every margin factor was set over a hundred times above the worst error measured on millions
// of points; on these few, it must stay at least this many times above. A probe, a scale or a
// formula changed without its margin fails here.
constexpr double SafetyFactor = 20.0;
constexpr long PointsPerRow = 10000;

TEST(MarginAudit, EveryMarginStaysFarAboveItsProbesRoundingError) {
  uint64_t seed = 1;
  for (const Row& row : Rows()) {
    const Finding finding = Audit(row, PointsPerRow, seed++);
    SCOPED_TRACE(row.Name);
    EXPECT_GT(finding.Counted, PointsPerRow / 4);
    EXPECT_LT(finding.WorstRelativeError * SafetyFactor, row.MarginFactor)
        << "worst at t=" << finding.WorstAt.T << " x=" << finding.WorstAt.X
        << " P=" << finding.WorstAt.Pascals << " Pa";
  }
}

// The audit must be able to fail: a formula that rounds worse than the engine's (its value
// nudged by a millionth) is found on every row.
TEST(MarginAudit, FindsAFormulaThatRoundsWorse) {
  for (const Row& row : Rows()) {
    Row worse = row;
    static const Row* current = nullptr;
    current = &row;
    worse.Probe = [](PsychroParams* p, const Point& at) {
      Probed probed = current->Probe(p, at);
      probed.Value += 1e-6 * probed.ErrorScale;
      return probed;
    };
    SCOPED_TRACE(row.Name);
    EXPECT_GT(Audit(worse, 1000, 7).WorstRelativeError, row.MarginFactor);
  }
}

}  // namespace
}  // namespace vaporin::audit
