#include <dlfcn.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "chart_paint/png_plugin.h"
#include "cli/run.h"

namespace {
// Loads the chart's PNG plugin from beside the program on first use.
std::string WritePng(const vaporin::ChartScene& scene, const std::string& file) {
  std::error_code ignored;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ignored);
  const std::filesystem::path plugin =
      program.parent_path() / vaporin::PngPluginFolderFromProgram / vaporin::PngPluginFileName;
  void* module = dlopen(plugin.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr)
    return "the chart plugin cannot be loaded (" + std::string(dlerror()) + ")";
  const auto entry =
      reinterpret_cast<vaporin::PngPluginEntry>(dlsym(module, vaporin::PngPluginEntryName));
  if (entry == nullptr) return "the chart plugin has no entry " + plugin.string();
  char error[512] = {};
  if (entry(&scene, file.c_str(), error, sizeof error) != 0) return error;
  return {};
}
}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return vaporin::cli::Run(arguments, std::cin, std::cout, std::cerr, vaporin::ProcessEnvironment,
                           WritePng);
}
