#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_lines.h"
#include "chart/chart_mapping.h"

// A chart as a drawing: paths and texts in pixels, which a painter puts on screen, into a
// picture or into an SVG file without deciding anything of its own.
namespace vaporin {

// What a path or text is, and so how it is drawn.
enum class Ink : size_t {
  Paper,
  Frame,
  Grid,
  Fog,  // above saturation, where no state exists
  Saturation,
  RelativeHumidity,
  WetBulb,
  SpecificVolume,
  Marker,
  Text,
  LineLabel,
  Count,
};

struct InkStyle {
  uint8_t Red;
  uint8_t Green;
  uint8_t Blue;
  uint8_t Alpha;
  double WidthPx;  // of a stroke; 0 for a fill
};

const InkStyle& StyleOf(Ink ink);

struct ScenePath {
  Ink Kind;
  std::vector<PixelPoint> Points;
  bool Filled = false;   // a closed area rather than a line
  bool Clipped = false;  // cut at the plot's edges
};

enum class TextAnchor { Start, Middle, End };

struct SceneText {
  std::string Text;  // UTF-8
  PixelPoint At;     // on the baseline
  double SizePx;
  TextAnchor Anchor;
  Ink Kind;
  bool Bold = false;
  bool Vertical = false;  // turned a quarter anticlockwise about At
};

struct SceneMarker {
  PixelPoint At;
  double RadiusPx;
};

struct ChartScene {
  double Width;
  double Height;
  PixelRect Plot;
  std::vector<ScenePath> Paths;  // in drawing order
  std::vector<SceneText> Texts;  // drawn over the paths
  std::optional<SceneMarker> Marker;
};

// The texts of a chart, in the user's language and units.
struct ChartTexts {
  std::string Title;
  std::string XTitle;
  std::string YTitle;
};

struct ChartMarkerSpec {
  ChartPoint At;
  std::string Label;
  // Where the state lies beyond the range, when it does, axis by axis: -1, 0 or 1 (up).
  int BeyondX = 0;
  int BeyondY = 0;
};

// The box a text takes, in pixels, from its anchor and an estimate of its width (a line
// label's digits, signs and units are under 0.62 of the text's size wide each in the fonts the
// chart is drawn with; an ideograph is a whole size).
PixelRect TextBox(const SceneText& text);

ChartScene BuildChartScene(const std::vector<ChartLine>& lines, const ChartRange& range,
                           const ChartTexts& texts, const std::optional<ChartMarkerSpec>& marker,
                           double width, double height, std::string_view separator);

}  // namespace vaporin
