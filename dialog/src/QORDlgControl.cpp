#include "QORDlgControl.h"

#include "l_QORDlgContextualMenu.h"
#include "l_QORDlgControl.h"

const char* const QORDialog::MagnitudeName[] = {
#define QORDLG_MAGNITUDE(name) #name,
#include "QORDlgUnits.def"
#undef QORDLG_MAGNITUDE
    nullptr};
const char* const QORDialog::UnitName[] = {
#define QORDLG_UNIT(name, symbol, factor, offset, magnitude) #name,
#include "QORDlgUnits.def"
#undef QORDLG_UNIT
    nullptr};

// The concrete control allocates the letter.
QORDlgControl::QORDlgControl(QORDialog* father, const QORString& name, unsigned long style)
    : QORDialog(father, name, style) {}

void QORDlgControl::SetUnit(QORDlgUnit u) {
  if (auto* l = letterAs<l_QORDlgControl>()) l->SetUnit(u);
}
QORDlgControl::QORDlgUnit QORDlgControl::GetUnit() const {
  auto* l = letterAs<l_QORDlgControl>();
  return l ? l->GetUnit() : Number;
}
void QORDlgControl::SetPrecision(int p) {
  if (auto* l = letterAs<l_QORDlgControl>()) l->SetPrecision(p);
}
int QORDlgControl::GetPrecision() const {
  auto* l = letterAs<l_QORDlgControl>();
  return l ? l->GetPrecision() : 5;
}
void QORDlgControl::SetMagnitude(QORDlgMagnitude m) {
  if (auto* l = letterAs<l_QORDlgControl>()) l->SetMagnitude(m);
}
QORDlgControl::QORDlgMagnitude QORDlgControl::GetMagnitude() const {
  auto* l = letterAs<l_QORDlgControl>();
  return l ? l->GetMagnitude() : NoMagnitude;
}
void QORDlgControl::SetDisplayFormat(const char* format) {
  if (auto* l = letterAs<l_QORDlgControl>()) l->SetDisplayFormat(format);
}

QORDlgContextualMenu* QORDlgControl::GetContextualMenu() const { return l_QORDlgContextualMenu::EnvelopeOf(letter); }
