#pragma once

#include <string>
#include <string_view>

#include "app/edit_boxes.h"
#include "engine/psychro_params.h"
#include "settings/unit_settings.h"

namespace vaporin {

// The number patterns of the results display, set once at start-up.
struct DisplayFormats {
  std::string DryBulb;
  std::string RelativeHumidity;  // also SH in g/kg(DA) and gr/lb(DA)
  std::string HumidityRatioFixed;
  std::string HumidityRatioScientific;
  std::string EnthalpyFixed;
  std::string EnthalpyScientific;
  std::string WetBulb;
  std::string SpecificVolumeFixed;
  std::string SpecificVolumeScientific;
  std::string DewPoint;
  std::string AbsoluteHumidity;
};

DisplayFormats StandardDisplayFormats();

// The text each box shows for the air state, in the user's units and with the user's decimal
// separator.
BoxTexts ResultTexts(const AirState& state, const UnitSettings& units,
                     const DisplayFormats& formats, std::string_view separator, double kcalToKJ);

}  // namespace vaporin
