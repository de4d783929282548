#include "l_QORDlgScrollBar.h"

#include <X11/IntrinsicP.h>
#include <Xm/ScrollBar.h>

#include <algorithm>

#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"

namespace {
// Every way the user moves the bar but the drag ends in the modify notification.
const char* const kMoveCallbacks[] = {XmNincrementCallback,     XmNdecrementCallback, XmNpageIncrementCallback,
                                      XmNpageDecrementCallback, XmNtoTopCallback,     XmNtoBottomCallback,
                                      XmNvalueChangedCallback};
}  // namespace

l_QORDlgScrollBar::l_QORDlgScrollBar(l_QORDialog* f, const QORString& n, QORDlgScrollBar* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {
  const unsigned long orientation = s & (QORDlgScrollHorizontal | QORDlgScrollVertical);
  style |= orientation ? orientation : QORDlgScrollHorizontal;
}

void l_QORDlgScrollBar::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<CommonArgCount + 1> args;
    commonArgs(args, false, false);
    args.add(XmNorientation, (style & QORDlgScrollHorizontal) ? XmHORIZONTAL : XmVERTICAL);
    baseWidget = XmCreateScrollBar(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    for (const char* callback : kMoveCallbacks) XtAddCallback(baseWidget, callback, movedCB, this);
    XtAddCallback(baseWidget, XmNdragCallback, dragCB, this);
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    InstallFocusHandler(nullptr);
    putValues();
    XtWidgetGeometry preferred{};
    XtQueryGeometry(baseWidget, nullptr, &preferred);
    dx = preferred.width + 4;
    dy = preferred.height + 4;
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

void l_QORDlgScrollBar::update(unsigned long mask) {
  if (built && baseWidget && ((pending | mask) & QORDlgUpdValue)) putValues();
  pending &= ~QORDlgUpdValue;
  l_QORDlgControl::update(mask & ~QORDlgUpdValue);
}

void l_QORDlgScrollBar::putValues() {
  // Motif refuses a box larger than the range and a position past max - box:
  // it is shown as near as it can be, and the members keep what was set.
  const int low = std::min(minimum, maximum);
  const int high = std::max(std::max(minimum, maximum), low + 1);
  const int box = std::clamp(boxSize, 1, high - low);
  const int value = std::clamp(position, low, high - box);
  XtVaSetValues(baseWidget, XmNminimum, low, XmNmaximum, high, XmNsliderSize, box, XmNvalue, value,
                XmNpageIncrement, box, nullptr);
}

// ---- settings ----

int l_QORDlgScrollBar::SetScrollPos(int pos, int notifyIt) {
  const int before = position;
  if (pos < minimum || pos > maximum) return before;
  position = pos;
  pending |= QORDlgUpdValue;
  registerDifferUpdate();
  if (notifyIt) notify(&modifyNotification);
  return before;
}

void l_QORDlgScrollBar::SetScrollRange(int min, int max) {
  minimum = min;
  maximum = max;
  pending |= QORDlgUpdValue;
  registerDifferUpdate();
}

void l_QORDlgScrollBar::GetScrollRange(int& min, int& max) const {
  min = minimum;
  max = maximum;
}

// ---- the user ----

void l_QORDlgScrollBar::movedCB(Widget, XtPointer client, XtPointer call) {
  auto* self = static_cast<l_QORDlgScrollBar*>(client);
  self->position = static_cast<XmScrollBarCallbackStruct*>(call)->value;
  self->notify(&self->modifyNotification);
}

void l_QORDlgScrollBar::dragCB(Widget, XtPointer client, XtPointer call) {
  auto* self = static_cast<l_QORDlgScrollBar*>(client);
  self->position = static_cast<XmScrollBarCallbackStruct*>(call)->value;
  self->notify(&self->dragNotification);
}

// ---- record and replay ----

void l_QORDlgScrollBar::recordCases(l_QORDlgRecordCases& cases) {
  for (QORNotification* n : std::initializer_list<QORNotification*>{&modifyNotification, &dragNotification})
    cases.add(n, [this](l_QORDlgRecordIo& io) {
      io.field(position);
      io.detail("_currentValue= %d\n", position);
      if (!io.replaying()) return;
      pending |= QORDlgUpdValue;
      registerDifferUpdate();
    });
  l_QORDlgControl::recordCases(cases);
}
