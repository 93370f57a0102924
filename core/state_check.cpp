#include "core/state_check.h"

#include <algorithm>
#include <cmath>
#include <iterator>
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

int32_t DryBulbOf(PsychroParams*, const double* db, const double*, double* value) {
  *value = *db;
  return StatusOk;
}

int32_t HumidityRatioOf(PsychroParams*, const double*, const double* sh, double* value) {
  *value = *sh;
  return StatusOk;
}

// Each quantity, by its index: its field, and the relation that gives it from a dry bulb (°C)
// and a humidity ratio (kg/kg(DA)).
struct QuantityRelation {
  double AirState::*Field;
  int32_t (*FromDbSh)(PsychroParams*, const double*, const double*, double*);
};

constexpr QuantityRelation Quantities[] = {
    {&AirState::DB, DryBulbOf},    {&AirState::RH, RhFromDbSh}, {&AirState::SH, HumidityRatioOf},
    {&AirState::ENH, EnhFromDbSh}, {&AirState::WB, WbFromDbSh}, {&AirState::SV, SvFromDbSh},
    {&AirState::VH, VhFromDbSh},
};

bool GivesBack(PsychroParams* p, const QuantityRelation& quantity, const AirState& solved,
               double target) {
  auto recompute = [&](double db, double sh, double* value) {
    return quantity.FromDbSh(p, &db, &sh, value);
  };
  double value = 0.0;
  if (Failed(recompute(solved.DB, solved.SH, &value))) return false;
  // How far the quantity moves over one finest step of either search, either way: the
  // searches stop within such a step of their root.
  const double temperatureStep = FinestStep(TemperatureSearch(p));
  const double ratioStep = FinestStep(HumidityRatioSearch(p));
  double reach = RelativeModelSlack * std::fabs(value);
  for (const auto& [dDb, dSh] : {std::pair{temperatureStep, 0.0}, std::pair{0.0, ratioStep}}) {
    double moved = 0.0;
    double most = 0.0;
    for (const double sign : {1.0, -1.0}) {
      if (!Failed(recompute(solved.DB + sign * dDb, solved.SH + sign * dSh, &moved))) {
        most = std::max(most, std::fabs(moved - value));
      }
    }
    reach += most;
  }
  return std::fabs(value - target) <= reach;
}
}  // namespace

bool AnswersEnteredPair(PsychroParams* params, const AirState& solved, const AirState& entered,
                        int32_t pairCode) {
  for (const int32_t index : {pairCode / PairCodeFirstFactor, pairCode % PairCodeFirstFactor}) {
    if (index < 0 || static_cast<size_t>(index) >= std::size(Quantities)) return false;
    const QuantityRelation& quantity = Quantities[index];
    if (!GivesBack(params, quantity, solved, entered.*quantity.Field)) return false;
  }
  return true;
}

}  // namespace vaporin
