// The window manager's side of a window, with mwm running: close requests,
// iconify, moves, maximise/restore, decorations.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "QORDlgDialog.h"
#include "l_QORDlgDialog.h"
#include "tolven_test_control.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

using Window_ = AppSuite;

// Records the window notifications a window sends.
struct Log {
  Log(QORDlgWindow& w) {
    listener.AddAnalyseNotificationCB(&w, nullptr, [this](QORCommand*, QORNotification* n) {
      const std::string c = n->IsA();
      if (c.compare(0, 10, "QORDlgWind") == 0) got.push_back(c.substr(10));
    });
  }
  int count(const std::string& what) const {
    int k = 0;
    for (const std::string& g : got) k += g == what;
    return k;
  }
  QORCommand listener{nullptr, "listener"};
  std::vector<std::string> got;
};

Widget shellOf(QORDlgDialog& w) { return static_cast<l_QORDlgDialog*>(w.GetLetterObject())->GetShell(); }

// A real window: a dialog box without buttons, shown.
struct ShownDialog : QORDlgDialog {
  explicit ShownDialog(const char* name)
      : QORDlgDialog(l_QORInteractiveApplication::GetCurrent()->GetAPIObject(), name, QORDlgDialogNoButtons) {
    SetVisibility(QORDlgShown);
  }
};

void shellGeometry(Widget shell, int& x, int& y, int& width, int& height) {
  Window root, child;
  unsigned int w = 0, h = 0, b = 0, d = 0;
  int wx = 0, wy = 0;
  XGetGeometry(XtDisplay(shell), XtWindow(shell), &root, &wx, &wy, &w, &h, &b, &d);
  XTranslateCoordinates(XtDisplay(shell), XtWindow(shell), root, 0, 0, &x, &y, &child);
  width = static_cast<int>(w);
  height = static_cast<int>(h);
}

bool viewable(Widget shell) {
  XWindowAttributes a;
  return XGetWindowAttributes(XtDisplay(shell), XtWindow(shell), &a) && a.map_state == IsViewable;
}

TEST_F(Window_, DecorationsAreMeasuredAndTheScreenSizeComesHeightFirst) {
  ShownDialog win("DecoWin");
  int h = -1, w = -1;
  win.GetMaximumSize(&h, &w);
  EXPECT_EQ(h, 0);  // no widget yet
  EXPECT_EQ(w, 0);
  ASSERT_TRUE(PumpUntil([&] { return l_QORDlgWindow::_deco_width > 0; }));
  EXPECT_GT(l_QORDlgWindow::_deco_height, l_QORDlgWindow::_deco_width);  // the title bar
  win.GetMaximumSize(&h, &w);
  EXPECT_EQ(h, 1024);
  EXPECT_EQ(w, 1280);
}

TEST_F(Window_, CloseFromAnotherClientSendsWindClose) {
  ShownDialog win("CloseWin");
  Log log(win);
  ASSERT_TRUE(PumpUntil([&] { return shellOf(win) && viewable(shellOf(win)); }));
  // Another client asks the window to close, as a window manager's menu would.
  Display* other = XOpenDisplay(nullptr);
  ASSERT_NE(other, nullptr);
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = XtWindow(shellOf(win));
  e.xclient.message_type = XInternAtom(other, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(other, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(other, e.xclient.window, False, NoEventMask, &e);
  XCloseDisplay(other);
  ASSERT_TRUE(PumpUntil([&] { return log.count("CloseNotification") == 1; }));
  EXPECT_TRUE(viewable(shellOf(win)));  // closing is the application's decision
}

TEST_F(Window_, IconifyAndMoveThroughTheWindowManager) {
  ShownDialog win("WmWin");
  Log log(win);
  ASSERT_TRUE(PumpUntil([&] { return shellOf(win) && viewable(shellOf(win)) && l_QORDlgWindow::_deco_width > 0; }));
  Settle(400);
  log.got.clear();

  win.Minimize();  // a dialog shell is not a top-level shell: nothing happens
  Settle(400);
  EXPECT_EQ(log.count("MinimizeNotification"), 0);
  // The user iconifies it through the window manager.
  Display* iconifier = XOpenDisplay(nullptr);
  XIconifyWindow(iconifier, XtWindow(shellOf(win)), DefaultScreen(iconifier));
  XCloseDisplay(iconifier);
  ASSERT_TRUE(PumpUntil([&] { return log.count("MinimizeNotification") == 1; }));
  EXPECT_TRUE(win.IsMinimized());
  win.Restore();
  ASSERT_TRUE(PumpUntil([&] { return viewable(shellOf(win)); }));
  // The window manager re-maps the window; the next configure ends the iconic state.
  Display* other = XOpenDisplay(nullptr);
  XResizeWindow(other, XtWindow(shellOf(win)), 320, 200);
  XSync(other, False);
  ASSERT_TRUE(PumpUntil([&] { return log.count("RestoreNotification") == 1; })) << ::testing::PrintToString(log.got);
  EXPECT_FALSE(win.IsMinimized());

  // A move by another client, through the window manager: one Move notification.
  Settle(400);
  log.got.clear();
  XMoveWindow(other, XtWindow(shellOf(win)), 200, 150);
  XCloseDisplay(other);
  ASSERT_TRUE(PumpUntil([&] { return log.count("MoveNotification") >= 1; }));
  Settle(400);
  EXPECT_EQ(log.count("MoveNotification"), 1);
  int rx, ry;
  win.GetLetterObject()->GetRectPosition(&rx, &ry);
  int sx, sy, sw, sh;
  shellGeometry(shellOf(win), sx, sy, sw, sh);
  EXPECT_EQ(rx, sx);
  EXPECT_EQ(ry, sy);

  EXPECT_EQ(l_QORDlgWindow::wmOffsetFlag, 1);  // mwm places frames and says so
}

// Maximize, then Restore: the geometry comes back, with one notification
// each; Restore on a normal window does nothing.
void maximizeAndRestore(QORDlgWindow& win, const std::function<Widget()>& shellOf) {
  Log log(win);
  Widget shell = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    shell = shellOf();
    return shell && viewable(shell) && l_QORDlgWindow::_deco_width > 0;
  }));
  Settle(400);
  int sx, sy, sw, sh;
  shellGeometry(shell, sx, sy, sw, sh);
  log.got.clear();
  win.Maximize();
  ASSERT_TRUE(PumpUntil([&] {
    int x, y, w, h;
    shellGeometry(shell, x, y, w, h);
    return w > 1000;
  }));
  Settle(400);
  EXPECT_TRUE(win.IsMaximized());
  int mx, my, mw, mh;
  shellGeometry(shell, mx, my, mw, mh);
  EXPECT_EQ(mw, 1280 - 2 * l_QORDlgWindow::_deco_width);
  EXPECT_EQ(mh, 1024 - l_QORDlgWindow::_deco_width - l_QORDlgWindow::_deco_height);
  win.Restore();
  ASSERT_TRUE(PumpUntil([&] { return !win.IsMaximized(); }));
  Settle(400);
  int x2, y2, w2, h2;
  shellGeometry(shell, x2, y2, w2, h2);
  EXPECT_EQ(x2, sx);
  EXPECT_EQ(y2, sy);
  EXPECT_EQ(w2, sw);
  EXPECT_EQ(h2, sh);
  EXPECT_EQ(log.count("RestoreNotification"), 1);
  EXPECT_EQ(log.count("MaximizeNotification"), 1);
  win.Restore();
  Settle(400);
  EXPECT_EQ(log.count("RestoreNotification"), 1);
}

// A dialog box with content (an empty one stays in its first sizing, which
// keeps the size it was given).
TEST_F(Window_, MaximizeThenRestoreADialogBox) {
  ShownDialog win("MaxDialog");
  new TestControl(&win, "content");
  maximizeAndRestore(win, [&] { return shellOf(win); });
}

}  // namespace
