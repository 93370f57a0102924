#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers as text: formatted with "." by fixed patterns, shown and typed with the user's own
// decimal separator. Texts are UTF-8; the separator is one character, also UTF-8.
namespace vaporin {

// The patterns numbers are shown by: "0.00", "0.0000", "0.00000" and "0.0e+00".
enum class NumberPattern { TwoDecimals, FourDecimals, FiveDecimals, Scientific };

std::string FormatNumber(NumberPattern pattern, double value);

// `decimals` digits after the point; a value whose digits are all zero shows no minus sign.
std::string FormatFixed(double value, int decimals);

// Every "." replaced by the user's separator.
std::string LocalizeNumberText(std::string_view text, std::string_view separator);

// Full-width digits and full stop made ASCII, then the user's separator made ".".
std::string NormalizeNumberText(std::string_view text, std::string_view separator);

// The number a typed text holds: blanks, an optional sign, digits with an optional point (a
// lone point reads 0), an optional exponent, blanks. Nothing else; no value on failure.
std::optional<double> ParseNumberText(std::string_view text, std::string_view separator);

// False for the empty text; otherwise whether the text holds a number.
bool IsNumberText(std::string_view text, std::string_view separator);

}  // namespace vaporin
