#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vaporin {

// Reads an environment variable; none when it is not set.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;

// The user's documents folder as the desktop names it (XDG_DOCUMENTS_DIR in the user-dirs
// file), else ~/Documents: where the window keeps vaporin.ini. The home folder is HOME, or
// the account's home folder when HOME is unset or empty.
std::filesystem::path DocumentsFolder(const Environment& environment);

// The process's environment.
std::optional<std::string> ProcessEnvironment(const std::string& name);

}  // namespace vaporin
