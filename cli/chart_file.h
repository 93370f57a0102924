#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "chart/chart_scene.h"
#include "core/solving.h"

namespace vaporin::cli {

// Writes a scene as PNG: an empty text on success, else the fault. The program supplies it
// and loads Qt for it only when a PNG is asked for.
using PngWriter = std::function<std::string(const ChartScene& scene, const std::string& file)>;

// The drawing's size, px.
inline constexpr double ChartFileWidthPx = 1200.0;
inline constexpr double ChartFileHeightPx = 800.0;

// A chart file that could not be written; the message names the file and the fault.
class ChartNotWritten : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The chart under `preferences`, marking `solved` when it is a state (none: no state marked), in
// the language of the preferences, written to `file`. Throws ChartNotWritten when it cannot be
// written.
void WriteChartFile(const Preferences& preferences, const Solution* solved, const std::string& file,
                    const PngWriter& writePng);

}  // namespace vaporin::cli
