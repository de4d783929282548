#include "QORDlgPushButton.h"

#include <Xm/PushB.h>

#include "l_QORDlgPushButton.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORInteractiveApplication.h"

namespace {
constexpr unsigned long kRepeatMs = 200;
// The button whose repeat time-out is dispatching events: it may be deleted meanwhile.
l_QORDlgPushButton* repeatingButton = nullptr;
}  // namespace

l_QORDlgPushButton::l_QORDlgPushButton(l_QORDialog* f, const QORString& n, QORDlgPushButton* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {
  style |= s & (QORDlgPushRepeat | QORDlgPushFlat);
}

l_QORDlgPushButton::~l_QORDlgPushButton() {
  if (repeatingButton == this) repeatingButton = nullptr;
  if (repeatTimer && !inRepeat) XtRemoveTimeOut(repeatTimer);
  repeatTimer = 0;
}


void l_QORDlgPushButton::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<CommonArgCount + 2> args;
    commonArgs(args, false);
    if (style & QORDlgPushFlat) args.add(XmNshadowThickness, 0).add(XmNhighlightThickness, 0);
    baseWidget = XmCreatePushButton(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    if (style & QORDlgPushRepeat) {
      XtAddCallback(baseWidget, XmNarmCallback, pressedCB, this);
      XtAddCallback(baseWidget, XmNdisarmCallback, releasedCB, this);
    } else {
      XtAddCallback(baseWidget, XmNactivateCallback, pressedCB, this);
    }
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    InstallFocusHandler(nullptr);
    // A repeating button cannot be dragged, nor can a button of an icon box.
    if (!(style & QORDlgPushRepeat) && !(father && father->IsAKindOf(QORDlgCodeIconBox)))
      XtOverrideTranslations(baseWidget, motionTranslations());
    setLabelString(baseWidget);
    takeNaturalSize();
    // Created at (0, 0): the stored position is applied by the update.
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdIcon | QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

void l_QORDlgPushButton::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  pending &= ~QORDlgUpdSubclass;
  mask &= ~QORDlgUpdSubclass;
  if (built && baseWidget && (raised & QORDlgUpdIcon)) loadIcon(baseWidget);
  l_QORDlgControl::update(mask);
}

// ---- activation and repeat ----

void l_QORDlgPushButton::pressedCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgPushButton*>(client)->pushButtonPressed();
}

void l_QORDlgPushButton::releasedCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgPushButton*>(client)->pushButtonReleased();
}

void l_QORDlgPushButton::pushButtonPressed(bool repeat) {
  pending |= QORDlgUpdSubclass;
  registerDifferUpdate();
  const bool repetitive = repeatTimer != 0;
  if (repetitive) notify(&repetitiveNotification);
  else notify(&activateNotification);
  if (!repeat || !(style & QORDlgPushRepeat) || !built) return;
  if (XtAppContext context = GetApplicationContext()) {
    repeatTimer = XtAppAddTimeOut(context, kRepeatMs, repeatTO, this);
    inRepeat = false;
  }
}

void l_QORDlgPushButton::pushButtonReleased() {
  if (repeatTimer && !inRepeat) XtRemoveTimeOut(repeatTimer);
  repeatTimer = 0;
}

void l_QORDlgPushButton::repeatTO(XtPointer client, XtIntervalId* id) {
  auto* self = static_cast<l_QORDlgPushButton*>(client);
  const XtIntervalId spent = id ? *id : self->repeatTimer;
  self->inRepeat = true;
  // A release that has already arrived must stop the repeat before it fires:
  // dispatch what is queued first.
  XtAppContext context = self->GetApplicationContext();
  l_QORDlgPushButton* outer = repeatingButton;
  repeatingButton = self;
  XEvent event;
  while (context && (XtAppPending(context) & XtIMXEvent) && repeatingButton == self) {
    XtAppNextEvent(context, &event);
    XtDispatchEvent(&event);
  }
  const bool alive = repeatingButton == self;
  repeatingButton = outer;
  if (!alive) return;  // deleted by what was dispatched
  // Released meanwhile (0), or released and pressed again (a new time-out runs).
  if (self->repeatTimer != spent) return;
  self->inRepeat = false;
  if (!self->built) {
    self->repeatTimer = 0;  // the widget went away while held
    return;
  }
  self->pushButtonPressed();
}

void l_QORDlgPushButton::Motion(XEvent* event) { dragStart(event); }

void l_QORDlgPushButton::Accelerator() {
  // A key has no release to stop a repeat: the accelerator activates once.
  pushButtonPressed(false);
}

// ---- record and replay ----

void l_QORDlgPushButton::recordCases(l_QORDlgRecordCases& cases) {
  for (QORNotification* n : std::initializer_list<QORNotification*>{&activateNotification, &repetitiveNotification})
    cases.add(n, [this](l_QORDlgRecordIo& io) {
      io.constant(0);
      if (!io.replaying()) return;
      pending |= QORDlgUpdSubclass;
      registerDifferUpdate();
    });
  recordDragButton(cases);
  l_QORDlgControl::recordCases(cases);
}

// ---- envelope ----

QORDlgPushButton::QORDlgPushButton(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgPushButton(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgPushButton::GetLetterObject() const { return letter; }

QORDlgPushBActivateNotification* QORDlgPushButton::GetPushBActivateNotification() const {
  return notificationOf(&l_QORDlgPushButton::activateNotification);
}

QORDlgPushBRepetitiveNotification* QORDlgPushButton::GetPushBRepetitiveNotification() const {
  return notificationOf(&l_QORDlgPushButton::repetitiveNotification);
}
