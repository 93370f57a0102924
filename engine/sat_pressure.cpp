#include "engine/sat_pressure.h"

#include <cmath>
#include <limits>

#include "engine/finite_result.h"
#include "engine/step_search.h"

namespace vaporin {

namespace {
// The branch choice uses the plain 273.15, not the record's single-precision offset.
constexpr double CelsiusToKelvin = 273.15;
constexpr double CriticalTemperatureK = 647.096;
constexpr double CriticalPressurePa = 2.2064e7;
constexpr double PaPerHPa = 100.0;

// ln(hPa) = A / T + B + C T + D T^2 + E ln T, T in K: over ice and over water.
struct BranchCurve {
  double A, B, C, D, E;
};
constexpr BranchCurve IceCurve{-6024.5282, 24.7219, 0.010613868, -0.000013198825, -0.49382577};
constexpr BranchCurve WaterCurve{-6096.9385, 16.635794, -0.02711193, 0.00001673952, 2.433502};

double BranchLogHPa(const BranchCurve& c, double tk) {
  return c.A / tk + c.B + c.C * tk + c.D * tk * tk + c.E * std::log(tk);
}

double BranchHPa(const BranchCurve& c, double tk) { return std::exp(BranchLogHPa(c, tk)); }

// Wagner and Pruss.
double IapwsHPa(double tk) {
  const double tau = 1.0 - tk / CriticalTemperatureK;
  const double sum = -7.85951783 * tau + 1.84408259 * std::pow(tau, 1.5) -
                     11.7866497 * std::pow(tau, 3.0) + 22.6807411 * std::pow(tau, 3.5) -
                     15.9618719 * std::pow(tau, 4.0) + 1.80122502 * std::pow(tau, 7.5);
  return std::exp(CriticalTemperatureK / tk * sum + std::log(CriticalPressurePa)) / PaPerHPa;
}
}  // namespace

int32_t SatPressure(PsychroParams* p, const double* t, double* result) {
  *result = 0.0;
  const double tc = *t;
  const double tk = tc + CelsiusToKelvin;
  if (tk <= 0.0) return StatusFailed;
  double hPa;
  if (tc < IceBranchEndC) {
    hPa = BranchHPa(IceCurve, tk);
  } else if (tc < WaterBranchEndC) {
    hPa = BranchHPa(WaterCurve, tk);
  } else if (tc < CriticalTemperatureC) {
    hPa = IapwsHPa(tk);
  } else {
    return StatusFailed;
  }
  return StoreFinite(p->UnitMode == UnitModeHPa ? hPa : hPa * p->HPaToMmHg, result);
}

int32_t ProbeSatPressure(PsychroParams* p, const double* t, double* result) {
  // The searches' readings at the top of the ice branch: see TrialValuesBelowUpTo.
  constexpr double IceTopC = -NearestTrialValueToZero;
  if (*t != IceTopC) return SatPressure(p, t, result);
  static const double iceTopHPa = BranchHPa(IceCurve, IceTopC + CelsiusToKelvin);
  *result = 0.0;
  return StoreFinite(p->UnitMode == UnitModeHPa ? iceTopHPa : iceTopHPa * p->HPaToMmHg, result);
}

double SatPressureLogHPa(double t) {
  const double tk = t + CelsiusToKelvin;
  if (!(tk > 0.0) || !(t < WaterBranchEndC)) return std::numeric_limits<double>::quiet_NaN();
  return BranchLogHPa(t < IceBranchEndC ? IceCurve : WaterCurve, tk);
}

double SatPressureLogSlope(double t) {
  const double tk = t + CelsiusToKelvin;
  if (!(tk > 0.0) || !(t < WaterBranchEndC)) return std::numeric_limits<double>::quiet_NaN();
  const BranchCurve& c = t < IceBranchEndC ? IceCurve : WaterCurve;
  return -c.A / (tk * tk) + c.C + 2.0 * c.D * tk + c.E / tk;
}

double SatPressureLogCurvature(double t) {
  const double tk = t + CelsiusToKelvin;
  if (!(tk > 0.0) || !(t < WaterBranchEndC)) return std::numeric_limits<double>::quiet_NaN();
  const BranchCurve& c = t < IceBranchEndC ? IceCurve : WaterCurve;
  const double perK = 1.0 / tk;
  return (2.0 * c.A * perK - c.E) * perK * perK + 2.0 * c.D;
}

}  // namespace vaporin
