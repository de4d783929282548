// A test-only control for the control base's own behaviour: a push button
// whose letter is a control (class code 20, or the code the test gives, to
// stand in for a family that has no class yet), counts its accelerator
// firings and installs the short-help handler.
#pragma once
#include <Xm/PushB.h>

#include "QORDlgControl.h"
#include "l_QORDlgControl.h"

class TestControlLetter : public l_QORDlgControl {
 public:
  TestControlLetter(l_QORDialog* father, const QORString& name, QORDlgControl* api, unsigned long style,
                    unsigned long extraCode)
      : l_QORDlgControl(father, name, api, style), extraCode(extraCode) {}
  // The family's class record, when the test names one.
  unsigned long GetClassCode() const override { return extraCode ? extraCode : l_QORDlgControl::GetClassCode(); }
  void Build() override {
    if (built) return;
    if (!resourceLock) loadResources();
    Widget parent = father ? father->GetBaseWidget(0) : nullptr;
    if (!parent) return;
    built = 1;
    baseWidget = XtVaCreateWidget(name.c_str(), xmPushButtonWidgetClass, parent, XmNuserData, this, nullptr);
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    InstallFocusHandler(nullptr);
    pending |= QORDlgUpdVisibility | QORDlgUpdTitle;
    update(0);
    // Its natural size with its title, for the layout, unless the test gave one.
    XtWidgetGeometry natural{};
    XtQueryGeometry(baseWidget, nullptr, &natural);
    if (dx <= 0) dx = natural.width;
    if (dy <= 0) dy = natural.height;
  }
  void Accelerator() override { ++accelerated; }
  unsigned long extraCode;
  int accelerated = 0;
};

// The envelope, for that letter or one derived from it.
template <typename Letter = TestControlLetter>
class TestControlOf : public QORDlgControl {
 public:
  TestControlOf(QORDialog* father, const char* name, unsigned long style = 0, unsigned long extraCode = 0)
      : QORDlgControl(father, name, style) {
    typed = new Letter(father->GetLetterObject(), name, this, style, extraCode);
    letter = typed;
  }
  l_QORDialog* GetLetterObject() const override { return typed; }
  Letter* typed;
};
using TestControl = TestControlOf<>;

// ---- real input and what it shows ----
#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/extensions/XTest.h>
#include <Xm/Xm.h>
#include <unistd.h>

#include <chrono>
#include <initializer_list>
#include <string>

#include "l_QORInteractiveApplication.h"
#include "tolven_test_dialog.h"

inline Display* TestDisplay() { return l_QORInteractiveApplication::GetCurrent()->GetDisplay(); }

// Processes X events and time-outs (no idle passes) for `ms` milliseconds.
inline void PumpFor(int ms) {
  XtAppContext c = l_QORInteractiveApplication::GetCurrent()->GetContext();
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    XSync(TestDisplay(), False);
    while (XtAppPending(c) & (XtIMXEvent | XtIMTimer)) XtAppProcessEvent(c, XtIMXEvent | XtIMTimer);
    usleep(5000);
  }
}

inline void MoveTo(int x, int y) {
  XTestFakeMotionEvent(TestDisplay(), -1, x, y, CurrentTime);
  XSync(TestDisplay(), False);
}

inline void Press(bool down) {
  XTestFakeButtonEvent(TestDisplay(), 1, down ? True : False, CurrentTime);
  XSync(TestDisplay(), False);
}

// A click of the third button where the pointer is, the press given time
// to post a pop-up menu (which stays up).
inline void ClickButton3() {
  XTestFakeButtonEvent(TestDisplay(), 3, True, CurrentTime);
  XSync(TestDisplay(), False);
  PumpFor(50);
  XTestFakeButtonEvent(TestDisplay(), 3, False, CurrentTime);
  XSync(TestDisplay(), False);
}

// Presses the keys in order, releases them in reverse, then pumps.
inline void Chord(std::initializer_list<KeySym> keys) {
  for (KeySym k : keys) XTestFakeKeyEvent(TestDisplay(), XKeysymToKeycode(TestDisplay(), k), True, CurrentTime);
  for (auto k = std::rbegin(keys); k != std::rend(keys); ++k)
    XTestFakeKeyEvent(TestDisplay(), XKeysymToKeycode(TestDisplay(), *k), False, CurrentTime);
  PumpFor(150);
}

// Root coordinates of the centre of a widget or gadget.
inline void Centre(Widget w, int* x, int* y) {
  Window child;
  Dimension width = 0, height = 0;
  Position gx = 0, gy = 0;
  XtVaGetValues(w, XmNwidth, &width, XmNheight, &height, nullptr);
  // A gadget draws in its parent's window, at its own position.
  if (!XtIsWidget(w)) XtVaGetValues(w, XmNx, &gx, XmNy, &gy, nullptr);
  XTranslateCoordinates(TestDisplay(), XtWindowOfObject(w), DefaultRootWindow(TestDisplay()), gx + width / 2,
                        gy + height / 2, x, y, &child);
}

// Clicks button 1 in the middle of `w`, then lets the program answer.
inline void PointAt(Widget w) {
  int x = 0, y = 0;
  Centre(w, &x, &y);
  MoveTo(x, y);
}
inline void Click(Widget w, int ms = 150) {
  PointAt(w);
  Press(true);
  Press(false);
  Settle(ms);
}

// Presses button 1 in the middle of `w`, moves dx, dy in `steps` even steps
// (the program answers each) and releases, unless `release` is false.
inline void DragFromCentre(Widget w, int dx, int dy, int steps, bool release = true) {
  int x = 0, y = 0;
  Centre(w, &x, &y);
  MoveTo(x, y);
  Press(true);
  PumpFor(30);
  for (int step = 1; step <= steps; ++step) {
    MoveTo(x + dx * step / steps, y + dy * step / steps);
    PumpFor(30);
  }
  if (release) Press(false);
}

// Shows a box with a shell of its own (a dialog, notify or file box), waits
// until the window manager has mapped it and lets it draw; its letter.
template <class Letter>
Letter* ShowBox(QORDialog& box, int ms = 150) {
  box.SetVisibility(QORDlgShown);
  auto* l = static_cast<Letter*>(box.GetLetterObject());
  PumpUntil([l] { return Viewable(l->GetShell()); });
  PumpFor(ms);
  return l;
}

// What the window manager sends when the user closes a shell's window, sent
// from another client.
inline void CloseFromOutside(Widget shell) {
  Display* other = XOpenDisplay(nullptr);
  if (!other) return;
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = XtWindow(shell);
  e.xclient.message_type = XInternAtom(other, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(other, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(other, XtWindow(shell), False, NoEventMask, &e);
  XCloseDisplay(other);
}

inline Widget WidgetOf(QORDialog* d) { return d->GetLetterObject()->GetBaseWidget(0); }

inline std::string LabelText(Widget label) {
  XmString s = nullptr;
  XtVaGetValues(label, XmNlabelString, &s, nullptr);
  char* text = nullptr;
  XmStringGetLtoR(s, const_cast<char*>(XmFONTLIST_DEFAULT_TAG), &text);
  std::string out = text ? text : "";
  XtFree(text);
  XmStringFree(s);
  return out;
}

// The mapped short-help bubble (not the long-help shell), or null.
inline Widget ShownBubble() {
  Widget top = l_QORInteractiveApplication::GetCurrent()->GetWidget();
  for (Cardinal i = 0; i < top->core.num_popups; ++i) {
    Widget s = top->core.popup_list[i];
    if (std::string(XtName(s)) == "HelpShell" && s != l_QORDialog::HelpShell && !s->core.being_destroyed &&
        XtIsRealized(s) && Viewable(s))
      return s;
  }
  return nullptr;
}
