#pragma once

#include <cstdint>
#include <string>

namespace vaporin {

// The user's language as the system reports it; every field may be empty.
struct SystemLanguage {
  std::string IsoName;     // ISO 639, such as "zh"
  std::string NativeName;  // such as "中文(繁體)"
  std::string Script;      // ISO 15924, such as "Hant"
  std::string Territory;   // ISO 3166, such as "TW"
};

struct LanguageChoice {
  std::string Code;  // one of the nine codes, or the system's own name, or empty
  int32_t Index;     // position in the language list
};

// The chosen language index when it is one of the list, else the system's language (English
// when the list does not have it).
LanguageChoice ChooseLanguage(int32_t languageIndex, const SystemLanguage& system);

}  // namespace vaporin
