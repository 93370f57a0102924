#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "units/unit_choices.h"

// The atmospheric pressure the user calculates at: held in whole pascals, shown and typed in
// one of the pressure units, or derived from an altitude in the standard atmosphere.
namespace vaporin {

inline constexpr int32_t StandardPressurePa = 101325;
inline constexpr int32_t MinPressurePa = 40000;
inline constexpr int32_t MaxPressurePa = 120000;

// The pressure units, in the order of their indices: name, size in kPa, the decimals shown,
// and the text shown for the standard atmosphere.
struct PressureUnitEntry {
  UnitOfPressure Id;
  std::string_view Name;
  double KPaPerUnit;
  int Decimals;
  std::string_view StandardText;
};
inline constexpr std::array<PressureUnitEntry, 4> PressureUnits = {{
    {UnitOfPressure::KPa, "kPa", 1.0, 3, "101.325"},
    {UnitOfPressure::MmHg, "mmHg", 101.325 / 760.0, 0, "760"},
    {UnitOfPressure::InHg, "inHg", 3.386389, 2, "29.92"},
    {UnitOfPressure::Psi, "psi", 6.894757, 4, "14.6956"},
}};

// The pressure unit's entry; none for a unit outside the table.
const PressureUnitEntry* FindPressureUnit(UnitOfPressure unit);

// Standard atmosphere: p = 101.325 (1 - 2.25577e-5 h)^5.25588 kPa, h in metres.
double PressureFromAltitudeKPa(double metres);
double AltitudeFromPressureM(double kPa);

inline constexpr double MetresPerFoot = 0.3048;

bool IsAcceptedPressure(double pascals);

// The pressure as the user reads it, in the unit (kPa for a unit outside the table) and with
// the user's decimal separator; the standard atmosphere reads as it always has ("14.6956" psi).
std::string PressureText(int32_t pascals, UnitOfPressure unit, std::string_view separator);

// The whole pascals a typed pressure holds in the unit; none when it is no number or lies
// outside the accepted range.
std::optional<int32_t> PressureFromText(std::string_view text, UnitOfPressure unit,
                                        std::string_view separator);

// The same for a typed altitude, in metres or (feet) in feet.
std::optional<int32_t> PressureFromAltitudeText(std::string_view text, bool feet,
                                                std::string_view separator);

// The altitude of a pressure as the user reads it: whole metres or feet.
std::string AltitudeText(int32_t pascals, bool feet);

// The accepted range as the user would type it, ends rounded inwards to the box's decimals so
// that each end is itself accepted, with the unit: "40.000 kPa", "-1450 m".
struct RangeTexts {
  std::string Low;
  std::string High;
};
RangeTexts PressureRangeTexts(UnitOfPressure unit, std::string_view separator);
RangeTexts AltitudeRangeTexts(bool feet, std::string_view separator);

}  // namespace vaporin
