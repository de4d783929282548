#include "QORDlgRadioButton.h"

#include <Xm/ToggleB.h>

#include "l_QORDlgBar.h"
#include "l_QORDlgBox.h"
#include "l_QORDlgRadioButton.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORDlgWindow.h"
#include "l_QORInteractiveApplication.h"

namespace {
}

l_QORDlgRadioButton::l_QORDlgRadioButton(l_QORDialog* f, const QORString& n, QORDlgRadioButton* a, unsigned long s)
    : l_QORDlgControl(f, n, a, s) {}


void l_QORDlgRadioButton::Build() {
  if (!built) {
    Widget parent = beginBuild();
    if (!parent) return;
    QORDlgArgs<CommonArgCount + 2> args;
    commonArgs(args, true);
    args.add(XmNindicatorType, XmONE_OF_MANY).add(XmNalignment, XmALIGNMENT_BEGINNING);
    baseWidget = XmCreateToggleButton(parent, const_cast<char*>(name.c_str()), args.data(), args.count());
    XtAddCallback(baseWidget, XmNvalueChangedCallback, selectedCB, this);
    InstallDestroyHandler();
    InstallFurtifHelpHandler(nullptr);
    InstallFocusHandler(nullptr);
    XtOverrideTranslations(baseWidget, motionTranslations());
    setLabelString(baseWidget);
    takeNaturalSize();
    pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdIcon | QORDlgUpdButtonState | QORDlgUpdPosition | QORDlgUpdVisibility;
  }
  update(0);
}

void l_QORDlgRadioButton::update(unsigned long mask) {
  const unsigned long raised = pending | mask;
  if (built && baseWidget) {
    if (raised & QORDlgUpdButtonState) XmToggleButtonSetState(baseWidget, state == QORDlgChecked ? True : False, False);
    if (raised & QORDlgUpdIcon) loadIcon(baseWidget);
    pending &= ~QORDlgUpdButtonState;
    mask &= ~QORDlgUpdButtonState;
  }
  l_QORDlgControl::update(mask);
}

// ---- state and group ----

void l_QORDlgRadioButton::deselectBrothers(int notifyIt) {
  if (!father) return;
  if (father->IsAKindOf(QORDlgCodeBox)) {
    if (auto* box = dynamic_cast<l_QORDlgBox*>(father)) box->DeselectAllBrothers(GetNumChild(), notifyIt);
  } else if (father->IsAKindOf(QORDlgCodeWindow)) {
    if (auto* window = dynamic_cast<l_QORDlgWindow*>(father)) window->DeselectAllBrothers(GetNumChild(), notifyIt);
  } else if (father->IsAKindOf(QORDlgCodeBar)) {
    if (auto* bar = dynamic_cast<l_QORDlgBar*>(father)) bar->DeselectAllBrothers(GetNumChild(), notifyIt);
  }
}

void l_QORDlgRadioButton::SetState(unsigned long s, int notifyIt) {
  if (s == state) return;
  state = s == QORDlgChecked ? QORDlgChecked : QORDlgUnchecked;
  if (state == QORDlgChecked) deselectBrothers(notifyIt);
  pending |= QORDlgUpdButtonState;
  // At once while built, so the group never shows two checked buttons;
  // before that the first update shows the state.
  if (built) update(0);
  else registerDifferUpdate();
  if (notifyIt) notify(&modifyNotification);
}

void l_QORDlgRadioButton::selectedCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgRadioButton*>(client)->exclusiveButtonSelected();
}

void l_QORDlgRadioButton::exclusiveButtonSelected() {
  if (state != QORDlgChecked) {
    SetState(QORDlgChecked, 1);
    return;
  }
  // Motif has just turned the checked indicator off: a radio button stays on.
  XmToggleButtonSetState(baseWidget, True, False);
}

void l_QORDlgRadioButton::Motion(XEvent* event) { dragStart(event); }

void l_QORDlgRadioButton::Accelerator() { SetState(state == QORDlgChecked ? QORDlgUnchecked : QORDlgChecked, 1); }

// ---- record and replay ----

void l_QORDlgRadioButton::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&modifyNotification, [this](l_QORDlgRecordIo& io) {
    io.field(state);
    io.detail("_state= %u\n", static_cast<unsigned>(state));
    if (!io.replaying()) return;
    // The group follows as SetState makes it, always with notification.
    if (state == QORDlgChecked) deselectBrothers(1);
    pending |= QORDlgUpdButtonState;
    registerDifferUpdate();
  });
  recordDragButton(cases);
  l_QORDlgControl::recordCases(cases);
}

// ---- envelope ----

QORDlgRadioButton::QORDlgRadioButton(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgRadioButton(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgRadioButton::GetLetterObject() const { return letter; }
unsigned long QORDlgRadioButton::GetState() const {
  auto* l = letterAs<l_QORDlgRadioButton>();
  return l ? l->GetState() : 0;
}
void QORDlgRadioButton::SetState(unsigned long state, int notify) {
  if (auto* l = letterAs<l_QORDlgRadioButton>()) l->SetState(state, notify);
}
QORDlgRadBModifyNotification* QORDlgRadioButton::GetRadBModifyNotification() const {
  return notificationOf(&l_QORDlgRadioButton::modifyNotification);
}
