#include "engine/search/wet_bulb_guess.h"

#include "engine/relations.h"

namespace vaporin::search {

int32_t WetBulbSearch(PsychroParams* p, const double* db, const double* sh,
                      const std::optional<Bracket>& guess, double* result) {
  return CertifiedStepSearch(
      TemperatureSearch(p), *db, Overshoot::Above,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        double pws;
        if (Failed(ProbeSatPressure(p, &s, &pws))) return reading;
        reading.Status = DbFromWbShAt(p, &s, &pws, sh, &reading.Value);
        if (Failed(reading.Status)) return reading;
        reading.ErrorScale = WetBulbErrorScale(p, s, pws, p->PAtmMmHg, *sh);
        return reading;
      },
      SatPressureBranches, result, guess, WetBulbMarginFactor);
}

}  // namespace vaporin::search
