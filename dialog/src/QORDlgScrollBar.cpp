// The scroll bar's envelope: every operation forwards to l_QORDlgScrollBar.
#include "QORDlgScrollBar.h"

#include "l_QORDlgScrollBar.h"

QORDlgScrollBar::QORDlgScrollBar(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgScrollBar(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgScrollBar::GetLetterObject() const { return letter; }

QORDlgScrollBarModifyNotification* QORDlgScrollBar::GetScrollBarModifyNotification() const {
  return notificationOf(&l_QORDlgScrollBar::modifyNotification);
}
QORDlgScrollBarDragNotification* QORDlgScrollBar::GetScrollBarDragNotification() const {
  return notificationOf(&l_QORDlgScrollBar::dragNotification);
}

int QORDlgScrollBar::SetScrollPos(int pos, int notify) {
  auto* l = letterAs<l_QORDlgScrollBar>();
  return l ? l->SetScrollPos(pos, notify) : 0;
}
int QORDlgScrollBar::GetScrollPos() const {
  auto* l = letterAs<l_QORDlgScrollBar>();
  return l ? l->GetScrollPos() : 0;
}
void QORDlgScrollBar::SetScrollRange(int min, int max) {
  if (auto* l = letterAs<l_QORDlgScrollBar>()) l->SetScrollRange(min, max);
}
void QORDlgScrollBar::GetScrollRange(int& min, int& max) const {
  if (auto* l = letterAs<l_QORDlgScrollBar>()) l->GetScrollRange(min, max);
}
void QORDlgScrollBar::SetScrollBoxSize(int size) {
  if (auto* l = letterAs<l_QORDlgScrollBar>()) l->SetScrollBoxSize(size);
}
int QORDlgScrollBar::GetScrollBoxSize() const {
  auto* l = letterAs<l_QORDlgScrollBar>();
  return l ? l->GetScrollBoxSize() : 0;
}
