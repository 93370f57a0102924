// Any command line (arguments parted by zero bytes, standard input after a 0x01 byte): an exit
// status the program documents, and nothing else. Arguments that would write files are left out.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t MaxArguments = 12;
  const std::string all(reinterpret_cast<const char*>(data), size);
  const size_t inputStart = all.find('\x01');
  const std::string line = all.substr(0, inputStart);
  std::vector<std::string> arguments;
  std::istringstream parts(line);
  for (std::string argument; std::getline(parts, argument, '\0');) {
    if (argument.find("chart") != std::string::npos) return 0;
    arguments.push_back(argument);
    if (arguments.size() == MaxArguments) break;
  }
  std::istringstream in(inputStart == std::string::npos ? "" : all.substr(inputStart + 1));
  std::ostringstream out;
  std::ostringstream err;
  const int status =
      vaporin::cli::Run(arguments, in, out, err, [](const std::string&) { return std::nullopt; });
  if (status < vaporin::cli::ExitSolved || status > vaporin::cli::ExitOutputNotWritten) {
    std::abort();
  }
  return 0;
}
