#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace vaporin {

// The message of the innermost error of a chain of nested std::exceptions; an error of any
// other type has no message.
std::string InnermostMessage(const std::exception_ptr& error);

// The text of the error box: the message with "." appended when its last character has a
// code above that of "."; an empty message stays empty.
std::string ErrorBoxText(std::string_view message);

}  // namespace vaporin
