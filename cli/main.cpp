#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "chart_paint/png_plugin.h"
#include "cli/png_plugin_runner.h"
#include "cli/run.h"

namespace {
// The chart's PNG plugin, beside the program as installed, used on first need.
std::string WritePng(const vaporin::ChartScene& scene, const std::string& file) {
  std::error_code ignored;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ignored);
  return vaporin::cli::WritePngThroughPlugin(
      scene, file,
      program.parent_path() / vaporin::PngPluginFolderFromProgram / vaporin::PngPluginFileName);
}
}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return vaporin::cli::Run(arguments, std::cin, std::cout, std::cerr, vaporin::ProcessEnvironment,
                           WritePng);
}
