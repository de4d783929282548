// Spinners, sliders, scroll bars and progress bars on real widgets, driven
// through XTest: the arrows' repeat and bounds, typing and its bell, the
// settings' rules, dragging, scrolling, the progress share, the traces and a
// recorded session replayed without input.
#include <gtest/gtest.h>

#include <X11/XKBlib.h>
#include <Xm/ArrowB.h>
#include <Xm/Scale.h>
#include <Xm/ScrollBar.h>
#include <Xm/Text.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <cmath>
#include <string>
#include <vector>

#include "QORDlgProgress.h"
#include "QORDlgScrollBar.h"
#include "QORDlgSlider.h"
#include "QORDlgSpinner.h"
#include "QORMarshal.h"
#include "QORRecord.h"
#include "l_QORDlgProgress.h"
#include "l_QORDlgSlider.h"
#include "l_QORDlgSpinner.h"
#include "tolven_test_app.h"
#include "tolven_test_control.h"

namespace {

using Log = std::vector<std::string>;

class Values : public AppSuite, public HeardLog {
 protected:
  Values() { ignored = {"QORDlgVisibilityNotification", "QORDlgCreateNotification", "QORDlgResizeNotification"}; }
};

l_QORDlgSpinner* letterOf(QORDlgSpinner& s) { return static_cast<l_QORDlgSpinner*>(s.GetLetterObject()); }

std::string fieldText(QORDlgSpinner& s) {
  char* text = XmTextGetString(letterOf(s)->GetField());
  std::string out = text ? text : "";
  XtFree(text);
  return out;
}

// Bells rung on the display, as the X server reports them to a second client.
class Bells {
 public:
  Bells() {
    int event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion, reason = 0;
    display = XkbOpenDisplay(nullptr, &event, &error, &major, &minor, &reason);
    base = event;
    if (display) XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
  }
  ~Bells() {
    if (display) XCloseDisplay(display);
  }
  int rung() {
    int n = 0;
    XSync(TestDisplay(), False);
    XSync(display, False);
    while (XPending(display)) {
      XEvent e;
      XNextEvent(display, &e);
      if (e.type == base && reinterpret_cast<XkbEvent*>(&e)->any.xkb_type == XkbBellNotify) ++n;
    }
    return n;
  }
  Display* display = nullptr;
  int base = 0;
};

void typeKeys(std::initializer_list<KeySym> keys) {
  for (KeySym k : keys) Chord({k});
}

// Clicks into the field, empties it with the keyboard and types `keys`.
void retype(QORDlgSpinner& s, std::initializer_list<KeySym> keys) {
  Click(letterOf(s)->GetField());
  Chord({XK_End});
  for (size_t i = 0; i < fieldText(s).size(); ++i) Chord({XK_BackSpace});
  typeKeys(keys);
}

// ---- spinner arrows ----

struct HoldCase {
  const char* what;
  unsigned long style;
  double start;
  bool up;
  int holdMs;
  const char* notification;
  size_t minCount, maxCount;
  double step;  // the value moves by this per notification
  bool repeatingAtRelease;
};

TEST_F(Values, SpinnerArrowsRepeatEvery200msWhileHeldAndStopAtTheBound) {
  const HoldCase cases[] = {
      {"float, held 1.1 s", 0, 0, true, 1100, "QORDlgSpinnerModifyNotification", 5, 7, 1, true},
      {"float, to the top", 0, 8, true, 1000, "QORDlgSpinnerModifyNotification", 2, 2, 1, false},
      {"float, at the bottom", 0, 0, false, 500, "QORDlgSpinnerModifyNotification", 0, 0, 1, false},
      {"real, to the top", QORDlgSpinReal, 0.5, true, 900, "QORDlgSpinnerModifyNotification", 2, 2, 0.25, false},
      {"real, down", QORDlgSpinReal, 0.5, false, 300, "QORDlgSpinnerModifyNotification", 2, 2, -0.25, true},
      {"text, held 0.7 s", QORDlgSpinText, 0, true, 700, "QORDlgSpinnerBtnUpNotification", 3, 5, 0, true},
      {"text, down", QORDlgSpinText, 0, false, 100, "QORDlgSpinnerBtnDownNotification", 1, 1, 0, true},
  };
  for (const HoldCase& c : cases) {
    SCOPED_TRACE(c.what);
    TestDialog win("HoldWin");
    QORDlgSpinner spin(&win, "Spin", c.style);
    spin.SetMinMaxStep(0, 1, 0.25);
    spin.SetValue(c.start, 0);
    spin.SetCurrentValue(static_cast<float>(c.start), 0);
    ASSERT_TRUE(win.Show());
    Settle(200);
    heard.clear();
    when.clear();
    listen(&spin);
    PointAt(letterOf(spin)->GetArrow(c.up));
    Press(true);
    PumpFor(c.holdMs);
    EXPECT_EQ(letterOf(spin)->IsRepeating(), c.repeatingAtRelease);
    Press(false);
    const size_t atRelease = heard.size();
    PumpFor(450);
    EXPECT_EQ(heard.size(), atRelease) << "no repeat after the release";
    EXPECT_FALSE(letterOf(spin)->IsRepeating());
    EXPECT_GE(heard.size(), c.minCount);
    EXPECT_LE(heard.size(), c.maxCount);
    for (size_t i = 0; i < heard.size(); ++i) {
      EXPECT_EQ(heard[i], std::string("Spin ") + c.notification);
      if (i == 0) continue;
      const auto gap = std::chrono::duration_cast<std::chrono::milliseconds>(when[i] - when[i - 1]).count();
      EXPECT_GE(gap, 195) << "repeat " << i;
      EXPECT_LE(gap, 380) << "repeat " << i;
    }
    const double expected = c.start + c.step * static_cast<double>(heard.size());
    const double now = (c.style & QORDlgSpinReal) ? spin.GetValue() : spin.GetCurrentValue();
    EXPECT_NEAR(now, expected, 1e-6);
    if (c.style & QORDlgSpinText) {
      EXPECT_EQ(letterOf(spin)->GetChangeKind(), l_QORDlgSpinner::ArrowInTextMode);
    }
  }
}

// ---- typing ----

TEST_F(Values, TypingOutsideTheRangeRingsTheBellAndTheFieldTakesTheValueBack) {
  Bells bells;
  ASSERT_NE(bells.display, nullptr);
  TestDialog win("TypeWin");
  QORDlgSpinner spin(&win, "Spin", QORDlgSpinEditable);
  spin.SetFormat(const_cast<char*>("%g"));
  spin.SetCurrentValue(3, 0);
  QORDlgSpinner real(&win, "Real", QORDlgSpinReal);
  real.SetUnit(QORDlgControl::Millimeter);
  real.SetMinMaxStep(0, 0.1, 0.001);
  real.SetValue(0.05, 0);
  real.SetRectPosition(1, 40);
  listen(&spin);
  listen(&real);
  ASSERT_TRUE(win.Show());
  Settle(200);
  EXPECT_EQ(fieldText(spin), "3");
  bells.rung();

  retype(spin, {XK_1, XK_2, XK_Return});
  EXPECT_EQ(bells.rung(), 1);
  EXPECT_EQ(fieldText(spin), "3");
  EXPECT_EQ(spin.GetCurrentValue(), 3.0f);
  EXPECT_TRUE(heard.empty());

  retype(spin, {XK_7, XK_Return});
  Settle(50);
  EXPECT_EQ(bells.rung(), 0);
  EXPECT_EQ(spin.GetCurrentValue(), 7.0f);
  EXPECT_EQ(heard, Log{"Spin QORDlgSpinnerModifyNotification"});
  // What atof reads as infinite is no value of the range either.
  retype(spin, {XK_i, XK_n, XK_f, XK_Return});
  EXPECT_EQ(bells.rung(), 1);
  EXPECT_EQ(fieldText(spin), "7");

  // Real mode: a keystroke that cannot become a value is refused; a value
  // beyond the maximum rings and is clamped, in the field's unit.
  heard.clear();
  EXPECT_EQ(fieldText(real), "50 mm");
  retype(real, {XK_1, XK_x, XK_2, XK_0, XK_Return});
  Settle(50);
  EXPECT_EQ(bells.rung(), 2);  // Motif's for the refused keystroke, then ours
  EXPECT_DOUBLE_EQ(real.GetValue(), 0.1);
  EXPECT_EQ(fieldText(real), "100 mm");
  EXPECT_EQ(heard, Log{"Real QORDlgSpinnerModifyNotification"});
}

// ---- settings ----

TEST_F(Values, SpinnerSettingsKeepTheirRules) {
  TestDialog win("RuleWin");
  QORDlgSpinner flt(&win, "Flt"), txt(&win, "Txt", QORDlgSpinText), real(&win, "Real", QORDlgSpinReal);
  for (QORDialog* d : std::initializer_list<QORDialog*>{&flt, &txt, &real})
    listen(d);
  float low = 0, high = 0, fraction = 0;
  int n = 0;
  struct Step {
    const char* what;
    std::function<void()> act;
    Log sent;
    std::function<bool()> holds;
  };
  const Step steps[] = {
      {"a spinner is always editable", [] {}, {}, [&] { return (flt.GetStyle() & QORDlgSpinEditable) != 0; }},
      {"low above high changes nothing", [&] { flt.SetRange(5, 1, 2.0f); }, {},
       [&] { flt.GetRange(low, high, fraction); return low == 0 && high == 10 && fraction == 10; }},
      {"a new low bound above the value moves it", [&] { flt.SetRange(1, 5, 2.0f); },
       {"Flt QORDlgSpinnerModifyNotification"}, [&] { return flt.GetCurrentValue() == 1; }},
      {"the int form rounds the fractions", [&] { flt.SetRange(1, 5, 2.6f); }, {},
       [&] { flt.GetRange(low, high, n); return n == 3; }},
      {"no fractions: refused", [&] { flt.SetRange(0, 9, 0); }, {},
       [&] { flt.GetRange(low, high, n); return high == 5; }},
      {"a value outside the range is refused", [&] { flt.SetCurrentValue(6, 1); }, {},
       [&] { return flt.GetCurrentValue() == 1; }},
      {"real mode reads 0 as the float value", [&] { real.SetValue(4, 1); }, {"Real QORDlgSpinnerModifyNotification"},
       [&] { return real.GetCurrentValue() == 0 && real.GetValue() == 4 && flt.GetValue() == 0; }},
      {"min above max is refused", [&] { real.SetMinMaxStep(5, 1, 1); }, {},
       [&] { double a, b, c; real.GetMinMaxStep(a, b, c); return a == 0 && b == 10 && c == 1; }},
      {"a new range that leaves the value out moves it", [&] { real.SetMinMaxStep(0, 2, 0.5); },
       {"Real QORDlgSpinnerModifyNotification"}, [&] { return real.GetValue() == 2; }},
      {"float settings are ignored in real mode", [&] { real.SetRange(0, 1, 2.0f); real.SetFormat(nullptr); }, {},
       [&] { real.GetRange(low, high, fraction); return high == 10 && std::string(real.GetFormat()) == "%f"; }},
      {"text mode takes any value", [&] { txt.SetCurrentValue(99, 0); }, {},
       [&] { return txt.GetCurrentValue() == 99; }},
      {"the same text sends nothing",
       [&] {
         txt.SetCurrentText(QORUnicodeString("Mon"), 1);
         txt.SetCurrentText(QORUnicodeString("Mon"), 1);
       },
       {"Txt QORDlgSpinnerModifyNotification"},
       [&] { return letterOf(txt)->GetChangeKind() == l_QORDlgSpinner::TextChange; }},
      {"texts and arrow sensitivity are text mode's", [&] {
         flt.SetCurrentText(QORUnicodeString("x"), 1);
         flt.SetButtonUpSensitivity(QORDlgInsensitive);
         txt.SetButtonUpSensitivity(QORDlgInsensitive | QORDlgSensitive);
         txt.SetButtonDownSensitivity(QORDlgInsensitive);
       }, {}, [&] {
         return flt.GetCurrentText().IsEmpty() && flt.GetButtonUpSensitivity() == QORDlgSensitive &&
                txt.GetButtonUpSensitivity() == QORDlgSensitive && txt.GetButtonDownSensitivity() == QORDlgInsensitive;
       }},
      {"width below 1 is ignored", [&] { flt.SetVisibleTextWidth(0); flt.SetVisibleTextWidth(8); }, {},
       [&] { return flt.GetVisibleTextWidth() == 8; }},
      {"the null format is %f", [&] { flt.SetFormat(const_cast<char*>("%.1f")); flt.SetFormat(nullptr); }, {},
       [&] { return std::string(flt.GetFormat()) == "%f"; }},
  };
  for (const Step& s : steps) {
    heard.clear();
    s.act();
    EXPECT_EQ(heard, s.sent) << s.what;
    EXPECT_TRUE(s.holds()) << s.what;
  }
  // What the widgets show once the update ran.
  flt.SetFormat(const_cast<char*>("%.1f"));
  ASSERT_TRUE(win.Show());
  Settle(200);
  EXPECT_EQ(fieldText(flt), "1.0");
  EXPECT_EQ(Resource<short>(letterOf(flt)->GetField(), XmNcolumns), 8);
  EXPECT_EQ(fieldText(txt), "Mon");
  EXPECT_TRUE(XtIsSensitive(letterOf(txt)->GetArrow(true)));
  EXPECT_FALSE(XtIsSensitive(letterOf(txt)->GetArrow(false)));
  EXPECT_EQ(fieldText(real), "2 ");  // Number: an empty symbol
  // A magnitude's unit follows the application's, at once on the screen.
  QORDlgSpinner angle(&win, "Angle", QORDlgSpinReal);
  angle.SetMagnitude(QORDlgControl::Angle);
  angle.SetMinMaxStep(0, 4, 0.5);
  angle.SetValue(M_PI / 2, 0);
  Settle(50);
  EXPECT_EQ(fieldText(angle), "1.5708 rad");
  app->SetMagnitudeCurrentUnit(QORDlgControl::Angle, QORDlgControl::Degree);
  Settle(50);
  EXPECT_EQ(fieldText(angle), "90 deg");
  app->SetMagnitudeCurrentUnit(QORDlgControl::Angle, QORDlgControl::Radian);
  flt.SetSensitivity(QORDlgSensitiveMixed);
  Settle(50);
  EXPECT_EQ(fieldText(flt), "");
  EXPECT_TRUE(XtIsSensitive(letterOf(flt)->GetField()));
  EXPECT_EQ(flt.GetCurrentValue(), 1.0f);
}

// ---- slider ----

// The scale's own scroll bar, where the user drags.
Widget scrollBarOf(QORDlgSlider& s) { return static_cast<l_QORDlgSlider*>(s.GetLetterObject())->GetScrollBar(); }

int scaleValue(QORDialog* d) {
  int v = 0;
  XmScaleGetValue(WidgetOf(d), &v);
  return v;
}

TEST_F(Values, SliderShowsItsDecimalsAndADragSendsDragsThenModify) {
  TestDialog win("SlideWin");
  QORDlgSlider slider(&win, "Slide");
  slider.SetDecimalPoint(2);
  slider.SetRange(0, 1, 10);
  slider.SetCurrentValue(0.5f, 0);
  // Refused: a range without steps in its direction, a value outside it, too many decimals.
  slider.SetRange(1, 0, 5);
  slider.SetRange(0, 1, -1);
  slider.SetCurrentValue(1.5f, 1);
  slider.SetDecimalPoint(10);
  listen(&slider);
  ASSERT_TRUE(win.Show());
  Settle(200);
  EXPECT_EQ(scaleValue(&slider), 50);
  EXPECT_EQ(Resource<short>(WidgetOf(&slider), XmNdecimalPoints), 2);
  EXPECT_EQ(Resource<int>(WidgetOf(&slider), XmNmaximum), 100);
  EXPECT_EQ(Resource<unsigned char>(WidgetOf(&slider), XmNorientation), XmHORIZONTAL);
  EXPECT_TRUE(heard.empty());

  // At half the range the box is in the middle of the trough.
  DragFromCentre(scrollBarOf(slider), 30, 0, 6);
  Settle(100);
  ASSERT_GE(heard.size(), 2u);
  for (size_t i = 0; i + 1 < heard.size(); ++i) EXPECT_EQ(heard[i], "Slide QORDlgSliderDragNotification");
  EXPECT_EQ(heard.back(), "Slide QORDlgSliderModifyNotification");
  EXPECT_GT(slider.GetCurrentValue(), 0.5f);
  EXPECT_FLOAT_EQ(slider.GetCurrentValue() * 100, static_cast<float>(scaleValue(&slider)));

  // A line step of the keyboard moves by a step of the range, a tenth here.
  const int before = scaleValue(&slider);
  heard.clear();
  Chord({XK_Left});
  EXPECT_EQ(heard, Log{"Slide QORDlgSliderModifyNotification"});
  EXPECT_EQ(scaleValue(&slider), before - 10);
  EXPECT_FLOAT_EQ(slider.GetCurrentValue() * 100, static_cast<float>(before - 10));

  // A reversed range with negative steps is taken: its minimum stays at the start.
  slider.SetRange(10, 0, -5);
  Settle(50);
  EXPECT_EQ(Resource<unsigned char>(WidgetOf(&slider), XmNprocessingDirection), XmMAX_ON_LEFT);
  EXPECT_EQ(Resource<int>(WidgetOf(&slider), XmNmaximum), 1000);
}

// ---- scroll bar ----

TEST_F(Values, ScrollBarArrowsAndTroughMoveItAndTheProgramMayNotPassItsRange) {
  TestDialog win("ScrollWin");
  QORDlgScrollBar bar(&win, "Bar");
  bar.SetScrollBoxSize(20);
  listen(&bar);
  ASSERT_TRUE(win.Show());
  Settle(200);
  Widget w = WidgetOf(&bar);
  EXPECT_EQ(Resource<unsigned char>(w, XmNorientation), XmHORIZONTAL);
  EXPECT_EQ(Resource<int>(w, XmNsliderSize), 20);
  const Geo g = ScreenGeo(w);
  const int mid = g.y + g.h / 2;
  struct Click {
    const char* what;
    int x;
    int position;
  } clicks[] = {
      {"right arrow: a line", g.x + g.w - g.h / 2, 1},
      {"trough after the box: a page", g.x + g.w * 3 / 4, 21},
      {"left arrow", g.x + g.h / 2, 20},
  };
  for (const Click& c : clicks) {
    heard.clear();
    MoveTo(c.x, mid);
    Press(true);
    Press(false);
    Settle(150);
    EXPECT_EQ(heard, Log{"Bar QORDlgScrollBarModifyNotification"}) << c.what;
    EXPECT_EQ(bar.GetScrollPos(), c.position) << c.what;
  }
  heard.clear();
  EXPECT_EQ(bar.SetScrollPos(150, 1), 20);
  EXPECT_EQ(bar.GetScrollPos(), 20);
  EXPECT_TRUE(heard.empty());
  EXPECT_EQ(bar.SetScrollPos(50, 1), 20);
  EXPECT_EQ(heard, Log{"Bar QORDlgScrollBarModifyNotification"});
  // Any range is taken; Motif shows what it can.
  bar.SetScrollRange(40, 30);
  Settle(50);
  int lo = 0, hi = 0;
  bar.GetScrollRange(lo, hi);
  EXPECT_EQ(lo, 40);
  EXPECT_EQ(hi, 30);
  EXPECT_EQ(Resource<int>(w, XmNminimum), 30);
}

// ---- progress ----

TEST_F(Values, ProgressShowsItsShareAndAtLeastOnePercent) {
  TestDialog win("ProgressWin");
  QORDlgProgress progress(&win, "Progress");
  auto* letter = static_cast<l_QORDlgProgress*>(progress.GetLetterObject());
  ASSERT_TRUE(win.Show());
  Settle(200);
  struct Step {
    const char* what;
    std::function<void()> act;
    int position, share;
  } steps[] = {
      {"at the minimum", [] {}, 0, 1},
      {"a step of ten", [&] { progress.StepIt(); }, 10, 10},
      {"an empty range is ignored", [&] { progress.SetRange(10, 10); }, 10, 10},
      {"beyond the maximum", [&] { progress.OffsetPos(500); }, 100, 100},
      {"a range that cuts the position and the step", [&] { progress.SetRange(-20, -15); }, -15, 100},
      {"below the minimum", [&] { progress.SetPos(-99); }, -20, 1},
      {"a step cut to the range", [&] { progress.SetStep(50); progress.StepIt(); }, -15, 100},
      {"a wide range", [&] { progress.SetRange(0, 400); progress.SetPos(100); }, 100, 25},
  };
  for (const Step& s : steps) {
    s.act();
    Settle(30);
    EXPECT_EQ(progress.GetPos(), s.position) << s.what;
    EXPECT_EQ(Resource<int>(letter->GetBar(), XmNrightPosition), s.share) << s.what;
  }
  EXPECT_EQ(progress.GetStep(), 5);
  // The bar fills its share of the trough.
  const Geo bar = MotifGeo(letter->GetBar()), trough = MotifGeo(XtParent(letter->GetBar()));
  EXPECT_NEAR(bar.w, trough.w / 4, 2);
}

// A full bar a thousand pixels wide emptied at once: the form must not be
// asked for a hundred times its width (Motif then gives up with a warning
// and leaves the bar full).
TEST_F(Values, AWideFullProgressEmptiesWithoutContradictingItsForm) {
  TestDialog win("WideProgressWin", QORDlgGridLayout);
  QORDlgProgress progress(&win, "Progress");
  progress.SetGridConstraints(0, 0, 1, 1, QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop);
  win.SetGridColumnResizable(0, 1);
  auto* letter = static_cast<l_QORDlgProgress*>(progress.GetLetterObject());
  ASSERT_TRUE(win.Show());
  ASSERT_TRUE(win.ResizeLayoutTo(1000, 60));
  progress.SetPos(100);
  Settle(30);
  const std::string warnings = StderrOf([&] {
    progress.SetPos(0);
    Settle(30);
  });
  EXPECT_EQ(warnings, "");
  EXPECT_LE(MotifGeo(letter->GetBar()).w, MotifGeo(XtParent(letter->GetBar())).w / 100 + 1);
}

// ---- record and replay ----

TEST_F(Values, SavedStatesTraceTheirFieldsAndComeBackOnReplay) {
  TestDialog win("TraceWin");
  QORDlgSpinner spin(&win, "Spin", QORDlgSpinReal);
  QORDlgSlider slider(&win, "Slide");
  QORDlgScrollBar bar(&win, "Bar");
  spin.SetMinMaxStep(0, 1, 0.25);
  spin.SetValue(0.5, 0);
  slider.SetCurrentValue(0.25f, 0);
  bar.SetScrollPos(42, 0);
  for (QORDialog* d : std::initializer_list<QORDialog*>{&spin, &slider, &bar})
    listen(d);
  struct Row {
    QORDialog* object;
    QORNotification* notification;
    const char* saveTrace;  // the restore prints the same lines (AsReplayed)
  } rows[] = {
      {&spin, spin.GetSpinnerModifyNotification(),
       "/RECORD/ SaveState    QORDlgSpinner        /Command Name/ Spin /Notification/ QORDlgSpinnerModifyNotification\n"
       "/RECORD/ SaveState                         _lowBound,_highBound= 0.000000,10.000000 _nbrFraction= 10.000000\n"
       "/RECORD/ SaveState                         _currentValue= 0.000000 _text=  dMin= 0.000000 dMax= 1.000000\n"
       "/RECORD/ SaveState                         _dStep= 0.250000 _dVal= 0.500000 timer= 0 update= 2\n"},
      {&spin, spin.GetSpinnerBtnUpNotification(),
       "/RECORD/ SaveState    QORDlgSpinner        /Command Name/ Spin /Notification/ QORDlgSpinnerBtnUpNotification\n"
       "/RECORD/ SaveState                         timer= 0 update= 2\n"},
      {&slider, slider.GetSliderDragNotification(),
       "/RECORD/ SaveState    QORDlgSlider         /Command Name/ Slide /Notification/ QORDlgSliderDragNotification\n"
       "/RECORD/ SaveState                         _currentValue= 0.250000\n"},
      {&bar, bar.GetScrollBarModifyNotification(),
       "/RECORD/ SaveState    QORDlgScrollBar      /Command Name/ Bar "
       "/Notification/ QORDlgScrollBarModifyNotification\n"
       "/RECORD/ SaveState                         _currentValue= 42\n"}};
  QORMarshal saved[4];
  for (size_t i = 0; i < 4; ++i)
    EXPECT_EQ(TracedAt('2', [&] { EXPECT_EQ(rows[i].object->SaveState(rows[i].notification, saved[i]), QORDlgSaved); }),
              rows[i].saveTrace);
  // Moved meanwhile: the replay puts back what was saved and says so.
  spin.SetValue(1, 0);
  slider.SetCurrentValue(0.75f, 0);
  bar.SetScrollPos(7, 0);
  for (size_t i = 0; i < 4; ++i) {
    heard.clear();
    const auto restore = [&] {
      EXPECT_EQ(rows[i].object->RestoreState(rows[i].notification, saved[i]), QORDlgRestored);
    };
    EXPECT_EQ(TracedAt('2', restore), AsReplayed(rows[i].saveTrace));
    EXPECT_TRUE(saved[i].Good() && saved[i].AtEnd());
    EXPECT_EQ(heard, Log{rows[i].object->GetName().str() + " " + rows[i].notification->IsA()});
  }
  EXPECT_EQ(spin.GetValue(), 0.5);
  EXPECT_EQ(slider.GetCurrentValue(), 0.25f);
  EXPECT_EQ(bar.GetScrollPos(), 42);
  ASSERT_TRUE(win.Show());
  Settle(100);
  EXPECT_EQ(fieldText(spin), "0.5 ");
  EXPECT_EQ(scaleValue(&slider), 0);  // 0.25 at no decimal points
  EXPECT_EQ(Resource<int>(WidgetOf(&bar), XmNvalue), 42);
}

TEST_F(Values, ARecordedSessionReplaysWithoutInputToTheSameLogAndValues) {
  const std::string file = testing::TempDir() + "control_values.rec";
  TestDialog win("SessionWin", QORDlgGridLayout);
  QORDlgSpinner spin(&win, "Spin");
  QORDlgSlider slider(&win, "Slide");
  QORDlgScrollBar bar(&win, "Bar");
  short row = 0;
  for (QORDialog* d : std::initializer_list<QORDialog*>{&spin, &slider, &bar}) {
    d->SetGridConstraints(row++, 0, 1, 1, QORDlgGridLeft | QORDlgGridTop);
    listen(d);
  }
  slider.SetRange(0, 1, 10);
  slider.SetDecimalPoint(2);
  slider.SetCurrentValue(0.5f, 0);
  ASSERT_TRUE(win.Show());
  Settle(200);

  ASSERT_TRUE(QORRecord::GetMain()->StartCapture(file.c_str()));
  Click(letterOf(spin)->GetArrow(true));
  Click(letterOf(spin)->GetArrow(true));
  Click(letterOf(spin)->GetArrow(false));
  DragFromCentre(scrollBarOf(slider), 24, 0, 4);
  Settle(100);
  const Geo g = ScreenGeo(WidgetOf(&bar));
  MoveTo(g.x + g.w - g.h / 2, g.y + g.h / 2);
  Press(true);
  Press(false);
  Settle(100);
  QORRecord::GetMain()->EndMode(1);
  const Log recorded = heard;
  const float spinValue = spin.GetCurrentValue(), slideValue = slider.GetCurrentValue();
  const int barValue = bar.GetScrollPos();
  ASSERT_GE(recorded.size(), 6u);
  EXPECT_EQ(spinValue, 1.0f);
  EXPECT_EQ(barValue, 1);

  spin.SetCurrentValue(5, 0);
  slider.SetCurrentValue(0, 0);
  bar.SetScrollPos(50, 0);
  Settle(50);
  heard.clear();
  EXPECT_EQ(ReplayAll(file), "");
  EXPECT_EQ(heard, recorded);
  EXPECT_EQ(spin.GetCurrentValue(), spinValue);
  EXPECT_EQ(slider.GetCurrentValue(), slideValue);
  EXPECT_EQ(bar.GetScrollPos(), barValue);
  Settle(100);
  EXPECT_EQ(fieldText(spin), "1.000000");
  EXPECT_EQ(scaleValue(&slider), static_cast<int>(std::lround(slideValue * 100)));
  EXPECT_EQ(Resource<int>(WidgetOf(&bar), XmNvalue), barValue);
}

}  // namespace
