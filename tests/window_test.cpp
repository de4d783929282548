// The window manager's side of a window, with mwm running: close requests,
// iconify, moves, maximise/restore, decorations.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "QORDlgDialog.h"
#include "l_QORDlgDialog.h"
#include "tolven_test_control.h"
#include "tolven_test_app.h"

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
  int count(const std::string& what) const { return static_cast<int>(std::count(got.begin(), got.end(), what)); }
  QORCommand listener{nullptr, "listener"};
  std::vector<std::string> got;
};

// The shell's place on the screen and size.
Geo shellGeometry(Widget shell) {
  Window child;
  Geo g = ServerGeo(shell);
  XTranslateCoordinates(XtDisplay(shell), XtWindow(shell), DefaultRootWindow(XtDisplay(shell)), 0, 0, &g.x, &g.y,
                        &child);
  return g;
}

TEST_F(Window_, DecorationsAreMeasuredAndTheScreenSizeComesHeightFirst) {
  TestDialog win("DecoWin");
  win.SetVisibility(QORDlgShown);
  int h = -1, w = -1;
  win.GetMaximumSize(&h, &w);
  EXPECT_EQ((Size{w, h}), (Size{0, 0}));  // no widget yet
  ASSERT_TRUE(PumpUntil([&] { return l_QORDlgWindow::_deco_width > 0; }));
  EXPECT_GT(l_QORDlgWindow::_deco_height, l_QORDlgWindow::_deco_width);  // the title bar
  win.GetMaximumSize(&h, &w);
  EXPECT_EQ((Size{w, h}), (Size{1280, 1024}));
}

TEST_F(Window_, CloseFromAnotherClientSendsWindClose) {
  TestDialog win("CloseWin");
  Log log(win);
  ASSERT_TRUE(win.Show());
  // Another client asks the window to close, as a window manager's menu would.
  Display* other = XOpenDisplay(nullptr);
  ASSERT_NE(other, nullptr);
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = XtWindow(win.shell());
  e.xclient.message_type = XInternAtom(other, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(other, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(other, e.xclient.window, False, NoEventMask, &e);
  XCloseDisplay(other);
  ASSERT_TRUE(PumpUntil([&] { return log.count("CloseNotification") == 1; }));
  EXPECT_TRUE(win.viewable());  // closing is the application's decision
}

TEST_F(Window_, IconifyAndMoveThroughTheWindowManager) {
  TestDialog win("WmWin");
  Log log(win);
  ASSERT_TRUE(win.Show() && PumpUntil([] { return l_QORDlgWindow::_deco_width > 0; }));
  Settle(400);
  log.got.clear();

  win.Minimize();  // a dialog shell is not a top-level shell: nothing happens
  Settle(400);
  EXPECT_EQ(log.count("MinimizeNotification"), 0);
  // The user iconifies it through the window manager.
  Display* iconifier = XOpenDisplay(nullptr);
  XIconifyWindow(iconifier, XtWindow(win.shell()), DefaultScreen(iconifier));
  XCloseDisplay(iconifier);
  ASSERT_TRUE(PumpUntil([&] { return log.count("MinimizeNotification") == 1; }));
  EXPECT_TRUE(win.IsMinimized());
  win.Restore();
  ASSERT_TRUE(PumpUntil([&] { return win.viewable(); }));
  // The window manager re-maps the window; the next configure ends the iconic state.
  Display* other = XOpenDisplay(nullptr);
  XResizeWindow(other, XtWindow(win.shell()), 320, 200);
  XSync(other, False);
  ASSERT_TRUE(PumpUntil([&] { return log.count("RestoreNotification") == 1; })) << ::testing::PrintToString(log.got);
  EXPECT_FALSE(win.IsMinimized());

  // A move by another client, through the window manager: one Move notification.
  Settle(400);
  log.got.clear();
  XMoveWindow(other, XtWindow(win.shell()), 200, 150);
  XCloseDisplay(other);
  ASSERT_TRUE(PumpUntil([&] { return log.count("MoveNotification") >= 1; }));
  Settle(400);
  EXPECT_EQ(log.count("MoveNotification"), 1);
  int rx, ry;
  win.GetLetterObject()->GetRectPosition(&rx, &ry);
  const Geo shell = shellGeometry(win.shell());
  EXPECT_EQ(rx, shell.x);
  EXPECT_EQ(ry, shell.y);

  EXPECT_EQ(l_QORDlgWindow::wmOffsetFlag, 1);  // mwm places frames and says so
}

// Maximize, then Restore: the geometry comes back, with one notification
// each; Restore on a normal window does nothing. The box has content: an
// empty one stays in its first sizing, which keeps the size it was given.
TEST_F(Window_, MaximizeThenRestoreADialogBox) {
  TestDialog win("MaxDialog");
  new TestControl(&win, "content");
  Log log(win);
  ASSERT_TRUE(win.Show() && PumpUntil([] { return l_QORDlgWindow::_deco_width > 0; }));
  Widget shell = win.shell();
  Settle(400);
  const Geo normal = shellGeometry(shell);
  log.got.clear();
  win.Maximize();
  ASSERT_TRUE(PumpUntil([&] { return shellGeometry(shell).w > 1000; }));
  Settle(400);
  EXPECT_TRUE(win.IsMaximized());
  const int deco = l_QORDlgWindow::_deco_width;
  EXPECT_EQ(shellGeometry(shell).size(), (Size{1280 - 2 * deco, 1024 - deco - l_QORDlgWindow::_deco_height}));
  win.Restore();
  ASSERT_TRUE(PumpUntil([&] { return !win.IsMaximized(); }));
  Settle(400);
  EXPECT_EQ(shellGeometry(shell), normal);
  EXPECT_EQ(log.count("RestoreNotification"), 1);
  EXPECT_EQ(log.count("MaximizeNotification"), 1);
  win.Restore();
  Settle(400);
  EXPECT_EQ(log.count("RestoreNotification"), 1);
}

}  // namespace
