#include "core/verdict.h"

#include <cmath>

#include "core/input_workflow.h"
#include "core/state_bounds.h"
#include "core/state_check.h"
#include "engine/relations.h"
#include "engine/search_relations.h"
#include "engine/solvers.h"

namespace vaporin {

namespace {
// The entered values by quantity; the temperatures include an entered dew point.
struct Inputs {
  std::optional<double> DB, RH, SH, DP, ENH, WB, SV, VH;
};

Inputs InputsOf(const EnteredPair& entered) {
  Inputs inputs;
  std::optional<double>* const slots[] = {&inputs.DB, &inputs.RH, &inputs.SH, &inputs.ENH,
                                          &inputs.WB, &inputs.SV, &inputs.VH};
  for (const int32_t index :
       {entered.PairCode / PairCodeFirstFactor, entered.PairCode % PairCodeFirstFactor}) {
    if (index < 0 || index > QuantityVH) continue;
    if (index == QuantitySH && entered.DewPointEntered) {
      inputs.DP = entered.Values.DP;
    } else {
      *slots[index] = entered.Values.*QuantityFields[index];
    }
  }
  return inputs;
}

bool Above(const std::optional<double>& a, const std::optional<double>& b) {
  return a && b && *a > *b;
}

// Values that no air has: a temperature at or below absolute zero, an enthalpy below dry air's
// there (moist air above absolute zero carries more), a negative humidity, a volume not
// positive.
bool NoAirHas(const PsychroParams& p, const Inputs& in) {
  for (const auto& temperature : {in.DB, in.DP, in.WB}) {
    if (temperature && *temperature <= AbsoluteZeroC) return true;
  }
  if (in.ENH && *in.ENH < p.CpAir * AbsoluteZeroC) return true;
  return (in.SH && *in.SH < 0.0) || (in.VH && *in.VH < 0.0) || (in.SV && *in.SV <= 0.0);
}

// A dew point or wet bulb above the dry bulb, or a dew point above the wet bulb. Saturated air
// solved on the searches' grids may show these by a hair, so they only name a failure.
bool OutOfOrder(const Inputs& in) {
  return Above(in.DP, in.DB) || Above(in.WB, in.DB) || Above(in.DP, in.WB);
}

bool OutsideCalculation(const Inputs& in) {
  for (const auto& temperature : {in.DB, in.DP, in.WB}) {
    if (temperature && (*temperature < CalculationMinC || *temperature >= CalculationEndC)) {
      return true;
    }
  }
  return false;
}

// Where a value lies along a line of real air: past one of its ends, between its two ends, or
// not known (an end or the middle not solved).
enum class OnLine { Past, Within, Unknown };

// Along the line of real air on which quantity `held` keeps `value`, from dry air to
// saturation: where `otherValue` of quantity `other` lies, seen from the middle of the line
// (RH 50 %). A held temperature outside the calculation's range gives Unknown: the line is not
// the formulas' to tell there (and its nested searches are slow). Every quantity but the
// relative humidity runs one way along such a line, and where dry air has no state on it (a
// humidity held) the line runs on without end.
OnLine WhereOnLine(PsychroParams* p, int32_t held, double value, int32_t other, double otherValue) {
  const bool temperature = held == QuantityDB || held == QuantityWB;
  if (temperature && !(value >= CalculationMinC && value < CalculationEndC)) {
    return OnLine::Unknown;
  }
  auto at = [&](double rh) -> std::optional<double> {
    AirState state{};
    state.*QuantityFields[held] = value;
    state.RH = rh;
    const int32_t code = held == QuantityDB ? QuantityRH : PairCodeFirstFactor * QuantityRH + held;
    if (Failed(SolvePair(p, &state, code))) return std::nullopt;
    return state.*QuantityFields[other];
  };
  const std::optional<double> saturated = at(RelativeHumidityMax);
  const std::optional<double> middle = at(0.5 * RelativeHumidityMax);
  if (!saturated || !middle) return OnLine::Unknown;
  auto past = [&](double end) { return (otherValue - end) * (*middle - end) < 0.0; };
  if (past(*saturated)) return OnLine::Past;
  const std::optional<double> dry = at(RelativeHumidityMin);
  if (!dry) return OnLine::Unknown;
  return past(*dry) ? OnLine::Past : OnLine::Within;
}

// Whether two values without a relative humidity lie past saturation or dry air, seen along
// the line of either one. A value between both ends of the first line is some real air's:
// the second line is not read then.
bool PastRealAir(PsychroParams* p, const EnteredPair& entered) {
  const int32_t first = entered.PairCode / PairCodeFirstFactor;
  const int32_t second = entered.PairCode % PairCodeFirstFactor;
  if (first == QuantityRH || second == QuantityRH) return false;
  const AirState& v = entered.Values;
  const OnLine alongFirst =
      WhereOnLine(p, first, v.*QuantityFields[first], second, v.*QuantityFields[second]);
  if (alongFirst != OnLine::Unknown) return alongFirst == OnLine::Past;
  return WhereOnLine(p, second, v.*QuantityFields[second], first, v.*QuantityFields[first]) ==
         OnLine::Past;
}

// Enthalpy with absolute humidity: an enthalpy above what any state in the calculation's range
// has at that absolute humidity. The humidity ratio at a fixed absolute humidity rises with
// the dry bulb, and the enthalpy with both, so the highest is at the range's top; a thousandth
// more covers the relations' disagreement. The search would otherwise step to its cap.
bool EnthalpyAboveRange(PsychroParams* p, const EnteredPair& entered) {
  if (entered.PairCode != PairCodeFirstFactor * QuantityENH + QuantityVH) return false;
  constexpr double RelationsSlack = 1e-3;
  const double top = std::nextafter(CalculationEndC, 0.0);
  double rh = 0.0;
  double sh = 0.0;
  double enh = 0.0;
  if (Failed(RhFromDbVh(p, &top, &entered.Values.VH, &rh)) ||
      Failed(ShFromDbRh(p, &top, &rh, &sh)) || Failed(EnhFromDbSh(p, &top, &sh, &enh))) {
    return false;
  }
  return entered.Values.ENH > enh + RelationsSlack * std::fabs(enh);
}

// Wet bulb with absolute humidity: more water than saturated air at the wet bulb holds, the
// most that air of that wet bulb has. The allowance covers the formulas' excess above
// saturation and a step of the humidity-ratio grid (1e-5 kg/kg(DA) is under 0.02 g/m³).
// The nested search would otherwise take a hundred microseconds to find out.
bool AboveSaturationAtWetBulb(PsychroParams* p, const EnteredPair& entered) {
  if (entered.PairCode != PairCodeFirstFactor * QuantityWB + QuantityVH) return false;
  constexpr double ExcessAllowance = 0.01;  // of the saturated value
  constexpr double GridAllowance = 0.02;    // g/m³
  double vh = 0.0;
  if (Failed(VhFromDbRh(p, &entered.Values.WB, &RelativeHumidityMax, &vh))) return false;
  return entered.Values.VH > vh * (1.0 + ExcessAllowance) + GridAllowance;
}

// Dry bulb with enthalpy: the solver refuses a dry bulb above the one the enthalpy has in dry
// air, where the enthalpy lies below dry air's.
bool BelowDryAirEnthalpy(PsychroParams* p, const EnteredPair& entered) {
  if (entered.PairCode != PairCodeFirstFactor * QuantityDB + QuantityENH) return false;
  const double dryAirSh = -p->TolSH;
  double dryAirDb = 0.0;
  return !Failed(DbFromEnhSh(p, &entered.Values.ENH, &dryAirSh, &dryAirDb)) &&
         entered.Values.DB > dryAirDb;
}

// Dry bulb with wet bulb: a wet bulb below bone-dry air's at that dry bulb.
bool BelowBoneDryWetBulb(PsychroParams* p, const Inputs& in) {
  if (!in.DB || !in.WB) return false;
  const double dry = 0.0;
  double wb = 0.0;
  return !Failed(WbFromDbSh(p, &*in.DB, &dry, &wb)) && *in.WB < wb;
}

// Values that contradict each other are no air's, whatever the calculation's range.
bool Contradict(PsychroParams* p, const EnteredPair& entered) {
  const Inputs inputs = InputsOf(entered);
  return NoAirHas(*p, inputs) || OutOfOrder(inputs) || BelowBoneDryWetBulb(p, inputs) ||
         AboveSaturationAtWetBulb(p, entered) || BelowDryAirEnthalpy(p, entered) ||
         PastRealAir(p, entered);
}
}  // namespace

std::optional<TextId> RefusalOfInputs(PsychroParams* params, const EnteredPair& entered) {
  if (entered.PairCode == EnthalpyWetBulbPairCode) return TextId::EnthalpyWetBulbNoState;
  const Inputs inputs = InputsOf(entered);
  if (inputs.RH && !(*inputs.RH >= RelativeHumidityMin && *inputs.RH <= RelativeHumidityMax)) {
    return TextId::RelativeHumidityRange;
  }
  if (NoAirHas(*params, inputs) || AboveSaturationAtWetBulb(params, entered)) {
    return TextId::NoAirState;
  }
  if (OutsideCalculation(inputs) || EnthalpyAboveRange(params, entered)) {
    return Contradict(params, entered) ? TextId::NoAirState : TextId::OutsideCalculationRange;
  }
  return std::nullopt;
}

std::optional<TextId> JudgeSolved(PsychroParams* params, const EnteredPair& entered, bool solved,
                                  AirState* state) {
  // The round trip reads the state as solved, before any value is brought to its bound.
  const bool real = solved &&
                    AnswersEnteredPair(params, *state, entered.Values, entered.PairCode) &&
                    FitToRealAir(params, entered.PairCode, state);
  const bool inRange = solved && state->DB >= CalculationMinC;
  // An entered value that no air has is refused whatever the state's resolution.
  if (real && inRange && !NoAirHas(*params, InputsOf(entered))) return std::nullopt;
  // Values that do not contradict each other are such air's, which the formulas or the
  // searches do not reach when they give up or end below the range.
  if (Contradict(params, entered)) return TextId::NoAirState;
  if (!solved || real || !inRange) return TextId::OutsideCalculationRange;
  return TextId::NoAirState;
}

std::optional<TextId> SolveAndJudge(PsychroParams* params, const EnteredPair& entered,
                                    AirState* state) {
  if (const auto refusal = RefusalOfInputs(params, entered)) return refusal;
  *state = entered.Values;
  const bool solved = !Failed(SolvePair(params, state, entered.PairCode));
  return JudgeSolved(params, entered, solved, state);
}

}  // namespace vaporin
