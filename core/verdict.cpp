#include "core/verdict.h"

#include "core/input_workflow.h"
#include "core/state_bounds.h"
#include "core/state_check.h"
#include "engine/relations.h"
#include "engine/solvers.h"

namespace vaporin {

namespace {
constexpr double RelativeHumidityMin = 0.0;    // %
constexpr double RelativeHumidityMax = 100.0;  // %

// The entered values by quantity; the temperatures include an entered dew point.
struct Inputs {
  std::optional<double> DB, RH, SH, DP, ENH, WB, SV, VH;
};

Inputs InputsOf(const EnteredPair& entered) {
  Inputs inputs;
  const AirState& v = entered.Values;
  for (const int32_t index :
       {entered.PairCode / PairCodeFirstFactor, entered.PairCode % PairCodeFirstFactor}) {
    switch (index) {
      case QuantityDB:
        inputs.DB = v.DB;
        break;
      case QuantityRH:
        inputs.RH = v.RH;
        break;
      case QuantitySH:
        if (entered.DewPointEntered) {
          inputs.DP = v.DP;
        } else {
          inputs.SH = v.SH;
        }
        break;
      case QuantityENH:
        inputs.ENH = v.ENH;
        break;
      case QuantityWB:
        inputs.WB = v.WB;
        break;
      case QuantitySV:
        inputs.SV = v.SV;
        break;
      case QuantityVH:
        inputs.VH = v.VH;
        break;
      default:
        break;
    }
  }
  return inputs;
}

bool Above(const std::optional<double>& a, const std::optional<double>& b) {
  return a && b && *a > *b;
}

// Values that no air has, each alone or against the other: a temperature at or below absolute
// zero, a negative humidity, a volume not positive, a dew point or wet bulb above the dry bulb
// or a dew point above the wet bulb.
bool NoAirHas(const Inputs& in) {
  for (const auto& temperature : {in.DB, in.DP, in.WB}) {
    if (temperature && *temperature <= AbsoluteZeroC) return true;
  }
  if ((in.SH && *in.SH < 0.0) || (in.VH && *in.VH < 0.0) || (in.SV && *in.SV <= 0.0)) {
    return true;
  }
  return Above(in.DP, in.DB) || Above(in.WB, in.DB) || Above(in.DP, in.WB);
}

bool OutsideCalculation(const Inputs& in) {
  for (const auto& temperature : {in.DB, in.DP, in.WB}) {
    if (temperature && (*temperature < CalculationMinC || *temperature > CalculationMaxC)) {
      return true;
    }
  }
  return false;
}

double AirState::*FieldOf(int32_t index) {
  constexpr double AirState::*Fields[] = {&AirState::DB,  &AirState::RH, &AirState::SH,
                                          &AirState::ENH, &AirState::WB, &AirState::SV,
                                          &AirState::VH};
  return Fields[index];
}

// Along the line of real air on which quantity `held` keeps `value`, from dry air to
// saturation: whether `otherValue` of quantity `other` lies past either end, seen from the
// middle of the line (RH 50 %); none when the line's saturated end or its middle is not
// solved. Every quantity but the relative humidity runs one way along such a line, and where
// dry air has no state on it (a humidity held) the line runs on without end.
std::optional<bool> PastRealAir(PsychroParams* p, int32_t held, double value, int32_t other,
                                double otherValue) {
  auto at = [&](double rh) -> std::optional<double> {
    AirState state{};
    state.*FieldOf(held) = value;
    state.RH = rh;
    const int32_t code = held == QuantityDB ? QuantityRH : PairCodeFirstFactor * QuantityRH + held;
    if (Failed(SolvePair(p, &state, code))) return std::nullopt;
    return state.*FieldOf(other);
  };
  const std::optional<double> saturated = at(100.0);
  const std::optional<double> middle = at(50.0);
  if (!saturated || !middle) return std::nullopt;
  auto past = [&](double end) { return (otherValue - end) * (*middle - end) < 0.0; };
  if (past(*saturated)) return true;
  const std::optional<double> dry = at(0.0);
  return dry && past(*dry);
}

// Whether two values without a relative humidity lie past saturation or dry air, seen along
// the line of either one.
bool PastRealAir(PsychroParams* p, const EnteredPair& entered) {
  const int32_t first = entered.PairCode / PairCodeFirstFactor;
  const int32_t second = entered.PairCode % PairCodeFirstFactor;
  if (first == QuantityRH || second == QuantityRH) return false;
  const AirState& v = entered.Values;
  return PastRealAir(p, first, v.*FieldOf(first), second, v.*FieldOf(second)).value_or(false) ||
         PastRealAir(p, second, v.*FieldOf(second), first, v.*FieldOf(first)).value_or(false);
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
}  // namespace

std::optional<TextId> RefusalOfInputs(PsychroParams*, const EnteredPair& entered) {
  if (entered.PairCode == EnthalpyWetBulbPairCode) return TextId::EnthalpyWetBulbNoState;
  const Inputs inputs = InputsOf(entered);
  if (inputs.RH && !(*inputs.RH >= RelativeHumidityMin && *inputs.RH <= RelativeHumidityMax)) {
    return TextId::RelativeHumidityRange;
  }
  if (NoAirHas(inputs)) return TextId::NoAirState;
  if (OutsideCalculation(inputs)) return TextId::OutsideCalculationRange;
  return std::nullopt;
}

std::optional<TextId> JudgeSolved(PsychroParams* params, const EnteredPair& entered, bool solved,
                                  AirState* state) {
  // Values that contradict each other are no air's; values that do not are such air's, which
  // the formulas or the searches do not reach when they give up or end below the range.
  auto contradict = [&] {
    return NoAirHas(InputsOf(entered)) || BelowDryAirEnthalpy(params, entered) ||
           PastRealAir(params, entered);
  };
  if (!solved) return contradict() ? TextId::NoAirState : TextId::OutsideCalculationRange;
  // The round trip reads the state as solved, before any value is brought to its bound.
  const bool real = AnswersEnteredPair(params, *state, entered.Values, entered.PairCode) &&
                    FitToRealAir(params, entered.PairCode, state);
  const bool inRange = state->DB >= CalculationMinC;
  if (real && inRange) return std::nullopt;
  if (real || (!inRange && !contradict())) return TextId::OutsideCalculationRange;
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
