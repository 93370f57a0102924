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

// A saved or start-up rectangle lands wholly on a screen, as large as the screen at most: after
// a monitor was unplugged, on a smaller screen, at a large scale factor.
TEST(FitIntoScreens, PutsTheWholeWindowOnAScreen) {
  const ScreenRect small{0, 0, 1280, 1024};
  const ScreenRect right{1280, 0, 1920, 1080};
  const struct {
    const char* name;
    ScreenRect window;
    std::vector<ScreenRect> screens;
    ScreenRect fitted;
  } cases[] = {
      {"within", {100, 100, 288, 320}, {small}, {100, 100, 288, 320}},
      {"past the right edge", {1500, 40, 288, 320}, {small}, {992, 40, 288, 320}},
      {"title bar above the screen", {200, -99999, 800, 600}, {small}, {200, 0, 800, 600}},
      {"larger than the screen", {0, 0, 1800, 1200}, {small}, {0, 0, 1280, 1024}},
      {"a scale factor of 3.7", {0, 0, 288, 320}, {{0, 0, 346, 276}}, {0, 0, 288, 276}},
      {"on the second screen", {2000, 100, 800, 600}, {small, right}, {2000, 100, 800, 600}},
      {"mostly on the second", {1200, 100, 800, 600}, {small, right}, {1280, 100, 800, 600}},
      {"the second unplugged", {2000, 100, 800, 600}, {small}, {480, 100, 800, 600}},
      {"no screen known", {5000, 5000, 10, 10}, {}, {5000, 5000, 10, 10}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitIntoScreens(c.window, c.screens), c.fitted) << c.name;
  }
}

}  // namespace
}  // namespace vaporin
