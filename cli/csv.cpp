#include "cli/csv.h"

#include <algorithm>

namespace vaporin::cli {

namespace {
constexpr char Quote = '"';

bool OddQuotes(std::string_view text) {
  return std::count(text.begin(), text.end(), Quote) % 2 != 0;
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
  // Whether a quote is open is carried from line to line: each line's quotes are counted once.
  bool open = OddQuotes(record);
  std::string more;
  while (open && ReadLine(in, more)) {
    ++lines;
    record += '\n';
    record += more;
    open = open != OddQuotes(more);
  }
  return true;
}

void SplitCsvRecord(std::string_view record, std::vector<CsvField>& fields) {
  size_t count = 0;
  size_t start = 0;
  for (;;) {
    size_t end = start;
    bool quoted = false;
    while (end < record.size() && (quoted || record[end] != ',')) {
      if (record[end] == '"') quoted = !quoted;
      ++end;
    }
    if (fields.size() <= count) fields.emplace_back();
    CsvField& field = fields[count++];
    field.Raw = record.substr(start, end - start);
    if (field.Raw.find('"') == std::string_view::npos) {
      field.Value.assign(field.Raw);
    } else {
      // "" inside quotes stands for one quote; the quotes themselves go.
      field.Value.clear();
      for (size_t i = 0; i < field.Raw.size(); ++i) {
        if (field.Raw[i] != '"') {
          field.Value += field.Raw[i];
        } else if (i + 1 < field.Raw.size() && field.Raw[i + 1] == '"') {
          field.Value += '"';
          ++i;
        }
      }
    }
    if (end >= record.size()) break;
    start = end + 1;
  }
  fields.resize(count);
}

}  // namespace vaporin::cli
