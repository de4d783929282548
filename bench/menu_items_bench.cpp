// A menu of N push items built and posted: through the toolkit (a sub-menu
// of a window's menu bar, filled and built by the idle pass), against raw
// Motif creating the same pull-down pane, cascade button and push buttons
// under a menu bar. The windows exist before the timing starts; the closing
// line gives the ratio of the two times.
#include <benchmark/benchmark.h>

#include <X11/Shell.h>
#include <Xm/CascadeB.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "QORDlgBarMenu.h"
#include "QORDlgPushItem.h"
#include "QORDlgSubMenu.h"
#include "tolven_test_dialog.h"

namespace {
QORInteractiveApplication* app = nullptr;

Display* display() { return app->GetLetterObject()->GetDisplay(); }

void drain() {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  XSync(l->GetDisplay(), False);
  while (XtAppPending(l->GetContext())) XtAppProcessEvent(l->GetContext(), XtIMAll);
}

// Posts a pane as its cascade button would, waits for the server, and takes it down.
void post(Widget pane) {
  XtManageChild(pane);
  XSync(display(), False);
}

void BM_Tolven_MenuItems(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto* win = new TestDialog("BenchMenus");
  Area(win, "Area", 200, 100);
  auto* bar = new QORDlgBarMenu(win, "Bar");
  win->Show();
  PumpIdle();
  for (auto _ : state) {
    auto* menu = new QORDlgSubMenu(bar, "Items");
    menu->SetTitle("Items");
    for (int i = 0; i < n; ++i) new QORDlgPushItem(menu, "item");
    PumpIdle();  // builds the pane, the cascade button and the items
    post(menu->GetLetterObject()->GetBaseWidget(0));
    state.PauseTiming();
    XtUnmanageChild(menu->GetLetterObject()->GetBaseWidget(0));
    delete menu;
    PumpIdle();
    drain();
    state.ResumeTiming();
  }
  delete win;
  PumpIdle();
  state.counters["items"] = n;
}
BENCHMARK(BM_Tolven_MenuItems)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_RawMotif_MenuItems(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  l_QORInteractiveApplication* l = app->GetLetterObject();
  Widget shell = XtVaAppCreateShell("RawMenus", "TolvenBench", topLevelShellWidgetClass, l->GetDisplay(), XmNvisual,
                                    l->GetVisual(), XmNdepth, l->GetDepth(), XmNcolormap, l->GetColormap(), nullptr);
  Widget bar = XmCreateMenuBar(shell, const_cast<char*>("bar"), nullptr, 0);
  XtManageChild(bar);
  XtRealizeWidget(shell);
  XtPopup(shell, XtGrabNone);
  drain();
  for (auto _ : state) {
    Arg a[3];
    XtSetArg(a[0], XmNvisual, l->GetVisual());
    XtSetArg(a[1], XmNdepth, l->GetDepth());
    XtSetArg(a[2], XmNcolormap, l->GetColormap());
    Widget pane = XmCreatePulldownMenu(bar, const_cast<char*>("Items"), a, 3);
    XmString title = XmStringCreateLocalized(const_cast<char*>("Items"));
    Widget cascade = XtVaCreateManagedWidget("ItemsBt", xmCascadeButtonWidgetClass, bar, XmNsubMenuId, pane,
                                             XmNlabelString, title, nullptr);
    XmStringFree(title);
    std::vector<Widget> items(n);
    XmString label = XmStringCreateLocalized(const_cast<char*>("item"));
    for (int i = 0; i < n; ++i) {
      Arg b[1];
      XtSetArg(b[0], XmNlabelString, label);
      items[i] = XmCreatePushButton(pane, const_cast<char*>("item"), b, 1);
    }
    XmStringFree(label);
    XtManageChildren(items.data(), n);
    post(pane);
    state.PauseTiming();
    XtUnmanageChild(pane);
    XtDestroyWidget(cascade);
    XtDestroyWidget(XtParent(pane));
    drain();
    state.ResumeTiming();
  }
  XtDestroyWidget(shell);
  drain();
  state.counters["items"] = n;
}
BENCHMARK(BM_RawMotif_MenuItems)->Arg(500)->Unit(benchmark::kMillisecond);

// The console output, and the real times kept for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration) {
        const double n = ++counts[r.benchmark_name()];
        double& t = times[r.benchmark_name()];
        t += (r.GetAdjustedRealTime() - t) / n;
      }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
  std::map<std::string, int> counts;
};
}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "menu_items_bench needs DISPLAY\n");
    return 1;
  }
  static char arg0[] = "menu_items_bench";
  static char* xargv[] = {arg0, nullptr};
  app = new QORInteractiveApplication(nullptr, "MenuItemsBench");
  app->BuildApplicationEnvironment(1, xargv, environ);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const auto& [name, t] : reporter.times) {
    if (name.rfind("BM_Tolven_MenuItems/", 0) != 0) continue;
    const std::string arg = name.substr(name.find('/'));
    auto raw = reporter.times.find("BM_RawMotif_MenuItems" + arg);
    if (raw != reporter.times.end() && raw->second > 0)
      std::printf("menu items%s: toolkit / raw Motif = %.2f\n", arg.c_str(), t / raw->second);
  }
  return 0;
}
