#include "i18n/language_choice.h"

#include <algorithm>
#include <cctype>

#include "i18n/translation_data.h"

namespace vaporin {

namespace {
constexpr std::string_view TraditionalChineseName = "中文(繁體)";

bool IsTraditionalChinese(const SystemLanguage& system) {
  return system.NativeName == TraditionalChineseName || system.Script == "Hant" ||
         system.Territory == "TW" || system.Territory == "HK" || system.Territory == "MO";
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}
}  // namespace

LanguageChoice ChooseLanguage(int32_t languageIndex, const SystemLanguage& system) {
  if (const LanguageEntry* saved = FindLanguage(languageIndex)) {
    return {std::string(saved->Code), languageIndex};
  }
  LanguageChoice choice{system.IsoName, FindLanguage("en")->StoredIndex};
  if (choice.Code == "zh") choice.Code = IsTraditionalChinese(system) ? "zh_tw" : "zh_cn";
  if (EqualsIgnoringCase(choice.Code, "jp")) choice.Code = "ja";
  if (const LanguageEntry* known = FindLanguage(choice.Code)) choice.Index = known->StoredIndex;
  return choice;
}

}  // namespace vaporin
