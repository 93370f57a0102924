#include "app/window_geometry.h"

#include <algorithm>

namespace vaporin {

namespace {
constexpr double HintBottomLift = 2.0;
}  // namespace

Position PlaceAfter(const LabelBox& title, double hintHeight, double gap) {
  return {title.Left + title.Width + gap, title.Top + title.Height - hintHeight - HintBottomLift};
}

double ScaleFactor(double width, double height) {
  double s = width < height ? width / ContentFrameWidth : height / ContentFrameWidth;
  if (height > TallWindowHeight && width > height) s = height / TallWindowDivisor;
  return s;
}

ScaledBox ScaledLayoutBox(double width, double scale) {
  const double scaledWidth = ContentFrameWidth * scale;
  return {static_cast<float>((width - scaledWidth) * 0.5), static_cast<float>(scaledWidth),
          static_cast<float>(ContentFrameHeight * scale)};
}

int ClampWindowPosition(int position) {
  return std::clamp(position, -MaxWindowPosition, MaxWindowPosition);
}

int ClampWindowExtent(int extent) { return std::clamp(extent, 1, MaxWindowExtent); }

}  // namespace vaporin
