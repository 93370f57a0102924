#include "i18n/translator.h"

#include <algorithm>

#include "i18n/translation_data.h"

namespace vaporin {

namespace {
constexpr std::string_view SourceCode = "en";

}  // namespace

void Translator::BuildTranslationTable() {
  codes_.clear();
  sources_.clear();
  pairs_.clear();
  for (const LanguageEntry& language : Languages) codes_.emplace_back(language.Code);
  for (const TranslationRow& row : TranslationRows) sources_.emplace_back(row[ColumnEn]);
  for (const LanguageEntry& language : Languages) {
    if (language.Code == SourceCode) continue;
    PairList list{std::string(language.Code), {}};
    for (const TranslationRow& row : TranslationRows) {
      list.Translations.emplace_back(row[language.Column]);
    }
    pairs_.push_back(std::move(list));
  }
}

const Translator::PairList* Translator::Find(std::string_view code) const {
  for (const PairList& list : pairs_) {
    if (list.Code == code) return &list;
  }
  return nullptr;
}

void Translator::Restore(std::vector<std::string>& texts) {
  const PairList* inForce = Find(inForce_);
  if (inForce == nullptr) return;
  for (std::string& text : texts) {
    const auto& translations = inForce->Translations;
    const auto found = std::find(translations.begin(), translations.end(), text);
    if (found != translations.end()) text = sources_[found - translations.begin()];
  }
  inForce_.clear();
}

void Translator::SelectLanguage(std::string_view code, std::vector<std::string>& texts) {
  if (std::find(codes_.begin(), codes_.end(), code) == codes_.end()) return;
  Restore(texts);
  const PairList* selected = Find(code);
  if (selected == nullptr) return;  // English: the source texts are back
  inForce_ = selected->Code;
  for (std::string& text : texts) {
    const auto found = std::find(sources_.begin(), sources_.end(), text);
    if (found != sources_.end()) text = selected->Translations[found - sources_.begin()];
  }
}

}  // namespace vaporin
