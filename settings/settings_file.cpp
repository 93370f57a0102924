#include "settings/settings_file.h"

#include <type_traits>

namespace vaporin {

namespace {
constexpr std::string_view KeyTemperature = "te";
constexpr std::string_view KeyAbsoluteHumidity = "ah";
constexpr std::string_view KeySpecificHumidity = "sh";
constexpr std::string_view KeyPressure = "pr";
constexpr std::string_view KeyEnthalpy = "en";
constexpr std::string_view KeySpecificVolume = "sv";
constexpr std::string_view KeyLanguage = "lang";

// A unit field, its key and its list of units. The file holds the unit's position in the list;
// a position off the list (a hand-edited file) reads as the list's first unit, so that the
// panel shows a choice and Save writes one.
struct UnitKey {
  std::string_view Key;
  int32_t (*Get)(const UnitSettings&);
  void (*Set)(UnitSettings&, int32_t);
};

template <auto Field, const auto& List>
constexpr UnitKey KeyOf(std::string_view key) {
  using Unit = std::remove_cvref_t<decltype(UnitSettings{}.*Field)>;
  return {key, [](const UnitSettings& s) { return static_cast<int32_t>(s.*Field); },
          [](UnitSettings& s, int32_t index) {
            const bool listed = index >= 0 && static_cast<size_t>(index) < List.size();
            s.*Field = listed ? static_cast<Unit>(index) : List.front().Id;
          }};
}

constexpr UnitKey UnitKeys[] = {
    KeyOf<&UnitSettings::TemperatureUnit, TemperatureUnits>(KeyTemperature),
    KeyOf<&UnitSettings::AbsoluteHumidityUnit, AbsHumidityUnits>(KeyAbsoluteHumidity),
    KeyOf<&UnitSettings::SpecificHumidityUnit, SpecHumidityUnits>(KeySpecificHumidity),
    KeyOf<&UnitSettings::PressureUnit, PressureUnits>(KeyPressure),
    KeyOf<&UnitSettings::EnthalpyUnit, EnthalpyUnits>(KeyEnthalpy),
    KeyOf<&UnitSettings::SpecificVolumeUnit, SpecVolumeUnits>(KeySpecificVolume),
};
}  // namespace

void ReadUnitChoices(const IniFile& file, UnitSettings& settings) {
  for (const UnitKey& unit : UnitKeys) {
    unit.Set(settings, file.ReadInteger(SettingsSection, unit.Key, 0));
  }
  settings.LanguageIndex = file.ReadInteger(SettingsSection, KeyLanguage, NoLanguageChosen);
  const int32_t pressure = file.ReadInteger(SettingsSection, KeyPressurePa, StandardPressurePa);
  settings.PressurePa = IsAcceptedPressure(pressure) ? pressure : StandardPressurePa;
}

void WriteUnitChoices(IniFile& file, const UnitSettings& settings, bool stayOnTop) {
  for (const UnitKey& unit : UnitKeys) {
    file.WriteInteger(SettingsSection, unit.Key, unit.Get(settings));
  }
  file.WriteInteger(SettingsSection, KeyLanguage, settings.LanguageIndex);
  file.WriteInteger(SettingsSection, KeyStayOnTop, stayOnTop ? StayOnTopOn : 0);
  file.WriteInteger(SettingsSection, KeyPressurePa, settings.PressurePa);
}

void WriteGeometry(IniFile& file, const WindowGeometry& geometry) {
  file.WriteInteger(SettingsSection, KeyPosLeft, geometry.Left);
  file.WriteInteger(SettingsSection, KeyPosTop, geometry.Top);
  file.WriteInteger(SettingsSection, KeyPosWidth, geometry.Width);
  file.WriteInteger(SettingsSection, KeyPosHeight, geometry.Height);
}

void WriteChartGeometry(IniFile& file, const WindowGeometry& geometry) {
  file.WriteInteger(SettingsSection, KeyChartLeft, geometry.Left);
  file.WriteInteger(SettingsSection, KeyChartTop, geometry.Top);
  file.WriteInteger(SettingsSection, KeyChartWidth, geometry.Width);
  file.WriteInteger(SettingsSection, KeyChartHeight, geometry.Height);
}

std::optional<WindowGeometry> ReadChartGeometry(const IniFile& file) {
  const std::optional<int32_t> left = file.FindInteger(SettingsSection, KeyChartLeft);
  const std::optional<int32_t> top = file.FindInteger(SettingsSection, KeyChartTop);
  const std::optional<int32_t> width = file.FindInteger(SettingsSection, KeyChartWidth);
  const std::optional<int32_t> height = file.FindInteger(SettingsSection, KeyChartHeight);
  if (!left || !top || !width || !height) return std::nullopt;
  return WindowGeometry{*left, *top, *width, *height};
}

}  // namespace vaporin
