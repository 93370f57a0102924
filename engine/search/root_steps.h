#pragma once

#include <cmath>
#include <limits>
#include <optional>

#include "engine/certified_search.h"

// Root-finding moves with no psychrometrics in them: the brackets a search starts from, and the
// Newton and Halley steps that narrow them. They only make a search faster: a bracket that
// certifies less costs readings, nothing else.
namespace vaporin::search {

inline constexpr double GuessHalfWidth = 0.25;  // °C either side of a guessed crossing
// A bracket found from a model of the relation reaches this many margins either side of its
// crossing, so that its two readings are the certificates.
inline constexpr double MarginsWide = 1.5;

inline std::optional<Bracket> Around(double t) {
  if (!std::isfinite(t)) return std::nullopt;
  return Bracket{t - GuessHalfWidth, t + GuessHalfWidth};
}

// Above f''/2f' (a few hundredths per kelvin for these relations), and above
// |f'''/6f' - (f''/2f')^2| (about a thousandth per kelvin squared): what a step of Newton's and
// of Halley's leave, over the move squared and cubed.
inline constexpr double CurvaturePerK = 0.1;
inline constexpr double HalleyLeftPerK2 = 0.05;
// Steps on the model of the curve stop once what they leave is below this, a hundredth of the
// finest trial step.
inline constexpr double ModelSettledWithin = 1e-10;  // °C

// What a step of `move` leaves, Halley's or Newton's.
inline double LeftAfter(double move, bool halleys) {
  const double size = std::fabs(move);
  return halleys ? HalleyLeftPerK2 * size * size * size : CurvaturePerK * size * size;
}

// The move of Halley's step from a point `distance` past the target, where the curvature is
// known: from tens of degrees off it settles in two or three steps rather than five or six.
// Where it would go more than twice as far as Newton's (far out on a steep curve), and where
// the curvature is 0 (not known), Newton's.
struct Move {
  double By;
  bool Halleys;
};

inline Move HalleyMove(double distance, double slope, double curvature) {
  const double halley = 2.0 * slope * slope - distance * curvature;
  if (curvature != 0.0 && halley > slope * slope && std::isfinite(halley)) {
    return {2.0 * distance * slope / halley, true};
  }
  return {distance / slope, false};
}

// What Newton's steps read of a probe's own relation at a trial value: its value, its slope and
// its error scale (as the probe's Reading has it); NaN where it has none.
struct SlopedReading {
  double Value;
  double Slope;
  double ErrorScale;
  // The second derivative where it is known, for Halley's step; 0 for Newton's.
  double Curvature = 0.0;
};
inline constexpr SlopedReading NoSlopedReading{std::numeric_limits<double>::quiet_NaN(), 0.0, 0.0};

// Newton's steps (Halley's where the relation gives its curvature) on a probe's own relation
// from a guess a fraction of a degree off: they stop once a step moves less than `Settled`,
// leaving an error of about the step squared times f'' / 2f' (a few hundredths per kelvin for
// these relations), or less. The bracket is then a margin and
// a half plus that error wide either side of the crossing, so that its two readings certify
// both sides of it at once. Where the steps do not settle (a jump between branches, the IAPWS
// branch, no slope), the guess's own bracket. Either way the search's result is the same: a
// bracket that certifies less costs readings, nothing else.
// The steps are taken one at a time, so that two searches' steps can be taken in turn: each
// waits for its own readings, which the processor then overlaps with the other's.
template <typename Relation>
class NewtonBracket {
 public:
  NewtonBracket(Relation relation, double target, double guess, double marginFactor)
      : relation_(relation),
        target_(target),
        marginFactor_(marginFactor),
        t_(guess),
        result_(Around(guess)) {}

  // Takes the next step; whether another is wanted.
  bool Step() {
    if (steps_ == MaxNewtonSteps) return false;
    ++steps_;
    const SlopedReading at = relation_(t_);
    if (!std::isfinite(at.Value) || !(at.Slope > 0.0) || !std::isfinite(at.Slope)) {
      steps_ = MaxNewtonSteps;
      return false;
    }
    const double move = HalleyMove(at.Value - target_, at.Slope, at.Curvature).By;
    t_ -= move;
    if (!(std::fabs(move) < Settled)) return steps_ < MaxNewtonSteps;
    const double margin =
        marginFactor_ * (at.ErrorScale + std::fabs(at.Value) + std::fabs(target_));
    const double halfWidth = MarginsWide * margin / at.Slope + CurvaturePerK * move * move;
    result_ = Bracket{t_ - halfWidth, t_ + halfWidth};
    steps_ = MaxNewtonSteps;
    return false;
  }

  const std::optional<Bracket>& Result() const { return result_; }

 private:
  // From a bound tens of degrees off, Newton's steps on these convex relations take five or six.
  static constexpr int MaxNewtonSteps = 8;
  static constexpr double Settled = 3e-5;  // °C

  Relation relation_;
  double target_;
  double marginFactor_;
  double t_;
  int steps_ = 0;
  std::optional<Bracket> result_;
};

template <typename Relation>
std::optional<Bracket> RefinedAround(Relation relation, double target, double guess,
                                     double marginFactor) {
  NewtonBracket<Relation> steps(relation, target, guess, marginFactor);
  while (steps.Step()) {
  }
  return steps.Result();
}

// The larger root of quadratic t^2 + linear t + constant = 0 (quadratic > 0), without the
// cancellation of the textbook formula; none where there is no real root.
inline std::optional<double> LargerRoot(double quadratic, double linear, double constant) {
  const double disc = linear * linear - 4.0 * quadratic * constant;
  if (!(disc >= 0.0)) return std::nullopt;
  const double q = -0.5 * (linear + std::copysign(std::sqrt(disc), linear));
  return std::max(q / quadratic, constant / q);
}

}  // namespace vaporin::search
