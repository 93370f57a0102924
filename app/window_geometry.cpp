#include "app/window_geometry.h"

#include <algorithm>

namespace vaporin {

namespace {
constexpr double HintBottomLift = 2.0;
}  // namespace

Position PlaceAfter(const LabelBox& title, double hintHeight, double gap) {
  return {title.Left + title.Width + gap, title.Top + title.Height - hintHeight - HintBottomLift};
}

int ClampWindowPosition(int position) {
  return std::clamp(position, -MaxWindowPosition, MaxWindowPosition);
}

int ClampWindowExtent(int extent) { return std::clamp(extent, 1, MaxWindowExtent); }

int UsableWindowExtent(int saved, int startUp) {
  return saved < MinUsableWindowExtent ? startUp : ClampWindowExtent(saved);
}

}  // namespace vaporin
