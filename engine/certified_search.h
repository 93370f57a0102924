#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "engine/finite_result.h"
#include "engine/psychro_params.h"
#include "engine/run_of_additions.h"
#include "engine/sat_pressure.h"
#include "engine/search_readings.h"
#include "engine/step_search.h"

namespace vaporin {

// The plain stepping search of StepSearch, giving the same result bit for bit (the same trial
// values by the same additions, the same outcomes, the same failures and probe cap) while
// evaluating only the probes whose outcome a few readings near the crossing do not settle.
//
// Within each piece a reading clearly below the target certifies every trial value under it
// as not overshooting, and one clearly above certifies every trial value over it as
// overshooting; a bracketed root search (Illinois) puts both certificates next to the crossing,
// so only trial values within the margin of it are evaluated. A probe that fails does so for
// every larger trial value of its piece (saturation pressure reaching the atmospheric one, or
// leaving its range): a skipped overshoot is checked by the largest one per piece.
template <typename Probe>
class CertifiedSearch {
 public:
  CertifiedSearch(const SearchFamily& family, double target, Overshoot overshoot, Probe& probe,
                  const Pieces& pieces, const std::optional<Bracket>& guess, double marginFactor)
      : family_(family),
        guess_(guess),
        target_(target),
        overshoot_(overshoot),
        probe_(probe),
        pieces_(pieces),
        marginFactor_(marginFactor) {}

  int32_t Run(double* result) {
    *result = 0.0;
    // A target that compares with nothing (NaN) or everything leaves nothing to certify.
    if (!std::isfinite(target_)) {
      for (PieceState& piece : states_) piece.Analysed = true;
    } else if (guess_) {
      StartFrom(*guess_);
    }
    double s = family_.Start;
    double step = family_.FirstStep;
    int32_t probesBelowTarget = 0;
    // The current piece's certificates, as plain numbers for the run of a level.
    double bottom = Infinity;
    double notOverUpTo = -Infinity;
    double overFrom = Infinity;
    double top = -Infinity;
    auto refresh = [&] {
      const PieceState& piece = states_[lastPiece_];
      bottom = lastBottom_;
      top = lastTop_;
      notOverUpTo = piece.Analysed ? piece.NotOverUpTo : -Infinity;
      overFrom = piece.Analysed ? piece.OverFrom : Infinity;
    };
    while (step > family_.Tolerance) {
      const bool wholeStep = IsWhole(step);
      const double jumpSpan = MinStepsToJump * step;
      for (;;) {
        s += step;
        if (s <= notOverUpTo && s >= bottom) {
          if (s < pieces_.FailsLowBelow) {
            double& lowest = states_[lastPiece_].SkippedNotOver;
            lowest = std::min(lowest, s);
          }
          // The run of certified trial values, in a loop of its own: it is most of the search.
          for (;;) {
            if (++probesBelowTarget > MaxProbesBelowTarget) return StatusFailed;
            if (notOverUpTo - s > jumpSpan) {
              AdditionRun run = wholeStep ? WholeRun(s, step, notOverUpTo) : AdditionRun{};
              if (run.Steps == 0.0) run = BinadeRun(s, step, notOverUpTo);
              if (run.Steps > 0.0) {
                if (run.Steps > MaxProbesBelowTarget - probesBelowTarget) return StatusFailed;
                s += run.Advance;
                probesBelowTarget += static_cast<int32_t>(run.Steps);
              }
            }
            const double next = s + step;
            if (!(next <= notOverUpTo)) break;
            s = next;
          }
          continue;
        }
        Outcome outcome;
        if (s >= overFrom && s < top) {
          PieceState& piece = states_[lastPiece_];
          piece.SkippedOver = std::max(piece.SkippedOver, s);
          outcome = Outcome::Over;
        } else {
          outcome = Decide(s, step);
          refresh();
        }
        if (outcome == Outcome::Fail) return StatusFailed;
        if (outcome == Outcome::Over) {
          s -= step;
          step *= StepShrinkFactor;
          break;
        }
        if (++probesBelowTarget > MaxProbesBelowTarget) return StatusFailed;
      }
    }
    for (size_t i = 0; i <= pieces_.Count; ++i) {
      const PieceState& piece = states_[i];
      if (piece.SkippedOver >= pieces_.FailsHighFrom && piece.SkippedOver > piece.HighestSuccess &&
          Failed(probe_(piece.SkippedOver).Status)) {
        return StatusFailed;
      }
      if (piece.SkippedNotOver < pieces_.FailsLowBelow &&
          piece.SkippedNotOver < piece.LowestSuccess &&
          Failed(probe_(piece.SkippedNotOver).Status)) {
        return StatusFailed;
      }
    }
    return StoreFinite(s, result);
  }

 private:
  enum class Outcome { NotOver, Over, Fail };
  static constexpr double Infinity = std::numeric_limits<double>::infinity();
  static constexpr int MaxRootSteps = 200;
  // Secant steps that do not bring the distance below this fraction of the nearest so far,
  // and how many of them in a row hand over to halving.
  static constexpr double StallFraction = 0.5;
  static constexpr int MaxStalledSteps = 2;
  static constexpr double MarginGrowth = 4.0;
  static constexpr double MaxMarginGrowth = 1e30;
  static constexpr double CertifyFloorFraction = 0.25;
  static constexpr double ClearBracketTolerances = 2.0;
  // Relative, a few thousand units in the last place.
  static constexpr double FirstOverSlack = 1e-12;
  // Shorter runs of certified trial values cost less to add up one by one.
  static constexpr double MinStepsToJump = 16.0;
  // Growing steps tried above a piece's first trial value before halving up to its top.
  static constexpr int MaxReachSteps = 6;

  struct PieceState {
    double NotOverUpTo = -Infinity;  // every trial value up to here is certified not over
    double OverFrom = Infinity;      // every trial value from here on is certified over
    double HighestSuccess = -Infinity;
    double LowestSuccess = Infinity;
    double SkippedOver = -Infinity;
    double SkippedNotOver = Infinity;  // the lowest
    bool Analysed = false;
  };

  struct Evaluated {
    bool Failed;
    double Distance;  // past the target: positive overshoots
    double Margin;
    bool Over;  // the exact outcome, as the plain search computes it
  };

  size_t PieceOf(double s) const {
    size_t i = 0;
    while (i < pieces_.Count && s >= pieces_.Bounds[i]) ++i;
    return i;
  }

  double Bottom(size_t i) const { return i == 0 ? -Infinity : pieces_.Bounds[i - 1]; }

  // The largest trial value a piece can hold: just under its upper bound, or for the last piece
  // as far as the probe cap lets the first level go.
  double Top(size_t i) const {
    if (i < pieces_.Count) return TrialValuesBelowUpTo(family_, pieces_.Bounds[i]);
    return family_.Start + family_.FirstStep * (MaxProbesBelowTarget + 2.0);
  }

  Evaluated Evaluate(double x) { return Learn(x, probe_(x)); }

  Evaluated Learn(double x, const Reading& reading) {
    PieceState& piece = states_[PieceOf(x)];
    if (Failed(reading.Status)) return {true, 0.0, 0.0, false};
    // Below the start there are no trial values, and a probe need not be monotone there (a dry
    // bulb below absolute zero): such a reading certifies nothing.
    const bool mayCertify = x >= family_.Start;
    if (mayCertify) {
      piece.HighestSuccess = std::max(piece.HighestSuccess, x);
      piece.LowestSuccess = std::min(piece.LowestSuccess, x);
    }
    const bool above = overshoot_ == Overshoot::Above;
    const double distance = above ? reading.Value - target_ : target_ - reading.Value;
    const double margin =
        marginFactor_ * (reading.ErrorScale + std::fabs(reading.Value) + std::fabs(target_));
    const bool over = above ? reading.Value > target_ : reading.Value < target_;
    if (!std::isfinite(target_) || !mayCertify) return {false, distance, margin, over};
    if (distance <= -margin) piece.NotOverUpTo = std::max(piece.NotOverUpTo, x);
    if (distance > margin) piece.OverFrom = std::min(piece.OverFrom, x);
    return {false, distance, margin, over};
  }

  Outcome Decide(double s, double step) {
    // Trial values mostly stay in the piece of the one before.
    if (!(s >= lastBottom_ && s < lastTop_)) {
      lastPiece_ = PieceOf(s);
      lastBottom_ = Bottom(lastPiece_);
      lastTop_ = lastPiece_ < pieces_.Count ? pieces_.Bounds[lastPiece_] : Infinity;
    }
    const size_t i = lastPiece_;
    PieceState& piece = states_[i];
    if (!piece.Analysed) {
      piece.Analysed = true;
      Analyse(i, s, step);
    }
    if (s <= piece.NotOverUpTo) {
      piece.SkippedNotOver = std::min(piece.SkippedNotOver, s);
      return Outcome::NotOver;
    }
    if (s >= piece.OverFrom) {
      piece.SkippedOver = std::max(piece.SkippedOver, s);
      return Outcome::Over;
    }
    const Evaluated at = Evaluate(s);
    if (at.Failed) return Outcome::Fail;
    return at.Over ? Outcome::Over : Outcome::NotOver;
  }

  // Reads the guessed bracket, the tops of the pieces under it (certifying them whole, as a
  // rule) and, just above it, the first trial value of the first level above the bracket (which
  // the plain search reads, overshooting, and which must not fail): readings that do not wait
  // for each other.
  void StartFrom(const Bracket& guess) {
    const size_t i = PieceOf(guess.Low);
    if (!(guess.Low < guess.High) || PieceOf(guess.High) != i || guess.Low < family_.Start) return;
    const double firstOver =
        family_.Start +
        std::ceil((guess.High - family_.Start) / family_.FirstStep) * family_.FirstStep;
    // The finer levels' trial values that overshoot stay below it, or by their rounding a few
    // units in the last place above it: a success read just above covers them all.
    const double aboveFirstOver = firstOver + FirstOverSlack * std::max(1.0, std::fabs(firstOver));
    std::array<double, 6> at{guess.Low, guess.High};
    size_t count = 2;
    if (aboveFirstOver >= pieces_.FailsHighFrom) at[count++] = aboveFirstOver;
    // A piece wholly below the start holds no trial value: nothing to read there.
    size_t firstBelow = 0;
    while (firstBelow < i && Top(firstBelow) < family_.Start) {
      states_[firstBelow++].Analysed = true;
    }
    for (size_t below = firstBelow; below < i; ++below) at[count++] = Top(below);
    std::array<Reading, 6> readings;
    for (size_t n = 0; n < count; ++n) readings[n] = probe_(at[n]);
    for (size_t n = 2; n < count; ++n) Learn(at[n], readings[n]);
    for (size_t below = firstBelow; below < i; ++below) {
      if (states_[below].NotOverUpTo >= Top(below)) states_[below].Analysed = true;
    }
    const Evaluated low = Learn(guess.Low, readings[0]);
    const Evaluated high = Learn(guess.High, readings[1]);
    if (low.Failed || high.Failed || !(low.Distance <= 0.0) || !(high.Distance > 0.0)) return;
    FindCrossing(guess.Low, low, guess.High, high);
    states_[i].Analysed = true;
  }

  // The first trial value met in a piece: certify the piece's two sides of its crossing.
  void Analyse(size_t i, double s, double step) {
    const Evaluated top = Evaluate(Top(i));
    if (!top.Failed && top.Distance <= -top.Margin) return;  // the whole piece stays below
    const Evaluated first = Evaluate(s);
    if (first.Failed) return;
    if (first.Distance > first.Margin) {
      // Overshooting already: the crossing lies under s, above the trial value before it.
      const double below = std::max(s - step, Bottom(i));
      if (!std::isfinite(below)) return;
      const Evaluated low = Evaluate(below);
      if (!low.Failed && low.Distance <= 0.0) FindCrossing(below, low, s, first);
      return;
    }
    if (first.Distance > -first.Margin) {
      Certify(s, 0.0);
      return;
    }
    // Below the crossing: the piece's top may lie far above it, or fail (the water branch runs
    // to 100 °C from a crossing just above 0 °C), where halving would take some fifty readings.
    // Steps growing from this level's step find an overshoot near s in a few.
    double lo = s;
    Evaluated atLo = first;
    double reach = step;
    for (int n = 0; n < MaxReachSteps && s + reach < Top(i); ++n, reach *= MarginGrowth) {
      const double x = s + reach;
      const Evaluated at = Evaluate(x);
      if (at.Failed || at.Distance > 0.0) {
        FindCrossing(lo, atLo, x, at);
        return;
      }
      if (at.Distance > -at.Margin) {
        Certify(x, 0.0);
        return;
      }
      lo = x;
      atLo = at;
    }
    FindCrossing(lo, atLo, Top(i), top);
  }

  // Narrows a bracket whose low end does not overshoot and whose high end overshoots or fails
  // to the crossing, then certifies both sides of it.
  void FindCrossing(double lo, const Evaluated& atLo, double hi, const Evaluated& atHi) {
    double fLo = atLo.Distance;
    double fHi = atHi.Distance;
    double dLo = fLo;  // the true distances; fLo and fHi are scaled by Anderson-Björck
    double dHi = fHi;
    bool hiFailed = atHi.Failed;
    // A probe through a searched quantity jumps where that quantity takes its next grid value;
    // secant steps crawl towards such a jump, so halving takes over while they stop gaining.
    double nearest = std::min(std::fabs(dLo), hiFailed ? Infinity : std::fabs(dHi));
    // Whether the ends certify their sides, and the margin of the readings.
    bool loClear = dLo <= -atLo.Margin;
    bool hiClear = !hiFailed && dHi > atHi.Margin;
    double margin = std::max(atLo.Margin, atHi.Margin);
    int stalled = 0;
    for (int n = 0; n < MaxRootSteps; ++n) {
      // Two certificates this close leave the search a trial value or two between them to
      // read, fewer than narrowing them further would.
      if (loClear && hiClear && !(hi - lo > ClearBracketTolerances * family_.Tolerance)) return;
      if (!(hi - lo > family_.Tolerance)) {
        // Within the search's tolerance of each other two certificates leave a trial value or
        // two between them, which the search reads itself. Ends within the margin of the
        // target certify nothing (a guessed bracket that narrow): certify around them.
        if (!loClear || !hiClear) {
          const double slope = hiFailed ? 0.0 : (dHi - dLo) / (hi - lo);
          Certify(lo + 0.5 * (hi - lo), slope > 0.0 ? 2.0 * margin / slope : 0.0);
        }
        return;
      }
      double x = lo + 0.5 * (hi - lo);
      // Anderson-Björck: a secant step, the distance of an end kept running scaled down.
      if (stalled < MaxStalledSteps && !hiFailed && fHi > fLo) {
        const double secant = lo - fLo * (hi - lo) / (fHi - fLo);
        if (secant > lo && secant < hi) x = secant;
      }
      const Evaluated at = Evaluate(x);
      if (!at.Failed && at.Distance > -at.Margin && at.Distance <= at.Margin) {
        // Within the margin of the target: the crossing's neighbourhood.
        const double slope = hiFailed ? 0.0 : (dHi - dLo) / (hi - lo);
        Certify(x, slope > 0.0 ? 2.0 * at.Margin / slope : 0.0);
        return;
      }
      if (!at.Failed && std::fabs(at.Distance) < StallFraction * nearest) {
        nearest = std::fabs(at.Distance);
        stalled = 0;
      } else {
        ++stalled;
      }
      if (!at.Failed) margin = at.Margin;
      if (at.Failed || at.Distance > 0.0) {
        const double scale = at.Failed || hiFailed ? 0.5 : 1.0 - at.Distance / fHi;
        hi = x;
        fHi = at.Distance;
        dHi = at.Distance;
        hiFailed = at.Failed;
        hiClear = !at.Failed && at.Distance > at.Margin;
        fLo *= scale > 0.0 ? scale : 0.5;
      } else {
        const double scale = 1.0 - at.Distance / fLo;
        lo = x;
        fLo = at.Distance;
        dLo = at.Distance;
        loClear = at.Distance <= -at.Margin;
        fHi *= scale > 0.0 ? scale : 0.5;
      }
    }
  }

  // Readings on either side of one within the margin of the target, each as near as certifies
  // its side; `guess` is a first distance to try (the margin over the probe's slope).
  void Certify(double x, double guess) {
    // Closer than a fraction of the search's tolerance a certificate saves no reading: trial
    // values lie that far apart at the finest level.
    const double smallest = family_.Tolerance * CertifyFloorFraction;
    const double first = std::isfinite(guess) && guess > smallest ? guess : smallest;
    // Both first readings at once; they do not wait for each other.
    const Reading firstBelow = probe_(x - first);
    const Reading firstAbove = probe_(x + first);
    Evaluated below = Learn(x - first, firstBelow);
    for (double m = first * MarginGrowth;
         !below.Failed && below.Distance > -below.Margin && m < first * MaxMarginGrowth;
         m *= MarginGrowth) {
      below = Evaluate(x - m);
    }
    Evaluated above = Learn(x + first, firstAbove);
    for (double m = first * MarginGrowth;
         !above.Failed && above.Distance <= above.Margin && m < first * MaxMarginGrowth;
         m *= MarginGrowth) {
      above = Evaluate(x + m);
    }
  }

  const SearchFamily& family_;
  std::optional<Bracket> guess_;
  double target_;
  Overshoot overshoot_;
  Probe& probe_;
  Pieces pieces_;
  double marginFactor_;
  std::array<PieceState, 4> states_{};
  size_t lastPiece_ = 0;
  double lastBottom_ = Infinity;  // none yet
  double lastTop_ = -Infinity;
};

// StepSearch over a probe that returns a Reading, monotone within each of `pieces`.
template <typename Probe>
int32_t CertifiedStepSearch(const SearchFamily& family, double target, Overshoot overshoot,
                            Probe&& probe, const Pieces& pieces, double* result,
                            const std::optional<Bracket>& guess = std::nullopt,
                            double marginFactor = CertifiedMarginFactor) {
  return CertifiedSearch<Probe>(family, target, overshoot, probe, pieces, guess, marginFactor)
      .Run(result);
}

}  // namespace vaporin
