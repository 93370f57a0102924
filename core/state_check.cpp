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

// Whether the solved state gives the entered value back: within a tenth of a percent, and how far
// the quantity moves over one finest step of either search, either way (the searches stop
// within such a step of their root). The moves are read one neighbour at a time, and only while
// the reach so far falls short: for a wet bulb each neighbour is a search of its own. The sums
// run in the order of the whole reach, so a partial sum never exceeds it.
bool GivesBack(PsychroParams* p, RelationFromDbSh relation, const AirState& solved, double target) {
  double value = 0.0;
  if (Failed(relation(p, &solved.DB, &solved.SH, &value))) return false;
  const double miss = std::fabs(value - target);
  double reach = RelativeModelSlack * std::fabs(value);
  if (miss <= reach) return true;
  const std::pair<double, double> steps[] = {{FinestStep(TemperatureSearch(p)), 0.0},
                                             {0.0, FinestStep(HumidityRatioSearch(p))}};
  for (const auto& [dDb, dSh] : steps) {
    double most = 0.0;
    for (const double sign : {1.0, -1.0}) {
      const double db = solved.DB + sign * dDb;
      const double sh = solved.SH + sign * dSh;
      double moved = 0.0;
      if (Failed(relation(p, &db, &sh, &moved))) continue;
      most = std::max(most, std::fabs(moved - value));
      if (miss <= reach + most) return true;
    }
    reach += most;
  }
  return miss <= reach;
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
