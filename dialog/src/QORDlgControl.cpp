#include "QORDlgControl.h"

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

// The concrete control sets controlLetter and letter after allocating its own letter.
QORDlgControl::QORDlgControl(QORDialog* father, const QORString& name, unsigned long style)
    : QORDialog(father, name, style) {}

void QORDlgControl::SetUnit(QORDlgUnit u) {
  if (controlLetter) controlLetter->SetUnit(u);
}
QORDlgControl::QORDlgUnit QORDlgControl::GetUnit() const { return controlLetter ? controlLetter->GetUnit() : Number; }
void QORDlgControl::SetPrecision(int p) {
  if (controlLetter) controlLetter->SetPrecision(p);
}
int QORDlgControl::GetPrecision() const { return controlLetter ? controlLetter->GetPrecision() : 5; }
void QORDlgControl::SetMagnitude(QORDlgMagnitude m) {
  if (controlLetter) controlLetter->SetMagnitude(m);
}
QORDlgControl::QORDlgMagnitude QORDlgControl::GetMagnitude() const {
  return controlLetter ? controlLetter->GetMagnitude() : NoMagnitude;
}
void QORDlgControl::SetDisplayFormat(const char* format) {
  if (controlLetter) controlLetter->SetDisplayFormat(format);
}
