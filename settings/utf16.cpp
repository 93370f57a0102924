#include "settings/utf16.h"

#include <cstdint>

namespace vaporin {

namespace {
constexpr char32_t HighSurrogateFirst = 0xD800;
constexpr char32_t LowSurrogateFirst = 0xDC00;
constexpr char32_t SurrogateEnd = 0xE000;
constexpr char32_t SupplementaryFirst = 0x10000;
constexpr char32_t CodePointEnd = 0x110000;
constexpr int SurrogateBits = 10;
constexpr char32_t SurrogateMask = 0x3FF;

uint16_t UnitAt(std::string_view bytes, size_t i, ByteOrder order) {
  const auto first = static_cast<uint8_t>(bytes[i]);
  const auto second = static_cast<uint8_t>(bytes[i + 1]);
  return order == ByteOrder::LittleEndian ? static_cast<uint16_t>(first | second << 8)
                                          : static_cast<uint16_t>(first << 8 | second);
}

void AppendUnit(std::string& out, char32_t unit, ByteOrder order) {
  const auto high = static_cast<char>(unit >> 8 & 0xFF);
  const auto low = static_cast<char>(unit & 0xFF);
  if (order == ByteOrder::LittleEndian) {
    out += low;
    out += high;
  } else {
    out += high;
    out += low;
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < SupplementaryFirst) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The code point at `i`, advancing `i`; none for bytes that are not UTF-8 of a scalar value.
std::optional<char32_t> NextUtf8(std::string_view text, size_t& i) {
  const auto lead = static_cast<uint8_t>(text[i++]);
  if (lead < 0x80) return lead;
  int more = 0;
  char32_t c = 0;
  char32_t least = 0;
  if ((lead & 0xE0) == 0xC0) {
    more = 1, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    more = 2, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    more = 3, c = lead & 0x07, least = SupplementaryFirst;
  } else {
    return std::nullopt;
  }
  for (int k = 0; k < more; ++k) {
    if (i >= text.size() || (static_cast<uint8_t>(text[i]) & 0xC0) != 0x80) return std::nullopt;
    c = c << 6 | (static_cast<uint8_t>(text[i++]) & 0x3F);
  }
  if (c < least || c >= CodePointEnd || (c >= HighSurrogateFirst && c < SurrogateEnd)) {
    return std::nullopt;
  }
  return c;
}
}  // namespace

std::optional<std::string> Utf16ToUtf8(std::string_view bytes, ByteOrder order) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); i += 2) {
    const char32_t unit = UnitAt(bytes, i, order);
    if (unit < HighSurrogateFirst || unit >= SurrogateEnd) {
      AppendUtf8(out, unit);
      continue;
    }
    if (unit >= LowSurrogateFirst || i + 2 >= bytes.size()) return std::nullopt;
    const char32_t low = UnitAt(bytes, i + 2, order);
    if (low < LowSurrogateFirst || low >= SurrogateEnd) return std::nullopt;
    AppendUtf8(out, SupplementaryFirst + ((unit - HighSurrogateFirst) << SurrogateBits) +
                        (low - LowSurrogateFirst));
    i += 2;
  }
  return out;
}

std::optional<std::string> Utf8ToUtf16(std::string_view text, ByteOrder order) {
  std::string out;
  out.reserve(text.size() * 2);
  for (size_t i = 0; i < text.size();) {
    const std::optional<char32_t> c = NextUtf8(text, i);
    if (!c) return std::nullopt;
    if (*c < SupplementaryFirst) {
      AppendUnit(out, *c, order);
    } else {
      const char32_t v = *c - SupplementaryFirst;
      AppendUnit(out, HighSurrogateFirst + (v >> SurrogateBits), order);
      AppendUnit(out, LowSurrogateFirst + (v & SurrogateMask), order);
    }
  }
  return out;
}

}  // namespace vaporin
