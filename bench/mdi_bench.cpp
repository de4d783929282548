// An MDI document with 20 child dialogs of 50 push buttons each: opening
// them all, tiling and cascading them, against the same 20 dialogs as
// top-level boxes (opened, then placed on the same rectangles through the
// window manager). The closing lines give the ratios of the two times.
#include <benchmark/benchmark.h>

#include <X11/IntrinsicP.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "QORDlgDocument.h"
#include "QORDlgPushButton.h"
#include "l_QORDlgClientMDI.h"
#include "l_QORDlgDocument.h"
#include "tolven_test_dialog.h"
#include "tolven_bench.h"

using namespace tolven_bench;

namespace {
const int kDialogs = 20, kControls = 50, kColumns = 5;


void fill(QORDlgDialog* d) {
  for (int i = 0; i < kControls; ++i) {
    auto* b = new QORDlgPushButton(d, "push", 0);
    b->SetGridConstraints(static_cast<short>(i / kColumns), static_cast<short>(i % kColumns), 1, 1, 0);
  }
}

// Opens the 20 dialogs under `father` (an MDI document) or as top-level boxes.
std::vector<QORDlgDialog*> open(QORDlgDocument* father) {
  std::vector<QORDlgDialog*> boxes;
  for (int i = 0; i < kDialogs; ++i) {
    const std::string name = "Box" + std::to_string(i);
    auto* d = father ? new QORDlgDialog(father, name.c_str(), QORDlgDialogMDIChild | QORDlgGridLayout)
                     : new QORDlgDialog(app, name.c_str(), QORDlgDialogNoButtons | QORDlgGridLayout);
    fill(d);
    d->SetVisibility(QORDlgShown);
    boxes.push_back(d);
  }
  PumpUntil([&] {
    for (QORDlgDialog* d : boxes) {
      Widget w = d->GetLetterObject()->GetBaseWidget(1);
      if (!w || !Viewable(father ? w : XtParent(w))) return false;
    }
    return true;
  }, 60000);
  drain();
  return boxes;
}

void close(std::vector<QORDlgDialog*>& boxes) {
  for (QORDlgDialog* d : boxes) delete d;
  boxes.clear();
  PumpIdle();
  drain();
}

QORDlgDocument* document() {
  static QORDlgDocument* doc = nullptr;
  if (doc) return doc;
  doc = new QORDlgDocument(app, "BenchDocument", QORDlgDocumentMDI);
  doc->SetVisibility(QORDlgShown);
  auto* l = static_cast<l_QORDlgDocument*>(doc->GetLetterObject());
  PumpUntil([&] { return Viewable(l->GetShell()) && l->GetMDIClient() && l->GetMDIClient()->GetWidget(); });
  XtResizeWidget(l->GetBaseWidget(0), 1000, 800, 0);
  PumpIdle();
  drain();
  return doc;
}

void BM_Tolven_MDIOpen20(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<QORDlgDialog*> boxes = open(document());
    state.PauseTiming();
    close(boxes);
    state.ResumeTiming();
  }
}

void BM_Tolven_TopLevelOpen20(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<QORDlgDialog*> boxes = open(nullptr);
    state.PauseTiming();
    close(boxes);
    state.ResumeTiming();
  }
}

// Tiling then cascading again, so that each run moves and resizes every frame.
void BM_Tolven_MDITileCascade(benchmark::State& state) {
  std::vector<QORDlgDialog*> boxes = open(document());
  for (auto _ : state) {
    document()->MDITile(0);
    PumpIdle();
    drain();
    document()->MDICascade(0);
    PumpIdle();
    drain();
  }
  close(boxes);
}

// The top-level boxes placed on the same rectangles: a 4-row tile of 1000 x
// 800, then a cascade of 25-pixel steps, each through the window manager.
void placeShells(const std::vector<QORDlgDialog*>& boxes, bool tile) {
  for (int i = 0; i < kDialogs; ++i) {
    Widget shell = XtParent(boxes[i]->GetLetterObject()->GetBaseWidget(1));
    const int x = tile ? (i % 5) * 200 : (i % 4) * 25, y = tile ? (i / 5) * 200 : (i % 4) * 25;
    const int w = tile ? 200 : 800, h = tile ? 200 : 600;
    XtVaSetValues(shell, XmNx, x, XmNy, y, XmNwidth, w, XmNheight, h, nullptr);
  }
  PumpIdle();
  drain();
}

void BM_Tolven_TopLevelTileCascade(benchmark::State& state) {
  std::vector<QORDlgDialog*> boxes = open(nullptr);
  for (auto _ : state) {
    placeShells(boxes, true);
    placeShells(boxes, false);
  }
  close(boxes);
}

BENCHMARK(BM_Tolven_MDIOpen20)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Tolven_TopLevelOpen20)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Tolven_MDITileCascade)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tolven_TopLevelTileCascade)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  StartApplication("mdi_bench", "MdiBench");
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("open 20 dialogs", "BM_Tolven_MDIOpen20", "BM_Tolven_TopLevelOpen20", "MDI / top-level");
  reporter.PrintRatio("tile then cascade", "BM_Tolven_MDITileCascade", "BM_Tolven_TopLevelTileCascade", "MDI / top-level");
  return 0;
}
