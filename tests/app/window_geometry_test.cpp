#include "app/window_geometry.h"

#include <gtest/gtest.h>

namespace vaporin {
namespace {

struct ScaleCase {
  const char* name;
  double width;
  double height;
  double scale;
  float left;
  float layoutWidth;
  float layoutHeight;
  friend void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }
};

class ScaleTable : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleTable, FitsTheContentFrameAndCentresIt) {
  const ScaleCase& c = GetParam();
  const double s = ScaleFactor(c.width, c.height);
  EXPECT_NEAR(s, c.scale, 1e-4);
  const ScaledBox box = ScaledLayoutBox(c.width, s);
  EXPECT_NEAR(box.Left, c.left, 0.01);
  EXPECT_NEAR(box.Width, c.layoutWidth, 0.01);
  EXPECT_NEAR(box.Height, c.layoutHeight, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ScaleTable,
    ::testing::Values(ScaleCase{"Portrait", 300, 500, 0.8333, 0, 300, 383.33f},
                      ScaleCase{"Landscape", 800, 600, 1.6667, 100, 600, 766.67f},
                      ScaleCase{"TallLandscape", 1200, 800, 1.9512, 248.78f, 702.44f, 897.56f},
                      ScaleCase{"SquareIsNotLandscape", 800, 800, 2.2222, 0, 800, 1022.22f},
                      ScaleCase{"ExactlyTallLimit", 1000, 760, 2.1111, 120, 760, 971.11f},
                      ScaleCase{"StartUpSize", 288, 320, 0.8, 0, 288, 368}),
    [](const auto& info) { return info.param.name; });

TEST(PlaceAfter, PutsTheHintAfterTheTitleWithItsBottomTwoUnitsHigher) {
  const Position at = PlaceAfter({14, 17, 78, 29}, 20, 6);
  EXPECT_EQ(at.Left, 98);
  EXPECT_EQ(at.Top, 24);
  const Position panel = PlaceAfter({14, 17, 78, 29}, 20, 12);
  EXPECT_EQ(panel.Left, 104);
}

}  // namespace
}  // namespace vaporin
