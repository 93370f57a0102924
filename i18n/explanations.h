#pragma once

#include <array>
#include <string_view>

#include "i18n/translation_data.h"

namespace vaporin {

// One sentence explaining a quantity, in every language, for its row's tooltip.
struct Explanation {
  TextId Title;  // the row title it explains
  TranslationRow Texts;
};

extern const std::array<Explanation, 8> Explanations;

// The explanation of the quantity a row title names, in a language (English for a code not in
// the list); empty for a title without one.
std::string_view ExplanationOf(TextId title, std::string_view languageCode);

}  // namespace vaporin
