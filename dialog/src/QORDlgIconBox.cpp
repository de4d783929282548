#include "QORDlgIconBox.h"

#include "l_QORDlgIconBox.h"

QORDlgIconBox::QORDlgIconBox(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgBox(father, name, style) {
  letter = new l_QORDlgIconBox(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgIconBox::GetLetterObject() const { return letter; }

QORDlgIconBoxSelectNotification* QORDlgIconBox::GetIBoxSelectNotification() const {
  return notificationOf(&l_QORDlgIconBox::selectNotification);
}
QORDlgIconBoxModifyNotification* QORDlgIconBox::GetIBoxModifyNotification() const {
  return notificationOf(&l_QORDlgIconBox::modifyNotification);
}
int QORDlgIconBox::GetSelect() const {
  auto* l = letterAs<l_QORDlgIconBox>();
  return l ? l->GetSelect() : 0;
}
int QORDlgIconBox::SetSelect(int index, int notify) {
  auto* l = letterAs<l_QORDlgIconBox>();
  return l ? l->SetSelect(index, notify) : 0;
}
int QORDlgIconBox::SetSelect(const QORString& childName, int notify) {
  auto* l = letterAs<l_QORDlgIconBox>();
  return l ? l->SetSelect(childName, notify) : 0;
}
void QORDlgIconBox::SetNumIconPerRow(int n) {
  if (auto* l = letterAs<l_QORDlgIconBox>()) l->SetNumIconPerRow(n);
}
int QORDlgIconBox::GetNumIconPerRow() const {
  auto* l = letterAs<l_QORDlgIconBox>();
  return l ? l->GetNumIconPerRow() : 0;
}
unsigned long QORDlgIconBox::GetLayoutDirection() const {
  auto* l = letterAs<l_QORDlgIconBox>();
  return l ? l->GetLayoutDirection() : QORDlgIconBoxVertical;
}
