#include "chart/chart_mapping.h"

#include <algorithm>

namespace vaporin {

namespace {
constexpr double MarginLeftPx = 16.0;
constexpr double MarginTopPx = 40.0;
constexpr double MarginRightPx = 76.0;
constexpr double MarginBottomPx = 52.0;
// A plot never shrinks below this, so that a tiny window still maps both ways.
constexpr double MinPlotExtentPx = 10.0;
}  // namespace

PixelRect PlotAreaFor(double width, double height) {
  return {MarginLeftPx, MarginTopPx,
          std::max(MinPlotExtentPx, width - MarginLeftPx - MarginRightPx),
          std::max(MinPlotExtentPx, height - MarginTopPx - MarginBottomPx)};
}

PixelPoint ChartMapping::ToPixel(ChartPoint value) const {
  return {plot_.Left + (value.X - range_.XMin) / (range_.XMax - range_.XMin) * plot_.Width,
          plot_.Bottom() - (value.Y - range_.YMin) / (range_.YMax - range_.YMin) * plot_.Height};
}

ChartPoint ChartMapping::ToChart(PixelPoint pixel) const {
  return {range_.XMin + (pixel.X - plot_.Left) / plot_.Width * (range_.XMax - range_.XMin),
          range_.YMin + (plot_.Bottom() - pixel.Y) / plot_.Height * (range_.YMax - range_.YMin)};
}

}  // namespace vaporin
