#include "i18n/language_choice.h"

#include <algorithm>
#include <cctype>

#include "i18n/translation_data.h"

namespace vaporin {

namespace {
constexpr int32_t EnglishIndex = 1;
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
  if (languageIndex >= 0 && languageIndex < static_cast<int32_t>(Languages.size())) {
    return {std::string(Languages[static_cast<size_t>(languageIndex)].Code), languageIndex};
  }
  LanguageChoice choice{system.IsoName, EnglishIndex};
  if (choice.Code == "zh") choice.Code = IsTraditionalChinese(system) ? "zh_tw" : "zh_cn";
  if (EqualsIgnoringCase(choice.Code, "jp")) choice.Code = "ja";
  for (size_t i = 0; i < Languages.size(); ++i) {
    if (Languages[i].Code == choice.Code) choice.Index = static_cast<int32_t>(i);
  }
  return choice;
}

}  // namespace vaporin
