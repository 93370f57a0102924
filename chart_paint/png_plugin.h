#pragma once

#include <cstddef>

#include "chart/chart_scene.h"
#include "chart_paint/png_plugin_abi.h"

// The PNG writer as a plugin that vaporin-calc loads only when asked for a PNG chart, so that
// the program itself needs no Qt. The scene crosses as is, so the entry's name carries a tag of
// the build: a plugin from another build is not found, rather than misread.
namespace vaporin {

inline constexpr const char* PngPluginFileName = "vaporin-chart-png.so";
// The plugin's folder, from the folder of the program that loads it.
inline constexpr const char* PngPluginFolderFromProgram = "../lib/vaporin";
inline constexpr const char* PngPluginEntryName = VAPORIN_PNG_PLUGIN_ENTRY_NAME;

// Writes `scene` to `fileName` as PNG. Returns 0 on success, else a nonzero value with the
// fault, as UTF-8, in `error` (at most `errorSize` bytes, terminated).
using PngPluginEntry = int (*)(const ChartScene* scene, const char* fileName, char* error,
                               size_t errorSize);

}  // namespace vaporin
