#include "cli/state_output.h"

#include <algorithm>
#include <charconv>

#include "cli/unit_options.h"
#include "i18n/translation_data.h"

namespace vaporin::cli {

namespace {
constexpr double PascalsPerKPa = 1000.0;

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

constexpr size_t ShortestBytes = 64;

void AppendShortest(std::string& out, double value) {
  char buffer[ShortestBytes];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (error == std::errc()) out.append(buffer, end);
}

std::string Shortest(double value) {
  std::string text;
  AppendShortest(text, value);
  return text;
}

// The box's English title without its leading blank.
std::string_view Title(const BoxInfo& info) {
  std::string_view title = SourceText(info.Text);
  while (!title.empty() && title.front() == ' ') title.remove_prefix(1);
  return title;
}

std::string TextTable(const SolvedState& state, const UnitSettings& units, Precision digits) {
  size_t titleWidth = 0;
  size_t valueWidth = 0;
  for (const BoxInfo& info : BoxTable) {
    titleWidth = std::max(titleWidth, Title(info).size());
    valueWidth = std::max(valueWidth, CellText(state, info.Box, digits).size());
  }
  std::string out;
  for (const BoxInfo& info : BoxTable) {
    const std::string_view title = Title(info);
    const std::string value = CellText(state, info.Box, digits);
    out += title;
    out.append(titleWidth - title.size() + 2 + valueWidth - value.size(), ' ');
    out += value;
    out += "  ";
    out += UnitNameOf(info.Box, units);
    out += '\n';
  }
  return out;
}

std::string CsvRow(const SolvedState& state, Precision digits) {
  std::string out;
  for (const BoxInfo& info : BoxTable) {
    if (!out.empty()) out += ',';
    AppendCellText(out, state, info.Box, digits);
  }
  return out;
}

std::string Json(const SolvedState& state, const UnitSettings& units, Precision digits) {
  std::string out = "{";
  for (const BoxInfo& info : BoxTable) {
    out += '"' + QuantityName(info.Box) + "\":" + CellText(state, info.Box, digits) + ',';
  }
  out += "\"units\":{";
  out += "\"temperature\":\"" + std::string(SpellingOf(TemperatureUnits, units.TemperatureUnit));
  out += "\",\"relative_humidity\":\"%\"";
  out += ",\"abs_humidity\":\"" +
         std::string(SpellingOf(AbsHumidityUnits, units.AbsoluteHumidityUnit));
  out += "\",\"humidity_ratio\":\"" +
         std::string(SpellingOf(SpecHumidityUnits, units.SpecificHumidityUnit));
  out += "\",\"enthalpy\":\"" + std::string(SpellingOf(EnthalpyUnits, units.EnthalpyUnit));
  out += "\",\"volume\":\"" + std::string(SpellingOf(SpecVolumeUnits, units.SpecificVolumeUnit));
  out += "\"},\"pressure_kPa\":" + Shortest(units.PressurePa / PascalsPerKPa) + "}\n";
  return out;
}
}  // namespace

std::string QuantityName(EditBox box) { return LowerCase(InfoOf(box).Name); }

std::string QuantityNamesCsv() {
  std::string names;
  for (const BoxInfo& info : BoxTable) {
    if (!names.empty()) names += ',';
    names += QuantityName(info.Box);
  }
  return names;
}

std::string CellText(const SolvedState& state, EditBox box, Precision digits) {
  std::string text;
  AppendCellText(text, state, box, digits);
  return text;
}

void AppendCellText(std::string& out, const SolvedState& state, EditBox box, Precision digits) {
  if (digits == Precision::Display) {
    out += TextOf(state.Shown, box);
  } else {
    AppendShortest(out, state.Values[IndexOf(box)]);
  }
}

std::string FormatState(const SolvedState& state, const UnitSettings& units, OutputFormat format,
                        Precision digits) {
  switch (format) {
    case OutputFormat::Csv:
      return QuantityNamesCsv() + '\n' + CsvRow(state, digits) + '\n';
    case OutputFormat::Json:
      return Json(state, units, digits);
    case OutputFormat::Text:
      break;
  }
  return TextTable(state, units, digits);
}

}  // namespace vaporin::cli
