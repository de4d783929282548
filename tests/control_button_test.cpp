// Buttons, labels and separators on real widgets, driven by the pointer
// through XTest: repeat timing, double clicks, radio groups, drag starts,
// natural sizes, and the record and replay of what they send.
#include <gtest/gtest.h>

#include <Xm/Label.h>
#include <Xm/PushB.h>
#include <Xm/ToggleB.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "QORDlgCheckButton.h"
#include "QORDlgLabel.h"
#include "QORDlgMotif.h"
#include "QORDlgPushButton.h"
#include "QORDlgRadioButton.h"
#include "QORDlgSeparator.h"
#include "QORMarshal.h"
#include "QORRecord.h"
#include "l_QORDlgLabel.h"
#include "l_QORDlgPushButton.h"
#include "tolven_test_control.h"
#include "tolven_test_app.h"

namespace {

using Clock = std::chrono::steady_clock;

class Buttons : public AppSuite, public HeardLog {};

Size widgetSize(Widget w) { return MotifGeo(w).size(); }
Size naturalSize(QORDialog* d) {
  DRECT r{};
  d->GetRectDimensions(&r);
  return Size{r.dx, r.dy};
}
// The size Motif gives a widget of that class, font and text, made beside the control.
Size motifSize(WidgetClass cls, Widget parent, const char* text) {
  XmString s = XmStringCreateSimple(const_cast<char*>(text));
  Widget w = XtVaCreateWidget("raw", cls, parent, XmNlabelString, s, nullptr);
  if (GlobalXResources.enabled && GlobalXResources.documentFontList)
    XtVaSetValues(w, XmNfontList, GlobalXResources.documentFontList, nullptr);
  XmStringFree(s);
  const Size out = widgetSize(w);
  XtDestroyWidget(w);
  return out;
}

TEST_F(Buttons, RepeatingButtonActivatesThenRepeatsEvery200msUntilReleased) {
  TestDialog win("RepeatWin");
  QORDlgPushButton button(&win, "Repeat", QORDlgPushRepeat);
  QORDlgPushButton plain(&win, "Plain");  // for the end: laid out beside the other
  listen(&button);
  ASSERT_TRUE(win.Show());
  Settle(300);
  PointAt(WidgetOf(&button));
  Press(true);
  const auto pressed = Clock::now();
  PumpFor(700);
  ASSERT_GE(heard.size(), 3u);
  EXPECT_EQ(heard[0], "Repeat QORDlgPushBActivateNotification");
  EXPECT_LT(when[0] - pressed, std::chrono::milliseconds(100));  // at the press, not at the release
  for (size_t i = 1; i < heard.size(); ++i) {
    EXPECT_EQ(heard[i], "Repeat QORDlgPushBRepetitiveNotification");
    const auto gap = std::chrono::duration_cast<std::chrono::milliseconds>(when[i] - when[i - 1]).count();
    EXPECT_GE(gap, 195) << "repeat " << i;
    EXPECT_LE(gap, 380) << "repeat " << i;
  }

  // The release reaches the client while the next time-out is already due:
  // the time-out sees it first and sends nothing more.
  const size_t before = heard.size();
  while (heard.size() == before) PumpFor(5);
  const auto last = when.back();
  std::this_thread::sleep_until(last + std::chrono::milliseconds(80));
  Press(false);
  std::this_thread::sleep_until(last + std::chrono::milliseconds(280));
  const size_t atRelease = heard.size();
  PumpFor(500);
  EXPECT_EQ(heard.size(), atRelease);
  EXPECT_FALSE(static_cast<l_QORDlgPushButton*>(button.GetLetterObject())->IsRepeating());

  // A plain button activates on the release, once.
  listen(&plain);
  Settle(100);
  heard.clear();
  PointAt(WidgetOf(&plain));
  Press(true);
  PumpFor(300);
  EXPECT_TRUE(heard.empty());
  Press(false);
  PumpFor(100);
  EXPECT_EQ(heard, std::vector<std::string>{"Plain QORDlgPushBActivateNotification"});

  // Its accelerator activates a repeating button once: no release would stop a repeat.
  heard.clear();
  XtCallActionProc(WidgetOf(&button), const_cast<char*>("Accelerator"), nullptr, nullptr, 0);
  PumpFor(300);
  EXPECT_EQ(heard, std::vector<std::string>{"Repeat QORDlgPushBActivateNotification"});
}

TEST_F(Buttons, CheckButtonDoubleClickKeepsWhatTheFirstClickDid) {
  TestDialog win("CheckWin");
  QORDlgCheckButton check(&win, "Check");
  listen(&check);
  ASSERT_TRUE(win.Show());
  Settle(300);
  Widget w = WidgetOf(&check);
  PointAt(w);
  Press(true);
  Press(false);
  Press(true);
  Press(false);
  Settle(100);
  EXPECT_EQ(heard, (std::vector<std::string>{"Check QORDlgChkBModifyNotification",
                                             "Check QORDlgChkBDoubleClickNotification"}));
  EXPECT_EQ(check.GetState(), QORDlgChecked);
  EXPECT_TRUE(XmToggleButtonGetState(w));

  // Beyond the multi-click time, a click toggles again.
  usleep((XtGetMultiClickTime(TestDisplay()) + 50) * 1000);
  heard.clear();
  Click(w);
  EXPECT_EQ(heard, std::vector<std::string>{"Check QORDlgChkBModifyNotification"});
  EXPECT_EQ(check.GetState(), QORDlgUnchecked);
  EXPECT_FALSE(XmToggleButtonGetState(w));

  // The accelerator toggles, as the user would.
  heard.clear();
  XtCallActionProc(w, const_cast<char*>("Accelerator"), nullptr, nullptr, 0);
  Settle(50);
  EXPECT_EQ(heard, std::vector<std::string>{"Check QORDlgChkBModifyNotification"});
  EXPECT_TRUE(XmToggleButtonGetState(w));
  check.SetState(QORDlgUnchecked, 0);

  // The program: the current state sends nothing; any value but checked is unchecked.
  heard.clear();
  check.SetState(QORDlgUnchecked, 1);
  EXPECT_TRUE(heard.empty());
  check.SetState(QORDlgChecked, 1);
  check.SetState(0x12345, 0);
  EXPECT_EQ(heard, std::vector<std::string>{"Check QORDlgChkBModifyNotification"});
  EXPECT_EQ(check.GetState(), QORDlgUnchecked);

  // Mixed: sensitive, shown set in the shadow colour, the real state kept.
  check.SetSensitivity(QORDlgSensitiveMixed);
  check.SetSensitivity(0x40);  // unknown: ignored
  Settle(50);
  EXPECT_TRUE(XtIsSensitive(w));
  EXPECT_TRUE(XmToggleButtonGetState(w));
  EXPECT_EQ(Resource<Pixel>(w, XmNselectColor), Resource<Pixel>(w, XmNbottomShadowColor));
  EXPECT_EQ(check.GetState(), QORDlgUnchecked);
  check.SetSensitivity(QORDlgInsensitive);
  Settle(50);
  EXPECT_FALSE(XtIsSensitive(w));
  EXPECT_FALSE(XmToggleButtonGetState(w));
}

TEST_F(Buttons, RadioGroupEndsAtALabelAndACheckedButtonStaysChecked) {
  TestDialog win("RadioWin", QORDlgGridLayout);
  QORDlgRadioButton r1(&win, "r1"), r2(&win, "r2");
  QORDlgLabel label(&win, "label");
  QORDlgRadioButton r3(&win, "r3");
  short row = 0;
  for (QORDialog* d : std::initializer_list<QORDialog*>{&r1, &r2, &label, &r3}) d->SetGridConstraints(row++, 0, 1, 1, 0);
  EXPECT_EQ(r2.GetState(), 0u);  // never set: neither checked nor unchecked
  r1.SetState(QORDlgChecked, 0);
  r3.SetState(QORDlgChecked, 0);
  for (QORDialog* d : std::initializer_list<QORDialog*>{&r1, &r2, &r3}) listen(d, QORDlgRadBModifyNotification::ClassName());
  ASSERT_TRUE(win.Show());
  Settle(300);
  EXPECT_FALSE(XmToggleButtonGetState(WidgetOf(&r2)));

  Click(WidgetOf(&r2));
  // The brother is unchecked with the same notify flag, before r2 tells.
  EXPECT_EQ(heard, (std::vector<std::string>{"r1 QORDlgRadBModifyNotification", "r2 QORDlgRadBModifyNotification"}));
  EXPECT_EQ(r1.GetState(), QORDlgUnchecked);
  EXPECT_EQ(r2.GetState(), QORDlgChecked);
  EXPECT_EQ(r3.GetState(), QORDlgChecked);
  EXPECT_FALSE(XmToggleButtonGetState(WidgetOf(&r1)));
  EXPECT_TRUE(XmToggleButtonGetState(WidgetOf(&r2)));
  EXPECT_TRUE(XmToggleButtonGetState(WidgetOf(&r3)));

  heard.clear();
  Click(WidgetOf(&r2));
  EXPECT_TRUE(heard.empty());
  EXPECT_TRUE(XmToggleButtonGetState(WidgetOf(&r2)));
  EXPECT_EQ(r2.GetState(), QORDlgChecked);

  // Checked by the program without notification: nobody tells.
  r1.SetState(QORDlgChecked, 0);
  EXPECT_TRUE(heard.empty());
  EXPECT_EQ(r2.GetState(), QORDlgUnchecked);
  EXPECT_FALSE(XmToggleButtonGetState(WidgetOf(&r2)));  // at once, not at the next idle pass
}

TEST_F(Buttons, NaturalSizesReachTheLayoutAndAFixedLabelKeepsItsSize) {
  TestDialog win("SizeWin", QORDlgGridLayout);
  QORDlgLabel name(&win, "Name");
  QORDlgPushButton ok(&win, "OK");
  QORDlgLabel framed(&win, "Framed", QORDlgLabelFramed | QORDlgLabelRight);
  QORDlgLabel spacer(&win, "Spacer");
  QORDlgSeparator both(&win, "Both", QORDlgSeparatorHorizontal | QORDlgSeparatorVertical);
  QORDlgSeparator vertical(&win, "Vertical", QORDlgSeparatorVertical);
  spacer.SetTitle(QORUnicodeString(" "));
  QORDialog* cells[] = {&name, &ok, &framed, &spacer, &both, &vertical};  // two columns
  for (short i = 0; i < 6; ++i) cells[i]->SetGridConstraints(i / 2, i % 2, 1, 1, 0);
  ASSERT_TRUE(win.Show());
  Settle(200);
  Widget parent = win.GetLetterObject()->GetBaseWidget(0);

  const Size label = motifSize(xmLabelWidgetClass, parent, "Name");
  EXPECT_EQ(widgetSize(WidgetOf(&name)), label);
  EXPECT_EQ(widgetSize(WidgetOf(&ok)), motifSize(xmPushButtonWidgetClass, parent, "OK"));

  // The frame adds its shadow on each side; the text is aligned to the end.
  const Dimension shadow = Resource<Dimension>(WidgetOf(&framed), XmNshadowThickness);
  Widget inner = static_cast<l_QORDlgLabel*>(framed.GetLetterObject())->GetLabelWidget();
  const Size framedText = motifSize(xmLabelWidgetClass, parent, "Framed");
  const Size framedSize{framedText.w + 2 * shadow, framedText.h + 2 * shadow};
  EXPECT_EQ(naturalSize(&framed), framedSize);
  EXPECT_EQ(widgetSize(WidgetOf(&framed)), framedSize);
  // The second column starts after the widest of the first.
  EXPECT_EQ(MotifGeo(WidgetOf(&ok)).x, 1 + std::max(label.w, framedSize.w) + 1);
  EXPECT_EQ(Resource<unsigned char>(inner, XmNalignment), XmALIGNMENT_END);

  EXPECT_EQ(naturalSize(&spacer), (Size{4, 4}));
  EXPECT_EQ(widgetSize(WidgetOf(&spacer)), (Size{4, 4}));
  EXPECT_EQ(Resource<unsigned char>(WidgetOf(&both), XmNorientation), XmHORIZONTAL);
  EXPECT_EQ(naturalSize(&both), (Size{1, 3}));
  EXPECT_EQ(Resource<unsigned char>(WidgetOf(&vertical), XmNorientation), XmVERTICAL);
  EXPECT_EQ(naturalSize(&vertical), (Size{3, 1}));

  // A new text: a label measures itself again unless its size was given.
  // A box's layout gives its children their sizes and the box keeps its own
  // size once shown, so these two live in an area that lays nothing out,
  // wide enough for the longer text.
  TestDialog loose("LooseWin");
  QORDlgMotif area(&loose, "Area", 0);
  area.SetRectDimensions(1, 1, 100, 300);
  QORDlgLabel grows(&area, "Grows");
  QORDlgLabel fixed(&area, "Fixed");
  ASSERT_TRUE(loose.Show());
  Settle(100);
  fixed.SetRectDimensions(1, 40, 30, 40);
  const char* longer = "A much longer text than before";
  grows.SetTitle(QORUnicodeString(longer));
  fixed.SetTitle(QORUnicodeString(longer));
  Settle(100);
  const Size longSize = motifSize(xmLabelWidgetClass, loose.GetLetterObject()->GetBaseWidget(0), longer);
  EXPECT_EQ(naturalSize(&grows), longSize);
  EXPECT_EQ(widgetSize(WidgetOf(&grows)), longSize);
  EXPECT_EQ(naturalSize(&fixed), (Size{40, 30}));
  EXPECT_EQ(widgetSize(WidgetOf(&fixed)), (Size{40, 30}));
  EXPECT_EQ(LabelText(WidgetOf(&fixed)), longer);

  // An icon (24 by 24) replaces the text: framed by the shadow, or alone when flat.
  setenv("TRIVOICONPATH", TOLVEN_SOURCE_DIR "/icons", 1);
  QORDlgPushButton save(&loose, "Save"), flat(&loose, "Flat", QORDlgPushFlat);
  save.SetIconName("save");
  flat.SetIconName("save");
  Settle(100);
  EXPECT_EQ(naturalSize(&save), (Size{32, 32}));
  EXPECT_EQ(widgetSize(WidgetOf(&flat)), (Size{24, 24}));
  EXPECT_EQ(Resource<unsigned char>(WidgetOf(&flat), XmNlabelType), XmPIXMAP);
  EXPECT_EQ(Resource<Dimension>(WidgetOf(&flat), XmNshadowThickness), 0);
}

TEST_F(Buttons, DragStartsOnceTenPixelsFromTheFirstMotion) {
  TestDialog win("DragWin");
  QORDlgCheckButton check(&win, "DragMe");
  check.SetTitle(QORUnicodeString("A wide check button to drag"));
  QORDialog* source = nullptr;
  unsigned long keyState = 0;
  Widget started = nullptr;
  listener.AddAnalyseNotificationCB(&check, QORDlgDragButtonNotification::ClassName(),
                                    [&](QORCommand*, QORNotification* n) {
                                      auto* drag = static_cast<QORDlgDragButtonNotification*>(n);
                                      source = drag->source;
                                      keyState = drag->keyState;
                                      started = l_QORInteractiveApplication::dragStartWidget;
                                    });
  listen(&check);
  ASSERT_TRUE(win.Show());
  Settle(300);
  int x = 0, y = 0;
  Centre(WidgetOf(&check), &x, &y);
  x -= 40;
  MoveTo(x, y);
  Press(true);
  auto moveBy = [&](int d) {
    MoveTo(x + d, y);
    PumpFor(40);
  };
  moveBy(1);  // the start
  moveBy(10);
  EXPECT_TRUE(heard.empty());  // 9 pixels
  moveBy(11);
  EXPECT_EQ(heard, std::vector<std::string>{"DragMe QORDlgDragButtonNotification"});
  EXPECT_EQ(source, &check);
  EXPECT_EQ(keyState, 1u);
  EXPECT_EQ(started, WidgetOf(&check));
  // Until an idle pass forgets the start, the same drag reports nothing more.
  moveBy(12);
  moveBy(30);
  EXPECT_EQ(heard.size(), 1u);
  Press(false);
  Settle(50);
  EXPECT_EQ(l_QORInteractiveApplication::dragStartWidget, nullptr);
}

// Save and restore of each class, with their traces, are the conformance
// suite's and the golden record's; these restores change other state.
TEST_F(Buttons, RestoredStatesComeBackAndAPushActivationReplaysOntoACheckButton) {
  TestDialog win("StateWin");
  QORDlgCheckButton check(&win, "Chk");
  QORDlgRadioButton ra(&win, "Ra"), rb(&win, "Rb");
  QORDlgPushButton push(&win, "Push");
  listen(&check);
  listen(&ra);
  ASSERT_TRUE(win.Show());
  Settle(100);
  l_QORDialog* cl = check.GetLetterObject();
  check.SetState(QORDlgChecked, 0);
  QORMarshal saved;
  EXPECT_EQ(cl->SaveState(check.GetChkBModifyNotification(), saved), 0);
  check.SetState(QORDlgUnchecked, 0);
  EXPECT_EQ(cl->RestoreState(check.GetChkBModifyNotification(), saved), 0);
  EXPECT_EQ(check.GetState(), QORDlgChecked);
  EXPECT_EQ(heard, std::vector<std::string>{"Chk QORDlgChkBModifyNotification"});

  // A push button's activation recorded where there is now a check button checks it.
  check.SetState(QORDlgUnchecked, 0);
  heard.clear();
  QORMarshal pushed;
  EXPECT_EQ(push.GetLetterObject()->SaveState(push.GetPushBActivateNotification(), pushed), 0);
  EXPECT_EQ(TracedAt('1', [&] { EXPECT_EQ(cl->RestoreState(push.GetPushBActivateNotification(), pushed), 0); }),
            "/REPLAY/ RestoreState QORDlgCheckButton(Pu)/Command Name/ Chk /Notification/ "
            "QORDlgPushBActivateNotification\n");
  EXPECT_TRUE(pushed.AtEnd());
  EXPECT_EQ(check.GetState(), QORDlgChecked);
  EXPECT_EQ(heard, std::vector<std::string>{"Chk QORDlgChkBModifyNotification"});
  Settle(50);
  EXPECT_TRUE(XmToggleButtonGetState(WidgetOf(&check)));

  // A radio button's restored check unchecks its brother, with notification.
  rb.SetState(QORDlgChecked, 0);
  QORMarshal radio;
  radio << QORDlgChecked;
  heard.clear();
  listen(&rb);
  EXPECT_EQ(ra.GetLetterObject()->RestoreState(ra.GetRadBModifyNotification(), radio), 0);
  EXPECT_EQ(heard, (std::vector<std::string>{"Rb QORDlgRadBModifyNotification", "Ra QORDlgRadBModifyNotification"}));
  EXPECT_EQ(rb.GetState(), QORDlgUnchecked);
  EXPECT_EQ(ra.GetState(), QORDlgChecked);
}

// Last of the suite: the replay runs the application's loop to its end.
TEST_F(Buttons, ZZ_RecordedClickOnAPushButtonIsReplayedByTheApplication) {
  const std::string file = testing::TempDir() + "control_button.rec";
  auto* win = new TestDialog("RecWin");  // deleted by the end of the run
  auto* button = new QORDlgPushButton(win, "OK");
  int activations = 0;
  listener.AddAnalyseNotificationCB(button, QORDlgPushBActivateNotification::ClassName(),
                                    [&](QORCommand*, QORNotification*) {
                                      ++activations;
                                      // The replayed activation ends the run.
                                      if (QORRecord::GetMain()->RecordMod() == QORRecordReplay)
                                        app->GetLetterObject()->Destroy();
                                    });
  ASSERT_TRUE(win->Show());
  Settle(300);
  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  Click(WidgetOf(button));
  QORRecord::GetMain()->EndMode(1);
  ASSERT_EQ(activations, 1);
  const std::string text = Slurp(file);
  // A fatherless dialog box hangs under the application in the command tree.
  EXPECT_NE(text.find("1 Application/RecWin/OK QORDlgPushBActivateNotification "), std::string::npos) << text;

  ASSERT_TRUE(QORRecord::GetMain()->StartReplay(file.c_str()));
  const std::string trace = TracedAt('1', [&] { app->RunApplication(); });
  EXPECT_EQ(activations, 2);
  EXPECT_EQ(trace, "/REPLAY/ RestoreState QORDlgPushButton     /Command Name/ OK /Notification/ "
                   "QORDlgPushBActivateNotification\n");
  EXPECT_EQ(QORRecord::GetMain()->RecordMod(), QORRecordNone);
}

}  // namespace
