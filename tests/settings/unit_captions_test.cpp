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

UnitSettings ImperialUnits() {
  UnitSettings units;
  units.TemperatureUnit = UnitOfTemperature::Fahrenheit;
  units.AbsoluteHumidityUnit = UnitOfAbsHumidity::GrainsPerCubicFoot;
  units.SpecificHumidityUnit = UnitOfSpecHumidity::GrainsPerLb;
  units.EnthalpyUnit = UnitOfEnthalpy::BtuPerLb;
  units.SpecificVolumeUnit = UnitOfSpecVolume::CubicFeetPerLb;
  return units;
}

struct CaptionCase {
  const char* name;
  BaseTitles titles;
  UnitSettings units;
  const char* separator;
  UnitCaptions captions;
  friend void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }
};

class CaptionTable : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionTable, PutsTheUnitsAfterTheTitles) {
  const CaptionCase& c = GetParam();
  const UnitCaptions captions = ComposeUnitCaptions(c.titles, c.units, c.separator);
  EXPECT_EQ(captions.DryBulb, c.captions.DryBulb);
  EXPECT_EQ(captions.RelativeHumidity, c.captions.RelativeHumidity);
  EXPECT_EQ(captions.AbsoluteHumidity, c.captions.AbsoluteHumidity);
  EXPECT_EQ(captions.SpecificHumidity, c.captions.SpecificHumidity);
  EXPECT_EQ(captions.DewPoint, c.captions.DewPoint);
  EXPECT_EQ(captions.Enthalpy, c.captions.Enthalpy);
  EXPECT_EQ(captions.WetBulb, c.captions.WetBulb);
  EXPECT_EQ(captions.SpecificVolume, c.captions.SpecificVolume);
  EXPECT_EQ(captions.Pressure, c.captions.Pressure);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CaptionTable,
    ::testing::Values(CaptionCase{"FirstUnitsInEnglish",
                                  English,
                                  UnitSettings(),
                                  ".",
                                  {" Dry Bulb Temperature[°C]",
                                   " Relative Humidity[%]:", " Absolute Humidity[g/m³]",
                                   " Specific Humidity[kg/kg(DA)]", " Dew Point Temperature[°C]",
                                   " Specific Enthalpy[kJ/kg]", " Wet Bulb Temperature[°C]",
                                   " Specific Volume[m³/kg]", "Input 2 params(101.325kPa)"}},
                      CaptionCase{
                          "OtherUnitsInGerman",
                          German,
                          ImperialUnits(),
                          ",",
                          {" Trockentemperatur[°F]",
                           " Relative Luftfeuchtigkeit[%]:", " Absolute Luftfeuchtigkeit[gr/ft³]",
                           " Spezifische Luftfeuc.[gr/lb(DA)]", " Taupunkttemperatur[°F]",
                           " Spezifische Enthalpie[Btu/lb]", " Feuchtkugeltemperatur[°F]",
                           " Spezifisches Volumen[ft³/lb]", "Zwei Eingabeparameter(101,325kPa)"}}),
    [](const auto& info) { return info.param.name; });

struct PressureCase {
  const char* name;
  int32_t unit;
  int32_t pascals;
  const char* separator;
  std::optional<std::string> caption;
  friend void PrintTo(const PressureCase& c, std::ostream* os) { *os << c.name; }
};

class PressureTable : public ::testing::TestWithParam<PressureCase> {};

TEST_P(PressureTable, ShowsThePressureInItsUnit) {
  UnitSettings units;
  units.PressureUnit = UnitOfPressure{GetParam().unit};
  units.PressurePa = GetParam().pascals;
  EXPECT_EQ(ComposeUnitCaptions(English, units, GetParam().separator).Pressure, GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Units, PressureTable,
    ::testing::Values(PressureCase{"KPa", 0, 101325, ".", "Input 2 params(101.325kPa)"},
                      PressureCase{"MmHg", 1, 101325, ",", "Input 2 params(760mmHg)"},
                      PressureCase{"InHg", 2, 101325, ".", "Input 2 params(29.92inHg)"},
                      PressureCase{"InHgComma", 2, 101325, ",", "Input 2 params(29,92inHg)"},
                      PressureCase{"Psi", 3, 101325, ".", "Input 2 params(14.6956psi)"},
                      PressureCase{"ChosenKPa", 0, 83400, ",", "Input 2 params(83,400kPa)"},
                      PressureCase{"ChosenMmHg", 1, 83400, ".", "Input 2 params(626mmHg)"},
                      PressureCase{"ChosenPsi", 3, 83400, ".", "Input 2 params(12.0961psi)"},
                      PressureCase{"Unknown", 4, 101325, ".", std::nullopt},
                      PressureCase{"Negative", -1, 83400, ".", std::nullopt}),
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
