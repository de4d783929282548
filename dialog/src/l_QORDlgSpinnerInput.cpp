// The spinner's widgets and the user's input: the field and its keystroke
// check, the commit of what was typed, the arrows and their repeat.
#include <X11/IntrinsicP.h>
#include <Xm/ArrowB.h>
#include <Xm/Form.h>
#include <Xm/Text.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "QORDlgVerifyText.h"
#include "l_QORDlgSpinner.h"
#include "l_QORInteractiveApplication.h"

namespace {
constexpr unsigned long kRepeatMs = 200;
// The spinner whose repeat time-out is dispatching events: it may be deleted meanwhile.
l_QORDlgSpinner* repeatingSpinner = nullptr;

// One arrow step of `value` by `by` within [low, high]; false at the bound.
// Steps that add up to the bound reach it despite rounding (ten steps of
// 0.1f end on 1.0f), and never pass it.
template <typename T>
bool stepWithin(T& value, T by, T low, T high) {
  if (by == 0) return false;
  const T next = value + by;
  const T slack = std::abs(by) * static_cast<T>(1e-4);
  if (next > high + slack || next < low - slack) return false;
  value = std::clamp(next, low, high);
  return true;
}

}  // namespace

l_QORDlgSpinner::~l_QORDlgSpinner() {
  if (repeatingSpinner == this) repeatingSpinner = nullptr;
  if (repeatTimer && !inRepeat) XtRemoveTimeOut(repeatTimer);
  repeatTimer = 0;
}

// ---- widgets ----

void l_QORDlgSpinner::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<CommonArgCount> formArgs;
    commonArgs(formArgs, false, false);
    const QORString formName = name + "Form";
    baseWidget = XmCreateForm(parent, const_cast<char*>(formName.c_str()), formArgs.data(), formArgs.count());
    QORDlgArgs<CommonArgCount + 7> args;
    commonArgs(args, false, false);
    // A single-line text rather than a text field: its process-return action
    // also presses the dialog's default button, as Return does in a dialog.
    args.add(XmNeditMode, XmSINGLE_LINE_EDIT).add(XmNcolumns, columns);
    args.add(XmNeditable, (style & QORDlgSpinEditable) ? True : False);
    args.add(XmNtopAttachment, XmATTACH_FORM).add(XmNbottomAttachment, XmATTACH_FORM);
    args.add(XmNleftAttachment, XmATTACH_FORM);
    field = XmCreateText(baseWidget, const_cast<char*>(name.c_str()), args.data(), args.count());
    XtManageChild(field);
    createArrows(baseWidget, field->core.height);
    XtAddCallback(field, XmNactivateCallback, activateCB, this);
    XtAddCallback(field, XmNlosingFocusCallback, activateCB, this);
    XtAddCallback(field, XmNmodifyVerifyCallback, verifyCB, this);
    if (style & QORDlgSpinEditable) {
      static XtTranslations keys = XtParseTranslationTable(
          ":~Shift~Ctrl~Meta~Alt<Key>osfInsert: toggle-overstrike()\n"
          ":~Shift~Ctrl~Meta~Alt<Key>osfActivate: process-return()");
      XtOverrideTranslations(field, keys);
    }
    InstallDestroyHandler();
    InstallFurtifHelpHandler(field);
    InstallFocusHandler(field);
    // The form has no size before it is realized: the field and an arrow have theirs.
    dx = field->core.width + upArrow->core.width;
    dy = field->core.height;
    pending =
        (pending & ~QORDlgUpdTitle) | QORDlgUpdValue | QORDlgUpdSpinArrows | QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

void l_QORDlgSpinner::createArrows(Widget form, int height) {
  // Two arrows stacked at the right end, each half the field's height.
  const Dimension width = static_cast<Dimension>(std::max(11, height * 2 / 3));
  const struct {
    const char* suffix;
    unsigned char direction;
    Widget* widget;
  } arrows[] = {{"Up", XmARROW_UP, &upArrow}, {"Dn", XmARROW_DOWN, &downArrow}};
  for (const auto& a : arrows) {
    QORDlgArgs<CommonArgCount + 10> args;
    commonArgs(args, false, false);
    args.add(XmNarrowDirection, a.direction).add(XmNshadowThickness, 1).add(XmNhighlightThickness, 0);
    // The focus stays in the field while the arrows are used.
    args.add(XmNtraversalOn, False).add(XmNwidth, width).add(XmNrightAttachment, XmATTACH_FORM);
    const bool up = a.direction == XmARROW_UP;
    args.add(up ? XmNtopAttachment : XmNbottomAttachment, XmATTACH_FORM);
    args.add(up ? XmNbottomAttachment : XmNtopAttachment, XmATTACH_POSITION);
    args.add(up ? XmNbottomPosition : XmNtopPosition, 50);
    const QORString arrowName = name + a.suffix;
    *a.widget = XmCreateArrowButton(form, const_cast<char*>(arrowName.c_str()), args.data(), args.count());
    XtAddCallback(*a.widget, XmNarmCallback, armCB, this);
    XtAddCallback(*a.widget, XmNdisarmCallback, disarmCB, this);
    XtManageChild(*a.widget);
  }
  XtVaSetValues(field, XmNrightAttachment, XmATTACH_WIDGET, XmNrightWidget, upArrow, nullptr);
}

void l_QORDlgSpinner::update(unsigned long mask) {
  unsigned long raised = pending | mask;
  // A control with a magnitude shows its value in the application's current
  // unit: a new one there redraws the field.
  if (magnitude != QORDlgControl::NoMagnitude)
    if (l_QORInteractiveApplication* app = GetApplication()) {
      const QORDlgControl::QORDlgUnit current = app->GetMagnitudeCurrentUnit(magnitude);
      if (current != unit) raised |= QORDlgUpdValue;
      unit = current;
    }
  if (built && field) {
    const bool mixed = (style & QORDlgSensitiveMixed) != 0;
    if (raised & QORDlgUpdSensitivity) {
      const bool sensitive = !(style & QORDlgInsensitive) && (!father || father->IsGloballySensitive());
      XtSetSensitive(baseWidget, sensitive ? True : False);
      raised |= QORDlgUpdValue;
    }
    if (raised & QORDlgUpdSpinColumns) XtVaSetValues(field, XmNcolumns, columns, nullptr);
    // Mixed: the field is empty, the value kept.
    if (raised & (QORDlgUpdValue | QORDlgUpdSpinText)) putField(mixed ? QORUnicodeString() : shownText());
    if (raised & QORDlgUpdSpinArrows) putArrowSensitivity();
    const unsigned long mine =
        QORDlgUpdSensitivity | QORDlgUpdValue | QORDlgUpdSpinText | QORDlgUpdSpinArrows | QORDlgUpdSpinColumns;
    pending &= ~mine;
    mask &= ~mine;
  }
  l_QORDlgControl::update(mask);
}

void l_QORDlgSpinner::widgetDestroyed() {
  arrowReleased();
  field = upArrow = downArrow = nullptr;
  l_QORDlgControl::widgetDestroyed();
}

QORUnicodeString l_QORDlgSpinner::shownText() const {
  if (textMode()) return _text;
  if (realMode()) return QORUnicodeString(WriteStringValue(_dVal, unit, GetDisplayFormat()));
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<double>(_currentValue));
  return QORUnicodeString(buffer);
}

void l_QORDlgSpinner::putField(const QORUnicodeString& text) {
  typed = text;
  modified = false;
  if (!field) return;
  puttingField = true;
  // The shared entry converts to the locale's form and fits the face to the text.
  face.show(field, text, false);
  puttingField = false;
}

void l_QORDlgSpinner::putArrowSensitivity() {
  XtSetSensitive(upArrow, upSensitivity == QORDlgSensitive ? True : False);
  XtSetSensitive(downArrow, downSensitivity == QORDlgSensitive ? True : False);
}

// ---- typing ----

void l_QORDlgSpinner::verifyCB(Widget, XtPointer client, XtPointer call) {
  auto* self = static_cast<l_QORDlgSpinner*>(client);
  auto* verify = static_cast<XmTextVerifyCallbackStruct*>(call);
  if (self->puttingField || !verify) return;
  const QORUnicodeString next = QORDlgVerifiedText(self->typed, verify);
  double value = 0;
  // Partial input ("-", "1e", "12 m" for millimetres) passes: it may become valid.
  if (self->realMode() && !IsDouble(next.c_str(), &value, self->unit)) {
    verify->doit = False;
    return;
  }
  self->typed = next;
  self->modified = true;
}

void l_QORDlgSpinner::activateCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgSpinner*>(client)->spinnerActivate();
}

void l_QORDlgSpinner::spinnerActivate() {
  // An untouched field shows the value: reading it back would only round it.
  if (!modified) return;
  if (realMode()) commitReal();
  else commitNumber();
}

void l_QORDlgSpinner::bell() {
  if (Display* display = GetApplicationDisplay()) XBell(display, 0);
}

void l_QORDlgSpinner::commitReal() {
  double value = 0;
  if (!IsDouble(typed.c_str(), &value, unit)) value = 0;
  if (value < dMin || value > dMax) {
    bell();
    value = std::clamp(value, dMin, dMax);
  }
  const double before = _dVal;
  SetValue(value, value != before);
}

void l_QORDlgSpinner::commitNumber() {
  const QORUnicodeString text = typed;
  // No physical value is infinite or not a number: those read as 0 in text
  // mode and are out of range in float mode. A larger number is the largest float.
  double read = std::atof(text.c_str());
  const bool finite = std::isfinite(read);
  if (!finite) read = 0;
  const float number =
      static_cast<float>(std::clamp(read, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
  if (!textMode() && (!finite || read < _lowBound || read > _highBound)) {
    bell();
    putField(shownText());
    return;
  }
  const bool textChanged = text != _text;
  _text = text;
  const bool valueChanged = number != _currentValue;
  _currentValue = number;
  // The field shows the value in its format again.
  changed(textMode() ? QORDlgUpdSpinText : QORDlgUpdValue);
  if (textMode() ? !textChanged : !valueChanged) return;
  timer = 0;
  updateKind = textMode() ? TextChange : FloatChange;
  notify(&modifyNotification);
}

// ---- arrows and repeat ----

void l_QORDlgSpinner::armCB(Widget w, XtPointer client, XtPointer) {
  auto* self = static_cast<l_QORDlgSpinner*>(client);
  self->arrowPressed(w == self->upArrow);
}

void l_QORDlgSpinner::disarmCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgSpinner*>(client)->arrowReleased();
}

void l_QORDlgSpinner::arrowPressed(bool up) {
  spinnerActivate();  // what was typed counts before the step
  if (textMode()) {
    timer = 1;
    updateKind = ArrowInTextMode;
    if (up) notify(&btnUpNotification);
    else notify(&btnDownNotification);
    armRepeat(up);
    return;
  }
  // At the bound nothing happens, and the repeat stops.
  if (!step(up)) return;
  notify(&modifyNotification);
  armRepeat(up);
}

bool l_QORDlgSpinner::step(bool up) {
  if (realMode()) {
    if (!stepWithin(_dVal, up ? dStep : -dStep, dMin, dMax)) return false;
    updateKind = RealChange;
  } else {
    const float by = (_highBound - _lowBound) / _nbrFraction;
    if (!stepWithin(_currentValue, up ? by : -by, _lowBound, _highBound)) return false;
    updateKind = FloatChange;
  }
  timer = 0;
  changed(QORDlgUpdValue);
  return true;
}

void l_QORDlgSpinner::armRepeat(bool up) {
  XtAppContext context = GetApplicationContext();
  if (!built || !context) return;
  if (repeatTimer && !inRepeat) XtRemoveTimeOut(repeatTimer);
  repeatUp = up;
  repeatTimer = XtAppAddTimeOut(context, kRepeatMs, repeatTO, this);
  inRepeat = false;
}

void l_QORDlgSpinner::arrowReleased() {
  if (repeatTimer && !inRepeat) XtRemoveTimeOut(repeatTimer);
  repeatTimer = 0;
}

void l_QORDlgSpinner::repeatTO(XtPointer client, XtIntervalId* id) {
  auto* self = static_cast<l_QORDlgSpinner*>(client);
  const XtIntervalId spent = id ? *id : self->repeatTimer;
  self->inRepeat = true;
  // A release that has already arrived must stop the repeat before it
  // fires: dispatch what is queued first.
  XtAppContext context = self->GetApplicationContext();
  l_QORDlgSpinner* outer = repeatingSpinner;
  repeatingSpinner = self;
  XEvent event;
  while (context && (XtAppPending(context) & XtIMXEvent) && repeatingSpinner == self) {
    XtAppNextEvent(context, &event);
    XtDispatchEvent(&event);
  }
  const bool alive = repeatingSpinner == self;
  repeatingSpinner = outer;
  if (!alive) return;  // deleted by what was dispatched
  self->inRepeat = false;
  // Released meanwhile (0), or released and pressed again (a new time-out runs).
  if (self->repeatTimer != spent) return;
  self->repeatTimer = 0;  // spent: the press arms the next one, unless at the bound
  if (self->built && self->field) self->arrowPressed(self->repeatUp);
}
