// The editor on real widgets, typed into through XTest: what each content
// style refuses, the commit and its one notification, values in units,
// password masking, lines, selection, and the recorded state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QORDlgEditor.h"
#include "QORDlgPushButton.h"
#include "QORMarshal.h"
#include "QORDlgText.h"
#include "l_QORDlgEditor.h"
#include "tolven_test_app.h"
#include "tolven_test_typing.h"

namespace {

class Editors : public AppSuite, public HeardLog {
 protected:
  Widget textOf(QORDlgEditor& e) { return static_cast<l_QORDlgEditor*>(e.GetLetterObject())->GetTextWidget(); }
};

const std::string kModify = "Ed QORDlgEditModifyNotification";

struct TypingCase {
  const char* what;
  unsigned long style;
  const char* typed;
  const char* shown;      // in the widget before Return
  const char* committed;  // GetText() after Return
};

const TypingCase kTyping[] = {
    {"integer refuses a letter", QORDlgEditInteger, "1a2", "12", "12"},
    {"integer takes a lone sign", QORDlgEditInteger, "-", "-", "-"},
    {"digits refuse a letter", QORDlgEditDigits, "a", "", ""},
    {"alpha refuses a digit", QORDlgEditAlpha, "ab1", "ab", "ab"},
    {"alphanumeric refuses a blank", QORDlgEditAlphanumeric, "a 1", "a1", "a1"},
    {"float takes an exponent being typed", QORDlgEditFloat, "1.5e", "1.5e", "1.5e"},
    {"two restrictions leave the text free", QORDlgEditInteger | QORDlgEditAlpha, "a1 b", "a1 b", "a1 b"},
    {"password shows stars", QORDlgEditPassword, "abc", "***", "abc"},
};

TEST_F(Editors, EachContentStyleRefusesWhatItCannotHoldAndReturnCommitsOnce) {
  for (const TypingCase& c : kTyping) {
    SCOPED_TRACE(c.what);
    TestDialog win("TypeWin");
    QORDlgEditor ed(&win, "Ed", c.style);
    listen(&ed);
    ASSERT_TRUE(win.Show());
    Settle(150);
    Click(textOf(ed));
    heard.clear();
    Type(c.typed);
    EXPECT_EQ(FieldText(textOf(ed)), c.shown);
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(ed.GetText().str(), "");  // nothing committed yet
    Chord({XK_Return});
    EXPECT_EQ(heard, std::vector<std::string>{kModify});
    EXPECT_EQ(ed.GetText().str(), c.committed);
    heard.clear();
  }
}

TEST_F(Editors, ReturnAlwaysNotifiesLeavingOnlyAfterAChange) {
  TestDialog win("FocusWin", QORDlgGridLayout);
  QORDlgEditor ed(&win, "Ed"), other(&win, "Other");
  ed.SetGridConstraints(0, 0, 1, 1, 0);
  other.SetGridConstraints(1, 0, 1, 1, 0);
  ed.SetText("start");
  listen(&ed);
  ASSERT_TRUE(win.Show());
  Settle(150);
  Click(textOf(ed));
  Chord({XK_Return});
  EXPECT_EQ(heard, std::vector<std::string>{kModify});
  heard.clear();
  Click(textOf(other));  // focus leaves without a change
  EXPECT_TRUE(heard.empty());
  Click(textOf(ed));
  Chord({XK_End});
  Type("x");
  Click(textOf(other));
  EXPECT_EQ(heard, std::vector<std::string>{kModify});
  EXPECT_EQ(ed.GetText().str(), "startx");
}

TEST_F(Editors, RealValuesAreTypedAndShownInTheApplicationsUnit) {
  QORInteractiveApplication* a = app;
  a->SetMagnitudeCurrentUnit(QORDlgControl::Length, QORDlgControl::Inch);
  TestDialog win("RealWin");
  QORDlgEditor ed(&win, "Ed", QORDlgEditReal);
  ed.SetMagnitude(QORDlgControl::Length);
  ed.SetPrecision(3);
  listen(&ed);
  ASSERT_TRUE(win.Show());
  Settle(150);
  EXPECT_EQ(FieldText(textOf(ed)), "0 in");
  Click(textOf(ed));
  XmTextSetString(textOf(ed), const_cast<char*>(""));
  Type("1.23456x");  // 'x' begins no unit symbol of inches
  EXPECT_EQ(FieldText(textOf(ed)), "1.23456");
  Chord({XK_Return});
  EXPECT_EQ(heard, std::vector<std::string>{kModify});
  EXPECT_NEAR(ed.GetValue(), 1.23456 * 0.0254, 1e-9);
  Settle(50);
  EXPECT_EQ(FieldText(textOf(ed)), "1.23 in");

  // The application switches to millimetres: the editor follows, and takes
  // the text "12.5 m" typed one key at a time as the beginning of "mm".
  a->SetMagnitudeCurrentUnit(QORDlgControl::Length, QORDlgControl::Millimeter);
  Settle(50);
  EXPECT_EQ(FieldText(textOf(ed)), "31.4 mm");
  Click(textOf(ed));
  XmTextSetString(textOf(ed), const_cast<char*>(""));
  Type("12.5 m");
  EXPECT_EQ(FieldText(textOf(ed)), "12.5 m");
  Chord({XK_Return});
  Settle(50);
  EXPECT_NEAR(ed.GetValue(), 0.0125, 1e-12);
  EXPECT_EQ(FieldText(textOf(ed)), "12.5 mm");
  ed.SetText("ignored");  // a real editor has no free text
  EXPECT_EQ(ed.GetText().str(), "12.5 mm");
  a->SetMagnitudeCurrentUnit(QORDlgControl::Length, QORDlgControl::Meter);
}

TEST_F(Editors, LongTextsLinesMixedStateAndSelection) {
  TestDialog win("LinesWin", QORDlgGridLayout);
  QORDlgEditor area(&win, "Area", QORDlgEditMultiline | QORDlgEditPassword | QORDlgEditInteger);
  QORDlgEditor single(&win, "Single");
  area.SetGridConstraints(1, 0, 1, 1, 0);
  single.SetGridConstraints(0, 0, 1, 1, 0);
  const std::string tenThousand(10000, 'k');
  single.SetText(tenThousand);
  area.SetText("a\nb");
  area.SetLine("c", 0);
  area.SetLine("d", -1);
  area.ClearLine(2);
  single.SetVisibleTextHeight(7);  // one line only: nothing changes
  ASSERT_TRUE(win.Show());
  Settle(150);
  EXPECT_EQ(area.GetText().str(), "a\nc\n\nd");  // multi-line keeps no other style bits
  EXPECT_EQ(area.GetLineCount(), 4);
  QORUnicodeString l;
  area.GetLine(l, 1);
  EXPECT_EQ(l.str(), "c");
  EXPECT_EQ(area.GetVisibleTextHeight(), 5);
  EXPECT_EQ(single.GetVisibleTextHeight(), 1);
  EXPECT_EQ(FieldText(textOf(area)), "a\nc\n\nd");
  EXPECT_EQ(FieldText(textOf(single)).size(), 10000u);

  listen(&single);
  Click(textOf(single));
  single.SetSelection(2, 5);
  int s = 0, e = 0;
  single.GetSelection(s, e);
  EXPECT_EQ(s, 2);
  EXPECT_EQ(e, 5);
  single.SetSelection(10000, 0);  // backwards: only the insertion point moves
  single.GetSelection(s, e);
  EXPECT_EQ(s, 10000);
  EXPECT_EQ(e, -1);
  Type("z\n");
  EXPECT_EQ(single.GetText().GetLengthInChar(), 10001);
  EXPECT_EQ(heard, std::vector<std::string>{"Single QORDlgEditModifyNotification"});

  // Mixed: sensitive and blank, the committed text kept; Return sends nothing.
  single.SetSensitivity(QORDlgSensitiveMixed);
  Settle(50);
  EXPECT_EQ(FieldText(textOf(single)), "");
  EXPECT_TRUE(XtIsSensitive(textOf(single)));
  EXPECT_EQ(single.GetText().GetLengthInChar(), 10001);
  single.SetSensitivity(QORDlgSensitive);
  Settle(50);
  EXPECT_EQ(FieldText(textOf(single)).size(), 10001u);
}

TEST_F(Editors, TheCommittedTextIsRecordedWithItsTerminatorAndReplayed) {
  TestDialog win("RecWin");
  QORDlgEditor ed(&win, "Ed");
  ASSERT_TRUE(win.Show());
  ed.SetText("héllo");
  l_QORDialog* letter = ed.GetLetterObject();
  QORMarshal m;
  EXPECT_EQ(TracedAt('2', [&] { EXPECT_EQ(letter->SaveState(ed.GetEditModifyNotification(), m), 0); }),
            "/RECORD/ SaveState    QORDlgEditor         /Command Name/ Ed /Notification/ "
            "QORDlgEditModifyNotification\n"
            "/RECORD/ SaveState                         _refUniStr= héllo\n");
  EXPECT_EQ(m.ReadNextLength(), 7);  // six bytes and the zero
  ed.SetText("other");
  listen(&ed);
  EXPECT_EQ(TracedAt('2', [&] { EXPECT_EQ(letter->RestoreState(ed.GetEditModifyNotification(), m), 0); }),
            "/REPLAY/ RestoreState QORDlgEditor         /Command Name/ Ed /Notification/ "
            "QORDlgEditModifyNotification\n"
            "/REPLAY/ RestoreState                      _refUniStr= héllo\n");
  EXPECT_EQ(ed.GetText().str(), "héllo");
  EXPECT_EQ(heard, std::vector<std::string>{kModify});
  Settle(50);
  EXPECT_EQ(QORDlgText::fromLocale(FieldText(textOf(ed)).c_str()).str(), "héllo");
}

}  // namespace
