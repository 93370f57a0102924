#pragma once

#include <vector>

#include "settings/unit_settings.h"

// What a chart spans, in the user's units: dry bulb across, humidity ratio up.
namespace vaporin {

struct ChartPoint {
  double X;  // dry bulb in the temperature unit
  double Y;  // humidity ratio in the humidity-ratio unit
};

struct ChartRange {
  double XMin;
  double XMax;
  double YMin;
  double YMax;
  bool operator==(const ChartRange&) const = default;
};

// Dry bulb -10 to 50 °C, humidity ratio 0 to 30 g/kg(DA), in the user's units.
ChartRange DefaultChartRange(const UnitSettings& units);

// The largest of 1, 2 and 5 times a power of ten that cuts `span` into at least `minSteps`
// steps: the spacing of grid lines at round values.
double RoundStep(double span, int minSteps);

// The multiples of `step` from `min` to `max`, both included where they are multiples.
std::vector<double> RoundValues(double min, double max, double step);

// Digits after the point that a multiple of `step` needs.
int DecimalsFor(double step);

// Grid steps of a range: about a dozen dry-bulb lines, about six humidity-ratio lines.
double XStep(const ChartRange& range);
double YStep(const ChartRange& range);

// The range widened, to the next round value, so that it holds `point`.
ChartRange IncludePoint(ChartRange range, ChartPoint point);

// How far a chart widens for a state, in the user's units: dry bulb -100 to 200 °C, humidity
// ratio 0 to 1 kg/kg(DA). A state beyond (almost pure steam, air hotter than any process) is
// marked at the edge, so that the axes keep a range whose labels can be read.
ChartRange ChartLimits(const UnitSettings& units);
// The point brought within the range, axis by axis.
ChartPoint ClampedTo(const ChartRange& range, ChartPoint point);

}  // namespace vaporin
