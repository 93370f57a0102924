#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/certified_search.h"
#include "engine/finite_result.h"
#include "engine/psychro_params.h"
#include "engine/search/margins.h"
#include "engine/search/root_steps.h"

// Probes that chain two relations through a humidity ratio found at the trial dry bulb, and
// the brackets of crossings found in closed form.
namespace vaporin::search {

inline constexpr double GramsPerKg = 1000.0;

using DbShRelation = int32_t (*)(PsychroParams*, const double*, const double*, double*);

// An absolute-humidity probe through a searched humidity ratio, read with its rounding scale.
// Its value falls with the dry bulb: the humidity ratio found never rises with it, and a
// positive one over a growing volume falls.
template <typename Probe>
auto VolumetricReading(Probe& probe) {
  return [&probe](double s) {
    Reading reading{StatusFailed, 0.0, 0.0};
    reading.Status = probe(s, &reading.Value);
    reading.ErrorScale = std::fabs(reading.Value);
    return reading;
  };
}

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

// The bracket around a crossing t found in closed form: MarginsWide margins over the slope,
// plus the closed form's own rounding; none where that is not a number.
inline std::optional<Bracket> ClosedFormBracket(const PsychroParams* p, double t, double margin,
                                                double slope) {
  const double halfWidth =
      MarginsWide * margin / slope + ClosedFormSlack * (std::fabs(t) + p->KelvinOffset);
  if (!std::isfinite(halfWidth) || !(halfWidth > 0.0)) return std::nullopt;
  return Bracket{t - halfWidth, t + halfWidth};
}

}  // namespace vaporin::search
