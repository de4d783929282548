// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgSeparator (class code 21): an XmSeparator.
#pragma once
#include "QORDlgSeparator.h"
#include "l_QORDlgControl.h"

class l_QORDlgSeparator : public l_QORDlgControl {
 public:
  l_QORDlgSeparator(l_QORDialog* father, const QORString& name, QORDlgSeparator* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeSeparator; }
  void update(unsigned long mask) override;
  bool IsHorizontal() const { return (style & QORDlgSeparatorHorizontal) != 0; }
};
