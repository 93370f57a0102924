#include "settings/file_access.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstring>
#include <optional>
#include <random>
#include <system_error>

namespace vaporin {

namespace {
// A temporary file is the target's name, this marker, the writer's process id, "-" and random
// letters: nothing a user would name a file, so that a leftover can be removed without a doubt,
// and the id tells whether its writer is still running.
constexpr std::string_view TemporaryMarker = ".vaporin-write-";
constexpr char TemporaryIdEnd = '-';
constexpr size_t TemporaryRandomLetters = 6;
constexpr std::string_view TemporaryLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int TemporaryNameTries = 100;
// Earlier versions named a temporary file without the writer's id; a write takes milliseconds,
// so one of those this old belongs to a write that was killed.
constexpr std::chrono::seconds StaleTemporaryAge{60};
// Links followed before giving up, as the system does.
constexpr int MaxLinkHops = 40;
constexpr mode_t NewFileMode = 0666;  // less the umask, as for any new file
constexpr mode_t PermissionBits = 07777;

std::system_error SystemError(int error, const std::string& what) {
  return std::system_error(error, std::generic_category(), what);
}

std::system_error WriteError(const std::filesystem::path& path, int error) {
  return SystemError(error, "Cannot write the settings file " + path.string());
}

// The file a write to `path` replaces: the end of its chain of symbolic links.
std::filesystem::path LinkTarget(const std::filesystem::path& path) {
  std::filesystem::path target = path;
  for (int hop = 0; hop < MaxLinkHops; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(target, error)) return target;
    const std::filesystem::path link = std::filesystem::read_symlink(target, error);
    if (error) throw WriteError(path, error.value());
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  throw WriteError(path, ELOOP);
}

struct TemporaryName {
  bool Matches = false;
  std::optional<pid_t> Writer;  // none in the names of earlier versions
};

TemporaryName ParseTemporaryName(const std::string& name, const std::string& target) {
  const std::string prefix = target + std::string(TemporaryMarker);
  if (name.size() < prefix.size() + TemporaryRandomLetters || name.rfind(prefix, 0) != 0) {
    return {};
  }
  const size_t letters = name.size() - TemporaryRandomLetters;
  if (name.find_first_not_of(TemporaryLetters, letters) != std::string::npos) return {};
  if (letters == prefix.size()) return {true, std::nullopt};
  pid_t writer = 0;
  const char* first = name.data() + prefix.size();
  const char* last = name.data() + letters - 1;
  const auto [end, error] = std::from_chars(first, last, writer);
  if (error != std::errc() || end != last || *last != TemporaryIdEnd || writer <= 0) return {};
  return {true, writer};
}

// Whether the write that made this temporary file can no longer finish: its process is gone
// and nothing holds the lock a writer takes on its file (a writer in another process id space
// on the same machine still holds it).
bool WriterGone(const std::filesystem::path& path, pid_t writer) {
  if (writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  const bool unlocked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);
  return unlocked;
}

// Temporary files of `target` that no running write can still own.
void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::string& target) {
  std::error_code error;
  const auto now = std::filesystem::file_time_type::clock::now();
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const TemporaryName name = ParseTemporaryName(entry.path().filename().string(), target);
    if (!name.Matches) continue;
    std::error_code ignored;
    bool stale = false;
    if (name.Writer) {
      stale = WriterGone(entry.path(), *name.Writer);
    } else {
      const auto written = std::filesystem::last_write_time(entry.path(), ignored);
      stale = !ignored && now - written > StaleTemporaryAge;
    }
    if (stale) std::filesystem::remove(entry.path(), ignored);
  }
}

bool ReadOnly(const std::filesystem::path& path, const struct stat& status) {
  constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
  return (status.st_mode & AnyWrite) == 0 || (::access(path.c_str(), W_OK) != 0 && errno == EACCES);
}

struct Temporary {
  int Fd;
  std::string Path;
};

Temporary CreateTemporary(const std::filesystem::path& target, const std::filesystem::path& path,
                          mode_t mode) {
  std::random_device seed;
  std::mt19937 random(seed());
  std::uniform_int_distribution<size_t> letter(0, TemporaryLetters.size() - 1);
  for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
    std::string name = target.string() + std::string(TemporaryMarker) + std::to_string(::getpid()) +
                       TemporaryIdEnd;
    for (size_t i = 0; i < TemporaryRandomLetters; ++i) name += TemporaryLetters[letter(random)];
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) {
      // Held until the file is closed, so that no other writer takes it for a leftover.
      ::flock(fd, LOCK_EX);
      return {fd, name};
    }
    if (errno != EEXIST) throw WriteError(path, errno);
  }
  throw WriteError(path, EEXIST);
}

// Makes a rename in the folder durable; a file system that cannot sync folders has nothing to
// make durable.
void SyncFolder(const std::filesystem::path& folder, const std::filesystem::path& path) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  if (result != 0 && error != EINVAL && error != EROFS) throw WriteError(path, error);
}
}  // namespace

FileRead ReadSmallFile(const std::filesystem::path& path, size_t maxBytes) {
  FileRead read;
  auto unreadable = [&](const std::string& problem) {
    read.Result = FileRead::Outcome::Unreadable;
    read.Bytes.clear();
    read.Problem = problem;
    return read;
  };
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return read;
    return unreadable(std::strerror(errno));
  }
  if (!S_ISREG(status.st_mode)) return unreadable("not a regular file");
  if (static_cast<unsigned long long>(status.st_size) > maxBytes) {
    return unreadable("larger than " + std::to_string(maxBytes) + " bytes");
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return unreadable(std::strerror(errno));
  // One byte more than allowed tells a file that grew since.
  read.Bytes.resize(maxBytes + 1);
  size_t total = 0;
  while (total < read.Bytes.size()) {
    const ssize_t n = ::read(fd, read.Bytes.data() + total, read.Bytes.size() - total);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      return unreadable(std::strerror(error));
    }
    if (n == 0) break;
    total += static_cast<size_t>(n);
  }
  ::close(fd);
  if (total > maxBytes) return unreadable("larger than " + std::to_string(maxBytes) + " bytes");
  read.Bytes.resize(total);
  read.Result = FileRead::Outcome::Read;
  return read;
}

void ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path target = LinkTarget(path);
  const std::filesystem::path folder =
      target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
  std::error_code created;
  std::filesystem::create_directories(folder, created);
  if (created) {
    throw SystemError(created.value(),
                      "Cannot create the folder " + folder.string() + " for the settings file");
  }
  RemoveStaleTemporaries(folder, target.filename().string());

  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  // A file the user made read-only is not replaced, though the folder would allow it; nor is
  // one in a read-only folder, even by root, whom neither mode stops.
  struct stat inFolder {};
  if ((exists && ReadOnly(target, existing)) ||
      (::stat(folder.c_str(), &inFolder) == 0 && ReadOnly(folder, inFolder))) {
    throw SystemError(EACCES, "Cannot write " + path.string() + ", which is read-only");
  }
  const Temporary temporary =
      CreateTemporary(target, path, exists ? S_IRUSR | S_IWUSR : NewFileMode);
  auto fail = [&](int error) {
    ::close(temporary.Fd);
    ::unlink(temporary.Path.c_str());
    throw WriteError(path, error);
  };
  // The replacement keeps the file's permissions, which the umask must not narrow.
  if (exists && ::fchmod(temporary.Fd, existing.st_mode & PermissionBits) != 0) fail(errno);
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(temporary.Fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    written += static_cast<size_t>(n);
  }
  if (::fsync(temporary.Fd) != 0) fail(errno);
  if (::close(temporary.Fd) != 0) {
    const int error = errno;
    ::unlink(temporary.Path.c_str());
    throw WriteError(path, error);
  }
  if (::rename(temporary.Path.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.Path.c_str());
    throw WriteError(path, error);
  }
  SyncFolder(folder, path);
}

}  // namespace vaporin
