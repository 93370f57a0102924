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
        // DbFromWbShAt, its parts kept for the error scale.
        const FixedWetBulb parts = FixWetBulb(p, &s, &pws);
        reading.Status = DbFromFixedWetBulb(p, parts, sh, &reading.Value);
        if (Failed(reading.Status)) return reading;
        reading.ErrorScale = WetBulbErrorScale(p, parts, Amplification(p, pws), *sh);
        return reading;
      },
      SatPressureBranches, result, guess, WetBulbMarginFactor);
}

}  // namespace vaporin::search
