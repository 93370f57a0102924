#include "engine/search_relations.h"

#include "engine/relations.h"
#include "engine/step_search.h"

namespace vaporin {

namespace {
constexpr double Saturated = 100.0;  // % relative humidity

using DbShRelation = int32_t (*)(PsychroParams*, const double*, const double*, double*);

// A probe at trial dry bulb s that first finds a humidity ratio there, then evaluates a
// relation of (s, that humidity ratio). A failure of either step is a failed probe.
template <typename ShAt>
auto ThroughSh(PsychroParams* p, ShAt shAt, DbShRelation ofDbSh) {
  return [=](double s, double* value) {
    double sh;
    if (Failed(shAt(s, &sh))) return StatusFailed;
    return ofDbSh(p, &s, &sh, value);
  };
}
}  // namespace

int32_t WbFromDbSh(PsychroParams* p, const double* db, const double* sh, double* result) {
  if (*sh > SearchlessShLimit) {
    *result = WbAboveShLimitC;
    return StatusOk;
  }
  return StepSearch(
      TemperatureSearch(p), *db, Overshoot::Above,
      [&](double s, double* value) { return DbFromWbSh(p, &s, sh, value); }, result);
}

int32_t DpFromSh(PsychroParams* p, const double* sh, double* result) {
  if (*sh > SearchlessShLimit) {
    *result = DpAboveShLimitC;
    return StatusOk;
  }
  const int32_t status = StepSearch(
      TemperatureSearch(p), *sh, Overshoot::Above,
      [&](double s, double* value) { return ShFromDbRh(p, &s, &Saturated, value); }, result);
  if (!Failed(status) && *result < DpAbsoluteZeroBelowC) *result = -p->KelvinOffset;
  return status;
}

int32_t ShFromDbWb(PsychroParams* p, const double* db, const double* wb, double* result) {
  return StepSearch(
      HumidityRatioSearch(p), *wb, Overshoot::Above,
      [&](double s, double* value) { return WbFromDbSh(p, db, &s, value); }, result);
}

int32_t ShFromDbSv(PsychroParams* p, const double* db, const double* sv, double* result) {
  return StepSearch(
      HumidityRatioSearch(p), *db, Overshoot::Below,
      [&](double s, double* value) { return DbFromSvSh(p, sv, &s, value); }, result);
}

int32_t ShFromSvWb(PsychroParams* p, const double* sv, const double* wb, double* result) {
  return StepSearch(
      HumidityRatioSearch(p), *wb, Overshoot::Above,
      [&](double s, double* value) {
        double db;
        if (Failed(DbFromSvSh(p, sv, &s, &db))) return StatusFailed;
        return WbFromDbSh(p, &db, &s, value);
      },
      result);
}

int32_t DbFromWbVh(PsychroParams* p, const double* wb, const double* vh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbWb(p, &s, wb, sh); }, VhFromDbSh),
      result);
}

int32_t DbFromSvVh(PsychroParams* p, const double* sv, const double* vh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbSv(p, &s, sv, sh); }, VhFromDbSh),
      result);
}

int32_t DbFromEnhVh(PsychroParams* p, const double* enh, const double* vh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromEnhDb(p, enh, &s, sh); }, VhFromDbSh),
      result);
}

int32_t DbFromRhSh(PsychroParams* p, const double* rh, const double* sh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *sh, Overshoot::Above,
      [&](double s, double* value) { return ShFromDbRh(p, &s, rh, value); }, result);
}

int32_t DbFromRhVh(PsychroParams* p, const double* rh, const double* vh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *vh, Overshoot::Above,
      [&](double s, double* value) { return VhFromDbRh(p, &s, rh, value); }, result);
}

int32_t DbFromShVh(PsychroParams* p, const double* sh, const double* vh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *vh, Overshoot::Below,
      [&](double s, double* value) { return VhFromDbSh(p, &s, sh, value); }, result);
}

int32_t DbFromRhEnh(PsychroParams* p, const double* rh, const double* enh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *enh, Overshoot::Above,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbRh(p, &s, rh, sh); }, EnhFromDbSh),
      result);
}

int32_t DbFromRhWb(PsychroParams* p, const double* rh, const double* wb, double* result) {
  return StepSearch(
      TemperatureSearch(p), *wb, Overshoot::Above,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbRh(p, &s, rh, sh); }, WbFromDbSh),
      result);
}

int32_t DbFromRhSv(PsychroParams* p, const double* rh, const double* sv, double* result) {
  return StepSearch(
      TemperatureSearch(p), *sv, Overshoot::Above,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromDbRh(p, &s, rh, sh); }, SvFromDbSh),
      result);
}

int32_t DbFromSvEnh(PsychroParams* p, const double* sv, const double* enh, double* result) {
  return StepSearch(
      TemperatureSearch(p), *sv, Overshoot::Above,
      ThroughSh(
          p, [&](double s, double* sh) { return ShFromEnhDb(p, enh, &s, sh); }, SvFromDbSh),
      result);
}

}  // namespace vaporin
