#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// A small file read whole, and replaced whole at once.
namespace vaporin {

struct FileRead {
  enum class Outcome { Read, Missing, Unreadable };
  Outcome Result = Outcome::Missing;
  std::string Bytes;
  std::string Problem;  // why it is Unreadable, for a message
};

// The whole file, when it is a regular file of at most `maxBytes` that reads without error.
// A file that exists but is not read completely is Unreadable, never a shorter text.
FileRead ReadSmallFile(const std::filesystem::path& path, size_t maxBytes);

// Replaces the file with `bytes` so that a reader only ever sees the old file or the new one,
// and the new one survives a power cut once this returns. A symbolic link is written through
// to its target; an existing file keeps its permissions, a new one gets those the user's
// umask gives new files. Creates the folder when it is missing, and removes what earlier
// writes that were killed midway left behind. Throws std::system_error naming the cause;
// the previous file is then as it was.
void ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vaporin
