// Icon boxes on a real display: the palette button shows the selected
// child's icon, a click pops up the children's icons and a click on one
// chooses it; the selection by program; the menu's columns; the record and
// replay trace lines; a drag from the palette; a recorded session with a
// drag and an icon choice replayed without input.
#include <gtest/gtest.h>

#include <Xm/RowColumn.h>
#include <Xm/ToggleB.h>

#include <string>
#include <vector>

#include "QORDlgCheckButton.h"
#include "QORDlgIconBox.h"
#include "QORDlgLabel.h"
#include "QORDlgPushButton.h"
#include "QORMarshal.h"
#include "QORRecord.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"
#include "tolven_test_script.h"

namespace {

using Lines = std::vector<std::string>;
l_QORInteractiveApplication* L() { return l_QORInteractiveApplication::GetCurrent(); }
const char* const kIcons[] = {"new", "open", "save"};

Widget toggleOf(QORDlgIconBox& box) { return box.GetLetterObject()->GetBaseWidget(1); }
Widget menuOf(QORDlgIconBox& box) { return box.GetLetterObject()->GetBaseWidget(0); }
Pixmap shownPixmap(Widget w) { return Resource<Pixmap>(w, XmNlabelPixmap); }

// A palette of three push buttons with the toolkit's icons, and a label to
// drop on; every notification of them is logged.
class Palette {
 public:
  explicit Palette(unsigned long style = 0) : box(&win, "Palette", style) {
    for (int i = 0; i < 3; ++i) {
      items.push_back(new QORDlgPushButton(&box, kIcons[i]));
      items.back()->SetIconName(kIcons[i]);
    }
    for (QORDialog* d : std::initializer_list<QORDialog*>{&box, items[0], items[1], items[2], &drop})
      listener.AddAnalyseNotificationCB(d, nullptr, [this](QORCommand* from, QORNotification* n) {
        heard(static_cast<QORDialog*>(from), n);
      });
  }
  void heard(QORDialog* from, QORNotification* n) {
    const std::string what = std::string(from->GetName().c_str()) + " " + n->IsA();
    std::string extra;
    if (auto* b = dynamic_cast<QORDlgDragButtonNotification*>(n))
      extra = std::string(" source=") + b->source->GetName().c_str() + " target=" + b->target->GetName().c_str();
    if (auto* d = dynamic_cast<QORDlgDropNotification*>(n)) extra = std::string(" source=") + d->source->GetName().c_str();
    log.push_back(what + extra);
    if (script) script->Tell(what);
    if (dynamic_cast<QORDlgDragButtonNotification*>(n)) L()->GetAPIObject()->StartDrag(this, 0);
    if (from == &drop && !dynamic_cast<QORDlgDropNotification*>(n)) L()->GetAPIObject()->SetDropEffect(DROPEFFECT_MOVE);
  }
  bool ended() const { return !log.empty() && log.back().find("QORDlgEndDropNotification") != std::string::npos; }

  TestDialog win{"PaletteWin"};
  QORDlgIconBox box;
  std::vector<QORDlgPushButton*> items;
  QORDlgLabel drop{&win, "Drop"};
  QORCommand listener{nullptr, "listener"};
  Lines log;
  InputScript* script = nullptr;
};

class IconBox : public AppSuite {
 protected:
  void SetUp() override {
    AppSuite::SetUp();
    setenv("TRIVOICONPATH", TOLVEN_SOURCE_DIR "/icons", 1);
  }
};

// Clicks the palette, then the item `index` of the menu it popped up.
void choose(Palette& p, int index) {
  Click(toggleOf(p.box));
  ASSERT_TRUE(PumpUntil([&] { return Viewable(menuOf(p.box)); })) << "menu not popped up";
  Click(WidgetOf(p.items[index]));
  ASSERT_TRUE(PumpUntil([&] { return !Viewable(menuOf(p.box)); })) << "menu still up";
}

TEST_F(IconBox, AClickPopsUpTheIconsAndTheChosenOneShowsOnThePalette) {
  Palette p;
  ASSERT_TRUE(p.win.Show());
  // The palette shows the first child's icon, at the largest child's size.
  EXPECT_EQ(shownPixmap(toggleOf(p.box)), shownPixmap(WidgetOf(p.items[0])));
  EXPECT_EQ(Resource<Dimension>(toggleOf(p.box), XmNwidth), 32);
  EXPECT_EQ(Resource<Dimension>(toggleOf(p.box), XmNheight), 32);
  choose(p, 2);
  EXPECT_EQ(p.box.GetSelect(), 2);
  PumpIdle();
  EXPECT_EQ(shownPixmap(toggleOf(p.box)), shownPixmap(WidgetOf(p.items[2])));
  EXPECT_FALSE(XmToggleButtonGetState(toggleOf(p.box)));  // a push button has no state to show
  // The one already chosen again: its button, but no new selection.
  choose(p, 2);
  EXPECT_EQ(p.log, (Lines{"Palette QORDlgIconBoxModifyNotification", "save QORDlgPushBActivateNotification",
                          "Palette QORDlgIconBoxSelectNotification", "Palette QORDlgIconBoxModifyNotification",
                          "save QORDlgPushBActivateNotification"}));
}

TEST_F(IconBox, SetSelectTakesAnIndexOrAChildName) {
  Palette p;
  struct {
    int index;
    const char* name;
    int notify, selected;
    size_t sent;
  } const rows[] = {
      {-1, nullptr, 1, 0, 0}, {1, nullptr, 1, 1, 1}, {-1, "save", 0, 2, 1}, {-1, "nothing", 1, 2, 1}, {0, nullptr, 0, 0, 1},
  };
  for (const auto& row : rows) {
    const int answer = row.name ? p.box.SetSelect(QORString(row.name), row.notify) : p.box.SetSelect(row.index, row.notify);
    EXPECT_EQ(answer, row.selected);
    EXPECT_EQ(p.box.GetSelect(), row.selected);
    EXPECT_EQ(p.log.size(), row.sent) << (row.name ? row.name : std::to_string(row.index));
  }
  ASSERT_TRUE(p.win.Show());
  p.box.SetSelect(1, 0);
  PumpIdle();
  EXPECT_EQ(shownPixmap(toggleOf(p.box)), shownPixmap(WidgetOf(p.items[1])));
}

TEST_F(IconBox, TheMenuTakesTheOrientationAndColumnsOfTheBox) {
  struct {
    unsigned long style;
    int perRow;
    unsigned char orientation, packing;
    short columns;
  } const rows[] = {{0, 0, XmVERTICAL, XmPACK_TIGHT, 1},
                    {QORDlgIconBoxHorizontal, 0, XmHORIZONTAL, XmPACK_TIGHT, 1},
                    {0, 3, XmVERTICAL, XmPACK_COLUMN, 3}};
  for (const auto& row : rows) {
    Palette p(row.style);
    p.box.SetNumIconPerRow(row.perRow);
    EXPECT_EQ(p.box.GetLayoutDirection(), row.style ? QORDlgIconBoxHorizontal : QORDlgIconBoxVertical);
    ASSERT_TRUE(p.win.Show());
    EXPECT_EQ(Resource<unsigned char>(menuOf(p.box), XmNorientation), row.orientation);
    EXPECT_EQ(Resource<unsigned char>(menuOf(p.box), XmNpacking), row.packing);
    EXPECT_EQ(Resource<short>(menuOf(p.box), XmNnumColumns), row.columns);
  }
}

TEST_F(IconBox, ACheckButtonChildShowsItsStateOnThePalette) {
  TestDialog win("CheckWin");
  QORDlgIconBox box(&win, "Box");
  QORDlgCheckButton check(&box, "Check");
  check.SetIconName("info");
  ASSERT_TRUE(win.Show());
  check.SetState(QORDlgChecked, 0);
  PumpIdle();
  EXPECT_TRUE(XmToggleButtonGetState(toggleOf(box)));
  check.SetState(QORDlgUnchecked, 0);
  PumpIdle();
  EXPECT_FALSE(XmToggleButtonGetState(toggleOf(box)));
}

TEST_F(IconBox, RecordsTheSelectionWithItsTraceLines) {
  Palette p;
  p.box.SetSelect(2, 0);
  QORMarshal select, modify;
  const std::string recorded = TracedAt('2', [&] {
    EXPECT_EQ(p.box.SaveState(p.box.GetIBoxSelectNotification(), select), QORDlgSaved);
    EXPECT_EQ(p.box.SaveState(p.box.GetIBoxModifyNotification(), modify), QORDlgSaved);
  });
  p.box.SetSelect(0, 0);
  const std::string replayed = TracedAt('2', [&] {
    EXPECT_EQ(p.box.RestoreState(p.box.GetIBoxSelectNotification(), select), QORDlgRestored);
    EXPECT_EQ(p.box.RestoreState(p.box.GetIBoxModifyNotification(), modify), QORDlgRestored);
  });
  EXPECT_EQ(recorded,
            "/RECORD/ SaveState    QORDlgIconBox        /Command Name/ Palette /Notification/ "
            "QORDlgIconBoxSelectNotification\n"
            "/RECORD/ SaveState                         _currentSelection= 2\n"
            "/RECORD/ SaveState    QORDlgIconBox        /Command Name/ Palette /Notification/ "
            "QORDlgIconBoxModifyNotification\n");
  EXPECT_EQ(replayed, AsReplayed(recorded));
  EXPECT_EQ(p.box.GetSelect(), 2);
  EXPECT_EQ(p.log, (Lines{"Palette QORDlgIconBoxSelectNotification", "Palette QORDlgIconBoxModifyNotification"}));
}

// ---- dragging from the palette ----

// Drags the palette's icon onto the label and drops it there.
void dragToDrop(Palette& p) {
  int fx = 0, fy = 0, tx = 0, ty = 0;
  Centre(toggleOf(p.box), &fx, &fy);
  Centre(WidgetOf(&p.drop), &tx, &ty);
  InputScript script([=](InputScript& s) {
    s.Move(fx, fy);
    s.Button(true);
    s.Move(fx + 3, fy);
    s.Move(fx + 15, fy);
    if (!s.WaitCursor(QORDlgDragCursorTable[0], "none at the start")) return;
    s.Move(tx, ty);
    if (!s.WaitFor("Drop QORDlgDragEnterNotification")) return;
    s.Move(tx + 2, ty);
    if (s.WaitCursor(QORDlgDragCursorTable[1], "move over the label")) s.Report("move");
  });
  p.script = &script;
  EXPECT_TRUE(PumpUntil([&] { return p.ended(); }, 20000));
  EXPECT_EQ(script.Finish(), "move\n");
  p.script = nullptr;
  PumpIdle();
}

class IconBoxDrag : public DragSuite {
 protected:
  void SetUp() override {
    DragSuite::SetUp();
    setenv("TRIVOICONPATH", TOLVEN_SOURCE_DIR "/icons", 1);
  }
};

const Lines kPaletteDrag = {
    "Palette QORDlgDragButtonNotification source=open target=Palette",
    "Palette QORDlgStartDragNotification",
    "Palette QORDlgDragEnterNotification",
    "Palette QORDlgDragLeaveNotification",
    "Drop QORDlgDragEnterNotification",
    "Drop QORDlgDragOverNotification",
    "Drop QORDlgDragOverNotification",
    "Drop QORDlgDropNotification source=Palette",
    "Palette QORDlgEndDropNotification",
};

TEST_F(IconBoxDrag, DraggingThePaletteDragsTheSelectedIcon) {
  Palette p;
  p.box.SetSelect(1, 0);
  ASSERT_TRUE(p.win.Show());
  dragToDrop(p);
  EXPECT_EQ(p.log, kPaletteDrag);
  EXPECT_FALSE(Viewable(menuOf(p.box)));  // a drag pops nothing up
}

TEST_F(IconBoxDrag, ARecordedDragAndChoiceReplayWithoutInput) {
  const std::string file = testing::TempDir() + "iconbox.rec";
  Palette p;
  ASSERT_TRUE(p.win.Show());
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  choose(p, 1);
  dragToDrop(p);
  QORRecord::GetMain()->EndMode(1);
  const Lines recorded = p.log;
  ASSERT_EQ(recorded.size(), 3 + kPaletteDrag.size());

  p.log.clear();
  p.box.SetSelect(0, 0);
  EXPECT_EQ(ReplayAll(file), "");
  EXPECT_EQ(p.log, recorded);
  EXPECT_EQ(p.box.GetSelect(), 1);
  PumpIdle();
  EXPECT_EQ(shownPixmap(toggleOf(p.box)), shownPixmap(WidgetOf(p.items[1])));
}

}  // namespace
