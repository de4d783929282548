// The progress bar's envelope: every operation forwards to l_QORDlgProgress.
#include "QORDlgProgress.h"

#include "l_QORDlgProgress.h"

QORDlgProgress::QORDlgProgress(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgControl(father, name, style) {
  letter = new l_QORDlgProgress(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgProgress::GetLetterObject() const { return letter; }

void QORDlgProgress::SetRange(int min, int max) {
  if (auto* l = letterAs<l_QORDlgProgress>()) l->SetRange(min, max);
}
void QORDlgProgress::GetRange(int* min, int* max) const {
  if (auto* l = letterAs<l_QORDlgProgress>()) l->GetRange(min, max);
}
int QORDlgProgress::SetPos(int pos) {
  auto* l = letterAs<l_QORDlgProgress>();
  return l ? l->SetPos(pos) : 0;
}
int QORDlgProgress::GetPos() const {
  auto* l = letterAs<l_QORDlgProgress>();
  return l ? l->GetPos() : 0;
}
int QORDlgProgress::OffsetPos(int delta) {
  auto* l = letterAs<l_QORDlgProgress>();
  return l ? l->OffsetPos(delta) : 0;
}
int QORDlgProgress::StepIt() {
  auto* l = letterAs<l_QORDlgProgress>();
  return l ? l->StepIt() : 0;
}
void QORDlgProgress::SetStep(int step) {
  if (auto* l = letterAs<l_QORDlgProgress>()) l->SetStep(step);
}
int QORDlgProgress::GetStep() const {
  auto* l = letterAs<l_QORDlgProgress>();
  return l ? l->GetStep() : 0;
}
