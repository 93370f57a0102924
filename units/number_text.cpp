#include "units/number_text.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace vaporin {

namespace {
constexpr std::string_view FullWidthFullStop = "\xEF\xBC\x8E";  // U+FF0E
// U+FF10..U+FF19 are EF BC 90..99 in UTF-8.
constexpr char FullWidthDigitLead1 = '\xEF';
constexpr char FullWidthDigitLead2 = '\xBC';
constexpr unsigned char FullWidthDigitZeroTail = 0x90;
// The exponent's digits are read until their value reaches this.
constexpr int ExponentReadLimit = 500;

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  size_t start = 0;
  for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, start)) {
    out.append(text.substr(start, at - start));
    out.append(to);
    start = at + from.size();
  }
  out.append(text.substr(start));
  return out;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatFixed(double value, int decimals) {
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (error != std::errc()) throw std::invalid_argument("number out of the formatting range");
  std::string text(buffer, end);
  // A negative value shown as nothing but zeros is shown without its minus sign.
  if (!text.empty() && text.front() == '-' &&
      text.find_first_of("123456789") == std::string::npos) {
    text.erase(0, 1);
  }
  return text;
}

namespace {
std::string FormatScientific(double value) {
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 1);
  if (error != std::errc()) throw std::invalid_argument("number out of the formatting range");
  return std::string(buffer, end);
}

// The parts of a number text that matched the grammar.
struct Scanned {
  bool negative = false;
  std::string_view integerDigits;
  std::string_view fractionDigits;
  bool exponentNegative = false;
  int exponent = 0;
};

std::optional<Scanned> Scan(std::string_view text) {
  Scanned s;
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && text[i] == ' ') ++i;
  };
  auto digitsFrom = [&](size_t start) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return text.substr(start, i - start);
  };

  skipBlanks();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) s.negative = text[i++] == '-';
  s.integerDigits = digitsFrom(i);
  bool point = false;
  if (i < text.size() && text[i] == '.') {
    point = true;
    s.fractionDigits = digitsFrom(++i);
  }
  if (s.integerDigits.empty() && s.fractionDigits.empty() && !point) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
      s.exponentNegative = text[i++] == '-';
    while (i < text.size() && IsDigit(text[i]) && s.exponent < ExponentReadLimit) {
      s.exponent = s.exponent * 10 + (text[i++] - '0');
    }
  }
  skipBlanks();
  if (i != text.size()) return std::nullopt;
  return s;
}

// Whether a value that does not fit a double is too small rather than too large: the decimal
// position of its first significant digit, shifted by the exponent, is below the point.
bool BelowRange(const Scanned& s) {
  long magnitude;
  const size_t firstInteger = s.integerDigits.find_first_not_of('0');
  if (firstInteger != std::string_view::npos) {
    magnitude = static_cast<long>(s.integerDigits.size() - firstInteger);
  } else {
    const size_t firstFraction = s.fractionDigits.find_first_not_of('0');
    magnitude = -static_cast<long>(firstFraction);
  }
  magnitude += s.exponentNegative ? -s.exponent : s.exponent;
  return magnitude < 0;
}
}  // namespace

std::string FormatNumber(NumberPattern pattern, double value) {
  switch (pattern) {
    case NumberPattern::TwoDecimals:
      return FormatFixed(value, 2);
    case NumberPattern::FourDecimals:
      return FormatFixed(value, 4);
    case NumberPattern::FiveDecimals:
      return FormatFixed(value, 5);
    case NumberPattern::Scientific:
      break;
  }
  return FormatScientific(value);
}

std::string LocalizeNumberText(std::string_view text, std::string_view separator) {
  if (separator == ".") return std::string(text);
  return ReplaceAll(text, ".", separator);
}

std::string NormalizeNumberText(std::string_view text, std::string_view separator) {
  std::string out = ReplaceAll(text, FullWidthFullStop, ".");
  std::string digits;
  digits.reserve(out.size());
  for (size_t i = 0; i < out.size(); ++i) {
    const auto tail = static_cast<unsigned char>(i + 2 < out.size() ? out[i + 2] : 0);
    if (out[i] == FullWidthDigitLead1 && i + 2 < out.size() && out[i + 1] == FullWidthDigitLead2 &&
        tail >= FullWidthDigitZeroTail && tail <= FullWidthDigitZeroTail + 9) {
      digits += static_cast<char>('0' + (tail - FullWidthDigitZeroTail));
      i += 2;
    } else {
      digits += out[i];
    }
  }
  if (separator.empty() || separator == ".") return digits;
  return ReplaceAll(digits, separator, ".");
}

namespace {
// A text that is a number as it stands, as a file, another program or the display writes it:
// "-12.5", "1e-3"; nothing before or after, "." as the point.
struct PlainShape {
  size_t MantissaStart = 0;  // after the minus sign
  size_t IntegerDigits = 0;
  size_t ExponentDigits = 0;
};

std::optional<PlainShape> PlainShapeOf(std::string_view text) {
  PlainShape shape;
  size_t i = text.empty() || text[0] != '-' ? 0 : 1;
  shape.MantissaStart = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  shape.IntegerDigits = i - shape.MantissaStart;
  size_t digits = shape.IntegerDigits;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t exponent = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    shape.ExponentDigits = i - exponent;
    if (shape.ExponentDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return shape;
}

// Read directly, a plain text is the same double the grammar reads (both round the same decimal
// value once), without the copies that normalising takes. None for any other text.
std::optional<double> PlainNumber(std::string_view text, std::string_view separator) {
  constexpr size_t MaxExponentDigits = 3;  // well within the exponent's read limit
  if (separator != "." && separator != ",") return std::nullopt;
  const std::optional<PlainShape> shape = PlainShapeOf(text);
  if (!shape || shape->ExponentDigits > MaxExponentDigits) return std::nullopt;
  double value = 0.0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data() + shape->MantissaStart, end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return shape->MantissaStart == 0 ? value : -value;
}

// Whether a plain text is surely a finite number without reading it: under 10^200 before an
// exponent of two digits at most. Every text the display shows for a finite value but the
// largest is such a text.
bool SurelyFinitePlainNumber(std::string_view text, std::string_view separator) {
  constexpr size_t MaxIntegerDigits = 200;
  constexpr size_t MaxExponentDigits = 2;
  if (separator != "." && separator != ",") return false;
  const std::optional<PlainShape> shape = PlainShapeOf(text);
  return shape && shape->IntegerDigits <= MaxIntegerDigits &&
         shape->ExponentDigits <= MaxExponentDigits;
}
}  // namespace

std::optional<double> ParseNumberText(std::string_view text, std::string_view separator) {
  if (const std::optional<double> plain = PlainNumber(text, separator)) return plain;
  const std::string normal = NormalizeNumberText(text, separator);
  const std::optional<Scanned> scanned = Scan(normal);
  if (!scanned) return std::nullopt;
  const Scanned& s = *scanned;

  // Rebuilt without sign, blanks and exponent digits beyond the read limit; a lone point
  // reads 0.
  std::string plain;
  plain.reserve(s.integerDigits.size() + s.fractionDigits.size() + 8);
  plain.append(s.integerDigits.empty() ? std::string_view("0") : s.integerDigits);
  plain += '.';
  plain.append(s.fractionDigits);
  plain += s.exponentNegative ? "e-" : "e";
  plain += std::to_string(s.exponent);

  double value = 0.0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (!BelowRange(s)) return std::nullopt;
    value = 0.0;
  } else if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return s.negative ? -value : value;
}

bool IsNumberText(std::string_view text, std::string_view separator) {
  if (SurelyFinitePlainNumber(text, separator)) return true;
  return !text.empty() && ParseNumberText(text, separator).has_value();
}

}  // namespace vaporin
