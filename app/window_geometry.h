#pragma once

// Plain arithmetic of the window's resize: where the title-bar hint goes and how the content
// is scaled. Layout units throughout.
namespace vaporin {

// The content is laid out for this size and drawn stretched from it.
inline constexpr int ReferenceWidth = 385;
inline constexpr int ReferenceHeight = 401;

// The frame that the scale rule maps onto the window.
inline constexpr double ContentFrameWidth = 360.0;
inline constexpr double ContentFrameHeight = 460.0;
// Landscape windows taller than this use the second divisor.
inline constexpr double TallWindowHeight = 760.0;
inline constexpr double TallWindowDivisor = 410.0;

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

// The scale s for a scroll box of width x height.
double ScaleFactor(double width, double height);

struct ScaledBox {
  float Left;
  float Width;
  float Height;
};

// The scaled layout's width and height for scale s, centred horizontally in `width`.
ScaledBox ScaledLayoutBox(double width, double scale);

// Saved geometry is applied without a check against the screen, but within what the window
// system takes: X11 positions are 16-bit, and a window larger than this would need a backing
// store of hundreds of megabytes.
inline constexpr int MaxWindowPosition = 32767;
inline constexpr int MaxWindowExtent = 8192;

int ClampWindowPosition(int position);
int ClampWindowExtent(int extent);

}  // namespace vaporin
