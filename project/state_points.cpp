#include <algorithm>

#include "core/input_workflow.h"
#include "core/verdict.h"
#include "project/project.h"

namespace vaporin {

Solution SolvePoint(const StatePoint& point, const Preferences& preferences) {
  // The commit the window makes of two typed values, from the kept values themselves: a dew
  // point counts as the humidity ratio it gives at the pressure in force.
  Solution solution;
  PsychroParams params = ParamsOf(preferences);
  EnteredPair entered;
  std::array<int32_t, 2> quantities{};
  for (size_t i = 0; i < point.Inputs.size(); ++i) {
    const PointInput& input = point.Inputs[i];
    quantities[i] = InfoOf(input.Box).Quantity;
    if (input.Box == EditBox::DP) {
      entered.Values.DP = input.Value;
      entered.DewPointEntered = true;
    } else {
      entered.Values.*QuantityFields[quantities[i]] = input.Value;
    }
  }
  std::sort(quantities.begin(), quantities.end());
  entered.PairCode = PairCodeFirstFactor * quantities[0] + quantities[1];
  solution.Commit = {2, entered.PairCode, false, entered.DewPointEntered};
  if (entered.DewPointEntered && !RatioFromDewPoint(&params, &entered.Values)) {
    solution.Reason = TextId::NoAirState;
    return solution;
  }
  solution.Entered = entered.Values;
  solution.Reason = SolveEntered(&params, entered, preferences, &solution.State, &solution.Texts);
  solution.Solved = !solution.Reason;
  return solution;
}

std::string NextPointName(const std::vector<StatePoint>& points) {
  constexpr int Letters = 26;
  for (int index = 0;; ++index) {
    std::string name;
    for (int n = index;; n = n / Letters - 1) {
      name.insert(name.begin(), static_cast<char>('A' + n % Letters));
      if (n < Letters) break;
    }
    const bool taken = std::any_of(points.begin(), points.end(),
                                   [&](const StatePoint& point) { return point.Name == name; });
    if (!taken) return name;
  }
}

}  // namespace vaporin
