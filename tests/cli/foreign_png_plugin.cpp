// A chart plugin from another build: the entry of an earlier interface, which writes a file and
// says it succeeded. vaporin-calc must not call it.
#include <cstddef>
#include <cstdio>

extern "C" __attribute__((visibility("default"))) int VaporinWriteChartPng(const void*,
                                                                           const char* fileName,
                                                                           char*, size_t) {
  if (std::FILE* file = std::fopen(fileName, "w")) {
    std::fputs("not a picture", file);
    std::fclose(file);
  }
  return 0;
}
