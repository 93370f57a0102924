#pragma once

#include <optional>
#include <string>

#include "core/edit_boxes.h"
#include "core/input_workflow.h"
#include "core/results_display.h"
#include "core/verdict.h"
#include "engine/psychro_params.h"
#include "i18n/translation_data.h"
#include "settings/unit_settings.h"

// The one way to solve two typed values: the window's session, vaporin-calc and the chart all
// come through here, so every front end shows the same state, texts and reasons.
namespace vaporin {

// What the user chose that a solve and its texts depend on: units, pressure and language, and
// the decimal separator.
struct Preferences {
  UnitSettings Units;
  std::string Separator = ".";
};

// `units` taken over into `before`: a pressure outside the accepted range leaves the one in
// force.
Preferences WithUnits(const Preferences& before, const UnitSettings& units);

// The engine's constants at the preferences' pressure.
PsychroParams ParamsOf(const Preferences& preferences);

// What the boxes show for a state, field by field, and its values, in the user's units.
BoxTexts TextsOf(const AirState& state, const Preferences& preferences);
BoxValues ValuesOf(const AirState& state, const Preferences& preferences);

// A dry bulb (°C) and a humidity ratio (kg/kg(DA)) as typed into cleared boxes with the digits
// the boxes show: what a click on the chart enters.
BoxTexts DryBulbAndRatioTexts(double dryBulbC, double humidityRatio,
                              const Preferences& preferences);

// Two typed values solved.
struct Solution {
  CommitResult Commit;  // the pair read, and which boxes an entered dew point disables
  AirState Entered{};   // the inputs in engine units, as they were read
  AirState State{};     // the solved state; what the search left, where none
  bool Solved = false;
  BoxTexts Texts;                // the state's texts, when solved
  std::optional<TextId> Reason;  // why no state, when two values stand
};
// Reads the boxes' texts as a commit does, solves the pair and judges the result.
Solution SolveTyped(const BoxTexts& texts, const Preferences& preferences);
// The same with the engine's constants set up by the caller (ParamsOf(preferences)), once for
// many solves.
Solution SolveTyped(const BoxTexts& texts, const Preferences& preferences, PsychroParams* params);

// Solves a pair read before (at the pressure of `params`) into `state`: none when it is a state
// to show, else why not. The state's texts go to `texts` when it is one and they are asked for.
std::optional<TextId> SolveEntered(PsychroParams* params, const EnteredPair& entered,
                                   const Preferences& preferences, AirState* state,
                                   BoxTexts* texts = nullptr);

}  // namespace vaporin
