#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/unit_settings.h"
#include "units/unit_choices.h"

// The units as the command line spells them (each unit's entry holds its spelling).
namespace vaporin::cli {

template <typename Unit, size_t N>
std::optional<Unit> UnitSpelled(const std::array<UnitEntry<Unit>, N>& table,
                                std::string_view spelling) {
  for (const UnitEntry<Unit>& entry : table) {
    if (entry.Spelling == spelling) return entry.Id;
  }
  return std::nullopt;
}

// A unit outside its table is spelled as the table's first, as the window names it.
template <typename Unit, size_t N>
std::string_view SpellingOf(const std::array<UnitEntry<Unit>, N>& table, Unit unit) {
  for (const UnitEntry<Unit>& entry : table) {
    if (entry.Id == unit) return entry.Spelling;
  }
  return table.front().Spelling;
}

// "C|F|K" and the like, for messages and help.
template <typename Unit, size_t N>
std::string Choices(const std::array<UnitEntry<Unit>, N>& table) {
  std::string choices;
  for (const UnitEntry<Unit>& entry : table) {
    if (!choices.empty()) choices += '|';
    choices += entry.Spelling;
  }
  return choices;
}

}  // namespace vaporin::cli
