#include "engine/sat_curve_model.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

#include "engine/psychro_params.h"
#include "engine/sat_pressure.h"

namespace vaporin {

namespace {
// Pieces a quarter of a degree wide: 48 KB in all.
constexpr double PiecesPerK = 4.0;
constexpr double PieceWidthK = 1.0 / PiecesPerK;
constexpr size_t PieceCount =
    static_cast<size_t>((SatCurveModelHighC - SatCurveModelLowC) * PiecesPerK);

// y0 + u (m0 + u (c2 + u c3)) over u in [0, 1) across the piece, m0 the slope per piece.
struct Piece {
  double Y0, M0, C2, C3;
};

struct CurvePoint {
  double LogHPa;
  double Slope;
};

// The curve at t on the branch of the piece whose lower end is `low`: a piece ends on its own
// branch's value at the branch's end, read just under it.
CurvePoint BranchAt(PsychroParams* hPa, double t, double low) {
  const double branchEnd = low < IceBranchEndC ? IceBranchEndC : WaterBranchEndC;
  const double at = t == branchEnd ? std::nextafter(t, low) : t;
  double pressure = 0.0;
  SatPressure(hPa, &at, &pressure);
  return {std::log(pressure), SatPressureLogSlope(at)};
}

const std::array<Piece, PieceCount>& Pieces() {
  static const std::array<Piece, PieceCount> pieces = [] {
    PsychroParams hPa = InitPsychroParams();
    hPa.UnitMode = UnitModeHPa;
    std::array<Piece, PieceCount> built{};
    for (size_t i = 0; i < PieceCount; ++i) {
      const double low = SatCurveModelLowC + static_cast<double>(i) * PieceWidthK;
      const CurvePoint a = BranchAt(&hPa, low, low);
      const CurvePoint b = BranchAt(&hPa, low + PieceWidthK, low);
      const double rise = b.LogHPa - a.LogHPa;
      const double m0 = a.Slope * PieceWidthK;
      const double m1 = b.Slope * PieceWidthK;
      built[i] = {a.LogHPa, m0, 3.0 * rise - 2.0 * m0 - m1, m0 + m1 - 2.0 * rise};
    }
    return built;
  }();
  return pieces;
}
}  // namespace

LogSatPressure ModelLogSatPressure(double t) {
  constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
  if (!(t >= SatCurveModelLowC && t < SatCurveModelHighC)) return {NaN, NaN, NaN};
  const double offset = (t - SatCurveModelLowC) * PiecesPerK;
  size_t i = static_cast<size_t>(offset);
  // Just under 0 °C the offset may round up to the water branch's first piece.
  constexpr size_t FirstWaterPiece =
      static_cast<size_t>((IceBranchEndC - SatCurveModelLowC) * PiecesPerK);
  if (t < IceBranchEndC && i >= FirstWaterPiece) i = FirstWaterPiece - 1;
  // Just under the top, up to the end of the last piece.
  if (i >= PieceCount) i = PieceCount - 1;
  const Piece& piece = Pieces()[i];
  const double u = offset - static_cast<double>(i);
  return {piece.Y0 + u * (piece.M0 + u * (piece.C2 + u * piece.C3)),
          (piece.M0 + u * (2.0 * piece.C2 + 3.0 * u * piece.C3)) * PiecesPerK,
          (2.0 * piece.C2 + 6.0 * u * piece.C3) * (PiecesPerK * PiecesPerK)};
}

double SatCurveModelErrorC(double t) {
  constexpr double ColdLimitC = -100.0;
  constexpr double BelowColdC = 1.3e-9;
  constexpr double OverIceC = 1e-10;
  constexpr double OverWaterC = 3e-11;
  return t < ColdLimitC ? BelowColdC : t < IceBranchEndC ? OverIceC : OverWaterC;
}

}  // namespace vaporin
