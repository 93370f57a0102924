#include "core/calculator.h"

#include "core/verdict.h"
#include "engine/relations.h"
#include "engine/sat_pressure.h"
#include "engine/solvers.h"
#include "settings/settings_file.h"
#include "units/number_text.h"

namespace vaporin {

Calculator::Calculator() : params_(InitPsychroParams()), formats_(StandardDisplayFormats()) {
  translator_.BuildTranslationTable();
}

void Calculator::ReadChoices(const IniFile& file) {
  ReadUnitChoices(file, units_);
  TakeOverPressure();
}

void Calculator::WriteChoices(IniFile& file, bool stayOnTop) const {
  WriteUnitChoices(file, units_, stayOnTop);
}

void Calculator::ResetChoices() {
  units_ = UnitSettings();
  TakeOverPressure();
}

void Calculator::TakeOverPressure() { SetAtmosphericPressure(&params_, units_.PressurePa); }

void Calculator::TakeOverChoices(const UnitSettings& units) {
  const int32_t pressure = units_.PressurePa;
  units_ = units;
  // A refused pressure leaves the one in force.
  if (!IsAcceptedPressure(units_.PressurePa)) units_.PressurePa = pressure;
  TakeOverPressure();
}

BoxesUpdate Calculator::RefreshDisplay(const BoxTexts& shown) {
  if (FilledGroupCount(shown) < FullDisplayGroups) return {};
  if (solvedAtPa_ && *solvedAtPa_ != units_.PressurePa) return SolveAgain();
  return ShowResults();
}

void Calculator::ApplyLanguage(const SystemLanguage& system, std::vector<std::string>& texts) {
  const LanguageChoice choice = ChooseLanguage(units_.LanguageIndex, system);
  units_.LanguageCode = choice.Code;
  units_.LanguageIndex = choice.Index;
  translator_.SelectLanguage(units_.LanguageCode, texts);
}

void Calculator::TranslateTexts(std::vector<std::string>& texts) {
  translator_.SelectLanguage(units_.LanguageCode, texts);
}

UnitCaptions Calculator::Captions(const BaseTitles& titles) const {
  return ComposeUnitCaptions(titles, units_, separator_);
}

std::string Calculator::CopyText(const BaseTitles& titles, const BoxTexts& shown) const {
  auto trimmed = [](std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string_view()
                                           : text.substr(first, last - first + 1);
  };
  const UnitCaptions captions = Captions(titles);
  std::string text = captions.Pressure.value_or(std::string()) + '\n';
  for (const BoxInfo& info : BoxTable) {
    text += trimmed(titles[info.Title]);
    text += '\t';
    text += TextOf(shown, info.Box);
    text += '\t';
    text += UnitNameOf(info.Box, units_);
    text += '\n';
  }
  return text;
}

BoxesUpdate Calculator::CommitInputs(const BoxTexts& texts) {
  if (displayLock_) return {};
  BoxesUpdate update;
  const CommitResult result = vaporin::CommitInputs(texts, units_, separator_, &params_, &state_);
  if (result.DisableDP) update.DPEnabled = false;
  if (result.DisableSH) update.SHEnabled = false;
  const bool twoStand = FilledGroupCount(texts) == 2;
  if (result.Inputs != 2) {
    if (twoStand) update.Reason = WhyNoInputPair(texts, separator_);
    return update;
  }
  pairCode_ = result.PairCode;
  committed_ = state_;
  dewPointEntered_ = result.DisableSH;
  const BoxesUpdate shown = ComputeResults();
  if (shown.Texts) return shown;
  if (twoStand) update.Reason = shown.Reason;
  return update;
}

Calculator::OneState Calculator::SolveOnce(const BoxTexts& texts) {
  displayLock_ = false;
  state_ = AirState{};
  const BoxesUpdate update = CommitInputs(texts);
  displayLock_ = false;
  if (!update.ResultShown) return {std::nullopt, update.Reason};
  return {update.Texts, std::nullopt};
}

BoxesUpdate Calculator::EnterDryBulbAndRatio(double dryBulbC, double humidityRatio) {
  // A new entry of the user's: no lock of an earlier display holds it back.
  displayLock_ = false;
  ClearAll();
  AirState entered{};
  entered.DB = dryBulbC;
  entered.SH = humidityRatio;
  const BoxTexts shown = TextsOf(entered);
  BoxTexts texts;
  for (const EditBox box : {EditBox::DB, EditBox::SH}) TextOf(texts, box) = TextOf(shown, box);
  BoxesUpdate update = CommitInputs(texts);
  if (!update.Texts) update.Texts = texts;
  // The boxes were cleared: what the commit did not disable is enabled again.
  update.DPEnabled = update.DPEnabled.value_or(true);
  update.SHEnabled = update.SHEnabled.value_or(true);
  return update;
}

BoxTexts Calculator::TextsOf(const AirState& state) const {
  return ResultTexts(state, units_, formats_, separator_, params_.KcalToKJ);
}

Calculator::KeyOutcome Calculator::KeyDown(const BoxTexts& texts, KeyPress key) {
  KeyOutcome outcome;
  outcome.Decision = DecideKeyDown(FilledGroupCount(texts), key.Enter, key.Ctrl, key.Shift);
  if (outcome.Decision.ClearAll) outcome.Update = ClearAll();
  return outcome;
}

BoxesUpdate Calculator::DoubleClick(const BoxTexts& texts, EditBox box) {
  if (displayLock_ || FilledGroupCount(texts) < FullDisplayGroups) return {};
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

BoxesUpdate Calculator::ComputeResults() {
  if (displayLock_) return {};
  if (const std::optional<TextId> refusal = SolveCommitted()) {
    BoxesUpdate update;
    update.Reason = refusal;
    return update;
  }
  solvedAtPa_ = units_.PressurePa;
  return ShowResults();
}

std::optional<TextId> Calculator::SolveCommitted() {
  const EnteredPair entered{committed_, pairCode_, dewPointEntered_};
  if (const std::optional<TextId> refusal = SolveAndJudge(&params_, entered, &state_)) {
    return refusal;
  }
  // A value too large for its unit would show as no number.
  if (!ShowsAsNumbers(TextsOf(state_), separator_)) return TextId::OutsideCalculationRange;
  return std::nullopt;
}

BoxesUpdate Calculator::ShowResults() {
  displayLock_ = true;
  return {TextsOf(state_), true, true, true, std::nullopt};
}

BoxesUpdate Calculator::SolveAgain() {
  bool solved = true;
  if (dewPointEntered_) {
    double pv = 0.0;
    solved = !Failed(SatPressure(&params_, &committed_.DP, &pv)) &&
             !Failed(ShFromPvStd(&params_, &pv, &committed_.SH));
  }
  solved = solved && !SolveCommitted();
  if (!solved) {
    // No state at the new pressure: nothing of the old one stays on show.
    state_ = AirState{};
    solvedAtPa_.reset();
    return {BoxTexts{}, true, true, false, std::nullopt};
  }
  solvedAtPa_ = units_.PressurePa;
  return ShowResults();
}

}  // namespace vaporin
