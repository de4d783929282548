// The multi-column list on real widgets: the table the program fills, the
// selection kept on whole lines in every column, clicks and keys through
// XTest, the shared scroll bar, a column resized by dragging its separator,
// the horizontal bar of columns wider than the table, the windowed mode, and
// the record and replay of selections by text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "QORDlgMultiList.h"
#include "QORMarshal.h"
#include "l_QORDlgMultiList.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"
#include "tolven_test_list.h"

namespace {

class MultiList : public AppSuite, public HeardLog {
 protected:
  void SetUp() override {
    AppSuite::SetUp();
    withSender = false;
    GTEST_FLAG_SET(death_test_style, "threadsafe");
  }
  // A table of `lines` lines: "c<column> <line>".
  static void fill(QORDlgMultiList& t, int lines, int columns = 3) {
    for (int c = 0; c < columns; ++c) {
      const auto texts = Texts("c" + std::to_string(c) + " ", lines);
      t.SetColumnItems(c, texts.data(), lines);
    }
  }
  static Widget listOf(QORDlgMultiList& t, int column) { return t.GetLetterObject()->GetBaseWidget(column + 1); }
  static std::vector<int> selected(QORDlgMultiList& t) {
    std::vector<int> out(static_cast<size_t>(t.GetLineCount()) + 1);
    out.resize(static_cast<size_t>(t.GetSelect(out.data(), static_cast<int>(out.size()))));
    return out;
  }
  // Every column's list shows the same top line and selected rows: the first one's.
  static void expectColumnsAgree(QORDlgMultiList& t) {
    for (int c = 1; c < t.GetColumnCount(); ++c) {
      EXPECT_EQ(ListTop(listOf(t, c)), ListTop(listOf(t, 0))) << "column " << c;
      EXPECT_EQ(ListSelected(listOf(t, c)), ListSelected(listOf(t, 0))) << "column " << c;
      EXPECT_EQ(ListItems(listOf(t, c)).size(), ListItems(listOf(t, 0)).size()) << "column " << c;
    }
  }
};

TEST_F(MultiList, ProgramSelectionSingleMultipleAndIdentical) {
  TestDialog win("SelWin");
  QORDlgMultiList single(&win, "Single"), multi(&win, "Multi", QORDlgListMultiple);
  fill(single, 10);
  fill(multi, 10);
  listen(&multi);
  ASSERT_TRUE(win.Show());
  int threeFive[] = {3, 5};
  EXPECT_EQ(single.SetSelect(threeFive, 2, 0), 1);
  EXPECT_EQ(selected(single), std::vector<int>{3});

  int oneFour[] = {1, 4}, two[] = {2};
  multi.SetSelect(oneFour, 2, 0);
  heard.clear();
  EXPECT_EQ(StdoutOf([&] { EXPECT_EQ(multi.SetSelect(oneFour, 2, 1), 2); }), "Selection identique\n");
  EXPECT_TRUE(heard.empty());
  EXPECT_EQ(StdoutOf([&] { EXPECT_EQ(multi.SetSelect(two, 1, 1), 3); }), "");
  EXPECT_EQ(selected(multi), (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(heard, std::vector<std::string>{"QORDlgListSelectNotification"});
  QORUnicodeString byText[] = {"c1 7", "nothing"};
  multi.ClearSelect();
  EXPECT_EQ(multi.SetSelect(1, byText, 2, 0), 1);
  EXPECT_TRUE(multi.IsSelect(7) && multi.IsSelect(2, QORUnicodeString("c2 7")));
  Settle(50);
  EXPECT_EQ(ListSelected(listOf(multi, 0)), std::vector<int>{8});
  expectColumnsAgree(multi);
}

TEST_F(MultiList, ItemsInsertOverwriteAndPadTheColumns) {
  struct Case {
    int line;
    unsigned long mode;
    std::vector<std::string> column;
    int selectedAfter;  // line 2 was selected
  };
  const Case cases[] = {
      {2, 128, {"a", "b", "x", "y", "z"}, 2},  // line 2 overwritten, two appended
      {1, 0, {"a", "x", "y", "z", "b", "c"}, 5},
      {-1, 0, {"a", "b", "c", "x", "y", "z"}, 2},
      {1 << 30, 128, {"a", "b", "c", "x", "y", "z"}, 2},
  };
  for (const Case& c : cases) {
    TestDialog win("ItemWin");
    QORDlgMultiList t(&win, "Items");
    const QORUnicodeString abc[] = {"a", "b", "c"}, xyz[] = {"x", "y", "z"};
    t.SetColumnItems(0, abc, 3);
    int keep[] = {2};
    t.SetSelect(keep, 1, 0);
    t.SetColumnItems(0, xyz, 3, c.line, c.mode);
    std::vector<std::string> got;
    for (int i = 0; i < t.GetLineCount(); ++i) {
      QORUnicodeString s;
      t.GetColumnItem(0, s, i);
      got.push_back(s.str());
    }
    EXPECT_EQ(got, c.column) << c.line;
    EXPECT_EQ(selected(t), std::vector<int>{c.selectedAfter}) << c.line;
    // Column 2 comes on demand; shorter than the others, it shows blank lines.
    t.SetColumnItem(2, "only", 0);
    EXPECT_EQ(t.GetColumnCount(), 3);
    EXPECT_EQ(t.GetLineCount(), static_cast<int>(c.column.size()));
    QORUnicodeString item;
    t.GetColumnItem(2, item, 1 << 20);  // past the end: the last item
    EXPECT_EQ(item.str(), "only");
    t.GetColumnItem(2, item, 1);
    EXPECT_EQ(item.str(), "");
  }
}

TEST_F(MultiList, WidthsVisibilityAndOrderOfColumns) {
  TestDialog win("ColWin");
  QORDlgMultiList t(&win, "Cols");
  fill(t, 5);
  // Before it is built the character width is the default 7 pixels.
  t.SetColumnPixelWidth(1, 100);
  EXPECT_EQ(t.GetColumnTextWidth(1), 13);
  EXPECT_EQ(t.GetColumnPixelWidth(0), -1);
  EXPECT_EQ(t.GetColumnTextWidth(0), -1);
  QORUnicodeString titles[] = {"Part", "Count", "Mass"};
  t.SetColumnTitles(3, titles);
  ASSERT_TRUE(win.Show());
  Settle(100);
  Widget form1 = XtParent(listOf(t, 1));
  EXPECT_EQ(MotifGeo(form1).w, 100);
  t.SetColumnVisibility(1, QORDlgHidden);
  t.SetColumnVisibility(2, 77);  // neither shown nor hidden: ignored
  Settle(50);
  EXPECT_FALSE(XtIsManaged(form1));
  EXPECT_EQ(t.GetColumnVisibility(2), QORDlgShown);
  int order[] = {2, 0, 1};  // column 0 goes to 2, 1 to 0, 2 to 1
  t.ReorderColumns(order, 3, 0);
  Settle(50);
  QORUnicodeString first;
  t.GetColumnItem(0, first, 0);
  EXPECT_EQ(first.str(), "c1 0");
  EXPECT_EQ(t.GetColumnVisibility(0), QORDlgHidden);  // the hidden one moved with its column
  int lost[] = {0, 0, 0};                              // not a permutation: nothing moves
  t.ReorderColumns(lost, 3, 0);
  t.GetColumnItem(0, first, 0);
  EXPECT_EQ(first.str(), "c1 0");
  t.ReorderColumns(nullptr, 3, 0);
  t.SetColumnTitles(0, nullptr);  // no columns: nothing changes
  EXPECT_EQ(t.GetColumnCount(), 3);
}

TEST_F(MultiList, AColumnIndexOutOfRangeIsAnAssertion) {
  TestDialog win("AssertWin");
  QORDlgMultiList t(&win, "Assert");
  fill(t, 2, 2);
  QORUnicodeString s;
  EXPECT_DEATH(t.GetColumnItem(2, s, 0), "column < _numberOfColumns");
  EXPECT_DEATH(t.GetColumnVisibility(-1), "column < _numberOfColumns");
  EXPECT_DEATH(t.SetColumnItem(-1, s), "column >= 0");
}

TEST_F(MultiList, ClicksSelectWholeLinesInEveryColumnAsMotifDoes) {
  struct Case {
    unsigned long style;
    int column;
    std::vector<std::pair<int, KeySym>> clicks;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {0, 1, {{3, 0}}, {2}},
      {0, 2, {{3, 0}, {6, 0}}, {5}},
      {QORDlgListMultiple, 0, {{2, 0}, {4, XK_Shift_L}}, {1, 2, 3}},
      {QORDlgListMultiple, 2, {{2, 0}, {4, XK_Shift_L}, {7, XK_Control_L}}, {1, 2, 3, 6}},
  };
  for (const Case& c : cases) {
    TestDialog win("ClickWin");
    QORDlgMultiList t(&win, "Clicks", c.style);
    fill(t, 30);
    listen(&t);
    ASSERT_TRUE(win.Show());
    Settle(200);
    heard.clear();
    for (auto [row, key] : c.clicks) ClickRow(listOf(t, c.column), row, key);
    EXPECT_EQ(selected(t), c.expected);
    EXPECT_EQ(t.GetSelectedColumn(), c.column);
    std::vector<int> shown;
    for (int line : c.expected) shown.push_back(line + 1);
    EXPECT_EQ(ListSelected(listOf(t, c.column)), shown);
    expectColumnsAgree(t);
    EXPECT_EQ(heard, std::vector<std::string>(c.clicks.size(), "QORDlgListSelectNotification"));
  }
}

TEST_F(MultiList, TheScrollBarAndThePageKeysMoveEveryColumn) {
  for (unsigned long style : {0UL, static_cast<unsigned long>(QORDlgListWindowed)}) {
    TestDialog win("ScrollWin");
    QORDlgMultiList t(&win, "Scroll", style);
    QORDlgMultiList follower(&win, "Follower");
    fill(t, 100);
    fill(follower, 100, 2);
    t.Synchronize(&follower);
    ASSERT_TRUE(win.Show());
    Settle(200);
    // A click in the scroll bar's trough below the slider: one page down.
    Widget bar = nullptr;
    XtVaGetValues(WidgetOf(&t), XmNverticalScrollBar, &bar, nullptr);
    ASSERT_TRUE(bar && XtIsManaged(bar));
    const Geo g = ScreenGeo(bar);
    MoveTo(g.x + g.w / 2, g.y + g.h - 30);
    Press(true), Press(false);
    Settle(200);
    EXPECT_EQ(t.GetFirstLine(), 10) << style;
    EXPECT_EQ(follower.GetFirstLine(), 10);
    EXPECT_EQ(ListItems(listOf(t, 2))[static_cast<size_t>(ListTop(listOf(t, 2)) - 1)], "c2 10");
    expectColumnsAgree(t);
    EXPECT_EQ(ListTop(listOf(follower, 1)), 11);
    // The page keys in a column's list.
    ClickRow(listOf(t, 1), 1);
    Chord({XK_Next});
    EXPECT_EQ(t.GetFirstLine(), 20);
    Chord({XK_Prior});
    Chord({XK_Prior});
    EXPECT_EQ(t.GetFirstLine(), 0);
    expectColumnsAgree(t);
  }
}

TEST_F(MultiList, ArrowKeysMoveTheSelectionAndScroll) {
  TestDialog win("KeyWin");
  QORDlgMultiList t(&win, "Keys");
  fill(t, 40);
  listen(&t);
  ASSERT_TRUE(win.Show());
  Settle(200);
  ClickRow(listOf(t, 0), 9);  // line 8, near the bottom of the ten shown
  for (int i = 0; i < 3; ++i) Chord({XK_Down});
  EXPECT_EQ(selected(t), std::vector<int>{11});
  EXPECT_EQ(t.GetFirstLine(), 2);  // scrolled so that line 11 shows
  expectColumnsAgree(t);
  Chord({XK_Up});
  EXPECT_EQ(selected(t), std::vector<int>{10});
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "QORDlgListSelectNotification"), 5);
  for (int i = 0; i < 12; ++i) Chord({XK_Up});
  EXPECT_EQ(selected(t), std::vector<int>{0});
  EXPECT_EQ(t.GetFirstLine(), 0);
}

TEST_F(MultiList, WindowedModeHoldsOnlyTheVisibleLines) {
  TestDialog win("WinWin");
  QORDlgMultiList t(&win, "Windowed", QORDlgListWindowed);
  fill(t, 1000);
  ASSERT_TRUE(win.Show());
  int line[] = {505};
  t.SetSelect(line, 1, 0);
  t.SetFirstLine(500);
  Settle(50);
  for (int c = 0; c < 3; ++c) {
    const auto items = ListItems(listOf(t, c));
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items.front(), "c" + std::to_string(c) + " 500");
  }
  EXPECT_EQ(ListSelected(listOf(t, 1)), std::vector<int>{6});
  ClickRow(listOf(t, 0), 3, 0, 3);
  EXPECT_EQ(t.GetContextualLine(), 503);
  t.SetFirstLine(1 << 30);  // clamped to the last page
  EXPECT_EQ(t.GetFirstLine(), 990);
  t.SetFirstLine(-5);
  EXPECT_EQ(t.GetFirstLine(), 0);
}

// The bars of a table: the horizontal one comes and goes with the width of the shown columns.
Widget barOf(QORDlgMultiList& t, const char* which) {
  Widget bar = nullptr;
  XtVaGetValues(WidgetOf(&t), which, &bar, nullptr);
  return bar;
}

// Drags the separator at the right of `column` by dx pixels.
void dragSeparator(QORDlgMultiList& t, int column, int dx) {
  Widget sep = XtNameToWidget(XtParent(XtParent(t.GetLetterObject()->GetBaseWidget(1))),
                              ("sep[" + std::to_string(column) + "]").c_str());
  ASSERT_TRUE(sep);
  DragFromCentre(sep, dx, 0, 5);
}

TEST_F(MultiList, DraggingASeparatorResizesItsColumn) {
  TestDialog win("SepWin");
  QORDlgMultiList t(&win, "Sep");
  fill(t, 5);
  ASSERT_TRUE(win.Show());
  Settle(200);
  Widget form0 = XtParent(listOf(t, 0));
  const int before = MotifGeo(form0).w;
  dragSeparator(t, 0, 30);
  Settle(100);
  EXPECT_EQ(MotifGeo(form0).w, before + 30);
  EXPECT_EQ(t.GetColumnPixelWidth(0), before + 30);
}

TEST_F(MultiList, AHorizontalBarOnlyWhenTheShownColumnsAreWiderThanTheTable) {
  struct Case {
    const char* what;
    std::function<void(QORDlgMultiList&)> change;
    bool bar;
  };
  const Case cases[] = {
      {"natural widths", [](QORDlgMultiList&) {}, false},
      {"a column widened by the program", [](QORDlgMultiList& t) { t.SetColumnPixelWidth(1, 400); }, true},
      {"the wide column hidden",
       [](QORDlgMultiList& t) {
         t.SetColumnPixelWidth(1, 400);
         t.SetColumnVisibility(1, QORDlgHidden);
       },
       false},
      {"the last column dragged wider", [](QORDlgMultiList& t) { dragSeparator(t, 2, 150); }, true},
      {"wide columns narrowed again",
       [](QORDlgMultiList& t) {
         t.SetColumnPixelWidth(0, 400);
         Settle(50);
         t.SetColumnPixelWidth(0, 30);
       },
       false},
  };
  for (const Case& c : cases) {
    TestDialog win("WideWin");
    QORDlgMultiList t(&win, "Wide");
    fill(t, 5);
    ASSERT_TRUE(win.Show());
    Settle(100);
    c.change(t);
    Settle(150);
    Widget hbar = barOf(t, XmNhorizontalScrollBar);
    ASSERT_TRUE(hbar);
    EXPECT_EQ(Viewable(hbar), c.bar) << c.what;
    if (!c.bar) continue;
    // The range is the shown columns up to the right of the last separator.
    Widget last = XtNameToWidget(XtParent(XtParent(listOf(t, 2))), "sep[2]");
    int maximum = 0;
    XtVaGetValues(hbar, XmNmaximum, &maximum, nullptr);
    EXPECT_EQ(maximum, ServerGeo(last).x + ServerGeo(last).w) << c.what;
  }
}

TEST_F(MultiList, TheHorizontalBarMovesColumnsAndTitlesTogether) {
  TestDialog win("SideWin");
  QORDlgMultiList t(&win, "Side");
  fill(t, 100);
  QORUnicodeString titles[] = {"Part", "Count", "Mass"};
  t.SetColumnTitles(3, titles);
  ASSERT_TRUE(win.Show());
  Settle(100);
  for (int c = 0; c < 3; ++c) t.SetColumnPixelWidth(c, 200);
  Settle(150);
  Widget hbar = barOf(t, XmNhorizontalScrollBar), vbar = barOf(t, XmNverticalScrollBar);
  ASSERT_TRUE(Viewable(hbar) && Viewable(vbar));
  const Geo vbarBefore = ScreenGeo(vbar);
  Widget title1 = XtNameToWidget(XtParent(listOf(t, 1)), "*v_titles[1]");
  ASSERT_TRUE(title1);
  const int list1 = ScreenGeo(listOf(t, 1)).x, list2 = ScreenGeo(listOf(t, 2)).x, head1 = ScreenGeo(title1).x;
  // One click on the right arrow, one in the trough left of it.
  const Geo g = ScreenGeo(hbar);
  for (int x : {g.x + g.w - g.h / 2, g.x + g.w - g.h - 4}) {
    MoveTo(x, g.y + g.h / 2);
    Press(true), Press(false);
    Settle(150);
  }
  int value = 0;
  XtVaGetValues(hbar, XmNvalue, &value, nullptr);
  EXPECT_GT(value, 20);  // more than the arrow's step: the page came too
  EXPECT_EQ(list1 - ScreenGeo(listOf(t, 1)).x, value);
  EXPECT_EQ(list2 - ScreenGeo(listOf(t, 2)).x, value);
  EXPECT_EQ(head1 - ScreenGeo(title1).x, value);
  // The vertical bar keeps its place, and still moves every column.
  EXPECT_EQ(ScreenGeo(vbar), vbarBefore);
  MoveTo(vbarBefore.x + vbarBefore.w / 2, vbarBefore.y + vbarBefore.h - 30);
  Press(true), Press(false);
  Settle(200);
  EXPECT_GT(t.GetFirstLine(), 0);
  EXPECT_EQ(ListTop(listOf(t, 0)), t.GetFirstLine() + 1);
  expectColumnsAgree(t);
}

TEST_F(MultiList, AColumnReachedWithTheKeyboardScrollsIntoView) {
  TestDialog win("TabWin");
  QORDlgMultiList t(&win, "Tab");
  fill(t, 5);
  ASSERT_TRUE(win.Show());
  Settle(100);
  for (int c = 0; c < 3; ++c) t.SetColumnPixelWidth(c, 200);
  Settle(150);
  const Geo table = ScreenGeo(XtParent(XtParent(XtParent(listOf(t, 0)))));  // the clip window
  ClickRow(listOf(t, 0), 1);
  // Tab reaches the column cut by the right edge (Motif skips the ones wholly
  // out of sight): it shows whole, at the edge. Shift+Tab brings the first back.
  ASSERT_LT(ScreenGeo(listOf(t, 1)).x, table.x + table.w);
  Chord({XK_Tab});
  const Geo second = ScreenGeo(listOf(t, 1));
  EXPECT_EQ(second.x + second.w, table.x + table.w);
  Chord({XK_Shift_L, XK_Tab});
  EXPECT_EQ(ScreenGeo(listOf(t, 0)).x, table.x);
}

TEST_F(MultiList, BadInputIsShownOrIgnoredWithoutACrash) {
  TestDialog win("BadWin");
  QORDlgMultiList t(&win, "Bad");
  ASSERT_TRUE(win.Show());
  const QORUnicodeString huge(std::string(100000, 'w'));
  t.SetColumnItem(0, huge);
  t.SetColumnItems(1, nullptr, 4);
  t.SetColumnItems(0, &huge, -2);
  int gone[] = {-1, 5, 1 << 30};
  t.ClearLine(gone, 3);
  t.ClearLine(nullptr, 1);
  int wild[] = {-7, 1 << 30};
  EXPECT_EQ(t.SetSelect(wild, 2, 0), 0);
  t.SetVisibleLineCount(0);
  t.SetVisibleTextWidth(-3);
  Settle(50);
  EXPECT_EQ(t.GetLineCount(), 1);
  EXPECT_EQ(t.GetColumnCount(), 2);
  EXPECT_LT(MotifGeo(WidgetOf(&t)).w, 1000);
  t.ClearLine(0);
  Settle(50);
  EXPECT_EQ(t.GetLineCount(), 0);
}

TEST_F(MultiList, ASelectionReplaysByTextAfterTheLinesWereReordered) {
  TestDialog win("RecWin");
  QORDlgMultiList t(&win, "Rec", QORDlgListMultiple);
  const QORUnicodeString parts[] = {"bolt", "nut", "washer", "pin"};
  t.SetColumnItems(0, parts, 4);
  ASSERT_TRUE(win.Show());
  int lines[] = {1, 3};
  t.SetSelect(lines, 2, 0);
  Settle(20);
  l_QORDialog* l = t.GetLetterObject();
  QORMarshal m;
  EXPECT_EQ(TracedAt('2', [&] { EXPECT_EQ(l->SaveState(t.GetListSelectNotification(), m), 0); }),
            "/RECORD/ SaveState    QORDlgMultiList      /Command Name/ Rec /Notification/ "
            "QORDlgListSelectNotification\n"
            "/RECORD/ SaveState                         itemData= nut\n"
            "/RECORD/ SaveState                         itemData= pin\n"
            "/RECORD/ SaveState                         _numberOfSelectedItems= 2 nbrElt= 4 _topItemPosition= 0 "
            "_needToSynchronizeTopItems= 0\n"
            "/RECORD/ SaveState                         update= -1 updateState=0\n");
  const QORUnicodeString reordered[] = {"pin", "washer", "nut", "bolt"};
  t.ClearLine();
  t.SetColumnItems(0, reordered, 4);
  listen(&t);
  EXPECT_EQ(TracedAt('1', [&] { EXPECT_EQ(l->RestoreState(t.GetListSelectNotification(), m), 0); }),
            "/REPLAY/ RestoreState QORDlgMultiList      /Command Name/ Rec /Notification/ "
            "QORDlgListSelectNotification\n");
  EXPECT_EQ(selected(t), (std::vector<int>{0, 2}));
  EXPECT_EQ(heard, std::vector<std::string>{"QORDlgListSelectNotification"});
  Settle(20);
  EXPECT_EQ(ListSelected(listOf(t, 0)), (std::vector<int>{1, 3}));

  t.ClearLine(0);  // "pin" is gone
  EXPECT_EXIT(
      {
        dup2(2, 1);
        QORMarshal again;
        again << 1 << 1 << 0u << 0 << 0;
        again.Write("pin", 3);
        l->RestoreState(t.GetListSelectNotification(), again);
      },
      testing::ExitedWithCode(987 & 0xff),
      "/REPLAY/ RestoreState ERROR : The line selected in the recording step:pin \n"
      "was not found in the list while replaying. Aborting...\n");
}

}  // namespace
