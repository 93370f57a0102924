#include "chart/chart_svg.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace vaporin {

namespace {
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Two decimals and a point whatever the locale: hundredths of a pixel are plenty.
std::string Number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  return std::string(text, end.ptr);
}

std::string Colour(const InkStyle& style) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", style.Red, style.Green, style.Blue);
  return text;
}

std::string PointList(const std::vector<PixelPoint>& points) {
  std::string out;
  for (const PixelPoint& p : points) {
    if (!out.empty()) out += ' ';
    out += Number(p.X) + ',' + Number(p.Y);
  }
  return out;
}

std::string_view AnchorName(TextAnchor anchor) {
  switch (anchor) {
    case TextAnchor::Start:
      return "start";
    case TextAnchor::Middle:
      return "middle";
    case TextAnchor::End:
      return "end";
  }
  return "start";
}
}  // namespace

std::string ChartSvg(const ChartScene& scene) {
  const PixelRect& plot = scene.Plot;
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(scene.Width) +
         "\" height=\"" + Number(scene.Height) + "\" viewBox=\"0 0 " + Number(scene.Width) + ' ' +
         Number(scene.Height) + "\">\n";
  svg += "<defs><clipPath id=\"plot\"><rect x=\"" + Number(plot.Left) + "\" y=\"" +
         Number(plot.Top) + "\" width=\"" + Number(plot.Width) + "\" height=\"" +
         Number(plot.Height) + "\"/></clipPath></defs>\n";
  for (const ScenePath& path : scene.Paths) {
    const InkStyle& style = StyleOf(path.Kind);
    svg += path.Filled ? "<polygon" : "<polyline";
    svg += " points=\"" + PointList(path.Points) + '"';
    if (path.Filled) {
      svg += " fill=\"" + Colour(style) + "\" stroke=\"none\"";
    } else {
      svg += " fill=\"none\" stroke=\"" + Colour(style) + "\" stroke-width=\"" +
             Number(style.WidthPx) + "\" stroke-linejoin=\"round\"";
    }
    if (path.Clipped) svg += " clip-path=\"url(#plot)\"";
    svg += "/>\n";
  }
  if (scene.Marker) {
    const InkStyle& style = StyleOf(Ink::Marker);
    svg += "<circle cx=\"" + Number(scene.Marker->At.X) + "\" cy=\"" + Number(scene.Marker->At.Y) +
           "\" r=\"" + Number(scene.Marker->RadiusPx) + "\" fill=\"" + Colour(style) +
           "\" stroke=\"#ffffff\" stroke-width=\"" + Number(style.WidthPx) + "\"/>\n";
  }
  for (const SceneText& text : scene.Texts) {
    svg += "<text x=\"" + Number(text.At.X) + "\" y=\"" + Number(text.At.Y) +
           "\" font-family=\"sans-serif\" font-size=\"" + Number(text.SizePx) + "\" fill=\"" +
           Colour(StyleOf(text.Kind)) + "\" text-anchor=\"" + std::string(AnchorName(text.Anchor)) +
           '"';
    if (text.Bold) svg += " font-weight=\"bold\"";
    if (text.Vertical) {
      svg += " transform=\"rotate(-90 " + Number(text.At.X) + ' ' + Number(text.At.Y) + ")\"";
    }
    svg += '>' + Escaped(text.Text) + "</text>\n";
  }
  svg += "</svg>\n";
  return svg;
}

std::optional<ChartFileType> ChartFileTypeOf(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return std::nullopt;
  std::string extension(fileName.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "svg") return ChartFileType::Svg;
  if (extension == "png") return ChartFileType::Png;
  return std::nullopt;
}

}  // namespace vaporin
