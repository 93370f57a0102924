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

namespace {
long long OverlapArea(const ScreenRect& a, const ScreenRect& b) {
  const long long width =
      std::min<long long>(a.Left + a.Width, b.Left + b.Width) - std::max<long long>(a.Left, b.Left);
  const long long height =
      std::min<long long>(a.Top + a.Height, b.Top + b.Height) - std::max<long long>(a.Top, b.Top);
  return width > 0 && height > 0 ? width * height : 0;
}
}  // namespace

ScreenRect FitIntoScreens(ScreenRect window, const std::vector<ScreenRect>& available) {
  if (available.empty()) return window;
  const ScreenRect* screen = &available.front();
  long long most = 0;
  for (const ScreenRect& candidate : available) {
    const long long area = OverlapArea(window, candidate);
    if (area > most) {
      most = area;
      screen = &candidate;
    }
  }
  window.Width = std::min(window.Width, screen->Width);
  window.Height = std::min(window.Height, screen->Height);
  window.Left = std::clamp(window.Left, screen->Left, screen->Left + screen->Width - window.Width);
  window.Top = std::clamp(window.Top, screen->Top, screen->Top + screen->Height - window.Height);
  return window;
}

int UsableWindowExtent(int saved, int startUp) {
  return saved < MinUsableWindowExtent ? startUp : ClampWindowExtent(saved);
}

}  // namespace vaporin
