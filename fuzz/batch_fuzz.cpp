// Any CSV stream: the batch reads it to its end in time linear in its size, reports what it
// cannot take and throws nothing but a usage error for a header it cannot take.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/batch.h"
#include "cli/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  std::ostringstream messages;
  try {
    vaporin::cli::RunBatch(
        in, out, messages, vaporin::Preferences(),
        size % 2 == 0 ? vaporin::cli::Precision::Display : vaporin::cli::Precision::Full);
  } catch (const vaporin::cli::UsageError&) {
  }
  return 0;
}
