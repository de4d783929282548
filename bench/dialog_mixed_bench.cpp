// Dialogs of the sizes users open every day: 30 and 250 mixed objects (titled
// frames, each holding push, check and radio buttons, labels and separators
// on a 3 x 3 grid), built, laid out and shown through the toolkit, against
// raw Motif making the same widgets in a form dialog, the frames' children in
// XmForms with attachments. Shown means mapped by the window manager and
// drawn. The closing lines give the ratios of the two times (wall and CPU).
//
// With --rss, instead: the resident memory one object of such a dialog costs,
// from 1000 objects built and shown, toolkit against raw Motif, each measured
// in a process of its own so that neither reuses the other's freed heap.
#include <benchmark/benchmark.h>

#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/PushB.h>
#include <Xm/Separator.h>
#include <Xm/ToggleB.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "QORDlgCheckButton.h"
#include "QORDlgFrame.h"
#include "QORDlgLabel.h"
#include "QORDlgPushButton.h"
#include "QORDlgRadioButton.h"
#include "QORDlgSeparator.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {

// Each frame counts as one object and holds nine: N objects make N / 10 frames.
constexpr int kPerFrame = 9;
constexpr int kFrameSide = 3;
const char* const kTexts[] = {"Apply", "Visible", "Metric", "Length:", "", "Reset", "Hidden", "Imperial", "Width:"};


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

int frameColumns(int frames) { return static_cast<int>(std::ceil(std::sqrt(frames))); }

// ---- through the toolkit ----

QORDialog* tolvenControl(QORDialog* frame, int k) {
  switch (k % 5) {
    case 0: return new QORDlgPushButton(frame, "push", 0);
    case 1: return new QORDlgCheckButton(frame, "check", 0);
    case 2: return new QORDlgRadioButton(frame, "radio", 0);
    case 3: return new QORDlgLabel(frame, "label", 0);
    default: return new QORDlgSeparator(frame, "sep");
  }
}

TestDialog* tolvenDialog(int n) {
  auto* win = new TestDialog("BenchDialog", QORDlgGridLayout);
  const int frames = n / (kPerFrame + 1), cols = frameColumns(frames);
  for (int f = 0; f < frames; ++f) {
    auto* frame = new QORDlgFrame(win, "group", QORDlgGridLayout);
    frame->SetTitle(QORUnicodeString("Options"));
    frame->SetGridConstraints(static_cast<short>(f / cols), static_cast<short>(f % cols), 1, 1, 0);
    for (int k = 0; k < kPerFrame; ++k) {
      QORDialog* d = tolvenControl(frame, k);
      if (k % 5 != 4) d->SetTitle(QORUnicodeString(kTexts[k]));
      d->SetGridConstraints(static_cast<short>(k / kFrameSide), static_cast<short>(k % kFrameSide), 1, 1, 0);
    }
  }
  win->SetVisibility(QORDlgShown);
  PumpIdle();  // builds, lays out and pops the window up
  waitShown(win->shell());
  return win;
}

void BM_Tolven_Dialog(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TestDialog* win = tolvenDialog(n);
    state.PauseTiming();
    delete win;
    PumpIdle();
    drain();
    state.ResumeTiming();
  }
  state.counters["objects"] = n;
}
BENCHMARK(BM_Tolven_Dialog)->Arg(30)->Arg(250)->Unit(benchmark::kMicrosecond);

// ---- raw Motif ----

// Attaches a cell of a grid to the form's edges or to its left and upper neighbours.
int attach(Arg* a, int k, const std::vector<Widget>& cells, int i, int cols) {
  if (i % cols == 0) {
    XtSetArg(a[k], XmNleftAttachment, XmATTACH_FORM); ++k;
  } else {
    XtSetArg(a[k], XmNleftAttachment, XmATTACH_WIDGET); ++k;
    XtSetArg(a[k], XmNleftWidget, cells[i - 1]); ++k;
  }
  if (i < cols) {
    XtSetArg(a[k], XmNtopAttachment, XmATTACH_FORM); ++k;
  } else {
    XtSetArg(a[k], XmNtopAttachment, XmATTACH_WIDGET); ++k;
    XtSetArg(a[k], XmNtopWidget, cells[i - cols]); ++k;
  }
  return k;
}

Widget motifControl(Widget form, const std::vector<Widget>& cells, int k) {
  Arg a[10];
  int c = attach(a, 0, cells, k, kFrameSide);
  char* name = const_cast<char*>("cell");
  if (k % 5 == 4) return XmCreateSeparator(form, name, a, c);
  XmString s = XmStringCreateSimple(const_cast<char*>(kTexts[k]));
  XtSetArg(a[c], XmNlabelString, s); ++c;
  Widget w = nullptr;
  switch (k % 5) {
    case 0: w = XmCreatePushButton(form, name, a, c); break;
    case 1:
      XtSetArg(a[c], XmNindicatorType, XmN_OF_MANY); ++c;
      w = XmCreateToggleButton(form, name, a, c);
      break;
    case 2:
      XtSetArg(a[c], XmNindicatorType, XmONE_OF_MANY); ++c;
      w = XmCreateToggleButton(form, name, a, c);
      break;
    default: w = XmCreateLabel(form, name, a, c); break;
  }
  XmStringFree(s);
  return w;
}

Widget motifFrame(Widget form, const std::vector<Widget>& frames, int f, int cols) {
  Arg a[8];
  const int k = attach(a, 0, frames, f, cols);
  Widget frame = XmCreateFrame(form, const_cast<char*>("group"), a, k);
  XmString s = XmStringCreateSimple(const_cast<char*>("Options"));
  XtVaCreateManagedWidget("title", xmLabelWidgetClass, frame, XmNframeChildType, XmFRAME_TITLE_CHILD, XmNlabelString,
                          s, nullptr);
  XmStringFree(s);
  Widget inner = XtVaCreateWidget("work", xmFormWidgetClass, frame, nullptr);
  std::vector<Widget> cells(kPerFrame);
  for (int i = 0; i < kPerFrame; ++i) cells[i] = motifControl(inner, cells, i);
  XtManageChildren(cells.data(), kPerFrame);
  XtManageChild(inner);
  return frame;
}

// A dialog as a Motif program makes one: a form dialog (a dialog shell over an
// XmForm) under the application's shell, shown by managing the form.
Widget motifDialog(int n) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  Arg a[8];
  int k = 0;
  XtSetArg(a[k], XmNhorizontalSpacing, 1); ++k;
  XtSetArg(a[k], XmNverticalSpacing, 1); ++k;
  XtSetArg(a[k], XmNresizePolicy, XmRESIZE_ANY); ++k;
  XtSetArg(a[k], XmNautoUnmanage, False); ++k;
  Widget form = XmCreateFormDialog(l->GetWidget(), const_cast<char*>("RawDialog"), a, k);
  const int count = n / (kPerFrame + 1), cols = frameColumns(count);
  std::vector<Widget> frames(count);
  for (int f = 0; f < count; ++f) frames[f] = motifFrame(form, frames, f, cols);
  XtManageChildren(frames.data(), count);
  XtManageChild(form);
  waitShown(XtParent(form));
  return XtParent(form);
}

void BM_RawMotif_Dialog(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Widget shell = motifDialog(n);
    state.PauseTiming();
    XtDestroyWidget(shell);
    drain();
    state.ResumeTiming();
  }
  state.counters["objects"] = n;
}
BENCHMARK(BM_RawMotif_Dialog)->Arg(30)->Arg(250)->Unit(benchmark::kMicrosecond);

// ---- reporting ----


// ---- resident memory ----

long residentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * sysconf(_SC_PAGESIZE);
}

// In a child process of its own: a small dialog first (widget classes, fonts
// and caches both sides pay once), then the growth for 1000 objects more.
void measureResident(bool toolkit) {
  static char arg0[] = "dialog_mixed_bench";
  static char* xargv[] = {arg0, nullptr};
  app = new QORInteractiveApplication(nullptr, "DialogMixedBench");
  app->BuildApplicationEnvironment(1, xargv, environ);
  constexpr int kObjects = 1000;
  if (toolkit) tolvenDialog(30); else motifDialog(30);
  drain();
  const long before = residentBytes();
  if (toolkit) tolvenDialog(kObjects); else motifDialog(kObjects);
  drain();
  const long grown = residentBytes() - before;
  std::printf("%-9s %d objects: %ld KiB resident, %ld bytes per object\n", toolkit ? "toolkit" : "raw Motif",
              kObjects, grown / 1024, grown / kObjects);
  std::fflush(stdout);
}

int residentReport() {
  for (bool toolkit : {true, false}) {
    const pid_t pid = fork();
    if (pid == 0) {
      measureResident(toolkit);
      _exit(0);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
  }
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--rss") == 0) return residentReport();
  StartApplication("dialog_mixed_bench", "DialogMixedBench");
  benchmark::Initialize(&argc, argv);
  // Widget classes, fonts and converters are set up once per process: not
  // by whichever side happens to run first.
  delete tolvenDialog(30);
  XtDestroyWidget(motifDialog(30));
  PumpIdle();
  drain();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("dialog", "Dialog");
  return 0;
}
