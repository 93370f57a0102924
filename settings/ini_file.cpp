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

// A line end that does not run together with the next line's start: a lone CR before an empty
// line ending in LF would read back as one CR LF, and the empty line would be gone.
std::string EndBefore(std::string_view end, std::string_view nextText, std::string_view nextEnd) {
  if (end == "\r" && nextText.empty() && nextEnd.starts_with('\n')) return std::string(LineEnd);
  return std::string(end);
}

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

// The byte order of UTF-16 text without a byte-order mark, told by where the zero bytes of its
// ASCII characters stand: the high byte of most characters of an INI file is zero.
std::optional<ByteOrder> Utf16OrderWithoutMark(std::string_view bytes) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  size_t zerosFirst = 0;
  size_t zerosSecond = 0;
  for (size_t i = 0; i < bytes.size(); i += 2) {
    zerosFirst += bytes[i] == '\0';
    zerosSecond += bytes[i + 1] == '\0';
  }
  const size_t units = bytes.size() / 2;
  if (zerosSecond * 2 > units && zerosFirst * 2 <= units) return ByteOrder::LittleEndian;
  if (zerosFirst * 2 > units && zerosSecond * 2 <= units) return ByteOrder::BigEndian;
  return std::nullopt;
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
  bool utf16Mark = false;
  std::optional<std::string> text{std::string(bytes)};
  for (const auto& [mark, order, code] :
       {std::tuple{Utf16LittleEndianMark, ByteOrder::LittleEndian, Encoding::Utf16LittleEndian},
        std::tuple{Utf16BigEndianMark, ByteOrder::BigEndian, Encoding::Utf16BigEndian}}) {
    if (bytes.substr(0, mark.size()) == mark) {
      encoding = code;
      utf16Mark = true;
      text = Utf16ToUtf8(bytes.substr(mark.size()), order);
    }
  }
  std::string problem = read.Problem;
  if (encoding == Encoding::Utf8 && bytes.find('\0') != std::string_view::npos) {
    // Text in UTF-8 has no zero bytes; UTF-16 of ASCII has one in every other byte.
    const std::optional<ByteOrder> order = Utf16OrderWithoutMark(bytes);
    if (order) {
      encoding = *order == ByteOrder::LittleEndian ? Encoding::Utf16LittleEndian
                                                   : Encoding::Utf16BigEndian;
      text = Utf16ToUtf8(bytes, *order);
    }
    if (!order || !text || text->find('\0') != std::string::npos) {
      text.reset();
      if (problem.empty()) problem = "neither UTF-8 nor UTF-16 text";
    }
  }
  if (read.Result != FileRead::Outcome::Unreadable && !text && problem.empty()) {
    problem = "not UTF-16 text despite its byte-order mark";
  }
  IniFile file = problem.empty() ? FromText(*text) : IniFile();
  file.path_ = path;
  file.encoding_ = encoding;
  file.utf16Mark_ = utf16Mark;
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
  Line added{std::string(key) + '=' + text, newLineEnd_};
  const Line* next = after < lines.size() ? &lines[after] : FirstLineAfter(section);
  if (next != nullptr) added.End = EndBefore(added.End, next->Text, next->End);
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after), std::move(added));
}

const IniFile::Line* IniFile::FirstLineAfter(std::string_view section) const {
  for (size_t block = sections_.at(Folded(section)).front() + 1; block < blocks_.size(); ++block) {
    if (!blocks_[block].Lines.empty()) return &blocks_[block].Lines.front();
  }
  return nullptr;
}

void IniFile::AddSection(std::string_view name) {
  // The last line gets its end, and an empty line parts the new section from the text before.
  for (auto block = blocks_.rbegin(); block != blocks_.rend(); ++block) {
    if (block->Lines.empty()) continue;
    Line& last = block->Lines.back();
    if (last.End.empty()) last.End = newLineEnd_;
    if (!Trim(last.Text).empty()) {
      // After a lone CR, an empty line's LF would be read as the CR's own.
      const bool joins = last.End == "\r" && newLineEnd_ == "\n";
      block->Lines.push_back({{}, joins ? std::string(LineEnd) : newLineEnd_});
    }
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
  std::string bytes;
  if (encoding_ == Encoding::Utf8) {
    bytes = ToText();
  } else {
    const bool little = encoding_ == Encoding::Utf16LittleEndian;
    const std::optional<std::string> encoded =
        Utf8ToUtf16(ToText(), little ? ByteOrder::LittleEndian : ByteOrder::BigEndian);
    if (!encoded) {
      throw std::runtime_error("The settings file " + path_.string() + " cannot be written back");
    }
    if (utf16Mark_) bytes = little ? Utf16LittleEndianMark : Utf16BigEndianMark;
    bytes += *encoded;
  }
  // A file the next start would refuse to read would lose every choice in it.
  if (bytes.size() > MaxIniFileBytes) {
    throw std::runtime_error("The settings file " + path_.string() + " would grow past " +
                             std::to_string(MaxIniFileBytes) +
                             " bytes, more than Vaporin reads, so it is left as it is and "
                             "nothing was saved");
  }
  ReplaceFile(path_, bytes);
}

}  // namespace vaporin
