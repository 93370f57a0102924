#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_range.h"
#include "engine/psychro_params.h"
#include "settings/unit_settings.h"

// The lines a chart shows, computed by the engine at its pressure, in the user's units.
namespace vaporin {

enum class LineKind { Saturation, RelativeHumidity, WetBulb, SpecificVolume };

// A line as points in chart values. Relative-humidity lines run left to right and end where
// they leave the range; wet-bulb lines start on the saturation line, specific-volume lines on
// the dry-air axis.
struct ChartLine {
  LineKind Kind;
  std::vector<ChartPoint> Points;
  std::string Label;  // the value it stands for, in the user's units and decimal separator
};

std::vector<ChartLine> ComputeChartLines(PsychroParams params, const UnitSettings& units,
                                         const ChartRange& range, std::string_view separator);

// The state at a point of the chart in engine units; none above saturation, below dry air or
// where the engine has no state.
struct ChartState {
  double DryBulbC;
  double HumidityRatio;     // kg/kg(DA)
  double RelativeHumidity;  // %
};
std::optional<ChartState> StateAt(PsychroParams params, const UnitSettings& units,
                                  ChartPoint point);

}  // namespace vaporin
