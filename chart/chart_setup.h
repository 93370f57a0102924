#pragma once

#include <string>

#include "chart/psychro_chart.h"
#include "core/solving.h"

// The chart under the user's preferences (pressure, units, separator), and the state on show.
namespace vaporin {

// `title` is the chart's name in the current language; the axes take the rows' titles.
void SetUpChart(PsychroChart& chart, const Preferences& preferences, const BaseTitles& titles,
                const std::string& title);

// A solved state, labelled with its dry bulb and relative humidity as its boxes show them.
ChartMark MarkOf(const AirState& state, const BoxTexts& shown, const Preferences& preferences);

// The dry bulb, relative humidity and humidity ratio of a point, a title and value a quantity,
// with the boxes' digits and units: the state a click there enters, as it is solved.
std::string PointReadout(const Preferences& preferences, const BaseTitles& titles,
                         const ChartState& state);

}  // namespace vaporin
