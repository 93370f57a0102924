#include "cli/run.h"

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "core/results_display.h"
#include "engine/solvers.h"
#include "project/project.h"

namespace vaporin::cli {
namespace {

struct Outcome {
  int Status;
  std::string Out;
  std::string Err;
};

Outcome RunWith(const std::vector<std::string>& arguments, const std::string& input = "",
                std::map<std::string, std::string> environment = {},
                const PngWriter& writePng = {}) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = Run(
      arguments, in, out, err,
      [&](const std::string& name) {
        const auto found = environment.find(name);
        return found == environment.end() ? std::nullopt : std::optional(found->second);
      },
      writePng);
  return {status, out.str(), err.str()};
}

struct CommandCase {
  const char* name;
  std::vector<std::string> arguments;
  int status;
  std::string out;  // exactly, or where `err` is given, empty
  std::string err;  // a part of the message; empty: no message at all
  friend void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }
};

class CommandLines : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandLines, PrintWhatTheyAskForOrNameTheFault) {
  const CommandCase& c = GetParam();
  const Outcome outcome = RunWith(c.arguments);
  EXPECT_EQ(outcome.Status, c.status);
  EXPECT_EQ(outcome.Out, c.out);
  if (c.err.empty()) {
    EXPECT_EQ(outcome.Err, "");
  } else {
    EXPECT_NE(outcome.Err.find(c.err), std::string::npos) << outcome.Err;
    // One line, naming the program.
    EXPECT_EQ(outcome.Err.rfind("vaporin-calc: ", 0), 0u) << outcome.Err;
    EXPECT_EQ(outcome.Err.find('\n'), outcome.Err.size() - 1) << outcome.Err;
  }
}

const std::string OverviewCsv =
    "db,rh,vh,sh,dp,enh,wb,sv\n25.00,50.00,11.52,0.00988,13.87,50.30,17.89,0.8582\n";

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLines,
    ::testing::Values(
        CommandCase{"TextTable",
                    {"db=25", "rh=50"},
                    0,
                    "Dry Bulb Temperature     25.00  °C\n"
                    "Relative Humidity        50.00  %\n"
                    "Absolute Humidity        11.52  g/m³\n"
                    "Specific Humidity      0.00988  kg/kg(DA)\n"
                    "Dew Point Temperature    13.87  °C\n"
                    "Specific Enthalpy        50.30  kJ/kg\n"
                    "Wet Bulb Temperature     17.89  °C\n"
                    "Specific Volume         0.8582  m³/kg\n",
                    ""},
        CommandCase{"Csv", {"--format", "csv", "rh=50", "db=25"}, 0, OverviewCsv, ""},
        CommandCase{"NamesInAnyCase", {"--format=csv", "DB=25", "Rh=50"}, 0, OverviewCsv, ""},
        CommandCase{"Json",
                    {"--format=json", "db=25", "rh=50"},
                    0,
                    "{\"db\":25.00,\"rh\":50.00,\"vh\":11.52,\"sh\":0.00988,\"dp\":13.87,"
                    "\"enh\":50.30,\"wb\":17.89,\"sv\":0.8582,\"units\":{\"temperature\":\"C\","
                    "\"relative_humidity\":\"%\",\"abs_humidity\":\"g/m3\",\"humidity_ratio\":"
                    "\"kg/kg\",\"enthalpy\":\"kJ/kg\",\"volume\":\"m3/kg\"},"
                    "\"pressure_kPa\":101.325}\n",
                    ""},
        CommandCase{"FullPrecision",
                    {"--format=csv", "--precision=full", "db=20", "rh=50"},
                    0,
                    "db,rh,vh,sh,dp,enh,wb,sv\n20,50,8.644968037872903,0.007263520796851438,"
                    "9.273653239999993,38.53538185516639,13.779961649999986,"
                    "0.8403281506958505\n",
                    ""},
        CommandCase{
            "ImperialUnits",
            {"--format=csv", "--temperature=F", "--abs-humidity=gr/ft3", "--humidity-ratio=gr/lb",
             "--enthalpy=Btu/lb", "--volume=ft3/lb", "db=68", "rh=50"},
            0,
            "db,rh,vh,sh,dp,enh,wb,sv\n68.00,50.00,3.78,50.84,48.69,16.57,56.80,13.4608\n",
            ""},
        CommandCase{"OtherUnits",
                    {"--format=csv", "--temperature", "K", "--humidity-ratio", "g/kg", "--enthalpy",
                     "kcal/kg", "db=293.15", "rh=50"},
                    0,
                    "db,rh,vh,sh,dp,enh,wb,sv\n293.15,50.00,8.64,7.26,282.42,9.20,286.93,0.8403\n",
                    ""},
        CommandCase{"PressureInKPa",
                    {"--format=csv", "--pressure=83.4kPa", "db=25", "rh=50"},
                    0,
                    "db,rh,vh,sh,dp,enh,wb,sv\n25.00,50.00,11.52,0.01205,13.87,55.82,17.42,"
                    "1.0462\n",
                    ""},
        CommandCase{"PressureWithoutUnitIsKPa",
                    {"--format=csv", "--pressure=83.4", "db=25", "rh=50"},
                    0,
                    "db,rh,vh,sh,dp,enh,wb,sv\n25.00,50.00,11.52,0.01205,13.87,55.82,17.42,"
                    "1.0462\n",
                    ""},
        CommandCase{"PressureInHPa",
                    {"--format=csv", "--pressure", "834hPa", "db=25", "rh=50"},
                    0,
                    "db,rh,vh,sh,dp,enh,wb,sv\n25.00,50.00,11.52,0.01205,13.87,55.82,17.42,"
                    "1.0462\n",
                    ""},
        CommandCase{"AltitudeInFeet",
                    {"--format=csv", "--altitude=5249ft", "db=25", "rh=50"},
                    0,
                    "db,rh,vh,sh,dp,enh,wb,sv\n25.00,50.00,11.52,0.01203,13.87,55.77,17.43,"
                    "1.0447\n",
                    ""},
        CommandCase{"DewPointCountsAsHumidityRatio",
                    {"--format=csv", "db=25", "dp=10"},
                    0,
                    "db,rh,vh,sh,dp,enh,wb,sv\n25.00,38.74,8.93,0.00763,10.00,44.56,15.99,"
                    "0.8552\n",
                    ""},
        CommandCase{"EnthalpyWithWetBulbHasNoState",
                    {"enh=38", "wb=14"},
                    1,
                    "",
                    "no state for enh=38 and wb=14: Enthalpy and wet bulb do not fix a state"},
        CommandCase{"RelativeHumidityAbove100HasNoState",
                    {"db=25", "rh=150"},
                    1,
                    "",
                    "no state for db=25 and rh=150: Relative humidity must be 0 to 100 %"},
        CommandCase{"DewPointAboveTheDryBulbIsNoAir",
                    {"db=20", "dp=20.1"},
                    1,
                    "",
                    "no state for db=20 and dp=20.1: No air state has these two values"},
        CommandCase{"NearBoilingIsOutsideTheCalculation",
                    {"db=95", "dp=92"},
                    1,
                    "",
                    "no state for db=95 and dp=92: Outside the range of the calculation"},
        CommandCase{"NotANumber", {"db=25", "rh=5O"}, 2, "", "rh: '5O' is not a number"},
        CommandCase{"DecimalComma", {"db=25,5", "rh=50"}, 2, "", "db: '25,5' is not a number"},
        CommandCase{"OneValue", {"db=25"}, 2, "", "give two values"},
        CommandCase{"ThreeValues", {"db=25", "rh=50", "wb=20"}, 2, "", "give two values"},
        CommandCase{"OneQuantityTwice", {"sh=0.01", "dp=10"}, 2, "", "name one quantity"},
        CommandCase{"UnknownQuantity", {"t=25", "rh=50"}, 2, "", "unknown quantity 't'"},
        CommandCase{
            "UnknownOption", {"--colour", "db=25", "rh=50"}, 2, "", "unknown option '--colour'"},
        CommandCase{"MissingOptionValue",
                    {"db=25", "rh=50", "--temperature"},
                    2,
                    "",
                    "--temperature needs a value"},
        CommandCase{"UnknownUnit",
                    {"--temperature=R", "db=25", "rh=50"},
                    2,
                    "",
                    "--temperature: 'R' is none of C|F|K"},
        CommandCase{"UnknownFormat",
                    {"--format=xml", "db=25", "rh=50"},
                    2,
                    "",
                    "--format: 'xml' is none of text|csv|json"},
        CommandCase{"UnknownPrecision",
                    {"--precision=3", "db=25", "rh=50"},
                    2,
                    "",
                    "--precision: '3' is none of display|full"},
        CommandCase{"PressureOutsideTheRange",
                    {"--pressure=30kPa", "db=25", "rh=50"},
                    2,
                    "",
                    "lies outside 40 to 120 kPa"},
        CommandCase{"PressureUnitUnknown",
                    {"--pressure=1bar", "db=25", "rh=50"},
                    2,
                    "",
                    "--pressure: unknown unit 'bar'"},
        CommandCase{"AltitudeNotANumber",
                    {"--altitude=high", "db=25", "rh=50"},
                    2,
                    "",
                    "--altitude: 'high' is not a number"},
        CommandCase{"PressureAndAltitude",
                    {"--pressure=90", "--altitude=100", "db=1", "rh=1"},
                    2,
                    "",
                    "not both"},
        CommandCase{"NeitherOptionNorValue",
                    {"db", "rh=50"},
                    2,
                    "",
                    "'db' is neither an option nor NAME=VALUE"},
        CommandCase{"BatchWithValues", {"--batch", "db=25", "rh=50"}, 2, "", "give no NAME=VALUE"},
        CommandCase{"BatchAsJson", {"--batch", "--format=json"}, 2, "", "not json"},
        CommandCase{"Version", {"--version"}, 0, "vaporin-calc 0.1.0\n", ""}),
    [](const auto& info) { return info.param.name; });

TEST(Help, SaysHowToCallTheProgram) {
  const Outcome outcome = RunWith({"--help"});
  EXPECT_EQ(outcome.Status, 0);
  EXPECT_NE(outcome.Out.find("vaporin-calc [options] NAME=VALUE NAME=VALUE"), std::string::npos);
  EXPECT_NE(outcome.Out.find("--humidity-ratio kg/kg|g/kg|gr/lb|lb/lb"), std::string::npos);
  EXPECT_NE(outcome.Out.find("--batch"), std::string::npos);
}

TEST(Settings, TakesTheUnitsAndThePressureFromTheWindowsFile) {
  const std::filesystem::path home =
      std::filesystem::temp_directory_path() / ("vaporin-cli-" + std::to_string(::getpid()));
  std::filesystem::create_directories(home / ".config");
  std::filesystem::create_directories(home / "Dokumente");
  std::ofstream(home / ".config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
  std::ofstream(home / "Dokumente/vaporin.ini") << "[setting]\r\nte=1\r\npatm=83400\r\n";
  const Outcome fromFile =
      RunWith({"--settings", "--format=csv", "db=77", "rh=50"}, "", {{"HOME", home.string()}});
  EXPECT_EQ(fromFile.Out,
            "db,rh,vh,sh,dp,enh,wb,sv\n77.00,50.00,11.52,0.01205,56.96,55.82,63.36,1.0462\n");
  // An option given as well wins over the file.
  const Outcome overridden =
      RunWith({"--settings", "--temperature=C", "--format=csv", "db=25", "rh=50"}, "",
              {{"HOME", home.string()}});
  EXPECT_EQ(overridden.Out.substr(overridden.Out.find('\n') + 1, 6), "25.00,");
  EXPECT_NE(overridden.Out.find("0.01205"), std::string::npos);
  // A file it cannot read whole (here, over the reader's 1 MB) still gives a result, in the
  // default units, and says so.
  std::ofstream(home / "Dokumente/vaporin.ini", std::ios::trunc) << "[setting]\r\nte=1\r\n"
                                                                 << std::string(1 << 20, ';');
  const Outcome unreadable =
      RunWith({"--settings", "--format=csv", "db=25", "rh=50"}, "", {{"HOME", home.string()}});
  EXPECT_EQ(unreadable.Status, ExitSolved);
  EXPECT_EQ(unreadable.Out.substr(unreadable.Out.find('\n') + 1, 6), "25.00,");
  EXPECT_NE(unreadable.Err.find("cannot be read"), std::string::npos) << unreadable.Err;
  std::filesystem::remove_all(home);
}

// A private folder for the files a test writes, removed afterwards.
struct Folder {
  std::filesystem::path Path =
      std::filesystem::temp_directory_path() / ("vaporin-chart-" + std::to_string(::getpid()));
  Folder() { std::filesystem::create_directories(Path); }
  ~Folder() { std::filesystem::remove_all(Path); }
  std::string File(const char* name) const { return (Path / name).string(); }
};

std::string Contents(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Chart, WritesTheSvgMarkingTheStateItPrints) {
  const Folder folder;
  const std::string file = folder.File("chart.svg");
  const Outcome marked = RunWith({"--chart", file, "--format=csv", "db=25", "rh=50"});
  EXPECT_EQ(marked.Status, ExitSolved);
  EXPECT_EQ(marked.Out.substr(0, 6), "db,rh,");
  const std::string svg = Contents(file);
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("Psychrometric chart"), std::string::npos);
  EXPECT_NE(svg.find(">25.00 °C, 50.00 %</text>"), std::string::npos);
  EXPECT_NE(svg.find("<circle"), std::string::npos);

  // Almost pure steam: marked at the chart's edge, its humidity ratio in the caption. By hand,
  // its vapour carries the whole 101.325 kPa, and water boils at 476.16 kPa at 150 °C: 21.28 %.
  const Outcome steam = RunWith({"--chart", file, "db=150", "sh=1e300"});
  EXPECT_EQ(steam.Status, ExitSolved);
  EXPECT_NE(Contents(file).find(">150.00 °C, 21.28 %, 1.0e+300 kg/kg(DA)</text>"),
            std::string::npos);

  // Without a state: the chart alone. A pair without one: the chart, unmarked, and status 1.
  for (const std::vector<std::string>& values :
       {std::vector<std::string>{}, std::vector<std::string>{"db=400", "rh=50"}}) {
    std::vector<std::string> arguments{"--chart=" + file};
    arguments.insert(arguments.end(), values.begin(), values.end());
    const Outcome unmarked = RunWith(arguments);
    EXPECT_EQ(unmarked.Status, values.empty() ? ExitSolved : ExitNoState);
    EXPECT_EQ(unmarked.Out, "");
    EXPECT_EQ(Contents(file).find("<circle"), std::string::npos);
  }
}

TEST(Chart, HandsAPngToTheWriterAndReportsWhatFails) {
  const Folder folder;
  std::vector<std::string> written;
  const PngWriter writer = [&](const ChartScene& scene, const std::string& file) {
    EXPECT_TRUE(scene.Marker);
    EXPECT_EQ(scene.Width, ChartFileWidthPx);
    written.push_back(file);
    return std::string();
  };
  const std::string png = folder.File("chart.PNG");
  EXPECT_EQ(RunWith({"--chart", png, "db=25", "rh=50"}, "", {}, writer).Status, ExitSolved);
  EXPECT_EQ(written, std::vector<std::string>{png});

  struct Case {
    const char* Name;
    std::vector<std::string> Arguments;
    PngWriter Writer;
    int Status;
    std::string Message;
  };
  std::filesystem::create_directories(folder.File("taken.svg"));
  const Case cases[] = {
      {"no plugin", {"--chart", png, "db=25", "rh=50"}, {}, ExitNotWritten, "chart plugin"},
      {"writer fails",
       {"--chart", png},
       [](const ChartScene&, const std::string&) { return std::string("disk full"); },
       ExitNotWritten,
       "disk full"},
      {"no such folder",
       {"--chart", folder.File("missing/chart.svg"), "db=25", "rh=50"},
       {},
       ExitNotWritten,
       "cannot write"},
      {"a folder in the way",
       {"--chart", folder.File("taken.svg"), "db=25", "rh=50"},
       {},
       ExitNotWritten,
       "Is a directory"},
      {"unknown picture", {"--chart", "chart.jpg"}, {}, ExitUsage, "neither in .svg nor in .png"},
      {"with batch", {"--batch", "--chart", "c.svg"}, {}, ExitUsage, "--batch"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = RunWith(c.Arguments, "", {}, c.Writer);
    EXPECT_EQ(outcome.Status, c.Status) << c.Name;
    EXPECT_NE(outcome.Err.find(c.Message), std::string::npos) << c.Name << ": " << outcome.Err;
  }
}

TEST(Chart, SpeaksTheLanguageOfTheSettings) {
  const Folder folder;
  std::filesystem::create_directories(folder.Path / "Documents");
  std::ofstream(folder.Path / "Documents/vaporin.ini") << "[setting]\r\nlang=0\r\nte=1\r\n";
  const std::string file = folder.File("chart.svg");
  const Outcome outcome = RunWith({"--settings", "--chart", file, "db=77", "rh=50"}, "",
                                  {{"HOME", folder.Path.string()}});
  EXPECT_EQ(outcome.Status, ExitSolved) << outcome.Err;
  const std::string svg = Contents(file);
  EXPECT_NE(svg.find("Psychrometrisches Diagramm"), std::string::npos);
  EXPECT_NE(svg.find("Trockentemperatur [°F]"), std::string::npos);
  EXPECT_NE(svg.find(">77.00 °F, 50.00 %</text>"), std::string::npos);
}

// A project's points, solved at its pressure or at the one the options give. By hand: 90 °C
// and 90 % hold 0.9 x 70.18 = 63.2 kPa of vapour, 63,160 / (461.5 x 363.15) = 376.9 g/m³; at
// 60 kPa, 25 °C and 50 % hold w = 0.622 x 1.585 / (60 - 1.585) = 0.01688 kg/kg(DA) (water's
// 3.169 kPa at 25 °C, half of it), and 63.2 kPa of vapour cannot be held at all.
TEST(Project, PrintsItsPointsSolvedAtItsPressure) {
  const Folder folder;
  const std::string file = folder.File("air.vaporin");
  Project project;
  project.Points = {{"Outdoor, north", "", {{{EditBox::DB, 25.0}, {EditBox::RH, 50.0}}}, ""},
                    {"Hot", "", {{{EditBox::DB, 90.0}, {EditBox::RH, 90.0}}}, ""}};
  WriteProject(project, file);
  const Outcome standard = RunWith({"--project", file, "--format=csv"});
  EXPECT_EQ(standard.Status, ExitSolved);
  EXPECT_EQ(standard.Out,
            "name,db,rh,vh,sh,dp,enh,wb,sv,status\n"
            "\"Outdoor, north\",25.00,50.00,11.52,0.00988,13.87,50.30,17.89,0.8582,ok\n"
            "Hot,90.00,90.00,376.87,1.02950,87.25,2836.91,87.28,2.7321,ok\n");
  const Outcome thin = RunWith({"--project", file, "--pressure", "60kPa", "--format=csv"});
  EXPECT_NE(thin.Out.find(",0.01688,"), std::string::npos) << thin.Out;
  EXPECT_NE(thin.Out.find("\nHot,,,,,,,,,no-state\n"), std::string::npos) << thin.Out;
  const Outcome text = RunWith({"--project", file});
  EXPECT_EQ(text.Out.rfind("Outdoor, north\nDry Bulb Temperature", 0), 0u) << text.Out;

  const std::string broken = folder.File("broken.vaporin");
  {
    std::ofstream out(broken);
    out << "{\"format\": 1,,}";
  }
  const Outcome refused = RunWith({"--project", broken});
  EXPECT_EQ(refused.Status, ExitUsage);
  EXPECT_NE(refused.Err.find("line 1, column 14: not JSON"), std::string::npos) << refused.Err;
  EXPECT_EQ(RunWith({"--project", file, "--batch"}).Status, ExitUsage);
}

TEST(Batch, SolvesGoodRowsAndReportsBadOnesWithoutStopping) {
  const std::string input =
      "time,DB,site,RH\r\n"
      "08:00,25,\"roof, north\",50\r\n"
      "09:00,25,\"say \"\"hi\"\"\",abc\r\n"
      "10:00,25,court\r\n"
      "\r\n"
      "11:00,25,court,150\r\n"
      "12:00,20,\"two\nlines\",50\r\n"
      "13:00,,x,50\n";
  const Outcome outcome = RunWith({"--batch"}, input);
  EXPECT_EQ(outcome.Status, 0);
  EXPECT_EQ(outcome.Out,
            "time,site,db,rh,vh,sh,dp,enh,wb,sv,status\n"
            "08:00,\"roof, north\",25.00,50.00,11.52,0.00988,13.87,50.30,17.89,0.8582,ok\n"
            "09:00,\"say \"\"hi\"\"\",,,,,,,,,bad-input\n"
            "10:00,court,,,,,,,,,bad-input\n"
            "11:00,court,,,,,,,,,bad-input\n"
            "12:00,\"two\nlines\",20.00,50.00,8.64,0.00726,9.27,38.54,13.78,0.8403,ok\n"
            "13:00,x,,,,,,,,,bad-input\n");
  EXPECT_EQ(outcome.Err,
            "line 3: rh: 'abc' is not a number\n"
            "line 4: 3 cells where the header has 4\n"
            "line 6: Relative humidity must be 0 to 100 %\n"
            "line 9: db: '' is not a number\n");
}

// What spreadsheets write: a byte-order mark ("CSV UTF-8"), a space after the comma, and any of
// LF, CR LF or lone CR as line ends.
TEST(Batch, ReadsTheCsvThatSpreadsheetsWrite) {
  const std::string solved = "25.00,50.00,11.52,0.00988,13.87,50.30,17.89,0.8582,ok\n";
  const struct {
    const char* name;
    std::string input;
  } cases[] = {
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "db,rh\n25,50\n"},
      {"spaces around names", "db, rh \n25,50\n"},
      {"lone CR", "db,rh\r25,50\r"},
      {"CR LF, no end on the last line", "db,rh\r\n25,50"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunWith({"--batch"}, c.input);
    EXPECT_EQ(outcome.Status, 0) << c.name << ": " << outcome.Err;
    EXPECT_EQ(outcome.Out, "db,rh,vh,sh,dp,enh,wb,sv,status\n" + solved) << c.name;
  }
}

// A quote opens a quoted field only at a field's start: inches in a note are a character, and
// the rows after it stay rows of their own.
TEST(Batch, TakesAQuoteInsideAFieldAsACharacter) {
  const Outcome outcome =
      RunWith({"--batch"}, "note,db,rh\n12\" pipe,25,50\nx,25,50\n\"a \"\"b\"\"\",25,50\n");
  const std::string solved = ",25.00,50.00,11.52,0.00988,13.87,50.30,17.89,0.8582,ok\n";
  EXPECT_EQ(outcome.Status, 0);
  EXPECT_EQ(outcome.Out, "note,db,rh,vh,sh,dp,enh,wb,sv,status\n12\" pipe" + solved + "x" + solved +
                             "\"a \"\"b\"\"\"" + solved);
  EXPECT_EQ(outcome.Err, "");
}

// A quote left open is reported at the line that opened it, and the lines after it are rows of
// their own: whether the quote runs to the end of the input or past the limit of a quoted field,
// each line's quotes are counted once, so reading stays linear (a generous limit, not a timing).
TEST(Batch, ReportsAnOpenQuoteAndReadsTheRowsAfterIt) {
  const std::string header = "note,db,rh\n";
  const std::string row = "x,25,50\n";
  const std::string solved = "x,25.00,50.00,11.52,0.00988,13.87,50.30,17.89,0.8582,ok\n";
  const std::string bad = ",,,,,,,,,bad-input\n";
  auto repeated = [](const std::string& text, size_t times) {
    std::string all;
    for (size_t i = 0; i < times; ++i) all += text;
    return all;
  };
  // A line whose quote stays open whether or not one was open at its start.
  const std::string everOpen = "\"a\",\",\n";
  const struct {
    const char* name;
    std::string input;
    std::string out;
    std::string err;
  } cases[] = {
      {"open to the end of the input", header + "\"n,25,50\n" + repeated(row, 100000),
       bad + repeated(solved, 100000), "line 2: "},
      {"closed after the limit", header + "\"n,25,50\n" + repeated(row, 1500) + "\",25,50\n",
       bad + repeated(solved, 1500) + bad, "line 2: "},
      {"closed within the limit", header + "\"n,25,50\n" + repeated(row, 998) + "\",25,50\n",
       "\"n,25,50\n" + repeated(row, 998) + "\"" + solved.substr(1), ""},
      {"every line open", header + repeated(everOpen, 100000), repeated(bad, 100000),
       "line 100001: "},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunWith({"--batch"}, c.input);
    EXPECT_EQ(outcome.Status, 0) << c.name;
    EXPECT_EQ(outcome.Out, "note,db,rh,vh,sh,dp,enh,wb,sv,status\n" + c.out) << c.name;
    if (c.err.empty()) {
      EXPECT_EQ(outcome.Err, "") << c.name;
    } else {
      EXPECT_NE(outcome.Err.find(c.err + "the quote opened here is not closed"), std::string::npos)
          << c.name << ": " << outcome.Err.substr(0, 200);
    }
  }
}

struct HeaderCase {
  const char* name;
  const char* input;
  const char* message;
  friend void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.name; }
};

class BatchHeaders : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(BatchHeaders, MustNameTwoQuantities) {
  const Outcome outcome = RunWith({"--batch"}, GetParam().input);
  EXPECT_EQ(outcome.Status, 2);
  EXPECT_NE(outcome.Err.find(GetParam().message), std::string::npos) << outcome.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BatchHeaders,
    ::testing::Values(HeaderCase{"Empty", "", "no header"},
                      HeaderCase{"OneQuantity", "time,db\n1,25\n", "exactly two"},
                      HeaderCase{"ThreeQuantities", "db,rh,wb\n", "(found 3)"},
                      HeaderCase{"OneQuantityTwice", "sh,dp\n", "name one quantity"}),
    [](const auto& info) { return info.param.name; });

// Full precision is the core's own double: read back, every cell is the same bits.
TEST(FullPrecision, GivesTheCoresResultsBitForBit) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> dryBulb(-30.0, 60.0);
  std::uniform_real_distribution<double> humidity(1.0, 100.0);
  std::string input = "db,rh\n";
  std::vector<BoxValues> expected;
  PsychroParams params = InitPsychroParams();
  auto shortest = [](double value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
  };
  for (int i = 0; i < 300; ++i) {
    AirState state{};
    state.DB = dryBulb(random);
    state.RH = humidity(random);
    input += shortest(state.DB) + ',' + shortest(state.RH) + '\n';
    ASSERT_EQ(SolvePair(&params, &state, 1), StatusOk);
    expected.push_back(DisplayValues(state, UnitSettings(), params.KcalToKJ));
  }
  const Outcome outcome = RunWith({"--batch", "--precision=full"}, input);
  std::istringstream lines(outcome.Out);
  std::string line;
  std::getline(lines, line);
  for (const BoxValues& values : expected) {
    ASSERT_TRUE(std::getline(lines, line));
    std::istringstream cells(line);
    std::string cell;
    for (const double value : values) {
      std::getline(cells, cell, ',');
      double read = 0.0;
      std::from_chars(cell.data(), cell.data() + cell.size(), read);
      EXPECT_EQ(read, value) << line;
    }
    std::getline(cells, cell, ',');
    EXPECT_EQ(cell, "ok");
  }
}

}  // namespace
}  // namespace vaporin::cli

namespace vaporin::cli {
namespace {

// A standard output that refuses every write, as a full disk or a closed stream does.
class RefusingOutput : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(Output, ThatCannotBeWrittenIsAFailureNamedOnStandardError) {
  const std::string manyRows = [] {
    std::string rows = "db,rh\n";
    for (int i = 0; i < 5000; ++i) rows += "25,50\n";
    return rows;
  }();
  const struct {
    const char* name;
    std::vector<std::string> arguments;
    std::string input;
  } cases[] = {
      {"one state", {"db=25", "rh=50"}, ""},
      {"a batch", {"--batch"}, "db,rh\n25,50\n"},
      {"a batch longer than one write", {"--batch"}, manyRows},
      {"the help", {"--help"}, ""},
  };
  for (const auto& c : cases) {
    RefusingOutput refusing;
    std::ostream out(&refusing);
    std::istringstream in(c.input);
    std::ostringstream err;
    const int status =
        cli::Run(c.arguments, in, out, err, [](const std::string&) { return std::nullopt; });
    EXPECT_EQ(status, ExitOutputNotWritten) << c.name;
    EXPECT_NE(err.str().find("standard output could not be written"), std::string::npos)
        << c.name << ": " << err.str();
  }
}

}  // namespace
}  // namespace vaporin::cli
