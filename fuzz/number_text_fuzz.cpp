// Any text: the number parser reads it as the grammar does (a leading blank takes the grammar's
// own path), gives a finite number or none, and what the display writes reads back.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "units/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const char* separator : {".", ","}) {
    const auto direct = vaporin::ParseNumberText(text, separator);
    const auto grammar = vaporin::ParseNumberText(" " + text, separator);
    if (direct.has_value() != grammar.has_value()) std::abort();
    if (vaporin::IsNumberText(text, separator) != (!text.empty() && direct.has_value())) {
      std::abort();
    }
    if (!direct) continue;
    if (!std::isfinite(*direct) || *direct != *grammar) std::abort();
    if (std::fabs(*direct) < 1e300) {
      const std::string shown =
          vaporin::LocalizeNumberText(vaporin::FormatFixed(*direct, 2), separator);
      if (!vaporin::ParseNumberText(shown, separator)) std::abort();
    }
  }
  return 0;
}
