// Letter of QORInteractiveApplication: the current unit of each physical magnitude.
#include "l_QORInteractiveApplication.h"

#include "QORString.h"
#include "l_QORDialog.h"
#include "l_QORDlgControl.h"

namespace {
// One unit per magnitude for the whole process, set up on first use.
QORDlgControl::QORDlgUnit* currentUnits() {
  static QORDlgControl::QORDlgUnit units[QORDlgControl::MagnitudeCount];
  static bool ready = false;
  if (!ready) {
    for (int m = 0; m < QORDlgControl::MagnitudeCount; ++m)
      units[m] = l_QORDlgControl::BaseUnitOf(static_cast<QORDlgControl::QORDlgMagnitude>(m));
    units[QORDlgControl::Dilatation] = QORDlgControl::PerCelsius;
    ready = true;
  }
  return units;
}
bool validMagnitude(QORDlgControl::QORDlgMagnitude m) { return m >= 0 && m < QORDlgControl::MagnitudeCount; }
}  // namespace

QORDlgControl::QORDlgUnit l_QORInteractiveApplication::GetMagnitudeCurrentUnit(QORDlgControl::QORDlgMagnitude m) {
  return validMagnitude(m) ? currentUnits()[m] : QORDlgControl::Number;
}

void l_QORInteractiveApplication::SetMagnitudeCurrentUnit(QORDlgControl::QORDlgMagnitude m,
                                                          QORDlgControl::QORDlgUnit unit) {
  // A unit of another magnitude would show values in the wrong dimension.
  if (!validMagnitude(m) || l_QORDlgControl::MagnitudeOfUnit(unit) != m) return;
  currentUnits()[m] = unit;
  for (int i = 0; i < windows.getCount(); ++i) static_cast<l_QORDialog*>(windows[i])->globalUpdate(1);
}

const QORUnicodeString& l_QORInteractiveApplication::GetDoubleValueString(double value,
                                                                          QORDlgControl::QORDlgMagnitude m) {
  static QORUnicodeString text;
  text = QORUnicodeString(l_QORDlgControl::WriteStringValue(value, GetMagnitudeCurrentUnit(m), "%.5g %s"));
  return text;
}
