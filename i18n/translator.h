#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vaporin {

// Whole-text translation of the interface: each source text maps to one translation per
// language, and selecting a language rewrites every text that equals a source text (or a
// translation of the language in force) in place.
class Translator {
 public:
  // Registers the languages and their pairs; before this, selecting changes nothing.
  void BuildTranslationTable();

  // "en" puts the source texts back; another registered code does that, then translates; an
  // unknown or empty code changes nothing.
  void SelectLanguage(std::string_view code, std::vector<std::string>& texts);

  // The code whose translations are shown; empty when the source texts are.
  const std::string& LanguageInForce() const { return inForce_; }

 private:
  struct PairList {
    std::string Code;
    std::vector<std::string> Translations;  // aligned with sources_
  };

  const PairList* Find(std::string_view code) const;
  void Restore(std::vector<std::string>& texts);

  std::vector<std::string> codes_;
  std::vector<std::string> sources_;
  std::vector<PairList> pairs_;
  std::string inForce_;
};

}  // namespace vaporin
