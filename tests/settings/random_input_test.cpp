// Arbitrary bytes fed to the INI reader and the number parser: nothing may crash, hang or
// give a non-finite number. Run under the sanitizer build in CI.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "settings/ini_file.h"
#include "units/number_text.h"

namespace vaporin {
namespace {

// Mostly characters the grammars care about, with any byte now and then.
std::string RandomText(std::mt19937& random, size_t maxLength) {
  static constexpr std::string_view Interesting = "0123456789+-.,eE $xX[]=;\r\n\t\xEF\xBC\x8E\x90";
  std::uniform_int_distribution<size_t> length(0, maxLength);
  std::uniform_int_distribution<int> pick(0, 9);
  std::uniform_int_distribution<size_t> fromInteresting(0, Interesting.size() - 1);
  std::uniform_int_distribution<int> anyByte(0, 255);
  std::string text(length(random), '\0');
  for (char& c : text) {
    c = pick(random) < 8 ? Interesting[fromInteresting(random)]
                         : static_cast<char>(anyByte(random));
  }
  return text;
}

TEST(RandomInput, NumberParserAnswersEveryTextWithAFiniteNumberOrNone) {
  std::mt19937 random(20261210);
  for (int i = 0; i < 50000; ++i) {
    const std::string text = RandomText(random, 40);
    for (const char* separator : {".", ","}) {
      const std::optional<double> value = ParseNumberText(text, separator);
      if (value) {
        ASSERT_TRUE(std::isfinite(*value)) << text;
      }
    }
  }
}

TEST(RandomInput, IniReaderReadsAnyBytesAndWritesAStableFile) {
  std::mt19937 random(42);
  for (int i = 0; i < 5000; ++i) {
    const std::string text = "[setting]\n" + RandomText(random, 300);
    IniFile file = IniFile::FromText(text);
    (void)file.ReadInteger("setting", "te", 0);
    file.WriteInteger("setting", "pos_left", i);
    const std::string written = file.ToText();
    // What it wrote reads back to the same file.
    ASSERT_EQ(IniFile::FromText(written).ToText(), written);
    ASSERT_EQ(IniFile::FromText(written).ReadInteger("setting", "pos_left", -1), i);
  }
}

}  // namespace
}  // namespace vaporin
