// The tests' window: a real dialog box without standard buttons, fatherless
// and registered with the application as an application's own boxes are.
// Showing it runs its first sizing (the children's layout); resizing goes
// through the window manager, so the layout follows a user's resize.
#pragma once
#include <X11/Xlib.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <ostream>
#include <string>

#include "QORApplication.h"
#include "QORDlgDialog.h"
#include "QORDlgMotif.h"
#include "QORInteractiveApplication.h"
#include "QORRecord.h"
#include "l_QORDlgDialog.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORInteractiveApplication.h"

// Processes the pending X events and runs idle passes until nothing is left.
inline void PumpIdle(int rounds = 20) {
  l_QORInteractiveApplication* app = l_QORInteractiveApplication::GetCurrent();
  for (int i = 0; i < rounds; ++i) {
    XSync(app->GetDisplay(), False);
    while (XtAppPending(app->GetContext()) & (XtIMXEvent | XtIMTimer))
      XtAppProcessEvent(app->GetContext(), XtIMXEvent | XtIMTimer);
    if (QORApplication::GetSubscriberCount(QORApplication::IdleEvent) == 0 && !XtAppPending(app->GetContext())) break;
    QORApplication::Dispatch(QORApplication::IdleEvent);
  }
}

// Pumps events and idle passes until `done` holds or `ms` went by.
inline bool PumpUntil(const std::function<bool()>& done, int ms = 3000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    PumpIdle();
    if (done()) return true;
    usleep(5000);
  }
  PumpIdle();
  return done();
}

// One resource of a widget, read as its type.
template <typename T>
T Resource(Widget w, const char* name) {
  T v{};
  XtVaGetValues(w, name, &v, nullptr);
  return v;
}

// Replays `file` to its end with idle passes between the steps; the
// replay's error, empty when it reached the end.
inline std::string ReplayAll(const std::string& file) {
  QORRecord* record = QORRecord::GetMain();
  if (!record->StartReplay(file.c_str())) return "no replay of " + file;
  int step = 0;
  while ((step = record->ReplayNext()) == 1) PumpIdle();
  const std::string error = step == 0 ? "" : "stopped: " + record->GetError();
  record->EndMode(2);
  return error;
}

// Pumps events, time-outs and idle passes for `ms` milliseconds.
inline void Settle(int ms) { PumpUntil([] { return false; }, ms); }

// Sizes and places as the X server or Motif has them, comparable and printable.
struct Size {
  int w, h;
  bool operator==(const Size& o) const { return w == o.w && h == o.h; }
};
inline std::ostream& operator<<(std::ostream& os, const Size& s) { return os << s.w << "x" << s.h; }
struct Geo {
  int x, y, w, h;
  bool operator==(const Geo& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
  Size size() const { return Size{w, h}; }
};
inline std::ostream& operator<<(std::ostream& os, const Geo& g) {
  return os << "(" << g.x << "," << g.y << " " << g.w << "x" << g.h << ")";
}
// A window (relative to its parent) or a pixmap, as the server has it.
inline Geo ServerGeo(Display* d, Drawable dr) {
  Window root;
  int x, y;
  unsigned w, h, border, depth;
  XGetGeometry(d, dr, &root, &x, &y, &w, &h, &border, &depth);
  return Geo{x, y, static_cast<int>(w), static_cast<int>(h)};
}
inline Geo ServerGeo(Widget wd) { return ServerGeo(XtDisplay(wd), XtWindow(wd)); }
// A widget's window placed on the screen (root coordinates), with its size.
inline Geo ScreenGeo(Widget wd) {
  Window child;
  Geo g = ServerGeo(wd);
  XTranslateCoordinates(XtDisplay(wd), XtWindow(wd), DefaultRootWindow(XtDisplay(wd)), 0, 0, &g.x, &g.y, &child);
  return g;
}
inline Geo MotifGeo(Widget wd) {
  Position x = 0, y = 0;
  Dimension w = 0, h = 0;
  XtVaGetValues(wd, XmNx, &x, XmNy, &y, XmNwidth, &w, XmNheight, &h, nullptr);
  return Geo{x, y, w, h};
}
// The same for the widget of a Motif area.
inline Geo ServerGeo(QORDlgMotif* m) { return ServerGeo(m->GetFatherWidget()); }
inline Geo MotifGeo(QORDlgMotif* m) { return MotifGeo(m->GetFatherWidget()); }
// A Motif area with a natural size of w x h.
inline QORDlgMotif* Area(QORDialog* father, const char* name, int w, int h) {
  auto* m = new QORDlgMotif(father, name, 0);
  m->GetLetterObject()->SetRectDimensions(1, 1, h, w, 0);
  return m;
}

inline bool Viewable(Widget w) {
  XWindowAttributes a;
  return w && XtWindow(w) && XGetWindowAttributes(XtDisplay(w), XtWindow(w), &a) && a.map_state == IsViewable;
}

class TestDialog : public QORDlgDialog {
 public:
  explicit TestDialog(const char* name, unsigned long style = 0)
      : QORDlgDialog(l_QORInteractiveApplication::GetCurrent()->GetAPIObject(), name,
                     QORDlgDialogNoButtons | style),
        typed(static_cast<l_QORDlgDialog*>(GetLetterObject())) {}

  Widget shell() const { return typed->GetShell(); }
  l_QORDlgLayoutManager* layout() const { return typed->GetLayoutManager(); }

  // Shows the box and waits until the window manager has mapped it.
  bool Show() {
    SetVisibility(QORDlgShown);
    return PumpUntil([this] { return viewable(); });
  }
  bool viewable() const { return Viewable(shell()); }
  // The layout manager's size (the work area plus one pixel each way).
  void layoutSize(int& w, int& h) const { layout()->getSize(w, h); }

  // Resizes the shell as a user dragging its frame would, through the window
  // manager, so that the layout manager's size becomes w x h (a user resize
  // gives it the work area's size plus one); waits until the dialog has
  // passed the new size on.
  bool ResizeLayoutTo(int w, int h) {
    Dimension sw = 0, sh = 0, cw = 0, ch = 0;
    XtVaGetValues(shell(), XmNwidth, &sw, XmNheight, &sh, nullptr);
    XtVaGetValues(XtParent(typed->GetInnerArea()), XmNwidth, &cw, XmNheight, &ch, nullptr);
    Display* d = XtDisplay(shell());
    XResizeWindow(d, XtWindow(shell()), static_cast<unsigned>(sw + w - 1 - cw), static_cast<unsigned>(sh + h - 1 - ch));
    XFlush(d);
    return PumpUntil([&] {
      int lw = 0, lh = 0;
      layoutSize(lw, lh);
      return lw == w && lh == h;
    });
  }

  l_QORDlgDialog* typed;
};
