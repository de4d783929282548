// Drag and drop inside the application on real widgets: drags started from a
// check button by XTest input (from a second process, since the drag loop
// reads the events itself), the notifications of the objects under the
// pointer, the cursor of the chosen effect read back with XFixes, the drop
// and the ways a drag is cancelled; a recorded drag replayed without input.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <string>
#include <vector>

#include "QORDlgCheckButton.h"
#include "QORDlgLabel.h"
#include "QORRecord.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"
#include "tolven_test_script.h"

namespace {

using Lines = std::vector<std::string>;
l_QORInteractiveApplication* L() { return l_QORInteractiveApplication::GetCurrent(); }
const CursorDefinition& NoneCursor = QORDlgDragCursorTable[0];
const CursorDefinition& CopyCursor = QORDlgDragCursorTable[2];

// The application's drag state, and where the pointer is over the target.
int dragState(POINTL* where = nullptr) {
  QORDialog* s = nullptr;
  QORDialog* t = nullptr;
  POINTL at{};
  unsigned long keys = 0;
  const int state = L()->GetAPIObject()->GetDragState(&s, &t, at, keys);
  if (where) *where = at;
  return state;
}

std::string nameOf(QORDialog* d) { return d ? d->GetName().c_str() : "-"; }

// " source=S target=T effect=E keys=K" for a drag notification, "" for any other.
template <class N>
bool describeAs(QORNotification* n, std::string& out) {
  auto* d = dynamic_cast<N*>(n);
  if (d)
    out = " source=" + nameOf(d->source) + " target=" + nameOf(d->target) + " effect=" +
          std::to_string(d->dropEffect) + " keys=" + std::to_string(d->keyState);
  return d != nullptr;
}
std::string describe(QORNotification* n) {
  std::string out;
  describeAs<QORDlgDragEnterNotification>(n, out) || describeAs<QORDlgDragOverNotification>(n, out) ||
      describeAs<QORDlgDragLeaveNotification>(n, out) || describeAs<QORDlgDropNotification>(n, out) ||
      describeAs<QORDlgEndDropNotification>(n, out) || describeAs<QORDlgStartDragNotification>(n, out) ||
      describeAs<QORDlgCancelDragNotification>(n, out) || describeAs<QORDlgDragButtonNotification>(n, out);
  return out;
}

enum class Ending { DropOnB, Escape, ReleaseOutside, DestroyB };

// A check button to drag, and two labels: A chooses no effect, B copies.
class DragScene {
 public:
  explicit DragScene(Ending ending) : ending(ending) {
    b = new QORDlgLabel(&win, "TargetB");
    for (QORDialog* d : std::initializer_list<QORDialog*>{&source, &a, b})
      listener.AddAnalyseNotificationCB(d, nullptr, [this](QORCommand* from, QORNotification* n) {
        heard(static_cast<QORDialog*>(from), n);
      });
  }
  ~DragScene() { delete b; }

  void heard(QORDialog* from, QORNotification* n) {
    const std::string what = nameOf(from) + " " + n->IsA();
    log.push_back(what + describe(n));
    if (script) script->Tell(what);
    QORInteractiveApplication* app = L()->GetAPIObject();
    if (from == &source && dynamic_cast<QORDlgDragButtonNotification*>(n)) app->StartDrag(&payload, 0x5A);
    if (from == &source && dynamic_cast<QORDlgStartDragNotification*>(n)) app->StartDrag(&other, 1);  // ignored
    if (from != b) return;
    if (ending == Ending::DestroyB && dynamic_cast<QORDlgDragEnterNotification*>(n)) {
      delete b;
      b = nullptr;
      return;
    }
    if (dynamic_cast<QORDlgDragEnterNotification*>(n) || dynamic_cast<QORDlgDragOverNotification*>(n))
      app->SetDropEffect(DROPEFFECT_COPY);
    if (dynamic_cast<QORDlgDropNotification*>(n)) {
      const int state = dragState(&dropAt);
      log.push_back("data " + std::string(app->GetDragDataObject() == &payload ? "payload" : "other") + " state " +
                    std::to_string(state));
    }
  }
  bool ended() const {
    for (const std::string& l : log)
      if (l.find("QORDlgEndDropNotification") != std::string::npos ||
          l.find("QORDlgCancelDragNotification") != std::string::npos)
        return true;
    return false;
  }

  TestDialog win{"DragWin"};
  QORDlgCheckButton source{&win, "Source"};
  QORDlgLabel a{&win, "TargetA"};
  QORDlgLabel* b;
  QORCommand listener{nullptr, "listener"};
  Ending ending;
  Lines log;
  InputScript* script = nullptr;
  int payload = 0, other = 0;
  POINTL dropAt{-1, -1};
};

struct Spot {
  int x, y;
};
Spot centreOf(QORDialog* d) {
  Spot s{};
  Centre(d->GetLetterObject()->GetOwnWidget(), &s.x, &s.y);
  return s;
}

// Presses on the source and moves 12 pixels; the drag's grab shows the
// no-drop cursor; then over A (no effect) and B (copy).
bool dragOverBoth(InputScript& s, Spot from, Spot a, Spot b) {
  s.Move(from.x, from.y);
  s.Button(true);
  s.Move(from.x + 3, from.y);
  s.Move(from.x + 15, from.y);
  if (!s.WaitCursor(NoneCursor, "none at the start")) return false;
  s.Report("start none");
  s.Move(a.x, a.y);
  if (!s.WaitFor("TargetA QORDlgDragEnterNotification")) return false;
  s.Move(a.x + 2, a.y);
  if (!s.WaitCursor(NoneCursor, "none over A")) return false;
  s.Report("over A none");
  s.Move(b.x, b.y);
  if (!s.WaitFor("TargetB QORDlgDragEnterNotification")) return false;
  s.Move(b.x + 2, b.y);
  return true;
}

void endDrag(InputScript& s, Ending ending) {
  if (ending == Ending::DestroyB) {
    if (s.WaitCursor(NoneCursor, "none with B gone")) s.Report("B gone none");
    return;
  }
  if (!s.WaitCursor(CopyCursor, "copy over B")) return;
  s.Report("over B copy");
  if (ending == Ending::Escape) s.Key(XK_Escape);
  if (ending == Ending::DropOnB) {
    // Shift held for the drop: the receiver sees it in the key state.
    s.Key(XK_Shift_L, true);
    if (s.WaitFor("TargetB QORDlgDragOverNotification")) s.Button(false);
    s.Key(XK_Shift_L, false);
  }
  if (ending == Ending::ReleaseOutside) {
    s.Move(1275, 1019);  // a corner no window covers
    if (s.WaitCursor(NoneCursor, "none outside")) s.Report("outside none");
  }
}

struct DragRow {
  const char* name;
  Ending ending;
  Lines tail;     // the log after B's enter
  Lines reports;  // what the script saw
};

const Lines kCommonLog = {
    "Source QORDlgDragButtonNotification source=Source target=Source effect=0 keys=1",
    "Source QORDlgStartDragNotification source=Source target=Source effect=0 keys=1",
    "Source QORDlgDragEnterNotification source=Source target=Source effect=0 keys=1",
    "Source QORDlgDragLeaveNotification source=Source target=Source effect=0 keys=1",
    "TargetA QORDlgDragEnterNotification source=Source target=TargetA effect=0 keys=1",
    "TargetA QORDlgDragOverNotification source=Source target=TargetA effect=0 keys=1",
    "TargetA QORDlgDragOverNotification source=Source target=TargetA effect=0 keys=1",
    "TargetA QORDlgDragLeaveNotification source=Source target=TargetA effect=0 keys=1",
    "TargetB QORDlgDragEnterNotification source=Source target=TargetB effect=0 keys=1",
};
const Lines kOverB = {
    "TargetB QORDlgDragOverNotification source=Source target=TargetB effect=1 keys=1",
    "TargetB QORDlgDragOverNotification source=Source target=TargetB effect=1 keys=1",
};
Lines join(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const DragRow kDragRows[] = {
    {"DroppedOnTheSecondTarget", Ending::DropOnB,
     join(kOverB, {"TargetB QORDlgDragOverNotification source=Source target=TargetB effect=1 keys=5",
                   "TargetB QORDlgDropNotification source=Source target=TargetB effect=1 keys=5", "data payload state 0",
                   "Source QORDlgEndDropNotification source=Source target=TargetB effect=1 keys=5"}),
     {"start none", "over A none", "over B copy"}},
    {"EscapeCancels", Ending::Escape,
     join(kOverB, {"Source QORDlgCancelDragNotification source=Source target=TargetB effect=1 keys=1"}),
     {"start none", "over A none", "over B copy"}},
    {"ReleasedOutsideEveryObjectCancels", Ending::ReleaseOutside,
     join(kOverB, {"TargetB QORDlgDragLeaveNotification source=Source target=TargetB effect=1 keys=1",
                   "Source QORDlgCancelDragNotification source=Source target=- effect=0 keys=1"}),
     {"start none", "over A none", "over B copy", "outside none"}},
    {"TargetDestroyedDuringTheDragCancelsAtTheRelease", Ending::DestroyB,
     {"Source QORDlgCancelDragNotification source=Source target=- effect=0 keys=1"}, {"start none", "over A none", "B gone none"}},
};

class Drag : public DragSuite, public testing::WithParamInterface<DragRow> {};

// Runs one drag of `scene` by the script, until the drag has ended.
std::string runDrag(DragScene& scene) {
  const Spot from = centreOf(&scene.source), a = centreOf(&scene.a), b = centreOf(scene.b);
  const Ending ending = scene.ending;
  InputScript script([=](InputScript& s) {
    if (dragOverBoth(s, from, a, b)) endDrag(s, ending);
  });
  scene.script = &script;
  const bool ended = PumpUntil([&] { return scene.ended(); }, 20000);
  std::string reports = script.Finish();
  scene.script = nullptr;
  if (!ended) reports += "drag not ended\n";
  return reports;
}

TEST_P(Drag, SendsTheDocumentedNotificationsAndCursors) {
  const DragRow& row = GetParam();
  DragScene scene(row.ending);
  ASSERT_TRUE(scene.win.Show());
  const std::string reports = runDrag(scene);
  std::string expected;
  for (const std::string& r : row.reports) expected += r + "\n";
  EXPECT_EQ(reports, expected);
  EXPECT_EQ(scene.log, join(kCommonLog, row.tail));
  // The drag is over: nothing requested or running, no data, the source unchanged.
  PumpIdle();
  EXPECT_EQ(dragState(), QORDlgDragNone);
  EXPECT_EQ(app->GetDragDataObject(), nullptr);
  EXPECT_EQ(scene.source.GetState(), QORDlgUnchecked);
  EXPECT_EQ(l_QORInteractiveApplication::dragStartWidget, nullptr);
  if (row.ending == Ending::DropOnB) {
    // The drop point relative to B: its centre and the last 2 pixels.
    int w = 0, h = 0, x = 0, y = 0;
    scene.b->GetLetterObject()->GetRectDimensions(&x, &y, &h, &w);
    EXPECT_EQ(scene.dropAt.x, w / 2 + 2);
    EXPECT_EQ(scene.dropAt.y, h / 2);
  }
}

// Test lists name the row, not its bytes.
void PrintTo(const DragRow& row, std::ostream* os) { *os << row.name; }

INSTANTIATE_TEST_SUITE_P(Endings, Drag, testing::ValuesIn(kDragRows),
                         [](const testing::TestParamInfo<DragRow>& info) { return std::string(info.param.name); });

// ---- StartDrag without the availability (the threshold: control_button_test) ----

using DragStart = Drag;

TEST_F(DragStart, WithoutAvailabilityStartDragForgetsTheStartWidget) {
  TestDialog win("OffWin");
  QORDlgCheckButton check(&win, "Check");
  ASSERT_TRUE(win.Show());
  app->SetDragAvailability(0);
  EXPECT_EQ(app->GetDragAvailability(), 0);
  l_QORInteractiveApplication::dragStartWidget = WidgetOf(&check);
  int data = 0;
  app->StartDrag(&data, 0);
  EXPECT_EQ(dragState(), QORDlgDragNone);
  EXPECT_EQ(app->GetDragDataObject(), nullptr);
  EXPECT_EQ(l_QORInteractiveApplication::dragStartWidget, nullptr);
}

TEST_F(DragStart, ARequestedDragWithNoObjectUnderThePointerEndsWithoutNotifications) {
  DragScene scene(Ending::DropOnB);
  ASSERT_TRUE(scene.win.Show());
  MoveTo(1275, 1019);  // a corner no window covers
  int data = 0;
  app->StartDrag(&data, 0);
  EXPECT_EQ(dragState(), QORDlgDragRequested);
  PumpIdle();
  EXPECT_EQ(dragState(), QORDlgDragNone);
  EXPECT_TRUE(scene.log.empty());
  // Another drag may start: this one asks and is requested.
  app->StartDrag(&data, 0);
  EXPECT_EQ(dragState(), QORDlgDragRequested);
  PumpIdle();
}

// ---- record and replay ----

using DragReplay = Drag;

Lines withoutKeys(Lines lines) {
  for (std::string& l : lines)
    if (const size_t k = l.find(" keys="); k != std::string::npos) l.erase(k);
  return lines;
}

TEST_F(DragReplay, ARecordedDragReplaysWithoutInputToTheSameNotifications) {
  const std::string file = testing::TempDir() + "drag.rec";
  DragScene scene(Ending::DropOnB);
  ASSERT_TRUE(scene.win.Show());
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  const std::string reports = runDrag(scene);
  QORRecord::GetMain()->EndMode(1);
  ASSERT_EQ(reports, "start none\nover A none\nover B copy\n");
  const Lines recorded = scene.log;

  scene.log.clear();
  EXPECT_EQ(ReplayAll(file), "");
  // The key state is not recorded (a drag notification carries nothing to
  // save): the rest of every notification is as it was.
  EXPECT_EQ(withoutKeys(scene.log), withoutKeys(recorded));
}

}  // namespace
