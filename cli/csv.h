#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace vaporin::cli {

// One field of a CSV record: as it stands in the text (quotes and all), and its value.
struct CsvField {
  std::string_view Raw;
  std::string Value;
};

// Reads the next record: one line, or more where a quoted field runs across line ends; the line
// end (LF, CR LF or a lone CR) is dropped. False at the end of the input. `lines` counts the
// lines read.
bool ReadCsvRecord(std::istream& in, std::string& record, size_t& lines);

// Splits a record at the commas outside quoted fields; a field is quoted only when it starts
// with a quote. `fields` is reused from call to call.
void SplitCsvRecord(std::string_view record, std::vector<CsvField>& fields);

}  // namespace vaporin::cli
