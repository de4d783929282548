// Tool bars: where they dock, how the user moves them with their contextual
// menu and the third button, floating in a shell of their own and back,
// the document's docking areas around the work area, and the record of
// the floating shell's close.
#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "QORDlgContextualMenu.h"
#include "QORDlgDocument.h"
#include "QORDlgFrame.h"
#include "QORDlgIconBox.h"
#include "QORDlgRadioButton.h"
#include "QORDlgPushButton.h"
#include "QORDlgToolBar.h"
#include "QORMarshal.h"
#include "l_QORDialog.h"
#include "l_QORDlgDocument.h"
#include "l_QORDlgToolBar.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

namespace {

using Strings = std::vector<std::string>;

class ToolBars : public AppSuite {};

l_QORDlgToolBar* letterOf(QORDlgToolBar* b) { return static_cast<l_QORDlgToolBar*>(b->GetLetterObject()); }

// A document with a tool bar of two push buttons, the bar's notifications heard.
struct BarDocument : HeardLog {
  explicit BarDocument(QORInteractiveApplication* app, unsigned long style = 0)
      : doc(app, "BarDoc", 0), bar(new QORDlgToolBar(&doc, "Tools", style)) {
    first = new QORDlgPushButton(bar, "First");
    second = new QORDlgPushButton(bar, "Second");
    ignored = {"QORDlgVisibilityNotification", "QORDlgResizeNotification"};
    listen(bar);
    listen(first);
  }
  ~BarDocument() { PumpIdle(); }
  bool Show() {
    doc.SetVisibility(QORDlgShown);
    return PumpUntil([&] { return Viewable(docLetter()->GetShell()) && Viewable(WidgetOf(bar)); });
  }
  l_QORDlgDocument* docLetter() { return static_cast<l_QORDlgDocument*>(doc.GetLetterObject()); }
  Widget area(l_QORDlgDocument::Dock d) { return docLetter()->GetDockArea(d); }

  QORDlgDocument doc;
  QORDlgToolBar* bar;
  QORDlgPushButton* first;
  QORDlgPushButton* second;
};

// The user opens the bar's menu over its first button and chooses `item`.
bool choose(BarDocument& b, const char* item) {
  PointAt(WidgetOf(b.first));
  ClickButton3();
  Widget popup = nullptr;
  if (!PumpUntil([&] {
        popup = static_cast<QORDialog*>(b.bar->GetContextualMenu())->GetLetterObject()->GetBaseWidget(0);
        return popup && Viewable(XtParent(popup)) && XtNameToWidget(popup, item);
      }))
    return false;
  PointAt(XtNameToWidget(popup, item));
  PumpFor(100);
  ClickButton3();
  return PumpUntil([&] { return !Viewable(XtParent(popup)); });
}

TEST_F(ToolBars, TheDockStateComesFromTheStyleAndAnUnknownOneMeansTop) {
  QORDlgDocument doc(app, "StyleDoc", 0);
  const struct {
    unsigned long style, docked;
  } cases[] = {{0, QORDlgToolBarTop},
               {QORDlgToolBarBottom, QORDlgToolBarBottom},
               {QORDlgToolBarLeft, QORDlgToolBarLeft},
               {QORDlgToolBarRight, QORDlgToolBarRight},
               {QORDlgToolBarUndocked, QORDlgToolBarUndocked},
               {QORDlgToolBarLeft | QORDlgToolBarRight, QORDlgToolBarTop}};
  for (const auto& c : cases) {
    QORDlgToolBar bar(&doc, "Bar", c.style);
    EXPECT_EQ(bar.GetDockState(), c.docked) << std::hex << c.style;
    EXPECT_TRUE(bar.GetLetterObject()->IsAKindOf(QORDlgCodeToolBar));
    EXPECT_TRUE(bar.GetLetterObject()->IsAKindOf(QORDlgCodeBar));
  }
  QORDlgToolBar bar(&doc, "Moved", QORDlgToolBarLeft);
  EXPECT_EQ(bar.SetDockState(0x7), QORDlgToolBarLeft);
  EXPECT_EQ(bar.GetDockState(), QORDlgToolBarTop);
  PumpIdle();
}

TEST_F(ToolBars, ChoosingRightDocksTheBarRightOnceAndTheWorkAreaGivesWay) {
  BarDocument b(app);
  ASSERT_TRUE(b.Show());
  Settle(200);
  EXPECT_EQ(XtParent(WidgetOf(b.bar)), b.area(l_QORDlgDocument::Top));
  ASSERT_TRUE(choose(b, "Right"));
  PumpIdle();
  EXPECT_EQ(b.heard, Strings{"Tools QORDlgWindDockNotification"});
  EXPECT_EQ(b.bar->GetDockState(), QORDlgToolBarRight);
  Widget right = b.area(l_QORDlgDocument::Right);
  EXPECT_EQ(XtParent(WidgetOf(b.bar)), right);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(right) && !Viewable(b.area(l_QORDlgDocument::Top)); }));
  // Read from the server: the area holds the column of buttons at the
  // right edge, the work area takes the rest of the width.
  const Geo client = ServerGeo(b.docLetter()->GetClientArea()), area = ServerGeo(right);
  const Geo work = ServerGeo(b.docLetter()->GetBaseWidget(0)), column = ServerGeo(WidgetOf(b.bar));
  EXPECT_EQ(area.x + area.w, client.w);
  EXPECT_EQ(work.x, 0);
  EXPECT_EQ(work.w, client.w - area.w);
  EXPECT_EQ(column.x, 8);
  EXPECT_EQ(column.y, 3);
  EXPECT_GE(area.w, column.w + 11);
  EXPECT_GT(column.h, ServerGeo(WidgetOf(b.first)).h * 2);  // a column, not a row

  b.heard.clear();
  ASSERT_TRUE(choose(b, "Right"));
  PumpIdle();
  EXPECT_EQ(b.heard, Strings{});
}

TEST_F(ToolBars, UndockedTheBarFloatsInItsShellAndDockedAgainItsButtonsStillWork) {
  BarDocument b(app);
  ASSERT_TRUE(b.Show());
  Settle(200);
  Widget button = WidgetOf(b.first);
  ASSERT_TRUE(choose(b, "Undock"));
  l_QORDlgToolBar* l = letterOf(b.bar);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(l->GetFloatingShell()); }));
  EXPECT_EQ(b.bar->GetDockState(), QORDlgToolBarUndocked);
  EXPECT_EQ(XtParent(XtParent(WidgetOf(b.bar))), l->GetFloatingShell());
  // Plain buttons: the shell grows no larger than they need.
  int maxW = 0, maxH = 0;  // the shell's resources are ints
  XtVaGetValues(l->GetFloatingShell(), XmNmaxWidth, &maxW, XmNmaxHeight, &maxH, nullptr);
  EXPECT_EQ(maxW, WidgetOf(b.bar)->core.width);
  EXPECT_EQ(maxH, WidgetOf(b.bar)->core.height);
  EXPECT_FALSE(l->IsResizable());
  PumpIdle();
  EXPECT_FALSE(Viewable(b.area(l_QORDlgDocument::Top)));

  // Back on top from the floating bar's menu: the same widgets come back.
  ASSERT_TRUE(PumpUntil([&] { return Viewable(button); }));
  Settle(200);
  PointAt(button);
  ClickButton3();
  Widget popup = static_cast<QORDialog*>(b.bar->GetContextualMenu())->GetLetterObject()->GetBaseWidget(0);
  ASSERT_TRUE(PumpUntil([&] { return popup && Viewable(XtParent(popup)) && XtNameToWidget(popup, "Top"); }));
  PointAt(XtNameToWidget(popup, "Top"));
  PumpFor(100);
  ClickButton3();
  ASSERT_TRUE(PumpUntil([&] { return b.bar->GetDockState() == QORDlgToolBarTop; }));
  PumpIdle();
  EXPECT_TRUE(PumpUntil([&] { return !Viewable(l->GetFloatingShell()); }));
  EXPECT_TRUE(PumpUntil([&] { return Viewable(button); }));
  EXPECT_EQ(WidgetOf(b.first), button);
  EXPECT_EQ(XtParent(WidgetOf(b.bar)), b.area(l_QORDlgDocument::Top));
  b.heard.clear();
  Click(button);
  PumpIdle();
  EXPECT_EQ(b.heard, Strings{"First QORDlgPushBActivateNotification"});
}

TEST_F(ToolBars, TheFloatingShellsCloseHidesTheBarAndIsRecorded) {
  BarDocument b(app, QORDlgToolBarUndocked);
  ASSERT_TRUE(b.Show());
  l_QORDlgToolBar* l = letterOf(b.bar);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(l->GetFloatingShell()); }));
  l->close();
  PumpIdle();
  EXPECT_EQ(b.heard, Strings{"Tools QORDlgWindCloseNotification"});
  EXPECT_EQ(b.bar->GetVisibility(), QORDlgHidden);
  EXPECT_TRUE(PumpUntil([&] { return !Viewable(l->GetFloatingShell()); }));

  QORMarshal m;
  const std::string saved =
      TracedAt('1', [&] { EXPECT_EQ(b.bar->SaveState(b.bar->GetWindCloseNotification(), m), 0); });
  b.heard.clear();
  const std::string restored =
      TracedAt('1', [&] { EXPECT_EQ(b.bar->RestoreState(b.bar->GetWindCloseNotification(), m), 0); });
  EXPECT_EQ(saved, "/RECORD/ SaveState    QORDlgToolBar        /Command Name/ Tools /Notification/ "
                   "QORDlgWindCloseNotification\n");
  EXPECT_EQ(restored, AsReplayed(saved));
  EXPECT_EQ(b.heard, Strings{"Tools QORDlgWindCloseNotification"});
  EXPECT_EQ(b.bar->SaveState(b.bar->GetWindDockNotification(), m), 2);
}

// What a bar does for its children: radio buttons in a row form a group,
// a hidden child gives its room back, an icon box runs along the bar.
TEST_F(ToolBars, ABarGroupsItsRadioButtonsAndFollowsItsChildren) {
  BarDocument b(app, QORDlgToolBarLeft);
  auto* one = new QORDlgRadioButton(b.bar, "One");
  auto* two = new QORDlgRadioButton(b.bar, "Two");
  auto* icons = new QORDlgIconBox(b.bar, "Icons", QORDlgIconBoxHorizontal);
  ASSERT_TRUE(b.Show());
  PumpIdle();
  EXPECT_EQ(icons->GetLayoutDirection(), QORDlgIconBoxVertical);
  one->SetState(QORDlgChecked, 0);
  two->SetState(QORDlgChecked, 0);
  EXPECT_EQ(one->GetState(), QORDlgUnchecked);
  EXPECT_EQ(two->GetState(), QORDlgChecked);

  Widget column = WidgetOf(b.bar);
  const int tall = ServerGeo(column).h, second = ServerGeo(WidgetOf(b.second)).h;
  b.second->SetVisibility(QORDlgHidden);
  ASSERT_TRUE(PumpUntil([&] { return ServerGeo(column).h < tall; }));
  EXPECT_EQ(ServerGeo(column).h, tall - second - 2);  // its height and one margin
  b.bar->SetDockState(QORDlgToolBarTop);
  PumpIdle();
  EXPECT_EQ(icons->GetLayoutDirection(), QORDlgIconBoxHorizontal);
}

// A bar holding a container can be resized: its area gets a sash that the
// user drags, and the work area gives way.
TEST_F(ToolBars, TheSashOfAnAreaWithAResizableBarWidensTheArea) {
  BarDocument b(app, QORDlgToolBarLeft);
  auto* panel = new QORDlgFrame(b.bar, "Panel", 0);
  new QORDlgPushButton(panel, "Inside");
  b.doc.SetRectDimensions(0, 0, 300, 400);
  ASSERT_TRUE(b.Show());
  PumpIdle();
  Widget area = b.area(l_QORDlgDocument::Left);
  Widget sash = XtNameToWidget(area, "BarDocVLpH");
  ASSERT_NE(sash, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(sash); }));
  EXPECT_EQ(XtNameToWidget(b.area(l_QORDlgDocument::Top), "BarDocHTpH") != nullptr, true);
  EXPECT_FALSE(XtIsManaged(XtNameToWidget(b.area(l_QORDlgDocument::Top), "BarDocHTpH")));
  const int before = ServerGeo(area).w;
  DragFromCentre(sash, 40, 0, 4);
  PumpIdle();
  ASSERT_TRUE(PumpUntil([&] { return ServerGeo(area).w == before + 40; })) << ServerGeo(area).w << " " << before;
  EXPECT_EQ(ServerGeo(b.docLetter()->GetBaseWidget(0)).x, before + 40);
}

}  // namespace
