// A radio button: checking it unchecks the checked button of its group, the
// unbroken run of radio buttons around it among its father's children.
#pragma once
#include "QORDlgControl.h"

class QORDlgRadioButton : public QORDlgControl {
 public:
  QORDlgRadioButton(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgRadioButton"; }
  l_QORDialog* GetLetterObject() const override;

  // QORDlgChecked, QORDlgUnchecked, or 0 for a button never set (shown unchecked).
  unsigned long GetState() const;
  // Any value but QORDlgChecked means unchecked; notify sends the modify
  // notification, and is passed on to the brother this unchecks.
  void SetState(unsigned long state, int notify);
  QORDlgRadBModifyNotification* GetRadBModifyNotification() const;
};
