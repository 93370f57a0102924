#include "chart/chart_range.h"

#include <algorithm>
#include <cmath>

#include "units/unit_conversions.h"

namespace vaporin {

namespace {
constexpr double DefaultDryBulbMinC = -10.0;
constexpr double DefaultDryBulbMaxC = 50.0;
constexpr double DefaultHumidityRatioMax = 0.030;  // kg/kg(DA)
constexpr double LimitDryBulbMinC = -100.0;
constexpr double LimitDryBulbMaxC = 200.0;
constexpr double LimitHumidityRatioMax = 1.0;  // kg/kg(DA)
constexpr int MinXSteps = 8;
constexpr int MinYSteps = 5;
// Multiples are found within this share of a step, so that 0.1 + 0.2 still counts as 0.3.
constexpr double MultipleTolerance = 1e-9;
}  // namespace

ChartRange DefaultChartRange(const UnitSettings& units) {
  return {TemperatureToDisplay(DefaultDryBulbMinC, units.TemperatureUnit),
          TemperatureToDisplay(DefaultDryBulbMaxC, units.TemperatureUnit),
          SpecHumidityToDisplay(0.0, units.SpecificHumidityUnit),
          SpecHumidityToDisplay(DefaultHumidityRatioMax, units.SpecificHumidityUnit)};
}

double RoundStep(double span, int minSteps) {
  const double rough = span / minSteps;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {5.0, 2.0, 1.0}) {
    if (factor * power <= rough * (1.0 + MultipleTolerance)) return factor * power;
  }
  return power;
}

std::vector<double> RoundValues(double min, double max, double step) {
  std::vector<double> values;
  const double first = std::ceil(min / step - MultipleTolerance);
  const double last = std::floor(max / step + MultipleTolerance);
  for (double k = first; k <= last; k += 1.0) values.push_back(k * step);
  return values;
}

int DecimalsFor(double step) {
  int decimals = 0;
  while (decimals < 9 && std::fabs(step - std::round(step)) > step * MultipleTolerance * 1e3) {
    step *= 10.0;
    ++decimals;
  }
  return decimals;
}

double XStep(const ChartRange& range) { return RoundStep(range.XMax - range.XMin, MinXSteps); }
double YStep(const ChartRange& range) { return RoundStep(range.YMax - range.YMin, MinYSteps); }

ChartRange IncludePoint(ChartRange range, ChartPoint point) {
  const double xStep = XStep(range);
  const double yStep = YStep(range);
  if (point.X < range.XMin) range.XMin = std::floor(point.X / xStep) * xStep;
  if (point.X > range.XMax) range.XMax = std::ceil(point.X / xStep) * xStep;
  if (point.Y < range.YMin) range.YMin = std::floor(point.Y / yStep) * yStep;
  if (point.Y > range.YMax) range.YMax = std::ceil(point.Y / yStep) * yStep;
  return range;
}

ChartRange ChartLimits(const UnitSettings& units) {
  return {TemperatureToDisplay(LimitDryBulbMinC, units.TemperatureUnit),
          TemperatureToDisplay(LimitDryBulbMaxC, units.TemperatureUnit),
          SpecHumidityToDisplay(0.0, units.SpecificHumidityUnit),
          SpecHumidityToDisplay(LimitHumidityRatioMax, units.SpecificHumidityUnit)};
}

ChartPoint ClampedTo(const ChartRange& range, ChartPoint point) {
  return {std::clamp(point.X, range.XMin, range.XMax), std::clamp(point.Y, range.YMin, range.YMax)};
}

}  // namespace vaporin
