// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgCheckItem (class code 31): an N-of-many XmToggleButton in a menu.
#pragma once
#include "QORDlgCheckItem.h"
#include "l_QORDlgMenuItem.h"

class l_QORDlgCheckItem : public l_QORDlgMenuItem {
 public:
  l_QORDlgCheckItem(l_QORDialog* father, const QORString& name, QORDlgCheckItem* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeCheckItem; }
  void update(unsigned long mask) override;
  void recordCases(l_QORDlgRecordCases& cases) override;

  unsigned long GetState() const { return state; }
  void SetState(unsigned long state, int notify);
  // The user toggled the item.
  void menuCheckSelected();

  QORDlgChkIModifyNotification modifyNotification;

 private:
  static void valueChangedCB(Widget w, XtPointer client, XtPointer call);

  unsigned long state = QORDlgUnchecked;
};
