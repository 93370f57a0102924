#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vaporin {

// A small INI file held in memory: loaded whole, read and written by section and key, written
// back whole. Section and key names match without regard to ASCII letter case; values are
// integers.
class IniFile {
 public:
  // Loads the file; a missing or unreadable file gives an empty one.
  static IniFile Open(const std::filesystem::path& path);
  // Reads INI text; a leading UTF-8 byte-order mark is skipped.
  static IniFile FromText(std::string_view text);

  // The key's value in decimal, or in hexadecimal after "0x" or "$"; the default when the key
  // is absent or its value is not an int32.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  // The same, without a default: none when the key is absent or not an int32.
  std::optional<int32_t> FindInteger(std::string_view section, std::string_view key) const;
  // Sets the key where it stands, or appends it at the end of its section (and the section
  // at the end of the file).
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);

  // UTF-8 with a byte-order mark, CR LF after every line, an empty line after each section.
  std::string ToText() const;
  // Replaces the file at `path` with ToText() at once: a failure (an exception) leaves the
  // previous file as it was. Creates the folder when it is missing.
  void Update() const;

 private:
  struct Entry {
    std::string Key;
    std::string Value;
    bool HasValue;  // a line without "=" is kept as it stood
  };
  struct Section {
    std::string Name;
    std::vector<Entry> Entries;
  };

  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;

  std::filesystem::path path_;
  std::vector<Section> sections_;
};

}  // namespace vaporin
