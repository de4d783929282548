// Building 1000 drawing areas under one parent: through QORDlgMotif objects
// and one idle pass, against raw Motif creating and managing the same widgets.
#include <benchmark/benchmark.h>

#include <Xm/BulletinB.h>
#include <Xm/DrawingA.h>
#include <X11/Shell.h>
#include <X11/IntrinsicP.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "QORDlgMotif.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {
constexpr int kAreas = 1000;

void BM_Tolven_MotifAreas(benchmark::State& state) {
  for (auto _ : state) {
    auto* win = new TestDialog("BenchWin");
    for (int i = 0; i < kAreas; ++i) new QORDlgMotif(win, "area", 0);
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    XSync(app->GetLetterObject()->GetDisplay(), False);
    state.PauseTiming();
    delete win;
    PumpIdle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Tolven_MotifAreas)->Unit(benchmark::kMillisecond);

// The same areas added to a box already on the screen.
void BM_Tolven_MotifAreasIntoShownBox(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto* win = new TestDialog("BenchShown");
    win->Show();
    state.ResumeTiming();
    for (int i = 0; i < kAreas; ++i) new QORDlgMotif(win, "area", 0);
    PumpIdle();
    XSync(app->GetLetterObject()->GetDisplay(), False);
    state.PauseTiming();
    delete win;
    PumpIdle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Tolven_MotifAreasIntoShownBox)->Unit(benchmark::kMillisecond);

// Deleting a shown box of N areas, up to the end of the idle pass that
// frees its objects.
void BM_Tolven_DeleteShownBox(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto* win = new TestDialog("BenchDelete");
    for (int i = 0; i < n; ++i) new QORDlgMotif(win, "area", 0);
    win->Show();
    state.ResumeTiming();
    delete win;
    PumpIdle();
    XSync(app->GetLetterObject()->GetDisplay(), False);
  }
}
BENCHMARK(BM_Tolven_DeleteShownBox)->Arg(1000)->Arg(4000)->Iterations(10)->Unit(benchmark::kMillisecond);

// Raw Motif: a board in a top-level shell, the areas created and managed in
// one call; `shownFirst` puts the board on the screen before (not timed).
// `timeDelete` times only the destruction of the shown board.
void runRawAreas(benchmark::State& state, bool shownFirst, bool timeDelete = false) {
  const int n = timeDelete ? static_cast<int>(state.range(0)) : kAreas;
  l_QORInteractiveApplication* l = app->GetLetterObject();
  for (auto _ : state) {
    if (shownFirst || timeDelete) state.PauseTiming();
    Widget shell = XtVaAppCreateShell("RawWin", "TolvenBench", topLevelShellWidgetClass, l->GetDisplay(), XmNwidth,
                                      300, XmNheight, 200, XmNvisual, l->GetVisual(), XmNdepth, l->GetDepth(),
                                      XmNcolormap, l->GetColormap(), nullptr);
    Widget board = XtVaCreateManagedWidget("work", xmBulletinBoardWidgetClass, shell, XmNwidth, 300, XmNheight, 200,
                                           XmNresizePolicy, XmRESIZE_NONE, nullptr);
    XtRealizeWidget(shell);
    if (shownFirst) {
      XtPopup(shell, XtGrabNone);
      PumpUntil([&] {
        XWindowAttributes a;
        return XGetWindowAttributes(l->GetDisplay(), XtWindow(shell), &a) && a.map_state == IsViewable;
      });
      if (!timeDelete) state.ResumeTiming();
    }
    std::vector<Widget> areas;
    areas.reserve(n);
    for (int i = 0; i < n; ++i) {
      Arg args[2];
      XtSetArg(args[0], XmNmarginWidth, 0);
      XtSetArg(args[1], XmNmarginHeight, 0);
      Widget a = XmCreateDrawingArea(board, const_cast<char*>("area"), args, 2);
      XtResizeWidget(a, 200, 200, 0);
      areas.push_back(a);
    }
    XtManageChildren(areas.data(), n);
    if (!shownFirst) XtPopup(shell, XtGrabNone);
    XSync(l->GetDisplay(), False);
    if (timeDelete) {
      PumpIdle();
      state.ResumeTiming();
    } else {
      state.PauseTiming();
    }
    XtDestroyWidget(shell);
    while (XtAppPending(l->GetContext())) XtAppProcessEvent(l->GetContext(), XtIMAll);
    XSync(l->GetDisplay(), False);
    if (!timeDelete) state.ResumeTiming();
  }
}
void BM_RawMotif_DrawingAreas(benchmark::State& state) { runRawAreas(state, false); }
void BM_RawMotif_DrawingAreasIntoShownBoard(benchmark::State& state) { runRawAreas(state, true); }
BENCHMARK(BM_RawMotif_DrawingAreas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawMotif_DrawingAreasIntoShownBoard)->Unit(benchmark::kMillisecond);
void BM_RawMotif_DeleteShownBoard(benchmark::State& state) { runRawAreas(state, true, true); }
BENCHMARK(BM_RawMotif_DeleteShownBoard)->Arg(1000)->Arg(4000)->Iterations(10)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  StartApplication("motif_area_bench", "MotifAreaBench");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
