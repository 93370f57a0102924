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

// Cubic pieces 1 °C wide through the curve's values and slopes, without an exponential or a
// logarithm: within 2e-7 °C of the curve below -100 °C, 1.2e-8 °C below 0 °C and 4e-9 °C above
// (measured over a grid 0.0037 °C fine). NaN outside the range.
LogSatPressure ModelLogSatPressure(double t);

}  // namespace vaporin
