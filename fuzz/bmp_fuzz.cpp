// BMP decoder: must never read outside the input nor crash, and what it
// accepts must be a consistent image.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "QORDlgBmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly `size` bytes, so the sanitizer sees any overread.
  std::vector<unsigned char> bytes(data, data + size);
  std::vector<DlgRGB> pixels;
  int width = -1, height = -1;
  const int r = QORDlgBmpDecode(bytes.empty() ? nullptr : bytes.data(), bytes.size(), pixels, width, height);
  if (r == QORDlgBmpOK) {
    if (width < 1 || height < 1 || pixels.size() != size_t(width) * size_t(height)) std::abort();
  } else if ((r != QORDlgBmpBadFile && r != QORDlgBmpUnsupported) || !pixels.empty() || width != -1) {
    std::abort();
  }
  return 0;
}
