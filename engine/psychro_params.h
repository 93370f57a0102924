#pragma once

#include <cstdint>

namespace vaporin {

// Every engine function returns one of these; callers treat any negative value as failure.
inline constexpr int32_t StatusOk = 1;
inline constexpr int32_t StatusFailed = -1;

inline bool Failed(int32_t status) { return status < 0; }

// Values of PsychroParams::UnitMode. Any value other than UnitModeHPa means mmHg and kcal.
inline constexpr int32_t UnitModeMmHg = 0;
inline constexpr int32_t UnitModeHPa = 1;

// The searches' tolerances, as InitPsychroParams sets them: the coupled constants of the
// searches are checked against these at compile time.
inline constexpr double TemperatureTolerance = 1e-8;      // °C
inline constexpr double HumidityRatioTolerance = 2.5e-6;  // kg/kg(DA)

// The engine's constants. Fields marked "single" hold the nearest float of the decimal
// constant, widened to double, and every relation uses that stored value.
struct PsychroParams {
  int32_t UnitMode;
  double PAtmKPa;         // kPa, single
  double KelvinOffset;    // °C to K, single
  double MolarMassAir;    // g/mol, single
  double MolarMassWater;  // g/mol, single
  double GasConstAir;     // kgf·m/(kg·K), single; kept for the record, used by no relation
  double GasConstVapour;  // kgf·m/(kg·K), single; kept for the record, used by no relation
  double CpAir;           // kcal/(kg·K), single
  double CpVapour;        // kcal/(kg·K), single
  double CWater;          // kcal/(kg·K)
  double CIce;            // kcal/(kg·K)
  double LatentVap;       // kcal/kg at 0 °C
  double LatentFusion;    // kcal/kg, single
  double PStdMmHg;        // mmHg; kept for the record, used by no relation
  double PAtmMmHg;        // mmHg
  double KcalToKJ;        // kJ/kcal, single
  double HPaToMmHg;       // mmHg/hPa
  double TolTemp;         // °C, tolerance of the temperature searches
  double TolSH;           // kg/kg(DA), tolerance of the humidity-ratio searches
};

PsychroParams InitPsychroParams();

// Sets the atmospheric-pressure fields (PAtmKPa at single precision, PAtmMmHg) for a pressure
// in pascals. At the standard atmosphere, 101325 Pa, they come out exactly as
// InitPsychroParams sets them.
void SetAtmosphericPressure(PsychroParams* p, double pascals);

// The air state in engine units: °C, %, kg/kg(DA), kcal/kg(DA), °C, m3/kg(DA), °C, g/m3.
struct AirState {
  double DB;
  double RH;
  double SH;
  double ENH;
  double WB;
  double SV;
  double DP;
  double VH;
};

// The quantities that can be entered; an entered dew point counts as SH.
enum QuantityIndex : int32_t {
  QuantityDB = 0,
  QuantityRH = 1,
  QuantitySH = 2,
  QuantityENH = 3,
  QuantityWB = 4,
  QuantitySV = 5,
  QuantityVH = 6,
};

// The field of each QuantityIndex, in index order.
inline constexpr double AirState::*QuantityFields[] = {
    &AirState::DB, &AirState::RH, &AirState::SH, &AirState::ENH,
    &AirState::WB, &AirState::SV, &AirState::VH,
};

}  // namespace vaporin
