// The cursor operations of the QORDialog envelope.
#include "QORDialog.h"
#include "l_QORDialog.h"

QORDlgCursor QORDialog::SetCursor(QORDlgCursor c) {
  return letter ? static_cast<QORDlgCursor>(letter->SetCursor(c)) : NorthWestArrow;
}

QORDlgCursor QORDialog::GetCursor() const {
  return letter ? static_cast<QORDlgCursor>(letter->GetCursor()) : NorthWestArrow;
}
