#include "QORDlgCheckButton.h"

#include <Xm/ToggleBP.h>

#include "l_QORDlgCheckButton.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORInteractiveApplication.h"

namespace {
constexpr unsigned long kSensitivityBits = QORDlgSensitive | QORDlgInsensitive | QORDlgSensitiveMixed;

Time eventTime(const XEvent* e) {
  switch (e->type) {
    case ButtonPress:
    case ButtonRelease: return e->xbutton.time;
    case KeyPress:
    case KeyRelease: return e->xkey.time;
    case MotionNotify: return e->xmotion.time;
    case EnterNotify:
    case LeaveNotify: return e->xcrossing.time;
    default: return 0;
  }
}
}  // namespace

l_QORDlgCheckButton::l_QORDlgCheckButton(l_QORDialog* f, const QORString& n, QORDlgCheckButton* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {
  // The base keeps one sensitivity bit; the mixed one is this class's.
  if ((s & kSensitivityBits) == QORDlgSensitiveMixed) {
    style = (style & ~kSensitivityBits) | QORDlgSensitiveMixed;
    pending |= QORDlgUpdSensitivity;
  }
}


void l_QORDlgCheckButton::changed() {
  pending |= QORDlgUpdButtonState;
  registerDifferUpdate();
}

void l_QORDlgCheckButton::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    lastClick = 0;
    QORDlgArgs<CommonArgCount + 3> args;
    commonArgs(args, true);
    args.add(XmNfillOnArm, True).add(XmNindicatorType, XmN_OF_MANY).add(XmNalignment, XmALIGNMENT_BEGINNING);
    baseWidget = XmCreateToggleButton(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    XtAddCallback(baseWidget, XmNvalueChangedCallback, selectedCB, this);
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    InstallFocusHandler(nullptr);
    XtOverrideTranslations(baseWidget, motionTranslations());
    // As Motif resolved it, read from the widget record (XtGetValues costs more).
    selectColor = reinterpret_cast<XmToggleButtonWidget>(baseWidget)->toggle.select_color;
    setLabelString(baseWidget);
    takeNaturalSize();
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdIcon | QORDlgUpdButtonState | QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

void l_QORDlgCheckButton::SetSensitivity(unsigned long s) {
  if (s != QORDlgSensitive && s != QORDlgInsensitive && s != QORDlgSensitiveMixed) return;
  style = (style & ~kSensitivityBits) | s;
  pending |= QORDlgUpdSensitivity;
  registerDifferUpdate();
}

void l_QORDlgCheckButton::update(unsigned long mask) {
  unsigned long raised = pending | mask;
  if (built && baseWidget) {
    if (raised & QORDlgUpdSensitivity) {
      raised |= QORDlgUpdButtonState;
      Pixel select = selectColor;
      const bool sensitive = !(style & QORDlgInsensitive) && (!father || father->IsGloballySensitive());
      const bool hasIcon = GetIconName(0) && !GetIconName(0)->IsEmpty();
      if (sensitive && !hasIcon && (style & QORDlgSensitiveMixed)) {
        // Mixed: shown set in the shadow colour, the real state hidden.
        XmToggleButtonSetState(baseWidget, True, False);
        XtVaGetValues(baseWidget, XmNbottomShadowColor, &select, nullptr);
        raised &= ~QORDlgUpdButtonState;
      }
      XtSetSensitive(baseWidget, sensitive ? True : False);
      XtVaSetValues(baseWidget, XmNselectColor, select, nullptr);
    }
    if (raised & QORDlgUpdButtonState) {
      const Boolean set = state == QORDlgChecked ? True : False;
      XmToggleButtonSetState(baseWidget, set, False);
      if (father && father->IsAKindOf(QORDlgCodeIconBox))
        if (Widget toggle = father->GetBaseWidget(1)) XmToggleButtonSetState(toggle, set, False);
    }
    if (raised & QORDlgUpdIcon) loadIcon(baseWidget);
    // Applied here: the common update would make a mixed button insensitive.
    const unsigned long mine = QORDlgUpdSensitivity | QORDlgUpdButtonState;
    pending &= ~mine;
    mask &= ~mine;
  }
  l_QORDlgControl::update(mask);
}

// ---- state ----

void l_QORDlgCheckButton::SetState(unsigned long s, int notifyIt) {
  if (s == state) return;
  state = s == QORDlgChecked ? QORDlgChecked : QORDlgUnchecked;
  changed();
  if (notifyIt) notify(&modifyNotification);
}

void l_QORDlgCheckButton::selectedCB(Widget, XtPointer client, XtPointer call) {
  auto* cbs = static_cast<XmToggleButtonCallbackStruct*>(call);
  static_cast<l_QORDlgCheckButton*>(client)->checkButtonSelected(cbs ? cbs->event : nullptr);
}

void l_QORDlgCheckButton::checkButtonSelected(XEvent* event) {
  Display* display = GetApplicationDisplay();
  unsigned int now = event ? static_cast<unsigned int>(eventTime(event)) : 0;
  if (!event || now == 0) now = display ? static_cast<unsigned int>(XtLastTimestampProcessed(display)) : 0;
  const unsigned int previous = lastClick;
  lastClick = now;
  const unsigned int multiClick = display ? static_cast<unsigned int>(XtGetMultiClickTime(display)) : 200;
  if (now - previous >= multiClick) {
    state = XmToggleButtonGetState(baseWidget) ? QORDlgChecked : QORDlgUnchecked;
    changed();
    notify(&modifyNotification);
    return;
  }
  // A double click leaves the toggle as the first click made it.
  XmToggleButtonSetState(baseWidget, state == QORDlgChecked ? True : False, False);
  notify(&doubleClickNotification);
}

void l_QORDlgCheckButton::Motion(XEvent* event) { dragStart(event); }

void l_QORDlgCheckButton::Accelerator() {
  SetState(state == QORDlgChecked ? QORDlgUnchecked : QORDlgChecked, 1);
}

// ---- record and replay ----

void l_QORDlgCheckButton::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&modifyNotification, [this](l_QORDlgRecordIo& io) {
    io.field(state);  // as recorded: the replay shows exactly what was saved
    io.detail("state= %u\n", static_cast<unsigned>(state));
    if (io.replaying()) changed();
  });
  cases.add(&doubleClickNotification, [](l_QORDlgRecordIo& io) { io.constant(0); });
  // A push button recorded where the dialog now has this check button checks it.
  cases.add(QORDlgPushBActivateNotification::ClassName(), &modifyNotification, [this](l_QORDlgRecordIo& io) {
    io.constant(0);
    state = QORDlgChecked;
    changed();
  }).onlyReplayed().traceAs("QORDlgCheckButton(Pu)");
  recordDragButton(cases);
  l_QORDlgControl::recordCases(cases);
}

// ---- envelope ----

QORDlgCheckButton::QORDlgCheckButton(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgCheckButton(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgCheckButton::GetLetterObject() const { return letter; }
unsigned long QORDlgCheckButton::GetState() const {
  auto* l = letterAs<l_QORDlgCheckButton>();
  return l ? l->GetState() : QORDlgUnchecked;
}
void QORDlgCheckButton::SetState(unsigned long state, int notify) {
  if (auto* l = letterAs<l_QORDlgCheckButton>()) l->SetState(state, notify);
}
QORDlgChkBModifyNotification* QORDlgCheckButton::GetChkBModifyNotification() const {
  return notificationOf(&l_QORDlgCheckButton::modifyNotification);
}
QORDlgChkBDoubleClickNotification* QORDlgCheckButton::GetChkBDoubleClickNotification() const {
  return notificationOf(&l_QORDlgCheckButton::doubleClickNotification);
}
