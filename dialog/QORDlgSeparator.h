// A horizontal or vertical line.
#pragma once
#include "QORDlgControl.h"

class l_QORDlgSeparator;

// Separator style bits; with both, or neither, the line is horizontal.
enum : unsigned long {
  QORDlgSeparatorHorizontal = 0x40000UL,
  QORDlgSeparatorVertical = 0x80000UL,
};

class QORDlgSeparator : public QORDlgControl {
 public:
  QORDlgSeparator(QORDialog* father, const QORString& name, unsigned long style = QORDlgSeparatorHorizontal);
  const char* GetClassName() const override { return "QORDlgSeparator"; }
  l_QORDialog* GetLetterObject() const override;

 private:
  l_QORDlgSeparator* separatorLetter = nullptr;
};
