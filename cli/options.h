#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/edit_boxes.h"
#include "settings/unit_settings.h"

namespace vaporin::cli {

enum class OutputFormat { Text, Csv, Json };
enum class Precision { Display, Full };

// What a command line asks for. Units and pressure hold what the options say; the settings
// file, when asked for, comes under them.
struct Options {
  bool Help = false;
  bool Version = false;
  bool Batch = false;
  bool FromSettings = false;
  OutputFormat Format = OutputFormat::Text;
  Precision Digits = Precision::Display;
  // The options given, applied over the defaults or the settings file.
  std::optional<UnitOfTemperature> Temperature;
  std::optional<UnitOfAbsHumidity> AbsHumidity;
  std::optional<UnitOfSpecHumidity> SpecHumidity;
  std::optional<UnitOfEnthalpy> Enthalpy;
  std::optional<UnitOfSpecVolume> SpecVolume;
  std::optional<int32_t> PressurePa;
  // --chart: the picture's file, .svg or .png.
  std::optional<std::string> ChartFile;
  // --project: a project file whose points are printed.
  std::optional<std::string> ProjectFile;
  // NAME=VALUE, in the order given.
  std::vector<std::pair<EditBox, std::string>> Values;
};

// A command line that cannot be carried out; the message names the fault in one line.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

Options ParseCommandLine(const std::vector<std::string>& arguments);

// The options' units and pressure over `base`.
UnitSettings ApplyUnitOptions(const Options& options, UnitSettings base);

// The box a quantity name stands for ("db", "RH", ...: the control names in any case).
std::optional<EditBox> BoxNamed(std::string_view name);

// Throws UsageError unless the two boxes stand for two different quantities (a dew point and
// a humidity ratio are one); `names` says where they were named, as "sh and dp" reads there.
void CheckPairOfQuantities(EditBox first, EditBox second, const std::string& names);

// "VALUE[unit]" as a pressure in pascals within the accepted range.
int32_t ParsePressureOption(std::string_view text);
int32_t ParseAltitudeOption(std::string_view text);

}  // namespace vaporin::cli
