#pragma once

#include <cstdint>
#include <optional>

#include "engine/psychro_params.h"
#include "engine/sat_pressure.h"
#include "i18n/translation_data.h"

// Whether two entered values give a state to show, and if not, why: no air has them
// (TextId::NoAirState), such air exists but lies outside what the calculation covers
// (TextId::OutsideCalculationRange), enthalpy with wet bulb, or a relative humidity outside
// 0 to 100 %.
namespace vaporin {

// The calculation's range of temperatures, °C: the saturation pressure's formula starts at
// the lower end and ends below water's critical point.
inline constexpr double CalculationMinC = -100.0;
inline constexpr double CalculationEndC = CriticalTemperatureC;

// The two entered values of a pair, in engine units; an entered dew point (°C) stands for the
// humidity ratio that it implies.
struct EnteredPair {
  AirState Values{};
  int32_t PairCode = 0;
  bool DewPointEntered = false;
};

// What the entered values alone decide, before any search: why they give no state, or none
// when only solving can tell. Never refuses a pair that solving would show.
std::optional<TextId> RefusalOfInputs(PsychroParams* params, const EnteredPair& entered);

// Solves the pair into `state` and judges it: none when `state` holds a state to show (values
// past a bound by no more than the state's resolution brought to the bound), else why not.
std::optional<TextId> SolveAndJudge(PsychroParams* params, const EnteredPair& entered,
                                    AirState* state);

// The judgement of a solve already run (`solved` its outcome), without the inputs' own
// refusals: what SolveAndJudge decides for the pairs those let through. It refuses every pair
// that RefusalOfInputs refuses, so that those need no solve.
std::optional<TextId> JudgeSolved(PsychroParams* params, const EnteredPair& entered, bool solved,
                                  AirState* state);

}  // namespace vaporin
