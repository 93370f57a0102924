#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "settings/documents_folder.h"
#include "settings/settings_file.h"
#include "settings/unit_settings.h"

namespace vaporin {

// What a start reads from the settings file: the user's choices and the window's last place
// and size, each as when its key is absent where it is.
struct StartUpSettings {
  UnitSettings Units;
  int32_t Left = 0;
  int32_t Top = 0;
  std::optional<int32_t> Width;
  std::optional<int32_t> Height;
  bool StayOnTop = false;
};

// The settings file: its path and every read and write of it. Each write reads the file afresh
// and replaces it at once (see IniFile::Update), keeping every line it does not write, so that
// two windows' writes and the user's own lines are not lost. A write that fails throws and
// leaves the file as it was.
class SettingsStore {
 public:
  explicit SettingsStore(std::filesystem::path path) : path_(std::move(path)) {}
  // vaporin.ini in the user's documents folder.
  static SettingsStore InDocuments(const Environment& environment);

  const std::filesystem::path& Path() const { return path_; }
  // Forgets every setting: the file is removed (a start with Shift held).
  void Forget() const;

  // None without a file. A file that cannot be read gives the defaults.
  std::optional<StartUpSettings> ReadStartUp() const;
  // The user's choices, the defaults without a file. A file that cannot be read whole also
  // gives the defaults, and `problem`, when given, says why.
  UnitSettings ReadChoices(std::string* problem = nullptr) const;
  // The chart window's saved place and size; none unless all four keys are there.
  std::optional<WindowGeometry> ReadChartGeometry() const;

  void WriteChoices(const UnitSettings& units, bool stayOnTop) const;
  void WriteGeometry(const WindowGeometry& geometry) const;
  void WriteChartGeometry(const WindowGeometry& geometry) const;

 private:
  bool Exists() const;

  std::filesystem::path path_;
};

}  // namespace vaporin
