// Menus on real widgets, driven through XTest: a menu bar opened with the
// pointer, the mnemonics and the accelerators; check and radio items; the
// contextual menus gathered under a third-button press; texts from catalogs,
// malformed ones among them; and a menu session recorded and replayed.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <Xm/RowColumn.h>
#include <Xm/ToggleB.h>

#include <string>
#include <vector>

#include "QORDlgBarMenu.h"
#include "QORDlgCheckItem.h"
#include "QORDlgContextualMenu.h"
#include "QORDlgPushButton.h"
#include "QORDlgPushItem.h"
#include "QORDlgRadioItem.h"
#include "QORDlgSeparatorItem.h"
#include "QORDlgSubMenu.h"
#include "QORMsgCatalog.h"
#include "QORRecord.h"
#include "l_QORDlgContextualMenu.h"
#include "l_QORDlgSubMenu.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

namespace {

// The window of the menu tests: a bar with File (Open, a line, Quit) and
// Options (a check item, three radio items, a sub-menu), texts from `catalog`.
struct MenuWindow {
  explicit MenuWindow(const char* catalogName = "MenuTest") {
    EXPECT_EQ(catalog.LoadMsgCatalog(catalogName, nullptr), 1);
    win.AddResourcePath(catalog, "");
  }
  QORMsgCatalog catalog;
  TestDialog win{"MenuWin"};
  QORDlgMotif* area = Area(&win, "Area", 300, 120);  // room for the bar's buttons in a row
  QORDlgBarMenu bar{&win, "Bar"};
  QORDlgSubMenu file{&bar, "File"};
  QORDlgPushItem open{&file, "Open"};
  QORDlgSeparatorItem line{&file, "Line"};
  QORDlgPushItem quit{&file, "Quit"};
  QORDlgSubMenu options{&bar, "Options"};
  QORDlgCheckItem grid{&options, "Grid"};
  QORDlgRadioItem small{&options, "Small"}, medium{&options, "Medium"}, large{&options, "Large"};
  QORDlgSubMenu more{&options, "More"};
  QORDlgPushItem deep{&more, "Deep"};
};

Widget cascadeOf(QORDlgSubMenu& m) { return static_cast<l_QORDlgSubMenu*>(m.GetLetterObject())->GetCascadeButton(); }
// The panes of one bar share a shell: the pane itself is mapped when posted.
bool posted(QORDlgSubMenu& m) { return Viewable(WidgetOf(&m)); }

class Menus : public AppSuite, public HeardLog {
 protected:
  void SetUp() override {
    AppSuite::SetUp();
    setenv("TRIVOICONPATH", TOLVEN_SOURCE_DIR "/icons", 1);
  }
  // Opens `menu` from the bar with a click on its cascade button.
  void openWithPointer(QORDlgSubMenu& menu) {
    Click(cascadeOf(menu));
    ASSERT_TRUE(PumpUntil([&] { return posted(menu); }));
  }
};

using Strings = std::vector<std::string>;

TEST_F(Menus, AnItemReachedByPointerMnemonicOrAcceleratorSendsOneActivation) {
  MenuWindow m;
  listen(&m.open);
  ASSERT_TRUE(m.win.Show());
  Settle(200);
  struct Way {
    const char* name;
    std::function<void()> choose;
  };
  const Way ways[] = {
      {"pointer", [&] {
         openWithPointer(m.file);
         Click(WidgetOf(&m.open));
       }},
      {"mnemonics", [&] {
         Chord({XK_Alt_L, XK_f});
         ASSERT_TRUE(PumpUntil([&] { return posted(m.file); }));
         Chord({XK_o});
       }},
      {"accelerator", [&] { Chord({XK_Control_L, XK_o}); }},
  };
  for (const Way& way : ways) {
    heard.clear();
    way.choose();
    Settle(150);
    EXPECT_EQ(heard, Strings{"Open QORDlgMenuIActivateNotification"}) << way.name;
    EXPECT_FALSE(posted(m.file)) << way.name;
  }
}

TEST_F(Menus, CatalogTextsReachTheWidgets) {
  MenuWindow m;
  ASSERT_TRUE(m.win.Show());
  Settle(100);
  EXPECT_EQ(LabelText(cascadeOf(m.file)), "File");
  EXPECT_EQ(Resource<KeySym>(cascadeOf(m.file), XmNmnemonic), static_cast<KeySym>('F'));
  EXPECT_EQ(LabelText(WidgetOf(&m.open)), "Open...");
  EXPECT_EQ(Resource<KeySym>(WidgetOf(&m.open), XmNmnemonic), static_cast<KeySym>('O'));
  EXPECT_EQ(Resource<unsigned char>(WidgetOf(&m.open), XmNlabelType), XmPIXMAP_AND_STRING);
  struct Accel {
    QORDialog* item;
    const char* translation;
    const char* shown;
  };
  for (const Accel& a : {Accel{&m.open, "Ctrl <Key>O", "Ctrl+O"}, Accel{&m.grid, "Ctrl Shift <Key>Return", "Ctrl+Shift+Enter"}}) {
    EXPECT_STREQ(Resource<char*>(WidgetOf(a.item), XmNaccelerator), a.translation);
    XmString s = Resource<XmString>(WidgetOf(a.item), XmNacceleratorText);
    char* text = nullptr;
    XmStringGetLtoR(s, const_cast<char*>(XmFONTLIST_DEFAULT_TAG), &text);
    EXPECT_STREQ(text, a.shown);
    XtFree(text);
    XmStringFree(s);
  }
}

TEST_F(Menus, MalformedMnemonicsAndAcceleratorsAreReportedAndLeftOut) {
  const std::string said = StderrOf([] {
    MenuWindow m("MenuBad");
    ASSERT_TRUE(m.win.Show());
    Settle(100);
    EXPECT_EQ(m.open.GetAccelerator(), 0u);
    EXPECT_EQ(m.quit.GetAccelerator(), 0u);
    EXPECT_TRUE(m.open.GetMnemonic().IsNull());
    EXPECT_EQ(Resource<KeySym>(WidgetOf(&m.quit), XmNmnemonic), static_cast<KeySym>('Q'));
  });
  EXPECT_EQ(said,
            "Warning: mnemonic of Quit is not one character >Qu< (Q taken)\n");
}

TEST_F(Menus, CheckItemTogglesAndRadioItemsExcludeOneAnother) {
  MenuWindow m;
  for (QORDialog* d : std::initializer_list<QORDialog*>{&m.grid, &m.small, &m.medium, &m.large}) listen(d);
  ASSERT_TRUE(m.win.Show());
  Settle(200);
  auto choose = [&](QORDialog* item) {
    openWithPointer(m.options);
    Click(WidgetOf(item));
  };
  struct Step {
    QORDialog* chosen;
    Strings heard;
    unsigned long grid, small, medium, large;
  };
  const unsigned long on = QORDlgChecked, off = QORDlgUnchecked;
  const Step steps[] = {
      {&m.grid, {"Grid QORDlgChkIModifyNotification"}, on, off, off, off},
      {&m.grid, {"Grid QORDlgChkIModifyNotification"}, off, off, off, off},
      {&m.medium, {"Medium QORDlgRadIModifyNotification"}, off, off, on, off},
      {&m.large, {"Medium QORDlgRadIModifyNotification", "Large QORDlgRadIModifyNotification"}, off, off, off, on},
      {&m.large, {}, off, off, off, on},  // a checked radio item stays checked, silently
  };
  for (const Step& s : steps) {
    heard.clear();
    choose(s.chosen);
    EXPECT_EQ(heard, s.heard) << s.chosen->GetName().c_str();
    EXPECT_EQ(m.grid.GetState(), s.grid);
    EXPECT_EQ(m.small.GetState(), s.small);
    EXPECT_EQ(m.medium.GetState(), s.medium);
    EXPECT_EQ(m.large.GetState(), s.large);
  }
  // The toggles show the states once the menu is open again.
  openWithPointer(m.options);
  EXPECT_TRUE(XmToggleButtonGetState(WidgetOf(&m.large)));
  EXPECT_FALSE(XmToggleButtonGetState(WidgetOf(&m.medium)));
  Chord({XK_Escape});
}

TEST_F(Menus, ProgramStatesFollowTheCheckAndRadioRules) {
  MenuWindow m;
  listen(&m.grid);
  listen(&m.small);
  listen(&m.medium);
  m.grid.SetState(QORDlgChecked, 0);
  m.grid.SetState(0x1234, 1);  // anything but checked is unchecked
  m.grid.SetState(QORDlgUnchecked, 1);
  m.small.SetState(QORDlgChecked, 1);
  m.medium.SetState(QORDlgChecked, 0);
  EXPECT_EQ(heard, (Strings{"Grid QORDlgChkIModifyNotification", "Small QORDlgRadIModifyNotification"}));
  EXPECT_EQ(m.small.GetState(), QORDlgUnchecked);
  EXPECT_EQ(m.medium.GetState(), QORDlgChecked);
}

// A frame holding a push button, each with its contextual menu, in a window
// that has its own.
struct CtxWindow {
  CtxWindow() {
    new QORDlgPushItem(&buttonMenu, "Cut");
    new QORDlgPushItem(&buttonMenu, "Paste");
  }
  // The window's menu comes with the window.
  bool Show() {
    if (!win.Show()) return false;
    new QORDlgPushItem(win.GetContextualMenu(), "WinItem");
    return true;
  }
  TestDialog win{"CtxWin"};
  QORDlgPushButton button{&win, "Target"};
  QORDlgContextualMenu buttonMenu{&button, "ButtonCtx"};
};

// The window's pop-up once it is on the screen (it is made at the first press), else null.
Widget shownPopup(QORDlgDialog* win) {
  Widget popup = win->GetContextualMenu()->GetLetterObject()->GetBaseWidget(0);
  return popup && Viewable(XtParent(popup)) ? popup : nullptr;
}

// Titles of the pop-up's managed children, in Motif's order.
Strings popupEntries(Widget popup) {
  WidgetList kids = nullptr;
  Cardinal n = 0;
  XtVaGetValues(popup, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  Strings out;
  for (Cardinal i = 0; i < n; ++i)
    if (XtIsManaged(kids[i]) && !kids[i]->core.being_destroyed) out.push_back(XtName(kids[i]));
  return out;
}

TEST_F(Menus, ThirdButtonPopsTheGatheredMenusAtThePointerAndAChoiceNotifies) {
  CtxWindow w;
  ASSERT_TRUE(w.Show());
  Settle(200);
  listen(&w.buttonMenu);
  listen(w.buttonMenu.GetChildFromChildNumber(1));
  for (int round = 0; round < 2; ++round) {  // the second finds the items again after the clearing
    heard.clear();
    int x = 0, y = 0;
    Centre(WidgetOf(&w.button), &x, &y);
    MoveTo(x, y);
    ClickButton3();
    Widget popup = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (popup = shownPopup(&w.win)) != nullptr; })) << round;
    EXPECT_EQ(popupEntries(popup), (Strings{"Cut", "Paste", "automatic_sp", "WinItem"}));
    int sx = 0, sy = 0;
    Window child = 0;
    XTranslateCoordinates(TestDisplay(), XtWindow(XtParent(popup)), DefaultRootWindow(TestDisplay()), 0, 0, &sx, &sy,
                          &child);
    EXPECT_EQ(sx, x);
    EXPECT_EQ(sy, y);
    PointAt(XtNameToWidget(popup, "Paste"));
    PumpFor(100);  // the item under the pointer is armed
    ClickButton3();
    ASSERT_TRUE(PumpUntil([&] { return heard.size() >= 3; })) << testing::PrintToString(heard);
    EXPECT_EQ(heard, (Strings{"ButtonCtx QORDlgVisibilityNotification", "Paste QORDlgMenuIActivateNotification",
                              "ButtonCtx QORDlgVisibilityNotification"}));
    EXPECT_FALSE(Viewable(XtParent(popup)));
    EXPECT_EQ(popupEntries(popup), Strings{});
  }
}

TEST_F(Menus, ThirdButtonOverTheWindowAloneShowsOnlyItsMenu) {
  CtxWindow w;
  QORDlgPushButton other(&w.win, "Other");
  ASSERT_TRUE(w.Show());
  Settle(200);
  PointAt(WidgetOf(&other));
  ClickButton3();
  Widget popup = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (popup = shownPopup(&w.win)) != nullptr; }));
  EXPECT_EQ(popupEntries(popup), Strings{"WinItem"});
  Chord({XK_Escape});
  Settle(100);
  EXPECT_FALSE(Viewable(XtParent(popup)));
}

// A volatile menu is emptied at every pop-down, but not under the callback
// of its own item: a subscriber that runs idle passes (a blocking question
// would) still finds the item's widget.
TEST_F(Menus, AVolatileMenuIsEmptiedOnlyOnceItsItemsNotificationReturned) {
  CtxWindow w;
  auto* scratch = new QORDlgContextualMenu(new QORDlgPushButton(&w.win, "Other"), "Scratch", QORDlgMenuVolatile);
  auto* once = new QORDlgPushItem(scratch, "Once");
  ASSERT_TRUE(w.Show());
  Settle(200);
  bool widgetKept = false;
  listener.AddAnalyseNotificationCB(once, nullptr, [&](QORCommand*, QORNotification*) {
    PumpIdle();
    widgetKept = WidgetOf(once) && !WidgetOf(once)->core.being_destroyed;
  });
  PointAt(WidgetOf(static_cast<QORDialog*>(scratch->GetFather())));
  ClickButton3();
  Widget popup = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (popup = shownPopup(&w.win)) != nullptr; }));
  PointAt(XtNameToWidget(popup, "Once"));
  PumpFor(100);
  ClickButton3();
  ASSERT_TRUE(PumpUntil([&] { return scratch->GetChildCount() == 0; }));
  EXPECT_TRUE(widgetKept);
  EXPECT_EQ(popupEntries(popup), Strings{});
}

TEST_F(Menus, SensitivityFollowsTheItemAndItsMenus) {
  MenuWindow m;
  ASSERT_TRUE(m.win.Show());
  Settle(100);
  struct Case {
    QORDialog* made;  // made insensitive, then sensitive again
    Widget greyed;    // a menu greys its button: its pane cannot open
  };
  const Case cases[] = {{&m.open, WidgetOf(&m.open)}, {&m.options, cascadeOf(m.options)}, {&m.more, cascadeOf(m.more)}};
  for (const Case& c : cases) {
    for (unsigned long s : {QORDlgInsensitive, QORDlgSensitive}) {
      c.made->SetSensitivity(s);
      PumpIdle();
      EXPECT_EQ(XtIsSensitive(c.greyed) != 0, s == QORDlgSensitive) << XtName(c.greyed) << " " << s;
    }
  }
  EXPECT_TRUE(XtIsSensitive(WidgetOf(&m.bar)));  // a bar stays sensitive itself
}

using MenusDeathTest = Menus;

TEST_F(MenusDeathTest, ASecondContextualMenuOnOneObjectStopsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        TestDialog win("TwiceWin");
        QORDlgPushButton b(&win, "B");
        new QORDlgContextualMenu(&b, "One");
        new QORDlgContextualMenu(&b, "Two");
      },
      "contextualMenu == NULL");
}

TEST_F(Menus, AChildThatIsNoItemIsReportedAndLeftUnbuilt) {
  MenuWindow m;
  QORDlgPushButton stray(&m.file, "Stray");
  const std::string out = StdoutOf([&] {
    ASSERT_TRUE(m.win.Show());
    Settle(100);
  });
  EXPECT_NE(out.find("Stray if a BAD child for File\n"), std::string::npos) << out;
  EXPECT_FALSE(stray.GetLetterObject()->IsBuild());
}

}  // namespace

namespace {

// The lines of `text` that start with `prefix`, the prefix replaced by `as`.
Strings linesOf(const std::string& text, const std::string& prefix, const std::string& as) {
  Strings out;
  size_t at = 0;
  for (size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
    const std::string line = text.substr(at, end - at);
    if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(as + line.substr(prefix.size()));
  }
  return out;
}

// Last of the suite: the replay runs the application's loop to its end.
TEST_F(Menus, ZZ_AMenuSessionRecordedIsReplayedWithTheSameLog) {
  const std::string file = testing::TempDir() + "menu_session.rec";
  // Deleted by the end of the run, with everything in it.
  auto* win = new TestDialog("SessionWin");
  Area(win, "Area", 300, 120);
  auto* bar = new QORDlgBarMenu(win, "Bar");
  auto* file_ = new QORDlgSubMenu(bar, "File");
  auto* open = new QORDlgPushItem(file_, "Open");
  auto* quit = new QORDlgPushItem(file_, "Quit");
  auto* options = new QORDlgSubMenu(bar, "Options");
  auto* grid = new QORDlgCheckItem(options, "Grid");
  auto* small = new QORDlgRadioItem(options, "Small");
  auto* medium = new QORDlgRadioItem(options, "Medium");
  auto* button = new QORDlgPushButton(win, "Target");
  auto* ctx = new QORDlgContextualMenu(button, "ButtonCtx");
  auto* paste = new QORDlgPushItem(ctx, "Paste");
  for (QORDialog* d : std::initializer_list<QORDialog*>{open, grid, small, medium, ctx, paste}) listen(d);
  listener.AddAnalyseNotificationCB(quit, nullptr, [&](QORCommand*, QORNotification*) {
    heard.push_back("Quit");
    if (QORRecord::GetMain()->RecordMod() == QORRecordReplay) app->GetLetterObject()->Destroy();
  });
  small->SetState(QORDlgChecked, 0);
  ASSERT_TRUE(win->Show());
  Settle(300);
  auto choose = [&](QORDlgSubMenu* menu, QORDialog* item) {
    Click(static_cast<l_QORDlgSubMenu*>(menu->GetLetterObject())->GetCascadeButton());
    ASSERT_TRUE(PumpUntil([&] { return Viewable(WidgetOf(menu)); }));
    Click(WidgetOf(item));
  };

  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  const std::string recordTrace = TracedAt('2', [&] {
    choose(file_, open);
    choose(options, grid);
    choose(options, medium);
    PointAt(WidgetOf(button));
    ClickButton3();
    Widget popup = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (popup = shownPopup(win)) != nullptr; }));
    PointAt(XtNameToWidget(popup, "Paste"));
    PumpFor(100);
    ClickButton3();
    Settle(200);
    choose(file_, quit);
  });
  QORRecord::GetMain()->EndMode(1);
  const Strings recorded = heard;
  EXPECT_EQ(recorded, (Strings{"Open QORDlgMenuIActivateNotification", "Grid QORDlgChkIModifyNotification",
                               "Small QORDlgRadIModifyNotification", "Medium QORDlgRadIModifyNotification",
                               "ButtonCtx QORDlgVisibilityNotification", "Paste QORDlgMenuIActivateNotification",
                               "ButtonCtx QORDlgVisibilityNotification", "Quit"}));
  const Strings recordLines = {
      "/RECORD/ SaveState    QORDlgPushItem       /Command Name/ Open /Notification/ QORDlgMenuIActivateNotification",
      "/RECORD/ SaveState    QORDlgCheckItem      /Command Name/ Grid /Notification/ QORDlgChkIModifyNotification",
      "/RECORD/ SaveState                         state= 262144",
      "/RECORD/ SaveState    QORDlgRadioItem      /Command Name/ Small /Notification/ QORDlgRadIModifyNotification",
      "/RECORD/ SaveState                         _state= 524288",
      "/RECORD/ SaveState    QORDlgRadioItem      /Command Name/ Medium /Notification/ QORDlgRadIModifyNotification",
      "/RECORD/ SaveState                         _state= 262144",
      "/RECORD/ SaveState    QORDlgContextualMenu /Command Name/ ButtonCtx /Notification/ QORDlgVisibilityNotification",
      "/RECORD/ SaveState                         Style= 10 State=1",
      "/RECORD/ SaveState    QORDlgPushItem       /Command Name/ Paste /Notification/ QORDlgMenuIActivateNotification",
      "/RECORD/ SaveState    QORDlgContextualMenu /Command Name/ ButtonCtx /Notification/ QORDlgVisibilityNotification",
      "/RECORD/ SaveState                         Style= 12 State=0",
      "/RECORD/ SaveState    QORDlgPushItem       /Command Name/ Quit /Notification/ QORDlgMenuIActivateNotification"};
  EXPECT_EQ(linesOf(recordTrace, "/RECORD/", "/RECORD/"), recordLines);

  heard.clear();
  grid->SetState(QORDlgUnchecked, 0);
  small->SetState(QORDlgChecked, 0);
  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(file.c_str()));
  const std::string replayTrace = TracedAt('2', [&] { app->RunApplication(); });
  EXPECT_EQ(heard, recorded);
  // The same headers, replayed; the values as read back.
  const Strings headers = linesOf(replayTrace, "/REPLAY/ RestoreState Q", "Q");
  Strings recordedHeaders = linesOf(recordTrace, "/RECORD/ SaveState    Q", "Q");
  EXPECT_EQ(headers, recordedHeaders);
  EXPECT_NE(replayTrace.find("/REPLAY/ RestoreState                      _state= 262144\n"), std::string::npos);
  EXPECT_NE(replayTrace.find("/REPLAY/ RestoreState                      Style= 12 State= 1\n"), std::string::npos)
      << replayTrace;
}

}  // namespace
