#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vaporin {

// The largest settings file read: a real one holds a few hundred bytes.
inline constexpr size_t MaxIniFileBytes = 1 << 20;

// A small INI file held in memory: loaded whole, read and written by section and key, written
// back whole. Section and key names match without regard to ASCII letter case; values are
// integers. Every line the program does not write is kept exactly as it was.
class IniFile {
 public:
  // Loads the file. A missing file gives an empty one. A file that exists but is not read
  // whole (no permission, an I/O error, over MaxIniFileBytes, broken UTF-16) also reads as
  // empty, and refuses Update, so that nothing in it is lost.
  static IniFile Open(const std::filesystem::path& path);
  // Reads INI text in UTF-8; leading byte-order marks are skipped and kept.
  static IniFile FromText(std::string_view text);

  // Whether the file was read whole, or did not exist.
  bool Readable() const { return problem_.empty(); }
  // Why it was not read whole; empty when it was.
  const std::string& Problem() const { return problem_; }

  // The key's value in decimal, or in hexadecimal after "0x" or "$"; the default when the key
  // is absent or its value is not an int32.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  // The same, without a default: none when the key is absent or not an int32.
  std::optional<int32_t> FindInteger(std::string_view section, std::string_view key) const;
  // Sets the value where the key stands, or adds the key after the last filled line of its
  // section (and the section at the end of the file, followed by an empty line).
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);

  // The text as read, with the written values in place and new lines ending as the file's
  // first line does (CR LF in a new file), after a UTF-8 byte-order mark (the file's own marks
  // when it had them).
  std::string ToText() const;
  // Replaces the file at `path` with the text at once, in the encoding it was read in (UTF-8,
  // or UTF-16 with its byte-order mark). A failure (an exception) leaves the previous file as
  // it was; so does a file that was not read whole.
  void Update() const;

 private:
  enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };
  struct Line {
    std::string Text;
    std::string End;  // "\r\n", "\n", "\r", or nothing on a last line without one
  };
  // The lines from a section's header (its first line) to the next header; the first block
  // holds the lines before any section and has no header.
  struct Block {
    std::vector<Line> Lines;
  };
  struct KeyValue {
    Line* Holder;
    size_t Begin;  // the value's place in the line
    size_t End;
  };

  std::optional<KeyValue> FindKey(std::string_view section, std::string_view key);
  void AddSection(std::string_view name);
  // The line that follows the section's first block in the file, if any.
  const Line* FirstLineAfter(std::string_view section) const;

  std::filesystem::path path_;
  std::string problem_;
  Encoding encoding_ = Encoding::Utf8;
  bool utf16Mark_ = false;  // UTF-16 read after a byte-order mark is written back after one
  std::string byteOrderMarks_;
  std::string newLineEnd_ = "\r\n";
  std::vector<Block> blocks_;
  // Each section's blocks, in file order, by its name in lower case.
  std::unordered_map<std::string, std::vector<size_t>> sections_;
};

}  // namespace vaporin
