#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "engine/certified_search.h"
#include "engine/formula_constants.h"
#include "engine/relations.h"
#include "engine/search/margins.h"
#include "engine/search/probes.h"
#include "engine/search/root_steps.h"
#include "engine/search_relations.h"
#include "engine/step_search.h"

// The dry bulb at a volume and an absolute humidity, searched through the humidity ratio of the
// volume at each trial dry bulb (itself a search); and the humidity ratio at a dry bulb and a
// volume, and the dry bulb at a humidity ratio and an absolute humidity, both in closed form
// but for the grid their searches end on.
namespace vaporin {
using namespace search;

namespace {
constexpr double HumidityRatioGuessHalfWidth = 1e-6;  // kg/kg(DA)
// DbFromSvSh falls with the humidity ratio on either side of the ratio where its divisor
// 1.6078 SH + 1 vanishes.
constexpr Pieces AboveThePole{{-1.0 / MolarMassRatioAirToWater}, 1};

std::optional<Bracket> AroundHumidityRatio(double sh) {
  if (!std::isfinite(sh)) return std::nullopt;
  return Bracket{sh - HumidityRatioGuessHalfWidth, sh + HumidityRatioGuessHalfWidth};
}

// Whether no probe of a dry-bulb search through a searched humidity ratio reads an absolute
// humidity below `target`. A humidity-ratio search ends on its grid, whose only negative value
// is its start: an absolute humidity is either not negative, or that start's at the trial dry
// bulb, which rises with the dry bulb through every rounded operation of its formula (a
// negative constant over a growing positive volume). The lowest reading is the first trial
// value's.
bool NoAbsoluteHumidityBelow(PsychroParams* p, double target) {
  const SearchFamily temperatures = TemperatureSearch(p);
  const double firstDb = temperatures.Start + temperatures.FirstStep;
  const double lowestSh = HumidityRatioSearch(p).Start;
  double lowest = 0.0;
  return !Failed(VhFromDbSh(p, &firstDb, &lowestSh, &lowest)) && !(lowest < target);
}

// The dry-bulb search through a positive volume towards an absolute humidity of zero or less,
// settled without the humidity-ratio searches; none where the argument below does not hold.
//
// A humidity-ratio search ends at its start, the grid's only negative value, exactly when the
// first trial value of every level overshoots, that is above the dry bulb `startAbove`; below
// it the search ends on a positive ratio, whose absolute humidity is not negative and so never
// overshoots. Above it the absolute humidity is the start's, which rises with the dry bulb:
// once it no longer overshoots, no later trial value does, and the search would end at its
// probe cap. None of the humidity-ratio searches fails on the way, as long as the ratio at the
// first trial dry bulb (the largest, as the ratio falls with the dry bulb) lies short of where
// the cap's probes end.
std::optional<int32_t> DbFromSvTowardsNoVapour(PsychroParams* p, double sv, double vh,
                                               double* result) {
  // The finer levels add at most nine probes each to the first level's, and the grid strays
  // from whole steps by far less than one: a hundred steps short of the cap leaves room.
  constexpr double CapMarginSteps = 100.0;
  static_assert(CapMarginSteps >
                MaxProbesPerFinerLevel *
                    (StepSizes(HumidityRatioFirstStep, HumidityRatioTolerance) - 1));
  const SearchFamily temperatures = TemperatureSearch(p);
  const SearchFamily ratios = HumidityRatioSearch(p);
  const double firstDb = temperatures.Start + temperatures.FirstStep;
  double startAbove = -std::numeric_limits<double>::infinity();
  for (double step = ratios.FirstStep; step > ratios.Tolerance; step *= StepShrinkFactor) {
    const double firstRatio = ratios.Start + step;
    double db = 0.0;
    if (Failed(DbFromSvSh(p, &sv, &firstRatio, &db))) return std::nullopt;
    startAbove = std::max(startAbove, db);
  }
  if (!(startAbove >= firstDb)) return std::nullopt;
  auto ratioAt = [&](double db) { return ShOfVolume(p, db, sv); };
  const double ratioBelowCap =
      ratios.Start + ratios.FirstStep * (MaxProbesBelowTarget - CapMarginSteps);
  if (!(ratioAt(firstDb) < ratioBelowCap)) {
    // The first trial value's own search may reach the cap: it is read as the plain search
    // reads it. From the second on, which the search then meets before any finer level (the
    // second does not overshoot either), the ratio must lie short of the cap.
    const double secondDb = firstDb + temperatures.FirstStep;
    if (!(ratioAt(secondDb) < ratioBelowCap) || !(startAbove >= secondDb)) return std::nullopt;
    double sh = 0.0;
    double value = 0.0;
    if (Failed(ShFromDbSv(p, &firstDb, &sv, &sh)) || Failed(VhFromDbSh(p, &firstDb, &sh, &value))) {
      *result = 0.0;
      return StatusFailed;
    }
  }
  const double start = ratios.Start;
  return OutcomeStepSearch(
      temperatures,
      [&](double s) {
        if (!(s > startAbove)) return ProbeOutcome::NotOver;
        double value = 0.0;
        if (Failed(VhFromDbSh(p, &s, &start, &value))) return ProbeOutcome::Fail;
        // Not overshooting here means failing at the cap later: the same failure now.
        return value < vh ? ProbeOutcome::Over : ProbeOutcome::Fail;
      },
      result);
}

// The humidity-ratio search's value n finest steps above its start, as the search itself adds it
// up: the first level's steps, then each finer level's digit of n; none where n is too large
// for one search to reach.
std::optional<double> HumidityRatioGridValue(const PsychroParams* p, int64_t n) {
  const SearchFamily family = HumidityRatioSearch(p);
  std::array<double, 8> steps{};
  size_t levels = 0;
  for (double step = family.FirstStep; step > family.Tolerance && levels < steps.size();
       step *= StepShrinkFactor) {
    steps[levels++] = step;
  }
  int64_t unitsPerStep = 1;
  for (size_t level = 1; level < levels; ++level) unitsPerStep *= 10;
  if (n < 0 || n / unitsPerStep > MaxProbesBelowTarget) return std::nullopt;
  double s = family.Start;
  for (size_t level = 0; level < levels; ++level) {
    const int64_t digit = level == 0 ? n / unitsPerStep : (n / unitsPerStep) % 10;
    for (int64_t i = 0; i < digit; ++i) s += steps[level];
    unitsPerStep /= 10;
  }
  return s;
}

// The bracket of a dry-bulb search for the absolute humidity vh at the volume sv (both
// positive). Its probe reads the humidity ratio of the volume at the trial dry bulb, a grid
// value that steps down as the dry bulb rises: at DbFromSvSh(sv, g) it moves from g to the grid
// value below. So the probe jumps there, and the crossing lies on such a jump, or (rarely)
// between two where the absolute humidity at one grid value passes vh. The grid value whose
// absolute humidity at the volume reaches vh first is near vh sv / 1000; the jump found from it
// is checked, and the neighbours tried, with the closed-form relations.
std::optional<Bracket> VolumetricCrossingGuess(PsychroParams* p, double sv, double vh) {
  constexpr int Neighbours = 3;
  constexpr double JumpHalfWidth = 1e-9;     // °C, a tenth of the search's last step
  constexpr double PlateauHalfWidth = 1e-6;  // °C
  const SearchFamily family = HumidityRatioSearch(p);
  double finest = family.FirstStep;
  while (finest * StepShrinkFactor > family.Tolerance) finest *= StepShrinkFactor;
  const double units = std::ceil((vh * sv / GramsPerKg - family.Start) / finest);
  if (!(units >= 1.0 && units < static_cast<double>(MaxProbesBelowTarget))) return std::nullopt;
  auto n = static_cast<int64_t>(units);
  // The absolute humidity at grid value g on the volume's dry bulb db.
  auto density = [&](double db, double g) {
    double value;
    return Failed(VhFromDbSh(p, &db, &g, &value)) ? std::numeric_limits<double>::quiet_NaN()
                                                  : value;
  };
  for (int tries = 0; tries < Neighbours; ++tries) {
    const auto here = HumidityRatioGridValue(p, n);
    const auto below = HumidityRatioGridValue(p, n - 1);
    double jump;
    if (!here || !below || Failed(DbFromSvSh(p, &sv, &*here, &jump))) return std::nullopt;
    const double before = density(jump, *here);
    const double after = density(jump, *below);
    if (!(before == before) || !(after == after)) return std::nullopt;
    if (before >= vh && after < vh) return Bracket{jump - JumpHalfWidth, jump + JumpHalfWidth};
    if (after >= vh) {
      // Past the jump, on the plateau of the grid value below: where its absolute humidity
      // falls to vh, if before the next jump.
      const double volume = *below * GramsPerKg / vh;
      double db;
      if (!Failed(DbFromSvSh(p, &volume, &*below, &db)) && db > jump) {
        return Bracket{db - PlateauHalfWidth, db + PlateauHalfWidth};
      }
      --n;
    } else {
      ++n;
    }
  }
  return std::nullopt;
}

}  // namespace

int32_t ShFromDbSv(PsychroParams* p, const double* db, const double* sv, double* result) {
  // The dry bulb of a volume falls as the humidity ratio rises, for a positive volume.
  if (!(*sv > 0.0)) {
    return StepSearch(
        HumidityRatioSearch(p), *db, Overshoot::Below,
        [&](double s, double* value) { return DbFromSvSh(p, sv, &s, value); }, result);
  }
  const double crossing = ShOfVolume(p, *db, *sv);
  return CertifiedStepSearch(
      HumidityRatioSearch(p), *db, Overshoot::Below,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        reading.Status = DbFromSvSh(p, sv, &s, &reading.Value);
        // DB + KelvinOffset, less the offset.
        reading.ErrorScale = std::fabs(reading.Value) + p->KelvinOffset;
        return reading;
      },
      AboveThePole, result, AroundHumidityRatio(crossing));
}

int32_t DbFromSvVh(PsychroParams* p, const double* sv, const double* vh, double* result) {
  auto probe = ThroughSh(
      p, [&](double s, double* sh) { return ShFromDbSv(p, &s, sv, sh); }, VhFromDbSh);
  if (!(*vh > 0.0) && NoAbsoluteHumidityBelow(p, *vh)) {
    // No probe overshoots: the search ends at its probe cap, or at a failed probe, before.
    *result = 0.0;
    return StatusFailed;
  }
  if (*sv > 0.0 && !(*vh > 0.0)) {
    if (const auto settled = DbFromSvTowardsNoVapour(p, *sv, *vh, result)) return *settled;
  }
  if (!(*sv > 0.0) || !(*vh > 0.0)) {
    return StepSearch(TemperatureSearch(p), *vh, Overshoot::Below, probe, result);
  }
  std::optional<Bracket> guess = VolumetricCrossingGuess(p, *sv, *vh);
  if (!guess) {
    // The dry bulb whose humidity ratio vh sv / 1000 has the volume sv.
    const double sh = *vh * *sv / GramsPerKg;
    double db = 0.0;
    if (!Failed(DbFromSvSh(p, sv, &sh, &db))) guess = Around(db);
  }
  // The humidity ratio of the volume at a trial dry bulb is found by a search that fails only
  // at its probe cap, for a positive volume: at and above the dry bulb whose humidity ratio is
  // SurelyFoundSh, it takes at most 80,000 first-level steps and a few dozen finer ones, and
  // succeeds; so does the absolute humidity then, at any trial dry bulb above absolute zero.
  // Below, the lowest trial value is checked; the high end never fails.
  constexpr double SurelyFoundSh = 800.0;  // kg/kg(DA), under the cap's 1000
  static_assert(SurelyFoundSh / HumidityRatioFirstStep +
                    MaxProbesPerFinerLevel *
                        (StepSizes(HumidityRatioFirstStep, HumidityRatioTolerance) - 1) <
                MaxProbesBelowTarget);
  double failsBelow = std::numeric_limits<double>::infinity();
  if (Failed(DbFromSvSh(p, sv, &SurelyFoundSh, &failsBelow))) {
    failsBelow = std::numeric_limits<double>::infinity();
  }
  return CertifiedStepSearch(TemperatureSearch(p), *vh, Overshoot::Below, VolumetricReading(probe),
                             WholeRangeFailing(failsBelow, std::numeric_limits<double>::infinity()),
                             result, guess);
}

int32_t DbFromShVh(PsychroParams* p, const double* sh, const double* vh, double* result) {
  const SearchFamily family = TemperatureSearch(p);
  // A negative humidity ratio over a volume that grows with the dry bulb (through every rounded
  // operation, while M sh + 1 stays positive) gives an absolute humidity that rises with it:
  // a first trial value that does not overshoot leaves none after it that does.
  // One not negative, or one so negative that the volume is too, never gives an absolute
  // humidity below a target of zero or less: no trial value overshoots.
  const double moistFactor = MolarMassRatioAirToWater * *sh + 1.0;
  const bool rising = *sh < 0.0 && moistFactor > 0.0;
  const bool neverBelow = (*sh >= 0.0 || moistFactor <= 0.0) && !(*vh > 0.0);
  const double noneOverFrom = neverBelow ? family.Start + family.FirstStep
                              : rising   ? family.Start + 2.0 * family.FirstStep
                                         : std::numeric_limits<double>::infinity();
  auto density = [&](double s, double* value) { return VhFromDbSh(p, &s, sh, value); };
  if (!(*sh > 0.0) || !(moistFactor > 0.0) || !(*vh > 0.0) || !std::isfinite(*vh)) {
    return StepSearch(family, *vh, Overshoot::Below, density, result, noneOverFrom);
  }
  // A positive humidity ratio over a volume that grows with the dry bulb: the absolute humidity
  // falls with it, through every rounded operation. Its crossing is the dry bulb whose volume
  // at sh holds sh at vh, in closed form, a few units in the last place off.
  const double volume = *sh * GramsPerKg / *vh;
  double db;
  std::optional<Bracket> guess;
  if (!Failed(DbFromSvSh(p, &volume, sh, &db))) {
    // The reading, the target and the error scale are all about vh; its slope is vh / (db + K).
    guess = ClosedFormBracket(p, db, 3.0 * VolumetricMarginFactor * *vh,
                              *vh / std::fabs(db + p->KelvinOffset));
  }
  return CertifiedStepSearch(
      family, *vh, Overshoot::Below,
      [&](double s) {
        Reading reading{StatusFailed, 0.0, 0.0};
        reading.Status = density(s, &reading.Value);
        reading.ErrorScale = std::fabs(reading.Value);
        return reading;
      },
      WholeRange, result, guess, VolumetricMarginFactor);
}

}  // namespace vaporin
