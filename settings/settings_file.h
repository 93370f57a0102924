#pragma once

#include <cstdint>
#include <optional>

#include "settings/ini_file.h"
#include "settings/unit_settings.h"

// What the settings file holds, under which keys, with which defaults.
namespace vaporin {

inline constexpr std::string_view SettingsSection = "setting";
inline constexpr std::string_view IniFileName = "vaporin.ini";

inline constexpr std::string_view KeyPosLeft = "pos_left";
inline constexpr std::string_view KeyPosTop = "pos_top";
inline constexpr std::string_view KeyPosWidth = "pos_width";
inline constexpr std::string_view KeyPosHeight = "pos_height";
inline constexpr std::string_view KeyStayOnTop = "stayontop";
// The atmospheric pressure in whole pascals; older files lack it.
inline constexpr std::string_view KeyPressurePa = "patm";
// The chart window's place and size; older files lack them.
inline constexpr std::string_view KeyChartLeft = "chart_left";
inline constexpr std::string_view KeyChartTop = "chart_top";
inline constexpr std::string_view KeyChartWidth = "chart_width";
inline constexpr std::string_view KeyChartHeight = "chart_height";
// Only this value of "stayontop" means on.
inline constexpr int32_t StayOnTopOn = 1;

struct WindowGeometry {
  int32_t Left;
  int32_t Top;
  int32_t Width;
  int32_t Height;
};

// The six unit indices, the language index and the pressure, each defaulting as when the key
// is absent; a pressure outside the accepted range reads as the standard atmosphere.
void ReadUnitChoices(const IniFile& file, UnitSettings& settings);
// "te", "ah", "sh", "pr", "en", "sv", "lang", "stayontop", "patm", in this order.
void WriteUnitChoices(IniFile& file, const UnitSettings& settings, bool stayOnTop);
// "pos_left", "pos_top", "pos_width", "pos_height", in this order.
void WriteGeometry(IniFile& file, const WindowGeometry& geometry);

// "chart_left", "chart_top", "chart_width", "chart_height", in this order.
void WriteChartGeometry(IniFile& file, const WindowGeometry& geometry);
// The chart window's saved place and size; none unless all four keys are there.
std::optional<WindowGeometry> ReadChartGeometry(const IniFile& file);

}  // namespace vaporin
