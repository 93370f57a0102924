#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/run.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return vaporin::cli::Run(arguments, std::cin, std::cout, std::cerr,
                           [](const std::string& name) -> std::optional<std::string> {
                             const char* value = std::getenv(name.c_str());
                             if (value == nullptr) return std::nullopt;
                             return std::string(value);
                           });
}
