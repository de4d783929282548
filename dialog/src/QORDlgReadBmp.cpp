#include "QORDlgReadBmp.h"

#include <X11/Xutil.h>

#include <cstdlib>
#include <map>

namespace {

int shiftOf(unsigned long mask) {
  int s = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++s;
  }
  return s;
}

unsigned long scale(unsigned char c, unsigned long mask) {
  const unsigned long full = mask >> shiftOf(mask);
  return ((c * full + 127) / 255) << shiftOf(mask);
}

// Pixel values for colours: computed from the masks on TrueColor and
// DirectColor visuals, allocated in the colormap on the others.
class PixelMaker {
 public:
  explicit PixelMaker(const DlgVisual& v) : v_(v) {
    trueColor_ = v.visual && (v.visual->c_class == TrueColor || v.visual->c_class == DirectColor);
  }
  unsigned long operator()(const DlgRGB& c) {
    if (trueColor_)
      return scale(c.red, v_.visual->red_mask) | scale(c.green, v_.visual->green_mask) |
             scale(c.blue, v_.visual->blue_mask);
    const unsigned long key = (unsigned long)c.red << 16 | (unsigned long)c.green << 8 | c.blue;
    auto it = allocated_.find(key);
    if (it != allocated_.end()) return it->second;
    XColor x{};
    x.red = static_cast<unsigned short>(c.red * 257);
    x.green = static_cast<unsigned short>(c.green * 257);
    x.blue = static_cast<unsigned short>(c.blue * 257);
    x.flags = DoRed | DoGreen | DoBlue;
    if (!XAllocColor(v_.display, v_.colormap, &x)) x.pixel = 0;
    return allocated_[key] = x.pixel;
  }

 private:
  const DlgVisual& v_;
  bool trueColor_ = false;
  std::map<unsigned long, unsigned long> allocated_;
};

}  // namespace

int ReadBmp(const QORString& name, DlgVisual* v, Pixmap* result, const DlgRGB* transparent,
            const DlgRGB* replacement, int& width, int& height) {
  if (result) *result = 0;
  std::vector<DlgRGB> pixels;
  int w = 0, h = 0;
  const int status = QORDlgBmpRead(name, pixels, w, h);
  if (status != QORDlgBmpOK) return status;
  width = w;
  height = h;
  if (!v || !v->display || !result) return QORDlgBmpOK;

  Visual* visual = v->visual ? v->visual : DefaultVisual(v->display, DefaultScreen(v->display));
  const int depth = v->depth > 0 ? v->depth : DefaultDepth(v->display, DefaultScreen(v->display));
  DlgVisual target = *v;
  target.visual = visual;
  if (!target.colormap) target.colormap = DefaultColormap(v->display, DefaultScreen(v->display));
  XImage* image = XCreateImage(v->display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                               static_cast<unsigned>(w), static_cast<unsigned>(h), 32, 0);
  if (!image) return QORDlgBmpBadFile;
  image->data = static_cast<char*>(std::malloc(size_t(image->bytes_per_line) * size_t(h)));
  if (!image->data) {
    XDestroyImage(image);
    return QORDlgBmpBadFile;
  }
  PixelMaker pixel(target);
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col) {
      const DlgRGB* c = &pixels[size_t(row) * size_t(w) + size_t(col)];
      if (transparent && replacement && c->red == transparent->red && c->green == transparent->green &&
          c->blue == transparent->blue)
        c = replacement;
      XPutPixel(image, col, row, pixel(*c));
    }
  Drawable where = v->drawable ? v->drawable : DefaultRootWindow(v->display);
  Pixmap pm = XCreatePixmap(v->display, where, static_cast<unsigned>(w), static_cast<unsigned>(h),
                            static_cast<unsigned>(depth));
  GC gc = XCreateGC(v->display, pm, 0, nullptr);
  XPutImage(v->display, pm, gc, image, 0, 0, 0, 0, static_cast<unsigned>(w), static_cast<unsigned>(h));
  XFreeGC(v->display, gc);
  XDestroyImage(image);
  *result = pm;
  return QORDlgBmpOK;
}
