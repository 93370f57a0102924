#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "engine/certified_search.h"
#include "engine/psychro_params.h"
#include "engine/relations.h"
#include "engine/sat_pressure.h"
#include "engine/search/margins.h"
#include "engine/search_relations.h"
#include "engine/step_search.h"

// The question the nested searches (codes 14, 24, 34, 45 and 46's humidity ratio, dry bulb or
// volume at a wet bulb) ask at every trial value: would the wet-bulb search end above a wet bulb?
// Unlike the estimates, every answer here must be the plain search's: each is argued below from
// readings that lie a margin clear of the target, or left to the search itself.
namespace vaporin::search {

// Whether the wet bulb WbFromDbSh(db, sh) lies above `wb`, as the nested searches ask it: settled
// from a few energy-balance readings at fixed wet bulbs (their saturation pressures read once
// for all questions), the exact search only where those readings do not settle it.
//
// The wet-bulb search reads DbFromWbSh(t, sh), rising with t within each branch, against db:
// - if the reading at wb is clearly above db and the first trial value of the first level at or
//   above wb overshoots, every trial wet bulb from wb up to there overshoots, so the search
//   ends below wb: not above;
// - if the reading at wb + gap is clearly below db (and the lower branches' tops too), every
//   trial value up to there stays below, and a first-level trial value that overshoots without
//   failing further up ends the search: it ends above wb + gap minus its last step, above wb;
// - if every first-level trial value that does not boil stays clearly below db, the search
//   reaches one that boils, and fails.
class WetBulbAbove {
 public:
  WetBulbAbove(PsychroParams* p, double wb)
      : p_(p),
        wb_(wb),
        atWb_{wb},
        aboveWb_{wb + Gap},
        firstGrid_{FirstGridAtOrAbove(p, wb)},
        branchTops_{Fixed{TrialValuesBelowUpTo(TemperatureSearch(p), IceBranchEndC)},
                    Fixed{TrialValuesBelowUpTo(TemperatureSearch(p), WaterBranchEndC)}},
        branchEntries_{EntryAt(p, IceBranchEndC), EntryAt(p, WaterBranchEndC)} {}

  ProbeOutcome operator()(double db, double sh) {
    if (sh > SearchlessShLimit)
      return WbAboveShLimitC > wb_ ? ProbeOutcome::Over : ProbeOutcome::NotOver;
    if (sh >= 0.0 && std::isfinite(db) && BoilingMonotone()) {
      if (NotAbove(db, sh)) return ProbeOutcome::NotOver;
      if (Above(db, sh) || PassesFirstGrid(db, sh)) return ProbeOutcome::Over;
      if (NeverReached(db, sh)) return ProbeOutcome::Fail;
      if (EndsAtOrBelowWb(db, sh)) return ProbeOutcome::NotOver;
    }
    double w;
    if (Failed(WbFromDbSh(p_, &db, &sh, &w))) return ProbeOutcome::Fail;
    return w > wb_ ? ProbeOutcome::Over : ProbeOutcome::NotOver;
  }

  // Trial humidity ratios from 0 up to the one returned are all not above, as NotAbove finds
  // each of them; minus infinity where that is not certain. The energy balance at a fixed wet
  // bulb t, g(sh) = ((L - c t)(shSat - sh) + a t) / (Cpv sh + Cpa), falls as sh rises wherever
  // L - c t + Cpv g > 0, which the crossing's divisor checks. So a reading at sh0 that lies two
  // margins above db at wb (and one at the first grid value) leaves every smaller sh at least
  // one margin above. A margin here is taken on the error scale's bound over every humidity
  // ratio from 0 up to the one read (see Balance), so the margin at a smaller sh exceeds it only
  // by the margin factor times what g grows; and the readings' rounding error stays a hundred
  // times under a margin (see WetBulbMarginFactor).
  double NotAboveUpTo(double db) {
    if (!std::isfinite(db) || !EndsMayLieBelowWb()) return -Infinity;
    crossingWidth_ = 0.0;
    const double crossing = std::min(Crossing(atWb_, db), Crossing(firstGrid_, db));
    if (!(crossing > 0.0)) return -Infinity;
    const double top = std::min(crossing, SearchlessShLimit);
    for (const double backOff : {BackOffMargins, BackOffMargins * BackOffGrowth}) {
      const double sh = top - backOff * crossingWidth_;
      if (!(sh > 0.0)) return -Infinity;
      const Balance atWb = BalanceAt(atWb_, db, sh);
      const Balance atGrid = BalanceAt(firstGrid_, db, sh);
      if (atWb.Ok && atWb.Db - db > 2.0 * atWb.Margin && atGrid.Ok &&
          atGrid.Db - db > atGrid.Margin) {
        return sh;
      }
    }
    return -Infinity;
  }

 private:
  // Ten times the wet-bulb search's last step (1e-8 °C): a search that ends within that step
  // below a crossing above wb + Gap ends above wb.
  static constexpr double Gap = 1e-7;  // °C
  static_assert(Gap > FinestStepOf(TemperatureFirstStep, TemperatureTolerance));
  // How far below a first-level trial value, relative to it, the finer levels' sums meant to
  // reach it may round: a few units in the last place, with room to spare.
  static constexpr double FinerLevelSlack = 1e-12;
  static constexpr double Infinity = std::numeric_limits<double>::infinity();
  // Where the saturation pressure comes this close to the atmospheric one, no certificate.
  static constexpr double MaxCertifiedAmplification = 1e9;
  // How many margins' widths below the crossing the certificate is sought, then how much
  // further when that reading is not clear enough.
  static constexpr double BackOffMargins = 8.0;
  static constexpr double BackOffGrowth = 64.0;

  enum Branch { Ice, Water, Beyond };
  static Branch BranchOf(double t) {
    return t < IceBranchEndC ? Ice : t < WaterBranchEndC ? Water : Beyond;
  }

  static double FirstGridAtOrAbove(const PsychroParams* p, double t) {
    const SearchFamily family = TemperatureSearch(p);
    const double k = std::max(1.0, std::ceil((t - family.Start) / family.FirstStep));
    return family.Start + k * family.FirstStep;
  }

  // A fixed wet bulb, its saturation pressure and the parts of DbFromWbShAt that do not depend
  // on the humidity ratio, each read once.
  struct Fixed {
    double T;
    bool Read = false;
    // Parts.Status fails where the saturation pressure or its humidity ratio does.
    FixedWetBulb Parts = {};
    double Amplified = 0.0;  // Amplification at the saturation pressure
    // WetBulbErrorNumerator over Cpa at humidity ratio 0 and its growth per unit of sh: the
    // error scale's bound over every humidity ratio from 0 up to sh is their sum.
    double ScaleAtZero = 0.0;
    double ScalePerSh = 0.0;
  };

  const Fixed& Read(Fixed& at) {
    if (!at.Read) {
      at.Read = true;
      double pws = 0.0;
      const int32_t status = SatPressure(p_, &at.T, &pws);
      at.Parts = FixWetBulb(p_, &at.T, &pws);
      if (Failed(status)) at.Parts.Status = status;
      at.Amplified = Amplification(p_, pws);
      at.ScaleAtZero = WetBulbErrorNumerator(at.Parts, at.Amplified, 0.0) / p_->CpAir;
      at.ScalePerSh = std::fabs(at.Parts.Fall) / p_->CpAir;
    }
    return at;
  }

  struct Balance {
    bool Ok;
    double Db;
    // On the error scale's bound over every humidity ratio from 0 up to this one's (its
    // numerator over Cpa, the least divisor): a margin that also covers every smaller one.
    double Margin;
  };

  // The humidity ratio at which the balance at a fixed wet bulb reaches db, in closed form,
  // and, in crossingWidth_, how far below it the balance lies a margin above db. Minus
  // infinity where the balance may not fall with the humidity ratio.
  double Crossing(Fixed& at, double db) {
    const Fixed& fixed = Read(at);
    if (Failed(fixed.Parts.Status) || !(fixed.Amplified < MaxCertifiedAmplification))
      return -Infinity;
    const auto [sh, divisor] = ShFromFixedWetBulb(p_, fixed.Parts, db);
    if (!(fixed.Parts.Fall > 0.0) || !(divisor > 0.0) || !std::isfinite(sh)) return -Infinity;
    // The balance's slope in sh there is -divisor / (Cpv sh + Cpa).
    const double wideMargin =
        WetBulbMarginFactor *
        (fixed.ScaleAtZero + fixed.ScalePerSh * std::fabs(sh) + 2.0 * std::fabs(db));
    crossingWidth_ =
        std::max(crossingWidth_, wideMargin * (p_->CpVapour * std::fabs(sh) + p_->CpAir) / divisor);
    return sh;
  }

  // DbFromWbSh(t, sh) as the search reads it, with the margin its readings are certified by.
  Balance BalanceAt(Fixed& at, double db, double sh) {
    const Fixed& fixed = Read(at);
    double g = 0.0;
    if (Failed(DbFromFixedWetBulb(p_, fixed.Parts, &sh, &g))) {
      return {false, 0.0, 0.0};
    }
    const double scale = fixed.ScaleAtZero + fixed.ScalePerSh * std::fabs(sh);
    return {true, g, WetBulbMarginFactor * (scale + std::fabs(g) + std::fabs(db))};
  }

  // Every trial value from wb up to the first first-level one at or above it overshoots: the
  // reading at wb clearly, the branch rising up to its top, and that first-level value (in
  // the same branch, or on the bound of the next) by its own exact reading.
  bool NotAbove(double db, double sh) {
    if (!EndsMayLieBelowWb()) return false;
    const Balance atWb = BalanceAt(atWb_, db, sh);
    if (!atWb.Ok || !(atWb.Db - db > atWb.Margin)) return false;
    const Balance atGrid = BalanceAt(firstGrid_, db, sh);
    return atGrid.Ok && atGrid.Db > db;
  }

  // The search never ends below its start, so never below a wet bulb under the start,
  // whatever the readings say.
  bool EndsMayLieBelowWb() const { return wb_ >= TemperatureSearch(p_).Start; }

  // Every trial value up to wb + gap stays below: its reading clearly, each lower branch by
  // the clear reading at its top.
  bool Above(double db, double sh) {
    if (!ClearlyBelow(aboveWb_, db, sh) || !LowerBranchesBelow(BranchOf(aboveWb_.T), db, sh)) {
      return false;
    }
    return EndsAfter(aboveWb_.T, db, sh);
  }

  // The first first-level trial value above wb does not overshoot, nor does any before it: the
  // search ends at or above it, above wb, though the balance in wb's own branch may still lie
  // above db there (it jumps down across a branch's bound).
  bool PassesFirstGrid(double db, double sh) {
    if (!(firstGrid_.T > wb_)) return false;
    if (!ClearlyBelow(firstGrid_, db, sh) || !LowerBranchesBelow(BranchOf(firstGrid_.T), db, sh)) {
      return false;
    }
    return EndsAfter(firstGrid_.T, db, sh);
  }

  // Every trial value the search meets below the branch `branch` stays below db.
  bool LowerBranchesBelow(Branch branch, double db, double sh) {
    for (int lower = Ice; lower < branch; ++lower) {
      const size_t i = static_cast<size_t>(lower);
      if (ClearlyBelow(branchTops_[i], db, sh)) continue;
      // The balance may jump down across the bound, so the branch's top may overshoot. When the
      // bound is a first-level trial value and does not overshoot, the search never steps back
      // below it, and meets the branch only at its first-level values: the last of them under
      // the bound, clearly below, keeps them all below.
      BranchEntry& entry = branchEntries_[i];
      if (!entry.OnGrid || !ClearlyBelow(entry.Bound, db, sh) ||
          !ClearlyBelow(entry.LastGridBelow, db, sh)) {
        return false;
      }
    }
    return true;
  }

  // A first-level trial value above `t` that does not boil overshoots: the search ends there at
  // the latest, without failing.
  bool EndsAfter(double t, double db, double sh) {
    Fixed* last = LastGrid();
    if (last == nullptr || !(last->T > t)) return false;
    return EndsAtGrid(*last, lastGridJustBelow_, db, sh);
  }

  // Whether the search, meeting the first-level trial value `grid`, ends there at the latest:
  // its reading overshoots, and so does every trial value a finer level puts a few units in the
  // last place below it. Were the crossing to lie between those, the finer level would not
  // stop there but step on past the grid value, where the water branch may boil. The reading
  // just below the grid value, in its branch (rising there), overshooting clearly settles it.
  bool EndsAtGrid(Fixed& grid, Fixed& justBelow, double db, double sh) {
    const Balance atGrid = BalanceAt(grid, db, sh);
    if (!atGrid.Ok || !(atGrid.Db > db) || BranchOf(justBelow.T) != BranchOf(grid.T)) return false;
    const Balance below = BalanceAt(justBelow, db, sh);
    return below.Ok && below.Db - db > below.Margin;
  }

  // Where a finer level's trial values that should reach a first-level one may land instead:
  // as far below it as their additions' rounding reaches.
  static Fixed JustBelow(double grid) {
    return Fixed{grid - FinerLevelSlack * std::max(1.0, std::fabs(grid))};
  }

  // Boiling rises with the trial value: every trial value above one that boils boils too. Not
  // so where the water branch's top boils and the IAPWS branch's bottom does not (an
  // atmospheric pressure between their 101,417.994 and 101,419.040 Pa): the search can fail
  // below a first-level trial value that does not boil, and no reading here settles it.
  bool BoilingMonotone() {
    if (!monotoneFound_) {
      monotoneFound_ = true;
      // Below the IAPWS branch's bottom the water branch's top does not boil either.
      const Fixed* last = LastGrid();
      monotone_ = last == nullptr || last->T < WaterBranchEndC ||
                  !Failed(Read(branchTops_[Water]).Parts.Status);
    }
    return monotone_;
  }

  bool ClearlyBelow(Fixed& at, double db, double sh) {
    const Balance balance = BalanceAt(at, db, sh);
    return balance.Ok && db - balance.Db >= balance.Margin;
  }

  // Every first-level trial value up to the last that does not boil stays clearly below db: the
  // search goes on to the next one, which fails.
  bool NeverReached(double db, double sh) {
    Fixed* last = LastGrid();
    if (last == nullptr) return false;
    const Balance atLast = BalanceAt(*last, db, sh);
    if (!atLast.Ok || !(db - atLast.Db >= atLast.Margin)) return false;
    for (int lower = Ice; lower < BranchOf(last->T); ++lower) {
      const Balance atTop = BalanceAt(branchTops_[static_cast<size_t>(lower)], db, sh);
      if (!atTop.Ok || !(db - atTop.Db >= atTop.Margin)) return false;
    }
    return true;
  }

  // A first-level trial value at or below wb that does not boil overshoots: the search stops
  // there or at an earlier one, none of which boils either, and ends below it. This settles
  // wet bulbs whose own reading fails, at or above boiling.
  bool EndsAtOrBelowWb(double db, double sh) {
    Fixed* below = LastGridAtOrBelowWb();
    return below != nullptr && EndsAtGrid(*below, belowWbJustBelow_, db, sh);
  }

  Fixed* LastGridAtOrBelowWb() {
    if (!belowWbFound_) {
      belowWbFound_ = true;
      const Fixed* last = LastGrid();
      const SearchFamily family = TemperatureSearch(p_);
      const double steps = std::floor((wb_ - family.Start) / family.FirstStep);
      if (last != nullptr && steps >= 1.0 && std::isfinite(steps)) {
        belowWb_ = Fixed{std::min(last->T, family.Start + steps * family.FirstStep)};
        belowWbJustBelow_ = JustBelow(belowWb_.T);
        hasBelowWb_ = true;
      }
    }
    return hasBelowWb_ ? &belowWb_ : nullptr;
  }

  // The last first-level trial value whose saturation pressure stays below the atmospheric
  // one, found once by halving (the pressure rises with the temperature).
  Fixed* LastGrid() {
    if (!lastGridFound_) {
      lastGridFound_ = true;
      // Its saturation humidity ratio fails there.
      auto boils = [this](double t) {
        Fixed at{t};
        return Failed(Read(at).Parts.Status);
      };
      const SearchFamily family = TemperatureSearch(p_);
      const double gridStep = family.FirstStep;
      double low = family.Start + gridStep;
      // The last first-level trial value below the critical temperature.
      double high =
          family.Start + std::floor((CriticalTemperatureC - family.Start) / gridStep) * gridStep;
      if (boils(low)) return nullptr;
      if (!boils(high)) {
        low = high;
      } else {
        while (high - low > gridStep) {
          const double middle = low + std::floor((high - low) / gridStep / 2.0) * gridStep;
          (boils(middle) ? high : low) = middle;
        }
      }
      lastGrid_ = Fixed{low};
      lastGridJustBelow_ = JustBelow(low);
      hasLastGrid_ = true;
    }
    return hasLastGrid_ ? &lastGrid_ : nullptr;
  }

  PsychroParams* p_;
  double wb_;
  Fixed atWb_;
  Fixed aboveWb_;
  Fixed firstGrid_;
  std::array<Fixed, 2> branchTops_;  // the ice branch's and the water branch's
  // A branch's upper bound, whether it is a first-level trial value, and the first-level trial
  // value before it.
  struct BranchEntry {
    Fixed Bound;
    Fixed LastGridBelow;
    bool OnGrid;
  };
  static BranchEntry EntryAt(const PsychroParams* p, double bound) {
    const double step = TemperatureSearch(p).FirstStep;
    return {Fixed{bound}, Fixed{bound - step}, FirstGridAtOrAbove(p, bound) == bound};
  }
  std::array<BranchEntry, 2> branchEntries_;
  Fixed lastGrid_{0.0};
  Fixed lastGridJustBelow_{0.0};
  Fixed belowWb_{0.0};
  Fixed belowWbJustBelow_{0.0};
  double crossingWidth_ = 0.0;  // kg/kg(DA), set by Crossing
  bool lastGridFound_ = false;
  bool hasLastGrid_ = false;
  bool belowWbFound_ = false;
  bool hasBelowWb_ = false;
  bool monotoneFound_ = false;
  bool monotone_ = true;
};

// ShFromDbWb asking its wet-bulb questions of one WetBulbAbove, and none at all of the trial
// values it certifies below the crossing.
inline int32_t ShFromDbWbBy(PsychroParams* p, WetBulbAbove& above, double db, double* result) {
  const double notAboveUpTo = above.NotAboveUpTo(db);
  return OutcomeStepSearch(
      HumidityRatioSearch(p),
      [&](double s) {
        if (s >= 0.0 && s <= notAboveUpTo) return ProbeOutcome::NotOver;
        return above(db, s);
      },
      result);
}

}  // namespace vaporin::search
