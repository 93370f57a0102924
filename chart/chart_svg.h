#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_scene.h"

namespace vaporin {

// The scene as a standalone SVG document.
std::string ChartSvg(const ChartScene& scene);

// The picture formats a chart is saved in, told by the file name's extension in any case.
enum class ChartFileType { Svg, Png };
std::optional<ChartFileType> ChartFileTypeOf(std::string_view fileName);

}  // namespace vaporin
