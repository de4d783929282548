// A menu item of a group: checking it unchecks the checked item of the
// unbroken run of radio items around it in its menu. Choosing a checked
// item leaves it checked.
#pragma once
#include "QORDlgMenuItem.h"

class QORDlgRadioItem : public QORDlgMenuItem {
 public:
  QORDlgRadioItem(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgRadioItem"; }
  l_QORDialog* GetLetterObject() const override;

  // QORDlgChecked or QORDlgUnchecked (the start).
  unsigned long GetState() const;
  // Any value but QORDlgChecked means unchecked; notify sends the modify
  // notification, and is passed on to the brother this unchecks.
  void SetState(unsigned long state, int notify);
  QORDlgRadIModifyNotification* GetRadIModifyNotification() const;
};
