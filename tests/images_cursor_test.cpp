// Object cursors on a real display: SetCursor and its message, the cursor
// defined on the object's window by the idle pass (read back from the server
// with XFixes as the pointer rests over the window), the bit order of the
// pictures, and the busy cursor coming and going.
#include <gtest/gtest.h>

#include "QORDlgCursorDefinition.h"
#include "QORDlgMotif.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"
#include "tolven_test_script.h"

namespace {

l_QORInteractiveApplication* L() { return l_QORInteractiveApplication::GetCurrent(); }

using Cursors = CursorSuite;

// Whether the server shows the picture of `def` with the pointer in the middle of `w`.
bool shownOver(Widget w, const CursorDefinition& def) {
  Display* d = L()->GetDisplay();
  // The window manager maps top-level windows in its own time.
  for (int i = 0; i < 200 && !Viewable(w); ++i) PumpFor(10);  // no idle pass from here
  Widget shell = w;
  while (!XtIsShell(shell)) shell = XtParent(shell);
  XRaiseWindow(d, XtWindow(shell));
  XWarpPointer(d, None, XtWindow(w), 0, 0, 0, 0, 40, 40);
  XSync(d, False);
  XFixesCursorImage* img = XFixesGetCursorImage(d);
  const bool shown = InputScript::Shows(img, def);
  XFree(img);
  return shown;
}

TEST_F(Cursors, SetCursorReturnsThePreviousAndRejectsBadIndexes) {
  TestDialog win("SetWin");
  QORDlgMotif m(&win, "m", 0);
  ASSERT_TRUE(win.Show());
  l_QORDialog* l = m.GetLetterObject();
  EXPECT_EQ(StdoutOf([&] { EXPECT_EQ(m.SetCursor(static_cast<QORDlgCursor>(12)), 0); }), "Invalid cursor 12\n");
  EXPECT_EQ(l->GetCursorIndex(), -1);
  EXPECT_EQ(l->GetPendingMask() & 0x20, 0u);
  EXPECT_EQ(m.SetCursor(Target), 0);
  EXPECT_NE(l->GetPendingMask() & 0x20, 0u);
  EXPECT_EQ(m.SetCursor(Magnifier), Target);
  EXPECT_EQ(StdoutOf([&] {
              EXPECT_EQ(m.SetCursor(static_cast<QORDlgCursor>(12)), Magnifier);
              EXPECT_EQ(m.SetCursor(QORDlgNoCursor), Magnifier);
            }),
            "Invalid cursor 12\nInvalid cursor -1\n");
  EXPECT_EQ(m.GetCursor(), Magnifier);
  PumpIdle();
  EXPECT_EQ(l->GetPendingMask() & 0x20, 0u);
}

TEST_F(Cursors, EveryTableCursorIsDefinedOnTheWindowByTheIdlePass) {
  TestDialog win("TableWin");
  QORDlgMotif m(&win, "m", 0);
  ASSERT_TRUE(win.Show());
  Widget w = m.GetLetterObject()->GetBaseWidget(0);
  ASSERT_TRUE(w && XtWindow(w));
  for (int i = 0; i < QORDlgCursorCount; ++i) {
    m.SetCursor(static_cast<QORDlgCursor>(i));
    EXPECT_FALSE(shownOver(w, QORDlgCursorTable[i])) << "cursor " << i << " shown before the idle pass";
    PumpIdle();
    EXPECT_TRUE(shownOver(w, QORDlgCursorTable[i])) << "cursor " << i;
  }
}

TEST_F(Cursors, CursorSetBeforeTheWindowExistsAndThroughBusyPeriods) {
  TestDialog win("EarlyWin");
  QORDlgMotif m(&win, "m", 0);
  m.SetCursor(OpenedHand);  // nothing is built yet
  ASSERT_TRUE(win.Show());
  Widget w = m.GetLetterObject()->GetBaseWidget(0);
  ASSERT_TRUE(w && XtWindow(w));
  EXPECT_TRUE(shownOver(w, QORDlgCursorTable[OpenedHand]));
  // Busy: the watch everywhere, the object's own cursor back afterwards.
  L()->SetBusyCursor();
  EXPECT_FALSE(shownOver(w, QORDlgCursorTable[OpenedHand]));
  PumpIdle();
  EXPECT_TRUE(shownOver(w, QORDlgCursorTable[OpenedHand]));
}

}  // namespace
