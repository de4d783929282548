// The list controls against raw Motif doing the same work: filling a list box
// and a three-column table with many lines in one call and showing them
// (raw: XmListAddItemsUnselected of the same texts, per column); adding lines one call
// at a time (the toolkit's cost per line stays flat); scrolling one page of a
// windowed table of 1000 and of 1 000 000 lines; and the memory per line.
// The table is also filled one line per call and column: its time per line
// stays flat too.
// The closing lines give the ratios. Memory is measured by RSS, so run each
// BM_Memory_* alone (--benchmark_filter) in a fresh process.
// Like with like: the texts are made before the clock runs, raw Motif makes
// its compound strings as the toolkit does for a plain text (XmStringCreate,
// default tag), and its lists take the toolkit's colours and font.
#include <benchmark/benchmark.h>

#include <X11/Shell.h>
#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "QORDlgMultiList.h"
#include "QORDlgSelectorList.h"
#include "l_QORInteractiveApplication.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {


// N texts of about 40 characters, column by column, made once.
const std::vector<QORUnicodeString>& texts(int n, int column = 0) {
  static std::map<std::pair<int, int>, std::vector<QORUnicodeString>> made;
  auto& v = made[{n, column}];
  if (v.empty())
    for (int i = 0; i < n; ++i)
      v.emplace_back("column " + std::to_string(column) + " line " + std::to_string(i) + " of the bench table");
  return v;
}

Widget rawShell() {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  return XtVaAppCreateShell("RawLists", "TolvenBench", topLevelShellWidgetClass, l->GetDisplay(), XmNvisual,
                            l->GetVisual(), XmNdepth, l->GetDepth(), XmNcolormap, l->GetColormap(), nullptr);
}

XmString rawString(const QORUnicodeString& t) {
  return XmStringCreate(const_cast<char*>(t.c_str()), const_cast<char*>(XmFONTLIST_DEFAULT_TAG));
}

// The colours and font the toolkit gives its controls, after `n` arguments.
Cardinal lookArgs(Arg* a, Cardinal n) {
  if (!GlobalXResources.enabled) return n;
  XtSetArg(a[n], XmNbackground, GlobalXResources.documentBackground), ++n;
  XtSetArg(a[n], XmNforeground, GlobalXResources.documentForeground), ++n;
  if (GlobalXResources.documentFontList) XtSetArg(a[n], XmNfontList, GlobalXResources.documentFontList), ++n;
  return n;
}

void addAll(Widget list, const std::vector<QORUnicodeString>& lines) {
  std::vector<XmString> items;
  items.reserve(lines.size());
  for (const QORUnicodeString& t : lines) items.push_back(rawString(t));
  XmListAddItemsUnselected(list, items.data(), static_cast<int>(items.size()), 0);
  for (XmString s : items) XmStringFree(s);
}

// A raw scrolled list under `parent` holding the texts, added in one call.
Widget rawList(Widget parent, const std::vector<QORUnicodeString>& lines) {
  Arg a[5];
  XtSetArg(a[0], XmNvisibleItemCount, 10);
  Widget list = XmCreateScrolledList(parent, const_cast<char*>("raw"), a, lookArgs(a, 1));
  addAll(list, lines);
  XtManageChild(list);
  return list;
}

// The table as a Motif program builds it: in an application-scrolled window,
// three lists of one width side by side in a form, and one scroll bar that
// would move them all.
void rawTable(Widget shell, const std::vector<const std::vector<QORUnicodeString>*>& columns) {
  Widget window = XtVaCreateManagedWidget("table", xmScrolledWindowWidgetClass, shell, XmNscrollingPolicy,
                                          XmAPPLICATION_DEFINED, XmNvisualPolicy, XmVARIABLE, nullptr);
  Widget form = XtVaCreateManagedWidget("form", xmFormWidgetClass, window, nullptr);
  Widget bar = XtVaCreateManagedWidget("bar", xmScrollBarWidgetClass, window, XmNorientation, XmVERTICAL,
                                       XmNmaximum, static_cast<int>(columns[0]->size()), XmNsliderSize, 10, nullptr);
  XtVaSetValues(window, XmNworkWindow, form, XmNverticalScrollBar, bar, nullptr);
  Widget previous = nullptr;
  for (const auto* lines : columns) {
    Arg a[9];
    XtSetArg(a[0], XmNvisibleItemCount, 10);
    XtSetArg(a[1], XmNlistSizePolicy, XmCONSTANT);
    XtSetArg(a[2], XmNwidth, 280);
    XtSetArg(a[3], XmNleftAttachment, previous ? XmATTACH_WIDGET : XmATTACH_FORM);
    XtSetArg(a[4], XmNleftWidget, previous);
    XtSetArg(a[5], XmNtopAttachment, XmATTACH_FORM);
    Widget list = XmCreateList(form, const_cast<char*>("raw"), a, lookArgs(a, 6));
    addAll(list, *lines);
    XtManageChild(list);
    previous = list;
  }
}

void showRaw(Widget shell) {
  XtRealizeWidget(shell);
  XtPopup(shell, XtGrabNone);
  drain();
}

void closeToolkit(TestDialog* win) {
  delete win;
  PumpIdle();
  drain();
}

// ---- filling in one call, then showing ----

void BM_Tolven_SelectorFill(benchmark::State& state) {
  const auto& lines = texts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto* win = new TestDialog("BenchSelector");
    auto* list = new QORDlgSelectorList(win, "List");
    list->SetLine(lines.data(), static_cast<int>(lines.size()));
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    drain();
    state.PauseTiming();
    closeToolkit(win);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Tolven_SelectorFill)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RawMotif_SelectorFill(benchmark::State& state) {
  const auto& lines = texts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Widget shell = rawShell();
    Widget form = XtVaCreateManagedWidget("form", xmFormWidgetClass, shell, nullptr);
    rawList(form, lines);
    showRaw(shell);
    state.PauseTiming();
    XtDestroyWidget(shell);
    drain();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RawMotif_SelectorFill)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Tolven_TableFill(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<QORUnicodeString>* columns[] = {&texts(n, 0), &texts(n, 1), &texts(n, 2)};
  for (auto _ : state) {
    auto* win = new TestDialog("BenchTable");
    auto* table = new QORDlgMultiList(win, "Table");
    for (int c = 0; c < 3; ++c) table->SetColumnItems(c, columns[c]->data(), n);
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    drain();
    state.PauseTiming();
    closeToolkit(win);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Tolven_TableFill)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RawMotif_TableFill(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<const std::vector<QORUnicodeString>*> columns = {&texts(n, 0), &texts(n, 1), &texts(n, 2)};
  for (auto _ : state) {
    Widget shell = rawShell();
    rawTable(shell, columns);
    showRaw(shell);
    state.PauseTiming();
    XtDestroyWidget(shell);
    drain();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RawMotif_TableFill)->Arg(100000)->Unit(benchmark::kMillisecond);

// ---- one line per call: the toolkit's time per line stays flat ----

void BM_Tolven_SelectorOneByOne(benchmark::State& state) {
  const auto& lines = texts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto* win = new TestDialog("BenchOneByOne");
    auto* list = new QORDlgSelectorList(win, "List");
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    for (const QORUnicodeString& t : lines) list->SetLine(t);
    PumpIdle();
    drain();
    state.PauseTiming();
    closeToolkit(win);
    state.ResumeTiming();
  }
  state.counters["s_per_line"] = benchmark::Counter(static_cast<double>(lines.size()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_Tolven_SelectorOneByOne)->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Tolven_TableOneByOne(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<QORUnicodeString>* columns[] = {&texts(n, 0), &texts(n, 1), &texts(n, 2)};
  for (auto _ : state) {
    auto* win = new TestDialog("BenchTableOneByOne");
    auto* table = new QORDlgMultiList(win, "Table");
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    for (int i = 0; i < n; ++i)
      for (int c = 0; c < 3; ++c) table->SetColumnItems(c, &(*columns[c])[static_cast<size_t>(i)], 1);
    PumpIdle();
    drain();
    state.PauseTiming();
    closeToolkit(win);
    state.ResumeTiming();
  }
  state.counters["s_per_line"] = benchmark::Counter(
      static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Tolven_TableOneByOne)->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RawMotif_SelectorOneByOne(benchmark::State& state) {
  const auto& lines = texts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Widget shell = rawShell();
    Widget form = XtVaCreateManagedWidget("form", xmFormWidgetClass, shell, nullptr);
    Widget list = rawList(form, {});
    showRaw(shell);
    for (const QORUnicodeString& t : lines) {
      XmString s = rawString(t);
      XmListAddItemUnselected(list, s, 0);
      XmStringFree(s);
    }
    drain();
    state.PauseTiming();
    XtDestroyWidget(shell);
    drain();
    state.ResumeTiming();
  }
  state.counters["s_per_line"] = benchmark::Counter(static_cast<double>(lines.size()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_RawMotif_SelectorOneByOne)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

// ---- windowed scrolling: one page down and back up ----

void BM_Tolven_WindowedPage(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto* win = new TestDialog("BenchWindowed");
  auto* table = new QORDlgMultiList(win, "Table", QORDlgListWindowed);
  // Texts of one width whatever the line count, so both draw the same.
  std::vector<QORUnicodeString> column(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const std::string digits = std::to_string(i);
    column[static_cast<size_t>(i)] = QORUnicodeString(std::string(7 - digits.size(), '0') + digits);
  }
  for (int c = 0; c < 3; ++c) table->SetColumnItems(c, column.data(), n);
  win->SetVisibility(QORDlgShown);
  PumpIdle();
  drain();
  int top = n / 2;
  for (auto _ : state) {
    top = top == n / 2 ? n / 2 + 10 : n / 2;
    table->SetFirstLine(top);
    drain();
  }
  closeToolkit(win);
}
BENCHMARK(BM_Tolven_WindowedPage)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// ---- memory per line (RSS), each alone in its process ----

long residentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

void BM_Memory_Tolven(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<QORUnicodeString> lines;
  for (int i = 0; i < n; ++i) lines.emplace_back(std::string(40, static_cast<char>('a' + i % 26)));
  const long before = residentBytes();
  TestDialog* win = nullptr;
  for (auto _ : state) {
    win = new TestDialog("BenchMemory");
    auto* list = new QORDlgSelectorList(win, "List");
    list->SetLine(lines.data(), n);
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    drain();
  }
  state.counters["bytes_per_line"] = static_cast<double>(residentBytes() - before) / n;
  closeToolkit(win);
}
BENCHMARK(BM_Memory_Tolven)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Memory_RawMotif(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<QORUnicodeString> lines;
  for (int i = 0; i < n; ++i) lines.emplace_back(std::string(40, static_cast<char>('a' + i % 26)));
  const long before = residentBytes();
  Widget shell = nullptr;
  for (auto _ : state) {
    shell = rawShell();
    Widget form = XtVaCreateManagedWidget("form", xmFormWidgetClass, shell, nullptr);
    rawList(form, lines);
    showRaw(shell);
  }
  state.counters["bytes_per_line"] = static_cast<double>(residentBytes() - before) / n;
  XtDestroyWidget(shell);
}
BENCHMARK(BM_Memory_RawMotif)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The three-column table against three raw lists of the same texts.
void BM_Memory_TolvenTable(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<QORUnicodeString>* columns[] = {&texts(n, 0), &texts(n, 1), &texts(n, 2)};
  const long before = residentBytes();
  TestDialog* win = nullptr;
  for (auto _ : state) {
    win = new TestDialog("BenchMemoryTable");
    auto* table = new QORDlgMultiList(win, "Table");
    for (int c = 0; c < 3; ++c) table->SetColumnItems(c, columns[c]->data(), n);
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    drain();
  }
  state.counters["bytes_per_line"] = static_cast<double>(residentBytes() - before) / n;
  closeToolkit(win);
}
BENCHMARK(BM_Memory_TolvenTable)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Memory_RawMotifTable(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<const std::vector<QORUnicodeString>*> columns = {&texts(n, 0), &texts(n, 1), &texts(n, 2)};
  const long before = residentBytes();
  Widget shell = nullptr;
  for (auto _ : state) {
    shell = rawShell();
    rawTable(shell, columns);
    showRaw(shell);
  }
  state.counters["bytes_per_line"] = static_cast<double>(residentBytes() - before) / n;
  XtDestroyWidget(shell);
}
BENCHMARK(BM_Memory_RawMotifTable)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  StartApplication("lists_bench", "ListsBench");
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("list box, 100000 lines", "BM_Tolven_SelectorFill/100000", "BM_RawMotif_SelectorFill/100000");
  reporter.PrintRatio("3-column table, 100000 lines", "BM_Tolven_TableFill/100000", "BM_RawMotif_TableFill/100000");
  reporter.PrintRatio("windowed page", "BM_Tolven_WindowedPage/1000000", "BM_Tolven_WindowedPage/1000",
                      "1000000 / 1000 lines");
  return 0;
}
