#pragma once

#include <cstdint>

#include "engine/psychro_params.h"

// Whether a solved state is one to show. The engine answers every pair it can step through,
// also where no real air has the two values: its searches then stop at their floor or past
// saturation. These rules tell such answers from real states.
namespace vaporin {

// Relative humidity above this (%) is not shown. Near boiling the model itself puts real
// states a little past saturation (a wet bulb of 88.5 °C with 397.09 g/m³ gives 100.20 %).
inline constexpr double MaxShownRelativeHumidity = 101.0;
// Absolute zero, °C: a dry bulb at or below it is no temperature.
inline constexpr double AbsoluteZeroC = -273.15;

// Whether every field is finite and inside the physical region: 0 <= RH <= 101 %, humidity
// ratio and absolute humidity not negative, specific volume positive, dry bulb above absolute
// zero.
bool IsPhysicalState(const AirState& state);

// Whether `solved` answers the question: each of the two quantities of `pairCode` (10 x first
// + second index), recomputed from the solved dry bulb and humidity ratio, is the entered one
// within what a step of the searches' finest grid changes it by.
bool AnswersEnteredPair(PsychroParams* params, const AirState& solved, const AirState& entered,
                        int32_t pairCode);

}  // namespace vaporin
