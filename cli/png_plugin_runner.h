#pragma once

#include <filesystem>
#include <string>

#include "chart/chart_scene.h"

namespace vaporin::cli {

// Writes `scene` to `file` as PNG through the chart plugin at `plugin`: an empty text on
// success, else the fault. The plugin is loaded and run in a child process, so that a broken one
// (cut short, not a plugin, from another build, crashing) is a fault with a message, never the
// end of this program.
std::string WritePngThroughPlugin(const ChartScene& scene, const std::string& file,
                                  const std::filesystem::path& plugin);

}  // namespace vaporin::cli
