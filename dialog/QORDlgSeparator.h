// A horizontal or vertical line.
#pragma once
#include "QORDlgControl.h"

class QORDlgSeparator : public QORDlgControl {
 public:
  QORDlgSeparator(QORDialog* father, const QORString& name, unsigned long style = QORDlgSeparatorHorizontal);
  const char* GetClassName() const override { return "QORDlgSeparator"; }
  l_QORDialog* GetLetterObject() const override;
};
