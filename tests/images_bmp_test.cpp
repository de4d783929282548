// BMP images: decoding of the four depths against known pixels, every result
// code on hostile files, the QORGraphicPath directory cache, and ReadBmp
// into a pixmap of the application's visual on a real display.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "QORDlgReadBmp.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace fs = std::filesystem;

namespace {

fs::path scratch;

class BmpEnvironment : public ::testing::Environment {
  void SetUp() override {
    scratch = fs::temp_directory_path() / ("tolven_bmp_" + std::to_string(getpid()));
    fs::create_directories(scratch);
  }
  void TearDown() override { fs::remove_all(scratch); }
};
const auto* env = ::testing::AddGlobalTestEnvironment(new BmpEnvironment);

void put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}
void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

const std::vector<DlgRGB> palette16 = {
    {0, 0, 0},     {255, 0, 0},   {0, 255, 0},  {0, 0, 255},   {255, 255, 0}, {0, 255, 255},
    {255, 0, 255}, {10, 20, 30},  {40, 50, 60}, {70, 80, 90},  {100, 110, 120}, {130, 140, 150},
    {160, 170, 180}, {190, 200, 210}, {220, 230, 240}, {255, 255, 255}};

// The colour every test image has at (x, y), top row first.
DlgRGB expected(int bits, int x, int y) {
  if (bits == 24) return DlgRGB{uint8_t(x * 40), uint8_t(y * 50), uint8_t(x * 7 + y * 11 + 3)};
  const int colours = 1 << bits;
  return palette16[size_t((x + 3 * y) % (colours > 16 ? 16 : colours))];
}

// A w x h file of `bits` bits a pixel, bottom-up with padded rows.
std::vector<uint8_t> makeBmp(int bits, int w, int h) {
  const int colours = bits <= 8 ? (bits == 8 ? 16 : 1 << bits) : 0;  // 8-bit: 16 colours used
  const size_t rowBytes = (size_t(w) * bits + 31) / 32 * 4;
  const size_t off = 54 + size_t(colours) * 4;
  std::vector<uint8_t> b(off + rowBytes * h, 0);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, uint32_t(b.size()));
  put32(b, 10, uint32_t(off));
  put32(b, 14, 40);
  put32(b, 18, uint32_t(w));
  put32(b, 22, uint32_t(h));
  put16(b, 26, 1);
  put16(b, 28, uint32_t(bits));
  put32(b, 46, bits == 8 ? 16 : 0);
  for (int i = 0; i < colours; ++i) {
    b[54 + 4 * i] = palette16[i].blue;
    b[55 + 4 * i] = palette16[i].green;
    b[56 + 4 * i] = palette16[i].red;
  }
  for (int y = 0; y < h; ++y) {
    uint8_t* row = &b[off + size_t(h - 1 - y) * rowBytes];
    for (int x = 0; x < w; ++x) {
      const DlgRGB c = expected(bits, x, y);
      if (bits == 24) {
        row[3 * x] = c.blue;
        row[3 * x + 1] = c.green;
        row[3 * x + 2] = c.red;
        continue;
      }
      const int index = (x + 3 * y) % (colours > 16 ? 16 : colours);
      const int bit = x * bits;
      row[bit / 8] |= uint8_t(index << (8 - bits - bit % 8));
    }
  }
  return b;
}

std::string writeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const fs::path p = scratch / name;
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return p.string();
}

int decodeFile(const std::vector<uint8_t>& bytes, int& w, int& h, DlgRGB** out = nullptr) {
  static int serial = 0;
  const std::string path = writeFile("case" + std::to_string(++serial) + ".bmp", bytes);
  int result = -1;
  DlgRGB* rgb = QORDlgBmp2Rgb(path, w, h, result);
  if (out) *out = rgb;
  else delete[] rgb;
  EXPECT_EQ(rgb != nullptr, result == 0);
  return result;
}

TEST(Bmp, EachDepthDecodesToTheExpectedPixels) {
  // Odd widths so every depth has row padding and partly used bytes.
  for (int bits : {1, 4, 8, 24}) {
    for (int w : {1, 3, 7, 13}) {
      const int h = 5;
      int rw = 0, rh = 0;
      DlgRGB* rgb = nullptr;
      ASSERT_EQ(decodeFile(makeBmp(bits, w, h), rw, rh, &rgb), 0) << bits << " bits, width " << w;
      EXPECT_EQ((Size{rw, rh}), (Size{w, h}));
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const DlgRGB want = expected(bits, x, y), got = rgb[y * w + x];
          ASSERT_TRUE(want.red == got.red && want.green == got.green && want.blue == got.blue)
              << bits << " bits (" << x << ", " << y << ")";
        }
      delete[] rgb;
    }
  }
}

TEST(Bmp, HostileFilesGiveTheirCodes) {
  const std::vector<uint8_t> good8 = makeBmp(8, 5, 4), good24 = makeBmp(24, 5, 4), good1 = makeBmp(1, 9, 2);
  struct Case {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
    int code;
    const std::vector<uint8_t>* base;
  };
  const Case cases[] = {
      {"wrong magic", [](auto& b) { b[1] = 'X'; }, 3, &good8},
      {"empty file", [](auto& b) { b.clear(); }, 3, &good8},
      {"truncated file header", [](auto& b) { b.resize(10); }, 3, &good8},
      {"truncated information header", [](auto& b) { b.resize(40); }, 3, &good8},
      {"header size 12", [](auto& b) { put32(b, 14, 12); }, 3, &good8},
      {"header size 124", [](auto& b) { put32(b, 14, 124); }, 3, &good8},
      {"two planes", [](auto& b) { put16(b, 26, 2); }, 3, &good8},
      {"truncated pixels", [](auto& b) { b.resize(b.size() - 1); }, 3, &good24},
      {"truncated palette", [](auto& b) { b.resize(60); }, 3, &good8},
      {"offset past the end", [](auto& b) { put32(b, 10, 0xFFFFFFF0u); }, 3, &good8},
      {"offset inside the palette", [](auto& b) { put32(b, 10, 60); }, 3, &good8},
      {"more colours than the bit count allows", [](auto& b) { put32(b, 46, 257); }, 3, &good8},
      {"palette index out of range", [](auto& b) { b[b.size() - 8] = 200; }, 3, &good8},
      {"absurd width", [](auto& b) { put32(b, 18, 0x7FFFFFFF); }, 3, &good24},
      {"absurd height", [](auto& b) { put32(b, 22, 0x7FFFFFFF); }, 3, &good1},
      {"16 bits", [](auto& b) { put16(b, 28, 16); }, 4, &good24},
      {"32 bits", [](auto& b) { put16(b, 28, 32); }, 4, &good24},
      {"RLE compression", [](auto& b) { put32(b, 30, 1); }, 4, &good8},
      {"bitfields", [](auto& b) { put32(b, 30, 3); }, 4, &good24},
      {"width 0", [](auto& b) { put32(b, 18, 0); }, 4, &good8},
      {"negative width", [](auto& b) { put32(b, 18, uint32_t(-3)); }, 4, &good8},
      {"height 0", [](auto& b) { put32(b, 22, 0); }, 4, &good8},
      {"negative (top-down) height", [](auto& b) { put32(b, 22, uint32_t(-4)); }, 4, &good24},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> b = *c.base;
    c.damage(b);
    int w = -7, h = -7;
    EXPECT_EQ(decodeFile(b, w, h), c.code) << c.what;
    EXPECT_EQ(w, -7) << c.what;  // left alone on failure
  }
  int w = 0, h = 0, result = -1;
  EXPECT_EQ(QORDlgBmp2Rgb((scratch / "no/such/file.bmp").string(), w, h, result), nullptr);
  EXPECT_EQ(result, 3);
}

TEST(Bmp, GraphicPathCacheAndSecondIconSet) {
  const fs::path one = scratch / "gp1", two = scratch / "gp2";
  writeFile("gp1/left.bmp", makeBmp(24, 2, 1));
  writeFile("gp2/left.bmp", makeBmp(24, 3, 1));
  writeFile("gp2/right.bmp", makeBmp(24, 4, 1));
  writeFile("gp2/rightP2.bmp", makeBmp(24, 8, 1));
  setenv("QORGraphicPath", (one.string() + "::" + two.string()).c_str(), 1);
  FreePathCache();
  int w = 0, h = 0, result = -1;
  delete[] QORDlgBmp2Rgb("left", w, h, result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(w, 2);  // first directory that holds it
  delete[] QORDlgBmp2Rgb("right", w, h, result);
  EXPECT_EQ(w, 4);
  LookP2 = 1;
  delete[] QORDlgBmp2Rgb("right", w, h, result);
  EXPECT_EQ(w, 8);
  delete[] QORDlgBmp2Rgb("left", w, h, result);  // no P2 file: the plain one
  EXPECT_EQ(w, 2);
  LookP2 = 0;
  EXPECT_EQ(QORDlgBmp2Rgb("missing", w, h, result), nullptr);
  EXPECT_EQ(result, 2);
  // The listings are kept until FreePathCache: a new file shows up only after it.
  writeFile("gp1/late.bmp", makeBmp(24, 5, 1));
  delete[] QORDlgBmp2Rgb("late", w, h, result);
  EXPECT_EQ(result, 2);
  FreePathCache();
  delete[] QORDlgBmp2Rgb("late", w, h, result);
  EXPECT_EQ(result, 0);
  // A listed file that turned unreadable: 3.
  fs::remove(one / "late.bmp");
  delete[] QORDlgBmp2Rgb("late", w, h, result);
  EXPECT_EQ(result, 3);
  unsetenv("QORGraphicPath");
  FreePathCache();
}

using BmpOnDisplay = AppSuite;

TEST_F(BmpOnDisplay, ReadBmpIntoThePixmapOfTheApplicationVisual) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  const std::string path = writeFile("read.bmp", makeBmp(4, 6, 3));
  DlgVisual v{l->GetDisplay(), XtWindow(l->GetWidget()), l->GetVisual(), l->GetDepth(), l->GetColormap()};
  const DlgRGB transparent = palette16[0], replacement = {1, 2, 3};  // black pixels become (1, 2, 3)
  Pixmap pm = 0;
  int w = 0, h = 0;
  ASSERT_EQ(ReadBmp(path, &v, &pm, &transparent, &replacement, w, h), 0);
  ASSERT_NE(pm, 0u);
  EXPECT_EQ((Size{w, h}), (Size{6, 3}));
  XImage* img = XGetImage(v.display, pm, 0, 0, 6, 3, AllPlanes, ZPixmap);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) {
      XColor c{};
      c.pixel = XGetPixel(img, x, y);
      XQueryColor(v.display, v.colormap, &c);
      DlgRGB want = expected(4, x, y);
      if (want.red == 0 && want.green == 0 && want.blue == 0) want = replacement;
      EXPECT_TRUE(c.red >> 8 == want.red && c.green >> 8 == want.green && c.blue >> 8 == want.blue) << x << "," << y;
    }
  XDestroyImage(img);
  XFreePixmap(v.display, pm);
  EXPECT_EQ(ReadBmp((scratch / "nothing.bmp").string(), &v, &pm, nullptr, nullptr, w, h), 3);
  EXPECT_EQ(pm, 0u);
}

}  // namespace
