// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgPushItem (class code 32): an XmPushButton in a menu.
#pragma once
#include "QORDlgPushItem.h"
#include "l_QORDlgMenuItem.h"

class l_QORDlgPushItem : public l_QORDlgMenuItem {
 public:
  l_QORDlgPushItem(l_QORDialog* father, const QORString& name, QORDlgPushItem* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodePushItem; }
  void update(unsigned long mask) override;
  void recordCases(l_QORDlgRecordCases& cases) override;
  // The user chose the item.
  void menuActivate();

  QORDlgMenuIActivateNotification activateNotification;

 private:
  static void activateCB(Widget w, XtPointer client, XtPointer call);
};
