#include "cli/run.h"

#include <cerrno>
#include <cstring>

#include "cli/batch.h"
#include "cli/options.h"
#include "cli/project_output.h"
#include "cli/state_output.h"
#include "cli/unit_options.h"
#include "cli/version.h"
#include "core/solving.h"
#include "settings/settings_store.h"
#include "units/number_text.h"

namespace vaporin::cli {

namespace {
constexpr std::string_view ProgramName = "vaporin-calc";

std::string Usage() {
  return std::string(ProgramName) +
         " - the state of moist air from two of its properties\n"
         "\n"
         "usage: vaporin-calc [options] NAME=VALUE NAME=VALUE      one state\n"
         "       vaporin-calc [options] --batch < in.csv > out.csv  many states\n"
         "       vaporin-calc [options] --chart FILE [NAME=VALUE NAME=VALUE]  a chart\n"
         "       vaporin-calc [options] --project FILE.vaporin      a project's points\n"
         "\n"
         "NAME: db dry bulb, rh relative humidity, vh absolute humidity, sh humidity ratio,\n"
         "      dp dew point (counts as the humidity ratio), enh enthalpy, wb wet bulb,\n"
         "      sv specific volume. Numbers use '.' as the decimal point.\n"
         "\n"
         "options:\n"
         "  --temperature " +
         Choices(TemperatureUnits) +
         "\n"
         "  --abs-humidity " +
         Choices(AbsHumidityUnits) +
         "\n"
         "  --humidity-ratio " +
         Choices(SpecHumidityUnits) +
         "\n"
         "  --enthalpy " +
         Choices(EnthalpyUnits) +
         "\n"
         "  --volume " +
         Choices(SpecVolumeUnits) +
         "\n"
         "  --settings            units and pressure from the window's vaporin.ini\n"
         "  --pressure VALUE[kPa|hPa|Pa|mmHg|inHg|psi]   40 to 120 kPa (default 101.325 kPa)\n"
         "  --altitude VALUE[m|ft]                       the standard atmosphere's pressure\n"
         "  --format text|csv|json\n"
         "  --precision display|full   the window's digits, or every digit of the double\n"
         "  --batch               CSV in, CSV out: the header names two quantities; the other\n"
         "                        columns come first, then db..sv and a status per row\n"
         "                        (ok, no-state, out-of-range, bad-input)\n"
         "  --chart FILE.svg|FILE.png   the psychrometric chart, 1200 x 800, marking the state\n"
         "                        when one is given, in the settings' language with --settings\n"
         "  --project FILE.vaporin   the points of a project, solved at its pressure (or at\n"
         "                        --pressure's), in the chosen format\n"
         "  --help, --version\n"
         "\n"
         "exit status: 0 solved (in batch mode: read to the end), 1 no state, 2 usage error,\n"
         "             3 the chart could not be written, 4 standard output could not be written\n";
}

UnitSettings ChosenUnits(const Options& options, const Environment& environment,
                         std::ostream& err) {
  UnitSettings units;
  if (options.FromSettings) {
    const SettingsStore store = SettingsStore::InDocuments(environment);
    std::string problem;
    units = store.ReadChoices(&problem);
    // The result is still printed, in the default units: say so, or they would pass for the
    // user's.
    if (!problem.empty()) {
      err << ProgramName << ": the settings file " << store.Path().string() << " cannot be read ("
          << problem << "); the default units and pressure are used\n";
    }
  }
  return ApplyUnitOptions(options, units);
}

int SolveOne(const Options& options, const Preferences& preferences, std::ostream& out,
             std::ostream& err, const PngWriter& writePng) {
  if (options.ChartFile && options.Values.empty()) {
    WriteChartFile(preferences, nullptr, *options.ChartFile, writePng);
    return ExitSolved;
  }
  if (options.Values.size() != 2) {
    throw UsageError("give two values, NAME=VALUE NAME=VALUE (got " +
                     std::to_string(options.Values.size()) + ")");
  }
  const auto& [firstBox, firstText] = options.Values[0];
  const auto& [secondBox, secondText] = options.Values[1];
  CheckPairOfQuantities(firstBox, secondBox,
                        QuantityName(firstBox) + " and " + QuantityName(secondBox));
  BoxTexts texts;
  for (const auto& [box, text] : options.Values) {
    if (!IsNumberText(text, ".")) {
      throw UsageError(QuantityName(box) + ": '" + text + "' is not a number");
    }
    TextOf(texts, box) = text;
  }
  const Solution solved = SolveTyped(texts, preferences);
  if (options.ChartFile) WriteChartFile(preferences, &solved, *options.ChartFile, writePng);
  if (!solved.Solved) {
    err << ProgramName << ": no state for " << QuantityName(firstBox) << '=' << firstText << " and "
        << QuantityName(secondBox) << '=' << secondText << ": "
        << SourceText(solved.Reason.value_or(TextId::NoAirState)) << '\n';
    return ExitNoState;
  }
  out << FormatState({solved.Texts, ValuesOf(solved.State, preferences)}, preferences.Units,
                     options.Format, options.Digits);
  return ExitSolved;
}
}  // namespace

namespace {
int RunOptions(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err, const Environment& environment, const PngWriter& writePng) {
  try {
    const Options options = ParseCommandLine(arguments);
    if (options.Help) {
      out << Usage();
      return ExitSolved;
    }
    if (options.Version) {
      out << ProgramName << ' ' << VersionText << '\n';
      return ExitSolved;
    }
    const Preferences preferences =
        WithUnits(Preferences{}, ChosenUnits(options, environment, err));
    if (options.ProjectFile) {
      if (options.Batch || options.ChartFile || !options.Values.empty()) {
        throw UsageError(
            "--project prints a project's points; give no --batch, --chart or "
            "NAME=VALUE with it");
      }
      PrintProject(*options.ProjectFile, options, preferences, out);
      return ExitSolved;
    }
    if (!options.Batch) return SolveOne(options, preferences, out, err, writePng);
    if (options.ChartFile) throw UsageError("--chart draws one state; it cannot go with --batch");
    if (!options.Values.empty()) {
      throw UsageError("--batch reads its values from standard input; give no NAME=VALUE");
    }
    if (options.Format == OutputFormat::Json) throw UsageError("--batch writes CSV, not json");
    RunBatch(in, out, err, preferences, options.Digits);
    return ExitSolved;
  } catch (const UsageError& error) {
    err << ProgramName << ": " << error.what() << '\n';
    return ExitUsage;
  } catch (const ChartNotWritten& error) {
    err << ProgramName << ": " << error.what() << '\n';
    return ExitNotWritten;
  } catch (const OutputNotWritten&) {
    return ExitOutputNotWritten;
  }
}
}  // namespace

int Run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
        std::ostream& err, const Environment& environment, const PngWriter& writePng) {
  errno = 0;
  const int status = RunOptions(arguments, in, out, err, environment, writePng);
  // Whatever was printed, it counts only once it is out: a full disk or a closed stream fails
  // here at the latest.
  out.flush();
  if (out) return status;
  const int cause = errno;
  err << ProgramName << ": standard output could not be written"
      << (cause != 0 ? std::string(": ") + std::strerror(cause) : std::string()) << '\n';
  return ExitOutputNotWritten;
}

}  // namespace vaporin::cli
