// The grid on top of the tabulations: registration, column and row sizes,
// spans, resizable columns, justification, the matrix dump and the warnings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "LayoutMatrix.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgMotif.h"
#include "l_QORDlgLayoutManager.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

using GridLayout_ = AppSuite;

// A Motif area of natural size w x h placed on the father's grid.
QORDlgMotif* cell(QORDialog* father, const char* name, int w, int h, short row, short col, short cspan = 1,
                  short rspan = 1, unsigned just = QORDlgGridLeft | QORDlgGridTop) {
  QORDlgMotif* m = Area(father, name, w, h);
  m->SetGridConstraints(row, col, cspan, rspan, just);
  return m;
}

Geo cellOf(QORDialog* win, QORDlgMotif* m) {
  const DRECT r = win->GetLetterObject()->GetLayoutManager()->getMatrix()->GetCell(m->GetLetterObject())->GetRect();
  return Geo{r.x, r.y, r.dx, r.dy};
}

TEST_F(GridLayout_, ColumnsRowsAndSpans) {
  TestDialog win("GridWin", QORDlgGridLayout);
  QORDlgMotif* d = Area(&win, "dflt", 50, 20);  // default record: (0,0), left and top
  d->SetGridConstraints(QORDlgGridConstraints());
  QORDlgMotif* wide = cell(&win, "wide", 80, 10, 1, 0);
  QORDlgMotif* right = cell(&win, "right", 30, 25, 0, 1);
  QORDlgMotif* stretched = cell(&win, "stretched", 30, 10, 1, 1, 1, 1, 0x1E);
  QORDlgMotif* span = cell(&win, "span", 150, 10, 2, 0, 2, 1);
  QORDlgMotif* narrow = cell(&win, "narrow", 20, 10, 3, 0, 2, 1, 0x26);
  ASSERT_TRUE(win.Show());
  EXPECT_EQ(MotifGeo(d), (Geo{1, 1, 50, 20}));
  EXPECT_EQ(MotifGeo(wide), (Geo{1, 27, 80, 10}));     // row 1 starts after the taller cell of row 0
  EXPECT_EQ(MotifGeo(right), (Geo{82, 1, 30, 25}));    // one pixel after the wider child of column 0
  // The spanning child is wider than both columns: column 1 grows to fit it.
  EXPECT_EQ(cellOf(&win, span), (Geo{1, 38, 150, 10}));
  EXPECT_EQ(MotifGeo(stretched), (Geo{82, 27, 69, 10}));
  // A narrower spanning child changes nothing and is centred, odd pixel to the right.
  EXPECT_EQ(MotifGeo(narrow), (Geo{66, 49, 20, 10}));
}

TEST_F(GridLayout_, JustificationInsideTheCell) {
  TestDialog win("JustWin", QORDlgGridLayout);
  cell(&win, "top", 100, 10, 0, 0);  // makes column 0 100 pixels wide
  struct Case {
    unsigned just;
    int x, w;
  } cases[] = {{0x26, 30, 41},  // 59 to share: 29 on the left, the odd pixel on the right
               {0x06, 1, 100}, {0x20, 1, 41}, {0x04, 60, 41}, {0x02, 1, 41}};
  std::vector<QORDlgMotif*> made;
  short row = 1;
  for (const Case& c : cases) made.push_back(cell(&win, "c", 41, 10, row++, 0, 1, 1, c.just | QORDlgGridTop));
  ASSERT_TRUE(win.Show());
  for (size_t i = 0; i < made.size(); ++i)
    EXPECT_EQ(MotifGeo(made[i]), (Geo{cases[i].x, 1 + 11 * static_cast<int>(i + 1), cases[i].w, 10})) << std::hex
                                                                                                    << cases[i].just;
}

TEST_F(GridLayout_, ResizableColumnsTakeTheWholeChange) {
  for (int both = 0; both < 2; ++both) {
    TestDialog win(both ? "Res2Win" : "Res1Win", QORDlgGridLayout);
    QORDlgMotif* c0 = cell(&win, "c0", 50, 20, 0, 0, 1, 1, 0x1E);
    QORDlgMotif* c1 = cell(&win, "c1", 60, 20, 0, 1, 1, 1, 0x1E);
    QORDlgMotif* below = cell(&win, "below", 60, 20, 1, 1, 1, 1, 0x1E);
    l_QORDialog* lw = win.GetLetterObject();
    lw->SetGridColumnResizable(1, 1);
    if (both) lw->SetGridColumnResizable(0, 1);
    lw->SetGridRowResizable(1, 1);
    EXPECT_EQ(lw->IsGridColumnResizable(0), both);
    ASSERT_TRUE(win.Show());
    int w0, h0;
    lw->GetLayoutManager()->getSize(w0, h0);
    for (int step = 1; step <= 3; ++step) {
      ASSERT_TRUE(win.ResizeLayoutTo(w0 + 40 * step, h0 + 10 * step));
      const int gain0 = both ? 20 * step : 0;
      EXPECT_EQ(MotifGeo(c0), (Geo{1, 1, 50 + gain0, 20})) << step;
      EXPECT_EQ(MotifGeo(c1), (Geo{52 + gain0, 1, 60 + 40 * step - gain0, 20})) << step;
      EXPECT_EQ(MotifGeo(below), (Geo{52 + gain0, 22, 60 + 40 * step - gain0, 20 + 10 * step})) << step;
    }
    ASSERT_TRUE(win.ResizeLayoutTo(w0, h0));
    EXPECT_EQ(MotifGeo(c1), (Geo{52, 1, 60, 20}));
    EXPECT_EQ(MotifGeo(below), (Geo{52, 22, 60, 20}));
  }
}

TEST_F(GridLayout_, RegistrationCollisionsAndWarnings) {
  TestDialog win("CollWin", QORDlgGridLayout);
  QORDlgMotif* first = cell(&win, "first", 10, 10, 0, 1);
  QORDlgMotif* second = nullptr;
  EXPECT_EQ(StderrOf([&] { second = cell(&win, "second", 10, 10, 0, 0, 2, 1); }),
            "second can't be attached in (0,0)\nfirst lies at this location\n");
  LayoutMatrix* m = win.GetLetterObject()->GetLayoutManager()->getMatrix();
  EXPECT_EQ(m->GetCell(0, 1)->GetObj(), first->GetLetterObject());
  EXPECT_EQ(m->GetCell(0, 0)->GetObj(), second->GetLetterObject());

  TestDialog plain("PlainWin");
  QORDlgMotif* orphan = new QORDlgMotif(&plain, "orphan", 0);
  l_QORDialog* lp = plain.GetLetterObject();
  testing::internal::CaptureStderr();
  orphan->SetGridConstraints(1, 2, 1, 1, 0x06);
  lp->SetGridColumnResizable(0, 1);
  EXPECT_EQ(lp->IsGridRowResizable(0), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Warning : orphan'father should have QORDlgGridLayout style\n"
            "Warning : PlainWin should have QORDlgGridLayout style\n"
            "Warning : PlainWin should have QORDlgGridLayout style\n");
  EXPECT_EQ(orphan->GetGridConstraints().Row, 0);  // nothing stored
  l_QORDlgList list;
  list.insertTail(first->GetLetterObject());
  EXPECT_EQ(StderrOf([&] { win.GetLetterObject()->SetVerticalAttachment(0, QORDlgTopOrLeft, list); }),
            "Warning : CollWin shouldn't have QORDlgGridLayout style\n");
}

TEST_F(GridLayout_, LevelOneTracesCellsAndDrawsTheLines) {
  setenv("DEBUG_LAYOUT", "1", 1);
  l_QORDlgLayoutManager::ReloadTraceLevel();
  testing::internal::CaptureStdout();
  TestDialog win("DrawWin", QORDlgGridLayout);
  QORDlgMotif* c = cell(&win, "c", 20, 10, 0, 0, 1, 1, 0x26);
  ASSERT_TRUE(win.Show());
  const std::string out = testing::internal::GetCapturedStdout();
  unsetenv("DEBUG_LAYOUT");
  l_QORDlgLayoutManager::ReloadTraceLevel();
  EXPECT_EQ(out,
            "\nline=1, col=1\n+---+\n|  1|\n+---+\n"
            "\n-> c cell : x = 6, y = 6, w = 20, h = 10\nc : x = 6, y = 6, w = 20, h = 10\n");
  EXPECT_EQ(MotifGeo(c), (Geo{6, 6, 20, 10}));  // margins and spacing of 6 at this level
  Widget line = XtNameToWidget(win.GetLetterObject()->GetBaseWidget(0), "vert_1");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(MotifGeo(line).x, 26);
  XColor got;
  got.pixel = Resource<Pixel>(line, XmNbackground);
  XQueryColor(XtDisplay(line), DefaultColormapOfScreen(XtScreen(line)), &got);
  EXPECT_TRUE(got.red >> 8 == 255 && got.green >> 8 == 255 && got.blue >> 8 == 0);  // yellow
}

TEST_F(GridLayout_, ShrinkLimitsOfRelativeLines) {
  TestDialog win("ShrinkWin");
  QORDlgMotif* m = Area(&win, "m", 100, 30);
  l_QORDlgList one;
  one.insertTail(m->GetLetterObject());
  l_QORDialog* lw = win.GetLetterObject();
  lw->SetHorizontalAttachment(0, QORDlgTopOrLeft, one);
  lw->SetVerticalAttachment(0, QORDlgTopOrLeft, one);
  lw->SetVerticalAttachment(1, QORDlgRightOrBottomRelative, one);
  ASSERT_TRUE(win.Show());
  int w = 0, h = 0;
  lw->GetLayoutManager()->getMaxShrinkValues(w, h);
  EXPECT_EQ((Size{w, h}), (Size{97, 0}));  // all but the child's 3-pixel minimum; nothing follows the height
  w = 102;
  h = 32;
  lw->GetLayoutManager()->computeMinSize(w, h);
  EXPECT_EQ((Size{w, h}), (Size{15, 32}));
}

TEST(LayoutMatrix, DumpAndResizableLists) {
  LayoutMatrix m(2, 3);
  EXPECT_EQ(m.GetLineCount(), 2);
  EXPECT_EQ(m.GetColumnCount(), 3);
  // Any non-null letter pointer will do: the matrix never dereferences it.
  auto* who = reinterpret_cast<l_QORDialog*>(&m);
  for (int c = 0; c < 3; ++c) EXPECT_EQ(m.SetCell(who, 0, c), nullptr);
  int other = 0;
  EXPECT_EQ(m.SetCell(reinterpret_cast<l_QORDialog*>(&other), 0, 2), who);
  EXPECT_EQ(StdoutOf([&] { m.Dump(); }),
            "\nline=2, col=3\n+---+---+---+\n|  1|  1|  1|\n|  0|  0|  0|\n+---+---+---+\n");
  m.SetColumnResizable(7, 1);
  m.SetColumnResizable(7, 1);
  m.SetColumnResizable(3, 0);
  EXPECT_TRUE(m.IsColumnResizable(7));
  m.SetColumnResizable(7, 0);
  EXPECT_FALSE(m.IsColumnResizable(7));
  m.SetLineCount(1);
  EXPECT_EQ(m.GetCell(1, 0), nullptr);
  m.DeleteCell(who);
  EXPECT_EQ(m.GetCell(who), nullptr);
}

}  // namespace
