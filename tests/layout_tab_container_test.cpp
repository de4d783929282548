// The tab container on real widgets: a click on a title shows that page only
// (the server's map state) and sends one select notification; selection by
// program; pages destroyed under the selection; a strip too wide for the
// container scrolls with its arrows; what Reparent refuses; and a recorded
// run of tab changes and a sash drag replays to the same notifications.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "QORDlgCombo.h"
#include "QORDlgFrame.h"
#include "QORDlgPageTitle.h"
#include "QORDlgPushButton.h"
#include "QORDlgSplitter.h"
#include "QORDlgTabContainer.h"
#include "QORDlgTabPage.h"
#include "QORRecord.h"
#include "l_QORDlgCombo.h"
#include "l_QORDlgSplitter.h"
#include "l_QORDlgTab.h"
#include "l_QORDlgTabContainer.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

namespace {

// A shown window with one tab container of pages named `names`, each holding
// one area, and the select notifications it sent.
class Tabs : public AppSuite {
 protected:
  void build(std::vector<const char*> names, int areaWidth = 300) {
    win = std::make_unique<TestDialog>("TabWin");
    tabs = new QORDlgTabContainer(win.get(), "Tabs", 0);
    for (const char* n : names) {
      auto* page = new QORDlgTabPage(tabs, n, 0);
      Area(page, (std::string(n) + "Area").c_str(), areaWidth, 60);
      pages.push_back(page);
    }
    win->GetLetterObject()->Attach4Sides(tabs->GetLetterObject());
    listener.AddAnalyseNotificationCB(tabs, QORDlgTabSelectNotification::ClassName(),
                                      [this](QORCommand*, QORNotification*) { ++selects; });
    ASSERT_TRUE(win->Show());
    selects = 0;
  }
  l_QORDlgTabContainer* letter() const { return static_cast<l_QORDlgTabContainer*>(tabs->GetLetterObject()); }
  Widget title(int i) const { return letter()->GetTitle(i)->GetLabelWidget(); }
  // Which pages the server shows, as a string of 0 and 1.
  std::string shown() const {
    std::string s;
    for (QORDlgTabPage* p : pages) s += Viewable(WidgetOf(p)) ? '1' : '0';
    return s;
  }

  QORCommand listener{nullptr, "listener"};
  std::unique_ptr<TestDialog> win;
  QORDlgTabContainer* tabs = nullptr;
  std::vector<QORDlgTabPage*> pages;
  int selects = 0;
};

TEST_F(Tabs, AClickOnATitleShowsThatPageOnlyAndSendsOneNotification) {
  build({"One", "Two", "Three"});
  EXPECT_EQ(shown(), "100");
  struct Step {
    int click;
    const char* shown;
  };
  // The last click is on the title already selected: it still notifies.
  const Step steps[] = {{2, "001"}, {1, "010"}, {0, "100"}, {0, "100"}};
  for (const Step& s : steps) {
    selects = 0;
    Click(title(s.click));
    EXPECT_TRUE(PumpUntil([&] { return shown() == s.shown; })) << "click " << s.click << " shows " << shown();
    EXPECT_EQ(selects, 1) << "click " << s.click;
    EXPECT_EQ(tabs->GetSelectedPage(), s.click);
    EXPECT_EQ(tabs->GetSelectedPagePtr(), pages[s.click]);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(letter()->GetTitle(i)->IsActive() != 0, i == s.click);
  }
}

TEST_F(Tabs, AClickOnATitleClosesTheWindowsOpenComboList) {
  build({"One", "Two"});
  auto* combo = new QORDlgCombo(pages[0], "Choice");
  combo->SetLine(QORUnicodeString("Alpha"), -1, 0);
  PumpIdle();
  auto* list = static_cast<l_QORDlgCombo*>(combo->GetLetterObject());
  list->arrowPressed();
  PumpIdle();
  ASSERT_TRUE(list->IsOpen());
  Click(title(1));
  EXPECT_TRUE(PumpUntil([&] { return shown() == "01"; }));
  EXPECT_FALSE(list->IsOpen());
}

TEST_F(Tabs, SelectionByProgramNotifiesOnlyWhenAskedAndOnlyForAChange) {
  build({"One", "Two", "Three"});
  struct Call {
    int index, notify;
    int selected, selects;
    const char* shown;
  };
  const Call calls[] = {
      {5, 1, 0, 0, "100"},   // out of range
      {-1, 1, 0, 0, "100"},
      {0, 1, 0, 0, "100"},   // already current
      {2, 1, 2, 1, "001"},
      {1, 0, 1, 0, "010"},   // silently
  };
  for (const Call& c : calls) {
    selects = 0;
    tabs->SetSelectedPage(c.index, c.notify);
    PumpIdle();
    EXPECT_EQ(tabs->GetSelectedPage(), c.selected) << c.index;
    EXPECT_EQ(selects, c.selects) << c.index;
    EXPECT_EQ(shown(), c.shown) << c.index;
  }
  tabs->SetSelectedPage(pages[0], 1);
  PumpIdle();
  EXPECT_EQ(tabs->GetSelectedPage(), 0);
  EXPECT_EQ(selects, 1);
}

struct RemoveCase {
  const char* name;
  int selected, destroyed;
  int after;    // selected index afterwards
  int selects;  // notifications sent
};
void PrintTo(const RemoveCase& c, std::ostream* os) { *os << c.name; }

class TabsRemove : public Tabs, public testing::WithParamInterface<RemoveCase> {};

TEST_P(TabsRemove, DestroyingAPageKeepsASensibleSelection) {
  const RemoveCase& c = GetParam();
  build({"One", "Two", "Three"});
  QORDlgTabPage* keep = pages[c.selected == c.destroyed ? (c.after >= c.destroyed ? c.after + 1 : c.after) : c.selected];
  tabs->SetSelectedPage(c.selected, 0);
  PumpIdle();
  delete pages[c.destroyed];
  pages.erase(pages.begin() + c.destroyed);
  PumpIdle();
  EXPECT_EQ(tabs->GetPageCount(), 2);
  EXPECT_EQ(tabs->GetSelectedPage(), c.after);
  EXPECT_EQ(tabs->GetSelectedPagePtr(), keep);
  EXPECT_EQ(selects, c.selects);
  EXPECT_TRUE(Viewable(WidgetOf(keep)));
}

const RemoveCase kRemoveCases[] = {
    {"SelectedLast", 2, 2, 1, 1},
    {"FirstBeforeSelected", 2, 0, 1, 1},
    {"AfterSelected", 0, 2, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(Pages, TabsRemove, testing::ValuesIn(kRemoveCases),
                         [](const testing::TestParamInfo<RemoveCase>& i) { return std::string(i.param.name); });

TEST_F(Tabs, TitlesWiderThanTheContainerScrollWithTheArrows) {
  build({"AVeryLongPageTitleNumberOne", "AVeryLongPageTitleNumberTwo", "AVeryLongPageTitleNumberThree",
         "AVeryLongPageTitleNumberFour", "AVeryLongPageTitleNumberFive"},
        400);
  l_QORDlgTabContainer* l = letter();
  Widget left = l->GetArrow(false), right = l->GetArrow(true);
  ASSERT_TRUE(Viewable(right));
  EXPECT_EQ(l->GetFirstHiddenLeft(), -1);
  ASSERT_GE(l->GetFirstHiddenRight(), 1);
  EXPECT_TRUE(XtIsSensitive(right));
  EXPECT_FALSE(XtIsSensitive(left));
  // Each click on the right arrow brings the first hidden title into view.
  for (int clicks = 0; clicks < 6 && l->GetFirstHiddenRight() >= 0; ++clicks) {
    const int hidden = l->GetFirstHiddenRight();
    Click(right);
    const int now = l->GetFirstHiddenRight();
    EXPECT_TRUE(now == -1 || now > hidden) << now << " after " << hidden;
  }
  EXPECT_EQ(l->GetFirstHiddenRight(), -1);
  EXPECT_FALSE(XtIsSensitive(right));
  EXPECT_TRUE(XtIsSensitive(left));
  EXPECT_TRUE(Viewable(title(4)));
  Click(left);
  EXPECT_GE(l->GetFirstHiddenRight(), 0);
  // Selecting a hidden page by program scrolls its title into view.
  ASSERT_GE(l->GetFirstHiddenLeft(), 1);
  tabs->SetSelectedPage(1, 0);
  PumpIdle();
  EXPECT_LT(l->GetFirstHiddenLeft(), 1);
}

TEST_F(Tabs, WithoutArrowsTheStripOnlyScrollsToTheSelectedTitle) {
  win = std::make_unique<TestDialog>("NoArrowWin");
  tabs = new QORDlgTabContainer(win.get(), "Tabs", QORDlgTabNoArrows);
  for (const char* n : {"AVeryLongPageTitleNumberOne", "AVeryLongPageTitleNumberTwo", "AVeryLongPageTitleNumberThree"})
    Area(new QORDlgTabPage(tabs, n), "area", 60, 60);
  win->GetLetterObject()->Attach4Sides(tabs->GetLetterObject());
  ASSERT_TRUE(win->Show());
  EXPECT_FALSE(XtIsManaged(letter()->GetArrow(true)));
  EXPECT_FALSE(XtIsManaged(letter()->GetArrow(false)));
  EXPECT_GE(letter()->GetFirstHiddenRight(), 0);
  tabs->SetSelectedPage(2, 0);
  PumpIdle();
  EXPECT_GE(letter()->GetFirstHiddenLeft(), 0);
}

TEST_F(Tabs, ATitleFollowsItsPagesTitleAndFitsItsText) {
  build({"One", "Two"});
  EXPECT_EQ(LabelText(title(1)), "Two");
  pages[1]->SetTitle("Zweite Seite");
  PumpIdle();
  EXPECT_EQ(LabelText(title(1)), "Zweite Seite");
  XtWidgetGeometry natural{};
  XtQueryGeometry(title(1), nullptr, &natural);
  EXPECT_EQ(MotifGeo(XtParent(title(1))).w, natural.width + 8);
  EXPECT_GT(MotifGeo(XtParent(title(1))).x, MotifGeo(XtParent(title(0))).x) << "still after the first";
}

TEST_F(Tabs, TheMinimumSizeMakesRoomForTheLargestPageAndTheStrip) {
  build({"One", "Two"});
  int h = 0, w = 0, ph = 0, pw = 0;
  tabs->GetLetterObject()->GetMinRectDimensions(&h, &w);
  pages[0]->GetLetterObject()->GetMinRectDimensions(&ph, &pw);
  EXPECT_EQ(w, pw + 18);
  EXPECT_EQ(h, ph + letter()->GetStripHeight() + 18);
  EXPECT_GT(letter()->GetStripHeight(), 0);
}

TEST_F(Tabs, ReparentMovesPagesOnlyIntoATabContainer) {
  build({"One", "Two"});
  auto* frame = new QORDlgFrame(pages[0], "Frame", 0);
  auto* button = new QORDlgPushButton(frame, "Button");
  EXPECT_EQ(button->Reparent(tabs), 0);
  EXPECT_EQ(button->GetLetterObject()->getFather(), frame->GetLetterObject());
  EXPECT_EQ(pages[1]->Reparent(frame), 1);
  PumpIdle();
  EXPECT_EQ(tabs->GetPageCount(), 1);
  EXPECT_EQ(tabs->GetSelectedPage(), 0);
  EXPECT_EQ(pages[1]->Reparent(tabs), 1);
  PumpIdle();
  EXPECT_EQ(tabs->GetPageCount(), 2);
  Click(title(1));
  EXPECT_TRUE(PumpUntil([&] { return shown() == "01"; })) << shown();
}

// Recorded: three tab changes and a sash drag, which is not recorded. The
// replay, with no input, sends the same notifications in the same order, and
// both directions print their documented trace lines.
TEST_F(Tabs, ARecordedRunOfTabChangesReplaysToTheSameLog) {
  build({"One", "Two", "Three"});
  auto* split = new QORDlgSplitter(pages[0], "Split", 0);
  Area(split, "left", 111, 40);
  Area(split, "right", 50, 40);
  PumpIdle();
  std::vector<std::string> log;
  QORCommand spy(nullptr, "spy");
  spy.AddAnalyseNotificationCB(tabs, nullptr, [&](QORCommand*, QORNotification*) {
    log.push_back(std::to_string(tabs->GetSelectedPage()));
  });
  const std::string file = testing::TempDir() + "tabs.rec";
  l_QORDlgTab* line = static_cast<l_QORDlgSplitter*>(split->GetLetterObject())->getSashTab();
  const int before = line->getPosition(0);
  const std::string recordTrace = TracedAt('2', [&] {
    ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
    for (int i : {2, 1, 0}) Click(title(i));
    DragFromCentre(line->getSash(), 30, 0, 1);
    Settle(100);
    QORRecord::GetMain()->EndMode(QORRecordCapture);
  });
  EXPECT_EQ(line->getPosition(0), before);
  const std::vector<std::string> recorded = log;
  log.clear();
  tabs->SetSelectedPage(2, 0);
  PumpIdle();
  std::string error;
  const std::string replayTrace = TracedAt('2', [&] { error = ReplayAll(file); });
  std::remove(file.c_str());
  EXPECT_EQ(error, "");
  EXPECT_EQ(recorded, (std::vector<std::string>{"2", "1", "0"}));
  EXPECT_EQ(log, recorded);
  EXPECT_EQ(shown(), "100");
  std::string expected;
  for (const char* i : {"2", "1", "0"})
    expected += "/RECORD/ SaveState    QORDlgTabContainer   /Command Name/ Tabs /Notification/ "
                "QORDlgTabSelectNotification\n/RECORD/ SaveState                         _currentTabSelected= " +
                std::string(i) + "\n";
  EXPECT_EQ(recordTrace, expected);
  EXPECT_EQ(replayTrace, AsReplayed(expected));
}

}  // namespace
