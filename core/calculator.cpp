#include "core/calculator.h"

#include "core/verdict.h"
#include "i18n/title_text.h"
#include "units/number_text.h"
#include "units/pressure.h"

namespace vaporin {

Calculator::Calculator() : params_(InitPsychroParams()) { translator_.BuildTranslationTable(); }

void Calculator::RestoreChoices(const UnitSettings& units) {
  preferences_.Units = units;
  TakeOverPressure();
}

void Calculator::ResetChoices() {
  preferences_.Units = UnitSettings();
  TakeOverPressure();
}

void Calculator::TakeOverPressure() { params_ = ParamsOf(preferences_); }

void Calculator::TakeOverChoices(const UnitSettings& units) {
  preferences_ = WithUnits(preferences_, units);
  TakeOverPressure();
}

BoxesUpdate Calculator::RefreshDisplay(const BoxTexts& shown) {
  if (FilledGroupCount(shown) < FullDisplayGroups) return {};
  if (solvedAtPa_ && *solvedAtPa_ != preferences_.Units.PressurePa) return SolveAgain();
  return ShowResults();
}

void Calculator::ApplyLanguage(const SystemLanguage& system, std::vector<std::string>& texts) {
  const LanguageChoice choice = ChooseLanguage(preferences_.Units.LanguageIndex, system);
  preferences_.Units.LanguageCode = choice.Code;
  preferences_.Units.LanguageIndex = choice.Index;
  translator_.SelectLanguage(preferences_.Units.LanguageCode, texts);
}

void Calculator::TranslateTexts(std::vector<std::string>& texts) {
  translator_.SelectLanguage(preferences_.Units.LanguageCode, texts);
}

UnitCaptions Calculator::Captions(const BaseTitles& titles) const {
  return ComposeUnitCaptions(titles, preferences_.Units, preferences_.Separator);
}

std::string Calculator::CopyText(const BaseTitles& titles, const BoxTexts& shown) const {
  // The pressure as a line like the rows: title, value, unit.
  const UnitSettings& units = preferences_.Units;
  const PressureUnitEntry* pressureUnit = FindPressureUnit(units.PressureUnit);
  std::string text(TextIn(TextId::AtmosphericPressure, units.LanguageCode));
  text += '\t';
  text += PressureText(units.PressurePa, units.PressureUnit, preferences_.Separator);
  text += '\t';
  text += pressureUnit != nullptr ? pressureUnit->Name : PressureUnits.front().Name;
  text += '\n';
  for (const BoxInfo& info : BoxTable) {
    text += TrimmedTitle(titles[info.Title]);
    text += '\t';
    text += TextOf(shown, info.Box);
    text += '\t';
    text += UnitNameOf(info.Box, preferences_.Units);
    text += '\n';
  }
  return text;
}

BoxesUpdate Calculator::CommitInputs(const BoxTexts& texts) {
  if (displayLock_) return {};
  const Solution solution = SolveTyped(texts, preferences_);
  state_ = solution.State;
  BoxesUpdate update;
  if (solution.Commit.DisableDP) update.DPEnabled = false;
  if (solution.Commit.DisableSH) update.SHEnabled = false;
  update.Reason = solution.Reason;
  // A third value after a pair that gave no state is not taken: say so rather than nothing.
  const int groups = FilledGroupCount(texts);
  if (groups > 2 && groups < FullDisplayGroups) update.Reason = TextId::TwoValuesOnly;
  if (solution.Commit.Inputs != 2) return update;
  pairCode_ = solution.Commit.PairCode;
  committed_ = solution.Entered;
  dewPointEntered_ = solution.Commit.DisableSH;
  if (!solution.Solved) return update;
  solvedAtPa_ = preferences_.Units.PressurePa;
  return ShowResults();
}

BoxesUpdate Calculator::EnterDryBulbAndRatio(double dryBulbC, double humidityRatio) {
  // A new entry of the user's: no lock of an earlier display holds it back.
  displayLock_ = false;
  ClearAll();
  const BoxTexts texts = DryBulbAndRatioTexts(dryBulbC, humidityRatio, preferences_);
  BoxesUpdate update = CommitInputs(texts);
  if (!update.Texts) update.Texts = texts;
  // The boxes were cleared: what the commit did not disable is enabled again.
  update.DPEnabled = update.DPEnabled.value_or(true);
  update.SHEnabled = update.SHEnabled.value_or(true);
  return update;
}

Calculator::KeyOutcome Calculator::KeyDown(const BoxTexts& texts, KeyPress key) {
  KeyOutcome outcome;
  outcome.Decision =
      DecideKeyDown(FilledGroupCount(texts), key.Enter, key.Ctrl, key.Shift, key.Escape);
  if (outcome.Decision.ClearAll) outcome.Update = ClearAll();
  return outcome;
}

BoxesUpdate Calculator::DoubleClick(const BoxTexts& texts, EditBox box) {
  if (displayLock_ || FilledGroupCount(texts) < 2) return {};
  BoxesUpdate update = ClearAll();
  TextOf(*update.Texts, box) = TextOf(texts, box);
  return update;
}

BoxesUpdate Calculator::ClearAll() {
  if (displayLock_) return {};
  state_ = AirState{};
  solvedAtPa_.reset();
  return {BoxTexts{}, true, true, false, std::nullopt};
}

BoxesUpdate Calculator::ShowResults() {
  displayLock_ = true;
  return {TextsOf(state_), true, true, true, std::nullopt};
}

BoxesUpdate Calculator::SolveAgain() {
  bool solved = !dewPointEntered_ || RatioFromDewPoint(&params_, &committed_);
  const EnteredPair entered{committed_, pairCode_, dewPointEntered_};
  solved = solved && !SolveEntered(&params_, entered, preferences_, &state_);
  if (!solved) {
    // No state at the new pressure: nothing of the old one stays on show.
    state_ = AirState{};
    solvedAtPa_.reset();
    return {BoxTexts{}, true, true, false, std::nullopt};
  }
  solvedAtPa_ = preferences_.Units.PressurePa;
  return ShowResults();
}

}  // namespace vaporin
