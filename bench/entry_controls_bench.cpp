// The text controls against raw Motif doing the same work in the same run:
// 1000 editors built and shown (raw: XmTextFields in an XmForm), and a combo
// of 10 000 lines built, shown, dropped and closed (raw: an XmComboBox given
// its XmNitems at once). Adding lines one by one is timed at three sizes: it
// must grow linearly. The closing lines give the ratios.
#include <benchmark/benchmark.h>

#include <X11/Shell.h>
#include <Xm/ComboBox.h>
#include <Xm/Form.h>
#include <Xm/TextF.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "QORDlgCombo.h"
#include "QORDlgEditor.h"
#include "l_QORDlgCombo.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {

Display* display() { return app->GetLetterObject()->GetDisplay(); }


Widget rawShell(const char* name) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  return XtVaAppCreateShell(name, "TolvenBench", topLevelShellWidgetClass, l->GetDisplay(), XmNvisual, l->GetVisual(),
                            XmNdepth, l->GetDepth(), XmNcolormap, l->GetColormap(), nullptr);
}

std::vector<QORUnicodeString> lineTexts(int n) {
  std::vector<QORUnicodeString> texts;
  for (int i = 0; i < n; ++i) texts.emplace_back("Line " + std::to_string(i));
  return texts;
}

void BM_Tolven_Editors(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const int cols = static_cast<int>(std::ceil(std::sqrt(n)));
  for (auto _ : state) {
    auto* win = new TestDialog("BenchEditors", QORDlgGridLayout);
    for (int i = 0; i < n; ++i) {
      auto* e = new QORDlgEditor(win, "ed", 0);
      e->SetGridConstraints(static_cast<short>(i / cols), static_cast<short>(i % cols), 1, 1, 0);
    }
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    XSync(display(), False);
    state.PauseTiming();
    delete win;
    PumpIdle();
    drain();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Tolven_Editors)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_RawMotif_TextFields(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const int cols = static_cast<int>(std::ceil(std::sqrt(n)));
  for (auto _ : state) {
    Widget shell = rawShell("RawEditors");
    Widget form = XtVaCreateWidget("form", xmFormWidgetClass, shell, XmNresizePolicy, XmRESIZE_ANY, nullptr);
    std::vector<Widget> cells(n);
    for (int i = 0; i < n; ++i) {
      const int r = i / cols, c = i % cols;
      Arg a[6];
      int k = 0;
      XtSetArg(a[k], XmNcolumns, 10); ++k;
      XtSetArg(a[k], XmNleftAttachment, c ? XmATTACH_WIDGET : XmATTACH_FORM); ++k;
      if (c) { XtSetArg(a[k], XmNleftWidget, cells[i - 1]); ++k; }
      XtSetArg(a[k], XmNtopAttachment, r ? XmATTACH_WIDGET : XmATTACH_FORM); ++k;
      if (r) { XtSetArg(a[k], XmNtopWidget, cells[i - cols]); ++k; }
      cells[i] = XmCreateTextField(form, const_cast<char*>("ed"), a, k);
    }
    XtManageChildren(cells.data(), n);
    XtManageChild(form);
    XtRealizeWidget(shell);
    XtPopup(shell, XtGrabNone);
    XSync(display(), False);
    state.PauseTiming();
    XtDestroyWidget(shell);
    drain();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RawMotif_TextFields)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_Tolven_ComboOpenClose(benchmark::State& state) {
  const std::vector<QORUnicodeString> texts = lineTexts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto* win = new TestDialog("BenchCombo");
    auto* combo = new QORDlgCombo(win, "combo", 0);
    combo->SetLine(texts.data(), static_cast<int>(texts.size()));
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    auto* letter = static_cast<l_QORDlgCombo*>(combo->GetLetterObject());
    letter->arrowPressed();
    XSync(display(), False);
    letter->arrowPressed();
    XSync(display(), False);
    state.PauseTiming();
    delete win;
    PumpIdle();
    drain();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Tolven_ComboOpenClose)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_RawMotif_ComboBoxOpenClose(benchmark::State& state) {
  const std::vector<QORUnicodeString> texts = lineTexts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Widget shell = rawShell("RawCombo");
    std::vector<XmString> items;
    for (const QORUnicodeString& t : texts) items.push_back(XmStringCreateLocalized(const_cast<char*>(t.c_str())));
    Widget combo = XtVaCreateManagedWidget("combo", xmComboBoxWidgetClass, shell, XmNcomboBoxType,
                                           XmDROP_DOWN_COMBO_BOX, XmNitems, items.data(), XmNitemCount,
                                           static_cast<int>(items.size()), XmNvisibleItemCount, 10, nullptr);
    for (XmString s : items) XmStringFree(s);
    XtRealizeWidget(shell);
    XtPopup(shell, XtGrabNone);
    XSync(display(), False);
    // The list's own shell, popped up and down as the arrow does.
    Widget listShell = nullptr;
    XtVaGetValues(combo, XmNlist, &listShell, nullptr);
    while (listShell && !XtIsShell(listShell)) listShell = XtParent(listShell);
    if (listShell) {
      XtPopup(listShell, XtGrabNone);
      XSync(display(), False);
      XtPopdown(listShell);
      XSync(display(), False);
    }
    state.PauseTiming();
    XtDestroyWidget(shell);
    drain();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RawMotif_ComboBoxOpenClose)->Arg(10000)->Unit(benchmark::kMillisecond);

// Lines added one call at a time, then the list filled once by the idle pass.
void BM_Tolven_ComboLinesOneByOne(benchmark::State& state) {
  const std::vector<QORUnicodeString> texts = lineTexts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto* win = new TestDialog("BenchLines");
    auto* combo = new QORDlgCombo(win, "combo", 0);
    win->SetVisibility(QORDlgShown);
    PumpIdle();
    for (const QORUnicodeString& t : texts) combo->SetLine(t);
    PumpIdle();
    XSync(display(), False);
    state.PauseTiming();
    delete win;
    PumpIdle();
    drain();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Tolven_ComboLinesOneByOne)->Arg(2500)->Arg(5000)->Arg(10000)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  StartApplication("entry_controls_bench", "EntryControlsBench");
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("editors", "Editors", "TextFields");
  reporter.PrintRatios("combo lines", "ComboOpenClose", "ComboBoxOpenClose");
  return 0;
}
