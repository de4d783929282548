#include "QORDlgRadioItem.h"

#include <Xm/ToggleB.h>

#include "l_QORDlgMenu.h"
#include "l_QORDlgRadioItem.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"

l_QORDlgRadioItem::l_QORDlgRadioItem(l_QORDialog* f, const QORString& n, QORDlgRadioItem* a, unsigned long s)
    : l_QORDlgMenuItem(f, n, a, s) {}

void l_QORDlgRadioItem::Build() {
  if (built) return;
  if (!createToggle(XmONE_OF_MANY, valueChangedCB)) return;
  update(0);
}

void l_QORDlgRadioItem::update(unsigned long mask) {
  if (mask & QORDlgUpdItemState) pending |= QORDlgUpdItemState;
  applyToggle(state);
  l_QORDlgMenuItem::update(mask & ~QORDlgUpdItemState);
}

void l_QORDlgRadioItem::deselectBrothers(int notifyIt) {
  if (auto* menu = dynamic_cast<l_QORDlgMenu*>(father)) menu->DeselectAllBrothers(GetNumChild(), notifyIt);
}

void l_QORDlgRadioItem::SetState(unsigned long s, int notifyIt) {
  if (s == state) return;
  if (s == QORDlgChecked) deselectBrothers(notifyIt);
  state = s == QORDlgChecked ? QORDlgChecked : QORDlgUnchecked;
  stateChanged();
  if (notifyIt) sendInBracket(&modifyNotification);
}

void l_QORDlgRadioItem::select() {
  deselectBrothers(1);
  SetState(QORDlgChecked, 1);
}

void l_QORDlgRadioItem::valueChangedCB(Widget, XtPointer client, XtPointer) {
  // The toggle was made by the item base, with its pointer.
  static_cast<l_QORDlgRadioItem*>(static_cast<l_QORDlgMenuItem*>(client))->motifActivate();
}

void l_QORDlgRadioItem::motifActivate() {
  if (state != QORDlgChecked) return SetState(QORDlgChecked, 1);
  // A radio item is unchecked only by checking another.
  if (baseWidget) XmToggleButtonSetState(baseWidget, True, False);
}

void l_QORDlgRadioItem::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&modifyNotification, [this](l_QORDlgRecordIo& io) {
         io.field(state);
         io.detail("_state= %u\n", static_cast<unsigned>(state));
         if (!io.replaying()) return;
         if (state == QORDlgChecked) deselectBrothers(1);
         stateChanged();
       })
      .onReplay([this] { sendInBracket(&modifyNotification); });
  l_QORDlgMenuItem::recordCases(cases);
}

// ---- envelope ----

QORDlgRadioItem::QORDlgRadioItem(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgMenuItem(father, name, style) {
  letter = new l_QORDlgRadioItem(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgRadioItem::GetLetterObject() const { return letter; }

unsigned long QORDlgRadioItem::GetState() const {
  auto* l = letterAs<l_QORDlgRadioItem>();
  return l ? l->GetState() : QORDlgUnchecked;
}

void QORDlgRadioItem::SetState(unsigned long state, int notify) {
  if (auto* l = letterAs<l_QORDlgRadioItem>()) l->SetState(state, notify);
}

QORDlgRadIModifyNotification* QORDlgRadioItem::GetRadIModifyNotification() const {
  return notificationOf(&l_QORDlgRadioItem::modifyNotification);
}
