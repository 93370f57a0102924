#pragma once

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

// A saved width or height below this is a window nobody can use.
inline constexpr int MinUsableWindowExtent = 100;
// The saved extent, clamped, or `startUp` in place of one nobody can use.
int UsableWindowExtent(int saved, int startUp);

}  // namespace vaporin
