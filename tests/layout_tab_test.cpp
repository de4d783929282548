// The tabulation engine on real widgets: rows along a line, relative regions
// sharing size changes, attaching rules, the trace level.
#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

#include <string>
#include <vector>

#include "QORDlgMotif.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgTab.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

using TabLayout = AppSuite;


l_QORDlgList& listOf(std::initializer_list<QORDialog*> objs) {
  static l_QORDlgList l;
  while (l.getCount()) l -= l[0];
  for (QORDialog* o : objs) l.insertTail(o->GetLetterObject());
  return l;
}

TEST_F(TabLayout, ThreeInARowOnePixelApart) {
  TestDialog win("RowWin");
  l_QORDialog* lw = win.GetLetterObject();
  QORDlgMotif* a = Area(&win, "a", 50, 20);
  QORDlgMotif* b = Area(&win, "b", 40, 25);
  QORDlgMotif* c = Area(&win, "c", 30, 20);
  lw->SetHorizontalAttachment(0, QORDlgTopOrLeft, listOf({a, b, c}));
  lw->SetVerticalAttachment(0, QORDlgTopOrLeft, listOf({a}));
  ASSERT_TRUE(win.Show());
  EXPECT_EQ(ServerGeo(a), (Geo{1, 1, 50, 20}));
  EXPECT_EQ(ServerGeo(b), (Geo{52, 1, 40, 25}));
  EXPECT_EQ(ServerGeo(c), (Geo{93, 1, 30, 20}));
  int w, h;
  win.layoutSize(w, h);
  EXPECT_EQ((Size{w, h}), (Size{124, 27}));
}

TEST_F(TabLayout, RelativeRegionsShareEveryChangeEqually) {
  TestDialog win("RelWin");
  l_QORDialog* lw = win.GetLetterObject();
  QORDlgMotif* a = Area(&win, "a", 100, 30);
  QORDlgMotif* b = Area(&win, "b", 60, 30);
  lw->SetHorizontalAttachment(0, QORDlgTopOrLeft, listOf({a, b}));
  lw->SetVerticalAttachment(0, QORDlgTopOrLeft, listOf({a}));
  lw->SetVerticalAttachment(1, QORDlgRightOrBottomRelative, listOf({a}));
  lw->SetVerticalAttachment(2, QORDlgTopOrLeft, listOf({b}));
  lw->SetVerticalAttachment(3, QORDlgRightOrBottomRelative, listOf({b}));
  ASSERT_TRUE(win.Show());
  const Geo a0 = ServerGeo(a), b0 = ServerGeo(b);
  EXPECT_EQ(a0, (Geo{1, 1, 100, 30}));
  EXPECT_EQ(b0, (Geo{102, 1, 60, 30}));
  int w0, h0;
  lw->GetLayoutManager()->getSize(w0, h0);
  struct Step {
    int dw, aw, bx, bw;
  } steps[] = {{100, 150, 152, 110}, {200, 200, 202, 160}, {160, 180, 182, 140}, {0, 100, 102, 60},
               {101, 151, 153, 110}, {0, 100, 102, 60}};
  for (const Step& s : steps) {
    // A user resize gives the layout the work area plus one: the height
    // takes that pixel, the width follows the steps exactly.
    ASSERT_TRUE(win.ResizeLayoutTo(w0 + s.dw, h0 + 1));
    EXPECT_EQ(ServerGeo(a), (Geo{1, 1, s.aw, 30})) << "width +" << s.dw;
    EXPECT_EQ(MotifGeo(b), (Geo{s.bx, 1, s.bw, 30})) << "width +" << s.dw;
  }
  EXPECT_EQ(ServerGeo(b), b0);  // back to where it started, to the pixel
}

TEST_F(TabLayout, DefaultRowAttach4SidesAndLaterChanges) {
  TestDialog win("DefWin");
  l_QORDialog* lw = win.GetLetterObject();
  QORDlgMotif* a = Area(&win, "a", 50, 20);
  QORDlgMotif* b = Area(&win, "b", 40, 20);
  QORDlgMotif* c = Area(&win, "c", 30, 20);
  ASSERT_TRUE(win.Show());
  EXPECT_EQ(ServerGeo(a), (Geo{1, 1, 50, 20}));  // nothing attached: a row
  EXPECT_EQ(ServerGeo(c), (Geo{93, 1, 30, 20}));
  EXPECT_EQ(lw->GetHorizontalTabIndex(b->GetLetterObject(), QORDlgTopOrLeft), 0);
  EXPECT_EQ(lw->GetVerticalTabIndex(b->GetLetterObject(), QORDlgTopOrLeft), -1);

  // After the first layout a change re-lays out in the next idle pass.
  lw->RemoveAlongHorizontalTab(0, b->GetLetterObject());
  PumpIdle();
  EXPECT_EQ(ServerGeo(c), (Geo{52, 1, 30, 20}));
  lw->InsertAlongHorizontalTab(0, b->GetLetterObject(), a->GetLetterObject(), InsertBefore);
  PumpIdle();
  EXPECT_EQ(ServerGeo(b), (Geo{1, 1, 40, 20}));
  EXPECT_EQ(ServerGeo(c), (Geo{93, 1, 30, 20}));
  EXPECT_EQ(StdoutOf([&] { lw->RemoveAlongVerticalTab(3, c->GetLetterObject()); }), "c n'est pas accroche a vert_3\n");

  // The replacement takes the place and the lines of the one it replaces.
  QORDlgMotif* d = Area(&win, "d", 45, 20);
  lw->ReplaceKeepAttachments(b->GetLetterObject(), d->GetLetterObject());
  lw->ResetAttachment(c->GetLetterObject());
  PumpIdle();
  EXPECT_EQ(ServerGeo(d), (Geo{1, 1, 45, 20}));
  EXPECT_EQ(ServerGeo(a), (Geo{47, 1, 50, 20}));
  EXPECT_EQ(lw->GetHorizontalTabIndex(c->GetLetterObject(), QORDlgTopOrLeft), -1);

  // A component of another container is refused with a warning.
  TestDialog other("OtherWin");
  QORDlgMotif* stranger = Area(&other, "stranger", 10, 10);
  EXPECT_EQ(StdoutOf([&] { lw->SetHorizontalAttachment(0, QORDlgTopOrLeft, listOf({stranger})); }),
            "Warning: stranger does not belong to DefWin\n");
}

// An object without widgets, deleted by its owner rather than destroyed.
class PlainLetter : public l_QORDialog {
 public:
  PlainLetter(l_QORDialog* f, const char* n) : l_QORDialog(f, n, nullptr, 0) { SetRectDimensions(1, 1, 20, 40, 0); }
  void Build() override { built = 1; }
};

TEST_F(TabLayout, ALetterDeletedDirectlyLeavesTheRow) {
  TestDialog win("GoneWin");
  QORDlgMotif* a = Area(&win, "a", 50, 20);
  auto* b = new PlainLetter(win.GetLetterObject(), "b");
  QORDlgMotif* c = Area(&win, "c", 30, 20);
  ASSERT_TRUE(win.Show());
  EXPECT_EQ(ServerGeo(c), (Geo{93, 1, 30, 20}));
  delete b;
  PumpIdle();
  EXPECT_EQ(win.GetLetterObject()->GetChildCount(), 3);  // a, c and the default contextual menu
  EXPECT_EQ(ServerGeo(a), (Geo{1, 1, 50, 20}));
  EXPECT_EQ(ServerGeo(c), (Geo{52, 1, 30, 20}));
}

// A long row (its records indexed) losing children at its end, getting one
// back and losing one in the middle keeps every other child in order.
TEST_F(TabLayout, ALongRowThroughRemovalsAtTheEndAndInTheMiddle) {
  TestDialog win("LongWin");
  std::vector<QORDlgMotif*> row;
  for (int i = 0; i < 12; ++i) row.push_back(Area(&win, "cell", 10 + i, 20));
  ASSERT_TRUE(win.Show());
  auto expectRow = [&](const char* when) {
    int x = 1;
    for (QORDlgMotif* m : row) {
      EXPECT_EQ(ServerGeo(m).x, x) << when;
      x += ServerGeo(m).w + 1;
    }
  };
  expectRow("shown");
  std::string printed = StdoutOf([&] {
    delete row[11];
    delete row[10];
    row.resize(10);
    PumpIdle();
    row.push_back(Area(&win, "late", 7, 20));
    win.GetLetterObject()->SetHorizontalAttachment(0, QORDlgTopOrLeft, listOf({row.back()}));
    delete row[4];
    row.erase(row.begin() + 4);
    PumpIdle();
  });
  EXPECT_EQ(printed, "");
  EXPECT_EQ(win.GetLetterObject()->GetChildCount(), 11);  // and the default contextual menu
  expectRow("after the removals");
  EXPECT_EQ(ServerGeo(row.back()).w, 7);
}

TEST_F(TabLayout, Attach4SidesSplitsTheContainer) {
  TestDialog win("FourWin");
  l_QORDialog* lw = win.GetLetterObject();
  QORDlgMotif* a = Area(&win, "a", 100, 30);
  QORDlgMotif* b = Area(&win, "b", 60, 40);
  lw->Attach4Sides(a->GetLetterObject());
  lw->Attach4Sides(b->GetLetterObject());
  ASSERT_TRUE(win.Show());
  EXPECT_EQ(ServerGeo(a), (Geo{1, 1, 100, 40}));  // stretched to the row
  EXPECT_EQ(ServerGeo(b), (Geo{102, 1, 60, 40}));
  int w0, h0;
  lw->GetLayoutManager()->getSize(w0, h0);
  ASSERT_TRUE(win.ResizeLayoutTo(w0 + 40, h0 + 10));
  EXPECT_EQ(ServerGeo(a), (Geo{1, 1, 120, 50}));
  EXPECT_EQ(ServerGeo(b), (Geo{122, 1, 80, 50}));
}

TEST_F(TabLayout, LabelsAndFieldsFormTwoAlignedColumns) {
  TestDialog win("FormWin");
  l_QORDialog* lw = win.GetLetterObject();
  QORDlgMotif* l1 = Area(&win, "l1", 40, 20);
  QORDlgMotif* l2 = Area(&win, "l2", 70, 15);
  QORDlgMotif* f1 = Area(&win, "f1", 100, 25);
  QORDlgMotif* f2 = Area(&win, "f2", 80, 20);
  lw->SetVerticalAttachment(0, QORDlgTopOrLeft, listOf({l1, l2}));
  lw->SetVerticalAttachment(1, QORDlgTopOrLeft, listOf({f1, f2}));
  lw->SetHorizontalAttachment(0, QORDlgTopOrLeft, listOf({l1, f1}));
  lw->SetHorizontalAttachment(1, QORDlgTopOrLeft, listOf({l2, f2}));
  ASSERT_TRUE(win.Show());
  // The fields start after the widest label; the second row after the tallest of the first.
  EXPECT_EQ(ServerGeo(l1), (Geo{1, 1, 40, 20}));
  EXPECT_EQ(ServerGeo(f1), (Geo{72, 1, 100, 25}));
  EXPECT_EQ(ServerGeo(l2), (Geo{1, 27, 70, 15}));
  EXPECT_EQ(ServerGeo(f2), (Geo{72, 27, 80, 20}));
}

TEST_F(TabLayout, AttachingRulesAreFatal) {
  TestDialog win("FatalWin");
  l_QORDialog* lw = win.GetLetterObject();
  QORDlgMotif* a = Area(&win, "a", 10, 10);
  QORDlgMotif* b = Area(&win, "b", 10, 10);
  lw->SetVerticalAttachment(4, QORDlgRightOrBottom, listOf({a}));
  lw->SetVerticalAttachment(5, QORDlgCenter, listOf({b}));
  auto toStdErr = [] { dup2(2, 1); };
  EXPECT_DEATH((toStdErr(), lw->SetVerticalAttachment(4, QORDlgTopOrLeft, listOf({b}))),
               "Can't use the same Tab with TopOrLeft && RightOrBottom attachment\n"
               "Current component name = b\ntab name               = vert_4\n");
  EXPECT_DEATH((toStdErr(), lw->SetVerticalAttachment(6, QORDlgTopOrLeft, listOf({b}))),
               "Can't cummulate 2 Tabs on the same component with TopOrLeft & Center alignments\n"
               "Component name = b\nFirst tab name = vert_5\nSecnd tab name = vert_6\n");
  // Only a far side so far: the new tabulation becomes the first, whatever its side.
  lw->SetVerticalAttachment(7, QORDlgRightOrBottom, listOf({a}));
  l_QORDialog* la = a->GetLetterObject();
  ASSERT_TRUE(la->getFirstTab(0) && la->getSecondTab(0));
  EXPECT_STREQ(la->getFirstTab(0)->GetName().c_str(), "vert_7");
  EXPECT_STREQ(la->getSecondTab(0)->GetName().c_str(), "vert_4");
}

TEST_F(TabLayout, TraceLevelIsReadWithPercentI) {
  struct Case {
    const char* text;
    int level;
  } cases[] = {{"0x2", 2}, {"verbose", 0}, {"010", 8}, {"", 0}, {"3", 3}};
  for (const Case& c : cases) {
    setenv("DEBUG_LAYOUT", c.text, 1);
    l_QORDlgLayoutManager::ReloadTraceLevel();
    EXPECT_EQ(l_QORDlgLayoutManager::TraceLevel(), c.level) << c.text;
  }
  // The spacing each level gives shows in the geometry tests (1, and 6 at level 1).
  unsetenv("DEBUG_LAYOUT");
  l_QORDlgLayoutManager::ReloadTraceLevel();
  EXPECT_EQ(l_QORDlgLayoutManager::TraceLevel(), 0);
}

}  // namespace
