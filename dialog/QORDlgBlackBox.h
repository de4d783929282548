// A dialog object whose widgets the application creates itself. The envelope
// creates no letter: a subclass supplies a letter derived from l_QORDlgBlackBox.
#pragma once
#include "QORDialog.h"

class l_QORDlgBlackBox;

class QORDlgBlackBox : public QORDialog {
 public:
  QORDlgBlackBox(QORDialog* father, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgBlackBox"; }
  l_QORDialog* GetLetterObject() const override;
};
