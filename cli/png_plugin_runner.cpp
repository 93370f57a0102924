#include "cli/png_plugin_runner.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "chart_paint/png_plugin.h"

namespace vaporin::cli {

namespace {
constexpr size_t FaultBytes = 512;

// The child's side: its exit status tells success, its words on the pipe the fault.
[[noreturn]] void RunInChild(const ChartScene& scene, const std::string& file,
                             const std::filesystem::path& plugin, int report) {
  auto fail = [report](std::string_view fault) {
    while (!fault.empty()) {
      const ssize_t n = ::write(report, fault.data(), fault.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      fault.remove_prefix(static_cast<size_t>(n));
    }
    ::_exit(1);
  };
  void* module = ::dlopen(plugin.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr)
    fail("the chart plugin cannot be loaded (" + std::string(::dlerror()) + ")");
  const auto entry = reinterpret_cast<PngPluginEntry>(::dlsym(module, PngPluginEntryName));
  if (entry == nullptr) {
    fail("the chart plugin " + plugin.string() +
         " is from another build of vaporin-calc (it has no entry " + PngPluginEntryName + ")");
  }
  char fault[FaultBytes] = {};
  if (entry(&scene, file.c_str(), fault, sizeof fault) != 0) fail(fault);
  ::_exit(0);
}
}  // namespace

std::string WritePngThroughPlugin(const ChartScene& scene, const std::string& file,
                                  const std::filesystem::path& plugin) {
  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
    return "the chart plugin cannot be started (" + std::string(std::strerror(errno)) + ")";
  }
  const pid_t child = ::fork();
  if (child < 0) {
    const int error = errno;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    return "the chart plugin cannot be started (" + std::string(std::strerror(error)) + ")";
  }
  if (child == 0) {
    ::close(pipeEnds[0]);
    RunInChild(scene, file, plugin, pipeEnds[1]);
  }
  ::close(pipeEnds[1]);
  std::string fault;
  char buffer[FaultBytes];
  for (;;) {
    const ssize_t n = ::read(pipeEnds[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    fault.append(buffer, static_cast<size_t>(n));
  }
  ::close(pipeEnds[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(status)) {
    return "the chart plugin " + plugin.string() + " is broken: loading or running it ended with " +
           ::strsignal(WTERMSIG(status));
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {};
  return fault.empty() ? "the chart plugin " + plugin.string() + " failed" : fault;
}

}  // namespace vaporin::cli
