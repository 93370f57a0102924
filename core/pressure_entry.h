#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "i18n/translation_data.h"
#include "units/pressure.h"
#include "units/unit_choices.h"

namespace vaporin {

// The pressure row of the unit panel: a pressure box in the chosen pressure unit and an
// altitude box (feet with °F, else metres); typing either fills the other. A value outside the
// accepted range is refused, and the last accepted pressure stays; while the last text typed
// is refused, the row has no pressure to give (its prefix may have been accepted on the way).
class PressureEntry {
 public:
  enum class Box { Pressure, Altitude };
  struct Refusal {
    Box In;
    TextId Reason;  // says the range, "%1" to "%2"
    RangeTexts Range;
    // The reason, translated, with the range put in.
    std::string Says(std::string_view translated) const;
  };

  PressureEntry(int32_t pascals, UnitOfPressure unit, bool feet, std::string separator);

  // The other box's new text, or none when the typed value is refused.
  std::optional<std::string> PressureTyped(std::string_view text);
  std::optional<std::string> AltitudeTyped(std::string_view text);

  // A new unit shows the accepted pressure anew.
  void SetPressureUnit(UnitOfPressure unit) { unit_ = unit; }
  void SetFeet(bool feet) { feet_ = feet; }
  std::string PressureText() const;
  std::string AltitudeText() const;

  int32_t Pascals() const { return pascals_; }
  // Why the last text typed, taken whole, gives no pressure; none when it gives one.
  std::optional<Refusal> Refused() const;

 private:
  int32_t pascals_;
  UnitOfPressure unit_;
  bool feet_;
  std::string separator_;
  std::optional<Box> refused_;
};

}  // namespace vaporin
