#include "units/pressure.h"

#include <cmath>
#include <functional>

#include "units/number_text.h"

namespace vaporin {

namespace {
constexpr double StandardPressureKPa = 101.325;
constexpr double LapseFactorPerM = 2.25577e-5;  // 1/m
constexpr double StandardExponent = 5.25588;
constexpr double PascalsPerKPa = 1000.0;
}  // namespace

const PressureUnitEntry* FindPressureUnit(UnitOfPressure unit) {
  for (const PressureUnitEntry& entry : PressureUnits) {
    if (entry.Id == unit) return &entry;
  }
  return nullptr;
}

namespace {
const PressureUnitEntry& PressureUnitOrKPa(UnitOfPressure unit) {
  const PressureUnitEntry* entry = FindPressureUnit(unit);
  return entry != nullptr ? *entry : PressureUnits.front();
}
}  // namespace

double PressureFromAltitudeKPa(double metres) {
  return StandardPressureKPa * std::pow(1.0 - LapseFactorPerM * metres, StandardExponent);
}

double AltitudeFromPressureM(double kPa) {
  return (1.0 - std::pow(kPa / StandardPressureKPa, 1.0 / StandardExponent)) / LapseFactorPerM;
}

bool IsAcceptedPressure(double pascals) {
  return std::isfinite(pascals) && pascals >= MinPressurePa && pascals <= MaxPressurePa;
}

std::string PressureText(int32_t pascals, UnitOfPressure unit, std::string_view separator) {
  const PressureUnitEntry& entry = PressureUnitOrKPa(unit);
  if (pascals == StandardPressurePa) return LocalizeNumberText(entry.StandardText, separator);
  const double value = pascals / PascalsPerKPa / entry.KPaPerUnit;
  return LocalizeNumberText(FormatFixed(value, entry.Decimals), separator);
}

std::optional<int32_t> PressureFromText(std::string_view text, UnitOfPressure unit,
                                        std::string_view separator) {
  if (!IsNumberText(text, separator)) return std::nullopt;
  const double pascals =
      *ParseNumberText(text, separator) * PressureUnitOrKPa(unit).KPaPerUnit * PascalsPerKPa;
  if (!IsAcceptedPressure(pascals)) return std::nullopt;
  return static_cast<int32_t>(std::lround(pascals));
}

std::optional<int32_t> PressureFromAltitudeText(std::string_view text, bool feet,
                                                std::string_view separator) {
  if (!IsNumberText(text, separator)) return std::nullopt;
  const double shown = *ParseNumberText(text, separator);
  const double pascals =
      PressureFromAltitudeKPa(feet ? shown * MetresPerFoot : shown) * PascalsPerKPa;
  if (!IsAcceptedPressure(pascals)) return std::nullopt;
  return static_cast<int32_t>(std::lround(pascals));
}

std::string AltitudeText(int32_t pascals, bool feet) {
  const double metres = AltitudeFromPressureM(pascals / PascalsPerKPa);
  return FormatFixed(feet ? metres / MetresPerFoot : metres, 0);
}

namespace {
// `value` rounded to `decimals` towards the inside of the range (up for its low end), then
// stepped further in until the box accepts it as typed.
std::string InwardEnd(double value, int decimals, bool low, std::string_view separator,
                      const std::function<bool(std::string_view)>& accepted) {
  const double scale = std::pow(10.0, decimals);
  double steps = low ? std::ceil(value * scale) : std::floor(value * scale);
  std::string text = LocalizeNumberText(FormatFixed(steps / scale, decimals), separator);
  while (!accepted(text)) {
    steps += low ? 1.0 : -1.0;
    text = LocalizeNumberText(FormatFixed(steps / scale, decimals), separator);
  }
  return text;
}
}  // namespace

RangeTexts PressureRangeTexts(UnitOfPressure unit, std::string_view separator) {
  const PressureUnitEntry& entry = PressureUnitOrKPa(unit);
  auto accepted = [&](std::string_view text) {
    return PressureFromText(text, unit, separator).has_value();
  };
  auto end = [&](int32_t pascals, bool low) {
    const double value = pascals / PascalsPerKPa / entry.KPaPerUnit;
    return InwardEnd(value, entry.Decimals, low, separator, accepted) + " " +
           std::string(entry.Name);
  };
  return {end(MinPressurePa, true), end(MaxPressurePa, false)};
}

RangeTexts AltitudeRangeTexts(bool feet, std::string_view separator) {
  auto accepted = [&](std::string_view text) {
    return PressureFromAltitudeText(text, feet, separator).has_value();
  };
  auto end = [&](int32_t pascals, bool low) {
    const double metres = AltitudeFromPressureM(pascals / PascalsPerKPa);
    return InwardEnd(feet ? metres / MetresPerFoot : metres, 0, low, separator, accepted) +
           (feet ? " ft" : " m");
  };
  // The highest pressure is the lowest altitude.
  return {end(MaxPressurePa, true), end(MinPressurePa, false)};
}

}  // namespace vaporin
