#include "settings/settings_store.h"

#include <exception>
#include <string>
#include <system_error>

#include "settings/ini_file.h"

namespace vaporin {

SettingsStore SettingsStore::InDocuments(const Environment& environment) {
  return SettingsStore(DocumentsFolder(environment) / std::string(IniFileName));
}

bool SettingsStore::Exists() const {
  std::error_code ignored;
  return std::filesystem::exists(path_, ignored);
}

void SettingsStore::Forget() const {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

std::optional<StartUpSettings> SettingsStore::ReadStartUp() const {
  if (!Exists()) return std::nullopt;
  StartUpSettings saved;
  try {
    const IniFile file = IniFile::Open(path_);
    ReadUnitChoices(file, saved.Units);
    saved.Left = file.ReadInteger(SettingsSection, KeyPosLeft, 0);
    saved.Top = file.ReadInteger(SettingsSection, KeyPosTop, 0);
    saved.Width = file.FindInteger(SettingsSection, KeyPosWidth);
    saved.Height = file.FindInteger(SettingsSection, KeyPosHeight);
    saved.StayOnTop = file.ReadInteger(SettingsSection, KeyStayOnTop, 0) == StayOnTopOn;
  } catch (const std::exception&) {
    // A file that cannot be read leaves the values read so far and the defaults.
  }
  return saved;
}

UnitSettings SettingsStore::ReadChoices(std::string* problem) const {
  UnitSettings units;
  const IniFile file = IniFile::Open(path_);
  ReadUnitChoices(file, units);
  if (problem != nullptr) *problem = file.Problem();
  return units;
}

std::optional<WindowGeometry> SettingsStore::ReadChartGeometry() const {
  if (!Exists()) return std::nullopt;
  return vaporin::ReadChartGeometry(IniFile::Open(path_));
}

void SettingsStore::WriteChoices(const UnitSettings& units, bool stayOnTop) const {
  IniFile file = IniFile::Open(path_);
  WriteUnitChoices(file, units, stayOnTop);
  file.Update();
}

void SettingsStore::WriteGeometry(const WindowGeometry& geometry) const {
  IniFile file = IniFile::Open(path_);
  vaporin::WriteGeometry(file, geometry);
  file.Update();
}

void SettingsStore::WriteChartGeometry(const WindowGeometry& geometry) const {
  IniFile file = IniFile::Open(path_);
  vaporin::WriteChartGeometry(file, geometry);
  file.Update();
}

}  // namespace vaporin
