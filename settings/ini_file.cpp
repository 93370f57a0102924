#include "settings/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace vaporin {

namespace {
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view LineEnd = "\r\n";

// Blanks and control characters around lines and "=".
std::string_view Trim(std::string_view s) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

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

std::system_error WriteError(const std::filesystem::path& path, int error) {
  return std::system_error(error, std::generic_category(),
                           "Cannot write the settings file " + path.string());
}

// mkstemp creates a file only its owner may read; the settings file is an ordinary one, with
// the permissions the user's umask gives new files.
mode_t OrdinaryFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes the whole text to a new file beside `path`, makes it durable, then renames it over
// `path`, so that a reader only ever sees the old file or the new one.
void ReplaceFile(const std::filesystem::path& path, const std::string& text) {
  const std::filesystem::path folder = path.parent_path();
  if (!folder.empty()) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
  }
  std::string temporary = path.string() + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) throw WriteError(path, errno);
  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(temporary.c_str());
    throw WriteError(path, error);
  };
  size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    written += static_cast<size_t>(n);
  }
  if (::fchmod(fd, OrdinaryFileMode()) != 0 || ::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    throw WriteError(path, error);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    throw WriteError(path, error);
  }
}
}  // namespace

IniFile IniFile::Open(const std::filesystem::path& path) {
  std::string text;
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error)) {
    std::ifstream in(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  IniFile file = FromText(text);
  file.path_ = path;
  return file;
}

IniFile IniFile::FromText(std::string_view text) {
  IniFile file;
  if (text.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
    text.remove_prefix(Utf8ByteOrderMark.size());
  }
  Section* current = nullptr;
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      const std::string_view name = Trim(line.substr(1, line.size() - 2));
      current = file.FindSection(name);
      if (current == nullptr) {
        file.sections_.push_back({std::string(name), {}});
        current = &file.sections_.back();
      }
      continue;
    }
    // Lines before the first section belong to none and are dropped.
    if (current == nullptr) continue;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      current->Entries.push_back({std::string(line), {}, false});
    } else {
      current->Entries.push_back({std::string(Trim(line.substr(0, equals))),
                                  std::string(Trim(line.substr(equals + 1))), true});
    }
  }
  return file;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  for (Section& section : sections_) {
    if (SameName(section.Name, name)) return &section;
  }
  return nullptr;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  return const_cast<IniFile*>(this)->FindSection(name);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t fallback) const {
  return FindInteger(section, key).value_or(fallback);
}

std::optional<int32_t> IniFile::FindInteger(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::nullopt;
  for (const Entry& entry : found->Entries) {
    if (entry.HasValue && SameName(entry.Key, key)) {
      int32_t value = 0;
      if (ParseIniInteger(entry.Value, &value)) return value;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  Section* found = FindSection(section);
  if (found == nullptr) {
    sections_.push_back({std::string(section), {}});
    found = &sections_.back();
  }
  const std::string text = std::to_string(value);
  for (Entry& entry : found->Entries) {
    if (entry.HasValue && SameName(entry.Key, key)) {
      entry.Value = text;
      return;
    }
  }
  found->Entries.push_back({std::string(key), text, true});
}

std::string IniFile::ToText() const {
  std::string text(Utf8ByteOrderMark);
  for (const Section& section : sections_) {
    text += '[';
    text += section.Name;
    text += ']';
    text += LineEnd;
    for (const Entry& entry : section.Entries) {
      text += entry.Key;
      if (entry.HasValue) {
        text += '=';
        text += entry.Value;
      }
      text += LineEnd;
    }
    text += LineEnd;
  }
  return text;
}

void IniFile::Update() const { ReplaceFile(path_, ToText()); }

}  // namespace vaporin
