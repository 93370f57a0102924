#pragma once

#include "chart/chart_range.h"

// Where a chart's values lie on a drawing of it, and back: pixels from the top-left corner.
namespace vaporin {

struct PixelPoint {
  double X;
  double Y;
};

struct PixelRect {
  double Left;
  double Top;
  double Width;
  double Height;
  double Right() const { return Left + Width; }
  double Bottom() const { return Top + Height; }
  bool Contains(PixelPoint p) const {
    return p.X >= Left && p.X <= Right() && p.Y >= Top && p.Y <= Bottom();
  }
};

// The plot within a drawing of `width` x `height` px: room for the title above, the dry-bulb
// scale below and the humidity-ratio scale on the right.
PixelRect PlotAreaFor(double width, double height);

// Linear on both axes: dry bulb from the plot's left edge to its right, humidity ratio from
// its bottom edge up.
class ChartMapping {
 public:
  ChartMapping(const ChartRange& range, const PixelRect& plot) : range_(range), plot_(plot) {}

  PixelPoint ToPixel(ChartPoint value) const;
  ChartPoint ToChart(PixelPoint pixel) const;

  const ChartRange& Range() const { return range_; }
  const PixelRect& Plot() const { return plot_; }

 private:
  ChartRange range_;
  PixelRect plot_;
};

}  // namespace vaporin
