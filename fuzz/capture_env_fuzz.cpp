// capture.env reader: any file content must load without crashing, define
// only NAME=VALUE texts it was given, and never overrun its table.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "QORDlgRecordPath.h"

namespace {
std::string directory() {
  static std::string dir = [] {
    char tmpl[] = "/tmp/tolven-capture-fuzz-XXXXXX";
    const char* d = mkdtemp(tmpl);
    if (!d) std::abort();
    setenv("QORRECORDREPLAY", d, 1);
    return std::string(d);
  }();
  return dir;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = directory() + "/capture.env";
  FILE* f = std::fopen(file.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  // An input may define QORRECORDREPLAY itself: point it back at our file.
  setenv("QORRECORDREPLAY", directory().c_str(), 1);
  // Rejected lines are reported on stderr; keep the fuzzer's output readable.
  FILE* saved = stderr;
  stderr = std::fopen("/dev/null", "w");
  ReadCapturePath();
  std::fclose(stderr);
  stderr = saved;
  return 0;
}
