#include "settings/unit_captions.h"

#include <gtest/gtest.h>

namespace vaporin {
namespace {

const BaseTitles English = {
    "Input 2 params",        " Dry Bulb Temperature",  " Relative Humidity",
    " Specific Humidity",    " Dew Point Temperature", " Specific Enthalpy",
    " Wet Bulb Temperature", " Specific Volume",       " Absolute Humidity"};

const BaseTitles German = {
    "Zwei Eingabeparameter",  " Trockentemperatur",    " Relative Luftfeuchtigkeit",
    " Spezifische Luftfeuc.", " Taupunkttemperatur",   " Spezifische Enthalpie",
    " Feuchtkugeltemperatur", " Spezifisches Volumen", " Absolute Luftfeuchtigkeit"};

TEST(ComposeUnitCaptions, PutsTheFirstUnitsAfterTheEnglishTitles) {
  const UnitCaptions c = ComposeUnitCaptions(English, UnitSettings(), ".");
  EXPECT_EQ(c.DryBulb, " Dry Bulb Temperature[°C]");
  EXPECT_EQ(c.RelativeHumidity, " Relative Humidity[%]:");
  EXPECT_EQ(c.DewPoint, " Dew Point Temperature[°C]");
  EXPECT_EQ(c.WetBulb, " Wet Bulb Temperature[°C]");
  EXPECT_EQ(c.AbsoluteHumidity, " Absolute Humidity[g/m³]");
  EXPECT_EQ(c.SpecificHumidity, " Specific Humidity[kg/kg(DA)]");
  EXPECT_EQ(c.Enthalpy, " Specific Enthalpy[kJ/kg]");
  EXPECT_EQ(c.SpecificVolume, " Specific Volume[m³/kg]");
  EXPECT_EQ(c.Pressure, "Input 2 params(101.325kPa)");
}

TEST(ComposeUnitCaptions, PutsTheOtherUnitsAfterTheGermanTitles) {
  UnitSettings units;
  units.TemperatureUnit = UnitOfTemperature{1};
  units.AbsoluteHumidityUnit = UnitOfAbsHumidity{1};
  units.SpecificHumidityUnit = UnitOfSpecHumidity{2};
  units.EnthalpyUnit = UnitOfEnthalpy{1};
  units.SpecificVolumeUnit = UnitOfSpecVolume{1};
  const UnitCaptions c = ComposeUnitCaptions(German, units, ",");
  EXPECT_EQ(c.DryBulb, " Trockentemperatur[°F]");
  EXPECT_EQ(c.RelativeHumidity, " Relative Luftfeuchtigkeit[%]:");
  EXPECT_EQ(c.AbsoluteHumidity, " Absolute Luftfeuchtigkeit[gr/ft³]");
  EXPECT_EQ(c.SpecificHumidity, " Spezifische Luftfeuc.[gr/lb(DA)]");
  EXPECT_EQ(c.Enthalpy, " Spezifische Enthalpie[Btu/lb]");
  EXPECT_EQ(c.SpecificVolume, " Spezifisches Volumen[ft³/lb]");
  EXPECT_EQ(c.Pressure, "Zwei Eingabeparameter(101,325kPa)");
}

struct PressureCase {
  const char* name;
  int32_t unit;
  const char* separator;
  std::optional<std::string> caption;
  friend void PrintTo(const PressureCase& c, std::ostream* os) { *os << c.name; }
};

class PressureTable : public ::testing::TestWithParam<PressureCase> {};

TEST_P(PressureTable, ShowsTheStandardAtmosphereInTheUnit) {
  UnitSettings units;
  units.PressureUnit = UnitOfPressure{GetParam().unit};
  EXPECT_EQ(ComposeUnitCaptions(English, units, GetParam().separator).Pressure, GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Units, PressureTable,
    ::testing::Values(PressureCase{"KPa", 0, ".", "Input 2 params(101.325kPa)"},
                      PressureCase{"MmHg", 1, ",", "Input 2 params(760mmHg)"},
                      PressureCase{"InHg", 2, ".", "Input 2 params(29.92inHg)"},
                      PressureCase{"InHgComma", 2, ",", "Input 2 params(29,92inHg)"},
                      PressureCase{"Psi", 3, ".", "Input 2 params(14.6956psi)"},
                      PressureCase{"Unknown", 4, ".", std::nullopt},
                      PressureCase{"Negative", -1, ".", std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(ComposeUnitCaptions, NamesTheFirstUnitForAnIndexWithoutOne) {
  UnitSettings units;
  units.TemperatureUnit = UnitOfTemperature{5};
  units.SpecificHumidityUnit = UnitOfSpecHumidity{-2};
  const UnitCaptions c = ComposeUnitCaptions(English, units, ".");
  EXPECT_EQ(c.DryBulb, " Dry Bulb Temperature[°C]");
  EXPECT_EQ(c.SpecificHumidity, " Specific Humidity[kg/kg(DA)]");
}

}  // namespace
}  // namespace vaporin
