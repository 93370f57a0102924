// Any two numbers in any two boxes, in any units: the solve answers with a state whose texts are
// numbers, or a reason, and never loops or crashes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/solving.h"
#include "units/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t Needed = 2 * sizeof(double) + 3;
  if (size < Needed) return 0;
  double values[2];
  std::memcpy(values, data, sizeof values);
  const auto first = static_cast<size_t>(data[16] % vaporin::EditBoxCount);
  const auto second = static_cast<size_t>(data[17] % vaporin::EditBoxCount);
  if (first == second) return 0;
  vaporin::Preferences preferences;
  preferences.Units.TemperatureUnit = static_cast<vaporin::UnitOfTemperature>(data[18] % 3);
  preferences.Units.SpecificHumidityUnit =
      static_cast<vaporin::UnitOfSpecHumidity>((data[18] / 3) % 4);
  vaporin::BoxTexts texts;
  for (int i = 0; i < 2; ++i) {
    if (!std::isfinite(values[i])) return 0;
    texts[i == 0 ? first : second] = vaporin::FormatFixed(values[i], 6);
  }
  const vaporin::Solution solution = vaporin::SolveTyped(texts, preferences);
  if (solution.Solved && !vaporin::ShowsAsNumbers(solution.Texts, ".")) std::abort();
  return 0;
}
