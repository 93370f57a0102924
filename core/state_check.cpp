#include "core/state_check.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/input_workflow.h"
#include "engine/relations.h"
#include "engine/search_relations.h"
#include "engine/step_search.h"

namespace vaporin {

namespace {
// The relations do not quite agree with each other: an absolute humidity turned into a
// relative humidity and then a humidity ratio comes back from the ratio 1.5e-4 smaller (one
// relation works in hPa, another in mmHg, with single-precision constants). A tenth of a
// percent of the value covers that disagreement with room to spare; a state that is no answer
// misses by far more.
constexpr double RelativeModelSlack = 1e-3;

// The finest step of a search family: the grid its result lies on, one step below the root.
double FinestStep(const SearchFamily& family) {
  double finest = family.FirstStep;
  for (double step = family.FirstStep; step > family.Tolerance; step *= StepShrinkFactor) {
    finest = step;
  }
  return finest;
}

// The quantity `index` of the state with this dry bulb (°C) and humidity ratio (kg/kg(DA)).
int32_t Recompute(PsychroParams* p, int32_t index, double db, double sh, double* value) {
  switch (index) {
    case QuantityDB:
      *value = db;
      return StatusOk;
    case QuantityRH:
      return RhFromDbSh(p, &db, &sh, value);
    case QuantitySH:
      *value = sh;
      return StatusOk;
    case QuantityENH:
      return EnhFromDbSh(p, &db, &sh, value);
    case QuantityWB:
      return WbFromDbSh(p, &db, &sh, value);
    case QuantitySV:
      return SvFromDbSh(p, &db, &sh, value);
    case QuantityVH:
      return VhFromDbSh(p, &db, &sh, value);
    default:
      return StatusFailed;
  }
}

double EnteredValue(const AirState& entered, int32_t index) {
  switch (index) {
    case QuantityDB:
      return entered.DB;
    case QuantityRH:
      return entered.RH;
    case QuantitySH:
      return entered.SH;
    case QuantityENH:
      return entered.ENH;
    case QuantityWB:
      return entered.WB;
    case QuantitySV:
      return entered.SV;
    default:
      return entered.VH;
  }
}

bool GivesBack(PsychroParams* p, int32_t index, const AirState& solved, double target) {
  double value = 0.0;
  if (Failed(Recompute(p, index, solved.DB, solved.SH, &value))) return false;
  // How far the quantity moves over one finest step of either search, either way: the
  // searches stop within such a step of their root.
  const double temperatureStep = FinestStep(TemperatureSearch(p));
  const double ratioStep = FinestStep(HumidityRatioSearch(p));
  double reach = RelativeModelSlack * std::fabs(value);
  for (const auto& [dDb, dSh] : {std::pair{temperatureStep, 0.0}, std::pair{0.0, ratioStep}}) {
    double moved = 0.0;
    double most = 0.0;
    for (const double sign : {1.0, -1.0}) {
      if (!Failed(Recompute(p, index, solved.DB + sign * dDb, solved.SH + sign * dSh, &moved))) {
        most = std::max(most, std::fabs(moved - value));
      }
    }
    reach += most;
  }
  return std::fabs(value - target) <= reach;
}
}  // namespace

bool IsPhysicalState(const AirState& state) {
  for (const double field :
       {state.DB, state.RH, state.SH, state.ENH, state.WB, state.SV, state.DP, state.VH}) {
    if (!std::isfinite(field)) return false;
  }
  return state.RH >= 0.0 && state.RH <= MaxShownRelativeHumidity && state.SH >= 0.0 &&
         state.VH >= 0.0 && state.SV > 0.0 && state.DB > AbsoluteZeroC;
}

bool AnswersEnteredPair(PsychroParams* params, const AirState& solved, const AirState& entered,
                        int32_t pairCode) {
  for (const int32_t index : {pairCode / PairCodeFirstFactor, pairCode % PairCodeFirstFactor}) {
    if (!GivesBack(params, index, solved, EnteredValue(entered, index))) return false;
  }
  return true;
}

}  // namespace vaporin
