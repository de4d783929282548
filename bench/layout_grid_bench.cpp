// A grid of N push-button-sized children laid out and then resized 20 times:
// through a grid-style dialog box (one resizable column and row), against raw
// Motif doing the same arrangement with an XmForm and widget attachments.
#include <benchmark/benchmark.h>

#include <Xm/DrawingA.h>
#include <Xm/Form.h>
#include <X11/IntrinsicP.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

#include "QORDlgGridConstraints.h"
#include "QORDlgMotif.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {
constexpr int kResizes = 20;
constexpr int kW = 60, kH = 20;


// staggered: each column a pixel taller than the one before, so every column
// pushes the rows below it down through the columns already placed.
void runTolvenGrid(benchmark::State& state, bool staggered) {
  const int n = static_cast<int>(state.range(0));
  const int cols = static_cast<int>(std::ceil(std::sqrt(n)));
  for (auto _ : state) {
    auto* win = new TestDialog("BenchGrid", QORDlgGridLayout);
    for (int i = 0; i < n; ++i) {
      auto* m = new QORDlgMotif(win, "cell", 0);
      m->GetLetterObject()->SetRectDimensions(1, 1, kH + (staggered ? i % cols : 0), kW, 0);
      m->SetGridConstraints(static_cast<short>(i / cols), static_cast<short>(i % cols), 1, 1, 0x1E);
    }
    win->SetGridColumnResizable(cols - 1, 1);
    win->SetGridRowResizable((n - 1) / cols, 1);
    // Built, laid out (the first sizing) and mapped.
    if (!win->Show()) state.SkipWithError("the dialog box was not mapped");
    // Resized as the form is below: the work area grows, its resize callback
    // passes the size on to the layout.
    Widget work = XtParent(win->typed->GetInnerArea());
    Dimension w = 0, h = 0;
    XtVaGetValues(work, XmNwidth, &w, XmNheight, &h, nullptr);
    for (int r = 1; r <= kResizes; ++r) XtResizeWidget(work, w + 7 * r, h + 5 * r, 0);
    XSync(app->GetLetterObject()->GetDisplay(), False);
    int lw = 0, lh = 0;
    win->layoutSize(lw, lh);
    if (lw != w + 7 * kResizes + 1 || lh != h + 5 * kResizes + 1) state.SkipWithError("the layout missed a resize");
    state.PauseTiming();
    delete win;
    PumpIdle();
    drain();
    state.ResumeTiming();
  }
  state.counters["children"] = n;
}
void BM_Tolven_GridLayout(benchmark::State& state) { runTolvenGrid(state, false); }
void BM_Tolven_GridLayoutStaggered(benchmark::State& state) { runTolvenGrid(state, true); }
BENCHMARK(BM_Tolven_GridLayoutStaggered)->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tolven_GridLayout)->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_RawMotif_FormGrid(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const int cols = static_cast<int>(std::ceil(std::sqrt(n)));
  l_QORInteractiveApplication* l = app->GetLetterObject();
  for (auto _ : state) {
    Widget shell = XtVaAppCreateShell("RawGrid", "TolvenBench", topLevelShellWidgetClass, l->GetDisplay(), XmNvisual,
                                      l->GetVisual(), XmNdepth, l->GetDepth(), XmNcolormap, l->GetColormap(), nullptr);
    Widget form = XtVaCreateWidget("form", xmFormWidgetClass, shell, XmNhorizontalSpacing, 1, XmNverticalSpacing, 1,
                                   XmNresizePolicy, XmRESIZE_ANY, nullptr);
    std::vector<Widget> cells(n);
    const int rows = (n + cols - 1) / cols;
    for (int i = 0; i < n; ++i) {
      const int r = i / cols, c = i % cols;
      Arg a[12];
      int k = 0;
      XtSetArg(a[k], XmNwidth, kW); ++k;
      XtSetArg(a[k], XmNheight, kH); ++k;
      XtSetArg(a[k], XmNmarginWidth, 0); ++k;
      XtSetArg(a[k], XmNmarginHeight, 0); ++k;
      if (c == 0) {
        XtSetArg(a[k], XmNleftAttachment, XmATTACH_FORM); ++k;
      } else {
        XtSetArg(a[k], XmNleftAttachment, XmATTACH_WIDGET); ++k;
        XtSetArg(a[k], XmNleftWidget, cells[i - 1]); ++k;
      }
      if (r == 0) {
        XtSetArg(a[k], XmNtopAttachment, XmATTACH_FORM); ++k;
      } else {
        XtSetArg(a[k], XmNtopAttachment, XmATTACH_WIDGET); ++k;
        XtSetArg(a[k], XmNtopWidget, cells[i - cols]); ++k;
      }
      // The last column and the last row stretch, as the resizable ones do.
      if (c == cols - 1) {
        XtSetArg(a[k], XmNrightAttachment, XmATTACH_FORM); ++k;
      }
      if (r == rows - 1) {
        XtSetArg(a[k], XmNbottomAttachment, XmATTACH_FORM); ++k;
      }
      cells[i] = XmCreateDrawingArea(form, const_cast<char*>("cell"), a, k);
    }
    XtManageChildren(cells.data(), n);
    XtManageChild(form);
    XtRealizeWidget(shell);
    XtPopup(shell, XtGrabNone);
    // Mapped through the window manager, as the dialog box is.
    PumpUntil([&] {
      XWindowAttributes a;
      return XGetWindowAttributes(l->GetDisplay(), XtWindow(shell), &a) && a.map_state == IsViewable;
    });
    Dimension w = 0, h = 0;
    XtVaGetValues(form, XmNwidth, &w, XmNheight, &h, nullptr);
    for (int r = 1; r <= kResizes; ++r) XtResizeWidget(form, w + 7 * r, h + 5 * r, 0);
    XSync(l->GetDisplay(), False);
    state.PauseTiming();
    XtDestroyWidget(shell);
    drain();
    state.ResumeTiming();
  }
  state.counters["children"] = n;
}
BENCHMARK(BM_RawMotif_FormGrid)->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  StartApplication("layout_grid_bench", "LayoutGridBench");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
