// The standard boxes as users meet them: a Yes/No question box and a file
// selection box on a directory of a few hundred entries, built and shown
// (mapped by the window manager and drawn) through the toolkit, against raw
// Motif making the same dialogs. The closing lines give the ratios of the
// two times (wall and CPU).
#include <benchmark/benchmark.h>

#include <Xm/FileSB.h>
#include <Xm/MessageB.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "QORDlgFile.h"
#include "QORDlgNotify.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {
const char* const kDirectory = "/usr/include";

Widget top() { return app->GetLetterObject()->GetWidget(); }


// Both sides wait for the window manager's map and handle the exposures.
void waitShown(Widget shell) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  XSync(l->GetDisplay(), False);
  while (!Viewable(shell)) {
    while (XtAppPending(l->GetContext())) XtAppProcessEvent(l->GetContext(), XtIMAll);
    if (!Viewable(shell)) XtAppProcessEvent(l->GetContext(), XtIMAll);
  }
  drain();
}

Widget shellOf(QORDialog* box) { return XtParent(box->GetLetterObject()->GetBaseWidget(0)); }

template <class Box>
void runTolven(benchmark::State& state, Box* (*make)()) {
  for (auto _ : state) {
    Box* box = make();
    box->SetVisibility(QORDlgShown);
    PumpIdle();
    waitShown(shellOf(box));
    state.PauseTiming();
    delete box;
    PumpIdle();
    drain();
    state.ResumeTiming();
  }
}

void runMotif(benchmark::State& state, Widget (*make)()) {
  for (auto _ : state) {
    Widget box = make();
    XtManageChild(box);
    waitShown(XtParent(box));
    state.PauseTiming();
    XtDestroyWidget(XtParent(box));
    drain();
    state.ResumeTiming();
  }
}

QORDlgNotify* tolvenQuestion() {
  auto* n = new QORDlgNotify(app, "Question", QORDlgNotifyQuestion | QORDlgNotifyYesNo);
  n->SetText("Keep the changes?");
  return n;
}

Widget motifQuestion() {
  Widget box = XmCreateQuestionDialog(top(), const_cast<char*>("Question"), nullptr, 0);
  XmString text = XmStringCreateLocalized(const_cast<char*>("Keep the changes?"));
  XmString yes = XmStringCreateLocalized(const_cast<char*>("Yes")), no = XmStringCreateLocalized(const_cast<char*>("No"));
  XtVaSetValues(box, XmNmessageString, text, XmNokLabelString, yes, XmNcancelLabelString, no, nullptr);
  XmStringFree(text), XmStringFree(yes), XmStringFree(no);
  XtUnmanageChild(XmMessageBoxGetChild(box, XmDIALOG_HELP_BUTTON));
  return box;
}

QORDlgFile* tolvenFile() {
  auto* f = new QORDlgFile(app, "Open", 0);
  f->SetDirectory(kDirectory);
  return f;
}

Widget motifFile() {
  Widget box = XmCreateFileSelectionDialog(top(), const_cast<char*>("Open"), nullptr, 0);
  XmString dir = XmStringCreateLocalized(const_cast<char*>(kDirectory));
  XtVaSetValues(box, XmNdirectory, dir, nullptr);
  XmStringFree(dir);
  XtUnmanageChild(XmFileSelectionBoxGetChild(box, XmDIALOG_HELP_BUTTON));
  return box;
}

void BM_Tolven_Question(benchmark::State& s) { runTolven(s, tolvenQuestion); }
void BM_RawMotif_Question(benchmark::State& s) { runMotif(s, motifQuestion); }
void BM_Tolven_File(benchmark::State& s) { runTolven(s, tolvenFile); }
void BM_RawMotif_File(benchmark::State& s) { runMotif(s, motifFile); }
BENCHMARK(BM_Tolven_Question)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawMotif_Question)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Tolven_File)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawMotif_File)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  StartApplication("boxes_bench", "BoxesBench");
  benchmark::Initialize(&argc, argv);
  // Widget classes, fonts and converters are set up once per process: not
  // by whichever side happens to run first.
  for (QORDialog* box : std::vector<QORDialog*>{tolvenQuestion(), tolvenFile()}) {
    box->SetVisibility(QORDlgShown);
    PumpIdle();
    waitShown(shellOf(box));
    delete box;
  }
  for (Widget box : {motifQuestion(), motifFile()}) {
    XtManageChild(box);
    waitShown(XtParent(box));
    XtDestroyWidget(XtParent(box));
  }
  PumpIdle();
  drain();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("Question box", "Question");
  reporter.PrintRatios("File box", "File");
  return 0;
}
