// Object cursors on a real display: SetCursor and its message, the cursor
// defined on the object's window by the idle pass (read back from the server
// with XFixes as the pointer rests over the window), the bit order of the
// pictures, and the busy cursor coming and going.
#include <gtest/gtest.h>

#include <X11/extensions/Xfixes.h>

#include <string>

#include "QORDlgCursorDefinition.h"
#include "QORDlgMotif.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

namespace {

l_QORInteractiveApplication* L() { return l_QORInteractiveApplication::GetCurrent(); }

class Cursors : public AppSuite {
 protected:
  void SetUp() override {
    AppSuite::SetUp();
    int event = 0, error = 0;
    if (app && !XFixesQueryExtension(L()->GetDisplay(), &event, &error)) GTEST_SKIP() << "needs XFIXES";
  }
};

// The cursor the server shows with the pointer in the middle of `w`.
XFixesCursorImage* cursorOver(Widget w) {
  Display* d = L()->GetDisplay();
  // The window manager maps top-level windows in its own time.
  for (int i = 0; i < 200 && !Viewable(w); ++i) PumpFor(10);  // no idle pass from here
  Widget shell = w;
  while (!XtIsShell(shell)) shell = XtParent(shell);
  XRaiseWindow(d, XtWindow(shell));
  XWarpPointer(d, None, XtWindow(w), 0, 0, 0, 0, 40, 40);
  XSync(d, False);
  return XFixesGetCursorImage(d);
}

// Empty when the image is the picture of `def`, else the first difference.
std::string differs(const XFixesCursorImage* img, const CursorDefinition& def) {
  if (img->width != def.width || img->height != def.height) return "size";
  if (img->xhot != def.hotX || img->yhot != def.hotY) return "hot spot";
  for (int i = 0; i < def.width * def.height; ++i) {
    const unsigned long argb = img->pixels[i] & 0xFFFFFFFFUL;
    const char c = def.pixels[i];
    const unsigned long want = c == '*' ? 0xFF000000UL : c == '.' ? 0xFFFFFFFFUL : 0;
    if ((c == ' ' && (argb >> 24) != 0) || (c != ' ' && argb != want))
      return "pixel " + std::to_string(i % def.width) + "," + std::to_string(i / def.width);
  }
  return "";
}
std::string differsOver(Widget w, const CursorDefinition& def) {
  XFixesCursorImage* img = cursorOver(w);
  const std::string d = differs(img, def);
  XFree(img);
  return d;
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
    EXPECT_NE(differsOver(w, QORDlgCursorTable[i]), "") << "cursor " << i << " shown before the idle pass";
    PumpIdle();
    EXPECT_EQ(differsOver(w, QORDlgCursorTable[i]), "") << "cursor " << i;
  }
}

TEST_F(Cursors, CursorSetBeforeTheWindowExistsAndThroughBusyPeriods) {
  TestDialog win("EarlyWin");
  QORDlgMotif m(&win, "m", 0);
  m.SetCursor(OpenedHand);  // nothing is built yet
  ASSERT_TRUE(win.Show());
  Widget w = m.GetLetterObject()->GetBaseWidget(0);
  ASSERT_TRUE(w && XtWindow(w));
  EXPECT_EQ(differsOver(w, QORDlgCursorTable[OpenedHand]), "");
  // Busy: the watch everywhere, the object's own cursor back afterwards.
  L()->SetBusyCursor();
  EXPECT_NE(differsOver(w, QORDlgCursorTable[OpenedHand]), "");
  PumpIdle();
  EXPECT_EQ(differsOver(w, QORDlgCursorTable[OpenedHand]), "");
}

}  // namespace
