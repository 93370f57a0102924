// Any settings text: read, the program's keys written, and the result read and written again
// gives the same text, its line count never smaller than the original's.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/ini_file.h"
#include "settings/settings_file.h"

namespace {
size_t LineEnds(const std::string& text) {
  size_t ends = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      ++ends;
    }
  }
  return ends;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  vaporin::IniFile file = vaporin::IniFile::FromText(text);
  vaporin::UnitSettings units;
  vaporin::ReadUnitChoices(file, units);
  vaporin::WriteUnitChoices(file, units, true);
  vaporin::WriteGeometry(file, {1, 2, 3, 4});
  const std::string written = file.ToText();
  if (vaporin::IniFile::FromText(written).ToText() != written) std::abort();
  if (LineEnds(written) < LineEnds(text)) std::abort();
  return 0;
}
