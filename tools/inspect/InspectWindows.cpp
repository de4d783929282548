#include "InspectWindows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {
bool hasWmState(Display* d, Window w, Atom wmState) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const bool found = XGetWindowProperty(d, w, wmState, 0, 0, False, AnyPropertyType, &type, &format, &count, &after,
                                        &data) == Success &&
                     type != None;
  if (data) XFree(data);
  return found;
}

TopWindow describe(Display* d, Window w) {
  TopWindow t;
  t.id = w;
  char* name = nullptr;
  if (XFetchName(d, w, &name) && name) {
    t.title = name;
    XFree(name);
  }
  XClassHint hint{};
  if (XGetClassHint(d, w, &hint)) {
    if (hint.res_name) t.instance = hint.res_name;
    XFree(hint.res_name);
    XFree(hint.res_class);
  }
  return t;
}

void collect(Display* d, Window w, Atom wmState, std::vector<TopWindow>& out) {
  Window root = None, parent = None, *kids = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(d, w, &root, &parent, &kids, &count)) return;
  for (unsigned int i = 0; i < count; ++i) {
    if (hasWmState(d, kids[i], wmState))
      out.push_back(describe(d, kids[i]));
    else
      collect(d, kids[i], wmState, out);  // a window manager's frame holds the client
  }
  if (kids) XFree(kids);
}
}  // namespace

bool TopWindow::IsNamed(const std::string& name) const {
  return title == name || instance == name || instance == name + "_popup";
}

std::vector<TopWindow> FindTopWindows(Display* d) {
  std::vector<TopWindow> out;
  collect(d, DefaultRootWindow(d), XInternAtom(d, "WM_STATE", False), out);
  return out;
}
