#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-16 text, without its byte-order mark, to UTF-8 and back.
namespace vaporin {

enum class ByteOrder { LittleEndian, BigEndian };

// None for an odd number of bytes or a lone surrogate.
std::optional<std::string> Utf16ToUtf8(std::string_view bytes, ByteOrder order);
// The inverse of Utf16ToUtf8 for the UTF-8 it gives; none for text that is not UTF-8.
std::optional<std::string> Utf8ToUtf16(std::string_view text, ByteOrder order);

}  // namespace vaporin
