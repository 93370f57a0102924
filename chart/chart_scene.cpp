#include "chart/chart_scene.h"

#include <algorithm>
#include <cmath>

#include "units/number_text.h"

namespace vaporin {

namespace {
constexpr std::array<InkStyle, static_cast<size_t>(Ink::Count)> InkStyles = {{
    {255, 255, 255, 255, 0.0},  // Paper
    {60, 60, 60, 255, 1.2},     // Frame
    {215, 221, 228, 255, 1.0},  // Grid
    {238, 240, 243, 255, 0.0},  // Fog
    {20, 70, 140, 255, 2.2},    // Saturation
    {42, 111, 151, 255, 1.0},   // RelativeHumidity
    {46, 139, 87, 255, 0.9},    // WetBulb
    {170, 110, 40, 255, 0.9},   // SpecificVolume
    {200, 30, 30, 255, 1.5},    // Marker
    {30, 30, 30, 255, 0.0},     // Text
    {80, 80, 80, 255, 0.0},     // LineLabel
}};

constexpr double TitleSizePx = 16.0;
constexpr double AxisTitleSizePx = 13.0;
constexpr double ScaleSizePx = 12.0;
constexpr double LineLabelSizePx = 11.0;
constexpr double MarkerLabelSizePx = 12.0;
constexpr double MarkerRadiusPx = 5.0;
constexpr double TitleBaselinePx = 26.0;
constexpr double ScaleGapPx = 16.0;  // plot edge to a scale's baseline, or start
constexpr double XTitleGapPx = 38.0;
constexpr double YTitleGapPx = 66.0;
constexpr double LabelOffsetPx = 4.0;
constexpr double MarkerLabelOffsetPx = 9.0;
// A marker closer than this to the plot's right edge has its label on its left.
constexpr double MarkerLabelRoomPx = 130.0;
// The arrow beside a marker at the edge for a state beyond it: a triangle inside the frame.
constexpr double ArrowGapPx = 2.0;     // from the marker's circle to the arrow's tip
constexpr double ArrowLengthPx = 9.0;  // base to tip
constexpr double ArrowHalfWidthPx = 5.0;

class SceneBuilder {
 public:
  SceneBuilder(const ChartRange& range, double width, double height, std::string_view separator)
      : map_(range, PlotAreaFor(width, height)), separator_(separator) {
    scene_.Width = width;
    scene_.Height = height;
    scene_.Plot = map_.Plot();
  }

  ChartScene Build(const std::vector<ChartLine>& lines, const ChartTexts& texts,
                   const std::optional<ChartMarkerSpec>& marker) {
    const PixelRect& plot = scene_.Plot;
    scene_.Paths.push_back(
        {Ink::Paper,
         {{0, 0}, {scene_.Width, 0}, {scene_.Width, scene_.Height}, {0, scene_.Height}},
         true,
         false});
    AddFog(lines);
    AddGrid();
    for (const ChartLine& line : lines) AddLine(line);
    scene_.Paths.push_back({Ink::Frame,
                            {{plot.Left, plot.Top},
                             {plot.Right(), plot.Top},
                             {plot.Right(), plot.Bottom()},
                             {plot.Left, plot.Bottom()},
                             {plot.Left, plot.Top}},
                            false,
                            false});
    AddText(texts.Title, {plot.Left, TitleBaselinePx}, TitleSizePx, TextAnchor::Start, Ink::Text)
        .Bold = true;
    AddText(texts.XTitle, {plot.Left + plot.Width / 2, plot.Bottom() + XTitleGapPx},
            AxisTitleSizePx, TextAnchor::Middle, Ink::Text);
    AddText(texts.YTitle, {plot.Right() + YTitleGapPx, plot.Top + plot.Height / 2}, AxisTitleSizePx,
            TextAnchor::Middle, Ink::Text)
        .Vertical = true;
    if (marker) AddMarker(*marker);
    return std::move(scene_);
  }

 private:
  SceneText& AddText(std::string text, PixelPoint at, double size, TextAnchor anchor, Ink ink) {
    scene_.Texts.push_back({std::move(text), at, size, anchor, ink});
    return scene_.Texts.back();
  }

  std::vector<PixelPoint> Pixels(const std::vector<ChartPoint>& points) const {
    std::vector<PixelPoint> pixels;
    pixels.reserve(points.size());
    for (const ChartPoint& point : points) pixels.push_back(map_.ToPixel(point));
    return pixels;
  }

  // Everything left of and above the saturation line.
  void AddFog(const std::vector<ChartLine>& lines) {
    const auto saturation = std::find_if(lines.begin(), lines.end(), [](const ChartLine& line) {
      return line.Kind == LineKind::Saturation;
    });
    if (saturation == lines.end() || saturation->Points.empty()) return;
    std::vector<PixelPoint> area = Pixels(saturation->Points);
    const double top = std::min(area.back().Y, scene_.Plot.Top);
    area.push_back({area.back().X, top});
    area.push_back({scene_.Plot.Left, top});
    scene_.Paths.push_back({Ink::Fog, std::move(area), true, true});
  }

  void AddGrid() {
    const PixelRect& plot = scene_.Plot;
    const ChartRange& range = map_.Range();
    const double xStep = XStep(range);
    const int xDecimals = DecimalsFor(xStep);
    for (double x : RoundValues(range.XMin, range.XMax, xStep)) {
      const double px = map_.ToPixel({x, range.YMin}).X;
      scene_.Paths.push_back({Ink::Grid, {{px, plot.Top}, {px, plot.Bottom()}}});
      AddText(Number(x, xDecimals), {px, plot.Bottom() + ScaleGapPx}, ScaleSizePx,
              TextAnchor::Middle, Ink::Text);
    }
    const double yStep = YStep(range);
    const int yDecimals = DecimalsFor(yStep);
    for (double y : RoundValues(range.YMin, range.YMax, yStep)) {
      const double py = map_.ToPixel({range.XMin, y}).Y;
      scene_.Paths.push_back({Ink::Grid, {{plot.Left, py}, {plot.Right(), py}}});
      AddText(Number(y, yDecimals), {plot.Right() + LabelOffsetPx, py + ScaleSizePx / 3},
              ScaleSizePx, TextAnchor::Start, Ink::Text);
    }
  }

  // A line's label, where it lies wholly inside the plot; else none, rather than one cut at the
  // plot's edge (a "-10" cut to "10" reads as another number).
  void AddLineLabel(const std::string& text, PixelPoint at, TextAnchor anchor) {
    const SceneText label{text, at, LineLabelSizePx, anchor, Ink::LineLabel};
    const PixelRect box = TextBox(label);
    const PixelRect& plot = scene_.Plot;
    if (box.Left < plot.Left || box.Right() > plot.Right() || box.Top < plot.Top ||
        box.Bottom() > plot.Bottom()) {
      return;
    }
    scene_.Texts.push_back(label);
  }

  void AddLine(const ChartLine& line) {
    if (line.Points.size() < 2) return;
    std::vector<PixelPoint> pixels = Pixels(line.Points);
    const PixelRect& plot = scene_.Plot;
    switch (line.Kind) {
      case LineKind::Saturation:
      case LineKind::RelativeHumidity: {
        // At the last point in the plot: where the line leaves it.
        const auto last = std::find_if(pixels.rbegin(), pixels.rend(),
                                       [&plot](PixelPoint p) { return plot.Contains(p); });
        if (last != pixels.rend()) {
          AddLineLabel(line.Label, {last->X - LabelOffsetPx, last->Y + ScaleSizePx},
                       TextAnchor::End);
        }
        break;
      }
      case LineKind::WetBulb:
        // On the saturation line, in the fog beside it.
        if (plot.Contains(pixels.front())) {
          AddLineLabel(line.Label, {pixels.front().X - LabelOffsetPx, pixels.front().Y - 2.0},
                       TextAnchor::End);
        }
        break;
      case LineKind::SpecificVolume:
        if (plot.Contains(pixels.front())) {
          AddLineLabel(line.Label,
                       {pixels.front().X + LabelOffsetPx, pixels.front().Y - LabelOffsetPx},
                       TextAnchor::Start);
        }
        break;
    }
    scene_.Paths.push_back({InkOf(line.Kind), std::move(pixels), false, true});
  }

  static Ink InkOf(LineKind kind) {
    switch (kind) {
      case LineKind::Saturation:
        return Ink::Saturation;
      case LineKind::RelativeHumidity:
        return Ink::RelativeHumidity;
      case LineKind::WetBulb:
        return Ink::WetBulb;
      case LineKind::SpecificVolume:
        return Ink::SpecificVolume;
    }
    return Ink::Text;
  }

  void AddMarker(const ChartMarkerSpec& marker) {
    const PixelPoint at = map_.ToPixel(marker.At);
    scene_.Marker = SceneMarker{at, MarkerRadiusPx};
    if (marker.BeyondX != 0 || marker.BeyondY != 0) AddArrow(at, marker.BeyondX, -marker.BeyondY);
    const bool roomOnTheRight = at.X + MarkerLabelRoomPx <= scene_.Plot.Right();
    // Below the marker when above it would leave the plot.
    const bool roomAbove = at.Y - MarkerLabelOffsetPx - MarkerLabelSizePx >= scene_.Plot.Top;
    AddText(
        marker.Label,
        {roomOnTheRight ? at.X + MarkerLabelOffsetPx : at.X - MarkerLabelOffsetPx,
         roomAbove ? at.Y - MarkerLabelOffsetPx : at.Y + MarkerLabelOffsetPx + MarkerLabelSizePx},
        MarkerLabelSizePx, roomOnTheRight ? TextAnchor::Start : TextAnchor::End, Ink::Marker)
        .Bold = true;
  }

  // A filled triangle inside the plot just short of `at`, pointing along (dx, dy) in pixels,
  // towards the edge the marker sits on: the state lies further that way.
  void AddArrow(PixelPoint at, int dx, int dy) {
    const double length = std::hypot(dx, dy);
    const double ux = dx / length;
    const double uy = dy / length;
    const double tip = MarkerRadiusPx + ArrowGapPx;
    const PixelPoint base{at.X - ux * (tip + ArrowLengthPx), at.Y - uy * (tip + ArrowLengthPx)};
    scene_.Paths.push_back({Ink::Marker,
                            {{base.X - uy * ArrowHalfWidthPx, base.Y + ux * ArrowHalfWidthPx},
                             {at.X - ux * tip, at.Y - uy * tip},
                             {base.X + uy * ArrowHalfWidthPx, base.Y - ux * ArrowHalfWidthPx}},
                            true,
                            false});
  }

  std::string Number(double value, int decimals) const {
    return LocalizeNumberText(FormatFixed(value, decimals), separator_);
  }

  ChartMapping map_;
  std::string_view separator_;
  ChartScene scene_{};
};
}  // namespace

PixelRect TextBox(const SceneText& text) {
  constexpr double NarrowWidthEm = 0.62;
  constexpr double WideWidthEm = 1.0;
  constexpr double AscentEm = 0.8;
  constexpr double DescentEm = 0.25;
  double widthEm = 0.0;
  for (size_t i = 0; i < text.Text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text.Text[i]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte of the same character
    widthEm += byte >= 0xE0 ? WideWidthEm : NarrowWidthEm;
  }
  const double width = widthEm * text.SizePx;
  double left = text.At.X;
  if (text.Anchor == TextAnchor::Middle) left -= width / 2;
  if (text.Anchor == TextAnchor::End) left -= width;
  const double top = text.At.Y - AscentEm * text.SizePx;
  return {left, top, width, (AscentEm + DescentEm) * text.SizePx};
}

const InkStyle& StyleOf(Ink ink) { return InkStyles[static_cast<size_t>(ink)]; }

ChartScene BuildChartScene(const std::vector<ChartLine>& lines, const ChartRange& range,
                           const ChartTexts& texts, const std::optional<ChartMarkerSpec>& marker,
                           double width, double height, std::string_view separator) {
  return SceneBuilder(range, width, height, separator).Build(lines, texts, marker);
}

}  // namespace vaporin
