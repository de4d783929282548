// The combo on real widgets: dropping the list with the pointer, choosing a
// line, one open list per window, the Up and Down keys, typing a line's text,
// line insertion, and the replay of a line that is gone.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "QORDlgCombo.h"
#include "QORDlgEditor.h"
#include "QORDlgPushButton.h"
#include "QORRecord.h"
#include "l_QORDlgEditor.h"
#include "QORMarshal.h"
#include "l_QORDlgCombo.h"
#include "tolven_test_app.h"
#include "tolven_test_typing.h"

namespace {

class Combos : public AppSuite, public HeardLog {
 protected:
  static l_QORDlgCombo* letter(QORDlgCombo& c) { return static_cast<l_QORDlgCombo*>(c.GetLetterObject()); }
  static Widget part(QORDlgCombo& c, int which) { return letter(c)->GetBaseWidget(which); }
};

void fill(QORDlgCombo& c, std::vector<const char*> texts) {
  for (const char* t : texts) c.SetLine(QORUnicodeString(t));
}

TEST_F(Combos, StylesAreNormalisedToOneShape) {
  struct Case {
    unsigned long given, kept;
  } const cases[] = {
      {QORDlgComboDropDown | QORDlgComboOptionMenu, 0},
      {QORDlgComboOptionMenu | QORDlgComboKeyboard | QORDlgComboReal, QORDlgComboOptionMenu | QORDlgComboReal},
      {QORDlgComboKeyboard | QORDlgComboDropDown, QORDlgComboKeyboard | QORDlgComboDropDown},
      {QORDlgComboColor | QORDlgComboReal | QORDlgComboOptionMenu, QORDlgComboColor | QORDlgComboDropDown},
      {QORDlgComboIcon, QORDlgComboIcon | QORDlgComboDropDown},
      {QORDlgComboIcon | QORDlgComboColor, QORDlgComboBitmap | QORDlgComboDropDown},
  };
  TestDialog win("StyleWin");
  for (const Case& c : cases) {
    QORDlgCombo combo(&win, "C", c.given);
    EXPECT_EQ(combo.GetLetterObject()->GetStyle() & QORDlgStyleBits::Combo, c.kept) << std::hex << c.given;
  }
}

TEST_F(Combos, LinesAreInsertedReplacedAndRefusedByKind) {
  TestDialog win("LineWin");
  QORDlgCombo text(&win, "Text"), real(&win, "Real", QORDlgComboReal);
  fill(text, {"a", "b", "c", "d"});
  const QORUnicodeString three[] = {"x", "y", "z"};
  EXPECT_EQ(text.SetLine(three, 3, 1, 0), 7);
  QORUnicodeString l;
  std::string all;
  for (int i = 0; i < text.GetLineCount(); ++i) all += (text.GetLine(l, i), l.str());
  EXPECT_EQ(all, "axyzbcd");
  EXPECT_EQ(text.SetLine(three, 3, 5, QORDlgComboReplace), 8);  // two replaced, one appended
  EXPECT_EQ(text.SetLine(2.5), -1);
  EXPECT_EQ(real.SetLine(QORUnicodeString("t")), -1);
  EXPECT_EQ(real.SetLine(2.5), 1);
  EXPECT_EQ(real.SetSelect(2.5, 0), 0);
  EXPECT_EQ(text.SetSelect(QORUnicodeString("zz"), 0), -1);
  EXPECT_EQ(text.ClearLine(0), 7);
  EXPECT_EQ(text.ClearLine(), 0);
}

TEST_F(Combos, APointerDropsTheListAndChoosesALine) {
  TestDialog win("DropWin", QORDlgGridLayout);
  QORDlgCombo first(&win, "First"), second(&win, "Second", QORDlgComboDropDown);
  first.SetGridConstraints(0, 0, 1, 1, 0);
  second.SetGridConstraints(0, 1, 1, 1, 0);  // beside: the first list drops below the first
  fill(first, {"Alpha", "Beta", "Gamma"});
  fill(second, {"One", "Two"});
  listen(&first);
  listen(&second);
  ASSERT_TRUE(win.Show());
  Settle(150);
  heard.clear();
  Click(part(first, 3));
  EXPECT_EQ(heard, std::vector<std::string>{"First QORDlgComboDropNotification"});
  ASSERT_TRUE(Viewable(part(first, 4)));
  EXPECT_EQ(Resource<int>(part(first, 2), XmNitemCount), 3);
  heard.clear();
  ClickListLine(part(first, 2), 2);
  EXPECT_EQ(heard, std::vector<std::string>{"First QORDlgComboSelectNotification"});
  EXPECT_EQ(first.GetSelect(), 1);
  EXPECT_FALSE(Viewable(part(first, 4)));
  EXPECT_EQ(FieldText(part(first, 1)), "Beta");

  // A second list dropping closes the first.
  Click(part(first, 3));
  ASSERT_TRUE(Viewable(part(first, 4)));
  Click(part(second, 3));
  EXPECT_TRUE(Viewable(part(second, 4)));
  EXPECT_FALSE(Viewable(part(first, 4)));
  EXPECT_FALSE(letter(first)->IsOpen());
  Click(part(second, 3));  // the arrow again closes it
  EXPECT_FALSE(Viewable(part(second, 4)));
}

TEST_F(Combos, UpAndDownKeysStepAndStopAtTheEnds) {
  TestDialog win("KeyWin", QORDlgGridLayout);
  QORDlgCombo combo(&win, "Keys"), empty(&win, "Empty");
  combo.SetGridConstraints(0, 0, 1, 1, 0);
  empty.SetGridConstraints(1, 0, 1, 1, 0);
  fill(combo, {"a", "b"});
  listen(&combo);
  listen(&empty);
  ASSERT_TRUE(win.Show());
  Settle(150);
  Click(part(combo, 1));
  heard.clear();
  Chord({XK_Up});  // already at line 0
  EXPECT_TRUE(heard.empty());
  Chord({XK_Down});
  Chord({XK_Down});  // the last line
  EXPECT_EQ(heard, std::vector<std::string>{"Keys QORDlgComboSelectNotification"});
  EXPECT_EQ(combo.GetSelect(), 1);
  EXPECT_EQ(FieldText(part(combo, 1)), "b");

  // An empty list drops empty and the keys do nothing.
  heard.clear();
  Click(part(empty, 3));
  EXPECT_TRUE(Viewable(part(empty, 4)));
  EXPECT_EQ(Resource<int>(part(empty, 2), XmNitemCount), 0);
  Click(part(empty, 1));
  EXPECT_FALSE(Viewable(part(empty, 4)));  // the focus moved: the list closed
  Chord({XK_Down});
  EXPECT_EQ(heard, std::vector<std::string>{"Empty QORDlgComboDropNotification"});
}

TEST_F(Combos, TypingALinesTextSelectsItAfterTheModifyNotification) {
  TestDialog win("TypeWin");
  QORDlgCombo combo(&win, "Typed");
  fill(combo, {"red", "green"});
  combo.SetSelect(-1, 0);
  listen(&combo);
  ASSERT_TRUE(win.Show());
  Settle(150);
  Click(part(combo, 1));
  heard.clear();
  Type("gre");
  combo.SetVisibleTextWidth(12);  // an update meanwhile keeps what is being typed
  Settle(50);
  Type("en\n");
  EXPECT_EQ(heard.size(), 6u);
  EXPECT_EQ(heard.front(), "Typed QORDlgEditModifyNotification");
  EXPECT_EQ(heard.back(), "Typed QORDlgComboModifyNotification");
  EXPECT_EQ(combo.GetSelect(), 1);
  QORUnicodeString field;
  combo.GetField(field);
  EXPECT_EQ(field.str(), "green");
}

TEST_F(Combos, OptionMenuGraphicAndRealCombosChooseAndCheck) {
  TestDialog win("KindsWin", QORDlgGridLayout);
  QORDlgCombo option(&win, "Option", QORDlgComboOptionMenu), colors(&win, "Colors", QORDlgComboColor),
      real(&win, "Real", QORDlgComboReal);
  option.SetGridConstraints(0, 0, 1, 1, 0);
  colors.SetGridConstraints(0, 1, 1, 1, 0);
  real.SetGridConstraints(0, 2, 1, 1, 0);
  fill(option, {"Matt", "Satin", "Gloss"});
  colors.SetLine(QORUnicodeString("Red"), static_cast<unsigned char>(255), 0, 0);
  colors.SetLine(QORUnicodeString("Blue"), static_cast<unsigned char>(0), 0, 255);
  real.SetUnit(QORDlgControl::Millimeter);
  const double values[] = {0.001, 0.002};
  real.SetLine(values, 2);
  for (QORDialog* d : std::initializer_list<QORDialog*>{&option, &colors, &real}) listen(d);
  ASSERT_TRUE(win.Show());
  Settle(150);
  heard.clear();

  option.SetSelect(2, 1);
  Settle(50);
  EXPECT_EQ(heard, std::vector<std::string>{"Option QORDlgComboSelectNotification"});
  EXPECT_EQ(LabelText(Resource<Widget>(part(option, 0), XmNmenuHistory)), "Gloss");

  heard.clear();
  Click(part(colors, 3));
  Widget blue = XtNameToWidget(part(colors, 5), "lab_1");
  ASSERT_NE(blue, nullptr);
  Click(blue);
  EXPECT_EQ(heard, (std::vector<std::string>{"Colors QORDlgComboDropNotification",
                                             "Colors QORDlgComboSelectNotification"}));
  EXPECT_EQ(colors.GetSelect(), 1);
  EXPECT_FALSE(Viewable(part(colors, 4)));
  EXPECT_EQ(FieldText(part(colors, 1)), "Blue");

  // Bitmap and icon lines show their pictures beside their texts.
  setenv("TRIVOICONPATH", TOLVEN_SOURCE_DIR "/icons", 1);
  QORDlgCombo bitmaps(&win, "Bitmaps", QORDlgComboBitmap), icons(&win, "Icons", QORDlgComboIcon);
  bitmaps.SetGridConstraints(1, 0, 1, 1, 0);
  icons.SetGridConstraints(1, 1, 1, 1, 0);
  const char cross[] = {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41, 0x00};
  EXPECT_EQ(bitmaps.SetLine(QORUnicodeString("Cross"), cross, 8, 8), 1);
  EXPECT_EQ(icons.SetLine(QORUnicodeString("Save"), QORString("save")), 1);
  Settle(100);
  for (QORDlgCombo* c : {&bitmaps, &icons}) {
    Widget picture = XtNameToWidget(part(*c, 5), "ico_0");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(Resource<unsigned char>(picture, XmNlabelType), XmPIXMAP);
    EXPECT_EQ(LabelText(XtNameToWidget(part(*c, 5), "lab_0")), c == &icons ? "Save" : "Cross");
  }

  // A real field refuses letters and tells each accepted keystroke.
  Click(part(real, 1));
  XmTextSetString(part(real, 1), const_cast<char*>(""));
  heard.clear();
  Type("2x");
  EXPECT_EQ(FieldText(part(real, 1)), "2");
  EXPECT_EQ(heard, std::vector<std::string>{"Real QORDlgEditModifyNotification"});
  Chord({XK_Return});
  EXPECT_EQ(heard.back(), "Real QORDlgComboModifyNotification");
  EXPECT_NEAR(real.GetField(), 0.002, 1e-12);
  EXPECT_EQ(real.GetSelect(), 1);
}

TEST_F(Combos, EachNotificationIsRecordedWithItsTraceAndReplayed) {
  TestDialog win("TraceWin");
  QORDlgCombo text(&win, "Co"), real(&win, "Re", QORDlgComboReal);
  fill(text, {"a", "b"});
  text.SetSelect(1, 0);
  real.SetLine(0.5);
  real.SetSelect(0, 0);
  const std::string head = "/RECORD/ SaveState    QORDlgCombo          /Command Name/ ";
  const std::string pad = "/RECORD/ SaveState                         ";
  struct Case {
    QORDlgCombo* combo;
    QORNotification* n;
    std::string trace;
  } const cases[] = {
      {&text, text.GetComboModifyNotification(),
       head + "Co /Notification/ QORDlgComboModifyNotification\n" + pad + "r_FieldContent= b dEntry=0.000000\n"},
      {&text, text.GetComboSelectNotification(),
       head + "Co /Notification/ QORDlgComboSelectNotification\n" + pad + "_text= b\n"},
      {&text, text.GetComboDropNotification(), head + "Co /Notification/ QORDlgComboDropNotification\n"},
      {&real, real.GetComboSelectNotification(),
       head + "Re /Notification/ QORDlgComboSelectNotification\n" + pad + "_dVal= 0.500000\n"},
  };
  listen(&text);
  listen(&real);
  for (const Case& c : cases) {
    QORMarshal m;
    EXPECT_EQ(TracedAt('2', [&] { EXPECT_EQ(c.combo->SaveState(c.n, m), 0); }), c.trace);
    const int before = c.combo->GetSelect();
    c.combo->ClearSelect();
    heard.clear();
    EXPECT_EQ(c.combo->RestoreState(c.n, m), 0);
    EXPECT_TRUE(m.AtEnd());
    EXPECT_EQ(heard.size(), 1u) << c.trace;
    // A replayed edit or choice finds its line again; a drop leaves the choice alone.
    EXPECT_EQ(c.combo->GetSelect(), c.n == text.GetComboDropNotification() ? -1 : before) << c.trace;
  }
  QORMarshal m;
  text.SaveState(text.GetComboModifyNotification(), m);
  EXPECT_EQ(TracedAt('2', [&] { text.RestoreState(text.GetComboModifyNotification(), m); }),
            "/REPLAY/ RestoreState QORDlgCombo          /Command Name/ Co /Notification/ "
            "QORDlgComboModifyNotification\n"
            "/REPLAY/ RestoreState                      r_FieldContent= b _dEntry=0.000000\n");
}

TEST_F(Combos, AReplayedSelectionOfALineThatIsGoneStopsWith987) {
  TestDialog win("GoneWin");
  QORDlgCombo combo(&win, "Gone");
  fill(combo, {"kept", "dropped"});
  combo.SetSelect(1, 0);
  QORMarshal m;
  ASSERT_EQ(combo.SaveState(combo.GetComboSelectNotification(), m), 0);
  combo.ClearLine(1);
  testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT(
      {
        dup2(2, 1);
        l_QORDialog::record_trace = '1';
        combo.RestoreState(combo.GetComboSelectNotification(), m);
      },
      testing::ExitedWithCode(987 & 0xFF),  // the system keeps the low byte of the status
      "/REPLAY/ RestoreState QORDlgCombo          /Command Name/ Gone /Notification/ "
      "QORDlgComboSelectNotification\n"
      "/REPLAY/ RestoreState ERROR : The line selected in the recording step:dropped \n"
      "was not found in the list while replaying. Aborting...\n");
}

}  // namespace

namespace {

// Last of the suite: the replay runs the application's loop to its end.
TEST_F(Combos, ZZ_TypingAndChoosingAreRecordedAndReplayedAlike) {
  const std::string file = testing::TempDir() + "control_combo.rec";
  auto* win = new TestDialog("RecWin", QORDlgGridLayout);  // deleted by the end of the run
  auto* ed = new QORDlgEditor(win, "Ed", QORDlgEditInteger);
  auto* combo = new QORDlgCombo(win, "Co");
  auto* done = new QORDlgPushButton(win, "Done");
  std::string finalValues;
  ed->SetGridConstraints(0, 0, 1, 1, 0);
  combo->SetGridConstraints(0, 1, 1, 1, 0);
  done->SetGridConstraints(1, 1, 1, 1, 0);
  fill(*combo, {"Alpha", "Beta", "Gamma"});
  for (QORDialog* d : std::initializer_list<QORDialog*>{ed, combo, done}) listen(d);
  listener.AddAnalyseNotificationCB(done, QORDlgPushBActivateNotification::ClassName(),
                                    [&](QORCommand*, QORNotification*) {
                                      if (QORRecord::GetMain()->RecordMod() != QORRecordReplay) return;
                                      // What the replay left, read before the run ends.
                                      QORUnicodeString field;
                                      combo->GetField(field);
                                      finalValues = ed->GetText().str() + " " + std::to_string(combo->GetSelect()) +
                                                    " " + field.str();
                                      app->GetLetterObject()->Destroy();
                                    });
  ASSERT_TRUE(win->Show());
  Settle(200);
  heard.clear();
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  Click(static_cast<l_QORDlgEditor*>(ed->GetLetterObject())->GetTextWidget());
  Type("42\n");
  Click(part(*combo, 3));
  ClickListLine(part(*combo, 2), 3);
  Click(WidgetOf(done));
  QORRecord::GetMain()->EndMode(1);
  const std::vector<std::string> recorded = heard;
  EXPECT_EQ(recorded, (std::vector<std::string>{"Ed QORDlgEditModifyNotification", "Co QORDlgComboDropNotification",
                                                "Co QORDlgComboSelectNotification",
                                                "Done QORDlgPushBActivateNotification"}));

  ed->SetText("");
  combo->SetSelect(0, 0);
  heard.clear();
  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(file.c_str()));
  app->RunApplication();
  EXPECT_EQ(heard, recorded);
  EXPECT_EQ(finalValues, "42 2 Gamma");
}

}  // namespace
