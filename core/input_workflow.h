#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/edit_boxes.h"
#include "engine/psychro_params.h"
#include "settings/unit_settings.h"

// The rules of the two-value input, decided from the boxes' texts alone.
namespace vaporin {

// Filled quantity groups, 0 to 7: each non-empty box counts, SH and DP together once. A box
// of blanks counts as filled.
int FilledGroupCount(const BoxTexts& texts);

// The relative humidities that are an input, %.
inline constexpr double RelativeHumidityMin = 0.0;
inline constexpr double RelativeHumidityMax = 100.0;

// A display in which every group is filled.
inline constexpr int FullDisplayGroups = 7;

// A pair of inputs is coded as 10 x the first quantity's index + the second's.
inline constexpr int32_t PairCodeFirstFactor = 10;
// Enthalpy with wet bulb: nearly the same quantity twice, so the pair fixes no state.
inline constexpr int32_t EnthalpyWetBulbPairCode = PairCodeFirstFactor * QuantityENH + QuantityWB;

struct CommitResult {
  int Inputs = 0;        // quantities recorded as inputs
  int32_t PairCode = 0;  // 10 x first index + second, when Inputs is 2
  bool DisableDP = false;
  bool DisableSH = false;
};

// An entered dew point counts as the humidity ratio it implies at the params' pressure, written
// straight into state->SH; whether it implies one.
bool RatioFromDewPoint(PsychroParams* params, AirState* state);

// Reads every box that holds a number into the air state, in engine units, and records the
// inputs in index order: an RH only within 0..100 %, a dew point as the humidity ratio it
// implies, and index 2 at most once. A number whose engine-unit value is not finite is no
// input: it stays in its box, uncounted.
CommitResult CommitInputs(const BoxTexts& texts, const UnitSettings& units,
                          std::string_view separator, PsychroParams* params, AirState* state);

// Why boxes in which two quantities stand give no pair of inputs: a relative humidity outside
// 0..100 %, else a value that is no air state's (a dew point without a humidity ratio, a
// number too large for its unit).
TextId WhyNoInputPair(const BoxTexts& texts, std::string_view separator);

// What a key pressed in a box does, given the filled groups before it acts.
enum class FocusMove { None, ToFocusTarget, NextBox, PreviousBox, FirstBox };
struct KeyDecision {
  bool ClearAll = false;
  bool Swallow = false;  // the box never sees the key
  FocusMove Move = FocusMove::None;
};
// Esc clears every box and starts over in the first, whatever stands in them: a result, or a
// pair that gave none.
KeyDecision DecideKeyDown(int filledGroups, bool enter, bool ctrl, bool shift,
                          bool escape = false);

// The box the focus goes to from `from`, forwards or backwards, skipping disabled boxes and
// wrapping around; `from` itself when no other box is enabled.
EditBox NextEnabledBox(EditBox from, bool backwards, const std::array<bool, EditBoxCount>& enabled);

}  // namespace vaporin
