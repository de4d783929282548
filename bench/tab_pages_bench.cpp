// Switching pages: a tab container of 50 pages of 40 push buttons each, the
// selection moved 100 times until the server has drawn the new page, against
// raw Motif unmanaging and managing the same 50 forms of 40 buttons.
#include <benchmark/benchmark.h>

#include <X11/IntrinsicP.h>
#include <X11/Shell.h>
#include <Xm/Form.h>
#include <Xm/PushB.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "QORDlgPushButton.h"
#include "QORDlgTabContainer.h"
#include "QORDlgTabPage.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {
constexpr int kPages = 50;
constexpr int kControls = 40;
constexpr int kColumns = 5;
constexpr int kSwitches = 100;

// Every event the switch caused, exposures included, handled.
void drainX() {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  XSync(l->GetDisplay(), False);
  while (XtAppPending(l->GetContext()) & XtIMXEvent) XtAppProcessEvent(l->GetContext(), XtIMXEvent);
}

void BM_Tolven_SwitchPages(benchmark::State& state) {
  auto* win = new TestDialog("BenchTabs");
  auto* tabs = new QORDlgTabContainer(win, "Tabs", 0);
  for (int p = 0; p < kPages; ++p) {
    auto* page = new QORDlgTabPage(tabs, ("P" + std::to_string(p)).c_str(), QORDlgGridLayout);
    for (int c = 0; c < kControls; ++c)
      (new QORDlgPushButton(page, "b", 0))
          ->SetGridConstraints(static_cast<short>(c / kColumns), static_cast<short>(c % kColumns), 1, 1, 0x0A);
  }
  win->GetLetterObject()->Attach4Sides(tabs->GetLetterObject());
  win->Show();
  PumpIdle();
  for (auto _ : state) {
    for (int i = 1; i <= kSwitches; ++i) {
      tabs->SetSelectedPage(i % kPages, 1);
      PumpIdle();
      drainX();
    }
  }
  delete win;
  PumpIdle();
}
BENCHMARK(BM_Tolven_SwitchPages)->Unit(benchmark::kMillisecond);

void BM_RawMotif_SwitchForms(benchmark::State& state) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  Widget shell = XtVaAppCreateShell("RawTabs", "TolvenBench", topLevelShellWidgetClass, l->GetDisplay(), XmNvisual,
                                    l->GetVisual(), XmNdepth, l->GetDepth(), XmNcolormap, l->GetColormap(), nullptr);
  Widget area = XtVaCreateManagedWidget("area", xmFormWidgetClass, shell, XmNresizePolicy, XmRESIZE_NONE, XmNwidth,
                                        600, XmNheight, 400, nullptr);
  std::vector<Widget> forms;
  for (int p = 0; p < kPages; ++p) {
    Widget form = XtVaCreateWidget("page", xmFormWidgetClass, area, XmNtopAttachment, XmATTACH_FORM,
                                   XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM,
                                   XmNbottomAttachment, XmATTACH_FORM, nullptr);
    std::vector<Widget> buttons;
    for (int c = 0; c < kControls; ++c)
      buttons.push_back(XtVaCreateWidget("b", xmPushButtonWidgetClass, form, XmNx, (c % kColumns) * 90, XmNy,
                                         (c / kColumns) * 30, nullptr));
    XtManageChildren(buttons.data(), kControls);
    forms.push_back(form);
  }
  XtManageChild(forms[0]);
  XtRealizeWidget(shell);
  XtPopup(shell, XtGrabNone);
  PumpUntil([&] {
    XWindowAttributes a;
    return XGetWindowAttributes(l->GetDisplay(), XtWindow(shell), &a) && a.map_state == IsViewable;
  });
  int shown = 0;
  for (auto _ : state) {
    for (int i = 1; i <= kSwitches; ++i) {
      XtUnmanageChild(forms[shown]);
      shown = i % kPages;
      XtManageChild(forms[shown]);
      drainX();
    }
  }
  XtDestroyWidget(shell);
  drainX();
}
BENCHMARK(BM_RawMotif_SwitchForms)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  StartApplication("tab_pages_bench", "TabPagesBench");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
