#include "cli/options.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>

#include "chart/chart_svg.h"
#include "cli/unit_options.h"
#include "units/number_text.h"
#include "units/pressure.h"

namespace vaporin::cli {

namespace {
constexpr double PascalsPerKPa = 1000.0;

struct PressureSuffix {
  std::string_view Name;
  double KPaPerUnit;
};

// The pressure units of the window's list, and two more that weather reports use.
std::vector<PressureSuffix> PressureSuffixes() {
  std::vector<PressureSuffix> suffixes;
  for (const PressureUnitEntry& unit : PressureUnits)
    suffixes.push_back({unit.Name, unit.KPaPerUnit});
  suffixes.push_back({"hPa", 0.1});
  suffixes.push_back({"Pa", 0.001});
  return suffixes;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// The number at the front of "VALUE[unit]" and the unit after it.
std::pair<double, std::string_view> NumberAndSuffix(std::string_view text, std::string_view what) {
  const size_t end = text.find_first_not_of("0123456789+-.eE");
  std::string_view number = text.substr(0, end);
  std::string_view suffix = end == std::string_view::npos ? std::string_view() : text.substr(end);
  // An exponent letter without digits after it belongs to the unit ("5e" is never a number).
  while (!number.empty() && (number.back() == 'e' || number.back() == 'E')) {
    number.remove_suffix(1);
    suffix = text.substr(number.size());
  }
  const std::optional<double> value =
      IsNumberText(number, ".") ? ParseNumberText(number, ".") : std::nullopt;
  if (!value) throw UsageError(std::string(what) + ": '" + std::string(text) + "' is not a number");
  return {*value, suffix};
}

int32_t AcceptedPascals(double pascals, std::string_view what, std::string_view text) {
  if (!IsAcceptedPressure(pascals)) {
    throw UsageError(std::string(what) + ": '" + std::string(text) +
                     "' lies outside 40 to 120 kPa");
  }
  return static_cast<int32_t>(std::lround(pascals));
}

template <typename Unit, size_t N>
Unit UnitOption(const std::array<UnitEntry<Unit>, N>& table, std::string_view option,
                std::string_view value) {
  if (const std::optional<Unit> unit = UnitSpelled(table, value)) return *unit;
  throw UsageError(std::string(option) + ": '" + std::string(value) + "' is none of " +
                   Choices(table));
}
}  // namespace

std::optional<EditBox> BoxNamed(std::string_view name) {
  for (const BoxInfo& info : BoxTable) {
    if (EqualsIgnoringCase(info.Name, name)) return info.Box;
  }
  return std::nullopt;
}

void CheckPairOfQuantities(EditBox first, EditBox second, const std::string& names) {
  if (InfoOf(first).Quantity == InfoOf(second).Quantity) {
    throw UsageError(names + " name one quantity; give two different ones");
  }
}

int32_t ParsePressureOption(std::string_view text) {
  const auto [value, suffix] = NumberAndSuffix(text, "--pressure");
  if (suffix.empty()) return AcceptedPascals(value * PascalsPerKPa, "--pressure", text);
  for (const PressureSuffix& unit : PressureSuffixes()) {
    if (unit.Name == suffix) {
      return AcceptedPascals(value * unit.KPaPerUnit * PascalsPerKPa, "--pressure", text);
    }
  }
  throw UsageError("--pressure: unknown unit '" + std::string(suffix) +
                   "' (kPa, hPa, Pa, mmHg, inHg or psi)");
}

int32_t ParseAltitudeOption(std::string_view text) {
  const auto [value, suffix] = NumberAndSuffix(text, "--altitude");
  double metres = value;
  if (suffix == "ft") {
    metres = value * MetresPerFoot;
  } else if (!suffix.empty() && suffix != "m") {
    throw UsageError("--altitude: unknown unit '" + std::string(suffix) + "' (m or ft)");
  }
  return AcceptedPascals(PressureFromAltitudeKPa(metres) * PascalsPerKPa, "--altitude", text);
}

Options ParseCommandLine(const std::vector<std::string>& arguments) {
  Options options;
  bool pressureFromAltitude = false;
  using Setter = std::function<void(std::string_view)>;
  const std::pair<std::string_view, Setter> valued[] = {
      {"--temperature",
       [&](std::string_view v) {
         options.Temperature = UnitOption(TemperatureUnits, "--temperature", v);
       }},
      {"--abs-humidity",
       [&](std::string_view v) {
         options.AbsHumidity = UnitOption(AbsHumidityUnits, "--abs-humidity", v);
       }},
      {"--humidity-ratio",
       [&](std::string_view v) {
         options.SpecHumidity = UnitOption(SpecHumidityUnits, "--humidity-ratio", v);
       }},
      {"--enthalpy",
       [&](std::string_view v) { options.Enthalpy = UnitOption(EnthalpyUnits, "--enthalpy", v); }},
      {"--volume",
       [&](std::string_view v) {
         options.SpecVolume = UnitOption(SpecVolumeUnits, "--volume", v);
       }},
      {"--pressure",
       [&](std::string_view v) {
         if (pressureFromAltitude) throw UsageError("give --pressure or --altitude, not both");
         options.PressurePa = ParsePressureOption(v);
       }},
      {"--altitude",
       [&](std::string_view v) {
         if (options.PressurePa && !pressureFromAltitude) {
           throw UsageError("give --pressure or --altitude, not both");
         }
         pressureFromAltitude = true;
         options.PressurePa = ParseAltitudeOption(v);
       }},
      {"--chart",
       [&](std::string_view v) {
         if (!ChartFileTypeOf(v)) {
           throw UsageError("--chart: '" + std::string(v) + "' ends neither in .svg nor in .png");
         }
         options.ChartFile = std::string(v);
       }},
      {"--project", [&](std::string_view v) { options.ProjectFile = std::string(v); }},
      {"--format",
       [&](std::string_view v) {
         if (v == "text") {
           options.Format = OutputFormat::Text;
         } else if (v == "csv") {
           options.Format = OutputFormat::Csv;
         } else if (v == "json") {
           options.Format = OutputFormat::Json;
         } else {
           throw UsageError("--format: '" + std::string(v) + "' is none of text|csv|json");
         }
       }},
      {"--precision",
       [&](std::string_view v) {
         if (v == "display") {
           options.Digits = Precision::Display;
         } else if (v == "full") {
           options.Digits = Precision::Full;
         } else {
           throw UsageError("--precision: '" + std::string(v) + "' is none of display|full");
         }
       }},
  };

  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.Help = true;
      continue;
    }
    if (argument == "--version") {
      options.Version = true;
      continue;
    }
    if (argument == "--batch") {
      options.Batch = true;
      continue;
    }
    if (argument == "--settings") {
      options.FromSettings = true;
      continue;
    }
    if (argument.substr(0, 2) == "--") {
      const size_t equals = argument.find('=');
      const std::string_view name = argument.substr(0, equals);
      const auto option = std::find_if(std::begin(valued), std::end(valued),
                                       [&](const auto& entry) { return entry.first == name; });
      if (option == std::end(valued)) {
        throw UsageError("unknown option '" + std::string(name) + "' (see --help)");
      }
      if (equals != std::string_view::npos) {
        option->second(argument.substr(equals + 1));
      } else if (i + 1 < arguments.size()) {
        option->second(arguments[++i]);
      } else {
        throw UsageError(std::string(name) + " needs a value");
      }
      continue;
    }
    const size_t equals = argument.find('=');
    if (equals == std::string_view::npos) {
      throw UsageError("'" + std::string(argument) + "' is neither an option nor NAME=VALUE");
    }
    const std::optional<EditBox> box = BoxNamed(argument.substr(0, equals));
    if (!box) {
      throw UsageError("unknown quantity '" + std::string(argument.substr(0, equals)) +
                       "' (db, rh, vh, sh, dp, enh, wb or sv)");
    }
    options.Values.emplace_back(*box, std::string(argument.substr(equals + 1)));
  }
  return options;
}

UnitSettings ApplyUnitOptions(const Options& options, UnitSettings base) {
  if (options.Temperature) base.TemperatureUnit = *options.Temperature;
  if (options.AbsHumidity) base.AbsoluteHumidityUnit = *options.AbsHumidity;
  if (options.SpecHumidity) base.SpecificHumidityUnit = *options.SpecHumidity;
  if (options.Enthalpy) base.EnthalpyUnit = *options.Enthalpy;
  if (options.SpecVolume) base.SpecificVolumeUnit = *options.SpecVolume;
  if (options.PressurePa) base.PressurePa = *options.PressurePa;
  return base;
}

}  // namespace vaporin::cli
