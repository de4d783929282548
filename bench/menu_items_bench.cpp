// A menu of N push items built and posted: through the toolkit (a sub-menu
// of a window's menu bar, filled and built by the idle pass), against raw
// Motif creating the same pull-down pane, cascade button and push buttons
// under a menu bar. The windows exist before the timing starts; the closing
// line gives the ratio of the two times.
#include <benchmark/benchmark.h>

#include <X11/Shell.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
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
#include "l_QORDlgSubMenu.h"
#include "l_QORInteractiveApplication.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {

Display* display() { return app->GetLetterObject()->GetDisplay(); }


bool viewable(Widget w) {
  XWindowAttributes a;
  return XtWindow(w) && XGetWindowAttributes(XtDisplay(w), XtWindow(w), &a) && a.map_state == IsViewable;
}

// Runs the events until the pane's map state is `shown`.
void waitFor(Widget pane, bool shown) {
  XtAppContext c = app->GetLetterObject()->GetContext();
  while (viewable(pane) != shown) {
    XSync(display(), False);
    while (XtAppPending(c)) XtAppProcessEvent(c, XtIMAll);
  }
}

// A user's click on the cascade button posts the pane.
void post(Widget cascade, Widget pane) {
  Dimension w = 0, h = 0;
  XtVaGetValues(cascade, XmNwidth, &w, XmNheight, &h, nullptr);
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(display(), XtWindow(cascade), DefaultRootWindow(display()), w / 2, h / 2, &x, &y, &child);
  XTestFakeMotionEvent(display(), -1, x, y, CurrentTime);
  XTestFakeButtonEvent(display(), 1, True, CurrentTime);
  XTestFakeButtonEvent(display(), 1, False, CurrentTime);
  waitFor(pane, true);
}

// Escape takes it down again.
void unpost(Widget pane) {
  const KeyCode escape = XKeysymToKeycode(display(), XK_Escape);
  XTestFakeKeyEvent(display(), escape, True, CurrentTime);
  XTestFakeKeyEvent(display(), escape, False, CurrentTime);
  waitFor(pane, false);
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
    for (int i = 0; i < n; ++i) (new QORDlgPushItem(menu, "item"))->SetTitle("item");
    PumpIdle();  // builds the pane, the cascade button and the items
    Widget pane = menu->GetLetterObject()->GetBaseWidget(0);
    post(static_cast<l_QORDlgSubMenu*>(menu->GetLetterObject())->GetCascadeButton(), pane);
    state.PauseTiming();
    unpost(pane);
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
      // The application's colours and font, as the toolkit's items wear them.
      Arg b[4];
      Cardinal k = 0;
      XtSetArg(b[k], XmNlabelString, label), ++k;
      if (GlobalXResources.enabled) {
        XtSetArg(b[k], XmNbackground, GlobalXResources.documentBackground), ++k;
        XtSetArg(b[k], XmNforeground, GlobalXResources.documentForeground), ++k;
        if (GlobalXResources.documentFontList) XtSetArg(b[k], XmNfontList, GlobalXResources.documentFontList), ++k;
      }
      items[i] = XmCreatePushButton(pane, const_cast<char*>("item"), b, k);
    }
    XmStringFree(label);
    XtManageChildren(items.data(), n);
    post(cascade, pane);
    state.PauseTiming();
    unpost(pane);
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

}  // namespace

int main(int argc, char** argv) {
  StartApplication("menu_items_bench", "MenuItemsBench");
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("menu items", "MenuItems");
  return 0;
}
