#include "app/window_geometry.h"

#include <gtest/gtest.h>

namespace vaporin {
namespace {

TEST(PlaceAfter, PutsTheHintAfterTheTitleWithItsBottomTwoUnitsHigher) {
  const Position at = PlaceAfter({14, 17, 78, 29}, 20, 6);
  EXPECT_EQ(at.Left, 98);
  EXPECT_EQ(at.Top, 24);
  const Position panel = PlaceAfter({14, 17, 78, 29}, 20, 12);
  EXPECT_EQ(panel.Left, 104);
}

}  // namespace
}  // namespace vaporin
