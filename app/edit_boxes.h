#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace vaporin {

// The eight edit boxes, in the window's row order (which is also the Tab order).
enum class EditBox : size_t { DB, RH, VH, SH, DP, ENH, WB, SV };
inline constexpr size_t EditBoxCount = 8;

// The boxes' texts as UTF-8, indexed by EditBox.
using BoxTexts = std::array<std::string, EditBoxCount>;

inline std::string& TextOf(BoxTexts& texts, EditBox box) { return texts[static_cast<size_t>(box)]; }
inline const std::string& TextOf(const BoxTexts& texts, EditBox box) {
  return texts[static_cast<size_t>(box)];
}

}  // namespace vaporin
