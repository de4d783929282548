// Notify boxes on real widgets with mwm: the buttons and icon of each kind
// and set, one notification per press when modeless, the blocking display
// answered through XTest while the rest of the program keeps running, and a
// recorded blocking answer replayed without input.
#include <gtest/gtest.h>

#include <Xm/MessageB.h>

#include <string>
#include <vector>

#include "QORDlgLabel.h"
#include "QORDlgNotify.h"
#include "QORDlgPushButton.h"
#include "QORMsgCatalog.h"
#include "QORRecord.h"
#include "l_QORDlgNotify.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"
#include "tolven_test_user.h"

namespace {

class NotifyBox : public AppSuite {
 protected:
  static l_QORDlgNotify* letter(QORDlgNotify& n) { return static_cast<l_QORDlgNotify*>(n.GetLetterObject()); }
  static l_QORDlgNotify* show(QORDlgNotify& n) { return ShowBox<l_QORDlgNotify>(n, 100); }
};

std::string managedButtons(l_QORDlgNotify* l) {
  std::string out;
  for (int p = 0; p < 3; ++p)
    if (XtIsManaged(l->GetButtonWidget(p))) out += (out.empty() ? "" : " ") + LabelText(l->GetButtonWidget(p));
  return out;
}

// A press as the user makes it, from inside the box's own loop. The box's
// buttons are gadgets: they show in their parent's window.
bool press(Widget button) {
  if (!button || !XtIsManaged(button) || !Viewable(XtParent(button))) return false;
  PointAt(button);
  Press(true);
  Press(false);
  return true;
}

TEST_F(NotifyBox, KindAndSetChooseIconAndButtons) {
  struct Case {
    unsigned long style;
    unsigned char type;
    const char* buttons;
  } cases[] = {
      {QORDlgNotifyQuestion, XmDIALOG_QUESTION, "OK Cancel"},
      {QORDlgNotifyInformation, XmDIALOG_INFORMATION, "OK"},
      {QORDlgNotifyWarning | QORDlgNotifyHelp, XmDIALOG_WARNING, "OK Help"},
      {QORDlgNotifyError | QORDlgNotifyYesNoCancel, XmDIALOG_ERROR, "Yes No Cancel"},
      {QORDlgNotifyAbortRetryIgnore, XmDIALOG_INFORMATION, "Abort Retry Ignore"},
      {QORDlgNotifyRetryCancel | QORDlgNotifyHelp, XmDIALOG_INFORMATION, "Retry Cancel"},
      // Conflicting bits: information, and the OK set.
      {QORDlgNotifyQuestion | QORDlgNotifyError | QORDlgNotifyYesNo | QORDlgNotifyOK, XmDIALOG_INFORMATION, "OK"},
  };
  for (const Case& c : cases) {
    auto* n = new QORDlgNotify(app, "Kinds", c.style);
    EXPECT_EQ(n->GetVisibility(), QORDlgHidden);
    l_QORDlgNotify* l = show(*n);
    EXPECT_EQ(Resource<unsigned char>(n->GetLetterObject()->GetBaseWidget(0), XmNdialogType), c.type) << std::hex << c.style;
    EXPECT_NE(Resource<Pixmap>(n->GetLetterObject()->GetBaseWidget(0), XmNsymbolPixmap), XmUNSPECIFIED_PIXMAP);
    EXPECT_EQ(managedButtons(l), c.buttons) << std::hex << c.style;
    delete n;
    PumpIdle();
  }
}

TEST_F(NotifyBox, CatalogTextAndTitlesWinOverTheProgram) {
  QORMsgCatalog catalog;
  const char text[] = "Text = \"From the catalog\";\nBOK = \"Go\";\n";
  ASSERT_EQ(catalog.LoadFromText(text, sizeof text - 1, "inline.catalog"), 1);
  QORDlgNotify n(app, "Fixed", QORDlgNotifyQuestion);
  n.AddResourcePath(catalog, "");
  n.SetText("From the program");
  n.SetCANCELTitle("Abandon");
  EXPECT_EQ(n.GetText(), QORUnicodeString("From the catalog"));
  EXPECT_EQ(managedButtons(show(n)), "Go Cancel");

  QORDlgNotify free(app, "Free", QORDlgNotifyQuestion);
  free.SetText("Line one\nline two");
  free.SetCANCELTitle("Abandon");
  l_QORDlgNotify* l = show(free);
  EXPECT_EQ(managedButtons(l), "OK Abandon");
  XmString shown = Resource<XmString>(free.GetLetterObject()->GetBaseWidget(0), XmNmessageString);
  char* got = nullptr;
  XmStringGetLtoR(shown, const_cast<char*>(XmFONTLIST_DEFAULT_TAG), &got);
  EXPECT_STREQ(got, "Line one");  // the first line; the second starts a new one
  XtFree(got);
  XmStringFree(shown);
  QORDlgNotify yes(app, "Explicit", QORDlgNotifyYesNo);
  yes.SetOKTitle("Ignored");  // an explicit set has fixed labels
  EXPECT_EQ(managedButtons(show(yes)), "Yes No");
}

TEST_F(NotifyBox, ModelessEachPressSendsOneNotification) {
  QORDlgNotify n(app, "Modeless", QORDlgNotifyYesNoCancel);
  std::vector<std::string> got;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(&n, nullptr, [&](QORCommand*, QORNotification* note) {
    const std::string c = note->IsA();
    if (c.find("Nfy") != std::string::npos) got.push_back(c);
  });
  l_QORDlgNotify* l = show(n);
  for (int p : {0, 1, 2}) Click(l->GetButtonWidget(p));
  EXPECT_EQ(got, (std::vector<std::string>{"QORDlgNfyYesNotification", "QORDlgNfyNoNotification",
                                           "QORDlgNfyCancelNotification"}));
  EXPECT_TRUE(Viewable(l->GetShell()));  // the buttons do not hide the box
}

// The window manager's close first, which must not end the wait, then the button.
TEST_F(NotifyBox, DisplayBlockedReturnsTheButtonPressedNotTheClose) {
  struct Case {
    int position;
    int result;
  } cases[] = {{0, QORDlgNotifyAnswerYes}, {1, QORDlgNotifyAnswerNo}, {2, QORDlgNotifyAnswerCancel}};
  QORDlgNotify n(app, "Blocking", QORDlgNotifyQuestion | QORDlgNotifyYesNoCancel);
  l_QORDlgNotify* l = letter(n);
  int closes = 0, notes = 0;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(&n, "QORDlgWindCloseNotification", [&](QORCommand*, QORNotification*) { ++closes; });
  listener.AddAnalyseNotificationCB(&n, nullptr, [&](QORCommand*, QORNotification* note) {
    notes += std::string(note->IsA()).find("Nfy") != std::string::npos;
  });
  for (const Case& c : cases) {
    const int closesBefore = closes;
    UserScript user({[&] { return Viewable(l->GetShell()) && (CloseFromOutside(l->GetShell()), true); },
                     [&] { return closes > closesBefore; },
                     [&] { return press(l->GetButtonWidget(c.position)); }});
    EXPECT_EQ(n.DisplayBlocked("Save the changes?", "Question"), c.result);
    EXPECT_TRUE(user.finished());
    PumpIdle();
    EXPECT_FALSE(Viewable(l->GetShell()));  // hidden again afterwards
  }
  EXPECT_EQ(closes, 3);
  EXPECT_EQ(notes, 0);  // the answer is returned, not notified
}

TEST_F(NotifyBox, OtherWindowsKeepWorkingDuringTheWait) {
  TestDialog other("Other", QORDlgGridLayout);
  auto* label = new QORDlgLabel(&other, "Clock");
  auto* push = new QORDlgPushButton(&other, "Push");
  label->SetGridConstraints(0, 0, 1, 1, 0);
  push->SetGridConstraints(1, 0, 1, 1, 0);
  int pushed = 0;
  QORCommand listener(nullptr, "listener");
  listener.AddAnalyseNotificationCB(push, "QORDlgPushBActivateNotification", [&](QORCommand*, QORNotification*) {
    ++pushed;
  });
  label->SetTitle("before");
  other.SetRectPosition(900, 700);  // clear of the box, so the server has something to expose
  ASSERT_TRUE(other.Show());
  Widget labelWidget = WidgetOf(label);
  int exposes = 0, tries = 0;
  XtAddEventHandler(labelWidget, ExposureMask, False,
                    [](Widget, XtPointer count, XEvent* e, Boolean*) { *static_cast<int*>(count) += e->type == Expose; },
                    &exposes);
  QORDlgNotify n(app, "Waiting", QORDlgNotifyOK);
  l_QORDlgNotify* l = letter(n);
  std::string seenDuring;
  UserScript user({[&] { return Viewable(l->GetShell()); },
                   [&] {
                     // A change that waits for the idle pass, and a redraw request from the server.
                     label->SetTitle("during");
                     XClearArea(XtDisplay(labelWidget), XtWindow(labelWidget), 0, 0, 0, 0, True);
                     return true;
                   },
                   [&] {
                     seenDuring = LabelText(labelWidget);
                     return (exposes > 0 && seenDuring == "during") || ++tries > 60;
                   },
                   // Input to other windows waits: the box is modal while it blocks.
                   [&] { return press(WidgetOf(push)); },
                   [&] { return press(l->GetButtonWidget(0)); }});
  EXPECT_EQ(n.DisplayBlocked("Wait", "Waiting"), QORDlgNotifyAnswerOK);
  EXPECT_EQ(seenDuring, "during");
  EXPECT_GT(exposes, 0);
  EXPECT_EQ(pushed, 0);
  PumpIdle();
  Click(WidgetOf(push));
  EXPECT_EQ(pushed, 1);
}

// Recorded, the blocking answers are kept in the record; replayed, the box
// returns them without showing itself or waiting for anyone.
TEST_F(NotifyBox, ARecordedBlockingAnswerReplaysWithoutInput) {
  QORDlgNotify n(app, "Recorded", QORDlgNotifyYesNo);
  l_QORDlgNotify* l = letter(n);
  const std::string file = testing::TempDir() + "notify.rec";
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  std::vector<int> recorded;
  const std::string trace = TracedAt('2', [&] {
    for (int position : {1, 0}) {
      UserScript user({[&] { return press(l->GetButtonWidget(position)); }});
      recorded.push_back(n.DisplayBlocked("Again?", "Recorded"));
    }
  });
  QORRecord::GetMain()->EndMode(1);
  EXPECT_EQ(trace,
            "/RECORD/ SaveState    QORDlgNotify         /Command Name/ Recorded /Notification/ QORDlgNfyNoNotification\n"
            "/RECORD/ SaveState                         _response= 2\n"
            "/RECORD/ SaveState    QORDlgNotify         /Command Name/ Recorded /Notification/ QORDlgNfyYesNotification\n"
            "/RECORD/ SaveState                         _response= 1\n");
  ASSERT_EQ(recorded, (std::vector<int>{QORDlgNotifyAnswerNo, QORDlgNotifyAnswerYes}));
  EXPECT_NE(Slurp(file).find("QORDlgNfyNoNotification"), std::string::npos);

  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(file.c_str()));
  std::vector<int> replayed;
  {
    // Should the box wait after all, this answers it (with the wrong answer) after a while.
    int patience = 60;
    UserScript late({[&] { return --patience <= 0 && press(l->GetButtonWidget(1)); }});
    for (int i = 0; i < 2; ++i) replayed.push_back(n.DisplayBlocked("Again?", "Recorded"));
  }
  EXPECT_TRUE(QORRecord::GetMain()->ReplayFinished() || QORRecord::GetMain()->ReplayNext() == 0);
  QORRecord::GetMain()->EndMode(2);
  EXPECT_EQ(replayed, recorded);
  PumpIdle();
  EXPECT_FALSE(Viewable(l->GetShell()));
}

}  // namespace
