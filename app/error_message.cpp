#include "app/error_message.h"

namespace vaporin {

std::string InnermostMessage(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    try {
      std::rethrow_if_nested(e);
    } catch (...) {
      return InnermostMessage(std::current_exception());
    }
    return e.what();
  } catch (...) {
    return {};
  }
}

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  // A last byte of 0x80 or above ends a UTF-8 sequence, whose code point is above "." too.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace vaporin
