#include "QORDlgXpm.h"

#include <X11/xpm.h>
#include <Xm/Xm.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "QOREnv.h"
#include "QORString.h"
#include "l_QORInteractiveApplication.h"

Visual* PixmapVisual = nullptr;
int PixmapDepth = 0;
Colormap PixmapColormap = 0;
Pixel QORDlgIconBackgroundColor = 0;

namespace {

int fileReads = 0;

Pixmap pixmapAt(int i) {
  return static_cast<Pixmap>(reinterpret_cast<uintptr_t>(l_QORInteractiveApplication::CacheIconValue[i]));
}
void* asEntry(Pixmap p) { return reinterpret_cast<void*>(static_cast<uintptr_t>(p)); }

// A copy of `icon` with the background drawn on every second pixel of every
// second row, which reads as greyed out.
Pixmap makeInsensitive(Widget w, Display* d, Pixmap icon) {
  Window root = 0;
  int x = 0, y = 0;
  unsigned int width = 0, height = 0, border = 0, depth = 0;
  if (!XGetGeometry(d, icon, &root, &x, &y, &width, &height, &border, &depth)) return 0;
  Pixmap copy = XCreatePixmap(d, icon, width, height, depth);
  GC gc = XCreateGC(d, copy, 0, nullptr);
  XCopyArea(d, icon, copy, gc, 0, 0, width, height, 0, 0);
  Pixel background = 0;
  XtVaGetValues(w, XmNbackground, &background, nullptr);
  XSetForeground(d, gc, background);
  for (unsigned int row = 0; row < height; row += 2)
    for (unsigned int col = 0; col < width; col += 2) XDrawPoint(d, copy, gc, static_cast<int>(col), static_cast<int>(row));
  XFreeGC(d, gc);
  return copy;
}

}  // namespace

int QORDlgIconFileReadCount() { return fileReads; }

int ReadFileToPixmap(Display* display, Drawable d, char* path, Pixmap* result, Pixmap* mask, Visual* visual,
                     int depth, Colormap colormap) {
  if (result) *result = 0;
  if (mask) *mask = 0;
  if (!display || !path || !result) return XpmOpenFailed;
  ++fileReads;
  XpmColorSymbol none;
  none.name = nullptr;
  none.value = const_cast<char*>("None");
  none.pixel = QORDlgIconBackgroundColor;
  XpmAttributes attributes{};
  attributes.valuemask = XpmColorSymbols | XpmCloseness;
  attributes.colorsymbols = &none;
  attributes.numsymbols = 1;
  attributes.closeness = 40000;  // a full colormap gives near colours, not a failure
  if (visual) {
    attributes.visual = visual;
    attributes.valuemask |= XpmVisual;
  }
  if (depth > 0) {
    attributes.depth = static_cast<unsigned int>(depth);
    attributes.valuemask |= XpmDepth;
  }
  if (colormap) {
    attributes.colormap = colormap;
    attributes.valuemask |= XpmColormap;
  }
  Pixmap shape = 0;
  const int status = XpmReadFileToPixmap(display, d, path, result, &shape, &attributes);
  XpmFreeAttributes(&attributes);
  if (status < 0 || !*result) {  // positive values are warnings (XpmColorError)
    if (*result) XFreePixmap(display, *result);
    if (shape) XFreePixmap(display, shape);
    *result = 0;
    return status < 0 ? status : XpmOpenFailed;
  }
  if (mask) *mask = shape;
  else if (shape) XFreePixmap(display, shape);
  return 0;
}

int loadxpm(Widget w, char* name, Pixmap* icon, Pixmap* insensitive) {
  if (!name || !*name) return 1;
  l_QORDlgList& names = l_QORInteractiveApplication::CacheIconName;
  for (int i = 0; i < names.getCount(); ++i) {
    if (static_cast<QORString*>(names[i])->str() != name) continue;
    if (icon) *icon = pixmapAt(2 * i);
    if (insensitive) *insensitive = pixmapAt(2 * i + 1);
    return 0;
  }
  const char* path = QORGetEnv("TRIVOICONPATH");
  if (!path) {
    std::fputs("TRIVOICONPATH environment variable not defined\n", stderr);
    std::fflush(stderr);
    return 1;
  }
  const std::string entries(path);
  for (size_t start = 0;;) {
    const size_t colon = entries.find(':', start);
    std::string dir = entries.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    if (dir.empty()) {
      const char* home = QORGetEnv("HOME");
      dir = home ? home : "";
    }
    std::string file = dir + "/" + name + ".pm";
    if (access(file.c_str(), F_OK) == 0) {
      Display* d = XtDisplayOfObject(w);
      Visual* visual = PixmapVisual;
      int depth = PixmapDepth;
      Colormap colormap = PixmapColormap;
      l_QORInteractiveApplication* app = l_QORInteractiveApplication::GetCurrent();
      if (!visual && app) {
        visual = app->GetVisual();
        depth = app->GetDepth();
        colormap = app->GetColormap();
      }
      Pixmap normal = 0;
      if (ReadFileToPixmap(d, RootWindowOfScreen(XtScreenOfObject(w)), &file[0], &normal, nullptr, visual, depth,
                           colormap) != 0)
        return 2;
      const Pixmap grey = makeInsensitive(w, d, normal);
      names.insertTail(new QORString(name));
      l_QORInteractiveApplication::CacheIconValue.insertTail(asEntry(normal));
      l_QORInteractiveApplication::CacheIconValue.insertTail(asEntry(grey));
      if (icon) *icon = normal;
      if (insensitive) *insensitive = grey;
      return 0;
    }
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  std::fprintf(stderr, "Icon %s not found\n", name);
  std::fflush(stderr);
  return 3;
}
