#include "QORDlgBmp.h"

#include <dirent.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "QOREnv.h"

int LookP2 = 0;

namespace {

// Larger images are refused before anything is allocated for them.
constexpr uint64_t maxPixels = uint64_t(1) << 26;
constexpr long maxFileSize = 256L << 20;

uint32_t u32(const unsigned char* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t u16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
int32_t s32(const unsigned char* p) { return static_cast<int32_t>(u32(p)); }

// ---- the directory cache ----

struct Directory {
  std::string path;
  std::vector<std::string> files;  // sorted
};
std::vector<Directory>* pathCache = nullptr;

void buildPathCache() {
  pathCache = new std::vector<Directory>();
  const char* value = QORGetEnv("QORGraphicPath");
  if (!value) return;
  const std::string entries(value);
  for (size_t start = 0; start <= entries.size();) {
    size_t colon = entries.find(':', start);
    if (colon == std::string::npos) colon = entries.size();
    Directory dir;
    dir.path = entries.substr(start, colon - start);
    start = colon + 1;
    if (dir.path.empty()) continue;  // an empty entry names nothing
    if (DIR* d = opendir(dir.path.c_str())) {
      while (dirent* e = readdir(d)) dir.files.emplace_back(e->d_name);
      closedir(d);
    }
    std::sort(dir.files.begin(), dir.files.end());
    pathCache->push_back(std::move(dir));
  }
}

bool lookUp(const std::string& file, QORString& path) {
  if (!pathCache) buildPathCache();
  for (const Directory& d : *pathCache)
    if (std::binary_search(d.files.begin(), d.files.end(), file)) {
      path = QORString(d.path + "/" + file);
      return true;
    }
  return false;
}

}  // namespace

void FreePathCache() {
  delete pathCache;
  pathCache = nullptr;
}

int QORDlgBmpDecode(const unsigned char* data, size_t size, std::vector<DlgRGB>& pixels, int& width, int& height) {
  pixels.clear();
  // File header (14 bytes) and information header (40 bytes).
  if (!data || size < 54 || data[0] != 'B' || data[1] != 'M') return QORDlgBmpBadFile;
  const uint32_t offBits = u32(data + 10);
  if (u32(data + 14) != 40 || u16(data + 26) != 1) return QORDlgBmpBadFile;
  const int32_t w = s32(data + 18), h = s32(data + 22);
  const int bits = u16(data + 28);
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return QORDlgBmpUnsupported;
  if (u32(data + 30) != 0) return QORDlgBmpUnsupported;  // compressed
  if (w < 1 || h < 1) return QORDlgBmpUnsupported;      // includes top-down images

  // Palette: the colours used, 0 meaning all that the bit count allows.
  uint32_t colours = 0;
  if (bits <= 8) {
    colours = u32(data + 46);
    if (colours == 0) colours = 1u << bits;
    if (colours > (1u << bits)) return QORDlgBmpBadFile;
  }
  const uint64_t paletteEnd = 54 + uint64_t(colours) * 4;
  if (offBits < paletteEnd || offBits > size) return QORDlgBmpBadFile;

  // Rows are padded to 4 bytes and stored bottom-up.
  const uint64_t rowBytes = (uint64_t(w) * bits + 31) / 32 * 4;
  if (rowBytes > size || uint64_t(h) > (size - offBits) / rowBytes) return QORDlgBmpBadFile;  // data missing
  if (uint64_t(w) * uint64_t(h) > maxPixels) return QORDlgBmpUnsupported;

  pixels.resize(size_t(w) * size_t(h));
  const unsigned char* palette = data + 54;
  for (int32_t row = 0; row < h; ++row) {
    const unsigned char* src = data + offBits + uint64_t(h - 1 - row) * rowBytes;
    DlgRGB* dst = &pixels[size_t(row) * size_t(w)];
    for (int32_t col = 0; col < w; ++col) {
      if (bits == 24) {
        const unsigned char* p = src + size_t(col) * 3;
        dst[col] = DlgRGB{p[2], p[1], p[0]};
        continue;
      }
      const size_t bit = size_t(col) * bits;
      const unsigned shift = 8 - bits - bit % 8;  // leftmost pixel in the high bits
      const uint32_t index = (src[bit / 8] >> shift) & ((1u << bits) - 1);
      if (index >= colours) {
        pixels.clear();
        return QORDlgBmpBadFile;
      }
      const unsigned char* q = palette + index * 4;  // blue, green, red, unused
      dst[col] = DlgRGB{q[2], q[1], q[0]};
    }
  }
  width = w;
  height = h;
  return QORDlgBmpOK;
}

int QORDlgBmpFindFile(const QORString& name, QORString& path) {
  if (name.IsEmpty()) return QORDlgBmpNoFile;
  const std::string& n = name.str();
  if (n.find('/') != std::string::npos || n.find('\\') != std::string::npos) {
    path = name;
    return QORDlgBmpOK;
  }
  if (LookP2 && lookUp(n + "P2.bmp", path)) return QORDlgBmpOK;
  return lookUp(n + ".bmp", path) ? QORDlgBmpOK : QORDlgBmpNoFile;
}

int QORDlgBmpRead(const QORString& name, std::vector<DlgRGB>& pixels, int& width, int& height) {
  pixels.clear();
  QORString path;
  if (QORDlgBmpFindFile(name, path) != QORDlgBmpOK) return QORDlgBmpNoFile;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return QORDlgBmpBadFile;
  std::vector<unsigned char> bytes;
  long size = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
  if (size >= 0 && size <= maxFileSize && std::fseek(f, 0, SEEK_SET) == 0) {
    bytes.resize(static_cast<size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) size = -1;
  } else {
    size = -1;
  }
  std::fclose(f);
  if (size < 0) return QORDlgBmpBadFile;
  return QORDlgBmpDecode(bytes.data(), bytes.size(), pixels, width, height);
}

DlgRGB* QORDlgBmp2Rgb(const QORString& name, int& width, int& height, int& result) {
  std::vector<DlgRGB> pixels;
  result = QORDlgBmpRead(name, pixels, width, height);
  if (result != QORDlgBmpOK) return nullptr;
  DlgRGB* copy = new DlgRGB[pixels.size()];
  std::copy(pixels.begin(), pixels.end(), copy);
  return copy;
}
