#include "cli/csv.h"

#include <algorithm>

namespace vaporin::cli {

namespace {
bool InsideQuotes(std::string_view text) {
  return std::count(text.begin(), text.end(), '"') % 2 != 0;
}

void DropCarriageReturn(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}
}  // namespace

bool ReadCsvRecord(std::istream& in, std::string& record, size_t& lines) {
  if (!std::getline(in, record)) return false;
  ++lines;
  DropCarriageReturn(record);
  std::string more;
  while (InsideQuotes(record) && std::getline(in, more)) {
    ++lines;
    DropCarriageReturn(more);
    record += '\n';
    record += more;
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
