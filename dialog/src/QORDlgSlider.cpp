// The slider's envelope: every operation forwards to l_QORDlgSlider.
#include "QORDlgSlider.h"

#include "l_QORDlgSlider.h"

QORDlgSlider::QORDlgSlider(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgSlider(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgSlider::GetLetterObject() const { return letter; }

QORDlgSliderModifyNotification* QORDlgSlider::GetSliderModifyNotification() const {
  return notificationOf(&l_QORDlgSlider::modifyNotification);
}
QORDlgSliderDragNotification* QORDlgSlider::GetSliderDragNotification() const {
  return notificationOf(&l_QORDlgSlider::dragNotification);
}

void QORDlgSlider::SetCurrentValue(float value, int notify) {
  if (auto* l = letterAs<l_QORDlgSlider>()) l->SetCurrentValue(value, notify);
}
float QORDlgSlider::GetCurrentValue() const {
  auto* l = letterAs<l_QORDlgSlider>();
  return l ? l->GetCurrentValue() : 0.0f;
}
void QORDlgSlider::SetRange(float min, float max, int steps) {
  if (auto* l = letterAs<l_QORDlgSlider>()) l->SetRange(min, max, steps);
}
void QORDlgSlider::GetRange(float& min, float& max, int& steps) const {
  if (auto* l = letterAs<l_QORDlgSlider>()) l->GetRange(min, max, steps);
}
void QORDlgSlider::SetDecimalPoint(int decimals) {
  if (auto* l = letterAs<l_QORDlgSlider>()) l->SetDecimalPoint(decimals);
}
int QORDlgSlider::GetDecimalPoint() const {
  auto* l = letterAs<l_QORDlgSlider>();
  return l ? l->GetDecimalPoint() : 0;
}
