// Reprints the figures behind the searches' margin factors: each probe's worst rounding error
// against the same formula in long double, relative to its error scale, over many points.
//   margin_audit [points per row]   (default 1,000,000)
#include "tests/engine/margin_audit.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  using namespace vaporin::audit;
  const long points = argc > 1 ? std::atol(argv[1]) : 1000000;
  std::printf("%-52s %10s %10s %10s %9s\n", "probe", "points", "worst", "margin", "margin/worst");
  uint64_t seed = 1;
  for (const Row& row : Rows()) {
    const Finding finding = Audit(row, points, seed++);
    std::printf("%-52s %10ld %10.2g %10.2g %9.0f\n", row.Name.c_str(), finding.Counted,
                finding.WorstRelativeError, row.MarginFactor,
                row.MarginFactor / finding.WorstRelativeError);
  }
  return 0;
}
