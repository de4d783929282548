// The splitter on real widgets: its sash dragged with the XTest pointer moves
// the line and both children follow, a later resize keeps the user's share
// (or gives it to the first child), the children switch, and what it refuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "QORDlgSplitter.h"
#include "QORRecord.h"
#include "l_QORDlgSplitter.h"
#include "l_QORDlgTab.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

namespace {

class Splitter : public AppSuite {
 protected:
  // A shown window filled by a splitter of the areas a (aw wide) and b (50 wide).
  void show(unsigned long style, int aw, int ah = 40) {
    win = std::make_unique<TestDialog>("SplitWin");
    split = new QORDlgSplitter(win.get(), "Split", style);
    a = Area(split, "a", aw, ah);
    b = Area(split, "b", 50, ah);
    win->GetLetterObject()->Attach4Sides(split->GetLetterObject());
    ASSERT_TRUE(win->Show());
  }
  l_QORDlgTab* line() const { return static_cast<l_QORDlgSplitter*>(split->GetLetterObject())->getSashTab(); }
  // Grows the window as a user would, by dw x dh.
  bool grow(int dw, int dh) {
    int w = 0, h = 0;
    win->layoutSize(w, h);
    return win->ResizeLayoutTo(w + dw, h + dh);
  }

  std::unique_ptr<TestDialog> win;
  QORDlgSplitter* split = nullptr;
  QORDlgMotif* a = nullptr;
  QORDlgMotif* b = nullptr;
};

// Presses on the sash, moves the pointer by `d` in steps as a hand would, releases.
void DragSash(Widget sash, bool sideBySide, int d) {
  DragFromCentre(sash, sideBySide ? d : 0, sideBySide ? 0 : d, 4);
  Settle(150);
}

struct Pane {
  int pos, size;  // along the split direction
};

struct SplitCase {
  const char* name;
  unsigned long style;
  bool sideBySide;
  int drag;                   // pointer move along the split direction
  int grow;                   // then the window grows by this much
  int firstGain, secondGain;  // what each child gained in the end
};
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitterDrag : public Splitter, public testing::WithParamInterface<SplitCase> {
 protected:
  Pane pane(QORDlgMotif* m) const {
    const Geo g = MotifGeo(m);
    return GetParam().sideBySide ? Pane{g.x, g.w} : Pane{g.y, g.h};
  }
};

TEST_P(SplitterDrag, TheSashMovesTheLineAndAResizeKeepsTheShare) {
  const SplitCase& c = GetParam();
  show(c.style, 211, 211);
  // Both children start with half of what the first one measured, less the sash.
  EXPECT_EQ(pane(a).size, 100);
  ASSERT_NE(line(), nullptr);
  ASSERT_TRUE(Viewable(line()->getSash()));
  const Pane a0 = pane(a), b0 = pane(b);
  // The sash straddles the line, 4 pixels before it, on top of the children.
  const Geo sash = MotifGeo(line()->getSash());
  EXPECT_EQ((c.sideBySide ? sash.x : sash.y) + 4, line()->getPosition(0));
  EXPECT_EQ(a0.pos + a0.size, line()->getPosition(0));

  DragSash(line()->getSash(), c.sideBySide, c.drag);
  const Pane a1 = pane(a), b1 = pane(b);
  EXPECT_EQ(a1.size, a0.size + c.drag);
  EXPECT_EQ(b1.pos, b0.pos + c.drag);
  EXPECT_EQ(b1.pos + b1.size, b0.pos + b0.size) << "the second child keeps its far edge";
  EXPECT_EQ(a1.pos + a1.size, line()->getPosition(0));

  ASSERT_TRUE(grow(c.grow, c.grow));
  EXPECT_EQ(pane(a).size, a1.size + c.firstGain);
  EXPECT_EQ(pane(b).size, b1.size + c.secondGain);
}

const SplitCase kSplitCases[] = {
    {"SideBySide", 0, true, 40, 60, 0, 60},
    {"OneAboveTheOther", QORDlgSplitterVertical, false, -30, 50, 0, 50},
};
INSTANTIATE_TEST_SUITE_P(Orientations, SplitterDrag, testing::ValuesIn(kSplitCases),
                         [](const testing::TestParamInfo<SplitCase>& i) { return std::string(i.param.name); });

TEST_F(Splitter, TheFirstChildAbsorbsResizesWhenAsked) {
  show(QORDlgSplitterFirstAbsorbs, 111);
  const Geo a0 = MotifGeo(a), b0 = MotifGeo(b);
  ASSERT_TRUE(grow(30, 0));
  EXPECT_EQ(MotifGeo(a).w, a0.w + 30);
  EXPECT_EQ(MotifGeo(b).w, b0.w);
  EXPECT_EQ(MotifGeo(b).x, b0.x + 30);
}

TEST_F(Splitter, ADragStopsShortOfTheEndsAndOfTheSecondChildsMinimum) {
  show(0, 211);
  const Geo b0 = MotifGeo(b), a0 = MotifGeo(a);
  // Past the end, the rubber band stays where it was: nothing moves.
  DragSash(line()->getSash(), true, 400);
  EXPECT_EQ(MotifGeo(a), a0);
  // Just inside the 20-pixel margin: the second child keeps its minimum
  // size (3) plus 10.
  const Geo sash = ScreenGeo(line()->getSash()), area = ScreenGeo(WidgetOf(split));
  DragSash(line()->getSash(), true, area.x + area.w - 22 - (sash.x + sash.w / 2));
  EXPECT_EQ(MotifGeo(b).w, 13);
  EXPECT_EQ(MotifGeo(b).x + MotifGeo(b).w, b0.x + b0.w);
  EXPECT_EQ(MotifGeo(a).x + MotifGeo(a).w, line()->getPosition(0));
}

TEST_F(Splitter, ASashDragWhileRecordingIsIgnored) {
  show(0, 211);
  const Geo a0 = MotifGeo(a);
  char file[] = "/tmp/tolven_splitXXXXXX";
  close(mkstemp(file));
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file));
  DragSash(line()->getSash(), true, 40);
  QORRecord::GetMain()->EndMode(QORRecordCapture);
  std::remove(file);
  EXPECT_EQ(MotifGeo(a), a0);
  DragSash(line()->getSash(), true, 40);  // and taken again after
  EXPECT_EQ(MotifGeo(a).w, a0.w + 40);
}

TEST_F(Splitter, ASashStepOrEventItDoesNotKnowIsReported) {
  show(0, 111);
  const Geo a0 = MotifGeo(a);
  XEvent key{};
  key.type = KeyPress;
  EXPECT_EQ(StdoutOf([&] { line()->sashAction('K', &key); }), "default\ndefaults\n");
  EXPECT_EQ(MotifGeo(a), a0);
}

TEST_F(Splitter, SwitchedChildrenExchangePlacesAndKeepTheirSizes) {
  show(0, 111);
  const Geo a0 = MotifGeo(a), b0 = MotifGeo(b);
  split->SwitchChildren();
  PumpIdle();
  EXPECT_EQ(split->GetChildFromChildNumber(0), b);
  EXPECT_EQ(MotifGeo(b).x, a0.x);
  EXPECT_EQ(MotifGeo(b).w, b0.w);
  EXPECT_GT(MotifGeo(a).x, MotifGeo(b).x + MotifGeo(b).w);
  EXPECT_EQ(MotifGeo(a).x + MotifGeo(a).w, b0.x + b0.w) << "the second child still reaches the end";
}

TEST_F(Splitter, AThirdChildIsReportedOnceAndNeverBuilt) {
  TestDialog win("ThirdWin");
  auto* split = new QORDlgSplitter(&win, "Split", 0);
  Area(split, "a", 60, 40);
  Area(split, "b", 60, 40);
  QORDlgMotif* c = Area(split, "c", 60, 40);
  win.GetLetterObject()->Attach4Sides(split->GetLetterObject());
  const std::string err = StderrOf([&] {
    ASSERT_TRUE(win.Show());
    split->SetRectDimensions(1, 1, 80, 300);  // a later update does not repeat it
    PumpIdle();
  });
  EXPECT_EQ(err, "Split can't have more than 2 children\nSplit's child : c will never be built\n");
  EXPECT_FALSE(c->GetLetterObject()->IsBuild());
  // Reparenting into a splitter that has two children is refused.
  auto* loose = new QORDlgSplitter(&win, "Loose", 0);
  QORDlgMotif* d = Area(loose, "d", 20, 20);
  EXPECT_EQ(d->Reparent(split), 0);
  EXPECT_EQ(d->GetLetterObject()->getFather(), loose->GetLetterObject());
}

// An empty relative line (its child gone) forgets its share only when the
// owner asks for it, so that a child coming back is measured afresh.
struct EmptyCase {
  const char* name;
  unsigned long style;
  double share;  // of the second child's far line, once it is empty
};
void PrintTo(const EmptyCase& c, std::ostream* os) { *os << c.name; }
class SplitterEmptyLine : public Splitter, public testing::WithParamInterface<EmptyCase> {};

TEST_P(SplitterEmptyLine, AnEmptyRelativeLineKeepsOrForgetsItsShare) {
  show(GetParam().style, 111);
  l_QORDlgTab* far = split->GetLetterObject()->GetLayoutManager()->GetTab(4, Vertical);
  EXPECT_DOUBLE_EQ(far->relativePosition, 1.0);
  delete b;
  PumpIdle();
  EXPECT_EQ(far->getNbComponents(), 0);
  ASSERT_TRUE(grow(20, 0));
  EXPECT_DOUBLE_EQ(far->relativePosition, GetParam().share);
}

const EmptyCase kEmptyCases[] = {{"Kept", 0, 1.0}, {"Forgotten", QORDlgSplitterEmptyRelative, -1.0}};
INSTANTIATE_TEST_SUITE_P(OwnerBit, SplitterEmptyLine, testing::ValuesIn(kEmptyCases),
                         [](const testing::TestParamInfo<EmptyCase>& i) { return std::string(i.param.name); });

}  // namespace
