#pragma once

// A cheap stand-in for the saturation pressure over ice and water, for the searches' first
// estimates only: no result depends on it, a poor estimate only costs a search readings.
namespace vaporin {

// ln(SatPressure in hPa) at a temperature, its slope per K and its second derivative per K².
struct LogSatPressure {
  double Value;
  double Slope;
  double Curvature;
};

// The model's range, °C: over ice below 0 °C, over water from it.
inline constexpr double SatCurveModelLowC = -200.0;
inline constexpr double SatCurveModelHighC = 100.0;

// Cubic pieces a quarter of a degree wide through the curve's values and slopes, without an
// exponential or a logarithm. NaN outside the range.
LogSatPressure ModelLogSatPressure(double t);

// How far the model's temperature at a pressure may lie from the curve's, °C: twice the most
// found over a grid 0.0037 °C fine (6.2e-10 °C below -100 °C, 4.6e-11 °C below 0 °C, 1.4e-11 °C
// above).
double SatCurveModelErrorC(double t);

}  // namespace vaporin
