#include "settings/settings_file.h"

#include <gtest/gtest.h>

namespace vaporin {
namespace {

struct PressureReadCase {
  const char* name;
  const char* file;
  int32_t pascals;
  friend void PrintTo(const PressureReadCase& c, std::ostream* os) { *os << c.name; }
};

class PressureKey : public ::testing::TestWithParam<PressureReadCase> {};

TEST_P(PressureKey, ReadsTheAcceptedPressureElseTheStandardAtmosphere) {
  UnitSettings units;
  ReadUnitChoices(IniFile::FromText(GetParam().file), units);
  EXPECT_EQ(units.PressurePa, GetParam().pascals);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PressureKey,
    ::testing::Values(PressureReadCase{"OlderFileWithoutTheKey", "[setting]\nte=1\nlang=0\n",
                                       101325},
                      PressureReadCase{"Saved", "[setting]\npatm=83400\n", 83400},
                      PressureReadCase{"Hexadecimal", "[Setting]\nPATM=0x145C8\n", 83400},
                      PressureReadCase{"LowestAccepted", "[setting]\npatm=40000\n", 40000},
                      PressureReadCase{"BelowTheRange", "[setting]\npatm=39999\n", 101325},
                      PressureReadCase{"AboveTheRange", "[setting]\npatm=120001\n", 101325},
                      PressureReadCase{"Negative", "[setting]\npatm=-83400\n", 101325},
                      PressureReadCase{"NoNumber", "[setting]\npatm=83.4\n", 101325}),
    [](const auto& info) { return info.param.name; });

TEST(PressureKey, IsWrittenAfterTheOlderKeysAndReadBack) {
  IniFile file = IniFile::FromText("[setting]\r\nte=2\r\nmine=7\r\n");
  UnitSettings written;
  written.PressurePa = 83400;
  WriteUnitChoices(file, written, false);
  EXPECT_EQ(file.ToText(),
            "\xEF\xBB\xBF[setting]\r\nte=0\r\nmine=7\r\nah=0\r\nsh=0\r\npr=0\r\nen=0\r\nsv=0\r\n"
            "lang=100\r\nstayontop=0\r\npatm=83400\r\n");
  UnitSettings read;
  ReadUnitChoices(IniFile::FromText(file.ToText()), read);
  EXPECT_EQ(read.PressurePa, 83400);
}

TEST(ChartGeometryKeys, AreAddedAfterTheUsersKeysAndReadBackOnlyWhenAllFourAreThere) {
  IniFile file = IniFile::FromText("[setting]\r\npos_left=3\r\nmine=7\r\n");
  EXPECT_EQ(ReadChartGeometry(file), std::nullopt);  // an older file
  WriteChartGeometry(file, {-20, 40, 900, 600});
  EXPECT_EQ(file.ToText(),
            "\xEF\xBB\xBF[setting]\r\npos_left=3\r\nmine=7\r\nchart_left=-20\r\nchart_top=40\r\n"
            "chart_width=900\r\nchart_height=600\r\n");
  const std::optional<WindowGeometry> read = ReadChartGeometry(IniFile::FromText(file.ToText()));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Left, -20);
  EXPECT_EQ(read->Top, 40);
  EXPECT_EQ(read->Width, 900);
  EXPECT_EQ(read->Height, 600);
  for (const char* partial : {"[setting]\nchart_left=1\nchart_top=2\nchart_width=300\n",
                              "[setting]\nchart_left=1\nchart_top=2\nchart_width=300\n"
                              "chart_height=many\n"}) {
    EXPECT_EQ(ReadChartGeometry(IniFile::FromText(partial)), std::nullopt) << partial;
  }
}

}  // namespace
}  // namespace vaporin
