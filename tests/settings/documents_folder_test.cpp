#include "settings/documents_folder.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <fstream>
#include <map>

namespace vaporin {
namespace {

namespace fs = std::filesystem;

Environment With(std::map<std::string, std::string> variables) {
  return [variables](const std::string& name) -> std::optional<std::string> {
    const auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
}

// The desktop's documents folder, ~/Documents without one, and the account's home folder
// where HOME is unset or empty (never "//Documents").
TEST(DocumentsFolder, FollowsTheDesktopAndFallsBackToTheAccountsHome) {
  const fs::path config = fs::temp_directory_path() / ("vaporin-docs-" + std::to_string(getpid()));
  fs::create_directories(config);
  const std::string isolated = config.string();
  EXPECT_EQ(DocumentsFolder(With({{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", isolated}})),
            fs::path("/home/ann/Documents"));
  std::ofstream(config / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
  EXPECT_EQ(DocumentsFolder(With({{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", isolated}})),
            fs::path("/home/ann/Dokumente"));
  fs::remove(config / "user-dirs.dirs");

  const passwd* account = ::getpwuid(::geteuid());
  ASSERT_NE(account, nullptr);
  const fs::path expected = fs::path(account->pw_dir) / "Documents";
  EXPECT_EQ(DocumentsFolder(With({{"XDG_CONFIG_HOME", isolated}})), expected);
  EXPECT_EQ(DocumentsFolder(With({{"HOME", ""}, {"XDG_CONFIG_HOME", isolated}})), expected);
  fs::remove_all(config);
}

}  // namespace
}  // namespace vaporin
