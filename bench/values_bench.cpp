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

namespace {
QORInteractiveApplication* app = nullptr;
constexpr int kEach = 100;  // of each kind

void drain() {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  XSync(l->GetDisplay(), False);
  while (XtAppPending(l->GetContext())) XtAppProcessEvent(l->GetContext(), XtIMAll);
}

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

// The console output, and the mean real and CPU times of each side for the closing ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration) continue;
      Mean& m = r.benchmark_name() == "BM_Tolven_ValuesUpdate" ? toolkit : raw;
      ++m.n;
      m.real += (r.GetAdjustedRealTime() - m.real) / m.n;
      m.cpu += (r.GetAdjustedCPUTime() - m.cpu) / m.n;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  struct Mean {
    double real = 0, cpu = 0;
    int n = 0;
  } toolkit, raw;
};
}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "values_bench needs DISPLAY\n");
    return 1;
  }
  static char arg0[] = "values_bench";
  static char* xargv[] = {arg0, nullptr};
  app = new QORInteractiveApplication(nullptr, "ValuesBench");
  app->BuildApplicationEnvironment(1, xargv, environ);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (reporter.raw.real > 0 && reporter.raw.cpu > 0)
    std::printf("values, %d of each kind: toolkit / raw Motif = %.2f (real), %.2f (CPU)\n", kEach,
                reporter.toolkit.real / reporter.raw.real, reporter.toolkit.cpu / reporter.raw.cpu);
  return 0;
}
