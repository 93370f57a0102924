#pragma once

#include <cstddef>
#include <deque>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace vaporin::cli {

// A quoted field may run across line ends, but not without end: one left open (a stray quote)
// would otherwise swallow every row after it.
constexpr size_t MaxQuotedFieldLines = 1000;
constexpr size_t MaxQuotedFieldBytes = size_t{1} << 20;

struct CsvRecord {
  std::string Text;  // without its last line end; inner line ends as "\n"
  size_t FirstLine = 0;
  size_t LastLine = 0;
  // A quote opened on FirstLine is not closed within the limits or by the end of the input.
  // Text is then that line alone, and the lines after it are read again as records.
  bool Unclosed = false;
};

// Reads CSV records: a line, or more where a quoted field runs across line ends (LF, CR LF and a
// lone CR each end a line). Every line's quotes are counted once, so reading stays linear even
// where quotes are left open.
class CsvReader {
 public:
  explicit CsvReader(std::istream& in) : in_(in) {}

  // False at the end of the input.
  bool Next(CsvRecord& record);

 private:
  struct Line {
    std::string Text;
    bool Opens = false;      // a quoted field is open at its end, when none was at its start
    bool StaysOpen = false;  // ... when one was open at its start
  };
  bool ReadOne();
  void Take(size_t count, CsvRecord& record);

  std::istream& in_;
  std::deque<Line> window_;  // read and not yet given out; the first is line firstLine_
  size_t windowBytes_ = 0;
  size_t firstLine_ = 1;
  size_t openLines_ = 0;  // window_[1 .. openLines_] are known to stay open
};

// One field of a CSV record: as it stands in the text (quotes and all), and its value.
struct CsvField {
  std::string_view Raw;
  std::string Value;
};

// Splits a record at the commas outside quoted fields; a field is quoted only when it starts
// with a quote. `fields` is reused from call to call.
void SplitCsvRecord(std::string_view record, std::vector<CsvField>& fields);

}  // namespace vaporin::cli
