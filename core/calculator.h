#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/edit_boxes.h"
#include "core/input_workflow.h"
#include "core/results_display.h"
#include "core/solving.h"
#include "engine/psychro_params.h"
#include "i18n/language_choice.h"
#include "i18n/translation_data.h"
#include "i18n/translator.h"
#include "settings/unit_captions.h"
#include "settings/unit_settings.h"

namespace vaporin {

// A key as the input rules see it.
struct KeyPress {
  bool Enter = false;
  bool Ctrl = false;
  bool Shift = false;
  bool Escape = false;
};

// What the boxes must show after an operation; a field left empty changes nothing.
struct BoxesUpdate {
  std::optional<BoxTexts> Texts;
  std::optional<bool> DPEnabled;
  std::optional<bool> SHEnabled;
  // A result is shown and the display is locked: the window starts the lock's timer.
  bool ResultShown = false;
  // Two values stand and no state results: why, to show until the next key, click or result.
  std::optional<TextId> Reason;
};

// The window's session: the user's preferences, the entered pair, the state on show and the
// display lock, and the rules that turn the boxes' texts and the user's keys into results
// (solving itself is SolveTyped's, as for every front end). No widgets, no timers: the window
// hands it texts and keys and writes back what it answers.
class Calculator {
 public:
  Calculator();

  // The user's choices as the settings file held them at start.
  void RestoreChoices(const UnitSettings& units);
  // Forgets every choice.
  void ResetChoices();

  // The choices taken over from the panel; the language code follows from the language index
  // once ApplyLanguage runs.
  void TakeOverChoices(const UnitSettings& units);
  // With a full display, the result shown again in the units in force (solved again when the
  // pressure changed since).
  BoxesUpdate RefreshDisplay(const BoxTexts& shown);
  const UnitSettings& Units() const { return preferences_.Units; }

  // The user's decimal separator, one character of UTF-8.
  void SetDecimalSeparator(std::string separator) { preferences_.Separator = std::move(separator); }
  const std::string& DecimalSeparator() const { return preferences_.Separator; }
  // Everything the user chose that a solve depends on.
  const vaporin::Preferences& Preferences() const { return preferences_; }

  // Settles the language (the saved one, else the system's) and translates `texts` into it.
  void ApplyLanguage(const SystemLanguage& system, std::vector<std::string>& texts);
  // Translates texts built in English into the language settled last.
  void TranslateTexts(std::vector<std::string>& texts);
  // The rows' captions and the pressure hint from the base titles in the current language.
  UnitCaptions Captions(const BaseTitles& titles) const;

  // The shown state as text to copy, a line a row, "title<TAB>value<TAB>unit", the atmospheric
  // pressure first, in the current language, units and decimal separator.
  std::string CopyText(const BaseTitles& titles, const BoxTexts& shown) const;

  // A box was left: records its inputs, and with two of them solves and shows the state.
  BoxesUpdate CommitInputs(const BoxTexts& texts);
  struct KeyOutcome {
    KeyDecision Decision;
    BoxesUpdate Update;
  };
  KeyOutcome KeyDown(const BoxTexts& texts, KeyPress key);
  // A double click keeps that box's text and clears the rest, once two values or more stand: a
  // full display, or a pair that gave no state.
  BoxesUpdate DoubleClick(const BoxTexts& texts, EditBox box);
  // The lock's timer ran out.
  void ReleaseDisplayLock() { displayLock_ = false; }

  // A new entry of a dry bulb (°C) and a humidity ratio (kg/kg(DA)), as if typed into cleared
  // boxes with the digits the boxes show: the state is solved and shown, or the two values
  // stay in their boxes.
  BoxesUpdate EnterDryBulbAndRatio(double dryBulbC, double humidityRatio);
  // What the boxes would show for `state`, field by field.
  BoxTexts TextsOf(const AirState& state) const { return vaporin::TextsOf(state, preferences_); }
  // Whether `shown` is the full display of a solved state, State().
  bool ResultOnShow(const BoxTexts& shown) const {
    return solvedAtPa_.has_value() && FilledGroupCount(shown) == FullDisplayGroups;
  }
  bool DisplayLock() const { return displayLock_; }
  int32_t PairCode() const { return pairCode_; }
  const AirState& State() const { return state_; }
  const PsychroParams& Params() const { return params_; }

 private:
  BoxesUpdate ClearAll();
  BoxesUpdate ShowResults();
  // Solves the entered pair again at the pressure now in force.
  BoxesUpdate SolveAgain();
  void TakeOverPressure();

  PsychroParams params_;
  AirState state_{};
  // The state as the inputs were committed, and whether the humidity ratio came from a dew
  // point: what a new pressure solves again from.
  AirState committed_{};
  bool dewPointEntered_ = false;
  std::optional<int32_t> solvedAtPa_;
  int32_t pairCode_ = 0;
  vaporin::Preferences preferences_;
  bool displayLock_ = false;
  Translator translator_;
};

}  // namespace vaporin
