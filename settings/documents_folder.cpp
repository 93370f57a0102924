#include "settings/documents_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <vector>

namespace vaporin {

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
// The home folder the user database gives the account, as the desktop's own lookup falls
// back to; the root folder when it has none.
std::string AccountHome() {
  constexpr size_t BufferBytes = 16384;
  std::vector<char> buffer(BufferBytes);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
      found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/') {
    return found->pw_dir;
  }
  return "/";
}
}  // namespace

std::optional<std::string> ProcessEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::filesystem::path DocumentsFolder(const Environment& environment) {
  const std::optional<std::string> homeVariable = environment("HOME");
  const std::string home = homeVariable && !homeVariable->empty() ? *homeVariable : AccountHome();
  const std::optional<std::string> configHome = environment("XDG_CONFIG_HOME");
  const std::filesystem::path config = configHome && !configHome->empty()
                                           ? std::filesystem::path(*configHome)
                                           : std::filesystem::path(home) / ".config";
  if (const auto documents = DocumentsEntry(config / "user-dirs.dirs", home)) return *documents;
  return std::filesystem::path(home) / "Documents";
}

}  // namespace vaporin
