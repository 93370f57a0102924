#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/unit_settings.h"

namespace vaporin {

// The base titles in their fixed order, in the current language: the hint, then the rows.
enum BaseTitle : size_t {
  TitleHint,
  TitleDryBulb,
  TitleRelativeHumidity,
  TitleSpecificHumidity,
  TitleDewPoint,
  TitleEnthalpy,
  TitleWetBulb,
  TitleSpecificVolume,
  TitleAbsoluteHumidity,
  BaseTitleCount,
};
using BaseTitles = std::array<std::string, BaseTitleCount>;

struct UnitCaptions {
  std::string DryBulb;
  std::string RelativeHumidity;
  std::string AbsoluteHumidity;
  std::string SpecificHumidity;
  std::string DewPoint;
  std::string Enthalpy;
  std::string WetBulb;
  std::string SpecificVolume;
  // The hint with the atmospheric pressure in the pressure unit; none for an unknown unit.
  std::optional<std::string> Pressure;
};

// Each row's title followed by its unit in brackets ("[%]:" for relative humidity). A unit
// outside its table shows the first unit's name, since such values are shown unconverted.
UnitCaptions ComposeUnitCaptions(const BaseTitles& titles, const UnitSettings& units,
                                 std::string_view separator);

}  // namespace vaporin
