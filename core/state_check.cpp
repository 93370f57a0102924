#include "core/state_check.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "core/input_workflow.h"
#include "core/state_bounds.h"
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

// Each quantity's relation from a dry bulb (°C) and a humidity ratio (kg/kg(DA)), by its index.
constexpr RelationFromDbSh Quantities[] = {
    DryBulbOf, RhFromDbSh, HumidityRatioOf, EnhFromDbSh, WbFromDbSh, SvFromDbSh, VhFromDbSh,
};

bool GivesBack(PsychroParams* p, RelationFromDbSh relation, const AirState& solved, double target) {
  double value = 0.0;
  if (Failed(relation(p, &solved.DB, &solved.SH, &value))) return false;
  // Within the slack alone is within the reach: the moves, which for a wet bulb take four more
  // searches, are not needed then.
  const double slack = RelativeModelSlack * std::fabs(value);
  if (std::fabs(value - target) <= slack) return true;
  // How far the quantity moves over one finest step of either search, either way: the
  // searches stop within such a step of their root.
  const double reach =
      slack + MostMove(p, relation, solved, value, FinestStep(TemperatureSearch(p)), 0.0) +
      MostMove(p, relation, solved, value, 0.0, FinestStep(HumidityRatioSearch(p)));
  return std::fabs(value - target) <= reach;
}
}  // namespace

bool AnswersEnteredPair(PsychroParams* params, const AirState& solved, const AirState& entered,
                        int32_t pairCode) {
  for (const int32_t index : {pairCode / PairCodeFirstFactor, pairCode % PairCodeFirstFactor}) {
    if (index < 0 || static_cast<size_t>(index) >= std::size(Quantities)) return false;
    if (!GivesBack(params, Quantities[index], solved, entered.*QuantityFields[index])) {
      return false;
    }
  }
  return true;
}

}  // namespace vaporin
