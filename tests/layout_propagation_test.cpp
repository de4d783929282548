// Deferred offset transmission against the eager walk: random grids and
// random tabulated arrangements (holes, spans, staggered sizes, relative
// lines) must come out to the same pixel, first layout and every resize.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "LayoutGridSweep.h"
#include "LayoutMatrix.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgMotif.h"
#include "l_QORDlgLayoutManager.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

class Propagation : public AppSuite {
 protected:
  void TearDown() override { l_QORDlgLayoutManager::SetDeferredTransmission(true); }
};

using Shots = std::vector<int>;  // every child's rectangle (and grid cell) after each step

void shoot(l_QORDialog* lw, const std::vector<QORDlgMotif*>& kids, bool grid, Shots& out) {
  for (QORDlgMotif* k : kids) {
    int x, y, h, w;
    k->GetLetterObject()->GetRectDimensions(&x, &y, &h, &w);
    out.insert(out.end(), {x, y, w, h});
    if (!grid) continue;
    const DRECT r = lw->GetLayoutManager()->getMatrix()->GetCell(k->GetLetterObject())->GetRect();
    out.insert(out.end(), {r.x, r.y, r.dx, r.dy});
  }
  // The sizes the layout asks for and how far it lets the window shrink.
  l_QORDlgLayoutManager* m = lw->GetLayoutManager();
  int w, h, mw = 0, mh = 0;
  m->getRequestedSize(w, h);
  m->computeMinSize(mw, mh);
  out.insert(out.end(), {w, h, mw, mh});
}

// Lays the window out, then grows and shrinks it, recording every step.
Shots run(TestDialog& win, const std::vector<QORDlgMotif*>& kids, bool grid) {
  l_QORDialog* lw = win.GetLetterObject();
  Shots s;
  EXPECT_TRUE(win.Show());
  shoot(lw, kids, grid, s);
  int w0, h0;
  lw->GetLayoutManager()->getSize(w0, h0);
  // Not below the first size: the window manager keeps the window at least
  // as large as its content's minimum.
  const int steps[][2] = {{37, 23}, {120, 90}, {15, 4}, {1, 1}, {60, 2}, {1, 1}};
  for (const auto& d : steps) {
    EXPECT_TRUE(win.ResizeLayoutTo(w0 + d[0], h0 + d[1]));
    shoot(lw, kids, grid, s);
  }
  return s;
}

// About a third of the rows and of the columns resizable, then the run.
Shots runGrid(TestDialog& win, const std::vector<QORDlgMotif*>& kids, int R, int C, std::mt19937& rng) {
  l_QORDialog* lw = win.GetLetterObject();
  for (int c = 0; c < C; ++c)
    if (rng() % 3 == 0) lw->SetGridColumnResizable(c, 1);
  for (int r = 0; r < R; ++r)
    if (rng() % 3 == 0) lw->SetGridRowResizable(r, 1);
  return run(win, kids, true);
}

Shots randomGrid(unsigned seed, bool deferred) {
  l_QORDlgLayoutManager::SetDeferredTransmission(deferred);
  std::mt19937 rng(seed);
  const int R = 2 + rng() % 8, C = 2 + rng() % 8;
  const bool stagger = rng() % 2;
  TestDialog win("PropGrid", QORDlgGridLayout);
  std::vector<std::vector<bool>> used(R, std::vector<bool>(C, false));
  std::vector<QORDlgMotif*> kids;
  const unsigned justs[] = {0x1E, 0x26, 0x06, 0x02 | QORDlgGridTop, 0x04 | QORDlgGridBottom, 0x18};
  for (int r = 0; r < R; ++r)
    for (int c = 0; c < C; ++c) {
      if (used[r][c] || rng() % 100 < 15) continue;
      int cs = rng() % 6 == 0 ? 2 : 1, rs = rng() % 6 == 0 ? 2 : 1;
      for (int i = 0; i < rs; ++i)
        for (int j = 0; j < cs; ++j)
          if (r + i >= R || c + j >= C || used[r + i][c + j]) cs = rs = 1;
      for (int i = 0; i < rs; ++i)
        for (int j = 0; j < cs; ++j) used[r + i][c + j] = true;
      auto* m = new QORDlgMotif(&win, "cell", 0);
      const int w = 10 + rng() % 50, h = stagger ? 12 + c + r % 3 : 8 + rng() % 30;
      m->GetLetterObject()->SetRectDimensions(1, 1, h, w, 0);
      m->SetGridConstraints(static_cast<short>(r), static_cast<short>(c), static_cast<short>(cs),
                            static_cast<short>(rs), justs[rng() % 6]);
      kids.push_back(m);
    }
  if (kids.empty()) return {};
  return runGrid(win, kids, R, C, rng);
}

// A grid of single cells with no holes but at the end of its last row, the
// kind the first layout sweeps: heights growing along the rows, or across
// them, or at random, so that rows push each other through the columns
// already placed.
Shots denseGrid(unsigned seed, bool deferred) {
  l_QORDlgLayoutManager::SetDeferredTransmission(deferred);
  std::mt19937 rng(seed);
  const int R = 1 + rng() % 11, C = 1 + rng() % 11;
  const int last = R == 1 ? C : 1 + rng() % C;
  const int shape = rng() % 3;
  TestDialog win("DenseGrid", QORDlgGridLayout);
  std::vector<QORDlgMotif*> kids;
  const unsigned justs[] = {0x1E, 0x26, 0x06, 0x18};
  for (int r = 0; r < R; ++r)
    for (int c = 0; c < (r == R - 1 ? last : C); ++c) {
      auto* m = new QORDlgMotif(&win, "cell", 0);
      const int noise = rng() % 5;
      const int h = shape == 0 ? 8 + c + noise : shape == 1 ? 8 + (C - c) * (1 + r % 3) : 5 + rng() % 40;
      m->GetLetterObject()->SetRectDimensions(1, 1, h, 10 + rng() % 50, 0);
      m->SetGridConstraints(static_cast<short>(r), static_cast<short>(c), 1, 1, justs[rng() % 4]);
      kids.push_back(m);
    }
  return runGrid(win, kids, R, C, rng);
}

// The same kind of arrangement made directly with tabulations: every child
// between its own pair of lines in each orientation, some closing lines
// relative (a relative line stops a transmission).
Shots randomTabs(unsigned seed, bool deferred) {
  l_QORDlgLayoutManager::SetDeferredTransmission(deferred);
  std::mt19937 rng(seed);
  const int R = 2 + rng() % 7, C = 2 + rng() % 7;
  TestDialog win("PropTabs");
  l_QORDialog* lw = win.GetLetterObject();
  std::vector<std::vector<QORDlgMotif*>> at(R, std::vector<QORDlgMotif*>(C, nullptr));
  std::vector<QORDlgMotif*> kids;
  for (int r = 0; r < R; ++r)
    for (int c = 0; c < C; ++c) {
      if (rng() % 100 < 12) continue;
      auto* m = new QORDlgMotif(&win, "area", 0);
      m->GetLetterObject()->SetRectDimensions(1, 1, 10 + c + rng() % 4, 15 + rng() % 40, 0);
      at[r][c] = m;
      kids.push_back(m);
    }
  if (kids.empty()) return {};
  auto attach = [&](bool vertical, int line, bool closing, QORDlgAttachment kind) {
    l_QORDlgList list;
    const int n = vertical ? R : C;
    for (int k = 0; k < n; ++k)
      if (QORDlgMotif* m = vertical ? at[k][line] : at[line][k]) list.insertTail(m->GetLetterObject());
    if (!list.getCount()) return;
    const unsigned short index = static_cast<unsigned short>(2 * line + (closing ? 1 : 0));
    if (vertical) lw->SetVerticalAttachment(index, kind, list);
    else lw->SetHorizontalAttachment(index, kind, list);
  };
  for (int c = 0; c < C; ++c) {
    attach(true, c, false, QORDlgTopOrLeft);
    attach(true, c, true, rng() % 3 == 0 ? QORDlgRightOrBottomRelative : QORDlgRightOrBottom);
  }
  for (int r = 0; r < R; ++r) {
    attach(false, r, false, QORDlgTopOrLeft);
    attach(false, r, true, rng() % 3 == 0 ? QORDlgRightOrBottomRelative : QORDlgRightOrBottom);
  }
  return run(win, kids, false);
}

TEST_F(Propagation, DeferredShiftsGiveTheEagerResult) {
  const unsigned long before = l_QORDlgLayoutManager::DeferredTransmissions();
  for (unsigned seed = 1; seed <= 60; ++seed) {
    const Shots eager = randomGrid(seed, false);
    EXPECT_EQ(randomGrid(seed, true), eager) << "grid seed " << seed;
    const Shots eagerTabs = randomTabs(seed, false);
    EXPECT_EQ(randomTabs(seed, true), eagerTabs) << "tabulation seed " << seed;
  }
  // The comparison means something only if shifts were actually deferred.
  EXPECT_GT(l_QORDlgLayoutManager::DeferredTransmissions(), before + 100);
}

TEST_F(Propagation, DenseGridSweepGivesTheEagerResult) {
  const unsigned long before = LayoutGridSweep::Count();
  for (unsigned seed = 1; seed <= 80; ++seed) {
    const Shots eager = denseGrid(seed, false);
    EXPECT_EQ(LayoutGridSweep::Count(), before + seed - 1) << "the plain walk must not sweep";
    EXPECT_EQ(denseGrid(seed, true), eager) << "dense grid seed " << seed;
  }
  // Every dense grid took the sweep.
  EXPECT_EQ(LayoutGridSweep::Count(), before + 80);
}

}  // namespace
