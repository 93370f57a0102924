#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/psychro_params.h"
#include "i18n/translation_data.h"
#include "settings/unit_captions.h"

namespace vaporin {

// The eight edit boxes, in the window's row order (which is also the Tab order).
enum class EditBox : size_t { DB, RH, VH, SH, DP, ENH, WB, SV };
inline constexpr size_t EditBoxCount = 8;

inline constexpr size_t IndexOf(EditBox box) { return static_cast<size_t>(box); }

// Everything the program knows of a box, one row per box in row order.
struct BoxInfo {
  EditBox Box;
  std::string_view Name;  // the control's name
  // The engine's quantity. A dew point counts as the humidity ratio: the two boxes form one
  // group, of which only one is an input.
  QuantityIndex Quantity;
  BaseTitle Title;                     // its place in the list of base titles
  TextId Text;                         // its English title
  std::string UnitCaptions::*Caption;  // also what screen readers call the box
};

inline constexpr std::array<BoxInfo, EditBoxCount> BoxTable = {{
    {EditBox::DB, "DB", QuantityDB, TitleDryBulb, TextId::DryBulb, &UnitCaptions::DryBulb},
    {EditBox::RH, "RH", QuantityRH, TitleRelativeHumidity, TextId::RelativeHumidity,
     &UnitCaptions::RelativeHumidity},
    {EditBox::VH, "VH", QuantityVH, TitleAbsoluteHumidity, TextId::AbsoluteHumidity,
     &UnitCaptions::AbsoluteHumidity},
    {EditBox::SH, "SH", QuantitySH, TitleSpecificHumidity, TextId::SpecificHumidity,
     &UnitCaptions::SpecificHumidity},
    {EditBox::DP, "DP", QuantitySH, TitleDewPoint, TextId::DewPoint, &UnitCaptions::DewPoint},
    {EditBox::ENH, "ENH", QuantityENH, TitleEnthalpy, TextId::Enthalpy, &UnitCaptions::Enthalpy},
    {EditBox::WB, "WB", QuantityWB, TitleWetBulb, TextId::WetBulb, &UnitCaptions::WetBulb},
    {EditBox::SV, "SV", QuantitySV, TitleSpecificVolume, TextId::SpecificVolume,
     &UnitCaptions::SpecificVolume},
}};

inline constexpr const BoxInfo& InfoOf(EditBox box) { return BoxTable[IndexOf(box)]; }

// The base titles in English, in their list's order: the hint, then each box's title.
BaseTitles EnglishBaseTitles();

// The boxes' texts as UTF-8, indexed by EditBox.
using BoxTexts = std::array<std::string, EditBoxCount>;

inline std::string& TextOf(BoxTexts& texts, EditBox box) { return texts[IndexOf(box)]; }
inline const std::string& TextOf(const BoxTexts& texts, EditBox box) { return texts[IndexOf(box)]; }

}  // namespace vaporin
