#include "cli/documents_folder.h"

#include <fstream>

namespace vaporin::cli {

namespace {
constexpr std::string_view DocumentsKey = "XDG_DOCUMENTS_DIR=";
constexpr std::string_view HomePrefix = "$HOME";

// The value of XDG_DOCUMENTS_DIR in a user-dirs file: "$HOME/Documents" or an absolute path,
// in double quotes.
std::optional<std::string> DocumentsEntry(const std::filesystem::path& userDirs,
                                          const std::string& home) {
  std::ifstream file(userDirs);
  std::string line;
  while (std::getline(file, line)) {
    if (line.rfind(DocumentsKey, 0) != 0) continue;
    std::string value = line.substr(DocumentsKey.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    if (value.rfind(HomePrefix, 0) == 0) value = home + value.substr(HomePrefix.size());
    // The desktop's way of saying "no documents folder": the home folder itself.
    if (value.empty() || value.front() != '/') return std::nullopt;
    return value;
  }
  return std::nullopt;
}
}  // namespace

std::filesystem::path DocumentsFolder(const Environment& environment) {
  const std::string home = environment("HOME").value_or("/");
  const std::optional<std::string> configHome = environment("XDG_CONFIG_HOME");
  const std::filesystem::path config = configHome && !configHome->empty()
                                           ? std::filesystem::path(*configHome)
                                           : std::filesystem::path(home) / ".config";
  if (const auto documents = DocumentsEntry(config / "user-dirs.dirs", home)) return *documents;
  return std::filesystem::path(home) / "Documents";
}

}  // namespace vaporin::cli
