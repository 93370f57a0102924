#pragma once

#include <string>
#include <string_view>

#include "core/edit_boxes.h"
#include "engine/psychro_params.h"
#include "settings/unit_settings.h"
#include "units/number_text.h"

namespace vaporin {

// The number patterns of the results display, set once at start-up.
struct DisplayFormats {
  NumberPattern DryBulb;
  NumberPattern RelativeHumidity;  // also SH in g/kg(DA) and gr/lb(DA)
  NumberPattern HumidityRatioFixed;
  NumberPattern HumidityRatioScientific;
  NumberPattern EnthalpyFixed;
  NumberPattern EnthalpyScientific;
  NumberPattern WetBulb;
  NumberPattern SpecificVolumeFixed;
  NumberPattern SpecificVolumeScientific;
  NumberPattern DewPoint;
  NumberPattern AbsoluteHumidity;
};

DisplayFormats StandardDisplayFormats();

// The unit a box is shown in, as the window names it ("%" for relative humidity).
std::string_view UnitNameOf(EditBox box, const UnitSettings& units);

// The value each box shows, in the user's units, indexed by EditBox.
using BoxValues = std::array<double, EditBoxCount>;
BoxValues DisplayValues(const AirState& state, const UnitSettings& units, double kcalToKJ);

// The text each box shows for the air state, in the user's units and with the user's decimal
// separator.
BoxTexts ResultTexts(const AirState& state, const UnitSettings& units,
                     const DisplayFormats& formats, std::string_view separator, double kcalToKJ);

// Whether every text is one the number parser takes back: a value too large for its unit shows
// as something else.
bool ShowsAsNumbers(const BoxTexts& texts, std::string_view separator);

}  // namespace vaporin
