#include "app/error_message.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vaporin {
namespace {

struct TextCase {
  const char* name;
  const char* message;
  const char* shown;
  friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class ErrorBoxTextTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(ErrorBoxTextTable, AppendsAFullStopAfterCharactersAboveIt) {
  EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    LastCharacter, ErrorBoxTextTable,
    ::testing::Values(TextCase{"Letter", "Cannot write the file", "Cannot write the file."},
                      TextCase{"FullStop", "Done.", "Done."},
                      TextCase{"ExclamationMark", "Stop!", "Stop!"},
                      TextCase{"ClosingParenthesis", "Failed (disk)", "Failed (disk)"},
                      TextCase{"Hyphen", "a-", "a-"}, TextCase{"QuestionMark", "Why?", "Why?."},
                      TextCase{"Slash", "C:/", "C:/."}, TextCase{"Digit", "Error 5", "Error 5."},
                      TextCase{"NonAscii", "Fehler beim Schreiben: ä", "Fehler beim Schreiben: ä."},
                      TextCase{"Empty", "", ""}),
    [](const auto& info) { return info.param.name; });

std::exception_ptr Chain() {
  try {
    try {
      throw std::runtime_error("Access denied");
    } catch (...) {
      std::throw_with_nested(std::runtime_error("Cannot save the settings"));
    }
  } catch (...) {
    return std::current_exception();
  }
}

TEST(InnermostMessage, TakesTheErrorThatCausedTheOthers) {
  EXPECT_EQ(InnermostMessage(Chain()), "Access denied");
  EXPECT_EQ(InnermostMessage(std::make_exception_ptr(std::logic_error("plain"))), "plain");
}

TEST(InnermostMessage, GivesNoMessageForAnErrorOfAnotherType) {
  EXPECT_EQ(InnermostMessage(std::make_exception_ptr(42)), "");
}

}  // namespace
}  // namespace vaporin
