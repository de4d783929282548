// Building 50 icon palettes of 5 icons each (a toggle, its popup menu and
// five icon buttons in it) and showing them: through QORDlgIconBox objects
// and one idle pass, against raw Motif creating the same widgets with the
// same pixmaps; and the same added to a window already shown. The icons are
// read before either runs (both keep them cached).
#include <benchmark/benchmark.h>

#include <Xm/BulletinB.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/ToggleB.h>
#include <X11/Shell.h>
#include <X11/xpm.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "QORDlgIconBox.h"
#include "QORDlgPushButton.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {
constexpr int kBoxes = 50;
const char* const kIcons[] = {"new", "open", "save", "info", "delete"};

void runTolven(benchmark::State& state, bool shownFirst) {
  {  // the icon cache filled, as raw Motif reads its pixmaps untimed
    TestDialog warm("BenchWarm");
    auto* box = new QORDlgIconBox(&warm, "box", 0);
    for (const char* icon : kIcons) (new QORDlgPushButton(box, icon, 0))->SetIconName(icon);
    warm.Show();
  }
  PumpIdle();
  for (auto _ : state) {
    state.PauseTiming();
    auto* win = new TestDialog("BenchIcons");
    if (shownFirst) win->Show();
    state.ResumeTiming();
    for (int b = 0; b < kBoxes; ++b) {
      auto* box = new QORDlgIconBox(win, "box", 0);
      for (const char* icon : kIcons) (new QORDlgPushButton(box, icon, 0))->SetIconName(icon);
    }
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    XSync(app->GetLetterObject()->GetDisplay(), False);
    state.PauseTiming();
    delete win;
    PumpIdle();
    state.ResumeTiming();
  }
}
void BM_Tolven_IconBoxes(benchmark::State& state) { runTolven(state, false); }
void BM_Tolven_IconBoxesIntoShownBox(benchmark::State& state) { runTolven(state, true); }
BENCHMARK(BM_Tolven_IconBoxes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tolven_IconBoxesIntoShownBox)->Unit(benchmark::kMillisecond);

void runRaw(benchmark::State& state, bool shownFirst) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  Display* d = l->GetDisplay();
  Pixmap pixmaps[5] = {};
  XpmAttributes attributes{};
  attributes.valuemask = XpmVisual | XpmDepth | XpmColormap;
  attributes.visual = l->GetVisual();
  attributes.depth = static_cast<unsigned>(l->GetDepth());
  attributes.colormap = l->GetColormap();
  for (int i = 0; i < 5; ++i) {
    const std::string file = std::string(TOLVEN_ICON_DIR "/") + kIcons[i] + ".pm";
    XpmReadFileToPixmap(d, DefaultRootWindow(d), const_cast<char*>(file.c_str()), &pixmaps[i], nullptr, &attributes);
  }
  for (auto _ : state) {
    state.PauseTiming();
    Widget shell = XtVaAppCreateShell("RawIcons", "TolvenBench", topLevelShellWidgetClass, d, XmNwidth, 300, XmNheight,
                                      200, XmNvisual, l->GetVisual(), XmNdepth, l->GetDepth(), XmNcolormap,
                                      l->GetColormap(), nullptr);
    Widget board = XtVaCreateManagedWidget("work", xmBulletinBoardWidgetClass, shell, nullptr);
    XtRealizeWidget(shell);
    auto show = [&] {
      XtPopup(shell, XtGrabNone);
      PumpUntil([&] {
        XWindowAttributes a;
        return XGetWindowAttributes(d, XtWindow(shell), &a) && a.map_state == IsViewable;
      });
    };
    if (shownFirst) show();
    state.ResumeTiming();
    for (int b = 0; b < kBoxes; ++b) {
      Widget toggle = XtVaCreateManagedWidget("box", xmToggleButtonWidgetClass, board, XmNindicatorOn, False,
                                              XmNlabelType, XmPIXMAP, XmNlabelPixmap, pixmaps[0], XmNx, b * 34, nullptr);
      Widget menu = XmCreatePopupMenu(toggle, const_cast<char*>("rc"), nullptr, 0);
      Widget items[5];
      for (int i = 0; i < 5; ++i)
        items[i] = XtVaCreateWidget(kIcons[i], xmPushButtonWidgetClass, menu, XmNlabelType, XmPIXMAP,
                                    XmNlabelPixmap, pixmaps[i], nullptr);
      XtManageChildren(items, 5);
    }
    if (!shownFirst) show();
    XSync(d, False);
    state.PauseTiming();
    XtDestroyWidget(shell);
    while (XtAppPending(l->GetContext())) XtAppProcessEvent(l->GetContext(), XtIMAll);
    XSync(d, False);
    state.ResumeTiming();
  }
  for (Pixmap p : pixmaps)
    if (p) XFreePixmap(d, p);
}
void BM_RawMotif_IconBoxes(benchmark::State& state) { runRaw(state, false); }
void BM_RawMotif_IconBoxesIntoShownBoard(benchmark::State& state) { runRaw(state, true); }
BENCHMARK(BM_RawMotif_IconBoxes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawMotif_IconBoxesIntoShownBoard)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  setenv("TRIVOICONPATH", TOLVEN_ICON_DIR, 1);
  StartApplication("iconbox_bench", "IconBoxBench");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
