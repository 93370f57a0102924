#include "core/input_workflow.h"

#include <cmath>
#include <optional>

#include "engine/relations.h"
#include "engine/sat_pressure.h"
#include "units/number_text.h"
#include "units/unit_conversions.h"

namespace vaporin {

namespace {

bool Filled(const BoxTexts& texts, EditBox box) { return !TextOf(texts, box).empty(); }

// The records the scan keeps: the first two indices and how many there were.
struct Recorded {
  int Count = 0;
  int32_t First = -1;
  int32_t Second = -1;
  void Record(int32_t index) {
    (Count == 0 ? First : Second) = index;
    ++Count;
  }
};
}  // namespace

int FilledGroupCount(const BoxTexts& texts) {
  // A group is a quantity: the humidity ratio and the dew point share one.
  std::array<bool, QuantityVH + 1> filled{};
  for (const BoxInfo& info : BoxTable) {
    if (Filled(texts, info.Box)) filled[info.Quantity] = true;
  }
  int count = 0;
  for (const bool group : filled) count += group ? 1 : 0;
  return count;
}

bool RatioFromDewPoint(PsychroParams* params, AirState* state) {
  double pv = 0.0;
  return !Failed(SatPressure(params, &state->DP, &pv)) &&
         !Failed(ShFromPvStd(params, &pv, &state->SH));
}

CommitResult CommitInputs(const BoxTexts& texts, const UnitSettings& units,
                          std::string_view separator, PsychroParams* params, AirState* state) {
  CommitResult result;
  Recorded recorded;
  // The box's number in engine units; none unless it is a number that stays finite there.
  auto number = [&](EditBox box, auto toEngine) -> std::optional<double> {
    const std::string& text = TextOf(texts, box);
    if (text.empty()) return std::nullopt;
    const std::optional<double> shown = ParseNumberText(text, separator);
    if (!shown) return std::nullopt;
    const double value = toEngine(*shown);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
  };
  auto temperature = [&](double shown) {
    return TemperatureFromDisplay(shown, units.TemperatureUnit);
  };
  auto asShown = [](double shown) { return shown; };

  if (const auto db = number(EditBox::DB, temperature)) {
    state->DB = *db;
    recorded.Record(QuantityDB);
  }
  if (const auto rh = number(EditBox::RH, asShown)) {
    state->RH = *rh;
    if (*rh >= RelativeHumidityMin && *rh <= RelativeHumidityMax) recorded.Record(QuantityRH);
  }
  bool shRecorded = false;
  if (const auto sh = number(EditBox::SH, [&](double shown) {
        return SpecHumidityFromDisplay(shown, units.SpecificHumidityUnit);
      })) {
    state->SH = *sh;
    bool othersEmpty = true;
    for (const BoxInfo& info : BoxTable) {
      if (info.Quantity != QuantitySH) othersEmpty = othersEmpty && !Filled(texts, info.Box);
    }
    result.DisableDP = othersEmpty;
    recorded.Record(QuantitySH);
    shRecorded = true;
  }
  if (const auto dp = shRecorded ? std::nullopt : number(EditBox::DP, temperature)) {
    result.DisableSH = true;
    state->DP = *dp;
    if (RatioFromDewPoint(params, state)) recorded.Record(QuantitySH);
  }
  if (const auto enh = number(EditBox::ENH, [&](double shown) {
        return EnthalpyFromDisplay(shown / params->KcalToKJ, units.EnthalpyUnit);
      })) {
    state->ENH = *enh;
    recorded.Record(QuantityENH);
  }
  if (const auto wb = number(EditBox::WB, temperature)) {
    state->WB = *wb;
    recorded.Record(QuantityWB);
  }
  if (const auto sv = number(EditBox::SV, [&](double shown) {
        return SpecVolumeFromDisplay(shown, units.SpecificVolumeUnit);
      })) {
    state->SV = *sv;
    recorded.Record(QuantitySV);
  }
  if (const auto vh = number(EditBox::VH, [&](double shown) {
        return AbsHumidityFromDisplay(shown, units.AbsoluteHumidityUnit);
      })) {
    state->VH = *vh;
    recorded.Record(QuantityVH);
  }

  result.Inputs = recorded.Count;
  if (recorded.Count == 2) result.PairCode = PairCodeFirstFactor * recorded.First + recorded.Second;
  return result;
}

TextId WhyNoInputPair(const BoxTexts& texts, std::string_view separator) {
  const std::string& rh = TextOf(texts, EditBox::RH);
  if (IsNumberText(rh, separator)) {
    const std::optional<double> value = ParseNumberText(rh, separator);
    if (value && !(*value >= RelativeHumidityMin && *value <= RelativeHumidityMax)) {
      return TextId::RelativeHumidityRange;
    }
  }
  return TextId::NoAirState;
}

KeyDecision DecideKeyDown(int filledGroups, bool enter, bool ctrl, bool shift, bool escape) {
  KeyDecision decision;
  if (escape && !ctrl) return {true, true, FocusMove::FirstBox};
  decision.ClearAll = filledGroups >= FullDisplayGroups && !ctrl;
  if (enter) {
    decision.Swallow = true;
    if (filledGroups == 2) {
      decision.Move = FocusMove::ToFocusTarget;
    } else {
      decision.Move = shift ? FocusMove::PreviousBox : FocusMove::NextBox;
    }
  }
  return decision;
}

EditBox NextEnabledBox(EditBox from, bool backwards,
                       const std::array<bool, EditBoxCount>& enabled) {
  const size_t start = static_cast<size_t>(from);
  for (size_t step = 1; step < EditBoxCount; ++step) {
    const size_t index =
        backwards ? (start + EditBoxCount - step) % EditBoxCount : (start + step) % EditBoxCount;
    if (enabled[index]) return static_cast<EditBox>(index);
  }
  return from;
}

}  // namespace vaporin
