// Letter of QORInteractiveApplication: the busy cursor, bringing the display
// up to date, and help on context.
#include "l_QORInteractiveApplication.h"

#include <cstdio>

#include "QORRecord.h"
#include "l_QORDialog.h"
#include "l_QORInteractiveApplicationShared.h"

// ---- cursors and display ----

void l_QORInteractiveApplication::SetBusyCursor() {
  if (dragFlag || busy) return;
  busy = 1;
  if (busyHook) busyHook(1);
  changeCursor(busyCursor);
  if (display) XSync(display, False);
  registerDifferUpdate();
}

void l_QORInteractiveApplication::UpdateCursor() {
  busy = 2;
  registerDifferUpdate();
}

void l_QORInteractiveApplication::changeCursor(Cursor c) {
  if (!display) return;
  for (int i = 0; i < windows.getCount(); ++i) {
    Widget w = static_cast<l_QORDialog*>(windows[i])->GetBaseWidget(0);
    while (w && !XtIsShell(w)) w = XtParent(w);
    if (w && XtWindow(w)) XDefineCursor(display, XtWindow(w), c);
  }
  // Objects with a cursor of their own show the busy cursor too, and get
  // theirs back with the normal one.
  struct Walk {
    static void run(Display* d, l_QORDialog* l, Cursor c, Cursor normal) {
      if (l->GetCursorIndex() >= 0 && l->IsBuild()) {
        Widget w = l->GetBaseWidget(0);
        if (w && XtWindowOfObject(w)) {
          if (c == normal) l->applyCursor();
          else XDefineCursor(d, XtWindowOfObject(w), c);
        }
      }
      for (int i = 0; i < l->GetChildCount(); ++i) run(d, l->GetChild(i), c, normal);
    }
  };
  for (int i = 0; i < windows.getCount(); ++i)
    Walk::run(display, static_cast<l_QORDialog*>(windows[i]), c, normalCursor);
  XFlush(display);
}

void l_QORInteractiveApplication::UpdateDisplay() {
  OnIdleCleanup();
  if (!display) return;
  XFlush(display);
  if (topLevel) XmUpdateDisplay(topLevel);
  if (QORRecord::GetMain()->RecordMod() == QORRecordReplay) return;
  // Input that arrived meanwhile is handled now, before the caller goes on.
  XEvent event;
  while (XCheckMaskEvent(display, KeyPressMask | ButtonPressMask | ButtonReleaseMask, &event))
    XtDispatchEvent(&event);
}

// ---- the window under the pointer ----

// The top-most viewable window under the pointer, walking down from the root.
Window interactive_application::topViewableWindowAtPointer(Display* display) {
  Window root = DefaultRootWindow(display), child = 0;
  int rootX = 0, rootY = 0, winX = 0, winY = 0;
  unsigned int state = 0;
  XQueryPointer(display, root, &root, &child, &rootX, &rootY, &winX, &winY, &state);
  Window found = root;
  int originX = 0, originY = 0;
  for (;;) {
    Window r = 0, parent = 0, *kids = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, found, &r, &parent, &kids, &count)) break;
    Window next = 0;
    for (int i = static_cast<int>(count) - 1; i >= 0 && !next; --i) {  // top-most last
      Window gr = 0;
      int x = 0, y = 0;
      unsigned int width = 0, height = 0, border = 0, d = 0;
      if (!XGetGeometry(display, kids[i], &gr, &x, &y, &width, &height, &border, &d)) continue;
      const int left = originX + x, top = originY + y;
      if (rootX < left || rootY < top || rootX >= left + static_cast<int>(width + 2 * border) ||
          rootY >= top + static_cast<int>(height + 2 * border))
        continue;
      XWindowAttributes attributes;
      if (!XGetWindowAttributes(display, kids[i], &attributes) || attributes.map_state != IsViewable) continue;
      next = kids[i];
      originX = left + static_cast<int>(border);
      originY = top + static_cast<int>(border);
    }
    if (kids) XFree(kids);
    if (!next) break;
    found = next;
  }
  return found;
}

// ---- help on context ----

void l_QORInteractiveApplication::QueryHelpOnContext(l_QORDialog* window) {
  const int mode = QORRecord::GetMain()->RecordMod();
  if (mode == QORRecordCapture) {
    std::fputs("Help On Context is not available for Record\n", stderr);
    std::fflush(stderr);
    return;
  }
  if (mode == QORRecordReplay || !display) return;

  Window found = interactive_application::topViewableWindowAtPointer(display);
  Widget w = XtWindowToWidget(display, found);
  if (!w && window) w = window->GetBaseWidget(0);  // the pointer is not over one of ours
  while (w && !XtIsShell(w)) w = XtParent(w);
  if (!w) return;
  l_QORDialog::BulleDestroy();

  XEvent event{};
  Widget clicked = XmTrackingEvent(w, helpCursor, False, &event);
  while (clicked && XtHasCallbacks(clicked, XmNhelpCallback) != XtCallbackHasSome) clicked = XtParent(clicked);
  if (!clicked) return;
  XmAnyCallbackStruct cbs;
  cbs.reason = XmCR_HELP;
  cbs.event = &event;
  XtCallCallbacks(clicked, XmNhelpCallback, &cbs);
}
