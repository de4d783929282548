// The layout trace at DEBUG_LAYOUT=2 is part of the contract: a grid with a
// spanning child, a resizable row and column and a nested frame, laid out and
// resized, must print exactly tests/data/layout_trace_level2.txt.
#include <gtest/gtest.h>

#include <X11/Xresource.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgMotif.h"
#include "l_QORDlgLayoutManager.h"
#include "tolven_test_dialog.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

TEST(LayoutTrace, Level2GoldenTrace) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs DISPLAY";
  setenv("DEBUG_LAYOUT", "2", 1);
  l_QORDlgLayoutManager::ReloadTraceLevel();
  static char arg0[] = "layout_trace_test";
  static char* argv[] = {arg0, nullptr};
  auto* app = new QORInteractiveApplication(nullptr, "LayoutTraceTest");
  app->BuildApplicationEnvironment(1, argv, environ);
  XrmDatabase db = XtDatabase(app->GetLetterObject()->GetDisplay());
  XrmPutStringResource(&db, "*Outerfra.shadowThickness", "2");
  XrmPutStringResource(&db, "*Innerfra.shadowThickness", "2");

  TestDialog win("Win");
  auto* outer = new QORDlgFrame(&win, "Outer", QORDlgGridLayout | QORDlgFrameNoTitle);
  auto make = [](QORDialog* f, const char* n, int w, int h) {
    auto* m = new QORDlgMotif(f, n, 0);
    m->GetLetterObject()->SetRectDimensions(1, 1, h, w, 0);
    return m;
  };
  make(outer, "a", 30, 10)->SetGridConstraints(0, 0, 1, 1, 0x0A);
  QORDlgMotif* b = make(outer, "b", 20, 12);
  b->SetGridConstraints(0, 1, 1, 1, 0x26);
  make(outer, "s", 60, 10)->SetGridConstraints(1, 0, 2, 1, 0x0A);
  auto* inner = new QORDlgFrame(outer, "Inner", QORDlgFrameNoTitle);
  inner->SetGridConstraints(2, 1, 1, 1, 0x0A);
  make(inner, "c", 8, 8);
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
  std::ifstream in(std::string(TOLVEN_SOURCE_DIR) + "/tests/data/layout_trace_level2.txt");
  std::stringstream expected;
  expected << in.rdbuf();
  const std::vector<std::string> want = lines(expected.str()), have = lines(got);
  for (size_t i = 0; i < std::min(want.size(), have.size()); ++i)
    ASSERT_EQ(have[i], want[i]) << "line " << i + 1;
  EXPECT_EQ(have.size(), want.size());
  // The resizable column gave b's cell 10 more pixels: 19 to share, 9 on the left.
  Position bx = 0;
  XtVaGetValues(b->GetFatherWidget(), XmNx, &bx, nullptr);
  EXPECT_EQ(bx, 41);
}

}  // namespace
