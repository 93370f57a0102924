#include "units/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vaporin {
namespace {

struct FormatCase {
  const char* name;
  NumberPattern pattern;
  double value;
  const char* text;
  friend void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }
};

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, FormatsWithAPoint) {
  EXPECT_EQ(FormatNumber(GetParam().pattern, GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatTable,
    ::testing::Values(
        FormatCase{"TwoDecimals", NumberPattern::TwoDecimals, 25, "25.00"},
        FormatCase{"RoundsToNearest", NumberPattern::TwoDecimals, 13.779961649999986, "13.78"},
        FormatCase{"Negative", NumberPattern::TwoDecimals, -3.456, "-3.46"},
        FormatCase{"NegativeZeroLosesItsSign", NumberPattern::TwoDecimals, -0.001, "0.00"},
        FormatCase{"NoGrouping", NumberPattern::TwoDecimals, 1234567.891, "1234567.89"},
        FormatCase{"FourDecimals", NumberPattern::FourDecimals, 0.8403281506958505, "0.8403"},
        FormatCase{"FiveDecimals", NumberPattern::FiveDecimals, 0.0123, "0.01230"},
        FormatCase{"ScientificLarge", NumberPattern::Scientific, 12345.6, "1.2e+04"},
        FormatCase{"ScientificSmall", NumberPattern::Scientific, 0.000005, "5.0e-06"},
        FormatCase{"ScientificZero", NumberPattern::Scientific, 0, "0.0e+00"},
        FormatCase{"ScientificRounds", NumberPattern::Scientific, 1.76e98, "1.8e+98"},
        FormatCase{"ScientificHugeExponent", NumberPattern::Scientific, 2e300, "2.0e+300"}),
    [](const auto& info) { return info.param.name; });

TEST(LocalizeNumberText, PutsTheUsersSeparatorIntoEveryForm) {
  EXPECT_EQ(LocalizeNumberText("0.50", ","), "0,50");
  EXPECT_EQ(LocalizeNumberText("5.0e-06", ","), "5,0e-06");
  EXPECT_EQ(LocalizeNumberText("25.00", "."), "25.00");
  EXPECT_EQ(LocalizeNumberText("1.5", "\xD9\xAB"),
            "1\xD9\xAB"
            "5");  // Arabic separator U+066B
}

struct ParseCase {
  const char* name;
  std::string_view text;
  const char* separator;
  std::optional<double> value;
  friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }
};

class ParseTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, ReadsExactlyTheGrammar) {
  const ParseCase& c = GetParam();
  const std::optional<double> value = ParseNumberText(c.text, c.separator);
  ASSERT_EQ(value.has_value(), c.value.has_value()) << '"' << c.text << '"';
  if (value) {
    EXPECT_DOUBLE_EQ(*value, *c.value);
  }
  EXPECT_EQ(IsNumberText(c.text, c.separator), c.value.has_value());
}

constexpr std::nullopt_t NotANumber = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseTable,
    ::testing::Values(
        ParseCase{"CommaUserTypesComma", "25,5", ",", 25.5},
        ParseCase{"CommaUserTypesPoint", "25.5", ",", 25.5},
        ParseCase{"CommaUserGroupedThousands", "1,234.5", ",", NotANumber},
        ParseCase{"PointUserTypesComma", "25,5", ".", NotANumber},
        ParseCase{"ArabicSeparator",
                  "1\xD9\xAB"
                  "5",
                  "\xD9\xAB", 1.5},
        ParseCase{"FullWidthDigits", "\xEF\xBC\x92\xEF\xBC\x95", ".", 25},
        ParseCase{"FullWidthFullStop", "\xEF\xBC\x92\xEF\xBC\x8E\xEF\xBC\x95", ",", 2.5},
        ParseCase{"FullWidthCommaIsNotMapped",
                  "2\xEF\xBC\x8C"
                  "5",
                  ",", NotANumber},
        ParseCase{"LonePoint", ".", ".", 0}, ParseCase{"PointThenDigit", ".5", ".", 0.5},
        ParseCase{"DigitThenPoint", "5.", ".", 5}, ParseCase{"SignAlone", "-", ".", NotANumber},
        ParseCase{"PlusSign", "+7", ".", 7}, ParseCase{"TwoSigns", "+-7", ".", NotANumber},
        ParseCase{"ExponentLetterFirst", "e5", ".", NotANumber},
        ParseCase{"Empty", "", ".", NotANumber}, ParseCase{"Blanks", "   ", ".", NotANumber},
        ParseCase{"ExponentWithoutDigits", "1e", ".", 1},
        ParseCase{"ExponentSignWithoutDigits", "1e+", ".", 1},
        ParseCase{"CapitalExponent", "1E3", ".", 1000},
        ParseCase{"NegativeExponent", "-1.5e-3", ".", -0.0015},
        ParseCase{"ExponentLeadingZeros", "1e0000000003", ".", 1000},
        ParseCase{"ExponentDigitsPastTheReadLimit", "1e5000", ".", NotANumber},
        ParseCase{"Overflow", "1e400", ".", NotANumber},
        ParseCase{"OverflowAtTheReadLimit", "1e500", ".", NotANumber},
        ParseCase{"UnderflowReadsZero", "1e-400", ".", 0},
        ParseCase{"LeadingAndTrailingBlanks", "  12  ", ".", 12},
        ParseCase{"Tab", "\t12", ".", NotANumber}, ParseCase{"InnerBlank", "1 2", ".", NotANumber},
        ParseCase{"Hexadecimal", "0x10", ".", NotANumber},
        ParseCase{"Infinity", "inf", ".", NotANumber},
        ParseCase{"NotANumberWord", "nan", ".", NotANumber},
        ParseCase{"TrailingLetter", "12a", ".", NotANumber},
        ParseCase{"EmbeddedNul",
                  std::string_view("1\0"
                                   "2",
                                   3),
                  ".", NotANumber}),
    [](const auto& info) { return info.param.name; });

TEST(ParseNumberText, KeepsTheSignOfAMinusLonePoint) {
  const std::optional<double> value = ParseNumberText("-.", ".");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, 0.0);
  EXPECT_TRUE(std::signbit(*value));
}

TEST(ParseNumberText, ReadsWhatFormatAndLocalizeWrote) {
  for (const double value : {25.0, -40.0, 0.5, 0.00726, 38.535, 12345.6, 5e-6}) {
    for (const NumberPattern pattern :
         {NumberPattern::TwoDecimals, NumberPattern::FiveDecimals, NumberPattern::Scientific}) {
      const std::string shown = LocalizeNumberText(FormatNumber(pattern, value), ",");
      const std::optional<double> back = ParseNumberText(shown, ",");
      ASSERT_TRUE(back.has_value()) << shown;
      EXPECT_EQ(FormatNumber(pattern, *back), FormatNumber(pattern, value));
    }
  }
}

// A text as files and the display write it ("-12.5", "1e-3") is read directly, without the
// grammar's copies; it must read as the grammar reads it, which a leading blank forces. Random
// digits, points and exponents, with the edges: underflow, overflow, long mantissas, exponents
// of one to four digits, upper-case E, a plus sign in the exponent.
TEST(ParseNumberText, ReadsAPlainTextAsTheGrammarDoes) {
  std::mt19937 random(3);
  auto digits = [&](int most) {
    std::string text(std::uniform_int_distribution<int>(0, most)(random), '0');
    for (char& c : text) c = static_cast<char>('0' + random() % 10);
    return text;
  };
  std::vector<std::string> texts = {"0",      "-0",     "1e-400", "4e-320", "1e308", "2e308",
                                    "1.",     ".5",     "-.5",    "1e",     "1e+5",  "1E5",
                                    "1e0005", "1e-999", "-",      ".",      "1e5000"};
  for (int i = 0; i < 200000; ++i) {
    std::string text = (random() % 2 ? "-" : "") + digits(20);
    if (random() % 2) text += '.' + digits(20);
    if (random() % 2) {
      text += random() % 2 ? 'e' : 'E';
      if (random() % 3 == 0) text += random() % 2 ? '-' : '+';
      text += digits(4);
    }
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    const std::optional<double> grammar = ParseNumberText(" " + text, ".");
    const std::optional<double> direct = ParseNumberText(text, ".");
    ASSERT_EQ(direct.has_value(), grammar.has_value()) << text;
    ASSERT_EQ(IsNumberText(text, "."), grammar.has_value()) << text;
    if (grammar) {
      ASSERT_EQ(std::signbit(*direct), std::signbit(*grammar)) << text;
      ASSERT_EQ(*direct, *grammar) << text;
    }
  }
}

}  // namespace
}  // namespace vaporin
