#include "engine/sat_curve_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/psychro_params.h"
#include "engine/sat_pressure.h"

namespace vaporin {
namespace {

// The model stands in for the curve in first estimates: off by more than its bounds, one
// exact step no longer settles them and every search pays readings, with no result to show it.
TEST(SatCurveModel, FollowsTheCurveWithinItsBoundsOnBothBranches) {
  PsychroParams p = InitPsychroParams();
  p.UnitMode = UnitModeHPa;
  struct Band {
    double Low, High;  // °C
    double Bound;      // °C equivalent
  };
  for (const Band band : {Band{-200.0, -100.0, 2e-7}, Band{-100.0, 0.0, 1.2e-8},
                          Band{0.0, 100.0, 4e-9}}) {
    for (double t = band.Low + 0.0017; t < band.High; t += 0.037) {
      double hPa = 0.0;
      ASSERT_EQ(SatPressure(&p, &t, &hPa), 1);
      const LogSatPressure model = ModelLogSatPressure(t);
      const double slope = SatPressureLogSlope(t);
      EXPECT_LT(std::fabs(model.Value - std::log(hPa)) / slope, band.Bound) << "at " << t;
      EXPECT_NEAR(model.Slope, slope, 1e-5 * slope) << "at " << t;
      const double curvature = SatPressureLogCurvature(t);
      EXPECT_NEAR(model.Curvature, curvature, 1e-3 * std::fabs(curvature)) << "at " << t;
    }
  }
  // Just under 0 °C the ice branch's piece, whose end is the ice branch's own value.
  const double iced = -1e-13;
  double hPa = 0.0;
  ASSERT_EQ(SatPressure(&p, &iced, &hPa), 1);
  EXPECT_NEAR(ModelLogSatPressure(iced).Value, std::log(hPa), 1e-12);
  for (const double outside : {-200.5, 100.0, 250.0, std::nan("")}) {
    EXPECT_TRUE(std::isnan(ModelLogSatPressure(outside).Value)) << outside;
  }
}

}  // namespace
}  // namespace vaporin
