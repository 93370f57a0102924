#include "core/solving.h"

#include <utility>

#include "units/pressure.h"

namespace vaporin {

namespace {
double KcalToKJ() {
  static const double kcalToKJ = InitPsychroParams().KcalToKJ;
  return kcalToKJ;
}
}  // namespace

Preferences WithUnits(const Preferences& before, const UnitSettings& units) {
  Preferences after = before;
  after.Units = units;
  if (!IsAcceptedPressure(after.Units.PressurePa)) after.Units.PressurePa = before.Units.PressurePa;
  return after;
}

PsychroParams ParamsOf(const Preferences& preferences) {
  PsychroParams params = InitPsychroParams();
  SetAtmosphericPressure(&params, preferences.Units.PressurePa);
  return params;
}

BoxTexts TextsOf(const AirState& state, const Preferences& preferences) {
  static const DisplayFormats formats = StandardDisplayFormats();
  return ResultTexts(state, preferences.Units, formats, preferences.Separator, KcalToKJ());
}

BoxValues ValuesOf(const AirState& state, const Preferences& preferences) {
  return DisplayValues(state, preferences.Units, KcalToKJ());
}

BoxTexts DryBulbAndRatioTexts(double dryBulbC, double humidityRatio,
                              const Preferences& preferences) {
  AirState entered{};
  entered.DB = dryBulbC;
  entered.SH = humidityRatio;
  const BoxTexts shown = TextsOf(entered, preferences);
  BoxTexts texts;
  for (const EditBox box : {EditBox::DB, EditBox::SH}) TextOf(texts, box) = TextOf(shown, box);
  return texts;
}

Solution SolveTyped(const BoxTexts& texts, const Preferences& preferences) {
  PsychroParams params = ParamsOf(preferences);
  return SolveTyped(texts, preferences, &params);
}

Solution SolveTyped(const BoxTexts& texts, const Preferences& preferences, PsychroParams* params) {
  Solution solution;
  solution.Commit =
      CommitInputs(texts, preferences.Units, preferences.Separator, params, &solution.State);
  solution.Entered = solution.State;
  const bool twoStand = FilledGroupCount(texts) == 2;
  if (solution.Commit.Inputs != 2) {
    if (twoStand) solution.Reason = WhyNoInputPair(texts, preferences.Separator);
    return solution;
  }
  const EnteredPair entered{solution.Entered, solution.Commit.PairCode, solution.Commit.DisableSH};
  const std::optional<TextId> refusal =
      SolveEntered(params, entered, preferences, &solution.State, &solution.Texts);
  if (refusal) {
    if (twoStand) solution.Reason = refusal;
    return solution;
  }
  solution.Solved = true;
  return solution;
}

std::optional<TextId> SolveEntered(PsychroParams* params, const EnteredPair& entered,
                                   const Preferences& preferences, AirState* state,
                                   BoxTexts* texts) {
  if (const std::optional<TextId> refusal = SolveAndJudge(params, entered, state)) return refusal;
  BoxTexts shown = TextsOf(*state, preferences);
  // A value too large for its unit would show as no number.
  if (!ShowsAsNumbers(shown, preferences.Separator)) return TextId::OutsideCalculationRange;
  if (texts != nullptr) *texts = std::move(shown);
  return std::nullopt;
}

}  // namespace vaporin
