// Help on real widgets driven by XTest: the status text and the short-help
// bubble as the pointer comes, rests and goes, long help on the help key and
// the help notification when there is none.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <Xm/Label.h>

#include <algorithm>
#include <string>

#include "QORDlgMotif.h"
#include "tolven_test_control.h"
#include "tolven_test_app.h"

namespace {

class Help : public AppSuite {
 protected:
  static l_QORInteractiveApplication* letter() { return app->GetLetterObject(); }
  // Waits up to 3 s for the bubble; returns it and how long the pointer rested.
  static Widget awaitBubble(std::chrono::steady_clock::time_point rest, long* restedMs) {
    Widget b = nullptr;
    while (!(b = ShownBubble()) && std::chrono::steady_clock::now() - rest < std::chrono::seconds(3)) PumpFor(10);
    *restedMs = static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - rest).count());
    return b;
  }
};

TEST_F(Help, StatusTextAndBubbleFollowThePointer) {
  TestDialog win("BubbleWin");
  TestControl button(&win, "Bubbly");
  button.SetRectDimensions(20, 20, 40, 160);
  button.SetHelp("Status help of the button");
  button.SetShortHelp("Short help\nover two lines");
  ASSERT_TRUE(win.Show());
  Widget status = XtVaCreateManagedWidget("status", xmLabelWidgetClass, win.GetLetterObject()->GetBaseWidget(0),
                                          XmNx, 20, XmNy, 150, XmNwidth, 260, XmNrecomputeSize, False, nullptr);
  letter()->SetExternalStatus(status, "Ready");
  MoveTo(1200, 1000);
  PumpFor(300);
  Widget bw = WidgetOf(&button);
  int px = 0, py = 0;
  Centre(bw, &px, &py);

  MoveTo(px, py);
  const auto rest = std::chrono::steady_clock::now();
  PumpFor(300);
  EXPECT_EQ(LabelText(status), "Status help of the button");
  long rested = 0;
  Widget bubble = awaitBubble(rest, &rested);
  ASSERT_NE(bubble, nullptr);
  EXPECT_GE(rested, 600);
  Position bx = 0, by = 0;
  Dimension bwidth = 0, bheight = 0, border = 0;
  XtVaGetValues(bubble, XmNx, &bx, XmNy, &by, XmNwidth, &bwidth, XmNheight, &bheight, XmNborderWidth, &border, nullptr);
  EXPECT_EQ(by, py + 15);
  EXPECT_NEAR(bx + (bwidth + 2 * border) / 2, px, 1);
  EXPECT_GT(bheight, 20);  // two lines

  // A press removes it; resting again after leaving and coming back shows a new one.
  XTestFakeButtonEvent(TestDisplay(), 1, True, CurrentTime);
  PumpFor(100);
  EXPECT_EQ(ShownBubble(), nullptr);
  XTestFakeButtonEvent(TestDisplay(), 1, False, CurrentTime);
  MoveTo(1200, 1000);
  PumpFor(100);
  EXPECT_EQ(LabelText(status), "Ready");
  MoveTo(px + 5, py);
  ASSERT_NE(awaitBubble(std::chrono::steady_clock::now(), &rested), nullptr);
  MoveTo(1200, 1000);
  PumpFor(100);
  EXPECT_EQ(ShownBubble(), nullptr);
  EXPECT_EQ(LabelText(status), "Ready");

  // Near the right edge of the screen the bubble is pushed back inside.
  XtVaSetValues(win.shell(), XmNx, 1180, XmNy, 100, nullptr);
  PumpFor(300);
  Centre(bw, &px, &py);
  MoveTo(std::min(px, 1275), py);
  bubble = awaitBubble(std::chrono::steady_clock::now(), &rested);
  ASSERT_NE(bubble, nullptr);
  XtVaGetValues(bubble, XmNx, &bx, XmNwidth, &bwidth, XmNborderWidth, &border, nullptr);
  EXPECT_EQ(bx + bwidth + 2 * border, WidthOfScreen(XtScreen(bubble)));
  MoveTo(600, 1000);
  letter()->SetExternalStatus(nullptr, "");
}

TEST_F(Help, HelpKeyShowsLongHelpOrNotifies) {
  TestDialog win("LongHelpWin");
  QORDlgMotif area(&win, "Area", 0);
  area.SetRectDimensions(10, 10, 120, 260);
  TestControl withLong(&area, "WithLong"), without(&win, "Without");
  withLong.SetRectDimensions(10, 10, 30, 100);
  without.SetRectDimensions(10, 150, 30, 100);
  area.SetLongHelp("Long help of the area,\nfound from the button inside it");
  ASSERT_TRUE(win.Show());
  PumpFor(300);
  int notified = 0;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(&without, "QORDlgHelpNotification",
                                    [&](QORCommand*, QORNotification*) { ++notified; });
  Widget withW = WidgetOf(&withLong), withoutW = WidgetOf(&without);

  // Motif hands the keys of the shell to the widget it has traversed to.
  XSetInputFocus(TestDisplay(), XtWindow(win.shell()), RevertToParent, CurrentTime);
  PumpFor(100);
  // Nothing up to the window has long help: the object notifies instead.
  XmProcessTraversal(withoutW, XmTRAVERSE_CURRENT);
  Chord({XK_F1});
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(l_QORDialog::HelpShell, nullptr);

  int px = 0, py = 0;
  Centre(withW, &px, &py);
  MoveTo(px, py);
  XmProcessTraversal(withW, XmTRAVERSE_CURRENT);
  Chord({XK_F1});
  EXPECT_EQ(notified, 1);
  Widget shell = l_QORDialog::HelpShell;
  ASSERT_NE(shell, nullptr);
  Position y = 0;
  Dimension height = 0, border = 0;
  XtVaGetValues(shell, XmNy, &y, XmNheight, &height, XmNborderWidth, &border, nullptr);
  EXPECT_NEAR(y + (height + 2 * border) / 2, py, 1);  // centred on the pointer
  // Focus leaving the object takes it away.
  XmProcessTraversal(withoutW, XmTRAVERSE_CURRENT);
  PumpFor(150);
  EXPECT_EQ(l_QORDialog::HelpShell, nullptr);
  MoveTo(600, 1000);
}

}  // namespace
