// An application's main window with 200 controls (push buttons, check
// buttons and labels on a grid of 10 columns), built, laid out and shown:
// through the toolkit as a document window, against raw Motif making a
// top-level shell with an XmMainWindow whose work window is an XmForm holding
// the same widgets by attachments. Shown means mapped by the window manager
// and drawn. The closing line gives the ratios of the two times (wall, CPU).
#include <benchmark/benchmark.h>

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/MainW.h>
#include <Xm/PushB.h>
#include <Xm/ToggleB.h>

#include <vector>

#include "QORDlgCheckButton.h"
#include "QORDlgDocument.h"
#include "QORDlgLabel.h"
#include "QORDlgPushButton.h"
#include "l_QORDlgDocument.h"
#include "tolven_bench.h"
#include "tolven_test_dialog.h"

namespace {
using tolven_bench::app;
using tolven_bench::drain;
constexpr int kColumns = 10;
const char* const kTexts[] = {"Apply", "Visible", "Length:"};

// Both sides wait for the window manager's map and handle the exposures.
void waitShown(Widget w) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  XSync(l->GetDisplay(), False);
  while (!Viewable(w)) {
    while (XtAppPending(l->GetContext())) XtAppProcessEvent(l->GetContext(), XtIMAll);
    if (!Viewable(w)) XtAppProcessEvent(l->GetContext(), XtIMAll);
  }
  drain();
}

// ---- through the toolkit ----

QORDlgDocument* tolvenDocument(int n) {
  auto* doc = new QORDlgDocument(app, "BenchDocument", QORDlgGridLayout);
  for (int k = 0; k < n; ++k) {
    QORDialog* d = k % 3 == 0 ? static_cast<QORDialog*>(new QORDlgPushButton(doc, "push", 0))
                   : k % 3 == 1 ? static_cast<QORDialog*>(new QORDlgCheckButton(doc, "check", 0))
                                : static_cast<QORDialog*>(new QORDlgLabel(doc, "label", 0));
    d->SetTitle(QORUnicodeString(kTexts[k % 3]));
    d->SetGridConstraints(static_cast<short>(k / kColumns), static_cast<short>(k % kColumns), 1, 1, 0);
  }
  doc->SetVisibility(QORDlgShown);
  PumpIdle();  // builds, lays out and pops the window up
  waitShown(static_cast<l_QORDlgDocument*>(doc->GetLetterObject())->GetBaseWidget(0));
  return doc;
}

void BM_Tolven_Document(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    QORDlgDocument* doc = tolvenDocument(n);
    state.PauseTiming();
    delete doc;
    PumpIdle();
    drain();
    state.ResumeTiming();
  }
  state.counters["controls"] = n;
}
BENCHMARK(BM_Tolven_Document)->Arg(200)->Unit(benchmark::kMillisecond);

// ---- raw Motif ----

Widget motifControl(Widget form, const std::vector<Widget>& cells, int k) {
  Arg a[10];
  int c = 0;
  if (k % kColumns == 0) {
    XtSetArg(a[c], XmNleftAttachment, XmATTACH_FORM), ++c;
  } else {
    XtSetArg(a[c], XmNleftAttachment, XmATTACH_WIDGET), ++c;
    XtSetArg(a[c], XmNleftWidget, cells[k - 1]), ++c;
  }
  if (k < kColumns) {
    XtSetArg(a[c], XmNtopAttachment, XmATTACH_FORM), ++c;
  } else {
    XtSetArg(a[c], XmNtopAttachment, XmATTACH_WIDGET), ++c;
    XtSetArg(a[c], XmNtopWidget, cells[k - kColumns]), ++c;
  }
  XmString s = XmStringCreateSimple(const_cast<char*>(kTexts[k % 3]));
  XtSetArg(a[c], XmNlabelString, s), ++c;
  char* name = const_cast<char*>("cell");
  Widget w = k % 3 == 0 ? XmCreatePushButton(form, name, a, c)
             : k % 3 == 1 ? XmCreateToggleButton(form, name, a, c)
                          : XmCreateLabel(form, name, a, c);
  XmStringFree(s);
  return w;
}

Widget motifMainWindow(int n) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  Widget shell = XtVaCreatePopupShell("RawDocument", topLevelShellWidgetClass, l->GetWidget(), XmNvisual,
                                      l->GetVisual(), XmNdepth, l->GetDepth(), XmNcolormap, l->GetColormap(),
                                      nullptr);
  Widget main = XmCreateMainWindow(shell, const_cast<char*>("RawMw"), nullptr, 0);
  Widget form = XtVaCreateWidget("work", xmFormWidgetClass, main, nullptr);
  std::vector<Widget> cells(n);
  for (int k = 0; k < n; ++k) cells[k] = motifControl(form, cells, k);
  XtManageChildren(cells.data(), n);
  XmMainWindowSetAreas(main, nullptr, nullptr, nullptr, nullptr, form);
  XtManageChild(form);
  XtManageChild(main);
  XtPopup(shell, XtGrabNone);
  waitShown(form);
  return shell;
}

void BM_RawMotif_MainWindow(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Widget shell = motifMainWindow(n);
    state.PauseTiming();
    XtDestroyWidget(shell);
    drain();
    state.ResumeTiming();
  }
  state.counters["controls"] = n;
}
BENCHMARK(BM_RawMotif_MainWindow)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  tolven_bench::StartApplication("document_bench", "DocumentBench");
  benchmark::Initialize(&argc, argv);
  // Widget classes, fonts and converters are set up once per process.
  delete tolvenDocument(20);
  XtDestroyWidget(motifMainWindow(20));
  PumpIdle();
  drain();
  tolven_bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("document", "Document", "MainWindow");
  return 0;
}
