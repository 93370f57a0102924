#include "i18n/translator.h"

#include <gtest/gtest.h>

#include "i18n/explanations.h"
#include "i18n/language_choice.h"
#include "i18n/title_text.h"
#include "i18n/translation_data.h"

namespace vaporin {
namespace {

std::vector<std::string> Column(TranslationColumn column) {
  std::vector<std::string> texts;
  for (const TranslationRow& row : TranslationRows) texts.emplace_back(row[column]);
  return texts;
}

struct LanguageColumn {
  const char* code;
  TranslationColumn column;
};

constexpr LanguageColumn Translated[] = {
    {"de", ColumnDe}, {"es", ColumnEs}, {"fr", ColumnFr},      {"it", ColumnIt},
    {"ja", ColumnJa}, {"ru", ColumnRu}, {"zh_cn", ColumnZhCn}, {"zh_tw", ColumnZhTw},
};

class TranslatorTest : public ::testing::Test {
 protected:
  void SetUp() override { translator_.BuildTranslationTable(); }
  Translator translator_;
};

TEST_F(TranslatorTest, TranslatesEverySourceTextIntoEachLanguageAndBack) {
  for (const LanguageColumn& language : Translated) {
    std::vector<std::string> texts = Column(ColumnEn);
    translator_.SelectLanguage(language.code, texts);
    EXPECT_EQ(texts, Column(language.column)) << language.code;
    EXPECT_EQ(translator_.LanguageInForce(), language.code);
    translator_.SelectLanguage("en", texts);
    EXPECT_EQ(texts, Column(ColumnEn)) << language.code;
    EXPECT_EQ(translator_.LanguageInForce(), "");
  }
}

TEST_F(TranslatorTest, GoesFromLanguageToLanguageThroughAllNineAndEndsInEnglish) {
  std::vector<std::string> texts = Column(ColumnEn);
  texts.push_back("Vaporin");  // a text of no table row is never touched
  for (const char* code : {"ja", "de", "es", "fr", "it", "ru", "zh_cn", "zh_tw", "en"}) {
    translator_.SelectLanguage(code, texts);
  }
  std::vector<std::string> expected = Column(ColumnEn);
  expected.push_back("Vaporin");
  EXPECT_EQ(texts, expected);
}

TEST_F(TranslatorTest, SwitchesFromJapaneseToGermanDirectly) {
  std::vector<std::string> texts = {" Temperature", " Atomospheric", "Cancel"};
  translator_.SelectLanguage("ja", texts);
  EXPECT_EQ(texts[0], " \u3000温度 T");
  translator_.SelectLanguage("de", texts);
  EXPECT_EQ(texts, (std::vector<std::string>{" Temperatur", " Luftdruck", "Abbrechen"}));
}

TEST_F(TranslatorTest, KeepsTheSpanishPressureRowAndReselectsTheSameTexts) {
  std::vector<std::string> texts = {" Atomospheric", "Save"};
  translator_.SelectLanguage("es", texts);
  translator_.SelectLanguage("es", texts);
  EXPECT_EQ(texts, (std::vector<std::string>{" Atomospheric", "Guardar"}));
  translator_.SelectLanguage("en", texts);
  EXPECT_EQ(texts, (std::vector<std::string>{" Atomospheric", "Save"}));
}

TEST_F(TranslatorTest, AnUnknownOrEmptyCodeChangesNothing) {
  std::vector<std::string> texts = {"Save"};
  translator_.SelectLanguage("ru", texts);
  for (const char* code : {"pt", "", "EN", "zh"}) {
    translator_.SelectLanguage(code, texts);
    EXPECT_EQ(texts[0], "Сохранить") << code;
    EXPECT_EQ(translator_.LanguageInForce(), "ru");
  }
}

TEST(Translator, ChangesNothingBeforeItsTableIsBuilt) {
  Translator translator;
  std::vector<std::string> texts = {"Save"};
  translator.SelectLanguage("de", texts);
  EXPECT_EQ(texts[0], "Save");
}

TEST(TranslationData, KeepsTheCharactersThatAreEasyToLose) {
  EXPECT_EQ(TranslationRows[0][ColumnJa].substr(0, 3), "\uff12");
  for (size_t row = 1; row <= 10; ++row) {
    EXPECT_EQ(TranslationRows[row][ColumnJa].substr(0, 4), " \u3000") << row;
  }
  EXPECT_EQ(TranslationRows[8][ColumnEn], " Atomospheric");
  EXPECT_EQ(TranslationRows[8][ColumnRu].substr(0, 2), " A");  // Latin A, then Cyrillic
  EXPECT_EQ(TranslationRows[0][ColumnZhCn].substr(0, 2), "2 ");
  EXPECT_EQ(TranslationRows[0][ColumnZhTw].substr(0, 2), "2 ");
  EXPECT_EQ(Languages[6].Name.substr(0, 1), "P");  // Latin P, then Cyrillic
  // Within a language no two source texts share a translation.
  for (size_t column = ColumnDe; column < TranslationColumnCount; ++column) {
    for (size_t a = 0; a < SourceTextCount; ++a) {
      for (size_t b = a + 1; b < SourceTextCount; ++b) {
        EXPECT_NE(TranslationRows[a][column], TranslationRows[b][column]) << column;
      }
    }
  }
}

struct ChoiceCase {
  const char* name;
  int32_t index;
  SystemLanguage system;
  const char* code;
  int32_t chosenIndex;
  friend void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }
};

class ChoiceTable : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceTable, TakesTheSavedIndexOrTheSystemsLanguage) {
  const ChoiceCase& c = GetParam();
  const LanguageChoice choice = ChooseLanguage(c.index, c.system);
  EXPECT_EQ(choice.Code, c.code);
  EXPECT_EQ(choice.Index, c.chosenIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ChoiceTable,
    ::testing::Values(
        ChoiceCase{"SavedGerman", 0, {"ja", "", "", ""}, "de", 0},
        ChoiceCase{"SavedJapanese", 5, {}, "ja", 5},
        ChoiceCase{"SavedTraditionalChinese", 8, {}, "zh_tw", 8},
        ChoiceCase{"SystemGerman", 100, {"de", "Deutsch", "", "DE"}, "de", 0},
        ChoiceCase{"SystemEnglish", 100, {"en", "English", "", "US"}, "en", 1},
        ChoiceCase{"SystemSpanish", 100, {"es", "", "", ""}, "es", 2},
        ChoiceCase{"SystemFrench", 100, {"fr", "", "", ""}, "fr", 3},
        ChoiceCase{"SystemItalian", 100, {"it", "", "", ""}, "it", 4},
        ChoiceCase{"SystemJapanese", 100, {"ja", "", "", ""}, "ja", 5},
        ChoiceCase{"SystemRussian", 100, {"ru", "", "", ""}, "ru", 6},
        ChoiceCase{"SystemJp", 100, {"jp", "", "", ""}, "ja", 5},
        ChoiceCase{"SystemJpInCapitals", 100, {"JP", "", "", ""}, "ja", 5},
        ChoiceCase{"ChineseTraditionalByName", 100, {"zh", "中文(繁體)", "", ""}, "zh_tw", 8},
        ChoiceCase{"ChineseTraditionalByScript", 100, {"zh", "中文", "Hant", ""}, "zh_tw", 8},
        ChoiceCase{"ChineseTraditionalByTerritory", 100, {"zh", "中文", "", "HK"}, "zh_tw", 8},
        ChoiceCase{"ChineseSimplified", 100, {"zh", "中文", "Hans", "CN"}, "zh_cn", 7},
        ChoiceCase{"Portuguese", 100, {"pt", "português", "", "BR"}, "pt", 1},
        ChoiceCase{"NoSystemAnswer", 100, {}, "", 1},
        ChoiceCase{"NegativeIndex", -1, {"it", "", "", ""}, "it", 4},
        ChoiceCase{"IndexPastTheList", 9, {"fr", "", "", ""}, "fr", 3}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vaporin

namespace vaporin {
namespace {

// Users' files hold these numbers: a language keeps its number for ever, whatever the order
// of the list.
TEST(Languages, KeepTheNumbersStoredInSettingsFiles) {
  const std::pair<std::string_view, int32_t> stored[] = {{"de", 0}, {"en", 1},    {"es", 2},
                                                         {"fr", 3}, {"it", 4},    {"ja", 5},
                                                         {"ru", 6}, {"zh_cn", 7}, {"zh_tw", 8}};
  for (const auto& [code, index] : stored) {
    const LanguageEntry* language = FindLanguage(code);
    ASSERT_NE(language, nullptr) << code;
    EXPECT_EQ(language->StoredIndex, index) << code;
    EXPECT_EQ(FindLanguage(index), language) << code;
  }
}

TEST(Languages, HaveTheirOwnCodeNameColumnAndNumber) {
  for (size_t a = 0; a < Languages.size(); ++a) {
    for (size_t b = a + 1; b < Languages.size(); ++b) {
      EXPECT_NE(Languages[a].Code, Languages[b].Code);
      EXPECT_NE(Languages[a].Name, Languages[b].Name);
      EXPECT_NE(Languages[a].Column, Languages[b].Column);
      EXPECT_NE(Languages[a].StoredIndex, Languages[b].StoredIndex);
    }
  }
  EXPECT_EQ(Languages.size(), TranslationColumnCount);
  EXPECT_EQ(FindLanguage("en")->Column, ColumnEn);
}

TEST(TranslationData, HasEveryTextInEveryLanguage) {
  for (const TranslationRow& row : TranslationRows) {
    for (const std::string_view text : row) EXPECT_FALSE(text.empty()) << row[ColumnEn];
  }
  EXPECT_EQ(SourceText(TextId::Altitude), " Altitude");
  EXPECT_EQ(SourceText(TextId::Atmospheric), " Atomospheric");
}

}  // namespace
}  // namespace vaporin

namespace vaporin {
namespace {

TEST(Explanations, ExplainEveryRowInEveryLanguage) {
  for (size_t a = 0; a < Explanations.size(); ++a) {
    for (const std::string_view text : Explanations[a].Texts) {
      EXPECT_FALSE(text.empty()) << SourceText(Explanations[a].Title);
    }
    for (size_t b = 0; b < a; ++b) EXPECT_NE(Explanations[a].Title, Explanations[b].Title);
  }
  EXPECT_EQ(ExplanationOf(TextId::DewPoint, "de").substr(0, 14), "Die Temperatur");
  EXPECT_EQ(ExplanationOf(TextId::DewPoint, "pt"), ExplanationOf(TextId::DewPoint, "en"));
  EXPECT_EQ(ExplanationOf(TextId::Save, "en"), "");
}

}  // namespace
}  // namespace vaporin

namespace vaporin {
namespace {

TEST(TrimmedTitle, DropsTheSpacesAndIdeographicSpacesThatPlaceATitle) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {" \u3000温度 T", "温度 T"},
      {" Atomospheric", "Atomospheric"},
      {"Dry Bulb Temperature ", "Dry Bulb Temperature"},
      {" \u3000 ", ""},
      {"", ""},
  };
  for (const auto& [title, trimmed] : cases) EXPECT_EQ(TrimmedTitle(title), trimmed) << title;
}

}  // namespace
}  // namespace vaporin
