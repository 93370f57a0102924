#include "settings/ini_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings/settings_file.h"

namespace vaporin {
namespace {

namespace fs = std::filesystem;

struct ReadCase {
  const char* name;
  const char* text;
  int32_t expected;  // "te" in "setting", default -7
  friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ReadTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTable, ReadsTheIntegerOrTheDefault) {
  const IniFile file = IniFile::FromText(GetParam().text);
  EXPECT_EQ(file.ReadInteger("setting", "te", -7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ReadTable,
    ::testing::Values(ReadCase{"Plain", "[setting]\r\nte=2\r\n", 2},
                      ReadCase{"CaseOfSectionAndKey", "[SETTING]\nTE=2\n", 2},
                      ReadCase{"BlanksAroundLinesAndEquals", "  [setting]  \n \t te  =  2 \t \n",
                               2},
                      ReadCase{"ByteOrderMark", "\xEF\xBB\xBF[setting]\r\nte=2\r\n", 2},
                      ReadCase{"CarriageReturnsOnly", "[setting]\rte=2\r", 2},
                      ReadCase{"NoLineEndAtTheEnd", "[setting]\nte=2", 2},
                      ReadCase{"CommentLine", "[setting]\n;te=2\n", -7},
                      ReadCase{"NotAnInteger", "[setting]\nte=abc\n", -7},
                      ReadCase{"Empty", "[setting]\nte=\n", -7},
                      ReadCase{"Missing", "[setting]\nah=1\n", -7},
                      ReadCase{"NoSection", "te=2\n", -7},
                      ReadCase{"OtherSection", "[other]\nte=5\n[setting]\nte=1\n", 1},
                      ReadCase{"FirstOfTwo", "[setting]\nte=1\nte=2\n", 1},
                      ReadCase{"SectionGivenTwice", "[setting]\nah=1\n[Setting]\nte=3\n", 3},
                      ReadCase{"HexWithZeroX", "[setting]\nte=0x2\n", 2},
                      ReadCase{"HexWithCapitalX", "[setting]\nte=0X1f\n", 31},
                      ReadCase{"HexWithDollar", "[setting]\nte=$1F\n", 31},
                      ReadCase{"HexPrefixAlone", "[setting]\nte=$\n", -7},
                      ReadCase{"HexWithSign", "[setting]\nte=0x-5\n", -7},
                      ReadCase{"HexBeyondInt32", "[setting]\nte=0x80000000\n", -7},
                      ReadCase{"Negative", "[setting]\nte=-3\n", -3},
                      ReadCase{"PlusSign", "[setting]\nte=+3\n", 3},
                      ReadCase{"TwoSigns", "[setting]\nte=--3\n", -7},
                      ReadCase{"SmallestInt32", "[setting]\nte=-2147483648\n", -2147483647 - 1},
                      ReadCase{"BeyondInt32", "[setting]\nte=2147483648\n", -7},
                      ReadCase{"Huge", "[setting]\nte=99999999999999999999999999\n", -7},
                      ReadCase{"Fraction", "[setting]\nte=1.5\n", -7},
                      ReadCase{"InnerBlank", "[setting]\nte=2 3\n", -7},
                      ReadCase{"LineWithoutEquals", "[setting]\nte\n", -7},
                      ReadCase{"BinaryGarbage", "[setting]\n\x01\xff\xfe=\x80\nte=4\n\0", 4}),
    [](const auto& info) { return info.param.name; });

constexpr std::string_view Bom = "\xEF\xBB\xBF";

TEST(IniFile, WritesTheChoicesThenTheGeometryInTheirOrderByteForByte) {
  IniFile file = IniFile::FromText("");
  UnitSettings units;
  units.TemperatureUnit = UnitOfTemperature{1};
  units.LanguageIndex = 5;
  WriteUnitChoices(file, units, true);
  EXPECT_EQ(file.ToText(), std::string(Bom) +
                               "[setting]\r\nte=1\r\nah=0\r\nsh=0\r\npr=0\r\nen=0\r\nsv=0\r\n"
                               "lang=5\r\nstayontop=1\r\npatm=101325\r\n\r\n");
  WriteGeometry(file, {-10, 20, 288, 320});
  EXPECT_EQ(file.ToText(), std::string(Bom) +
                               "[setting]\r\nte=1\r\nah=0\r\nsh=0\r\npr=0\r\nen=0\r\nsv=0\r\n"
                               "lang=5\r\nstayontop=1\r\npatm=101325\r\npos_left=-10\r\n"
                               "pos_top=20\r\n"
                               "pos_width=288\r\npos_height=320\r\n\r\n");
}

TEST(IniFile, KeepsOtherSectionsAndKeysButNotCommentsOrBlankLines) {
  IniFile file = IniFile::FromText(
      "; made by hand\n[other]\nname = x\n\n[Setting]\nPOS_LEFT=5\nmine=7\n\n[last]\nk=1\n");
  WriteGeometry(file, {1, 2, 3, 4});
  EXPECT_EQ(file.ToText(), std::string(Bom) +
                               "[other]\r\nname=x\r\n\r\n"
                               "[Setting]\r\nPOS_LEFT=1\r\nmine=7\r\npos_top=2\r\npos_width=3\r\n"
                               "pos_height=4\r\n\r\n"
                               "[last]\r\nk=1\r\n\r\n");
}

TEST(IniFile, ReadsBackWhatItWrote) {
  IniFile file = IniFile::FromText("");
  UnitSettings written;
  written.TemperatureUnit = UnitOfTemperature{2};
  written.AbsoluteHumidityUnit = UnitOfAbsHumidity{1};
  written.SpecificHumidityUnit = UnitOfSpecHumidity{3};
  written.PressureUnit = UnitOfPressure{2};
  written.EnthalpyUnit = UnitOfEnthalpy{1};
  written.SpecificVolumeUnit = UnitOfSpecVolume{1};
  written.LanguageIndex = 8;
  WriteUnitChoices(file, written, false);
  UnitSettings read;
  ReadUnitChoices(IniFile::FromText(file.ToText()), read);
  EXPECT_EQ(read.TemperatureUnit, UnitOfTemperature{2});
  EXPECT_EQ(read.AbsoluteHumidityUnit, UnitOfAbsHumidity{1});
  EXPECT_EQ(read.SpecificHumidityUnit, UnitOfSpecHumidity{3});
  EXPECT_EQ(read.PressureUnit, UnitOfPressure{2});
  EXPECT_EQ(read.EnthalpyUnit, UnitOfEnthalpy{1});
  EXPECT_EQ(read.SpecificVolumeUnit, UnitOfSpecVolume{1});
  EXPECT_EQ(read.LanguageIndex, 8);
}

TEST(ReadUnitChoices, GivesTheDefaultsForAFileWithoutTheKeys) {
  UnitSettings read;
  read.TemperatureUnit = UnitOfTemperature{2};
  read.LanguageIndex = 3;
  ReadUnitChoices(IniFile::FromText("[setting]\nte=abc\n"), read);
  EXPECT_EQ(read.TemperatureUnit, UnitOfTemperature{0});
  EXPECT_EQ(read.LanguageIndex, NoLanguageChosen);
}

class IniFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("vaporin-ini-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  size_t FilesInFolder() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
};

TEST_F(IniFileOnDisk, CreatesTheFileAndItsFolder) {
  const fs::path path = folder_ / "Documents" / "vaporin.ini";
  IniFile file = IniFile::Open(path);
  WriteGeometry(file, {0, 0, 288, 320});
  file.Update();
  EXPECT_EQ(Contents(path), file.ToText());
  EXPECT_EQ(IniFile::Open(path).ReadInteger("setting", "pos_width", 0), 288);
}

TEST_F(IniFileOnDisk, AFailedWriteLeavesThePreviousFileWhole) {
  const fs::path path = folder_ / "vaporin.ini";
  IniFile first = IniFile::Open(path);
  WriteGeometry(first, {1, 2, 3, 4});
  first.Update();
  const std::string before = Contents(path);

  // A disk that fills up during the write: the file-size limit makes write() fail.
  IniFile second = IniFile::Open(path);
  for (int i = 0; i < 200; ++i) second.WriteInteger("setting", "k" + std::to_string(i), i);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(second.Update(), std::system_error);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(Contents(path), before);
  EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left behind
}

TEST_F(IniFileOnDisk, ADirectoryInPlaceOfTheFileReadsEmptyAndRefusesTheWrite) {
  const fs::path path = folder_ / "vaporin.ini";
  fs::create_directories(path);
  IniFile file = IniFile::Open(path);
  EXPECT_EQ(file.ReadInteger("setting", "te", -1), -1);
  WriteGeometry(file, {1, 2, 3, 4});
  try {
    file.Update();
    FAIL() << "the write should fail";
  } catch (const std::system_error& error) {
    EXPECT_NE(std::string(error.what()).find("Cannot write the settings file"), std::string::npos);
  }
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(IniFileOnDisk, ReadsATenMegabyteFile) {
  const fs::path path = folder_ / "vaporin.ini";
  {
    std::ofstream out(path, std::ios::binary);
    out << "[setting]\nte=2\n";
    const std::string junk(1024, 'x');
    for (int i = 0; i < 10 * 1024; ++i) out << junk << '\n';
  }
  EXPECT_EQ(IniFile::Open(path).ReadInteger("setting", "te", 0), 2);
}

}  // namespace
}  // namespace vaporin
