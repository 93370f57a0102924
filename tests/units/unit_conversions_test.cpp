#include "units/unit_conversions.h"

#include <gtest/gtest.h>

#include "units/pressure.h"

namespace vaporin {
namespace {

using Conversion = double (*)(double, int32_t);

// A conversion called with a unit's index, as the settings file holds it.
template <typename Unit, double (*Convert)(double, Unit)>
double ByIndex(double value, int32_t unit) {
  return Convert(value, Unit{unit});
}

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
        ConversionCase{"Celsius", ByIndex<UnitOfTemperature, TemperatureToDisplay>,
                       ByIndex<UnitOfTemperature, TemperatureFromDisplay>, 0, 25, 25},
        ConversionCase{"FahrenheitMinus40", ByIndex<UnitOfTemperature, TemperatureToDisplay>,
                       ByIndex<UnitOfTemperature, TemperatureFromDisplay>, 1, -40, -40},
        ConversionCase{"Fahrenheit77", ByIndex<UnitOfTemperature, TemperatureToDisplay>,
                       ByIndex<UnitOfTemperature, TemperatureFromDisplay>, 1, 25, 77},
        ConversionCase{"KelvinZero", ByIndex<UnitOfTemperature, TemperatureToDisplay>,
                       ByIndex<UnitOfTemperature, TemperatureFromDisplay>, 2, -273.15, 0},
        ConversionCase{"TemperatureUnknownIndex", ByIndex<UnitOfTemperature, TemperatureToDisplay>,
                       ByIndex<UnitOfTemperature, TemperatureFromDisplay>, 5, 25, 25},
        ConversionCase{"GramsPerCubicMetre", ByIndex<UnitOfAbsHumidity, AbsHumidityToDisplay>,
                       ByIndex<UnitOfAbsHumidity, AbsHumidityFromDisplay>, 0, 8.5, 8.5},
        ConversionCase{"GrainsPerCubicFoot", ByIndex<UnitOfAbsHumidity, AbsHumidityToDisplay>,
                       ByIndex<UnitOfAbsHumidity, AbsHumidityFromDisplay>, 1, 2.2883519, 1},
        ConversionCase{"AbsHumidityUnknownIndex", ByIndex<UnitOfAbsHumidity, AbsHumidityToDisplay>,
                       ByIndex<UnitOfAbsHumidity, AbsHumidityFromDisplay>, -1, 8.5, 8.5},
        ConversionCase{"KgPerKg", ByIndex<UnitOfSpecHumidity, SpecHumidityToDisplay>,
                       ByIndex<UnitOfSpecHumidity, SpecHumidityFromDisplay>, 0, 0.01, 0.01},
        ConversionCase{"GramsPerKg", ByIndex<UnitOfSpecHumidity, SpecHumidityToDisplay>,
                       ByIndex<UnitOfSpecHumidity, SpecHumidityFromDisplay>, 1, 0.01, 10},
        ConversionCase{"GrainsPerLb", ByIndex<UnitOfSpecHumidity, SpecHumidityToDisplay>,
                       ByIndex<UnitOfSpecHumidity, SpecHumidityFromDisplay>, 2, 0.01, 70},
        ConversionCase{"LbPerLb", ByIndex<UnitOfSpecHumidity, SpecHumidityToDisplay>,
                       ByIndex<UnitOfSpecHumidity, SpecHumidityFromDisplay>, 3, 0.01, 0.01},
        ConversionCase{"SpecHumidityUnknownIndex",
                       ByIndex<UnitOfSpecHumidity, SpecHumidityToDisplay>,
                       ByIndex<UnitOfSpecHumidity, SpecHumidityFromDisplay>, 4, 0.01, 0.01},
        ConversionCase{"KJPerKg", ByIndex<UnitOfEnthalpy, EnthalpyToDisplay>,
                       ByIndex<UnitOfEnthalpy, EnthalpyFromDisplay>, 0, 38.5, 38.5},
        ConversionCase{"BtuPerLb", ByIndex<UnitOfEnthalpy, EnthalpyToDisplay>,
                       ByIndex<UnitOfEnthalpy, EnthalpyFromDisplay>, 1, 1.0, 0.42992256},
        ConversionCase{"KcalPerKg", ByIndex<UnitOfEnthalpy, EnthalpyToDisplay>,
                       ByIndex<UnitOfEnthalpy, EnthalpyFromDisplay>, 2, KJPerKcal, 1.0},
        ConversionCase{"EnthalpyUnknownIndex", ByIndex<UnitOfEnthalpy, EnthalpyToDisplay>,
                       ByIndex<UnitOfEnthalpy, EnthalpyFromDisplay>, 3, 38.5, 38.5},
        ConversionCase{"CubicMetresPerKg", ByIndex<UnitOfSpecVolume, SpecVolumeToDisplay>,
                       ByIndex<UnitOfSpecVolume, SpecVolumeFromDisplay>, 0, 0.84, 0.84},
        ConversionCase{"CubicFeetPerLb", ByIndex<UnitOfSpecVolume, SpecVolumeToDisplay>,
                       ByIndex<UnitOfSpecVolume, SpecVolumeFromDisplay>, 1, 1.0, 16.01846353},
        ConversionCase{"SpecVolumeUnknownIndex", ByIndex<UnitOfSpecVolume, SpecVolumeToDisplay>,
                       ByIndex<UnitOfSpecVolume, SpecVolumeFromDisplay>, 7, 0.84, 0.84}),
    [](const auto& info) { return info.param.name; });

TEST(TemperatureFromDisplay, MultipliesByFiveNinthsNeverDividesByOnePointEight) {
  // (100 - 32) x 0.5555555555555556 and (100 - 32) / 1.8 differ in the last bit.
  EXPECT_EQ(TemperatureFromDisplay(100, UnitOfTemperature::Fahrenheit), 68 * 0.5555555555555556);
}

}  // namespace
}  // namespace vaporin

namespace vaporin {
namespace {

// The settings file and the unit lists use a unit's position in its table as its number.
template <typename Entry, size_t N>
void ExpectNumberedInOrderWithOwnNames(const std::array<Entry, N>& table) {
  for (size_t i = 0; i < N; ++i) {
    EXPECT_EQ(static_cast<size_t>(table[i].Id), i) << table[i].Name;
    for (size_t j = 0; j < i; ++j) EXPECT_NE(table[j].Name, table[i].Name);
  }
}

TEST(UnitTables, NumberTheirUnitsInOrder) {
  ExpectNumberedInOrderWithOwnNames(TemperatureUnits);
  ExpectNumberedInOrderWithOwnNames(AbsHumidityUnits);
  ExpectNumberedInOrderWithOwnNames(SpecHumidityUnits);
  ExpectNumberedInOrderWithOwnNames(PressureUnits);
  ExpectNumberedInOrderWithOwnNames(EnthalpyUnits);
  ExpectNumberedInOrderWithOwnNames(SpecVolumeUnits);
}

}  // namespace
}  // namespace vaporin
