#include "settings/settings_file.h"

namespace vaporin {

namespace {
constexpr std::string_view KeyTemperature = "te";
constexpr std::string_view KeyAbsoluteHumidity = "ah";
constexpr std::string_view KeySpecificHumidity = "sh";
constexpr std::string_view KeyPressure = "pr";
constexpr std::string_view KeyEnthalpy = "en";
constexpr std::string_view KeySpecificVolume = "sv";
constexpr std::string_view KeyLanguage = "lang";

struct UnitKey {
  std::string_view Key;
  int32_t UnitSettings::*Field;
};

constexpr UnitKey UnitKeys[] = {
    {KeyTemperature, &UnitSettings::TemperatureUnit},
    {KeyAbsoluteHumidity, &UnitSettings::AbsoluteHumidityUnit},
    {KeySpecificHumidity, &UnitSettings::SpecificHumidityUnit},
    {KeyPressure, &UnitSettings::PressureUnit},
    {KeyEnthalpy, &UnitSettings::EnthalpyUnit},
    {KeySpecificVolume, &UnitSettings::SpecificVolumeUnit},
};
}  // namespace

void ReadUnitChoices(const IniFile& file, UnitSettings& settings) {
  for (const UnitKey& unit : UnitKeys) {
    settings.*unit.Field = file.ReadInteger(SettingsSection, unit.Key, 0);
  }
  settings.LanguageIndex = file.ReadInteger(SettingsSection, KeyLanguage, NoLanguageChosen);
}

void WriteUnitChoices(IniFile& file, const UnitSettings& settings, bool stayOnTop) {
  for (const UnitKey& unit : UnitKeys) {
    file.WriteInteger(SettingsSection, unit.Key, settings.*unit.Field);
  }
  file.WriteInteger(SettingsSection, KeyLanguage, settings.LanguageIndex);
  file.WriteInteger(SettingsSection, KeyStayOnTop, stayOnTop ? StayOnTopOn : 0);
}

void WriteGeometry(IniFile& file, const WindowGeometry& geometry) {
  file.WriteInteger(SettingsSection, KeyPosLeft, geometry.Left);
  file.WriteInteger(SettingsSection, KeyPosTop, geometry.Top);
  file.WriteInteger(SettingsSection, KeyPosWidth, geometry.Width);
  file.WriteInteger(SettingsSection, KeyPosHeight, geometry.Height);
}

}  // namespace vaporin
