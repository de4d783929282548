// The spinner's envelope: every operation forwards to l_QORDlgSpinner.
#include "QORDlgSpinner.h"

#include "l_QORDlgSpinner.h"

QORDlgSpinner::QORDlgSpinner(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgSpinner(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgSpinner::GetLetterObject() const { return letter; }

QORDlgSpinnerModifyNotification* QORDlgSpinner::GetSpinnerModifyNotification() const {
  return notificationOf(&l_QORDlgSpinner::modifyNotification);
}
QORDlgSpinnerBtnUpNotification* QORDlgSpinner::GetSpinnerBtnUpNotification() const {
  return notificationOf(&l_QORDlgSpinner::btnUpNotification);
}
QORDlgSpinnerBtnDownNotification* QORDlgSpinner::GetSpinnerBtnDownNotification() const {
  return notificationOf(&l_QORDlgSpinner::btnDownNotification);
}

// ---- float mode ----

void QORDlgSpinner::SetRange(float low, float high, float nbrFraction) {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->SetRange(low, high, nbrFraction);
}
void QORDlgSpinner::GetRange(float& low, float& high, float& nbrFraction) const {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->GetRange(low, high, nbrFraction);
}
void QORDlgSpinner::SetRange(float low, float high, int nbrFraction) {
  SetRange(low, high, static_cast<float>(nbrFraction));
}
void QORDlgSpinner::GetRange(float& low, float& high, int& nbrFraction) const {
  float fraction = 0;
  GetRange(low, high, fraction);
  nbrFraction = static_cast<int>(fraction + 0.5f);
}
void QORDlgSpinner::SetCurrentValue(float value, int notify) {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->SetCurrentValue(value, notify);
}
float QORDlgSpinner::GetCurrentValue() const {
  auto* l = letterAs<l_QORDlgSpinner>();
  return l ? l->GetCurrentValue() : 0.0f;
}
void QORDlgSpinner::SetFormat(char* format) {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->SetFormat(format);
}
const char* QORDlgSpinner::GetFormat() const {
  auto* l = letterAs<l_QORDlgSpinner>();
  return l ? l->GetFormat() : nullptr;
}

// ---- text mode ----

void QORDlgSpinner::SetCurrentText(const QORUnicodeString& text, int notify) {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->SetCurrentText(text, notify);
}
QORUnicodeString QORDlgSpinner::GetCurrentText() const {
  auto* l = letterAs<l_QORDlgSpinner>();
  return l ? l->GetCurrentText() : QORUnicodeString();
}
void QORDlgSpinner::SetButtonUpSensitivity(unsigned long s) {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->SetButtonSensitivity(true, s);
}
unsigned long QORDlgSpinner::GetButtonUpSensitivity() const {
  auto* l = letterAs<l_QORDlgSpinner>();
  return l ? l->GetButtonSensitivity(true) : QORDlgSensitive;
}
void QORDlgSpinner::SetButtonDownSensitivity(unsigned long s) {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->SetButtonSensitivity(false, s);
}
unsigned long QORDlgSpinner::GetButtonDownSensitivity() const {
  auto* l = letterAs<l_QORDlgSpinner>();
  return l ? l->GetButtonSensitivity(false) : QORDlgSensitive;
}

// ---- real mode ----

void QORDlgSpinner::SetMinMaxStep(double min, double max, double step) {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->SetMinMaxStep(min, max, step);
}
void QORDlgSpinner::GetMinMaxStep(double& min, double& max, double& step) const {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->GetMinMaxStep(min, max, step);
}
void QORDlgSpinner::SetValue(double value, int notify) {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->SetValue(value, notify);
}
double QORDlgSpinner::GetValue() const {
  auto* l = letterAs<l_QORDlgSpinner>();
  return l ? l->GetValue() : 0.0;
}

void QORDlgSpinner::SetVisibleTextWidth(int columns) {
  if (auto* l = letterAs<l_QORDlgSpinner>()) l->SetVisibleTextWidth(columns);
}
int QORDlgSpinner::GetVisibleTextWidth() const {
  auto* l = letterAs<l_QORDlgSpinner>();
  return l ? l->GetVisibleTextWidth() : 0;
}
