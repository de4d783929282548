// A static text (its title) or icon, optionally in a sunken frame. A label
// titled " " is a 4 by 4 spacer.
#pragma once
#include "QORDlgControl.h"

class QORDlgLabel : public QORDlgControl {
 public:
  QORDlgLabel(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgLabel"; }
  l_QORDialog* GetLetterObject() const override;
};
