// Frames, scrolled containers and boxes on real widgets: decorations around
// the laid-out content, the scrolled limits and bars, radio grouping.
#include <gtest/gtest.h>

#include <X11/Xresource.h>
#include <X11/keysym.h>
#include <Xm/Label.h>
#include <Xm/PushB.h>

#include "QORDlgContainer.h"
#include "QORDlgFrame.h"
#include "QORDlgLabel.h"
#include "QORDlgMotif.h"
#include "QORDlgRadioButton.h"
#include "QORMsgCatalog.h"
#include "l_QORDlgContainer.h"
#include "l_QORDlgFrame.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

namespace {

class Boxes : public AppSuite {
 protected:
  static void SetUpTestSuite() {
    AppSuite::SetUpTestSuite();
    if (!app) return;
    // Titles of a known height, whatever the fonts of the machine.
    XrmDatabase db = XtDatabase(app->GetLetterObject()->GetDisplay());
    XrmPutStringResource(&db, "*Titled.height", "20");
  }
};

Size serverSize(Widget w) { return ServerGeo(w).size(); }

TEST_F(Boxes, FrameDecorationsAroundTheContent) {
  struct Case {
    const char* name;
    unsigned long style;
    Size frame;
  } cases[] = {{"Titled", 0, {104, 72}}, {"NoTitle", QORDlgFrameNoTitle, {104, 52}},
               {"NoBorder", QORDlgFrameNoBorder, {100, 50}}};
  TestDialog win("FrameWin");
  std::vector<QORDlgFrame*> frames;
  for (const Case& c : cases) {
    auto* f = new QORDlgFrame(&win, c.name, c.style);
    Area(f, "content", 98, 48);  // at (1, 1) with one pixel after it: 100 x 50
    frames.push_back(f);
  }
  ASSERT_TRUE(win.Show());
  for (size_t i = 0; i < frames.size(); ++i) {
    auto* lf = static_cast<l_QORDlgFrame*>(frames[i]->GetLetterObject());
    EXPECT_EQ(serverSize(lf->GetBaseWidget(1)), cases[i].frame) << cases[i].name;
    EXPECT_EQ(serverSize(lf->GetBaseWidget(0)), (Size{100, 50})) << cases[i].name;
  }
  EXPECT_EQ(frames[2]->GetStyle() & 0xC0000, 0xC0000UL);  // no border, hence no title
}

TEST_F(Boxes, FrameEnvelopeTakesNullTerminatedAndInitializerLists) {
  TestDialog win("ListWin");
  auto* f = new QORDlgFrame(&win, "Row", QORDlgFrameNoTitle);
  QORDlgMotif* a = Area(f, "a", 50, 20);
  QORDlgMotif* b = Area(f, "b", 40, 20);
  QORDlgMotif* c = Area(f, "c", 30, 20);
  f->SetHorizontalAttachment(0, QORDlgTopOrLeft, a, b, c, nullptr);
  f->SetVerticalAttachment(0, QORDlgTopOrLeft, {a});
  EXPECT_EQ(f->GetHorizontalTabIndex(c, QORDlgTopOrLeft), 0);
  EXPECT_EQ(f->GetVerticalTabIndex(a, QORDlgTopOrLeft), 0);
  ASSERT_TRUE(win.Show());
  EXPECT_EQ(MotifGeo(c->GetFatherWidget()), (Geo{93, 1, 30, 20}));
}

TEST_F(Boxes, ScrolledContainerSizesBarsAndOrigin) {
  TestDialog win("ScrollWin");
  auto* box = new QORDlgContainer(&win, "Scroll", 0);
  auto* lc = static_cast<l_QORDlgContainer*>(box->GetLetterObject());
  auto* inner = new QORDlgFrame(box, "Inner", QORDlgFrameNoBorder);
  Area(inner, "huge", 1998, 48);
  ASSERT_TRUE(win.Show());
  DRECT r;
  inner->GetRectDimensions(&r);
  EXPECT_EQ(r.dx, 1280);  // the borderless frame is limited inside a scrolled container
  lc->GetRectDimensions(&r);
  EXPECT_EQ((Size{r.dx, r.dy}), (Size{1284, 54}));  // no size given yet: the child's plus 4

  DRECT ignored{0, 5, 200, 100};
  box->SetRectDimensions(ignored);
  lc->GetRectDimensions(&r);
  EXPECT_EQ(r.dx, 1284);
  DRECT given{2, 2, 200, 100};
  box->SetRectDimensions(given);
  PumpIdle();
  win.typed->ReLayout();  // the dialog fits its new content
  PumpIdle();
  EXPECT_EQ(serverSize(lc->GetBaseWidget(1)), (Size{200, 100}));
  Widget hs = XtNameToWidget(lc->GetBaseWidget(1), "ScrollHS");
  Widget vs = XtNameToWidget(lc->GetBaseWidget(1), "ScrollVS");
  ASSERT_TRUE(hs && vs);
  EXPECT_TRUE(XtIsManaged(hs));  // 1282 wide in 200
  EXPECT_FALSE(XtIsManaged(vs));  // 52 high in 100, less the bar
  int vw, vh;
  lc->GetViewportSize(vw, vh);
  int ox = 7, oy = -3;
  lc->setOrigin(ox, oy);
  EXPECT_EQ((Size{ox, oy}), (Size{0, 0}));
  ox = -5000;
  lc->setOrigin(ox, oy);
  EXPECT_EQ(ox, vw - 1282);

  // The user clicks the bar's right arrow: the work area moves left by one increment.
  ox = 0;
  lc->setOrigin(ox, oy);
  Settle(300);
  const Geo bar = MotifGeo(hs);
  Position rx = 0, ry = 0;
  XtTranslateCoords(hs, static_cast<Position>(bar.w - bar.h / 2), static_cast<Position>(bar.h / 2), &rx, &ry);
  MoveTo(rx, ry);
  Press(true);
  Press(false);
  Settle(100);
  int gx, gy;
  lc->GetOrigin(gx, gy);
  EXPECT_EQ(gx, -10);
  EXPECT_EQ(MotifGeo(lc->GetBaseWidget(0)).x, -10);
  int mh, mw;
  lc->GetMinRectDimensions(&mh, &mw);
  EXPECT_EQ((Size{mw, mh}), (Size{30, 30}));
}

// The frame's title label, named like the object.
Widget titleOf(QORDlgFrame& f) {
  return XtNameToWidget(f.GetLetterObject()->GetBaseWidget(1), f.GetLetterObject()->GetName().c_str());
}

TEST_F(Boxes, FrameTitleFollowsTheProgramAndACatalogReload) {
  TestDialog win("TitleWin");
  QORDlgFrame frame(&win, "Titled", 0);
  Area(&frame, "content", 60, 20);
  frame.SetTitle("Before");
  ASSERT_TRUE(win.Show());
  ASSERT_NE(titleOf(frame), nullptr);
  EXPECT_EQ(LabelText(titleOf(frame)), "Before");
  frame.SetTitle("After");
  PumpIdle();
  EXPECT_EQ(LabelText(titleOf(frame)), "After");
  QORMsgCatalog catalog;
  const char text[] = "Title = \"From the catalog\";\n";
  ASSERT_EQ(catalog.LoadFromText(text, sizeof text - 1, "inline.catalog"), 1);
  frame.AddResourcePath(catalog, "");
  PumpIdle();
  EXPECT_EQ(LabelText(titleOf(frame)), "From the catalog");
}

// Over the frame or its title the user gets the frame's status text and
// bubble; the help key in a plain Motif widget inside it reaches the frame.
TEST_F(Boxes, FrameAndTitleGiveHelp) {
  TestDialog win("FrameHelpWin");
  QORDlgFrame frame(&win, "Titled", 0);
  frame.SetRectDimensions(10, 10, -1, -1);
  Area(&frame, "content", 160, 60);
  frame.SetHelp("Frame status");
  frame.SetShortHelp("Frame bubble");
  ASSERT_TRUE(win.Show());
  Widget status = XtVaCreateManagedWidget("status", xmLabelWidgetClass, win.GetLetterObject()->GetBaseWidget(0),
                                          XmNx, 10, XmNy, 120, XmNwidth, 200, XmNrecomputeSize, False, nullptr);
  app->GetLetterObject()->SetExternalStatus(status, "Ready");
  // The title's middle, and the frame's own corner beside the content (an
  // object of its own, which takes over the help where it lies).
  int tx = 0, ty = 0, cx = 0, cy = 0;
  Centre(titleOf(frame), &tx, &ty);
  Window child;
  XTranslateCoordinates(TestDisplay(), XtWindow(frame.GetLetterObject()->GetBaseWidget(0)),
                        DefaultRootWindow(TestDisplay()), 0, 0, &cx, &cy, &child);
  MoveTo(1200, 1000);
  for (Size over : {Size{tx, ty}, Size{cx, cy}}) {
    MoveTo(over.w, over.h);
    PumpFor(200);
    EXPECT_EQ(LabelText(status), "Frame status") << over;
    EXPECT_TRUE(PumpUntil([] { return ShownBubble() != nullptr; }, 2000)) << over;
    MoveTo(1200, 1000);
    PumpFor(200);
    EXPECT_EQ(LabelText(status), "Ready");
  }
  app->GetLetterObject()->SetExternalStatus(nullptr, "");

  int helped = 0;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(&frame, "QORDlgHelpNotification", [&](QORCommand*, QORNotification*) { ++helped; });
  Widget plain = XtVaCreateManagedWidget("plain", xmPushButtonWidgetClass, frame.GetLetterObject()->GetBaseWidget(0),
                                         XmNx, 5, XmNy, 5, nullptr);
  PumpFor(100);
  XSetInputFocus(TestDisplay(), XtWindow(win.shell()), RevertToParent, CurrentTime);
  PumpFor(100);
  XmProcessTraversal(plain, XmTRAVERSE_CURRENT);
  Chord({XK_F1});
  EXPECT_EQ(helped, 1);
}

// A box's sensitivity is its children's: made sensitive again, it gives back
// to each child its own setting, whatever was set meanwhile.
TEST_F(Boxes, ChildrenFollowTheSensitivityOfTheirFrame) {
  TestDialog win("SensWin");
  QORDlgFrame frame(&win, "Titled", 0);
  TestControl on(&frame, "on"), off(&frame, "off");
  on.SetRectDimensions(1, 1, 20, 60);
  off.SetRectDimensions(70, 1, 20, 60);
  ASSERT_TRUE(win.Show());
  auto sensitive = [](QORDialog* d) { return XtIsSensitive(WidgetOf(d)) != 0; };
  frame.SetSensitivity(QORDlgInsensitive);
  PumpIdle();
  EXPECT_FALSE(sensitive(&on));
  EXPECT_FALSE(XtIsSensitive(titleOf(frame)));
  off.SetSensitivity(QORDlgInsensitive);
  on.SetSensitivity(QORDlgSensitive);  // applied while the frame is not
  PumpIdle();
  EXPECT_FALSE(sensitive(&on));
  frame.SetSensitivity(QORDlgSensitive);
  PumpIdle();
  EXPECT_TRUE(sensitive(&on));
  EXPECT_FALSE(sensitive(&off));
  EXPECT_TRUE(XtIsSensitive(titleOf(frame)));
}

// In a box, checking a radio button unchecks the checked one of its group,
// looking back first, then forwards, with the same notify flag; anything but
// a radio button ends the group. (A window's own groups: control_button_test.)
TEST_F(Boxes, CheckingARadioButtonUnchecksTheCheckedOneOfItsGroup) {
  TestDialog win("RadioWin");
  QORDlgFrame group(&win, "Group", 0);
  QORDlgRadioButton r0(&group, "r0"), r1(&group, "r1"), r2(&group, "r2");
  QORDlgLabel label(&group, "label");
  QORDlgRadioButton r4(&group, "r4"), r5(&group, "r5");
  int told = 0;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(&r2, nullptr, [&](QORCommand*, QORNotification*) { ++told; });
  r2.SetState(QORDlgChecked, 0);
  r0.SetState(QORDlgChecked, 1);  // nothing checked before it: found forwards
  EXPECT_EQ(r2.GetState(), QORDlgUnchecked);
  EXPECT_EQ(told, 1);
  r1.SetState(QORDlgChecked, 0);
  EXPECT_EQ(r0.GetState(), QORDlgUnchecked);
  r4.SetState(QORDlgChecked, 0);  // behind the label: a group of its own
  EXPECT_EQ(r1.GetState(), QORDlgChecked);
  r5.SetState(QORDlgChecked, 0);
  EXPECT_EQ(r4.GetState(), QORDlgUnchecked);
  EXPECT_EQ(r1.GetState(), QORDlgChecked);
}

}  // namespace
