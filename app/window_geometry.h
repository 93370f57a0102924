#pragma once

#include <vector>

// Plain arithmetic of the window's resize and geometry. Layout units throughout.
namespace vaporin {

// The content is laid out for this size and drawn stretched from it.
inline constexpr int ReferenceWidth = 385;
inline constexpr int ReferenceHeight = 401;

struct LabelBox {
  double Left;
  double Top;
  double Width;
  double Height;
};

struct Position {
  double Left;
  double Top;
};

// Puts a hint right after a title, `gap` to its right, its bottom 2 units above the title's.
Position PlaceAfter(const LabelBox& title, double hintHeight, double gap);

// Saved geometry is applied without a check against the screen, but within what the window
// system takes: X11 positions are 16-bit, and a window larger than this would need a backing
// store of hundreds of megabytes.
inline constexpr int MaxWindowPosition = 32767;
inline constexpr int MaxWindowExtent = 8192;

int ClampWindowPosition(int position);
int ClampWindowExtent(int extent);

struct ScreenRect {
  int Left;
  int Top;
  int Width;
  int Height;
  bool operator==(const ScreenRect&) const = default;
};

// A window's rectangle fitted into the screens' available areas: onto the screen that holds
// most of it (the first, the primary, when none does, as after a monitor was unplugged), no
// larger than that screen's area, and moved until it lies wholly inside it, so that its title
// bar can always be reached.
ScreenRect FitIntoScreens(ScreenRect window, const std::vector<ScreenRect>& available);

// A saved width or height below this is a window nobody can use.
inline constexpr int MinUsableWindowExtent = 100;
// The saved extent, clamped, or `startUp` in place of one nobody can use.
int UsableWindowExtent(int saved, int startUp);

}  // namespace vaporin
