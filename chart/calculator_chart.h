#pragma once

#include <string>

#include "chart/psychro_chart.h"
#include "core/calculator.h"

// The chart of what the calculator shows: its pressure, units, separator and language.
namespace vaporin {

// `title` is the chart's name in the current language; the axes take the rows' titles.
void FollowCalculator(PsychroChart& chart, const Calculator& calculator, const BaseTitles& titles,
                      const std::string& title);

// The state on show, labelled with its dry bulb and relative humidity as the boxes show them;
// none without a full result.
std::optional<ChartMark> MarkOf(const Calculator& calculator, const BoxTexts& shown);

// The dry bulb, relative humidity and humidity ratio of a point, a title and value a quantity,
// with the boxes' digits and units.
std::string PointReadout(const Calculator& calculator, const BaseTitles& titles,
                         const ChartState& state);

}  // namespace vaporin
