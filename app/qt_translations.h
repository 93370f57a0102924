#pragma once

#include <QTranslator>
#include <string_view>

namespace vaporin {

// Qt's own words (a box's Undo, Cut, Paste; the file dialog) in the language in force, from the
// translations Qt ships; English is Qt's own.
class QtTranslations {
 public:
  QtTranslations() = default;
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;
  ~QtTranslations();

  // Switches to the language of the code ("de", "zh_cn"); whether Qt has its words.
  bool Select(std::string_view languageCode);

 private:
  QTranslator translator_;
  bool installed_ = false;
};

// The name Qt's translation files use for a language code: "zh_cn" is "zh_CN".
QString QtLanguageName(std::string_view languageCode);

}  // namespace vaporin
