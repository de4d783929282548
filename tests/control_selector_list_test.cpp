// The selector list on real widgets: lines put in by the program, clicks and
// Shift/Ctrl clicks through XTest against what Motif shows, the contextual
// line, the drag start, and the record and replay of selections by text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "QORDlgSelectorList.h"
#include "QORMarshal.h"
#include "l_QORDlgSelectorList.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"
#include "tolven_test_list.h"

namespace {

class SelectorList : public AppSuite, public HeardLog {
 protected:
  void SetUp() override {
    AppSuite::SetUp();
    withSender = false;
    GTEST_FLAG_SET(death_test_style, "threadsafe");
  }
  static Widget listOf(QORDlgSelectorList& l) { return l.GetLetterObject()->GetBaseWidget(1); }
  static std::vector<int> selected(QORDlgSelectorList& l) {
    std::vector<int> out(static_cast<size_t>(l.GetLineCount()));
    out.resize(static_cast<size_t>(std::min(l.GetSelect(out.data(), static_cast<int>(out.size())), l.GetLineCount())));
    return out;
  }
  static std::vector<std::string> lines(QORDlgSelectorList& l) {
    std::vector<std::string> out;
    for (int i = 0; i < l.GetLineCount(); ++i) {
      QORUnicodeString t;
      l.GetLine(t, i);
      out.push_back(t.str());
    }
    return out;
  }
};

TEST_F(SelectorList, LinesGoInBeforeOverOrAfterAsThePositionSaysAndTheWidgetFollows) {
  struct Case {
    int position;
    unsigned long mode;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {1, 0, {"a", "x", "y", "z", "b", "c", "d"}},  // before line 1
      {1, 0x80, {"a", "x", "y", "z"}},              // over lines 1 to 3
      {3, 0x80, {"a", "b", "c", "x", "y", "z"}},    // over line 3, the rest appended
      {-1, 0, {"a", "b", "c", "d", "x", "y", "z"}},
      {-70000, 0x80, {"a", "b", "c", "d", "x", "y", "z"}},
      {4, 0, {"a", "b", "c", "d", "x", "y", "z"}},  // just past the end
      {1 << 30, 0, {"a", "b", "c", "d", "x", "y", "z"}},
  };
  TestDialog win("InsertWin");
  QORDlgSelectorList list(&win, "Lines");
  ASSERT_TRUE(win.Show());
  const QORUnicodeString abcd[] = {"a", "b", "c", "d"}, xyz[] = {"x", "y", "z"};
  for (const Case& c : cases) {
    list.ClearLine();
    list.SetLine(abcd, 4, -1, 0);
    Settle(20);  // shown once, so the widget has to catch up with the change
    EXPECT_EQ(list.SetLine(xyz, 3, c.position, c.mode), static_cast<int>(c.expected.size())) << c.position;
    EXPECT_EQ(lines(list), c.expected) << c.position;
    Settle(20);
    EXPECT_EQ(ListItems(listOf(list)), c.expected) << c.position;
  }
}

TEST_F(SelectorList, ClicksAndShiftAndCtrlClicksSelectAsMotifShowsThem) {
  struct Case {
    unsigned long style;
    std::vector<std::pair<int, KeySym>> clicks;  // visible row, key held (0: none)
    std::vector<int> expected;                   // 0-based lines
    size_t notifications;
  };
  const Case cases[] = {
      {0, {{3, 0}}, {2}, 1},
      {0, {{3, 0}, {5, XK_Shift_L}}, {2}, 1},  // single selection: Motif ignores a Shift click
      {0, {{3, 0}, {5, 0}}, {4}, 2},
      {QORDlgListMultiple, {{2, 0}, {4, XK_Shift_L}}, {1, 2, 3}, 2},
      {QORDlgListMultiple, {{2, 0}, {4, XK_Shift_L}, {6, XK_Control_L}}, {1, 2, 3, 5}, 3},
      {QORDlgListMultiple, {{2, 0}, {6, XK_Control_L}, {2, XK_Control_L}}, {5}, 3},
  };
  for (const Case& c : cases) {
    TestDialog win("ClickWin");
    QORDlgSelectorList list(&win, "Clicks", c.style);
    const auto texts = Texts("line ", 20);
    list.SetLine(texts.data(), 20);
    listen(&list);
    ASSERT_TRUE(win.Show());
    Settle(200);
    heard.clear();
    for (auto [row, key] : c.clicks) {
      ClickRow(listOf(list), row, key);
    }
    EXPECT_EQ(selected(list), c.expected) << c.clicks.size();
    EXPECT_EQ(list.GetSelectCount(), static_cast<int>(c.expected.size()));
    std::vector<int> shown;
    for (int line : c.expected) shown.push_back(line + 1);
    EXPECT_EQ(ListSelected(listOf(list)), shown);
    EXPECT_EQ(heard, std::vector<std::string>(c.notifications, "QORDlgListSelectNotification"));
  }
}

TEST_F(SelectorList, ThirdButtonDoubleClickAndDragStartFromALine) {
  TestDialog win("UserWin");
  QORDlgSelectorList list(&win, "User");
  const auto texts = Texts("item ", 3);
  list.SetLine(texts.data(), 3);
  list.SetVisibleTextHeight(6);
  listen(&list);
  ASSERT_TRUE(win.Show());
  Settle(200);
  Widget w = listOf(list);
  ClickRow(w, 2, 0, 3);
  EXPECT_EQ(list.GetContextualLine(), 2);
  int x = 0, y = 0;
  ListRowPoint(w, 1, &x, &y);
  MoveTo(x, ScreenGeo(w).y + ScreenGeo(w).h - 6);  // below the last line
  XTestFakeButtonEvent(TestDisplay(), 3, True, CurrentTime);
  XTestFakeButtonEvent(TestDisplay(), 3, False, CurrentTime);
  Settle(100);
  EXPECT_EQ(list.GetContextualLine(), 0);

  heard.clear();
  ListRowPoint(w, 3, &x, &y);
  MoveTo(x, y);
  Press(true), Press(false), Press(true), Press(false);
  Settle(100);
  EXPECT_EQ(heard, (std::vector<std::string>{"QORDlgListSelectNotification", "QORDlgListActivateNotification"}));

  heard.clear();
  Settle(400);
  ListRowPoint(w, 1, &x, &y);
  MoveTo(x, y);
  Press(true);
  for (int step = 1; step <= 4; ++step) MoveTo(x + 5 * step, y), PumpFor(30);
  EXPECT_EQ(l_QORInteractiveApplication::dragStartWidget, w);
  Press(false);
  Settle(100);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "QORDlgDragButtonNotification"), 1);
  EXPECT_EQ(list.GetContextualLine(), 1);
}

TEST_F(SelectorList, ProgramSelectionFirstLineAndColumn) {
  TestDialog win("ProgWin");
  QORDlgSelectorList single(&win, "Single"), multi(&win, "Multi", QORDlgListMultiple), sized(&win, "Sized");
  sized.SetVisibleTextHeight(4);
  sized.SetVisibleTextWidth(30);
  const auto texts = Texts("n", 100);
  single.SetLine(texts.data(), 100);
  multi.SetLine(texts.data(), 100);
  ASSERT_TRUE(win.Show());
  struct Case {
    QORDlgSelectorList* list;
    std::vector<int> wanted, expected;
  };
  const Case cases[] = {
      {&single, {3, 5}, {3}},
      {&single, {-4, 200, 7}, {7}},  // lines outside the list are skipped
      {&multi, {3, 5}, {3, 5}},
      {&multi, {99, 100, -1}, {99}},
  };
  for (const Case& c : cases) {
    std::vector<int> wanted = c.wanted;
    EXPECT_EQ(c.list->SetSelect(wanted.data(), static_cast<int>(wanted.size()), 0),
              static_cast<int>(c.expected.size()));
    EXPECT_EQ(selected(*c.list), c.expected);
    Settle(20);
    std::vector<int> shown;
    for (int line : c.expected) shown.push_back(line + 1);
    EXPECT_EQ(ListSelected(listOf(*c.list)), shown);
  }
  QORUnicodeString byText[] = {"n42", "none", "n7"};
  EXPECT_EQ(multi.SetSelect(byText, 3, 0), 2);
  EXPECT_TRUE(multi.IsSelect(QORUnicodeString("n42")) && multi.IsSelect(7) && !multi.IsSelect(3));
  single.SetFirstLine(50);
  Settle(20);
  EXPECT_EQ(ListTop(listOf(single)), 51);
  EXPECT_EQ(single.GetFirstLine(), 50);
  // Four lines high, thirty digits across with the list's margins.
  EXPECT_EQ(Resource<int>(listOf(sized), XmNvisibleItemCount), 4);
  XmString digits = XmStringCreateLocalized(const_cast<char*>("000000000000000000000000000000"));
  const int text = XmStringWidth(Resource<XmRenderTable>(listOf(sized), XmNrenderTable), digits);
  XmStringFree(digits);
  EXPECT_GE(MotifGeo(listOf(sized)).w, text);
  EXPECT_LT(MotifGeo(listOf(sized)).w, text + 40);
}

TEST_F(SelectorList, BadInputIsShownOrIgnoredWithoutACrash) {
  TestDialog win("BadWin");
  QORDlgSelectorList list(&win, "Bad");
  ASSERT_TRUE(win.Show());
  const QORUnicodeString huge(std::string(100000, 'w'));
  list.SetLine(huge);
  list.SetLine(nullptr, 5, 0, 0);
  list.SetLine(&huge, -3, 0, 0);
  int gone[] = {-1, 7, 0, 0};
  list.ClearLine(gone, 4);
  list.ClearLine(nullptr, 2);
  list.SetFirstLine(-8);
  list.SetFirstColumn(1 << 30);
  Settle(50);
  EXPECT_EQ(list.GetLineCount(), 0);
  list.SetLine(huge);
  Settle(50);
  QORUnicodeString back;
  EXPECT_EQ(list.GetLine(back, 0), 1);
  EXPECT_EQ(back.GetLengthInByte(), 100000);
  EXPECT_EQ(list.GetLine(back, 1), 0);
  EXPECT_LT(MotifGeo(WidgetOf(&list)).w, 1000);  // the width is the visible one, not the line's
}

TEST_F(SelectorList, ASelectionReplaysByTextAfterTheLinesWereReordered) {
  TestDialog win("RecWin");
  QORDlgSelectorList list(&win, "Rec", QORDlgListMultiple);
  const QORUnicodeString texts[] = {"alpha", "beta", "gamma", "delta"};
  list.SetLine(texts, 4);
  ASSERT_TRUE(win.Show());
  int lines[] = {1, 3};
  list.SetSelect(lines, 2, 0);
  l_QORDialog* l = list.GetLetterObject();
  QORMarshal m;
  const std::string saved = TracedAt('2', [&] { EXPECT_EQ(l->SaveState(list.GetListSelectNotification(), m), 0); });
  EXPECT_EQ(saved,
            "/RECORD/ SaveState    QORDlgSelectorList   /Command Name/ Rec /Notification/ "
            "QORDlgListSelectNotification\n"
            "/RECORD/ SaveState                         _numberOfSelectedItems= 2 nbrElt= 4\n"
            "/RECORD/ SaveState                         _text= beta\n"
            "/RECORD/ SaveState                         _text= delta\n");
  const QORUnicodeString reordered[] = {"delta", "gamma", "beta", "alpha"};
  list.ClearLine();
  list.SetLine(reordered, 4);
  listen(&list);
  EXPECT_EQ(TracedAt('2', [&] { EXPECT_EQ(l->RestoreState(list.GetListSelectNotification(), m), 0); }),
            AsReplayed(saved));
  EXPECT_EQ(selected(list), (std::vector<int>{0, 2}));
  EXPECT_EQ(heard, std::vector<std::string>{"QORDlgListSelectNotification"});
  Settle(20);
  EXPECT_EQ(ListSelected(listOf(list)), (std::vector<int>{1, 3}));

  // A damaged record claiming a million lines, with none behind: read up to
  // the damage, whatever lines (an empty one too) the list has.
  list.SetLine(QORUnicodeString(""));
  QORMarshal damaged;
  damaged << 1000000;
  EXPECT_EQ(l->RestoreState(list.GetListSelectNotification(), damaged), 0);
  EXPECT_FALSE(damaged.Good());
  EXPECT_EQ(list.GetSelectCount(), 0);

  // A missing line ends the replay: status 987 (the low byte the parent sees).
  list.ClearLine(0);
  QORMarshal again;
  int beta[] = {1};
  list.SetSelect(beta, 1, 0);  // "beta"
  l->SaveState(list.GetListSelectNotification(), again);
  list.ClearLine(1);
  EXPECT_EXIT(
      {
        dup2(2, 1);
        l->RestoreState(list.GetListSelectNotification(), again);
      },
      testing::ExitedWithCode(987 & 0xff),
      "/REPLAY/ RestoreState ERROR : The line selected in the recording step:beta \n"
      "was not found in the list while replaying. Aborting...\n");
}

TEST_F(SelectorList, ADragReplaysOntoTheLineWithItsText) {
  TestDialog win("DragWin");
  QORDlgSelectorList list(&win, "Drag");
  const QORUnicodeString texts[] = {"one", "two", "three"};
  list.SetLine(texts, 3);
  ASSERT_TRUE(win.Show());
  Settle(100);
  ClickRow(listOf(list), 3, 0, 3);  // the contextual line: "three"
  l_QORDialog* l = list.GetLetterObject();
  QORMarshal m;
  EXPECT_EQ(TracedAt('2', [&] { l->SaveState(&list.GetLetterObject()->dragButtonNotification, m); }),
            "/RECORD/ SaveState    QORDlgSelectorList   /Command Name/ Drag /Notification/ "
            "QORDlgDragButtonNotification\n"
            "/RECORD/ SaveState                         _text= three contextualLine= 2\n");
  list.ClearLine(0);
  listen(&list);
  TracedAt('2', [&] { EXPECT_EQ(l->RestoreState(&l->dragButtonNotification, m), 0); });
  EXPECT_EQ(list.GetContextualLine(), 2);
  EXPECT_EQ(l_QORInteractiveApplication::dragStartWidget, listOf(list));
  EXPECT_EQ(heard, std::vector<std::string>{"QORDlgDragButtonNotification"});
  Settle(20);
}

}  // namespace
