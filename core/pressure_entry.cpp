#include "core/pressure_entry.h"

#include "units/number_text.h"
#include "units/pressure.h"

namespace vaporin {

PressureEntry::PressureEntry(int32_t pascals, UnitOfPressure unit, bool feet, std::string separator)
    : pascals_(pascals), unit_(unit), feet_(feet), separator_(std::move(separator)) {}

std::optional<std::string> PressureEntry::PressureTyped(std::string_view text) {
  const std::optional<int32_t> pascals = PressureFromText(text, unit_, separator_);
  if (!pascals) {
    refused_ = Box::Pressure;
    return std::nullopt;
  }
  refused_.reset();
  pascals_ = *pascals;
  return AltitudeText();
}

std::optional<std::string> PressureEntry::AltitudeTyped(std::string_view text) {
  const std::optional<int32_t> pascals = PressureFromAltitudeText(text, feet_, separator_);
  if (!pascals) {
    refused_ = Box::Altitude;
    return std::nullopt;
  }
  refused_.reset();
  pascals_ = *pascals;
  return PressureText();
}

std::optional<PressureEntry::Refusal> PressureEntry::Refused() const {
  if (!refused_) return std::nullopt;
  if (*refused_ == Box::Pressure) {
    return Refusal{Box::Pressure, TextId::PressureRange, PressureRangeTexts(unit_, separator_)};
  }
  return Refusal{Box::Altitude, TextId::AltitudeRange, AltitudeRangeTexts(feet_, separator_)};
}

std::string PressureEntry::Refusal::Says(std::string_view translated) const {
  std::string text(translated);
  for (const auto& [mark, value] : {std::pair{"%1", &Range.Low}, std::pair{"%2", &Range.High}}) {
    if (const size_t at = text.find(mark); at != std::string::npos) text.replace(at, 2, *value);
  }
  return text;
}

std::string PressureEntry::PressureText() const {
  return vaporin::PressureText(pascals_, unit_, separator_);
}

std::string PressureEntry::AltitudeText() const {
  return LocalizeNumberText(vaporin::AltitudeText(pascals_, feet_), separator_);
}

}  // namespace vaporin
