#include "units/unit_conversions.h"

#include <gtest/gtest.h>

namespace vaporin {
namespace {

using Conversion = double (*)(double, int32_t);

struct ConversionCase {
  const char* name;
  Conversion toDisplay;
  Conversion fromDisplay;
  int32_t unit;
  double engine;
  double shown;
  friend void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }
};

class ConversionTable : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTable, ConvertsBothWays) {
  const ConversionCase& c = GetParam();
  EXPECT_DOUBLE_EQ(c.toDisplay(c.engine, c.unit), c.shown);
  EXPECT_DOUBLE_EQ(c.fromDisplay(c.shown, c.unit), c.engine);
}

constexpr double KJPerKcal = 4.1868;

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, ConversionTable,
    ::testing::Values(
        ConversionCase{"Celsius", TemperatureToDisplay, TemperatureFromDisplay, 0, 25, 25},
        ConversionCase{"FahrenheitMinus40", TemperatureToDisplay, TemperatureFromDisplay, 1, -40,
                       -40},
        ConversionCase{"Fahrenheit77", TemperatureToDisplay, TemperatureFromDisplay, 1, 25, 77},
        ConversionCase{"KelvinZero", TemperatureToDisplay, TemperatureFromDisplay, 2, -273.15, 0},
        ConversionCase{"TemperatureUnknownIndex", TemperatureToDisplay, TemperatureFromDisplay, 5,
                       25, 25},
        ConversionCase{"GramsPerCubicMetre", AbsHumidityToDisplay, AbsHumidityFromDisplay, 0, 8.5,
                       8.5},
        ConversionCase{"GrainsPerCubicFoot", AbsHumidityToDisplay, AbsHumidityFromDisplay, 1,
                       2.2883519, 1},
        ConversionCase{"AbsHumidityUnknownIndex", AbsHumidityToDisplay, AbsHumidityFromDisplay, -1,
                       8.5, 8.5},
        ConversionCase{"KgPerKg", SpecHumidityToDisplay, SpecHumidityFromDisplay, 0, 0.01, 0.01},
        ConversionCase{"GramsPerKg", SpecHumidityToDisplay, SpecHumidityFromDisplay, 1, 0.01, 10},
        ConversionCase{"GrainsPerLb", SpecHumidityToDisplay, SpecHumidityFromDisplay, 2, 0.01, 70},
        ConversionCase{"LbPerLb", SpecHumidityToDisplay, SpecHumidityFromDisplay, 3, 0.01, 0.01},
        ConversionCase{"SpecHumidityUnknownIndex", SpecHumidityToDisplay, SpecHumidityFromDisplay,
                       4, 0.01, 0.01},
        ConversionCase{"KJPerKg", EnthalpyToDisplay, EnthalpyFromDisplay, 0, 38.5, 38.5},
        ConversionCase{"BtuPerLb", EnthalpyToDisplay, EnthalpyFromDisplay, 1, 1.0, 0.42992256},
        ConversionCase{"KcalPerKg", EnthalpyToDisplay, EnthalpyFromDisplay, 2, KJPerKcal, 1.0},
        ConversionCase{"EnthalpyUnknownIndex", EnthalpyToDisplay, EnthalpyFromDisplay, 3, 38.5,
                       38.5},
        ConversionCase{"CubicMetresPerKg", SpecVolumeToDisplay, SpecVolumeFromDisplay, 0, 0.84,
                       0.84},
        ConversionCase{"CubicFeetPerLb", SpecVolumeToDisplay, SpecVolumeFromDisplay, 1, 1.0,
                       16.01846353},
        ConversionCase{"SpecVolumeUnknownIndex", SpecVolumeToDisplay, SpecVolumeFromDisplay, 7,
                       0.84, 0.84}),
    [](const auto& info) { return info.param.name; });

TEST(TemperatureFromDisplay, MultipliesByFiveNinthsNeverDividesByOnePointEight) {
  // (100 - 32) x 0.5555555555555556 and (100 - 32) / 1.8 differ in the last bit.
  EXPECT_EQ(TemperatureFromDisplay(100, 1), 68 * 0.5555555555555556);
}

}  // namespace
}  // namespace vaporin
