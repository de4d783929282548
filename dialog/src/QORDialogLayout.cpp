// Grid operations of the QORDialog envelope.
#include "QORDialog.h"
#include "QORDlgGridConstraints.h"
#include "l_QORDialog.h"

void QORDialog::SetGridConstraints(const QORDlgGridConstraints& c) {
  if (letter) letter->SetGridConstraints(c);
}

void QORDialog::SetGridConstraints(short row, short column, short columnSpan, short rowSpan,
                                   unsigned int justification) {
  if (letter) letter->SetGridConstraints(row, column, columnSpan, rowSpan, justification);
}

const QORDlgGridConstraints& QORDialog::GetGridConstraints() const {
  static const QORDlgGridConstraints defaults;
  return letter ? letter->GetGridConstraints() : defaults;
}
