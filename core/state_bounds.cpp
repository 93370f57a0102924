#include "core/state_bounds.h"

#include <algorithm>
#include <cmath>

#include "core/input_workflow.h"
#include "engine/relations.h"
#include "engine/solvers.h"
#include "engine/step_search.h"

namespace vaporin {

namespace {
// The bound of the excess above saturation of a dry bulb found from an absolute humidity:
// this at 0 °C (%), falling by the slope (% per K).
constexpr double VolumetricExcessAt0C = 0.40;
constexpr double VolumetricExcessSlope = 0.0015;
// Every other pair's: rounding alone, measured up to 8e-6 % (humidity ratio with wet bulb near
// boiling at 40 kPa).
constexpr double RoundingExcess = 1e-4;  // %
}  // namespace

double MostMove(PsychroParams* params, RelationFromDbSh relation, const AirState& state,
                double base, double dDb, double dSh) {
  double most = 0.0;
  for (const double sign : {1.0, -1.0}) {
    const double db = state.DB + sign * dDb;
    const double sh = state.SH + sign * dSh;
    double moved = 0.0;
    if (!Failed(relation(params, &db, &sh, &moved))) most = std::max(most, std::fabs(moved - base));
  }
  return most;
}

StateResolution ResolutionOf(PsychroParams* params, const AirState& state, int32_t pairCode) {
  const SearchedUnknowns searched = SearchesOf(pairCode);
  StateResolution resolution;
  double rh = 0.0;
  double vh = 0.0;
  const bool rhFound = !Failed(RhFromDbSh(params, &state.DB, &state.SH, &rh));
  const bool vhFound = !Failed(VhFromDbSh(params, &state.DB, &state.SH, &vh));
  auto add = [&](double dDb, double dSh) {
    if (rhFound) resolution.RH += MostMove(params, RhFromDbSh, state, rh, dDb, dSh);
    if (vhFound) resolution.VH += MostMove(params, VhFromDbSh, state, vh, dDb, dSh);
    resolution.SH += dSh;
  };
  if (searched.DryBulb) add(FinestStep(TemperatureSearch(params)), 0.0);
  if (searched.HumidityRatio) add(0.0, FinestStep(HumidityRatioSearch(params)));
  return resolution;
}

double SaturationExcess(int32_t pairCode, double dryBulbC) {
  // Only a dry bulb found from an absolute humidity lands past saturation by more than the
  // searches' resolution: VhFromDbSh and VhFromDbRh disagree by about 1.5e-4 of the value, and
  // the absolute humidity barely changes with the dry bulb, so that the crossing moves by
  // several hundredths of a degree. Measured on saturated states re-solved from their own two
  // values, -100 to 100 °C at 40 to 120 kPa: 0.53 % at -100 °C falling to 0.21 % near boiling.
  const bool fromAbsoluteHumidity = pairCode % PairCodeFirstFactor == QuantityVH;
  if (!fromAbsoluteHumidity || !SearchesOf(pairCode).DryBulb) return RoundingExcess;
  return VolumetricExcessAt0C - VolumetricExcessSlope * dryBulbC;
}

bool FitToRealAir(PsychroParams* params, int32_t pairCode, AirState* state) {
  for (const double field :
       {state->DB, state->RH, state->SH, state->ENH, state->WB, state->SV, state->DP, state->VH}) {
    if (!std::isfinite(field)) return false;
  }
  if (!(state->SV > 0.0 && state->DB > AbsoluteZeroC)) return false;
  const StateResolution resolution = ResolutionOf(params, *state, pairCode);
  const double excess = SaturationExcess(pairCode, state->DB);
  if (state->RH < -resolution.RH || state->RH > RelativeHumidityMax + excess + resolution.RH)
    return false;
  if (state->SH < -resolution.SH || state->VH < -resolution.VH) return false;
  if (state->RH < 0.0) state->RH = 0.0;
  if (state->RH > RelativeHumidityMax + excess) {
    // Past saturation by the searches' grid alone: shown as saturated air, whose dew point is
    // its dry bulb.
    state->RH = RelativeHumidityMax;
    state->DP = std::min(state->DP, state->DB);
  }
  if (state->SH < 0.0) state->SH = 0.0;
  if (state->VH < 0.0) state->VH = 0.0;
  return true;
}

}  // namespace vaporin
