#pragma once

#include <string>
#include <string_view>

namespace vaporin {

// A row's or a panel's title without the blanks that place it in its row: spaces, and the
// ideographic spaces of the Japanese titles, at either end. Every place that shows a title
// alone (the copied text, the chart's axes and readout, the screen readers' names) trims it so.
std::string TrimmedTitle(std::string_view title);

}  // namespace vaporin
