#include "cli/csv.h"

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

bool ReadCsvRecord(std::istream& in, std::string& record, size_t& lines) {
  if (!ReadLine(in, record)) return false;
  ++lines;
  // Whether a quote is open is carried from line to line: each line is read once.
  bool open = QuoteOpenAfter(record, false);
  std::string more;
  while (open && ReadLine(in, more)) {
    ++lines;
    record += '\n';
    record += more;
    open = QuoteOpenAfter(more, true);
  }
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
