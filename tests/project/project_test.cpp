#include "project/project.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vaporin {
namespace {

namespace fs = std::filesystem;

StatePoint Point(std::string name, PointInput first, PointInput second) {
  return {std::move(name), "", {first, second}, ""};
}

Project ThreePoints() {
  Project project;
  project.PressurePa = 83400;
  project.Points = {
      Point("Outdoor", {EditBox::DB, 32.5}, {EditBox::RH, 40.0}),
      Point("Rücklauf ☼", {EditBox::DB, 24.0}, {EditBox::DP, 12.25}),
      Point("C", {EditBox::ENH, 12.0}, {EditBox::SV, 0.86}),
  };
  project.Points[1].Note = "return air, \"north\" wing";
  return project;
}

// Every field comes back as it was written, the values to the last bit.
TEST(ProjectFile, ReadsBackEveryFieldItWrote) {
  Project project = ThreePoints();
  project.Points[2].Inputs[0].Value = 0.1 + 0.2;  // not a short decimal
  const ProjectRead read = ParseProject(ProjectText(project));
  ASSERT_TRUE(read.Project) << read.Problem;
  EXPECT_EQ(*read.Project, project);
  EXPECT_EQ(ProjectText(*read.Project), ProjectText(project));
}

// A file from a newer version: what this version knows is read, and what it does not know
// (a project's processes, a point's colour) is written back with the newer version number.
TEST(ProjectFile, KeepsWhatANewerVersionWrote) {
  const std::string newer = R"j({
  "format": "vaporin-project",
  "version": 2,
  "pressure_pa": 101325,
  "points": [
    {"name": "A", "note": "", "colour": "#c00",
     "inputs": [{"quantity": "db", "unit": "°C", "value": 25},
                {"quantity": "rh", "unit": "%", "value": 50}]}
  ],
  "processes": [{"from": "A", "to": "A", "kind": "heating"}]
})j";
  const ProjectRead read = ParseProject(newer);
  ASSERT_TRUE(read.Project) << read.Problem;
  EXPECT_EQ(read.Project->FormatVersion, 2);
  EXPECT_EQ(read.Project->Points[0].Inputs[1], (PointInput{EditBox::RH, 50.0}));
  const std::string written = ProjectText(*read.Project);
  EXPECT_NE(written.find("\"version\": 2"), std::string::npos);
  EXPECT_NE(written.find("\"colour\": \"#c00\""), std::string::npos);
  EXPECT_NE(written.find("\"kind\": \"heating\""), std::string::npos);
  EXPECT_EQ(*ParseProject(written).Project, *read.Project);
}

// What cannot be read is said, with where: a line and column for broken JSON (counted by hand:
// the second comma of `  "version": 1,,` is column 16 of line 3), the field for the rest.
TEST(ProjectFile, SaysWhyAFileIsNotAProject) {
  const std::string valid =
      "\"format\": \"vaporin-project\", \"version\": 1, \"pressure_pa\": 101325, ";
  auto withPoint = [&](const std::string& inputs) {
    return "{" + valid + "\"points\": [{\"name\": \"A\", \"inputs\": [" + inputs + "]}]}";
  };
  const std::string db = R"j({"quantity": "db", "unit": "°C", "value": 25})j";
  const struct {
    const char* name;
    std::string text;
    const char* problem;
  } cases[] = {
      {"broken JSON", "{\n  \"format\": \"vaporin-project\",\n  \"version\": 1,,\n}",
       "line 3, column 16: not JSON"},
      {"not a project", R"j({"points": []})j", "not a Vaporin project"},
      {"a number past a double (found by fuzzing)", R"j({"points": [2e22222]})j",
       "not JSON that can be read"},
      {"a pressure that is no whole number (found by fuzzing)",
       R"j({"format": "vaporin-project", "version": 1, "pressure_pa": 101320E5, "points": []})j",
       "pressure_pa: a whole number is needed"},
      {"no pressure", R"j({"format": "vaporin-project", "version": 1, "points": []})j",
       "the project: no \"pressure_pa\""},
      {"pressure out of range",
       "{" + valid.substr(0, valid.find("101325")) + "30000, \"points\": []}",
       "pressure_pa: 30000 Pa is outside 40 to 120 kPa"},
      {"unknown quantity", withPoint(db + R"j(, {"quantity": "xx", "unit": "%", "value": 1})j"),
       "points[0].inputs[1]: no quantity is named \"xx\""},
      {"another unit", withPoint(db + R"j(, {"quantity": "rh", "unit": "‰", "value": 1})j"),
       "points[0].inputs[1]: rh is kept in %"},
      {"one value", withPoint(db), "points[0].inputs: two values are needed"},
      {"one quantity twice",
       withPoint(R"j({"quantity": "sh", "unit": "kg/kg(DA)", "value": 0.01}, )j"
                 R"j({"quantity": "dp", "unit": "°C", "value": 10})j"),
       "points[0].inputs: two different quantities are needed"},
      {"a name that is a number",
       withPoint(db + ", " + db).replace(withPoint(db + ", " + db).find("\"A\""), 3, "7"),
       "a value of the wrong kind"},
  };
  for (const auto& c : cases) {
    const ProjectRead read = ParseProject(c.text);
    EXPECT_FALSE(read.Project) << c.name;
    EXPECT_EQ(read.Problem.rfind(c.problem, 0), 0u) << c.name << ": " << read.Problem;
  }
}

class ProjectOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("vaporin-project-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(ProjectOnDisk, WritesAndReadsAFileAndRefusesAHugeOneUntouched) {
  const fs::path path = folder_ / "air.vaporin";
  WriteProject(ThreePoints(), path);
  const ProjectRead read = ReadProject(path);
  ASSERT_TRUE(read.Project) << read.Problem;
  EXPECT_EQ(*read.Project, ThreePoints());

  const fs::path huge = folder_ / "huge.vaporin";
  {
    std::ofstream out(huge, std::ios::binary);
    out << std::string(MaxProjectFileBytes + 1, ' ');
  }
  const ProjectRead refused = ReadProject(huge);
  EXPECT_FALSE(refused.Project);
  EXPECT_NE(refused.Problem.find("larger than"), std::string::npos) << refused.Problem;
  EXPECT_EQ(fs::file_size(huge), MaxProjectFileBytes + 1);
  EXPECT_EQ(ReadProject(folder_ / "none.vaporin").Problem, "no such file");
}

// A point is solved from its two values at the pressure in force, as the window solves them:
// 25 °C with a dew point is the humidity ratio that dew point gives. Air of 90 °C and 90 %
// has a vapour pressure of 0.9 x 70.18 = 63.2 kPa (water's at 90 °C), which 60 kPa of
// atmosphere cannot hold: the point says so there, and is a state again at 101.325 kPa.
TEST(StatePoints, AreSolvedAtThePressureInForce) {
  Preferences preferences;
  const Solution typed = SolveTyped(BoxTexts{"25", "50"}, preferences);
  const Solution point =
      SolvePoint(Point("A", {EditBox::DB, 25.0}, {EditBox::RH, 50.0}), preferences);
  ASSERT_TRUE(point.Solved);
  EXPECT_EQ(point.Texts, typed.Texts);

  const Solution dewPoint =
      SolvePoint(Point("B", {EditBox::DP, 13.87}, {EditBox::DB, 25.0}), preferences);
  ASSERT_TRUE(dewPoint.Solved);
  BoxTexts typedDewPoint;
  TextOf(typedDewPoint, EditBox::DB) = "25";
  TextOf(typedDewPoint, EditBox::DP) = "13.87";
  EXPECT_EQ(dewPoint.Texts, SolveTyped(typedDewPoint, Preferences()).Texts);
  EXPECT_EQ(TextOf(dewPoint.Texts, EditBox::RH), "50.02");  // 13.87 is 13.866 rounded up

  const StatePoint hot = Point("C", {EditBox::DB, 90.0}, {EditBox::RH, 90.0});
  EXPECT_TRUE(SolvePoint(hot, preferences).Solved);
  preferences.Units.PressurePa = 60000;
  const Solution thin = SolvePoint(hot, preferences);
  EXPECT_FALSE(thin.Solved);
  EXPECT_TRUE(thin.Reason);
}

TEST(StatePoints, AreNamedByTheFirstFreeLetters) {
  std::vector<StatePoint> points;
  EXPECT_EQ(NextPointName(points), "A");
  for (char c = 'A'; c <= 'Z'; ++c) {
    points.push_back(Point(std::string(1, c), {EditBox::DB, 20}, {EditBox::RH, 50}));
  }
  EXPECT_EQ(NextPointName(points), "AA");
  points.erase(points.begin() + 1);  // B
  EXPECT_EQ(NextPointName(points), "B");
}

}  // namespace
}  // namespace vaporin
