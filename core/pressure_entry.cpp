#include "core/pressure_entry.h"

#include "units/number_text.h"
#include "units/pressure.h"

namespace vaporin {

PressureEntry::PressureEntry(int32_t pascals, UnitOfPressure unit, bool feet, std::string separator)
    : pascals_(pascals), unit_(unit), feet_(feet), separator_(std::move(separator)) {}

std::optional<std::string> PressureEntry::PressureTyped(std::string_view text) {
  const std::optional<int32_t> pascals = PressureFromText(text, unit_, separator_);
  if (!pascals) return std::nullopt;
  pascals_ = *pascals;
  return AltitudeText();
}

std::optional<std::string> PressureEntry::AltitudeTyped(std::string_view text) {
  const std::optional<int32_t> pascals = PressureFromAltitudeText(text, feet_, separator_);
  if (!pascals) return std::nullopt;
  pascals_ = *pascals;
  return PressureText();
}

std::string PressureEntry::PressureText() const {
  return vaporin::PressureText(pascals_, unit_, separator_);
}

std::string PressureEntry::AltitudeText() const {
  return LocalizeNumberText(vaporin::AltitudeText(pascals_, feet_), separator_);
}

}  // namespace vaporin
