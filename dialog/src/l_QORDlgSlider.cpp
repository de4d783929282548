#include "l_QORDlgSlider.h"

#include <X11/IntrinsicP.h>
#include <Xm/Scale.h>
#include <Xm/ScrollBar.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"

namespace {
double powerOfTen(int decimals) { return std::pow(10.0, decimals); }
}  // namespace

l_QORDlgSlider::l_QORDlgSlider(l_QORDialog* f, const QORString& n, QORDlgSlider* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {
  const unsigned long orientation = s & (QORDlgSliderHorizontal | QORDlgSliderVertical);
  style |= (orientation ? orientation : QORDlgSliderHorizontal) | (s & QORDlgSliderNoValue);
}

void l_QORDlgSlider::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<CommonArgCount + 2> args;
    commonArgs(args, false, false);
    args.add(XmNorientation, (style & QORDlgSliderHorizontal) ? XmHORIZONTAL : XmVERTICAL);
    args.add(XmNshowValue, (style & QORDlgSliderNoValue) ? False : True);
    baseWidget = XmCreateScale(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    XtAddCallback(baseWidget, XmNvalueChangedCallback, modifyCB, this);
    XtAddCallback(baseWidget, XmNdragCallback, dragCB, this);
    if (Widget bar = GetScrollBar()) {
      XtAddCallback(bar, XmNincrementCallback, incrementCB, this);
      XtAddCallback(bar, XmNdecrementCallback, decrementCB, this);
    }
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    InstallFocusHandler(nullptr);
    putRange();
    // A scale has no size before it is realized: it tells what it would take.
    XtWidgetGeometry preferred{};
    XtQueryGeometry(baseWidget, nullptr, &preferred);
    dx = preferred.width;
    dy = preferred.height;
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

Widget l_QORDlgSlider::GetScrollBar() const {
  if (!baseWidget) return nullptr;
  const CompositeWidget scale = reinterpret_cast<CompositeWidget>(baseWidget);
  for (Cardinal i = 0; i < scale->composite.num_children; ++i)
    if (XmIsScrollBar(scale->composite.children[i])) return scale->composite.children[i];
  return nullptr;
}

void l_QORDlgSlider::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  if (built && baseWidget) {
    if (raised & QORDlgUpdSliderRange) putRange();
    else if (raised & QORDlgUpdValue) XmScaleSetValue(baseWidget, toScale(_currentValue));
    pending &= ~(QORDlgUpdValue | QORDlgUpdSliderRange);
    mask &= ~(QORDlgUpdValue | QORDlgUpdSliderRange);
  }
  l_QORDlgControl::update(mask);
}

int l_QORDlgSlider::toScale(float value) const {
  const double scaled = std::round(static_cast<double>(value) * powerOfTen(decimalPoints));
  return static_cast<int>(std::clamp(scaled, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

float l_QORDlgSlider::fromScale(int scaleValue) const {
  // Printed at the scale's resolution and read back: the value is rounded to it.
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimalPoints, scaleValue / powerOfTen(decimalPoints));
  return std::strtof(text, nullptr);
}

void l_QORDlgSlider::putRange() {
  // A reversed range runs the other way: its minimum stays at the start.
  const bool reversed = maximum < minimum;
  const int low = toScale(std::min(minimum, maximum));
  const int high = std::max(toScale(std::max(minimum, maximum)), low + 1);
  const int multiple = std::max(1, (high - low) / std::max(1, std::abs(steps)));
  const bool horizontal = (style & QORDlgSliderHorizontal) != 0;
  unsigned char direction = horizontal ? XmMAX_ON_RIGHT : XmMAX_ON_TOP;
  if (reversed) direction = horizontal ? XmMAX_ON_LEFT : XmMAX_ON_BOTTOM;
  XtVaSetValues(baseWidget, XmNminimum, low, XmNmaximum, high, XmNvalue, std::clamp(toScale(_currentValue), low, high),
                XmNdecimalPoints, static_cast<short>(decimalPoints), XmNscaleMultiple, multiple,
                XmNprocessingDirection, direction, nullptr);
}

// ---- settings ----

void l_QORDlgSlider::SetCurrentValue(float value, int notifyIt) {
  if (value < std::min(minimum, maximum) || value > std::max(minimum, maximum)) return;
  _currentValue = value;
  pending |= QORDlgUpdValue;
  registerDifferUpdate();
  if (notifyIt) notify(&modifyNotification);
}

void l_QORDlgSlider::SetRange(float min, float max, int n) {
  if (!((max > min && n > 0) || (max < min && n < 0))) return;
  minimum = min;
  maximum = max;
  steps = n;
  // The value stays within the new range, without a word: the program moved it.
  _currentValue = std::clamp(_currentValue, std::min(min, max), std::max(min, max));
  pending |= QORDlgUpdSliderRange;
  registerDifferUpdate();
}

void l_QORDlgSlider::GetRange(float& min, float& max, int& n) const {
  min = minimum;
  max = maximum;
  n = steps;
}

void l_QORDlgSlider::SetDecimalPoint(int decimals) {
  // Beyond 9 the scale's int values could not hold a useful range.
  if (decimals < 0 || decimals > 9) return;
  decimalPoints = decimals;
  pending |= QORDlgUpdSliderRange;  // applied with the next update
}

// ---- the user ----

void l_QORDlgSlider::modifyCB(Widget, XtPointer client, XtPointer call) {
  static_cast<l_QORDlgSlider*>(client)->scaleMoved(static_cast<XmScaleCallbackStruct*>(call)->value, false);
}

void l_QORDlgSlider::dragCB(Widget, XtPointer client, XtPointer call) {
  static_cast<l_QORDlgSlider*>(client)->scaleMoved(static_cast<XmScaleCallbackStruct*>(call)->value, true);
}

void l_QORDlgSlider::incrementCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgSlider*>(client)->scaleStepped(true);
}

void l_QORDlgSlider::decrementCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgSlider*>(client)->scaleStepped(false);
}

void l_QORDlgSlider::scaleMoved(int scaleValue, bool drag) {
  _currentValue = fromScale(scaleValue);
  if (drag) notify(&dragNotification);
  else notify(&modifyNotification);
}

void l_QORDlgSlider::scaleStepped(bool up) {
  if (!baseWidget) return;
  int scaleValue = 0;
  XmScaleGetValue(baseWidget, &scaleValue);
  const float by = (maximum - minimum) / static_cast<float>(steps);
  const float next = fromScale(scaleValue) + (up ? by : -by);
  // Rounded to the scale's resolution, as a value the user moves to.
  _currentValue = fromScale(toScale(std::clamp(next, std::min(minimum, maximum), std::max(minimum, maximum))));
  // The scroll bar has moved one line already: the scale shows the step at once.
  XmScaleSetValue(baseWidget, toScale(_currentValue));
  notify(&modifyNotification);
}

// ---- record and replay ----

void l_QORDlgSlider::recordCases(l_QORDlgRecordCases& cases) {
  for (QORNotification* n : std::initializer_list<QORNotification*>{&modifyNotification, &dragNotification})
    cases.add(n, [this](l_QORDlgRecordIo& io) {
      io.field(_currentValue);
      io.detail("_currentValue= %f\n", _currentValue);
      if (!io.replaying()) return;
      pending |= QORDlgUpdValue;
      registerDifferUpdate();
    });
  l_QORDlgControl::recordCases(cases);
}
