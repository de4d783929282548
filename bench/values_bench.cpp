// N spinners, sliders and scroll bars, shown once, then given new values in
// each iteration: through the toolkit (setters, then one idle pass that
// pushes them into the widgets), against raw Motif setting the same widgets
// directly. The closing line gives the ratio of the two times.
#include <benchmark/benchmark.h>

#include <X11/Shell.h>
#include <Xm/Form.h>
#include <Xm/RowColumn.h>
#include <Xm/Scale.h>
#include <Xm/ScrollBar.h>
#include <Xm/Text.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "QORDlgScrollBar.h"
#include "QORDlgSlider.h"
#include "QORDlgSpinner.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {
constexpr int kEach = 100;  // of each kind


void BM_Tolven_ValuesUpdate(benchmark::State& state) {
  auto* win = new TestDialog("BenchValues", QORDlgGridLayout);
  std::vector<QORDlgSpinner*> spinners;
  std::vector<QORDlgSlider*> sliders;
  std::vector<QORDlgScrollBar*> bars;
  for (short i = 0; i < kEach; ++i) {
    spinners.push_back(new QORDlgSpinner(win, "spin", 0));
    sliders.push_back(new QORDlgSlider(win, "slide", 0));
    bars.push_back(new QORDlgScrollBar(win, "bar", 0));
    spinners.back()->SetGridConstraints(i % 25, static_cast<short>(3 * (i / 25)), 1, 1, 0);
    sliders.back()->SetGridConstraints(i % 25, static_cast<short>(3 * (i / 25) + 1), 1, 1, 0);
    bars.back()->SetGridConstraints(i % 25, static_cast<short>(3 * (i / 25) + 2), 1, 1, 0);
  }
  win->SetVisibility(QORDlgShown);
  PumpIdle();
  drain();
  int round = 0;
  for (auto _ : state) {
    ++round;
    for (int i = 0; i < kEach; ++i) {
      spinners[i]->SetCurrentValue(static_cast<float>((i + round) % 10), 0);
      sliders[i]->SetCurrentValue(static_cast<float>((i + round) % 100), 0);
      bars[i]->SetScrollPos((i + round) % 90, 0);
    }
    PumpIdle();
    XSync(app->GetLetterObject()->GetDisplay(), False);
  }
  delete win;  // after the timed loop
  PumpIdle();
  drain();
}
BENCHMARK(BM_Tolven_ValuesUpdate)->Unit(benchmark::kMicrosecond);

void BM_RawMotif_ValuesUpdate(benchmark::State& state) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  Widget shell = XtVaAppCreateShell("RawValues", "TolvenBench", topLevelShellWidgetClass, l->GetDisplay(), XmNvisual,
                                    l->GetVisual(), XmNdepth, l->GetDepth(), XmNcolormap, l->GetColormap(), nullptr);
  Widget box = XtVaCreateWidget("box", xmRowColumnWidgetClass, shell, XmNnumColumns, 12, XmNpacking, XmPACK_COLUMN,
                                nullptr);
  std::vector<Widget> texts, scales, bars;
  for (int i = 0; i < kEach; ++i) {
    texts.push_back(XtVaCreateManagedWidget("spin", xmTextWidgetClass, box, XmNcolumns, 5, nullptr));
    scales.push_back(XtVaCreateManagedWidget("slide", xmScaleWidgetClass, box, XmNorientation, XmHORIZONTAL,
                                             XmNshowValue, True, nullptr));
    bars.push_back(XtVaCreateManagedWidget("bar", xmScrollBarWidgetClass, box, XmNorientation, XmHORIZONTAL, nullptr));
  }
  XtManageChild(box);
  XtRealizeWidget(shell);
  XtPopup(shell, XtGrabNone);
  drain();
  int round = 0;
  for (auto _ : state) {
    ++round;
    for (int i = 0; i < kEach; ++i) {
      char text[32];
      std::snprintf(text, sizeof text, "%f", static_cast<double>((i + round) % 10));
      XmTextSetString(texts[i], text);
      XmScaleSetValue(scales[i], (i + round) % 100);
      XtVaSetValues(bars[i], XmNvalue, (i + round) % 90, nullptr);
    }
    XSync(l->GetDisplay(), False);
  }
  XtDestroyWidget(shell);
  drain();
}
BENCHMARK(BM_RawMotif_ValuesUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  StartApplication("values_bench", "ValuesBench");
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("values, " + std::to_string(kEach) + " of each kind", "ValuesUpdate");
  return 0;
}
