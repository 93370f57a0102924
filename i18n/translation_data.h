#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vaporin {

// The source texts, in the translation table's order.
enum class TextId : size_t {
  InputHint,
  DryBulb,
  RelativeHumidity,
  AbsoluteHumidity,
  SpecificHumidity,
  DewPoint,
  Enthalpy,
  Temperature,
  Atmospheric,
  SpecificVolume,
  WetBulb,
  Save,
  Apply,
  Cancel,
  UnitConfiguration,
  Language,
  AlwaysOnTop,
  Altitude,
  CopyAll,
  PsychrometricChart,
  SaveChart,
  EnthalpyWetBulbNoState,
  NoAirState,
  RelativeHumidityRange,
  OutsideCalculationRange,
  PressureRange,
  AltitudeRange,
  TwoValuesOnly,
  AtmosphericPressure,
  Result,
  Pointer,
  Count,
};

inline constexpr size_t SourceTextCount = static_cast<size_t>(TextId::Count);
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

// The source texts with their translations, in the table's order.
extern const std::array<TranslationRow, SourceTextCount> TranslationRows;

// The English text the interface is built with.
inline std::string_view SourceText(TextId id) {
  return TranslationRows[static_cast<size_t>(id)][ColumnEn];
}

struct LanguageEntry {
  std::string_view Code;
  std::string_view Name;  // as the language list shows it
  TranslationColumn Column;
  // The language's number in the settings file. Users' files keep it, so a number is never
  // reused or changed: a new language takes the next one.
  int32_t StoredIndex;
};

// The language list, in the order it shows.
extern const std::array<LanguageEntry, LanguageCount> Languages;

// The entry stored under `storedIndex`, or none.
const LanguageEntry* FindLanguage(int32_t storedIndex);
// The entry of a language code, or none.
const LanguageEntry* FindLanguage(std::string_view code);

// The text in the language of `code` ("de", "zh_cn"); the English source for a code not listed.
std::string_view TextIn(TextId id, std::string_view code);

}  // namespace vaporin
