// The layout trace at DEBUG_LAYOUT=2 is part of the contract: a grid with a
// spanning child, a resizable row and column and a nested frame, laid out and
// resized, must print exactly tests/data/layout_trace_level2.txt.
#include <gtest/gtest.h>

#include <X11/Xresource.h>

#include <fstream>
#include <string>

#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgMotif.h"
#include "QORDlgSplitter.h"
#include "l_QORDlgLayoutManager.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

using LayoutTrace = AppSuite;

TEST_F(LayoutTrace, Level2GoldenTrace) {
  setenv("DEBUG_LAYOUT", "2", 1);
  l_QORDlgLayoutManager::ReloadTraceLevel();
  XrmDatabase db = XtDatabase(app->GetLetterObject()->GetDisplay());
  XrmPutStringResource(&db, "*Outerfra.shadowThickness", "2");
  XrmPutStringResource(&db, "*Innerfra.shadowThickness", "2");

  TestDialog win("Win");
  auto* outer = new QORDlgFrame(&win, "Outer", QORDlgGridLayout | QORDlgFrameNoTitle);
  Area(outer, "a", 30, 10)->SetGridConstraints(0, 0, 1, 1, 0x0A);
  QORDlgMotif* b = Area(outer, "b", 20, 12);
  b->SetGridConstraints(0, 1, 1, 1, 0x26);
  Area(outer, "s", 60, 10)->SetGridConstraints(1, 0, 2, 1, 0x0A);
  auto* inner = new QORDlgFrame(outer, "Inner", QORDlgFrameNoTitle);
  inner->SetGridConstraints(2, 1, 1, 1, 0x0A);
  Area(inner, "c", 8, 8);
  outer->SetGridColumnResizable(1, 1);
  outer->SetGridRowResizable(2, 1);
  win.GetLetterObject()->Attach4Sides(outer->GetLetterObject());

  testing::internal::CaptureStdout();
  ASSERT_TRUE(win.Show());
  int w = 0, h = 0;
  win.layoutSize(w, h);
  ASSERT_TRUE(win.ResizeLayoutTo(w + 10, h + 6));
  const std::string got = testing::internal::GetCapturedStdout();
  unsetenv("DEBUG_LAYOUT");
  l_QORDlgLayoutManager::ReloadTraceLevel();

  if (const char* dump = std::getenv("TOLVEN_TRACE_OUT")) std::ofstream(dump) << got;
  // A failure shows the differing lines.
  EXPECT_EQ(got, Slurp(TOLVEN_SOURCE_DIR "/tests/data/layout_trace_level2.txt"));
  // The resizable column gave b's cell 10 more pixels: 19 to share, 9 on the left.
  EXPECT_EQ(MotifGeo(b->GetFatherWidget()).x, 41);
}

// A splitter's sash line: relative, laid out where the first child ends
// (relative position 0), followed by 7 more pixels for the sash; a resize
// leaves it there and gives the change to the second child.
TEST_F(LayoutTrace, Level2SashLineTrace) {
  setenv("DEBUG_LAYOUT", "2", 1);
  l_QORDlgLayoutManager::ReloadTraceLevel();
  TestDialog win("SashWin");
  auto* split = new QORDlgSplitter(&win, "Split", 0);
  QORDlgMotif* a = Area(split, "a", 51, 10);
  QORDlgMotif* b = Area(split, "b", 30, 10);
  win.GetLetterObject()->Attach4Sides(split->GetLetterObject());

  testing::internal::CaptureStdout();
  ASSERT_TRUE(win.Show());
  int w = 0, h = 0;
  win.layoutSize(w, h);
  ASSERT_TRUE(win.ResizeLayoutTo(w + 12, h));
  const std::string got = testing::internal::GetCapturedStdout();
  unsetenv("DEBUG_LAYOUT");
  l_QORDlgLayoutManager::ReloadTraceLevel();

  if (const char* dump = std::getenv("TOLVEN_SASH_TRACE_OUT")) std::ofstream(dump) << got;
  EXPECT_EQ(got, Slurp(TOLVEN_SOURCE_DIR "/tests/data/layout_trace_sash_level2.txt"));
  EXPECT_EQ(MotifGeo(a).w, 20);
  EXPECT_EQ(MotifGeo(b).x, 29);
}

}  // namespace
