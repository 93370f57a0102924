#include "cli/csv.h"

#include <utility>

namespace vaporin::cli {

namespace {
constexpr char Quote = '"';

// Whether a quoted field is still open at the end of `line`, given whether one was open at its
// start. A quote opens a quoted field only at the start of a field (elsewhere it is a character
// like any other, as in 12" pipe); inside one, "" is a quote and a lone quote closes it.
bool QuoteOpenAfter(std::string_view line, bool open) {
  bool fieldStart = !open;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (open) {
      if (c != Quote) continue;
      if (i + 1 < line.size() && line[i + 1] == Quote) {
        ++i;
      } else {
        open = false;
      }
    } else if (c == ',') {
      fieldStart = true;
    } else {
      open = c == Quote && fieldStart;
      fieldStart = false;
    }
  }
  return open;
}

// One line without its end: LF, CR LF or a lone CR (as older spreadsheets write) each end it.
bool ReadLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  using Traits = std::char_traits<char>;
  for (;;) {
    const Traits::int_type c = buffer->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
      if (line.empty()) {
        in.setstate(std::ios::eofbit | std::ios::failbit);
        return false;
      }
      in.setstate(std::ios::eofbit);
      return true;
    }
    const char ch = Traits::to_char_type(c);
    if (ch == '\n') return true;
    if (ch == '\r') {
      if (Traits::eq_int_type(buffer->sgetc(), Traits::to_int_type('\n'))) buffer->sbumpc();
      return true;
    }
    line += ch;
  }
}
}  // namespace

bool CsvReader::ReadOne() {
  Line line;
  if (!ReadLine(in_, line.Text)) return false;
  line.Opens = QuoteOpenAfter(line.Text, false);
  line.StaysOpen = QuoteOpenAfter(line.Text, true);
  windowBytes_ += line.Text.size() + 1;
  window_.push_back(std::move(line));
  return true;
}

void CsvReader::Take(size_t count, CsvRecord& record) {
  record.Text.clear();
  record.FirstLine = firstLine_;
  record.LastLine = firstLine_ + count - 1;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) record.Text += '\n';
    record.Text += window_.front().Text;
    windowBytes_ -= window_.front().Text.size() + 1;
    window_.pop_front();
  }
  firstLine_ += count;
}

bool CsvReader::Next(CsvRecord& record) {
  record.Unclosed = false;
  if (window_.empty()) {
    // The common line, read straight into the record: one without an open quote at its end.
    if (!ReadLine(in_, record.Text)) return false;
    if (!QuoteOpenAfter(record.Text, false)) {
      record.FirstLine = record.LastLine = firstLine_++;
      openLines_ = 0;
      return true;
    }
    const bool staysOpen = QuoteOpenAfter(record.Text, true);
    Line line{std::move(record.Text), true, staysOpen};
    windowBytes_ += line.Text.size() + 1;
    window_.push_back(std::move(line));
  }
  if (!window_.front().Opens) {
    Take(1, record);
    openLines_ = 0;
    return true;
  }
  // The record ends at the first line that closes the open field. Lines already found to stay
  // open are not looked at again: after an unclosed record they lie inside the next one too.
  for (size_t last = openLines_ + 1;; ++last) {
    if (last >= window_.size() && !ReadOne()) break;
    if (last >= MaxQuotedFieldLines || windowBytes_ > MaxQuotedFieldBytes) break;
    if (!window_[last].StaysOpen) {
      Take(last + 1, record);
      openLines_ = 0;
      return true;
    }
    openLines_ = last;
  }
  Take(1, record);
  record.Unclosed = true;
  if (openLines_ > 0) --openLines_;
  return true;
}

void SplitCsvRecord(std::string_view record, std::vector<CsvField>& fields) {
  size_t count = 0;
  size_t start = 0;
  for (;;) {
    // A field is quoted only when it starts with a quote; then its commas are its own.
    size_t end = start;
    if (end < record.size() && record[end] == Quote) {
      bool open = true;
      for (++end; end < record.size() && (open || record[end] != ','); ++end) {
        if (open && record[end] == Quote) {
          if (end + 1 < record.size() && record[end + 1] == Quote) {
            ++end;
          } else {
            open = false;
          }
        }
      }
    } else {
      while (end < record.size() && record[end] != ',') ++end;
    }
    if (fields.size() <= count) fields.emplace_back();
    CsvField& field = fields[count++];
    field.Raw = record.substr(start, end - start);
    if (field.Raw.empty() || field.Raw.front() != Quote) {
      field.Value.assign(field.Raw);
    } else {
      // "" inside quotes stands for one quote; the quotes themselves go, and what follows the
      // closing quote is kept as it stands.
      field.Value.clear();
      bool open = true;
      for (size_t i = 1; i < field.Raw.size(); ++i) {
        const char c = field.Raw[i];
        if (!open || c != Quote) {
          field.Value += c;
        } else if (i + 1 < field.Raw.size() && field.Raw[i + 1] == Quote) {
          field.Value += Quote;
          ++i;
        } else {
          open = false;
        }
      }
    }
    if (end >= record.size()) break;
    start = end + 1;
  }
  fields.resize(count);
}

}  // namespace vaporin::cli
