#include "cli/batch.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "cli/csv.h"
#include "cli/state_output.h"
#include "units/number_text.h"

namespace vaporin::cli {

namespace {
constexpr size_t OutputChunkBytes = 1 << 16;
constexpr std::string_view StatusOk = "ok";
constexpr std::string_view StatusNoState = "no-state";
constexpr std::string_view StatusOutOfRange = "out-of-range";
constexpr std::string_view StatusBadInput = "bad-input";

// A row's status when its two numbers give no state: a relative humidity outside 0 to 100 %
// is no input; every other reason is the calculation's answer.
std::string_view StatusOf(TextId reason) {
  switch (reason) {
    case TextId::RelativeHumidityRange:
      return StatusBadInput;
    case TextId::OutsideCalculationRange:
      return StatusOutOfRange;
    default:
      return StatusNoState;
  }
}

// A header name as spreadsheets write it: "db, rh" has a space before "rh".
std::string_view Trimmed(std::string_view name) {
  constexpr std::string_view Blanks = " \t";
  const size_t first = name.find_first_not_of(Blanks);
  if (first == std::string_view::npos) return {};
  return name.substr(first, name.find_last_not_of(Blanks) - first + 1);
}

struct InputColumn {
  size_t Column;
  EditBox Box;
};

// The header's two quantity columns, in the header's order.
std::array<InputColumn, 2> QuantityColumns(const std::vector<CsvField>& header) {
  std::vector<InputColumn> found;
  for (size_t column = 0; column < header.size(); ++column) {
    if (const auto box = BoxNamed(Trimmed(header[column].Value))) found.push_back({column, *box});
  }
  if (found.size() != 2) {
    throw UsageError("the header must name exactly two of " + QuantityNamesCsv() + " (found " +
                     std::to_string(found.size()) + ")");
  }
  CheckPairOfQuantities(
      found[0].Box, found[1].Box,
      "the header's " + header[found[0].Column].Value + " and " + header[found[1].Column].Value);
  return {found[0], found[1]};
}

bool IsQuantityColumn(const std::array<InputColumn, 2>& inputs, size_t column) {
  return inputs[0].Column == column || inputs[1].Column == column;
}

// Writes out in large pieces: one write per row would dominate a fast solve.
class BufferedOutput {
 public:
  explicit BufferedOutput(std::ostream& out) : out_(out) { buffer_.reserve(OutputChunkBytes * 2); }
  // What is left when the batch stops early; a failure then has been reported already.
  ~BufferedOutput() { Flush(); }
  BufferedOutput(const BufferedOutput&) = delete;
  BufferedOutput& operator=(const BufferedOutput&) = delete;

  std::string& Line() { return buffer_; }
  void EndLine() {
    buffer_ += '\n';
    if (buffer_.size() >= OutputChunkBytes) FlushOrThrow();
  }
  // Throws OutputNotWritten when the stream refuses what is held, so that a batch into a full
  // disk stops at once rather than reading all its input for nothing.
  void FlushOrThrow() {
    if (!Flush()) throw OutputNotWritten("standard output refused a write");
  }

 private:
  bool Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
    return static_cast<bool>(out_);
  }

  std::ostream& out_;
  std::string buffer_;
};
}  // namespace

void RunBatch(std::istream& in, std::ostream& out, std::ostream& messages,
              const Preferences& preferences, Precision digits) {
  CsvReader reader(in);
  CsvRecord record;
  std::vector<CsvField> fields;
  if (!reader.Next(record)) throw UsageError("the input has no header line");
  // A spreadsheet's "CSV UTF-8" starts with a byte-order mark.
  constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
  if (record.Text.starts_with(ByteOrderMark)) record.Text.erase(0, ByteOrderMark.size());
  SplitCsvRecord(record.Text, fields);
  const std::array<InputColumn, 2> inputs = QuantityColumns(fields);
  const size_t columns = fields.size();

  BufferedOutput output(out);
  auto passThrough = [&](std::string& line) {
    for (size_t column = 0; column < fields.size(); ++column) {
      if (IsQuantityColumn(inputs, column)) continue;
      line += fields[column].Raw;
      line += ',';
    }
  };
  std::string& line = output.Line();
  passThrough(line);
  line += QuantityNamesCsv();
  line += ",status";
  output.EndLine();

  BoxTexts texts;
  SolvedState solved;
  PsychroParams params = ParamsOf(preferences);
  while (reader.Next(record)) {
    if (record.Text.empty()) continue;
    const size_t lines = record.LastLine;
    SplitCsvRecord(record.Text, fields);
    std::string_view status = StatusBadInput;
    bool solvedRow = false;
    if (record.Unclosed) {
      // Its cells cannot be told apart; copied out, the open quote would swallow the next rows.
      messages << "line " << lines << ": the quote opened here is not closed within "
               << MaxQuotedFieldLines << " lines or " << (MaxQuotedFieldBytes >> 20)
               << " MiB; the lines after it are read as rows of their own\n";
      fields.assign(columns, CsvField{});
    } else if (fields.size() != columns) {
      messages << "line " << lines << ": " << fields.size() << " cells where the header has "
               << columns << '\n';
      fields.resize(columns);
    } else {
      texts = BoxTexts{};
      bool numbers = true;
      for (const InputColumn& input : inputs) {
        const std::string& cell = fields[input.Column].Value;
        if (!IsNumberText(cell, ".")) {
          messages << "line " << lines << ": " << QuantityName(input.Box) << ": '" << cell
                   << "' is not a number\n";
          numbers = false;
          break;
        }
        TextOf(texts, input.Box) = cell;
      }
      if (numbers) {
        Solution one = SolveTyped(texts, preferences, &params);
        if (one.Solved) {
          solved.Shown = std::move(one.Texts);
          if (digits == Precision::Full) solved.Values = ValuesOf(one.State, preferences);
          solvedRow = true;
          status = StatusOk;
        } else {
          const TextId reason = one.Reason.value_or(TextId::NoAirState);
          status = StatusOf(reason);
          if (status == StatusBadInput)
            messages << "line " << lines << ": " << SourceText(reason) << '\n';
        }
      }
    }
    passThrough(line);
    for (const BoxInfo& info : BoxTable) {
      if (solvedRow) AppendCellText(line, solved, info.Box, digits);
      line += ',';
    }
    line += status;
    output.EndLine();
  }
  output.FlushOrThrow();
}

}  // namespace vaporin::cli
