#include "engine/psychro_params.h"

namespace vaporin {

namespace {
// The record stores these constants at single precision.
constexpr double Single(float value) { return static_cast<double>(value); }

constexpr double PascalsPerKPa = 1000.0;
constexpr double StandardAtmospherePa = 101325.0;
}  // namespace

PsychroParams InitPsychroParams() {
  PsychroParams p{};
  p.UnitMode = UnitModeMmHg;
  p.PAtmKPa = Single(101.325f);
  p.KelvinOffset = Single(273.15f);
  p.MolarMassAir = Single(28.9645f);
  p.MolarMassWater = Single(18.01528f);
  p.GasConstAir = Single(29.27f);
  p.GasConstVapour = Single(47.06f);
  p.CpAir = Single(0.24f);
  p.CpVapour = Single(0.441f);
  p.CWater = 1.0;
  p.CIce = 0.5;
  p.LatentVap = 597.5;
  p.LatentFusion = Single(79.7f);
  p.PStdMmHg = 760.0;
  p.PAtmMmHg = 760.0;
  p.KcalToKJ = Single(4.1868f);
  p.HPaToMmHg = 0.75006168;
  p.TolTemp = TemperatureTolerance;
  p.TolSH = HumidityRatioTolerance;
  return p;
}

void SetAtmosphericPressure(PsychroParams* p, double pascals) {
  p->PAtmKPa = Single(static_cast<float>(pascals / PascalsPerKPa));
  // 760 x 101325 is exact in a double, so the standard atmosphere gives 760 exactly.
  p->PAtmMmHg = p->PStdMmHg * pascals / StandardAtmospherePa;
}

}  // namespace vaporin
