// The dialog object core on real widgets: style words, names, geometry,
// visibility notifications, deferred update, destruction, reparenting.
#include <gtest/gtest.h>

#include <unistd.h>
#include <string>
#include <vector>

#include "QORDlgFrame.h"
#include "QORDlgMotif.h"
#include "l_QORDlgMotif.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

using DialogObject = AppSuite;

// Counts the envelopes that are still alive.
class CountedMotif : public QORDlgMotif {
 public:
  CountedMotif(QORDialog* f, const char* n, unsigned long s = 0) : QORDlgMotif(f, n, s) { ++live; }
  ~CountedMotif() override { --live; }
  static int live;
};
int CountedMotif::live = 0;

// A frame that keeps who sent what climbed through it.
class WatchingFrame : public QORDlgFrame {
 public:
  using QORDlgFrame::QORDlgFrame;
  void AnalyseNotification(QORCommand* from, QORNotification* n) override {
    heard.push_back(from);
    QORDlgFrame::AnalyseNotification(from, n);
  }
  std::vector<QORCommand*> heard;
};

TEST_F(DialogObject, StyleWordsAndNames) {
  TestDialog win("StyleWin");
  struct Case {
    unsigned long given, kept;
  } cases[] = {{0, 0xA}, {0x6, 0xA}, {0x4, 0xC}, {0x18, 0x1A}, {0x10, 0x12}, {0x80000121, 0x80000123},
               {0xFFFF0000, 0x8000000A}};
  for (const Case& c : cases) {
    QORDlgMotif m(&win, "m", c.given);
    EXPECT_EQ(m.GetStyle(), c.kept) << std::hex << c.given;
    EXPECT_EQ((m.GetLetterObject()->GetPendingMask() & 0x800) != 0, (c.kept & 0x10) != 0);
  }
  for (const char* bad : {"", "a-b", "with space", "\xC3\xA9t\xC3\xA9"}) {
    testing::internal::CaptureStderr();
    QORDlgMotif m(&win, bad, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string("Dialog object name is invalid >") + bad + "<\n");
    EXPECT_STREQ(m.GetName().c_str(), bad);  // the object lives on
  }
  EXPECT_EQ(StderrOf([&] { QORDlgMotif good(&win, "Good_Name_09", 0); }), "");
}

TEST_F(DialogObject, GeometryIsHeightBeforeWidthAndRangeChecked) {
  TestDialog win("GeoWin");
  QORDlgMotif m(&win, "area", 0);
  ASSERT_TRUE(win.Show());
  Widget w = m.GetFatherWidget();
  ASSERT_NE(w, nullptr);
  m.SetRectDimensions(10, 20, 30, 40);
  DRECT r;
  m.GetRectDimensions(&r);
  EXPECT_EQ((Size{r.dx, r.dy}), (Size{40, 30}));
  PumpIdle();
  EXPECT_EQ(MotifGeo(w), (Geo{10, 20, 40, 30}));
  // A width of 0 or above 32767 keeps the size but still moves.
  m.SetRectDimensions(50, 60, 70, 0);
  m.SetRectDimensions(55, 60, 70, 40000);
  PumpIdle();
  EXPECT_EQ(MotifGeo(w), (Geo{55, 60, 40, 30}));
  m.GetRectDimensions(&r);
  EXPECT_EQ(r.dx, 40);
  DRECT big{32000, 0, 800, 10};
  DPOS p{-1, -1};
  EXPECT_EQ(m.GetLetterObject()->TranslateCoordinates(big, p), 0);
  EXPECT_EQ(p.x, -1);
  DRECT ok{5, 6, 7, 8};
  EXPECT_EQ(m.GetLetterObject()->TranslateCoordinates(ok, p), 1);
  EXPECT_EQ(p.x, 5);
}

TEST_F(DialogObject, VisibilityNotifiesOnlyOnChangeAndCreateComesFirst) {
  TestDialog win("VisWin");
  QORCommand listener(nullptr, "listener");
  std::vector<std::string> got;
  QORDlgMotif m(&win, "area", 0);
  listener.AddAnalyseNotificationCB(&m, nullptr, [&](QORCommand*, QORNotification* n) { got.push_back(n->IsA()); });
  ASSERT_TRUE(win.Show());
  ASSERT_GE(got.size(), 2u);
  EXPECT_EQ(got[0], "QORDlgCreateNotification");
  EXPECT_EQ(got[1], "QORDlgVisibilityNotification");
  got.clear();
  m.SetVisibility(QORDlgShown);  // already shown
  EXPECT_TRUE(got.empty());
  m.SetVisibility(QORDlgHidden);
  m.SetVisibility(QORDlgHidden);
  EXPECT_EQ(got, std::vector<std::string>{"QORDlgVisibilityNotification"});
  PumpIdle();
  EXPECT_FALSE(XtIsManaged(m.GetFatherWidget()));
  m.SetVisibility(QORDlgShown);
  PumpIdle();
  EXPECT_TRUE(XtIsManaged(m.GetFatherWidget()));
}

TEST_F(DialogObject, DeletingAnEnvelopeRemovesTheWholeSubtreeAtTheNextPass) {
  PumpIdle();  // letters of earlier tests go first
  const int lettersBefore = l_QORDialog::GetLiveCount();
  auto* win = new TestDialog("DelWin");
  auto* outer = new CountedMotif(win, "outer");
  for (int i = 0; i < 5; ++i) new CountedMotif(win, "leaf");
  ASSERT_TRUE(win->Show());
  Widget w = outer->GetFatherWidget();
  ASSERT_TRUE(w && XtIsRealized(w));
  EXPECT_EQ(CountedMotif::live, 6);
  Display* d = XtDisplay(w);
  // An inner object takes its children's widgets with it; its father stays.
  auto* frame = new QORDlgFrame(win, "inner", 0);
  auto* deep = new CountedMotif(frame, "deep");
  PumpIdle();
  const Window deepWindow = XtWindow(deep->GetFatherWidget());
  ASSERT_NE(XtWindowToWidget(d, deepWindow), nullptr);
  delete frame;
  PumpIdle();
  EXPECT_EQ(XtWindowToWidget(d, deepWindow), nullptr);
  EXPECT_EQ(CountedMotif::live, 6);
  EXPECT_EQ(XtWindowToWidget(d, XtWindow(w)), w);

  const Window outerWindow = XtWindow(w);
  delete win;
  // Letters are only queued: they go at the next idle pass (the window, its
  // default contextual menu and six objects).
  EXPECT_EQ(l_QORDialog::GetLiveCount(), lettersBefore + 8);
  PumpIdle();
  EXPECT_EQ(l_QORDialog::GetLiveCount(), lettersBefore);
  EXPECT_EQ(CountedMotif::live, 0);
  EXPECT_EQ(XtWindowToWidget(d, outerWindow), nullptr);
}

TEST_F(DialogObject, TenThousandSettersCostOneWidgetUpdate) {
  TestDialog win("CoalesceWin");
  QORDlgMotif m(&win, "area", 0);
  l_QORDialog* l = m.GetLetterObject();
  ASSERT_TRUE(win.Show());
  Display* d = app->GetLetterObject()->GetDisplay();
  // Deferred setters (apply-now flag 0) from the same start to the same end state.
  auto requestsFor = [&](int calls) {
    l->SetRectDimensions(1, 1, 10, 10, 0);
    l->SetTitle("start");
    PumpIdle();
    XSync(d, False);
    const unsigned long before = NextRequest(d);
    for (int i = 1; i < calls; ++i) {
      l->SetRectDimensions(2 + i % 50, 2 + i % 30, 20 + i % 7, 30 + i % 11, 0);
      l->SetTitle(QORUnicodeString(std::to_string(i).c_str()));
      l->SetSensitivity(i % 2 ? QORDlgInsensitive : QORDlgSensitive);
    }
    l->SetRectDimensions(7, 9, 33, 44, 0);
    l->SetTitle("end");
    l->SetSensitivity(QORDlgSensitive);
    PumpIdle();
    return NextRequest(d) - before;
  };
  // The window manager's first exchanges with a new window cost requests too:
  // wait until one round trip costs the same twice in a row.
  unsigned long one = requestsFor(1);
  for (int i = 0, prev = 0; i < 10 && one != static_cast<unsigned long>(prev); ++i) {
    prev = static_cast<int>(one);
    usleep(50000);
    one = requestsFor(1);
  }
  const unsigned long many = requestsFor(10000);
  EXPECT_EQ(many, one);
  EXPECT_GT(one, 1u);  // the single update did reach the server
  EXPECT_EQ(MotifGeo(m.GetFatherWidget()), (Geo{7, 9, 44, 33}));
}

TEST_F(DialogObject, ReparentMovesTheBuiltWidgetAndXtMayDestroyIt) {
  TestDialog a("WinA"), b("WinB");
  QORDlgMotif m(&a, "area", 0);
  ASSERT_TRUE(a.Show());
  ASSERT_TRUE(b.Show());
  EXPECT_EQ(m.Reparent(&a), 0);  // already the father
  EXPECT_EQ(m.Reparent(&b), 1);
  EXPECT_EQ(a.GetChildCount(), 1);  // its default contextual menu stays
  EXPECT_EQ(b.GetChildNumberFromChild(&m), 1);  // after b's own menu
  PumpIdle();
  EXPECT_EQ(XtParent(m.GetFatherWidget()), b.GetLetterObject()->GetBaseWidget(0));
  EXPECT_TRUE(XtIsManaged(m.GetFatherWidget()));
  EXPECT_EQ(a.Reparent(&b), 0);  // a window is not a movable child
  // A widget destroyed by Xt leaves a consistent letter.
  XtDestroyWidget(m.GetFatherWidget());
  PumpIdle();
  EXPECT_EQ(m.GetFatherWidget(), nullptr);
  EXPECT_EQ(m.GetLetterObject()->IsBuild(), 0);
}

TEST_F(DialogObject, ReparentMovesTheCommandTooAndRefusesToHangATreeBelowItself) {
  TestDialog win("MoveWin");
  WatchingFrame from(&win, "from", 0), to(&win, "to", 0);
  QORDlgFrame inner(&from, "inner", 0);
  QORDlgMotif m(&from, "area", 0);
  ASSERT_TRUE(win.Show());
  ASSERT_EQ(m.Reparent(&to), 1);
  EXPECT_EQ(m.GetFather(), &to);
  EXPECT_EQ(std::string(m.GetPath().c_str()), std::string(to.GetPath().c_str()) + "/area");
  from.heard.clear();
  to.heard.clear();
  m.SetVisibility(QORDlgHidden);
  EXPECT_EQ(to.heard, std::vector<QORCommand*>{&m});
  EXPECT_TRUE(from.heard.empty());
  // Detached, the envelope roots its own command tree.
  ASSERT_EQ(m.Reparent(nullptr), 1);
  EXPECT_EQ(m.GetFather(), nullptr);
  EXPECT_STREQ(m.GetPath().c_str(), "area");

  // Into itself or one of its own descendants: refused, nothing moves.
  EXPECT_EQ(from.Reparent(&from), 0);
  EXPECT_EQ(from.Reparent(&inner), 0);
  EXPECT_EQ(from.GetFather(), &win);
  EXPECT_EQ(win.GetChildNumberFromChild(&from), 0);
  EXPECT_EQ(from.GetChildNumberFromChild(&inner), 0);
  EXPECT_EQ(inner.GetChildCount(), 0);
}
}  // namespace
