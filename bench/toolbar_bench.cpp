// Docking a shown tool bar of 20 buttons on the left and back on top, up to
// the end of the idle pass that re-arranges the document: through
// QORDlgToolBar::SetDockState, against raw Motif moving the same kind of
// widget between two bulletin boards and placing its buttons.
#include <benchmark/benchmark.h>

#include <X11/IntrinsicP.h>
#include <X11/CompositeP.h>
#include <X11/CoreP.h>
#include <X11/Shell.h>
#include <Xm/BulletinB.h>
#include <Xm/DrawingA.h>
#include <Xm/PushB.h>

#include <algorithm>
#include <vector>

#include "QORDlgDocument.h"
#include "QORDlgPushButton.h"
#include "QORDlgToolBar.h"
#include "l_QORDlgDocument.h"
#include "tolven_bench.h"
#include "tolven_test_dialog.h"

namespace {
constexpr int kButtons = 20;
using tolven_bench::app;

void BM_Tolven_DockLeftAndBack(benchmark::State& state) {
  auto* doc = new QORDlgDocument(app, "BenchDoc", 0);
  auto* bar = new QORDlgToolBar(doc, "Tools", 0);
  for (int i = 0; i < kButtons; ++i) new QORDlgPushButton(bar, "button");
  doc->SetRectDimensions(0, 0, 600, 800);
  doc->SetVisibility(QORDlgShown);
  PumpIdle();
  for (auto _ : state) {
    for (unsigned long side : {QORDlgToolBarLeft, QORDlgToolBarTop}) {
      bar->SetDockState(side);
      PumpIdle(1);
    }
    XSync(app->GetLetterObject()->GetDisplay(), False);
  }
  delete doc;
  PumpIdle();
}
BENCHMARK(BM_Tolven_DockLeftAndBack)->Unit(benchmark::kMicrosecond);

// The widget moved as the tool bar moves it: out of one parent's list, its
// window under the other's, into that parent's list; its buttons then put
// in a row or a column.
void moveUnder(Widget w, Widget parent) {
  auto oldClass = reinterpret_cast<CompositeWidgetClass>(XtClass(XtParent(w)));
  XtUnmanageChild(w);
  (*oldClass->composite_class.delete_child)(w);
  w->core.parent = parent;
  XReparentWindow(XtDisplay(w), XtWindow(w), XtWindow(parent), 0, 0);
  auto newClass = reinterpret_cast<CompositeWidgetClass>(XtClass(parent));
  (*newClass->composite_class.insert_child)(w);
  XtManageChild(w);
}

void placeButtons(Widget bar, const std::vector<Widget>& buttons, bool row) {
  int at = 2, thick = 0;
  for (Widget b : buttons) {
    XtMoveWidget(b, static_cast<Position>(row ? at : 2), static_cast<Position>(row ? 2 : at));
    at += (row ? b->core.width : b->core.height) + 2;
    thick = std::max<int>(thick, row ? b->core.height : b->core.width);
  }
  XtResizeWidget(bar, static_cast<Dimension>(row ? at : thick + 4), static_cast<Dimension>(row ? thick + 4 : at), 0);
}

void BM_RawMotif_DockLeftAndBack(benchmark::State& state) {
  l_QORInteractiveApplication* l = app->GetLetterObject();
  Widget shell = XtVaAppCreateShell("RawDoc", "TolvenBench", topLevelShellWidgetClass, l->GetDisplay(), XmNwidth, 800,
                                    XmNheight, 600, XmNvisual, l->GetVisual(), XmNdepth, l->GetDepth(), XmNcolormap,
                                    l->GetColormap(), nullptr);
  Widget client = XtVaCreateManagedWidget("client", xmDrawingAreaWidgetClass, shell, XmNresizePolicy, XmRESIZE_NONE,
                                          nullptr);
  Widget top = XtVaCreateManagedWidget("top", xmBulletinBoardWidgetClass, client, XmNresizePolicy, XmRESIZE_NONE,
                                       XmNwidth, 800, XmNheight, 40, nullptr);
  Widget left = XtVaCreateManagedWidget("left", xmBulletinBoardWidgetClass, client, XmNresizePolicy, XmRESIZE_NONE,
                                        XmNy, 40, XmNwidth, 80, XmNheight, 560, nullptr);
  Widget bar = XtVaCreateManagedWidget("bar", xmDrawingAreaWidgetClass, top, XmNresizePolicy, XmRESIZE_NONE, nullptr);
  std::vector<Widget> buttons;
  for (int i = 0; i < kButtons; ++i)
    buttons.push_back(XtVaCreateManagedWidget("button", xmPushButtonWidgetClass, bar, nullptr));
  XtRealizeWidget(shell);
  PumpIdle();
  // Each move is drawn before the next, as the toolkit's idle pass has it.
  for (auto _ : state) {
    moveUnder(bar, left);
    placeButtons(bar, buttons, false);
    PumpIdle(1);
    moveUnder(bar, top);
    placeButtons(bar, buttons, true);
    PumpIdle(1);
    XSync(l->GetDisplay(), False);
  }
  XtDestroyWidget(shell);
  PumpIdle();
}
BENCHMARK(BM_RawMotif_DockLeftAndBack)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
  tolven_bench::StartApplication("toolbar_bench", "ToolBarBench");
  benchmark::Initialize(&argc, argv);
  tolven_bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("tool bar of 20 buttons docked left and back", "DockLeftAndBack");
  return 0;
}
