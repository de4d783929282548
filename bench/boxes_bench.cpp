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

namespace {
QORInteractiveApplication* app = nullptr;
const char* const kDirectory = "/usr/include";

Widget top() { return app->GetLetterObject()->GetWidget(); }

void drain() {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  XSync(l->GetDisplay(), False);
  while (XtAppPending(l->GetContext())) XtAppProcessEvent(l->GetContext(), XtIMAll);
}

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

// The console output, and the wall and CPU times kept for the closing ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  struct Times {
    double wall = 0, cpu = 0;
  };
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration) times[r.benchmark_name()] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, Times> times;
};

void printRatios(const RatioReporter& reporter) {
  for (const char* box : {"Question", "File"}) {
    auto t = reporter.times.find(std::string("BM_Tolven_") + box), raw = reporter.times.find(std::string("BM_RawMotif_") + box);
    if (t == reporter.times.end() || raw == reporter.times.end() || raw->second.wall <= 0 || raw->second.cpu <= 0) continue;
    std::printf("%s box: toolkit / raw Motif = %.2f wall, %.2f CPU\n", box, t->second.wall / raw->second.wall,
                t->second.cpu / raw->second.cpu);
  }
}
}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "boxes_bench needs DISPLAY\n");
    return 1;
  }
  static char arg0[] = "boxes_bench";
  static char* xargv[] = {arg0, nullptr};
  app = new QORInteractiveApplication(nullptr, "BoxesBench");
  app->BuildApplicationEnvironment(1, xargv, environ);
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
  printRatios(reporter);
  return 0;
}
