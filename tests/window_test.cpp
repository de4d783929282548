// The window manager's side of a window, with mwm running: close requests,
// iconify, moves, maximise/restore, decorations.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "QORDlgDialog.h"
#include "QORDlgFrame.h"
#include "l_QORDlgDialog.h"
#include "tolven_test_control.h"
#include "tolven_test_app.h"

namespace {

using Window_ = AppSuite;

// Records the notifications a window sends, without "QORDlg" and "Notification".
struct Log {
  Log(QORDlgWindow& w) {
    listener.AddAnalyseNotificationCB(&w, nullptr, [this](QORCommand*, QORNotification* n) {
      const std::string c = n->IsA();
      got.push_back(c.substr(6, c.size() - 6 - 12));
    });
  }
  int count(const std::string& what) const { return static_cast<int>(std::count(got.begin(), got.end(), what)); }
  QORCommand listener{nullptr, "listener"};
  std::vector<std::string> got;
};

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
  CloseFromOutside(win.shell());  // as a window manager's menu would
  ASSERT_TRUE(PumpUntil([&] { return log.count("WindClose") == 1; }));
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
  EXPECT_EQ(log.count("WindMinimize"), 0);
  // The user iconifies it through the window manager.
  Display* iconifier = XOpenDisplay(nullptr);
  XIconifyWindow(iconifier, XtWindow(win.shell()), DefaultScreen(iconifier));
  XCloseDisplay(iconifier);
  ASSERT_TRUE(PumpUntil([&] { return log.count("WindMinimize") == 1; }));
  EXPECT_TRUE(win.IsMinimized());
  win.Restore();
  ASSERT_TRUE(PumpUntil([&] { return win.viewable(); }));
  // The window manager re-maps the window; the next configure ends the iconic state.
  Display* other = XOpenDisplay(nullptr);
  XResizeWindow(other, XtWindow(win.shell()), 320, 200);
  XSync(other, False);
  ASSERT_TRUE(PumpUntil([&] { return log.count("WindRestore") == 1; })) << ::testing::PrintToString(log.got);
  EXPECT_FALSE(win.IsMinimized());

  // A move by another client, through the window manager: one Move notification.
  Settle(400);
  log.got.clear();
  XMoveWindow(other, XtWindow(win.shell()), 200, 150);
  XCloseDisplay(other);
  ASSERT_TRUE(PumpUntil([&] { return log.count("WindMove") >= 1; }));
  Settle(400);
  EXPECT_EQ(log.count("WindMove"), 1);
  int rx, ry;
  win.GetLetterObject()->GetRectPosition(&rx, &ry);
  const Geo shell = ScreenGeo(win.shell());
  EXPECT_EQ(rx, shell.x);
  EXPECT_EQ(ry, shell.y);

  EXPECT_EQ(l_QORDlgWindow::wmOffsetFlag, 1);  // mwm places frames and says so
}

// Another client asks the window manager for the geometry of a maximised
// window, then for a size only: the window tells what the window manager
// did, and a user's resize is told as a resize, then a window size.
TEST_F(Window_, TheWindowManagersConfigureEventsDriveTheState) {
  TestDialog win("WmMaxWin");
  new TestControl(&win, "content");
  Log log(win);
  ASSERT_TRUE(win.Show() && PumpUntil([] { return l_QORDlgWindow::_deco_width > 0; }));
  Settle(400);
  log.got.clear();
  const int dw = l_QORDlgWindow::_deco_width, dh = l_QORDlgWindow::_deco_height;
  Display* other = XOpenDisplay(nullptr);
  // mwm places the frame where the client asks; the window lies inside it.
  XMoveResizeWindow(other, XtWindow(win.shell()), 0, 0, 1280 - 2 * dw, 1024 - dw - dh);
  XSync(other, False);
  ASSERT_TRUE(PumpUntil([&] { return win.IsMaximized(); })) << ScreenGeo(win.shell());
  Settle(400);
  EXPECT_EQ(log.count("WindMaximize"), 1);
  EXPECT_EQ(log.count("WindRestore"), 0);

  log.got.clear();
  XResizeWindow(other, XtWindow(win.shell()), 400, 300);
  XSync(other, False);
  ASSERT_TRUE(PumpUntil([&] { return log.count("WindRestore") == 1; })) << ::testing::PrintToString(log.got);
  Settle(400);
  EXPECT_FALSE(win.IsMaximized());
  EXPECT_EQ(ScreenGeo(win.shell()).size(), (Size{400, 300}));
  EXPECT_EQ(log.count("WindMove"), 0);  // the size alone changed
  EXPECT_EQ(log.count("WindMaximize"), 0);
  // A user's resize: the object's resize, then the window's size, once.
  std::vector<std::string> sizing;
  std::copy_if(log.got.begin(), log.got.end(), std::back_inserter(sizing),
               [](const std::string& n) { return n == "Resize" || n == "WindSize"; });
  EXPECT_EQ(sizing, (std::vector<std::string>{"Resize", "WindSize"}));
  XCloseDisplay(other);
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
  const Geo normal = ScreenGeo(shell);
  log.got.clear();
  win.Maximize();
  ASSERT_TRUE(PumpUntil([&] { return ScreenGeo(shell).w > 1000; }));
  Settle(400);
  win.Maximize();  // already maximised: nothing
  Settle(200);
  EXPECT_TRUE(win.IsMaximized());
  const int deco = l_QORDlgWindow::_deco_width;
  EXPECT_EQ(ScreenGeo(shell).size(), (Size{1280 - 2 * deco, 1024 - deco - l_QORDlgWindow::_deco_height}));
  win.Restore();
  ASSERT_TRUE(PumpUntil([&] { return !win.IsMaximized(); }));
  Settle(400);
  EXPECT_EQ(ScreenGeo(shell), normal);
  EXPECT_EQ(log.count("WindRestore"), 1);
  EXPECT_EQ(log.count("WindMaximize"), 1);
  win.Restore();
  Settle(400);
  EXPECT_EQ(log.count("WindRestore"), 1);
}

// Full screen: the window covers the screen, its decorations off it, and comes
// back to where it was.
TEST_F(Window_, FullScreenAndBack) {
  TestDialog win("FullWin");
  new TestControl(&win, "content");
  ASSERT_TRUE(win.Show() && PumpUntil([] { return l_QORDlgWindow::_deco_width > 0; }));
  Settle(400);
  const Geo normal = ScreenGeo(win.shell());
  win.SetFullScreen(1);
  ASSERT_TRUE(PumpUntil([&] { return ScreenGeo(win.shell()).w > 1280; })) << ScreenGeo(win.shell());
  Settle(400);
  EXPECT_EQ(ScreenGeo(win.shell()), (Geo{-3, -3, 1285, 1029}));
  win.SetFullScreen(0);
  ASSERT_TRUE(PumpUntil([&] { return ScreenGeo(win.shell()) == normal; })) << ScreenGeo(win.shell());
}

// What the program changes on a shown window: its title in the window
// manager's frame, the sensitivity of everything in it.
TEST_F(Window_, TitleAndSensitivityOfAShownWindow) {
  TestDialog win("LiveWin");
  TestControl first(&win, "first"), second(&win, "second");
  second.SetRectDimensions(1, 40, 20, 80);
  ASSERT_TRUE(win.Show());
  win.SetTitle("A new title");
  PumpIdle();
  char* wmName = nullptr;
  ASSERT_TRUE(XFetchName(TestDisplay(), XtWindow(win.shell()), &wmName));
  EXPECT_STREQ(wmName, "A new title");
  XFree(wmName);

  auto sensitive = [](QORDialog* d) { return XtIsSensitive(WidgetOf(d)) != 0; };
  win.SetSensitivity(QORDlgInsensitive);
  PumpIdle();
  EXPECT_FALSE(sensitive(&first));
  EXPECT_FALSE(sensitive(&second));
  second.SetSensitivity(QORDlgInsensitive);
  win.SetSensitivity(QORDlgSensitive);
  PumpIdle();
  EXPECT_TRUE(sensitive(&first));
  EXPECT_FALSE(sensitive(&second));  // its own setting stays
}

// An object that takes typing when sensitive and shown, as an editor does.
class EditableLetter : public TestControlLetter {
 public:
  using TestControlLetter::TestControlLetter;
  l_QORDialog* GetFirstEditable() override {
    return (style & QORDlgSensitive) && (style & QORDlgShown) ? this : nullptr;
  }
};

// Runs Xt's work procedures for `ms` milliseconds, as the application's loop
// does when it has nothing else to do.
void RunWorkProcs(int ms) {
  XtAppContext c = l_QORInteractiveApplication::GetCurrent()->GetContext();
  XtAppAddTimeOut(c, static_cast<unsigned long>(ms), [](XtPointer, XtIntervalId*) {}, nullptr);
  XtAppProcessEvent(c, XtIMTimer);  // calls the work procedures until the time-out
}

// Shown, the window gives the keyboard to its first editable object, looking
// into its boxes and past what is insensitive.
TEST_F(Window_, TheKeyboardGoesToTheFirstEditable) {
  TestDialog win("FocusWin");
  TestControl plain(&win, "plain");
  QORDlgFrame frame(&win, "group", QORDlgFrameNoTitle);
  frame.SetRectDimensions(1, 40, -1, -1);
  TestControlOf<EditableLetter> greyed(&frame, "greyed", QORDlgInsensitive), typed(&frame, "typed");
  typed.SetRectDimensions(80, 1, 20, 60);
  ASSERT_TRUE(win.Show());
  RunWorkProcs(50);
  Settle(100);
  EXPECT_EQ(XmGetFocusWidget(win.shell()), WidgetOf(&typed)) << XtName(XmGetFocusWidget(win.shell()));
}

}  // namespace
