#pragma once

#include <string>

#include "cli/options.h"
#include "core/edit_boxes.h"
#include "core/results_display.h"
#include "settings/unit_settings.h"

namespace vaporin::cli {

// A solved state: the window's box texts (with ".") and the values behind them.
struct SolvedState {
  BoxTexts Shown;
  BoxValues Values;
};

// A box's name on the command line: "db", "rh", ...
std::string QuantityName(EditBox box);

// "db,rh,vh,sh,dp,enh,wb,sv": the boxes' names in row order.
std::string QuantityNamesCsv();

// One quantity's cell: the box's text, or the shortest text that reads back to the same double.
std::string CellText(const SolvedState& state, EditBox box, Precision digits);
// The same appended to `out`, as a batch writes its rows.
void AppendCellText(std::string& out, const SolvedState& state, EditBox box, Precision digits);

// The whole output of one state in the chosen format, ending with a line break.
std::string FormatState(const SolvedState& state, const UnitSettings& units, OutputFormat format,
                        Precision digits);

}  // namespace vaporin::cli
