#include "cli/project_output.h"

#include "cli/state_output.h"
#include "project/project.h"

namespace vaporin::cli {

namespace {
constexpr std::string_view StatusOk = "ok";
constexpr std::string_view StatusNoState = "no-state";

// A CSV cell: quoted when it holds a comma, a quote or a line end.
std::string CsvCell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\n':
        quoted += "\\n";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          constexpr char Hex[] = "0123456789abcdef";
          quoted += "\\u00";
          quoted += Hex[(c >> 4) & 0xF];
          quoted += Hex[c & 0xF];
        } else {
          quoted += c;
        }
    }
  }
  return quoted + '"';
}
}  // namespace

void PrintProject(const std::string& file, const Options& options, Preferences preferences,
                  std::ostream& out) {
  const ProjectRead read = ReadProject(file);
  if (!read.Project) throw UsageError("--project: cannot read " + file + ": " + read.Problem);
  if (!options.PressurePa) preferences.Units.PressurePa = read.Project->PressurePa;
  const Precision digits = options.Digits;
  if (options.Format == OutputFormat::Csv) out << "name," << QuantityNamesCsv() << ",status\n";
  if (options.Format == OutputFormat::Json) out << "[";
  bool first = true;
  for (const StatePoint& point : read.Project->Points) {
    const Solution solved = SolvePoint(point, preferences);
    const SolvedState state{solved.Texts, ValuesOf(solved.State, preferences)};
    const std::string reason(SourceText(solved.Reason.value_or(TextId::NoAirState)));
    switch (options.Format) {
      case OutputFormat::Csv: {
        std::string line = CsvCell(point.Name);
        for (const BoxInfo& info : BoxTable) {
          line += ',';
          if (solved.Solved) AppendCellText(line, state, info.Box, digits);
        }
        line += ',';
        line += solved.Solved ? StatusOk : StatusNoState;
        out << line << '\n';
        break;
      }
      case OutputFormat::Json: {
        out << (first ? "" : ",") << "\n{\"name\":" << JsonString(point.Name);
        if (solved.Solved) {
          // The state as one state is written, its opening brace replaced by the name's comma.
          const std::string one = FormatState(state, preferences.Units, OutputFormat::Json, digits);
          out << ',' << one.substr(1, one.size() - 2);
        } else {
          out << ",\"no_state\":" << JsonString(reason) << '}';
        }
        break;
      }
      case OutputFormat::Text:
        out << (first ? "" : "\n") << point.Name << '\n';
        if (solved.Solved) {
          out << FormatState(state, preferences.Units, OutputFormat::Text, digits);
        } else {
          out << "no state: " << reason << '\n';
        }
        break;
    }
    first = false;
  }
  if (options.Format == OutputFormat::Json) out << "\n]\n";
}

}  // namespace vaporin::cli
