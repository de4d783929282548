// capture.env reader and the replay path mapping: any file content must load
// without crashing, define only NAME=VALUE texts it was given, and never
// overrun its table; any recorded directory and selection under the capture
// directory must map without reading past either text.
// Input: the file's content, then optionally a NUL, the recorded directory,
// a NUL and the recorded selection (as a replayed file box reads them).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// A recorded choice outside every capture directory ends the run on purpose;
// the fuzzer keeps to directories that contain the first one.
void mapRecorded(const std::string& recorded, const std::string& selection) {
  const char* capture = std::getenv("CAP_PATH1");
  if (!capture) return;
  std::string dir = capture + recorded, chosen = selection;
  CheckReplayPath(&dir[0], &chosen[0]);
  if (!tempo_directorie || !tempo_selection) std::abort();  // a match always maps
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t end = input.find('\0');
  const std::string content = input.substr(0, end);
  const std::string file = directory() + "/capture.env";
  FILE* f = std::fopen(file.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(content.data(), 1, content.size(), f);
  std::fclose(f);
  // An input may define QORRECORDREPLAY itself: point it back at our file.
  setenv("QORRECORDREPLAY", directory().c_str(), 1);
  // Rejected lines are reported on stderr; keep the fuzzer's output readable.
  FILE* saved = stderr;
  stderr = std::fopen("/dev/null", "w");
  ReadCapturePath();
  if (end != std::string::npos) {
    const std::string rest = input.substr(end + 1);
    const size_t split = rest.find('\0');
    mapRecorded(rest.substr(0, split), split == std::string::npos ? "" : rest.substr(split + 1));
  }
  std::fclose(stderr);
  stderr = saved;
  return 0;
}
