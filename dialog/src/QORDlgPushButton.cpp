#include "QORDlgPushButton.h"

#include <Xm/PushB.h>

#include <cstring>

#include "QORMarshal.h"
#include "l_QORDlgPushButton.h"
#include "l_QORDlgRecordTrace.h"
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

int l_QORDlgPushButton::SaveState(QORNotification* n, QORMarshal& m) {
  if (!n) return 1;
  const char* cls = n->IsA();
  if (std::strcmp(cls, activateNotification.IsA()) == 0 || std::strcmp(cls, repetitiveNotification.IsA()) == 0) {
    m << 0;
    l_QORDlgRecordTrace::Header(false, GetClassName(), name.c_str(), cls);
    return 0;
  }
  if (std::strcmp(cls, dragButtonNotification.IsA()) == 0) return 0;  // nothing to save
  return l_QORDlgControl::SaveState(n, m);
}

int l_QORDlgPushButton::RestoreState(QORNotification* n, QORMarshal& m) {
  if (!n) return 4;
  const char* cls = n->IsA();
  QORNotification* own = nullptr;
  if (std::strcmp(cls, activateNotification.IsA()) == 0) own = &activateNotification;
  else if (std::strcmp(cls, repetitiveNotification.IsA()) == 0) own = &repetitiveNotification;
  if (own) {
    if (!api) return 0;
    int unused = 0;
    m >> unused;
    l_QORDlgRecordTrace::Header(true, GetClassName(), name.c_str(), cls);
    pending |= QORDlgUpdSubclass;
    registerDifferUpdate();
    notify(own);
    return 0;
  }
  if (restoreDragButton(n)) return 0;
  return l_QORDlgControl::RestoreState(n, m);
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
