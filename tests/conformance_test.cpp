// What every object class does alike, one row per class: its class codes and
// names, its title and help from a catalog, building, showing and destroying
// it without an X error or a warning, its letters gone after the idle pass,
// and a save and restore of every notification it records. A new class joins
// with one row in kRows.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "QORDlgBarMenu.h"
#include "QORDlgCheckButton.h"
#include "QORDlgDocument.h"
#include "QORDlgFile.h"
#include "QORDlgNotify.h"
#include "QORDlgCombo.h"
#include "QORDlgEditor.h"
#include "QORDlgCheckItem.h"
#include "QORDlgContextualMenu.h"
#include "QORDlgPushItem.h"
#include "QORDlgRadioItem.h"
#include "QORDlgSeparatorItem.h"
#include "QORDlgSubMenu.h"
#include "QORDlgContainer.h"
#include "QORDlgFrame.h"
#include "QORDlgIconBox.h"
#include "QORDlgLabel.h"
#include "QORDlgMultiList.h"
#include "QORDlgSelectorList.h"
#include "QORDlgPushButton.h"
#include "QORDlgRadioButton.h"
#include "QORDlgSeparator.h"
#include "QORDlgSplitter.h"
#include "QORDlgTabContainer.h"
#include "QORDlgTabPage.h"
#include "QORDlgProgress.h"
#include "QORDlgScrollBar.h"
#include "QORDlgSlider.h"
#include "QORDlgSpinner.h"
#include "QORDlgStatusBar.h"
#include "QORDlgToolBar.h"
#include "QORMarshal.h"
#include "QORMsgCatalog.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgSubMenu.h"
#include "tolven_test_app.h"
#include "tolven_test_dialog.h"

namespace {

using Names = std::set<std::string>;

// The family of a class: its code and class name.
struct Family {
  unsigned long code;
  const char* name;
};
const Family kWindow{QORDlgCodeWindow, "QORDlgWindow"}, kBox{QORDlgCodeBox, "QORDlgBox"},
    kBlackBox{QORDlgCodeBlackBox, "QORDlgBlackBox"}, kControl{QORDlgCodeControl, "QORDlgControl"},
    kMenu{QORDlgCodeMenu, "QORDlgMenu"}, kMenuItem{QORDlgCodeMenuItem, "QORDlgMenuItem"},
    kBar{QORDlgCodeBar, "QORDlgBar"};

// IsAKindOf answers yes for the dialog's, the family's and the class's own
// codes and names, and for no other.
struct ClassRow {
  const char* name;  // of the envelope and of the letter
  unsigned long code;
  Family family;
  QORDialog* (*make)(QORDialog* father);
  Names records;                       // the notifications it records
  // The widget that shows once the window is shown; null: the object's own.
  Widget (*shown)(QORDialog* object) = nullptr;
};

template <class C, unsigned long Style = 0>
QORDialog* make(QORDialog* father) { return new C(father, "Obj", Style); }

// What an object records besides its own: the drags, which carry nothing
// (a dialog box records none of them).
Names drags(Names own) {
  own.insert({"QORDlgDragEnterNotification", "QORDlgDragOverNotification", "QORDlgDragLeaveNotification",
              "QORDlgDropNotification", "QORDlgEndDropNotification", "QORDlgStartDragNotification",
              "QORDlgCancelDragNotification"});
  return own;
}
Names button(Names own) {
  own.insert("QORDlgDragButtonNotification");
  return drags(own);
}

// The file box records a chosen path only under a capture directory, and
// maps it back through the replay's capture.env.
QORDialog* makeFileBox(QORDialog* father) {
  const std::string env = testing::TempDir() + "conformance-env";
  mkdir(env.c_str(), 0755);
  std::ofstream(env + "/capture.env") << "CAP_PATH1 /\nREP_PATH1 /\n";
  setenv("CAP_PATH1", "/", 1);
  setenv("QORRECORDREPLAY", env.c_str(), 1);
  auto* box = new QORDlgFile(father, "Obj", 0);
  box->SetDirectory(env.c_str());
  return box;
}

// Menus: a bar holds a sub-menu that holds the object, as a menu holds it;
// what shows of them is the cascade button in the bar.
template <class C>
QORDialog* inMenu(QORDialog* window) {
  auto* menu = new QORDlgSubMenu(new QORDlgBarMenu(window, "Bar"), "Menu");
  return new C(menu, "Obj", 0);
}
Widget cascadeOf(QORDialog* menu) {
  return static_cast<l_QORDlgSubMenu*>(menu->GetLetterObject())->GetCascadeButton();
}
Widget fatherCascade(QORDialog* item) { return cascadeOf(static_cast<QORDialog*>(item->GetFather())); }
// A contextual menu shows only under the third button: its father shows.
Widget fatherWidget(QORDialog* menu) {
  return static_cast<QORDialog*>(menu->GetFather())->GetLetterObject()->GetBaseWidget(0);
}

// A document window roots its own tree: the application is its father.
QORDialog* makeDocument(QORDialog*) {
  return new QORDlgDocument(l_QORInteractiveApplication::GetCurrent()->GetAPIObject(), "Obj", 0);
}

const ClassRow kRows[] = {
    {"QORDlgDocument", QORDlgCodeDocument, kWindow, makeDocument,
     {"QORDlgDroppedFileNotification", "QORDlgResizeNotification", "QORDlgWindCloseNotification"}},
    {"QORDlgDialog", QORDlgCodeDialogBox, kWindow, make<QORDlgDialog>,
     {"QORDlgDiaOKNotification", "QORDlgDiaCANCELNotification", "QORDlgDiaAPPLYNotification",
      "QORDlgDiaHELPNotification", "QORDlgResizeNotification", "QORDlgWindCloseNotification"}},
    {"QORDlgFrame", QORDlgCodeFrame, kBox, make<QORDlgFrame>, drags({})},
    {"QORDlgContainer", QORDlgCodeContainer, kBox, make<QORDlgContainer>, drags({})},
    {"QORDlgMotif", QORDlgCodeMotif, kBlackBox, make<QORDlgMotif>, drags({})},
    {"QORDlgPushButton", QORDlgCodePushButton, kControl, make<QORDlgPushButton>,
     button({"QORDlgPushBActivateNotification", "QORDlgPushBRepetitiveNotification"})},
    {"QORDlgCheckButton", QORDlgCodeCheckButton, kControl, make<QORDlgCheckButton>,
     button({"QORDlgChkBModifyNotification", "QORDlgChkBDoubleClickNotification"})},
    {"QORDlgRadioButton", QORDlgCodeRadioButton, kControl, make<QORDlgRadioButton>,
     button({"QORDlgRadBModifyNotification"})},
    {"QORDlgLabel", QORDlgCodeLabel, kControl, make<QORDlgLabel>, drags({})},
    {"QORDlgSeparator", QORDlgCodeSeparator, kControl, make<QORDlgSeparator, QORDlgSeparatorHorizontal>, drags({})},
    {"QORDlgIconBox", QORDlgCodeIconBox, kBox, make<QORDlgIconBox>,
     button({"QORDlgIconBoxSelectNotification", "QORDlgIconBoxModifyNotification"})},
    {"QORDlgNotify", QORDlgCodeNotify, kWindow, make<QORDlgNotify, QORDlgNotifyYesNoCancel>,
     {"QORDlgNfyAbortNotification", "QORDlgNfyRetryNotification", "QORDlgNfyIgnoreNotification",
      "QORDlgNfyOKNotification", "QORDlgNfyCancelNotification", "QORDlgNfyYesNotification", "QORDlgNfyNoNotification",
      "QORDlgDiaOKNotification", "QORDlgDiaCANCELNotification", "QORDlgDiaHELPNotification",
      "QORDlgWindCloseNotification"}},
    {"QORDlgFile", QORDlgCodeFile, kWindow, makeFileBox,
     {"QORDlgDiaOKNotification", "QORDlgDiaCANCELNotification", "QORDlgDiaAPPLYNotification",
      "QORDlgDiaHELPNotification", "QORDlgWindCloseNotification"}},
    {"QORDlgTabContainer", QORDlgCodeTabContainer, kBox, make<QORDlgTabContainer>,
     drags({"QORDlgTabSelectNotification"})},
    {"QORDlgTabPage", QORDlgCodeTabPage, kBox,
     [](QORDialog* father) -> QORDialog* { return new QORDlgTabPage(new QORDlgTabContainer(father, "Tabs"), "Obj"); },
     drags({})},
    {"QORDlgSplitter", QORDlgCodeSplitter, kBox, make<QORDlgSplitter>, drags({})},
    {"QORDlgSpinner", QORDlgCodeSpinner, kControl, make<QORDlgSpinner, QORDlgSpinReal>,
     drags({"QORDlgSpinnerModifyNotification", "QORDlgSpinnerBtnUpNotification", "QORDlgSpinnerBtnDownNotification"})},
    {"QORDlgSlider", QORDlgCodeSlider, kControl, make<QORDlgSlider, QORDlgSliderVertical>,
     drags({"QORDlgSliderModifyNotification", "QORDlgSliderDragNotification"})},
    {"QORDlgScrollBar", QORDlgCodeScrollBar, kControl, make<QORDlgScrollBar>,
     drags({"QORDlgScrollBarModifyNotification", "QORDlgScrollBarDragNotification"})},
    {"QORDlgProgress", QORDlgCodeProgress, kControl, make<QORDlgProgress>, drags({})},
    // Editor and combo
    {"QORDlgEditor", QORDlgCodeEditor, kControl, make<QORDlgEditor>, drags({"QORDlgEditModifyNotification"})},
    {"QORDlgCombo", QORDlgCodeCombo, kControl,
     [](QORDialog* father) -> QORDialog* {
       auto* combo = new QORDlgCombo(father, "Obj");
       // A replayed selection must find its line, also after a replayed field edit.
       combo->SetLine(QORUnicodeString("line"));
       combo->SetField(QORUnicodeString("line"));
       return combo;
     },
     drags({"QORDlgComboSelectNotification", "QORDlgComboModifyNotification", "QORDlgComboDropNotification"})},
    {"QORDlgSelectorList", QORDlgCodeSelectorList, kControl, make<QORDlgSelectorList, QORDlgListMultiple>,
     button({"QORDlgListSelectNotification", "QORDlgListActivateNotification"})},
    {"QORDlgMultiList", QORDlgCodeMultiList, kControl, make<QORDlgMultiList, QORDlgListWindowed>,
     drags({"QORDlgListSelectNotification", "QORDlgListActivateNotification"})},
    // Menus and their items.
    {"QORDlgBarMenu", QORDlgCodeBarMenu, kMenu, make<QORDlgBarMenu>, drags({})},
    {"QORDlgSubMenu", QORDlgCodeSubMenu, kMenu,
     [](QORDialog* w) -> QORDialog* { return new QORDlgSubMenu(new QORDlgBarMenu(w, "Bar"), "Obj"); }, drags({}),
     cascadeOf},
    {"QORDlgContextualMenu", QORDlgCodeContextualMenu, kMenu,
     [](QORDialog* w) -> QORDialog* { return new QORDlgContextualMenu(new QORDlgFrame(w, "Holder", 0), "Obj"); },
     drags({"QORDlgVisibilityNotification"}), fatherWidget},
    {"QORDlgPushItem", QORDlgCodePushItem, kMenuItem, inMenu<QORDlgPushItem>,
     drags({"QORDlgMenuIActivateNotification"}), fatherCascade},
    {"QORDlgCheckItem", QORDlgCodeCheckItem, kMenuItem, inMenu<QORDlgCheckItem>,
     drags({"QORDlgChkIModifyNotification"}), fatherCascade},
    {"QORDlgRadioItem", QORDlgCodeRadioItem, kMenuItem, inMenu<QORDlgRadioItem>,
     drags({"QORDlgRadIModifyNotification"}), fatherCascade},
    {"QORDlgSeparatorItem", QORDlgCodeSeparatorItem, kMenuItem, inMenu<QORDlgSeparatorItem>, drags({}), fatherCascade},
    // Bars: outside a document a tool bar stays in its window's work area.
    {"QORDlgToolBar", QORDlgCodeToolBar, kBar, make<QORDlgToolBar>, drags({"QORDlgWindCloseNotification"})},
    {"QORDlgStatusBar", QORDlgCodeStatusBar, kBar, make<QORDlgStatusBar>, drags({})},
};

void PrintTo(const ClassRow& row, std::ostream* os) { *os << row.name; }

class Conformance : public AppSuite, public testing::WithParamInterface<ClassRow> {};

void expectCodes(const ClassRow& row, l_QORDialog* letter) {
  const std::set<unsigned long> codes{QORDlgCodeDialog, row.family.code, row.code};
  for (unsigned long code = 0; code <= QORDlgCodeScrollBar + 1; ++code)
    EXPECT_EQ(letter->IsAKindOf(code) != 0, codes.count(code) == 1) << "code " << code;
}
std::vector<const char*> nameChain(const ClassRow& row) { return {row.name, row.family.name, "QORDialog"}; }

// IsAKindOf(className) along the row's whole name chain, up to the host's command.
void expectNameChain(const ClassRow& row, QORDialog* object) {
  for (const char* name : nameChain(row)) EXPECT_TRUE(object->IsAKindOf(name)) << name;
  EXPECT_TRUE(object->IsAKindOf("QORCommand"));
  EXPECT_FALSE(object->IsAKindOf("QORApplication"));
}

// The class names it answers to: its own chain's, and no other name of any
// row's chain (a control is no box, a dialog box no frame).
void expectNames(const ClassRow& row, QORDialog* object) {
  EXPECT_STREQ(object->GetClassName(), row.name);
  EXPECT_STREQ(object->GetLetterObject()->GetClassName(), row.name);
  expectNameChain(row, object);
  const std::vector<const char*> chain = nameChain(row);
  const std::set<std::string> own(chain.begin(), chain.end());
  for (const ClassRow& other : kRows)
    for (const char* name : nameChain(other)) EXPECT_EQ(object->IsAKindOf(name) != 0, own.count(name) == 1) << name;
}

// Every recorded notification saved, then restored from what was saved: all
// of it read back, and the notification sent again.
void expectRoundTrips(const ClassRow& row, QORDialog* object) {
  l_QORDlgRecordCases cases;
  object->GetLetterObject()->recordCases(cases);
  Names recorded, heard;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(object, nullptr, [&](QORCommand*, QORNotification* n) { heard.insert(n->IsA()); });
  for (const l_QORDlgRecordCases::Case& c : cases.all()) {
    if (c.replayOnly) continue;
    recorded.insert(c.className);
    QORMarshal m;
    ASSERT_EQ(object->SaveState(c.sent, m), QORDlgSaved) << c.className;
    ASSERT_EQ(object->RestoreState(c.sent, m), QORDlgRestored) << c.className;
    EXPECT_TRUE(m.Good() && m.AtEnd()) << c.className << " " << m.GetError();
    EXPECT_EQ(heard.count(c.className), 1u) << c.className;
  }
  EXPECT_EQ(recorded, row.records);
  QORMarshal none;
  EXPECT_EQ(object->SaveState(nullptr, none), QORDlgSaveNoNotification);
  EXPECT_EQ(object->SaveState(object->GetCreateNotification(), none), QORDlgSaveNotMine);
  EXPECT_EQ(object->RestoreState(object->GetCreateNotification(), none), QORDlgRestoreNotMine);
  EXPECT_EQ(none.GetSize(), 0u);
}

TEST_P(Conformance, BehavesAsEveryObjectClass) {
  const ClassRow& row = GetParam();
  PumpIdle();  // letters an earlier test left to the idle pass
  const int live = l_QORDialog::GetLiveCount();
  auto* win = new TestDialog("ConformanceWin");
  QORDialog* object = row.make(win);
  expectCodes(row, object->GetLetterObject());
  expectNames(row, object);

  QORMsgCatalog catalog;
  ASSERT_EQ(catalog.LoadMsgCatalog("Conformance", nullptr), 1);
  object->AddResourcePath(catalog, "");
  EXPECT_STREQ(object->GetTitle().c_str(), "Title from the catalog");
  EXPECT_STREQ(object->GetHelp().c_str(), "Help from the catalog");

  const std::string shown = StderrOf([&] {
    object->SetVisibility(QORDlgShown);
    EXPECT_TRUE(win->Show());
    // The widget the father places (an icon box's children live in its
    // menu), or what shows of a menu.
    EXPECT_TRUE(PumpUntil(
        [&] { return Viewable(row.shown ? row.shown(object) : object->GetLetterObject()->GetOwnWidget()); }));
  });
  EXPECT_EQ(shown, "");
  expectRoundTrips(row, object);

  // Deleted, the letter waits for the idle pass; meanwhile a replay reads nothing.
  l_QORDialog* letter = object->GetLetterObject();
  l_QORDlgRecordCases cases;
  letter->recordCases(cases);
  const std::string gone = StderrOf([&] {
    delete object;
    ASSERT_EQ(letter->GetAPIObject(), nullptr);
    QORMarshal unread;
    unread << 7;
    EXPECT_EQ(letter->RestoreState(cases.all().front().sent, unread), QORDlgRestored);
    EXPECT_FALSE(unread.AtEnd());
    delete win;
    PumpIdle();
  });
  EXPECT_EQ(gone, "");
  EXPECT_EQ(l_QORDialog::GetLiveCount(), live);
}

INSTANTIATE_TEST_SUITE_P(EveryClass, Conformance, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<ClassRow>& info) { return std::string(info.param.name); });

using ConformanceEnvelope = AppSuite;

TEST_F(ConformanceEnvelope, AnEnvelopeWithoutLetterTakesNoRecordedState) {
  TestDialog win("BareWin");
  QORDlgBox bare(&win, "bare", 0);  // the containers' base: a subclass brings the letter
  QORMarshal m;
  m << 0;
  EXPECT_EQ(bare.SaveState(bare.GetDropNotification(), m), QORDlgSaveNotMine);
  EXPECT_EQ(bare.RestoreState(bare.GetDropNotification(), m), QORDlgRestoreNotMine);
}

}  // namespace
