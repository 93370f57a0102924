#include "engine/sat_curve_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/psychro_params.h"
#include "engine/sat_pressure.h"

namespace vaporin {
namespace {

// The model stands in for the curve in the searches' brackets: off by more than its bound, the
// brackets miss their crossings and every search pays readings, with no result to show it.
TEST(SatCurveModel, FollowsTheCurveWithinItsBoundOnBothBranches) {
  PsychroParams p = InitPsychroParams();
  p.UnitMode = UnitModeHPa;
  for (double t = SatCurveModelLowC + 0.0017; t < SatCurveModelHighC; t += 0.037) {
    double hPa = 0.0;
    ASSERT_EQ(SatPressure(&p, &t, &hPa), 1);
    const LogSatPressure model = ModelLogSatPressure(t);
    const double slope = SatPressureLogSlope(t);
    // The bound the searches' brackets add, in °C.
    EXPECT_LT(std::fabs(model.Value - std::log(hPa)) / slope, SatCurveModelErrorC(t)) << t;
    EXPECT_NEAR(model.Slope, slope, 1e-5 * slope) << "at " << t;
    const double curvature = SatPressureLogCurvature(t);
    EXPECT_NEAR(model.Curvature, curvature, 1e-3 * std::fabs(curvature)) << "at " << t;
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
