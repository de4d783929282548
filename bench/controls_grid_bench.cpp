// A window of N mixed controls (push, check and radio buttons, labels) on a
// square grid, built, laid out and shown: through the toolkit, against raw
// Motif creating the same widgets in an XmForm with attachments. The closing
// line gives the ratio of the two times for each N. Both sides are timed
// until the window is mapped and drawn, in the same render table: the Xft
// default, or the X core fonts when TOLVEN_CATALOG_PATH leads to a "Dialog"
// catalog naming them (bench/core-fonts/Dialog.catalog).
#include <benchmark/benchmark.h>

#include <X11/Shell.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/PushB.h>
#include <Xm/ToggleB.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <map>
#include <string>
#include <vector>

#include "QORDlgCheckButton.h"
#include "QORDlgLabel.h"
#include "QORDlgPushButton.h"
#include "QORDlgRadioButton.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {


// Waits for the window manager to map `shell`, then draws every exposure:
// both sides are timed up to the window drawn on screen.
void drawn(Widget shell) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  // The shell's map arrives as an event, so waiting for one is enough.
  while (!Viewable(shell)) XtAppProcessEvent(l->GetContext(), XtIMXEvent);
  drain();
}

const char* const kTexts[] = {"Apply", "Visible", "Metric", "Length:"};

int gridColumns(int n) { return static_cast<int>(std::ceil(std::sqrt(n))); }

// The toolkit's window of `n` controls, built, laid out and drawn.
// Not inlined: callgrind counts it by name (--toggle-collect=*tolvenGrid*).
[[gnu::noinline]] TestDialog* tolvenGrid(int n) {
  const int cols = gridColumns(n);
  auto* win = new TestDialog("BenchControls", QORDlgGridLayout);
  for (int i = 0; i < n; ++i) {
    QORDialog* d = nullptr;
    switch (i % 4) {
      case 0: d = new QORDlgPushButton(win, "push", 0); break;
      case 1: d = new QORDlgCheckButton(win, "check", 0); break;
      case 2: d = new QORDlgRadioButton(win, "radio", 0); break;
      default: d = new QORDlgLabel(win, "label", 0); break;
    }
    d->SetTitle(QORUnicodeString(kTexts[i % 4]));
    d->SetGridConstraints(static_cast<short>(i / cols), static_cast<short>(i % cols), 1, 1, 0);
  }
  win->SetVisibility(QORDlgShown);
  PumpIdle();  // builds, lays out and shows the window
  drawn(win->shell());
  return win;
}

void BM_Tolven_ControlsGrid(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TestDialog* win = tolvenGrid(n);
    state.PauseTiming();
    delete win;
    PumpIdle();
    drain();
    state.ResumeTiming();
  }
  state.counters["controls"] = n;
}
BENCHMARK(BM_Tolven_ControlsGrid)->Arg(1000)->Unit(benchmark::kMillisecond);

// Raw Motif's window of the same `n` widgets in an XmForm, drawn.
[[gnu::noinline]] Widget motifGrid(int n) {
  const int cols = gridColumns(n);
  l_QORInteractiveApplication* l = app->GetLetterObject();
  Widget shell = XtVaAppCreateShell("RawControls", "TolvenBench", topLevelShellWidgetClass, l->GetDisplay(),
                                    XmNvisual, l->GetVisual(), XmNdepth, l->GetDepth(), XmNcolormap,
                                    l->GetColormap(), nullptr);
  Widget form = XtVaCreateWidget("form", xmFormWidgetClass, shell, XmNhorizontalSpacing, 1, XmNverticalSpacing, 1,
                                 XmNresizePolicy, XmRESIZE_ANY, nullptr);
  std::vector<Widget> cells(n);
  for (int i = 0; i < n; ++i) {
    const int r = i / cols, c = i % cols;
    XmString s = XmStringCreateSimple(const_cast<char*>(kTexts[i % 4]));
    Arg a[10];
    int k = 0;
    XtSetArg(a[k], XmNlabelString, s); ++k;
    XtSetArg(a[k], XmNrenderTable, GlobalXResources.documentFontList); ++k;
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
    char* name = const_cast<char*>("cell");
    switch (i % 4) {
      case 0: cells[i] = XmCreatePushButton(form, name, a, k); break;
      case 1:
        XtSetArg(a[k], XmNindicatorType, XmN_OF_MANY); ++k;
        cells[i] = XmCreateToggleButton(form, name, a, k);
        break;
      case 2:
        XtSetArg(a[k], XmNindicatorType, XmONE_OF_MANY); ++k;
        cells[i] = XmCreateToggleButton(form, name, a, k);
        break;
      default: cells[i] = XmCreateLabel(form, name, a, k); break;
    }
    XmStringFree(s);
  }
  XtManageChildren(cells.data(), n);
  XtManageChild(form);
  XtRealizeWidget(shell);
  XtPopup(shell, XtGrabNone);
  drawn(shell);
  return shell;
}

void BM_RawMotif_ControlsForm(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Widget shell = motifGrid(n);
    state.PauseTiming();
    XtDestroyWidget(shell);
    drain();
    state.ResumeTiming();
  }
  state.counters["controls"] = n;
}
BENCHMARK(BM_RawMotif_ControlsForm)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  StartApplication("controls_grid_bench", "ControlsGridBench");
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("controls", "ControlsGrid", "ControlsForm");
  return 0;
}
