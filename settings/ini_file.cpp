#include "settings/ini_file.h"

#include <charconv>
#include <stdexcept>
#include <system_error>
#include <tuple>

#include "settings/file_access.h"
#include "settings/utf16.h"

namespace vaporin {

namespace {
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";
constexpr std::string_view LineEnd = "\r\n";
constexpr char CommentStart = ';';

bool Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Blanks and control characters around lines and "=".
std::string_view Trim(std::string_view s) {
  while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = AsciiLower(c);
  return folded;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

bool ParseInt32(std::string_view text, int base, int32_t* value) {
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value, base);
  return error == std::errc() && end == text.data() + text.size();
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'f');
}

// Decimal with an optional sign, or hexadecimal after "0x" or "$"; nothing else.
bool ParseIniInteger(std::string_view text, int32_t* value) {
  std::string_view hex;
  if (text.size() > 2 && text[0] == '0' && AsciiLower(text[1]) == 'x') {
    hex = text.substr(2);
  } else if (text.size() > 1 && text[0] == '$') {
    hex = text.substr(1);
  }
  if (!hex.empty()) return IsHexDigit(hex.front()) && ParseInt32(hex, 16, value);
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  return ParseInt32(text, 10, value);
}

// The section a header line names: "[name]", perhaps followed by a comment.
std::optional<std::string_view> SectionName(std::string_view text) {
  const std::string_view line = Trim(text);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  const std::string_view after = Trim(line.substr(close + 1));
  if (!after.empty() && after.front() != CommentStart) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct ValueRange {
  size_t Begin;
  size_t End;
};

// Where the value stands in a "key = value" line of this key.
std::optional<ValueRange> ValueOf(std::string_view text, std::string_view key) {
  const std::string_view line = Trim(text);
  if (line.empty() || line.front() == CommentStart) return std::nullopt;
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos || !SameName(Trim(text.substr(0, equals)), key)) {
    return std::nullopt;
  }
  size_t begin = equals + 1;
  size_t end = text.size();
  while (begin < end && Blank(text[begin])) ++begin;
  while (end > begin && Blank(text[end - 1])) --end;
  return ValueRange{begin, end};
}
}  // namespace

IniFile IniFile::Open(const std::filesystem::path& path) {
  const FileRead read = ReadSmallFile(path, MaxIniFileBytes);
  std::string_view bytes = read.Bytes;
  Encoding encoding = Encoding::Utf8;
  std::optional<std::string> text(std::string{});
  for (const auto& [mark, order, code] :
       {std::tuple{Utf16LittleEndianMark, ByteOrder::LittleEndian, Encoding::Utf16LittleEndian},
        std::tuple{Utf16BigEndianMark, ByteOrder::BigEndian, Encoding::Utf16BigEndian}}) {
    if (bytes.substr(0, mark.size()) == mark) {
      encoding = code;
      text = Utf16ToUtf8(bytes.substr(mark.size()), order);
    }
  }
  if (encoding == Encoding::Utf8) text = std::string(bytes);
  std::string problem = read.Problem;
  if (read.Result != FileRead::Outcome::Unreadable && !text) {
    problem = "not UTF-16 text despite its byte-order mark";
  }
  IniFile file = problem.empty() ? FromText(*text) : IniFile();
  file.path_ = path;
  file.encoding_ = encoding;
  file.problem_ = problem;
  return file;
}

IniFile IniFile::FromText(std::string_view text) {
  IniFile file;
  while (text.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
    file.byteOrderMarks_ += Utf8ByteOrderMark;
    text.remove_prefix(Utf8ByteOrderMark.size());
  }
  file.blocks_.emplace_back();
  bool ended = false;
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    Line line{std::string(text.substr(0, end)), {}};
    if (end == std::string_view::npos) {
      text = {};
    } else {
      const size_t length = text.substr(end, 2) == LineEnd ? 2 : 1;
      line.End = text.substr(end, length);
      text.remove_prefix(end + length);
      // New lines end as the file's first line does.
      if (!ended) file.newLineEnd_ = line.End;
      ended = true;
    }
    if (const auto name = SectionName(line.Text)) {
      file.sections_[Folded(*name)].push_back(file.blocks_.size());
      file.blocks_.emplace_back();
    }
    file.blocks_.back().Lines.push_back(std::move(line));
  }
  return file;
}

std::optional<IniFile::KeyValue> IniFile::FindKey(std::string_view section, std::string_view key) {
  const auto found = sections_.find(Folded(section));
  if (found == sections_.end()) return std::nullopt;
  for (const size_t index : found->second) {
    std::vector<Line>& lines = blocks_[index].Lines;
    // The first line is the header.
    for (size_t i = 1; i < lines.size(); ++i) {
      if (const auto value = ValueOf(lines[i].Text, key)) {
        return KeyValue{&lines[i], value->Begin, value->End};
      }
    }
  }
  return std::nullopt;
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t fallback) const {
  return FindInteger(section, key).value_or(fallback);
}

std::optional<int32_t> IniFile::FindInteger(std::string_view section, std::string_view key) const {
  const auto found = const_cast<IniFile*>(this)->FindKey(section, key);
  if (!found) return std::nullopt;
  const std::string_view text = found->Holder->Text;
  int32_t value = 0;
  if (ParseIniInteger(text.substr(found->Begin, found->End - found->Begin), &value)) return value;
  return std::nullopt;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  const std::string text = std::to_string(value);
  if (const auto found = FindKey(section, key)) {
    found->Holder->Text.replace(found->Begin, found->End - found->Begin, text);
    return;
  }
  if (!sections_.contains(Folded(section))) AddSection(section);
  std::vector<Line>& lines = blocks_[sections_.at(Folded(section)).front()].Lines;
  size_t after = lines.size();
  while (after > 1 && Trim(lines[after - 1].Text).empty()) --after;
  if (lines[after - 1].End.empty()) lines[after - 1].End = newLineEnd_;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after),
               Line{std::string(key) + '=' + text, newLineEnd_});
}

void IniFile::AddSection(std::string_view name) {
  // The last line gets its end, and an empty line parts the new section from the text before.
  for (auto block = blocks_.rbegin(); block != blocks_.rend(); ++block) {
    if (block->Lines.empty()) continue;
    Line& last = block->Lines.back();
    if (last.End.empty()) last.End = newLineEnd_;
    if (!Trim(last.Text).empty()) block->Lines.push_back({{}, newLineEnd_});
    break;
  }
  sections_[Folded(name)].push_back(blocks_.size());
  blocks_.push_back({{{'[' + std::string(name) + ']', newLineEnd_}, {{}, newLineEnd_}}});
}

std::string IniFile::ToText() const {
  std::string text;
  if (encoding_ == Encoding::Utf8) {
    text = byteOrderMarks_.empty() ? std::string(Utf8ByteOrderMark) : byteOrderMarks_;
  }
  for (const Block& block : blocks_) {
    for (const Line& line : block.Lines) {
      text += line.Text;
      text += line.End;
    }
  }
  return text;
}

void IniFile::Update() const {
  if (!Readable()) {
    throw std::runtime_error("The settings file " + path_.string() + " could not be read (" +
                             problem_ + "), so it is left as it is and nothing was saved");
  }
  if (encoding_ == Encoding::Utf8) {
    ReplaceFile(path_, ToText());
    return;
  }
  const bool little = encoding_ == Encoding::Utf16LittleEndian;
  const std::optional<std::string> encoded =
      Utf8ToUtf16(ToText(), little ? ByteOrder::LittleEndian : ByteOrder::BigEndian);
  if (!encoded) {
    throw std::runtime_error("The settings file " + path_.string() + " cannot be written back");
  }
  ReplaceFile(path_, std::string(little ? Utf16LittleEndianMark : Utf16BigEndianMark) + *encoded);
}

}  // namespace vaporin
