#include "settings/ini_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

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

// What the program does not write stays byte for byte: comments, blank lines, lines before
// the first section, a header with a comment after it, a second byte-order mark, odd line
// ends, values written with blanks; only the written values change.
TEST(IniFile, KeepsEveryLineItDoesNotWrite) {
  struct Case {
    const char* Name;
    std::string Text;
    std::string Written;
  };
  const std::string b(Bom);
  const Case cases[] = {
      {"CommentsAndBlankLines",
       "; made by hand\n[other]\nname = x\n\n[Setting]\nPOS_LEFT=5\n; "
       "mine\nmine=7\n\n[last]\nk=1\n",
       b + "; made by hand\n[other]\nname = x\n\n[Setting]\nPOS_LEFT=1\n; mine\nmine=7\n"
           "pos_top=2\npos_width=3\npos_height=4\n\n[last]\nk=1\n"},
      {"LinesBeforeTheFirstSection", b + "owner=me\r\n\r\n[setting]\r\npos_left=0\r\n",
       b + "owner=me\r\n\r\n[setting]\r\npos_left=1\r\npos_top=2\r\npos_width=3\r\n"
           "pos_height=4\r\n"},
      {"HeaderWithAComment", "[setting] ; my units\r\n  pos_left = 9  \r\n\r\n",
       b + "[setting] ; my units\r\n  pos_left = 1  \r\npos_top=2\r\npos_width=3\r\n"
           "pos_height=4\r\n\r\n"},
      {"SecondByteOrderMark", b + b + "[setting]\r\n",
       b + b + "[setting]\r\npos_left=1\r\npos_top=2\r\npos_width=3\r\npos_height=4\r\n"},
      {"LastLineWithoutItsEnd", "[a]\rk=1",
       b + "[a]\rk=1\r\r[setting]\rpos_left=1\rpos_top=2\rpos_width=3\rpos_height=4\r\r"},
      // A lone CR just before an empty line ending in LF would read back as CR LF, and the empty
      // line would be gone: what is added there ends in CR LF instead.
      {"LoneCrLinesAroundAnEmptyLfLine", "[setting]\rte=1\n\n[x]\r",
       b + "[setting]\rte=1\npos_left=1\r\npos_top=2\r\npos_width=3\r\npos_height=4\r\n\n[x]\r"},
      {"LfFileWhoseLastLineEndsInALoneCr", "[a]\nk=1\r",
       b + "[a]\nk=1\r\r\n[setting]\npos_left=1\npos_top=2\npos_width=3\npos_height=4\n\n"},
      {"KeyLikeLineInAComment", "[setting]\r\n;pos_left=7\r\n",
       b + "[setting]\r\n;pos_left=7\r\npos_left=1\r\npos_top=2\r\npos_width=3\r\n"
           "pos_height=4\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    IniFile file = IniFile::FromText(c.Text);
    WriteGeometry(file, {1, 2, 3, 4});
    EXPECT_EQ(file.ToText(), c.Written);
    EXPECT_EQ(IniFile::FromText(c.Text).ToText(), c.Text.rfind(b, 0) == 0 ? c.Text : b + c.Text);
  }
  EXPECT_EQ(IniFile::FromText("[setting] ; my units\nte=2\n").ReadInteger("setting", "te", 0), 2);
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

// A position off a unit list reads as the list's first unit; one on it as itself.
TEST(ReadUnitChoices, TakesOnlyPositionsOnTheUnitLists) {
  UnitSettings read;
  ReadUnitChoices(IniFile::FromText("[setting]\nte=5\nah=-1\nsh=4\npr=9\nen=3\nsv=2\n"), read);
  const UnitSettings defaults;
  EXPECT_EQ(read.TemperatureUnit, defaults.TemperatureUnit);
  EXPECT_EQ(read.AbsoluteHumidityUnit, defaults.AbsoluteHumidityUnit);
  EXPECT_EQ(read.SpecificHumidityUnit, defaults.SpecificHumidityUnit);
  EXPECT_EQ(read.PressureUnit, defaults.PressureUnit);
  EXPECT_EQ(read.EnthalpyUnit, defaults.EnthalpyUnit);
  EXPECT_EQ(read.SpecificVolumeUnit, defaults.SpecificVolumeUnit);
  ReadUnitChoices(IniFile::FromText("[setting]\nte=2\nsh=3\npr=3\nen=2\n"), read);
  EXPECT_EQ(read.TemperatureUnit, UnitOfTemperature::Kelvin);
  EXPECT_EQ(read.SpecificHumidityUnit, UnitOfSpecHumidity::LbPerLb);
  EXPECT_EQ(read.PressureUnit, UnitOfPressure::Psi);
  EXPECT_EQ(read.EnthalpyUnit, UnitOfEnthalpy::KcalPerKg);
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
  EXPECT_FALSE(file.Readable());
  EXPECT_EQ(file.ReadInteger("setting", "te", -1), -1);
  WriteGeometry(file, {1, 2, 3, 4});
  try {
    file.Update();
    FAIL() << "the write should fail";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("could not be read (not a regular file)"),
              std::string::npos);
  }
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_EQ(FilesInFolder(), 1u);
}

// A file that exists but is not read whole reads as empty and is never rewritten: one without
// permission to read, and one over the size limit.
TEST_F(IniFileOnDisk, AFileNotReadWholeStaysByteForByte) {
  const fs::path path = folder_ / "vaporin.ini";
  const std::string big = "[setting]\r\nte=2\r\n" + std::string(MaxIniFileBytes, ';');
  for (const bool locked : {true, false}) {
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out << (locked ? std::string("[setting]\r\nte=2\r\nmine=1\r\n") : big);
    }
    const std::string before = Contents(path);
    if (locked) fs::permissions(path, fs::perms::none);
    IniFile file = IniFile::Open(path);
    if (locked && ::geteuid() == 0) {
      EXPECT_TRUE(file.Readable());  // root reads it anyway
    } else {
      EXPECT_FALSE(file.Readable());
      EXPECT_EQ(file.ReadInteger("setting", "te", 0), 0);
      WriteGeometry(file, {1, 2, 3, 4});
      EXPECT_THROW(file.Update(), std::runtime_error);
    }
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Contents(path), before);
    EXPECT_EQ(FilesInFolder(), 1u);
  }
}

// 100,000 sections, the limit's size, open and save in well under a second.
TEST_F(IniFileOnDisk, ReadsAndWritesAFileOfManySectionsInLinearTime) {
  const fs::path path = folder_ / "vaporin.ini";
  std::string text;
  for (int i = 0; i < 100000 && text.size() < MaxIniFileBytes - 64; ++i) {
    text += "[s" + std::to_string(i) + "]\n";
  }
  text += "[setting]\nte=2\n";
  {
    std::ofstream out(path, std::ios::binary);
    out << text;
  }
  const auto start = std::chrono::steady_clock::now();
  IniFile file = IniFile::Open(path);
  EXPECT_EQ(file.ReadInteger("setting", "te", 0), 2);
  WriteGeometry(file, {1, 2, 3, 4});
  file.Update();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(Contents(path), std::string(Bom) + text +
                                "pos_left=1\npos_top=2\npos_width=3\n"
                                "pos_height=4\n");
}

// A UTF-16 file, with or without its byte-order mark, reads as the text it holds and is written
// back as it was, every other line unchanged; broken UTF-16, and zero bytes that are not UTF-16,
// are left alone.
TEST_F(IniFileOnDisk, KeepsAUtf16FileInUtf16) {
  const fs::path path = folder_ / "vaporin.ini";
  auto utf16 = [](std::string_view ascii, bool little, bool marked) {
    std::string bytes = marked ? (little ? "\xFF\xFE" : "\xFE\xFF") : "";
    for (const char c : ascii) {
      bytes += little ? std::string{c, '\0'} : std::string{'\0', c};
    }
    return bytes;
  };
  for (const bool marked : {true, false}) {
    for (const bool little : {true, false}) {
      SCOPED_TRACE(std::string(little ? "little" : "big") +
                   (marked ? " endian, marked" : " endian"));
      {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << utf16("; mine\r\n[setting]\r\nte=2\r\n", little, marked);
      }
      IniFile file = IniFile::Open(path);
      EXPECT_EQ(file.ReadInteger("setting", "te", 0), 2);
      file.WriteInteger("setting", "te", 1);
      file.WriteInteger("setting", "sh", 1);
      file.Update();
      EXPECT_EQ(Contents(path), utf16("; mine\r\n[setting]\r\nte=1\r\nsh=1\r\n", little, marked));
    }
  }
  const std::string unreadable[] = {
      std::string("\xFF\xFE[\0s\0") + std::string("\x00\xD8", 2),  // a lone surrogate
      std::string("[setting]\r\nte=2\r\n") + '\0',                 // a stray zero byte
      std::string("\0\0\0\0[setting]\0\0\0\0", 17),                // neither byte order
  };
  for (const std::string& bytes : unreadable) {
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out << bytes;
    }
    IniFile file = IniFile::Open(path);
    EXPECT_FALSE(file.Readable());
    file.WriteInteger("setting", "te", 1);
    EXPECT_THROW(file.Update(), std::runtime_error);
    EXPECT_EQ(Contents(path), bytes);
  }
}

// A write whose file the next start would refuse for its size is refused itself: the old file
// stays, and so do the choices in it.
TEST_F(IniFileOnDisk, NeverWritesAFileLargerThanItReads) {
  const fs::path path = folder_ / "vaporin.ini";
  std::string full = std::string(Bom) + "[setting]\r\nte=0\r\n;";
  full += std::string(MaxIniFileBytes - full.size() - 2, 'x') + "\r\n";
  ASSERT_EQ(full.size(), MaxIniFileBytes);
  {
    std::ofstream out(path, std::ios::binary);
    out << full;
  }
  IniFile file = IniFile::Open(path);
  ASSERT_TRUE(file.Readable());
  file.WriteInteger("setting", "te", 1);
  file.Update();  // the same size: written
  EXPECT_EQ(IniFile::Open(path).ReadInteger("setting", "te", 0), 1);
  const std::string before = Contents(path);
  file.WriteInteger("setting", "sh", 1);
  try {
    file.Update();
    FAIL() << "the write should be refused";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("would grow past 1048576 bytes"), std::string::npos)
        << error.what();
  }
  EXPECT_EQ(Contents(path), before);
  EXPECT_EQ(FilesInFolder(), 1u);
}

// A file the user made read-only, or one in a read-only folder, is not replaced, whoever runs
// the program: the modes are read, not only tried.
TEST_F(IniFileOnDisk, LeavesAReadOnlyFileAlone) {
  const fs::path path = folder_ / "vaporin.ini";
  const std::string before = "[setting]\r\nte=2\r\n";
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  const fs::perms readOnlyFolder =
      readOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  for (const bool folder : {false, true}) {
    SCOPED_TRACE(folder ? "read-only folder" : "read-only file");
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out << before;
    }
    fs::permissions(folder ? folder_ : path, folder ? readOnlyFolder : readOnly);
    IniFile file = IniFile::Open(path);
    file.WriteInteger("setting", "te", 1);
    try {
      file.Update();
      ADD_FAILURE() << "the write should be refused";
    } catch (const std::system_error& error) {
      EXPECT_NE(std::string(error.what()).find("which is read-only"), std::string::npos)
          << error.what();
    }
    fs::permissions(folder_, fs::perms::owner_all);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Contents(path), before);
    EXPECT_EQ(FilesInFolder(), 1u);
  }
}

// The file stays the file it was: its permissions, and a symbolic link still leads to the
// file that is updated. A new file gets the permissions the umask gives.
TEST_F(IniFileOnDisk, KeepsTheFilesPermissionsAndLinks) {
  const fs::path target = folder_ / "real.ini";
  const fs::path link = folder_ / "vaporin.ini";
  {
    std::ofstream out(target, std::ios::binary);
    out << "[setting]\r\nte=2\r\n";
  }
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("real.ini", link);
  IniFile file = IniFile::Open(link);
  EXPECT_EQ(file.ReadInteger("setting", "te", 0), 2);
  file.WriteInteger("setting", "te", 1);
  file.Update();
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(IniFile::Open(target).ReadInteger("setting", "te", 0), 1);
  EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  const mode_t previous = ::umask(027);
  IniFile fresh = IniFile::Open(folder_ / "new.ini");
  fresh.WriteInteger("setting", "te", 0);
  fresh.Update();
  EXPECT_EQ(::umask(previous), 027);  // the write left the umask alone
  EXPECT_EQ(fs::status(folder_ / "new.ini").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// What a write killed midway left behind goes at the next write once its writer is gone: the
// process id in its name is no running process's, and no one holds its lock. The names of
// earlier versions carry no id and go once they are a minute old. Files of the user's that
// merely look alike stay.
TEST_F(IniFileOnDisk, RemovesTheLeftoversOfKilledWrites) {
  const pid_t gone = [] {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
  }();
  const pid_t running = ::fork();
  if (running == 0) {
    ::pause();
    ::_exit(0);
  }
  const std::string prefix = "vaporin.ini.vaporin-write-";
  const struct {
    std::string name;
    bool old;
    bool locked;
    bool removed;
  } leftovers[] = {
      {prefix + std::to_string(gone) + "-Ab12Cd", false, false, true},
      {prefix + std::to_string(running) + "-Ab12Cd", true, false, false},
      {prefix + std::to_string(gone) + "-Locked", false, true, false},  // another id space's
      {prefix + "Ab12Cd", true, false, true},
      {prefix + "Zz99Yy", false, false, false},
      {"vaporin.ini.backup", true, false, false},
      {prefix + "x" + std::to_string(gone) + "-Ab12Cd", true, false, false},
  };
  const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
  std::vector<int> locks;
  for (const auto& leftover : leftovers) {
    const fs::path path = folder_ / leftover.name;
    {
      std::ofstream out(path, std::ios::binary);
      out << "[setting]\r\n";
    }
    if (leftover.old) fs::last_write_time(path, anHourAgo);
    if (leftover.locked) {
      // A lock taken through another open file, as another process's would be.
      locks.push_back(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
      ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
    }
  }
  IniFile file = IniFile::Open(folder_ / "vaporin.ini");
  file.WriteInteger("setting", "te", 0);
  file.Update();
  for (const auto& leftover : leftovers) {
    EXPECT_EQ(fs::exists(folder_ / leftover.name), !leftover.removed) << leftover.name;
  }
  for (const int fd : locks) ::close(fd);
  ::kill(running, SIGKILL);
  ::waitpid(running, nullptr, 0);
}

TEST_F(IniFileOnDisk, NamesTheFolderItCannotCreate) {
  const fs::path blocker = folder_ / "Documents";
  {
    std::ofstream out(blocker);  // a file where the folder should be
  }
  IniFile file = IniFile::Open(blocker / "vaporin.ini");
  file.WriteInteger("setting", "te", 0);
  try {
    file.Update();
    FAIL() << "the write should fail";
  } catch (const std::system_error& error) {
    EXPECT_NE(std::string(error.what()).find("Cannot create the folder " + blocker.string()),
              std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace vaporin
