#include "QORDlgCheckItem.h"

#include <Xm/ToggleB.h>

#include "l_QORDlgCheckItem.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"

l_QORDlgCheckItem::l_QORDlgCheckItem(l_QORDialog* f, const QORString& n, QORDlgCheckItem* a, unsigned long s)
    : l_QORDlgMenuItem(f, n, a, s) {}

void l_QORDlgCheckItem::Build() {
  if (built) return;
  if (!createToggle(XmN_OF_MANY, valueChangedCB)) return;
  pending |= QORDlgUpdIcon;
  update(0);
}

void l_QORDlgCheckItem::update(unsigned long mask) {
  if (built && baseWidget && ((pending | mask) & QORDlgUpdIcon)) {
    loadIcon(baseWidget);
    if (GetIconName(0) && !GetIconName(0)->IsEmpty()) XtVaSetValues(baseWidget, XmNlabelType, XmPIXMAP_AND_STRING, nullptr);
  }
  if (mask & QORDlgUpdItemState) pending |= QORDlgUpdItemState;
  applyToggle(state);
  l_QORDlgMenuItem::update(mask & ~QORDlgUpdItemState);
}

void l_QORDlgCheckItem::SetState(unsigned long s, int notifyIt) {
  if (s == state) return;
  state = s == QORDlgChecked ? QORDlgChecked : QORDlgUnchecked;
  stateChanged();
  if (notifyIt) sendInBracket(&modifyNotification);
}

void l_QORDlgCheckItem::valueChangedCB(Widget, XtPointer client, XtPointer) {
  // The toggle was made by the item base, with its pointer.
  static_cast<l_QORDlgCheckItem*>(static_cast<l_QORDlgMenuItem*>(client))->menuCheckSelected();
}

void l_QORDlgCheckItem::menuCheckSelected() {
  state = XmToggleButtonGetState(baseWidget) ? QORDlgChecked : QORDlgUnchecked;
  stateChanged();
  sendInBracket(&modifyNotification);
}

void l_QORDlgCheckItem::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&modifyNotification, [this](l_QORDlgRecordIo& io) {
         io.field(state);
         io.detail("state= %u\n", static_cast<unsigned>(state));
         if (io.replaying()) stateChanged();
       })
      .onReplay([this] { sendInBracket(&modifyNotification); });
  l_QORDlgMenuItem::recordCases(cases);
}

// ---- envelope ----

QORDlgCheckItem::QORDlgCheckItem(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgMenuItem(father, name, style) {
  letter = new l_QORDlgCheckItem(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgCheckItem::GetLetterObject() const { return letter; }

unsigned long QORDlgCheckItem::GetState() const {
  auto* l = letterAs<l_QORDlgCheckItem>();
  return l ? l->GetState() : QORDlgUnchecked;
}

void QORDlgCheckItem::SetState(unsigned long state, int notify) {
  if (auto* l = letterAs<l_QORDlgCheckItem>()) l->SetState(state, notify);
}

QORDlgChkIModifyNotification* QORDlgCheckItem::GetChkIModifyNotification() const {
  return notificationOf(&l_QORDlgCheckItem::modifyNotification);
}
