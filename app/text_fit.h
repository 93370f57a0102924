#pragma once

#include <functional>

// How a text fits its place: the largest font size, stepping down from the designed one to a
// floor, at which it fits, or the floor and an ellipsis.
namespace vaporin {

inline constexpr double TextFitFloorFraction = 0.6;

struct TextFit {
  int PixelSize;
  bool Elide;
};

// `widthAt(size)` is the text's width at a font size; `available` the width it may take.
TextFit FitText(int designedPixelSize, int available, const std::function<int(int)>& widthAt);

}  // namespace vaporin
