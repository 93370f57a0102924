#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vaporin {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() /
        ("vaporin-store-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  SettingsStore Store() const { return SettingsStore(folder_ / "vaporin.ini"); }
  std::string Text() const {
    std::ifstream in(folder_ / "vaporin.ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path folder_;
};

TEST_F(SettingsStoreTest, WithoutAFileAStartReadsNothingAndTheChoicesAreTheDefaults) {
  EXPECT_FALSE(Store().ReadStartUp());
  EXPECT_FALSE(Store().ReadChartGeometry());
  EXPECT_EQ(Store().ReadChoices().PressurePa, UnitSettings().PressurePa);
}

// Each writer writes its own keys only: what the others wrote, and the user's own lines, stay.
TEST_F(SettingsStoreTest, WritesReadBackAndKeepEveryOtherLine) {
  {
    std::ofstream out(folder_ / "vaporin.ini", std::ios::binary);
    out << "[setting]\r\nmine=7\r\n";
  }
  UnitSettings units;
  units.PressurePa = 83400;
  units.TemperatureUnit = UnitOfTemperature::Fahrenheit;
  Store().WriteChoices(units, true);
  Store().WriteGeometry({10, 20, 300, 400});
  Store().WriteChartGeometry({30, 40, 500, 600});

  const std::optional<StartUpSettings> saved = Store().ReadStartUp();
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->Units.PressurePa, 83400);
  EXPECT_EQ(saved->Units.TemperatureUnit, UnitOfTemperature::Fahrenheit);
  EXPECT_TRUE(saved->StayOnTop);
  EXPECT_EQ(saved->Left, 10);
  EXPECT_EQ(saved->Top, 20);
  EXPECT_EQ(saved->Width, 300);
  EXPECT_EQ(saved->Height, 400);
  const std::optional<WindowGeometry> chart = Store().ReadChartGeometry();
  ASSERT_TRUE(chart);
  EXPECT_EQ(chart->Width, 500);
  EXPECT_NE(Text().find("mine=7\r\n"), std::string::npos);

  Store().Forget();
  EXPECT_FALSE(Store().ReadStartUp());
}

}  // namespace
}  // namespace vaporin
