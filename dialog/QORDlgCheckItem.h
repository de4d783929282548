// A menu item that toggles between checked and unchecked when chosen.
#pragma once
#include "QORDlgMenuItem.h"

class QORDlgCheckItem : public QORDlgMenuItem {
 public:
  QORDlgCheckItem(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgCheckItem"; }
  l_QORDialog* GetLetterObject() const override;

  // QORDlgChecked or QORDlgUnchecked (the start).
  unsigned long GetState() const;
  // Any value but QORDlgChecked means unchecked; notify sends the modify notification.
  void SetState(unsigned long state, int notify);
  QORDlgChkIModifyNotification* GetChkIModifyNotification() const;
};
