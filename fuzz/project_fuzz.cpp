// Any text as a project file: read or refused with a reason, and what is read is written and read
// again to the same project, a newer version's fields and all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/project.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const vaporin::ProjectRead read = vaporin::ParseProject(text);
  if (read.Project.has_value() == !read.Problem.empty()) std::abort();
  if (!read.Project) return 0;
  const vaporin::ProjectRead again = vaporin::ParseProject(vaporin::ProjectText(*read.Project));
  if (!again.Project || !(*again.Project == *read.Project)) std::abort();
  return 0;
}
