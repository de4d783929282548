// Key tables and accelerators: the generated tables, key-name lookup, the
// accelerator text in its three forms, and an accelerator fired by real key
// presses on built objects.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <strings.h>

#include <string>

#include "QORDlgMotif.h"
#include "tolven_test_control.h"
#include "tolven_test_app.h"

namespace {

TEST(KeyTables, GeneratedFromKeysymNames) {
  ASSERT_EQ(QORDialog::KeyCount, 974);
  EXPECT_STREQ(QORDialog::KeyName[0], "BackSpace");
  EXPECT_EQ(QORDialog::numkey[0], 0xFF08);
  EXPECT_STREQ(QORDialog::KeyName[973], "Hebrew_switch");
  EXPECT_EQ(QORDialog::numkey[973], 0xFF7E);
  EXPECT_EQ(QORDialog::numkey[974], 0);
  for (int i = 0; i < 974; ++i) EXPECT_NE(QORDialog::numkey[i], 0) << i;

  // Our names where they differ from X's, and codes that carry two names.
  const struct { const char* name; unsigned short code; } named[] = {
      {"Enter", 0xFF0D}, {"esc", 0xFF1B}, {"DEL", 0xFFFF}, {"F19", 0xFFD0}, {"L9", 0xFFD0},
      {"grave", 0x60},   {"quoteleft", 0x60}, {"KP_Enter", 0xFF8D}, {"hebrew_aleph", 0xCE0}};
  for (const auto& n : named) {
    const int i = QORDialog::GetKeyIndex(n.name);
    ASSERT_GE(i, 0) << n.name;
    EXPECT_EQ(QORDialog::numkey[i], n.code) << n.name;
  }
  for (const char* gone : {"Return", "Escape", "Delete", "NoSuchKey", "", "F4 "})
    EXPECT_EQ(QORDialog::GetKeyIndex(gone), -1) << gone;
  // Letters occur twice under their capital's name: either code may come back.
  const int a = QORDialog::GetKeyIndex("a");
  ASSERT_GE(a, 0);
  EXPECT_TRUE(QORDialog::numkey[a] == 0x41 || QORDialog::numkey[a] == 0x61);
  EXPECT_STREQ(QORDialog::KeyName[a], "A");
  // Every name of the table is found, in any case, under that same name.
  for (int i = 0; i < 974; ++i) {
    std::string lower = QORDialog::KeyName[i];
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const int j = QORDialog::GetKeyIndex(lower.c_str());
    ASSERT_GE(j, 0) << QORDialog::KeyName[i];
    EXPECT_EQ(strcasecmp(QORDialog::KeyName[j], QORDialog::KeyName[i]), 0);
  }
}

TEST(AcceleratorText, ParsedFormattedAndTranslated) {
  const struct { const char* text; unsigned long word; } parsed[] = {
      {"ctrl + shift + f4", 0x60000000UL + 0xFFC1},
      {"SHIFT+CTRL+F4", 0x60000000UL + 0xFFC1},
      {"Ctrl+Enter", 0x40000000UL + 0xFF0D},
      {"Meta+Alt+Shift+Ctrl+Esc", 0xE0000000UL + 0xFF1B},
      {"\tdel ", 0xFFFF},
  };
  for (const auto& p : parsed) {
    unsigned long word = 7;
    EXPECT_EQ(QORDialog::ParseAcceleratorText(p.text, word), 1) << p.text;
    EXPECT_EQ(word, p.word) << p.text << std::hex << " " << word;
  }
  unsigned long word = 0;
  ASSERT_EQ(QORDialog::ParseAcceleratorText("ALT+META+X", word), 1);
  EXPECT_EQ(word & 0xFFFF0000UL, 0x80000000UL);
  EXPECT_TRUE((word & 0xFFFF) == 'X' || (word & 0xFFFF) == 'x');
  // Four rounds take at most four prefixes: a fifth stays in the (unknown) key name.
  word = 7;
  EXPECT_EQ(QORDialog::ParseAcceleratorText("Ctrl+Ctrl+Ctrl+Ctrl+F4", word), 1);
  EXPECT_EQ(QORDialog::ParseAcceleratorText("Ctrl+Ctrl+Ctrl+Ctrl+Ctrl+F4", word), 0);
  EXPECT_EQ(word, 0x40000000UL + 0xFFC1);
  // Only the first 80 characters count: the key name is cut after its "F".
  ASSERT_EQ(QORDialog::ParseAcceleratorText((std::string(78, ' ') + "F4").c_str(), word), 1);
  EXPECT_EQ(word, 0xFFC1UL);
  ASSERT_EQ(QORDialog::ParseAcceleratorText((std::string(79, ' ') + "F4").c_str(), word), 1);
  EXPECT_TRUE(word == 0x46 || word == 0x66) << std::hex << word;
  word = 0x40000000UL + 0xFFC1;
  EXPECT_EQ(QORDialog::ParseAcceleratorText("Ctrl+NoSuchKey", word), 0);
  EXPECT_EQ(word, 0x40000000UL + 0xFFC1);

  EXPECT_STREQ(QORDialog::GetAcceleratorText(0x60000000UL + 0xFFC1).c_str(), "Ctrl+Shift+F4");
  EXPECT_STREQ(QORDialog::GetAcceleratorText(0xE0000000UL + 0xFF0D).c_str(), "Alt+Ctrl+Shift+Enter");
  EXPECT_STREQ(QORDialog::GetAcceleratorText(0x40000000UL + 0x1234).c_str(), "");
  EXPECT_STREQ(QORDialog::GetAcceleratorTranslation(0x40000000UL + 0xFF0D).c_str(), "Ctrl <Key>Return: Accelerator()");
  EXPECT_STREQ(QORDialog::GetAcceleratorTranslation(0x40000000UL + 0xFFC1).c_str(), "Ctrl <Key>F4: Accelerator()");
  EXPECT_STREQ(QORDialog::GetAcceleratorTranslation(0xE0000000UL + 0xFF1B).c_str(),
               "Meta Ctrl Shift <Key>Escape: Accelerator()");
  EXPECT_STREQ(QORDialog::GetAcceleratorTranslation(0xFFFF).c_str(), "<Key>Delete: Accelerator()");
  EXPECT_STREQ(QORDialog::GetAcceleratorTranslation(0x1234).c_str(), "");
}

// ---- on real widgets ----

using Accelerators = AppSuite;

TEST_F(Accelerators, ProgramTextAndSharedResult) {
  TestDialog win("AccTextWin");
  TestControl a(&win, "A"), b(&win, "B");
  a.SetAcceleratorString("ctrl + shift + f4");
  EXPECT_EQ(a.GetAccelerator(), 0x60000000UL + 0xFFC1);
  EXPECT_NE(a.GetLetterObject()->GetPendingMask() & 0x8000, 0UL);
  b.SetAcceleratorString("Ctrl+Enter");
  const QORUnicodeString& first = a.GetAcceleratorString();
  EXPECT_STREQ(first.c_str(), "Ctrl+Shift+F4");
  const QORUnicodeString& second = b.GetAcceleratorString();
  EXPECT_EQ(&first, &second);  // one process-wide text
  EXPECT_STREQ(first.c_str(), "Ctrl+Enter");
  b.SetAcceleratorString("Ctrl+NoSuchKey");
  EXPECT_EQ(b.GetAccelerator(), 0x40000000UL + 0xFF0D);
  b.SetAccelerator(0x80000000UL + 0xFFBE);
  EXPECT_STREQ(b.GetAcceleratorString().c_str(), "Alt+F1");
}

TEST_F(Accelerators, FireThroughRealKeyPresses) {
  TestDialog win("AccFireWin");
  TestControl target(&win, "Target"), focus(&win, "Focus");
  QORDlgMotif area(&win, "Area", 0);
  target.SetRectDimensions(10, 10, 30, 100);
  focus.SetRectDimensions(10, 50, 30, 100);
  area.SetRectDimensions(10, 90, 40, 100);
  target.SetAcceleratorString("Ctrl+F4");
  ASSERT_TRUE(win.Show());
  Widget targetW = WidgetOf(&target), focusW = WidgetOf(&focus), areaW = WidgetOf(&area);
  ASSERT_TRUE(targetW && focusW && XtWindow(focusW));
  PumpFor(200);  // mapped by the window manager

  // The window spreads the control's accelerators over its controls, not over other objects.
  const auto areaBefore = Resource<XtTranslations>(areaW, XtNtranslations);
  const auto focusBefore = Resource<XtTranslations>(focusW, XtNtranslations);
  win.GetLetterObject()->recursiveInstallAccelerators(targetW);
  EXPECT_EQ(Resource<XtTranslations>(areaW, XtNtranslations), areaBefore);
  EXPECT_NE(Resource<XtTranslations>(focusW, XtNtranslations), focusBefore);

  XSetInputFocus(TestDisplay(), XtWindow(focusW), RevertToParent, CurrentTime);
  Chord({XK_F4});
  EXPECT_EQ(target.typed->accelerated, 0);
  Chord({XK_Control_L, XK_F4});
  // The action runs for the control that owns the accelerator.
  EXPECT_EQ(target.typed->accelerated, 1);
  EXPECT_EQ(focus.typed->accelerated, 0);
}

}  // namespace
