#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vaporin {

inline constexpr size_t SourceTextCount = 17;
inline constexpr size_t LanguageCount = 9;

// Column order of a translation row: the English source, then the eight translations.
enum TranslationColumn : size_t {
  ColumnEn,
  ColumnDe,
  ColumnEs,
  ColumnFr,
  ColumnIt,
  ColumnJa,
  ColumnRu,
  ColumnZhCn,
  ColumnZhTw,
  TranslationColumnCount,
};

using TranslationRow = std::array<std::string_view, TranslationColumnCount>;

// The seventeen source texts with their translations, in the table's order.
extern const std::array<TranslationRow, SourceTextCount> TranslationRows;

struct LanguageEntry {
  std::string_view Code;
  std::string_view Name;  // as the language list shows it
};

// The language list: its position is the language index.
extern const std::array<LanguageEntry, LanguageCount> Languages;

}  // namespace vaporin
