// A check button: toggled by the user, its accelerator or the program;
// a second click within the display's multi-click time is a double click.
#pragma once
#include "QORDlgControl.h"

class QORDlgCheckButton : public QORDlgControl {
 public:
  QORDlgCheckButton(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgCheckButton"; }
  l_QORDialog* GetLetterObject() const override;

  // QORDlgChecked or QORDlgUnchecked.
  unsigned long GetState() const;
  // Any value but QORDlgChecked means unchecked; notify sends the modify notification.
  void SetState(unsigned long state, int notify);
  QORDlgChkBModifyNotification* GetChkBModifyNotification() const;
  QORDlgChkBDoubleClickNotification* GetChkBDoubleClickNotification() const;
};
